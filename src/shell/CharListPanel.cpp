#include "shell/CharListPanel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPixmap>
#include <QResizeEvent>
#include <algorithm>

#include "platform/IniFile.h"
#include "platform/Numbers.h"
#include "platform/PictureCapture.h"
#include "platform/Units.h"
#include "shell/CharLists.h"
#include "shell/CharThumbnails.h"

namespace shell {

namespace {

const QString EmptyKey = QStringLiteral("Empty");
constexpr double GapTwips = 50;  // between cmbList and lvChars

QString ItemKey(int code) { return QStringLiteral("A%1").arg(code); }

QFont ListFont() {
  QFont f(QStringLiteral("Courier New"), 18, QFont::Bold);
  f.setStyleHint(QFont::TypeWriter);  // a monospace font where Courier New is missing
  return f;
}

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

  lvChars = new platform::ListView({QStringLiteral("Code"), QStringLiteral("Text")}, this);
  lvChars->setObjectName(QStringLiteral("lvChars"));
  lvChars->setFont(ListFont());
  lvChars->setIconSize(QSize(EmptyIconSide, EmptyIconSide));
  // A fixed first column: measuring 512 rows on every change would cost more than it shows.
  const QFontMetrics fm(lvChars->font());
  lvChars->header()->resizeSection(0, EmptyIconSide + fm.horizontalAdvance(QStringLiteral("000")) + 24);
  ImageList1.ListImages.Add(EmptyKey, QPixmap::fromImage(MakeEmptyIcon()));
  lvChars->SetSmallIcons(&ImageList1);

  setMinimumSize(160, 200);
  connect(cmbList, &QComboBox::activated, this, [this](int) { cmbList_Click(); });
  connect(lvChars, &platform::ListView::DblClick, this, [this] { lvChars_DblClick(); });
}

void CharListPanel::ReadListNames() {
  cmbList->clear();
  cmbList->addItems(shell::ReadListNames(ini_, iniPath_));
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
  for (int c = 0; c < doc::GlyphCount; ++c) {
    items.Add(ItemKey(c), QStringLiteral("%1").arg(c, 3, 10, QLatin1Char('0')), EmptyKey)
        .SetSubItems(1, list.ItemText[c]);
  }
  // Selected from the program: the design window keeps its glyph.
  items.Item(1).SetSelected(true);
  lvChars->setUpdatesEnabled(true);
}

void CharListPanel::lvChars_DblClick() {
  if (lvChars->SelectedItem() && DesignDrawFont) DesignDrawFont();
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
  const platform::ListItem item = lvChars->SelectedItem();
  if (!item) return std::nullopt;
  bool ok = false;
  const int code = item.Text().toInt(&ok);
  if (!ok || code < 0 || code >= doc::GlyphCount) return std::nullopt;
  return code;
}

void CharListPanel::SelectCode(int code) {
  platform::ListItem item = lvChars->ListItems().Item(ItemKey(code));
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
  const int c = *code;
  if (static_cast<size_t>(c) < S.FontData.size() && !S.FontData[c].empty()) {
    S.FontData[c].clear();
    // A removal is a change of the font: the save prompt must offer to keep it.
    S.FontModified = true;
  }
  // Only the glyph on screen lives in the grid; another glyph's removal must not wipe it.
  const bool onScreen = c == S.CurrentChar;
  if (onScreen) doc::ClearDesignData(S);
  RefreshCharIcons(c);
  if (onScreen && DesignDrawAll) DesignDrawAll();
}

}  // namespace shell
