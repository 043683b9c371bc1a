#include "charlists/CharListPanel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "document/GlyphRemoval.h"
#include "platform/IniFile.h"
#include "platform/Numbers.h"
#include "platform/PictureCapture.h"
#include "platform/Units.h"
#include "charlists/CharLists.h"
#include "charlists/CharThumbnails.h"

namespace charlists {

namespace {

const QString EmptyKey = QStringLiteral("Empty");
constexpr double GapTwips = 50;  // between cmbList and lvChars

QString ItemKey(int code) { return QStringLiteral("A%1").arg(code); }

QFont ListFont() {
  QFont f(QStringLiteral("Courier New"), 18, QFont::Bold);
  f.setStyleHint(QFont::TypeWriter);  // a monospace font where Courier New is missing
  return f;
}

// The glyphs one font shapes a text into; empty when part of it needs another font.
QList<quint32> ShapedGlyphs(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  return runs.size() == 1 ? runs.first().glyphIndexes() : QList<quint32>();
}

// The "Text" column holds Persian/Arabic letter forms held by joiners (U+200D). A font
// that lacks the joined forms, or is replaced per character, shows them all alike: the
// column takes the list font's family when it joins a jeem to a joiner by itself, else
// the first installed Arabic family that does.
QFont TextColumnFont(const QFont& listFont) {
  QStringList families{QFontInfo(listFont).family()};
  families += QFontDatabase::families(QFontDatabase::Arabic);
  for (const QString& family : families) {
    QFont font(listFont);
    font.setFamilies({family});
    const QList<quint32> isolated = ShapedGlyphs(font, QString(QChar(0x062C)));
    const QList<quint32> initial = ShapedGlyphs(font, QString(QChar(0x062C)) + QChar(0x200D));
    if (isolated.size() == 1 && !initial.isEmpty() && !initial.contains(isolated.first())) return font;
  }
  return listFont;
}

// A right-to-left text is laid out as a right-to-left paragraph, still aligned left:
// in a left-to-right one the joiners at its ends fall outside the letter's run, and
// the letter shows its isolated form.
class TextColumnDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!option->text.isRightToLeft()) return;
    option->direction = Qt::RightToLeft;
    option->displayAlignment = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter;
  }
};

}  // namespace

CharListPanel::CharListPanel(doc::ModConst& state, platform::IniFile& ini, const QString& iniPath, QWidget* parent)
    : QWidget(parent), S(state), ini_(ini), iniPath_(iniPath) {
  setObjectName(QStringLiteral("picCharList"));
  cmbList = new QComboBox(this);
  cmbList->setObjectName(QStringLiteral("cmbList"));
  cmbList->setEditable(false);
  QFont comboFont(QStringLiteral("Tahoma"));
  comboFont.setPointSizeF(8.25);
  cmbList->setFont(comboFont);
  cmbList->resize(cmbList->width(), cmbList->sizeHint().height());

  lvChars = new controls::ListView({QStringLiteral("Code"), QStringLiteral("Text")}, this);
  lvChars->setObjectName(QStringLiteral("lvChars"));
  lvChars->setFont(ListFont());
  textFont_ = TextColumnFont(lvChars->font());
  lvChars->setItemDelegateForColumn(1, new TextColumnDelegate(lvChars));
  lvChars->setIconSize(QSize(EmptyIconSide, EmptyIconSide));
  // A fixed first column: measuring 512 rows on every change would cost more than it shows.
  const QFontMetrics fm(lvChars->font());
  lvChars->header()->resizeSection(0, EmptyIconSide + fm.horizontalAdvance(QStringLiteral("000")) + 24);
  ImageList1.ListImages.Add(EmptyKey, QPixmap::fromImage(MakeEmptyIcon()));
  lvChars->SetSmallIcons(&ImageList1);

  setMinimumSize(160, 200);
  connect(cmbList, &QComboBox::activated, this, [this](int) { cmbList_Click(); });
  connect(lvChars, &controls::ListView::DblClick, this, [this] { lvChars_DblClick(); });
}

void CharListPanel::ReadListNames() {
  cmbList->clear();
  cmbList->addItems(charlists::ReadListNames(ini_, iniPath_));
  if (cmbList->count() > 0) {
    cmbList->setCurrentIndex(0);
    cmbList_Click();
  }
}

