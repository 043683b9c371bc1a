#include "controls/ToolBarControl.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>
#include <utility>

namespace controls {

namespace {

[[noreturn]] void MissingKey(const char* what, const QString& key, const QString& where) {
  throw std::out_of_range(
      QStringLiteral("ToolBarControl: no %1 keyed \"%2\"%3")
          .arg(QLatin1String(what), key, where.isEmpty() ? QString() : QStringLiteral(" in band \"%1\"").arg(where))
          .toStdString());
}

[[noreturn]] void BadListIndex(int index, const QString& key) {
  throw std::out_of_range(
      QStringLiteral("ToolBarControl: list index %1 out of range for tool \"%2\"").arg(index).arg(key).toStdString());
}

[[noreturn]] void LayoutError(const QString& message) {
  throw std::logic_error(("ToolBarControl layout: " + message).toStdString());
}

bool IsBox(ToolKind k) {
  return k == ToolKind::EditableCombo || k == ToolKind::DropDownCombo || k == ToolKind::EditBox;
}

bool HasAction(ToolKind k) {
  return k == ToolKind::Command || k == ToolKind::CheckButton || k == ToolKind::SubBandOpener;
}

QString ClockText(StatusClock clock) {
  const QLocale locale;
  if (clock == StatusClock::Date) return locale.toString(QDate::currentDate(), QLocale::ShortFormat);
  return locale.toString(QTime::currentTime(), QLocale::ShortFormat);
}

}  // namespace

// ---- collections ----

BarTool& ToolCollection::Item(const QString& key) const {
  auto it = byKey_.constFind(key);
  if (it == byKey_.constEnd()) MissingKey("tool", key, owner_);
  return **it;
}

BarTool& ToolCollection::At(int index) const {
  if (index < 0 || index >= Count()) MissingKey("tool", QString::number(index), owner_);
  return *tools_[static_cast<size_t>(index)];
}

void ToolCollection::Add(BarTool* tool) {
  tools_.push_back(tool);
  if (!byKey_.contains(tool->Name())) byKey_.insert(tool->Name(), tool);
}

BarBand& BandCollection::Item(const QString& key) const {
  auto it = byKey_.constFind(key);
  if (it == byKey_.constEnd()) MissingKey("band", key, QString());
  return **it;
}

BarBand& BandCollection::At(int index) const {
  if (index < 0 || index >= Count()) MissingKey("band", QString::number(index), QString());
  return *bands_[static_cast<size_t>(index)];
}

// ---- tool ----

void BarTool::ShowCaption() {
  const QString shown = caption_.isEmpty() ? shownText_ : caption_;
  if (action_) action_->setText(shown);
  if (label_) label_->setText(shown);
  if (QWidget* w = Widget()) w->setToolTip(QString(shown).remove(QLatin1Char('&')));
}

void BarTool::SetCaption(const QString& caption) {
  caption_ = caption;
  ShowCaption();
}

QString BarTool::Text() const {
  if (combo_) return combo_->currentText();
  if (edit_) return edit_->text();
  return text_;
}

void BarTool::SetText(const QString& text) {
  writing_ = true;
  if (combo_) {
    const int index = combo_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo_->setCurrentIndex(index);
    if (combo_->isEditable()) combo_->setEditText(text);
  } else if (edit_) {
    edit_->setText(text);
  } else {
    text_ = text;
  }
  committed_ = Text();
  writing_ = false;
}

bool BarTool::Checked() const {
  if (kind_ == ToolKind::CheckButton && action_) return action_->isChecked();
  return checked_;
}

void BarTool::SetChecked(bool checked) {
  checked_ = checked;
  if (action_ && kind_ != ToolKind::SubBandOpener) {
    // A tool becomes checkable once the program marks it, so plain commands keep
    // the look of plain buttons.
    action_->setCheckable(true);
    action_->setChecked(checked);
  }
}

void BarTool::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (action_) action_->setEnabled(enabled);
  if (box_) box_->setEnabled(enabled);
  if (label_ && !box_) label_->setEnabled(enabled);
  if (dock_ && control_) control_->setEnabled(enabled);
}

void BarTool::SetControl(QWidget* control) {
  if (kind_ != ToolKind::ControlHost || !dock_)
    throw std::logic_error(("ToolBarControl: tool \"" + key_ + "\" cannot host a control").toStdString());
  control_ = control;
  dock_->setWidget(control);
  if (control) control->setEnabled(enabled_);
}

void BarTool::SetIcon(const QIcon& icon) {
  if (action_) action_->setIcon(icon);
}

QWidget* BarTool::Widget() const {
  if (combo_) return combo_;
  return edit_;
}