QString CharListPanel::ListName() { return cmbList->currentIndex() < 0 ? QString() : cmbList->currentText(); }

void CharListPanel::cmbList_Click() {
  if (cmbList->currentIndex() < 0) return;
  const LoadedList list = LoadCharList(ini_, cmbList->currentText(), iniPath_);
  S.CharText = list.CharText;
  lvChars->setUpdatesEnabled(false);
  auto& items = lvChars->ListItems();
  items.Clear();
  // The thumbnails outlive the items: every designed glyph shows its picture again.
  const auto icon = [this](int c) {
    const bool hasData = static_cast<size_t>(c) < S.FontData.size() && !S.FontData[c].empty();
    return hasData && ImageList1.ListImages.Contains(ItemKey(c)) ? ItemKey(c) : EmptyKey;
  };
  for (int c = 0; c < doc::GlyphCount; ++c) {
    items.Add(ItemKey(c), QStringLiteral("%1").arg(c, 3, 10, QLatin1Char('0')), icon(c))
        .SetSubItems(1, list.ItemText[c]);
    lvChars->topLevelItem(c)->setFont(1, textFont_);
  }
  // Selected from the program: the design window keeps its glyph.
  items.Item(1).SetSelected(true);
  lvChars->setUpdatesEnabled(true);
}

void CharListPanel::lvChars_DblClick() {
  if (lvChars->SelectedItem() && design_) design_->DrawFont();
}

void CharListPanel::picCharList_Resize() {
  const QRect inner = contentsRect();
  const int gap = platform::RoundToInt32(platform::TwipsToPixels(GapTwips));
  const int comboHeight = cmbList->height();
  cmbList->setGeometry(inner.left(), inner.top(), inner.width(), comboHeight);
  lvChars->setGeometry(inner.left(), inner.top() + comboHeight + gap, inner.width(),
                       std::max(0, inner.height() - comboHeight - gap));
}

void CharListPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  picCharList_Resize();
}

std::optional<int> CharListPanel::SelectedCode() {
  const controls::ListItem item = lvChars->SelectedItem();
  if (!item) return std::nullopt;
  bool ok = false;
  const int code = item.Text().toInt(&ok);
  if (!ok || code < 0 || code >= doc::GlyphCount) return std::nullopt;
  return code;
}

void CharListPanel::SelectCode(int code) {
  controls::ListItem item = lvChars->ListItems().Item(ItemKey(code));
  if (!item) return;
  item.SetSelected(true);
  item.EnsureVisible();
}

void CharListPanel::RefreshCharIcons(int code) {
  // Without a list there are no items to carry the icons.
  auto& items = lvChars->ListItems();
  if (items.Count() == 0 || code < -1 || code >= doc::GlyphCount) return;
  const int first = code == -1 ? 0 : code;
  const int last = code == -1 ? doc::GlyphCount - 1 : code;
  const auto hasData = [this](int c) { return static_cast<size_t>(c) < S.FontData.size() && !S.FontData[c].empty(); };
  auto& images = ImageList1.ListImages;

  lvChars->SetSmallIcons(nullptr);
  for (int c = first; c <= last; ++c) images.Remove(ItemKey(c));
  // Before the design window has drawn its preview there is no raster of its to borrow.
  QImage& picture = preview_ && !preview_->isNull() ? *preview_ : ownPreview_;
  for (int c = 0; c < doc::GlyphCount; ++c) {
    if (!hasData(c)) continue;
    // Also glyphs whose data arrived without a refresh (an import) get their picture.
    if ((c < first || c > last) && images.Contains(ItemKey(c))) continue;
    DrawThumbnail(S.FontData[c], S.ColorTable, picture);
    images.Add(ItemKey(c), platform::CapturePicture(picture, 0, 0, ThumbnailSide, ThumbnailSide));
  }
  lvChars->SetSmallIcons(&ImageList1);
  for (int c = 0; c < doc::GlyphCount; ++c) items.Item(ItemKey(c)).SetSmallIcon(hasData(c) ? ItemKey(c) : EmptyKey);
}

void CharListPanel::RemoveCharacter() {
  const std::optional<int> code = SelectedCode();
  if (!code) return;
  const doc::RemoveResult removed = doc::RemoveGlyph(S, *code);
  RefreshCharIcons(*code);
  if (removed.gridCleared && design_) design_->DrawAll();
}

}  // namespace charlists