QComboBox* BarTool::ComboOrThrow(const char* member) const {
  if (!combo_)
    throw std::logic_error(QStringLiteral("ToolBarControl: %1 of \"%2\", which is no combo box")
                               .arg(QLatin1String(member), key_)
                               .toStdString());
  return combo_;
}

void BarTool::AddItem(const QString& text) {
  QComboBox* combo = ComboOrThrow("AddItem");
  writing_ = true;
  // An empty combo selects its first entry by itself; the program did not ask for that.
  const int index = combo->currentIndex();
  const QString shown = combo->currentText();
  combo->addItem(text);
  if (combo->currentIndex() != index) combo->setCurrentIndex(index);
  if (combo->isEditable() && combo->currentText() != shown) combo->setEditText(shown);
  writing_ = false;
}

int BarTool::ListIndex() const {
  if (!combo_) return -1;
  const int index = combo_->currentIndex();
  // A typed text that is no entry leaves no entry selected.
  if (index >= 0 && combo_->isEditable() && combo_->itemText(index) != combo_->currentText()) return -1;
  return index;
}

void BarTool::SetListIndex(int index) {
  QComboBox* combo = ComboOrThrow("ListIndex");
  if (index < -1 || index >= combo->count()) BadListIndex(index, key_);
  writing_ = true;
  combo->setCurrentIndex(index);
  if (combo->isEditable()) combo->setEditText(combo->itemText(index));
  committed_ = Text();
  writing_ = false;
}

int BarTool::ListCount() const { return combo_ ? combo_->count() : 0; }

QString BarTool::List(int index) const {
  QComboBox* combo = ComboOrThrow("List");
  if (index < 0 || index >= combo->count()) BadListIndex(index, key_);
  return combo->itemText(index);
}

// ---- control ----

ToolBarControl::ToolBarControl(QObject* parent) : QObject(parent) {}

ToolBarControl::~ToolBarControl() {
  if (window_) window_->removeEventFilter(this);
}

void ToolBarControl::Build(QMainWindow& window, const ToolBarLayout& layout) {
  if (window_) LayoutError(QStringLiteral("Build runs once"));
  window_ = &window;

  // Every band first, so that an opener may name a popup that comes later.
  for (const BandLayout& bl : layout.bands) {
    if (bands_.Exists(bl.key)) LayoutError(QStringLiteral("band \"%1\" twice").arg(bl.key));
    auto band = std::make_unique<BarBand>();
    band->key_ = bl.key;
    band->caption_ = bl.caption;
    band->kind_ = bl.kind;
    band->tools_.owner_ = bl.key;
    switch (bl.kind) {
      case BandKind::Popup:
        band->menu_ = new QMenu(bl.caption, &window);
        band->menu_->setObjectName(bl.key);
        break;
      case BandKind::ToolBar:
        band->toolBar_ = new QToolBar(bl.caption, &window);
        band->toolBar_->setObjectName(bl.key);
        band->toolBar_->setIconSize(QSize(16, 16));
        break;
      case BandKind::DockedPanel:
        band->dock_ = new QDockWidget(bl.caption, &window);
        band->dock_->setObjectName(bl.key);
        // No close box: nothing in the menus would bring the panel back.
        band->dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        band->dock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        window.addDockWidget(Qt::LeftDockWidgetArea, band->dock_);
        break;
      case BandKind::MenuBar: window.menuBar()->setObjectName(bl.key); break;
      case BandKind::StatusBar: window.statusBar()->setObjectName(bl.key); break;
    }
    bands_.bands_.push_back(band.get());
    bands_.byKey_.insert(bl.key, band.get());
    ownedBands_.push_back(std::move(band));
  }

  PlaceToolBars(window, layout);

  for (const BandLayout& bl : layout.bands) {
    BarBand& band = bands_.Item(bl.key);
    for (const ToolLayout& tl : bl.tools) {
      BarTool* tool = nullptr;
      if (tl.kind != ToolKind::Separator && tools_.Exists(tl.key)) {
        tool = &tools_.Item(tl.key);
        if (tool->kind_ != tl.kind) LayoutError(QStringLiteral("tool \"%1\" has two kinds").arg(tl.key));
        if (!HasAction(tl.kind)) LayoutError(QStringLiteral("tool \"%1\" can stand in one band only").arg(tl.key));
      } else {
        tool = MakeTool(tl, bl.kind, bl.key);
        tools_.Add(tool);
      }
      band.tools_.Add(tool);
      Place(band, *tool, tl);
    }
  }

  window.installEventFilter(this);
  if (!clocks_.empty()) {
    clockTimer_ = new QTimer(this);
    connect(clockTimer_, &QTimer::timeout, this, &ToolBarControl::TickClocks);
    clockTimer_->start(1000);
  }
}

void ToolBarControl::PlaceToolBars(QMainWindow& window, const ToolBarLayout& layout) {
  std::vector<const BandLayout*> bars;
  for (const BandLayout& bl : layout.bands)
    if (bl.kind == BandKind::ToolBar) bars.push_back(&bl);
  std::stable_sort(bars.begin(), bars.end(), [](const BandLayout* a, const BandLayout* b) {
    return std::pair(int(a->area), a->row) < std::pair(int(b->area), b->row);
  });
  const BandLayout* previous = nullptr;
  for (const BandLayout* bl : bars) {
    if (previous && previous->area == bl->area && previous->row != bl->row) window.addToolBarBreak(bl->area);
    if (bl->area == Qt::LeftToolBarArea || bl->area == Qt::RightToolBarArea)
      bands_.Item(bl->key).toolBar_->setOrientation(Qt::Vertical);
    window.addToolBar(bl->area, bands_.Item(bl->key).toolBar_);
    previous = bl;
  }
}

BarTool* ToolBarControl::MakeTool(const ToolLayout& tl, BandKind where, const QString& band) {
  auto owned = std::make_unique<BarTool>();
  BarTool* tool = owned.get();
  ownedTools_.push_back(std::move(owned));
  tool->key_ = tl.key;
  tool->kind_ = tl.kind;
  tool->caption_ = tl.caption;
  tool->shownText_ = tl.shownText;
  tool->clock_ = tl.clock;

  const bool inMenu = where == BandKind::MenuBar || where == BandKind::Popup;
  if (IsBox(tl.kind) && where != BandKind::ToolBar)
    LayoutError(QStringLiteral("box \"%1\" outside a toolbar (band \"%2\")").arg(tl.key, band));
  if (tl.kind == ToolKind::StatusPanel && where != BandKind::StatusBar)
    LayoutError(QStringLiteral("status panel \"%1\" outside the status bar").arg(tl.key));
  if (tl.kind == ToolKind::ControlHost && where != BandKind::DockedPanel)
    LayoutError(QStringLiteral("host \"%1\" outside a docked panel").arg(tl.key));
  if (HasAction(tl.kind) && !inMenu && where != BandKind::ToolBar)
    LayoutError(QStringLiteral("button \"%1\" in band \"%2\"").arg(tl.key, band));

  if (HasAction(tl.kind)) {
    tool->action_ = new QAction(this);
    tool->action_->setObjectName(tl.key);
    if (!tl.icon.isNull())
      tool->action_->setIcon(tl.icon);
    else if (tl.iconColor.isValid())
      tool->action_->setIcon(SwatchIcon(tl.iconColor));
    if (tl.kind == ToolKind::SubBandOpener) {
      if (!bands_.Exists(tl.subBand) || bands_.Item(tl.subBand).kind_ != BandKind::Popup)
        LayoutError(QStringLiteral("\"%1\" opens \"%2\", which is no popup band").arg(tl.key, tl.subBand));
      tool->action_->setMenu(bands_.Item(tl.subBand).menu_.data());
    } else {
      if (tl.kind == ToolKind::CheckButton) tool->action_->setCheckable(true);
      if (!tl.shortcuts.isEmpty()) tool->action_->setShortcuts(tl.shortcuts);
      connect(tool->action_, &QAction::triggered, this, [this, tool](bool) {
        // Only the check buttons change their own mark; the others keep the
        // mark the program set.
        if (tool->kind_ != ToolKind::CheckButton && tool->action_->isCheckable())
          tool->action_->setChecked(tool->checked_);
        emit ToolClick(*tool);
      });
    }
    if (tl.checked) tool->SetChecked(true);
  } else if (IsBox(tl.kind)) {
    MakeBox(*tool, tl);
  } else if (tl.kind == ToolKind::StatusPanel) {
    tool->label_ = new QLabel;
    tool->label_->setObjectName(tl.key);
    tool->label_->setContentsMargins(4, 0, 4, 0);
    if (tl.clock != StatusClock::None) {
      tool->caption_ = ClockText(tl.clock);
      clocks_.push_back(tool);
    }
  }
  if (!IsBox(tl.kind)) tool->text_ = tl.text;
  if (tl.kind != ToolKind::CheckButton && tl.kind != ToolKind::Command) tool->checked_ = tl.checked;
  tool->ShowCaption();
  return tool;
}

void ToolBarControl::MakeBox(BarTool& tool, const ToolLayout& tl) {
  tool.box_ = new QWidget;
  tool.box_->setObjectName(tl.key + QStringLiteral("Box"));
  auto* row = new QHBoxLayout(tool.box_);
  row->setContentsMargins(4, 0, 2, 0);
  row->setSpacing(3);
  tool.label_ = new QLabel;
  row->addWidget(tool.label_);
  QWidget* focus = nullptr;
  if (tl.kind == ToolKind::EditBox) {
    tool.edit_ = new QLineEdit;
    tool.edit_->setObjectName(tl.key);
    if (tl.boxChars > 0)
      tool.edit_->setFixedWidth(tool.edit_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * tl.boxChars + 12);
    row->addWidget(tool.edit_);
    connect(tool.edit_, &QLineEdit::editingFinished, this, [this, t = &tool] { UserCommit(*t); });
    focus = tool.edit_;
  } else {
    auto* combo = new QComboBox;
    tool.combo_ = combo;
    combo->setObjectName(tl.key);
    combo->setEditable(tl.kind == ToolKind::EditableCombo);
    if (tl.boxChars > 0) {
      combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      combo->setMinimumContentsLength(tl.boxChars);
    }
    combo->setMaxVisibleItems(16);
    if (combo->isEditable()) {
      // Typed text stays what it is: no entries added on Enter, no completion
      // that would turn "12" into "125".
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, t = &tool] { UserCommit(*t); });
      focus = combo->lineEdit();
    } else {
      focus = combo;
    }
    connect(combo, &QComboBox::activated, this, [this, t = &tool](int) { UserCommit(*t); });
    row->addWidget(combo);
  }
  tool.label_->setBuddy(tool.Widget());
  // The key filter sits on the widget that has the focus only, so that a key the
  // line edit passes on to its combo is not reported twice.
  focus->installEventFilter(this);
  keyWatch_.insert(focus, &tool);
  connect(focus, &QObject::destroyed, this, [this, focus] { keyWatch_.remove(focus); });

  for (const QString& entry : tl.list) tool.AddItem(entry);
  tool.SetText(tl.text);
}

void ToolBarControl::Place(BarBand& band, BarTool& tool, const ToolLayout& tl) {
  switch (band.kind_) {
    case BandKind::MenuBar:
      if (tool.kind_ == ToolKind::Separator)
        window_->menuBar()->addSeparator();
      else
        window_->menuBar()->addAction(tool.action_);
      break;
    case BandKind::Popup:
      if (tool.kind_ == ToolKind::Separator)
        band.menu_->addSeparator();
      else
        band.menu_->addAction(tool.action_);
      break;
    case BandKind::ToolBar:
      if (tool.kind_ == ToolKind::Separator) {
        band.toolBar_->addSeparator();
      } else if (IsBox(tool.kind_)) {
        band.toolBar_->addWidget(tool.box_);
      } else {
        band.toolBar_->addAction(tool.action_);
        if (tool.kind_ == ToolKind::SubBandOpener) {
          if (auto* button = qobject_cast<QToolButton*>(band.toolBar_->widgetForAction(tool.action_)))
            button->setPopupMode(QToolButton::InstantPopup);
        }
      }
      break;
    case BandKind::StatusBar:
      if (tool.kind_ == ToolKind::StatusPanel) window_->statusBar()->addWidget(tool.label_, tl.stretch ? 1 : 0);
      break;
    case BandKind::DockedPanel:
      if (tool.kind_ == ToolKind::ControlHost) {
        for (BarTool* other : band.tools_.tools_)
          if (other != &tool && other->kind_ == ToolKind::ControlHost)
            LayoutError(QStringLiteral("docked panel \"%1\" hosts one control only").arg(band.key_));
        tool.dock_ = band.dock_;
      }
      break;
  }
}

void ToolBarControl::UserCommit(BarTool& tool) {
  if (tool.writing_) return;
  const QString now = tool.Text();
  if (now == tool.committed_) return;
  tool.committed_ = now;
  emit ToolChange(tool);
}

void ToolBarControl::TickClocks() {
  for (BarTool* tool : clocks_) {
    const QString now = ClockText(tool->clock_);
    if (now != tool->caption_) tool->SetCaption(now);
  }
}

bool ToolBarControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close) {
    bool cancel = false;
    emit CloseQuery(cancel);
    return false;  // the window's own closeEvent follows and applies the answer
  }
  if (event->type() == QEvent::KeyPress) {
    auto it = keyWatch_.constFind(watched);
    if (it != keyWatch_.constEnd()) {
      int code = VirtualKeyCode(static_cast<QKeyEvent*>(event)->key());
      emit ToolKeyDown(**it, code);
    }
  }
  return QObject::eventFilter(watched, event);
}

int VirtualKeyCode(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
      qtKey == Qt::Key_Space)
    return qtKey;  // Qt uses the upper-case ASCII codes here, as Windows does
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return qtKey;
  }
}

QIcon PaintedIcon(const std::function<void(QPainter&, int)>& paint) {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paint(p, size);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon SwatchIcon(const QColor& color) {
  return PaintedIcon([&color](QPainter& p, int size) {
    const int inset = size / 8;
    const QRect box(inset, inset, size - 2 * inset - 1, size - 2 * inset - 1);
    p.fillRect(box, color);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(box);
  });
}

}  // namespace controls
