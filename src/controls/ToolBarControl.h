#pragma once
// The main window's menus, toolbars, status bar and docked panel as one control:
// bands and tools are looked up by key, and every user action arrives as one of
// four events. Built on QMenuBar, QToolBar, QStatusBar and QDockWidget of a
// QMainWindow; the layout is plain data handed to Build.
#include <QColor>
#include <QComboBox>
#include <QDockWidget>
#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QToolBar>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QPainter;
class QMainWindow;
class QTimer;

namespace controls {

enum class BandKind { MenuBar, Popup, ToolBar, StatusBar, DockedPanel };

enum class ToolKind {
  Command,        // a menu entry or toolbar button; raises ToolClick
  CheckButton,    // like Command, but a click toggles its own Checked first
  EditableCombo,  // combo box the user may type into
  DropDownCombo,  // combo box that only offers its list
  EditBox,        // one-line text box
  StatusPanel,    // text in the status bar (its caption)
  Separator,      // "tlSpr"
  SubBandOpener,  // opens the popup band named in ToolLayout::subBand
  ControlHost,    // hosts a window control (SetControl) in a docked panel
};

// A status panel that shows the current date or time of day instead of a caption.
enum class StatusClock { None, Date, Time };

struct ToolLayout {
  QString key{};
  QString caption{};
  ToolKind kind = ToolKind::Command;
  QString subBand{};    // SubBandOpener: key of the popup band it opens
  QString text{};       // combos and edit boxes: the stored text
  QStringList list{};   // combos: the stored entries
  QString shownText{};  // shown in place of an empty caption; Caption() stays empty
  QIcon icon{};
  QColor iconColor{};  // without an icon: a swatch of this colour
  bool checked = false;
  int boxChars = 0;      // combos and edit boxes: width in characters, 0 = the style's
  bool stretch = false;  // status panel: takes the free width of the status bar
  StatusClock clock = StatusClock::None;
  QList<QKeySequence> shortcuts{};  // commands and check buttons: the keys that click them
};

struct BandLayout {
  QString key{};
  QString caption{};
  BandKind kind = BandKind::ToolBar;
  std::vector<ToolLayout> tools{};
  // Toolbar placement: the side of the window and the row on that side (0 = next
  // to the window's edge); toolbars of one row keep their layout order.
  Qt::ToolBarArea area = Qt::TopToolBarArea;
  int row = 0;
};

struct ToolBarLayout {
  std::vector<BandLayout> bands{};
};

// A key that the layout lacks is a programming error: the keyed lookups below
// throw std::out_of_range with the key in the message.
class BarTool;
class BarBand;

class ToolCollection {
 public:
  BarTool& Item(const QString& key) const;
  bool Exists(const QString& key) const { return byKey_.contains(key); }
  int Count() const { return static_cast<int>(tools_.size()); }
  BarTool& At(int index) const;  // in layout order, separators included

 private:
  friend class ToolBarControl;
  void Add(BarTool* tool);
  QString owner_;
  std::vector<BarTool*> tools_;
  QHash<QString, BarTool*> byKey_;  // the first tool of each key
};

class BarTool {
 public:
  const QString& Name() const { return key_; }
  ToolKind Kind() const { return kind_; }

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // Combos and edit boxes: what the box shows now, typed or chosen.
  QString Text() const;
  void SetText(const QString& text);
  bool Checked() const;
  void SetChecked(bool checked);  // shows at once (check mark or pressed button)
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  QWidget* Control() const { return control_; }
  void SetControl(QWidget* control);  // ControlHost: the widget fills the docked panel
  void SetIcon(const QIcon& icon);

  // Combo list, 0-based; -1 = no entry selected. Indices out of range throw.
  void AddItem(const QString& text);  // keeps the selection and the shown text
  int ListIndex() const;
  void SetListIndex(int index);  // selects the entry and shows its text
  int ListCount() const;
  QString List(int index) const;

  // The Qt objects behind the tool (null where the kind has none).
  QAction* Action() const { return action_; }
  QWidget* Widget() const;  // the combo box or line edit

 private:
  friend class ToolBarControl;
  QComboBox* ComboOrThrow(const char* member) const;
  void ShowCaption();

  QString key_;
  ToolKind kind_ = ToolKind::Command;
  QString caption_;
  QString shownText_;
  QString text_;
  bool checked_ = false;
  bool enabled_ = true;
  StatusClock clock_ = StatusClock::None;
  QAction* action_ = nullptr;
  QPointer<QComboBox> combo_;
  QPointer<QLineEdit> edit_;
  QPointer<QLabel> label_;  // the caption beside a box, or a status panel
  QPointer<QWidget> box_;   // label and box together in the toolbar
  QPointer<QDockWidget> dock_;
  QPointer<QWidget> control_;
  QString committed_;     // the value last written by the program or reported
  bool writing_ = false;  // a program write is under way: raise nothing
};

class BarBand {
 public:
  const QString& Name() const { return key_; }
  const QString& Caption() const { return caption_; }
  BandKind Kind() const { return kind_; }
  ToolCollection& Tools() { return tools_; }
  const ToolCollection& Tools() const { return tools_; }

  QMenu* Menu() const { return menu_; }           // Popup
  QToolBar* ToolBar() const { return toolBar_; }  // ToolBar
  QDockWidget* Dock() const { return dock_; }     // DockedPanel

 private:
  friend class ToolBarControl;
  QString key_;
  QString caption_;
  BandKind kind_ = BandKind::ToolBar;
  ToolCollection tools_;
  QPointer<QMenu> menu_;
  QPointer<QToolBar> toolBar_;
  QPointer<QDockWidget> dock_;
};

class BandCollection {
 public:
  BarBand& Item(const QString& key) const;
  bool Exists(const QString& key) const { return byKey_.contains(key); }
  int Count() const { return static_cast<int>(bands_.size()); }
  BarBand& At(int index) const;

 private:
  friend class ToolBarControl;
  std::vector<BarBand*> bands_;
  QHash<QString, BarBand*> byKey_;
};

// Events (direct connections only; the reference arguments are written back):
// - ToolClick: a click on a command, check button or menu entry. Never raised for
//   separators, openers of a popup, boxes or status panels.
// - ToolChange: the USER committed a new value in a combo or edit box (chose an
//   entry, or left the box / pressed Enter with a changed text). Program writes
//   (SetText, SetListIndex, AddItem) raise nothing.
// - ToolKeyDown: a key pressed in a combo or edit box, before the box handles it;
//   Enter is 13 (Windows key codes, see VirtualKeyCode). The code is only read.
// - CloseQuery: the main window is about to close. Raised from an event filter on
//   the window for QEvent::Close, so it comes BEFORE the window's own closeEvent;
//   the event then goes on to the window unchanged, and the window applies the
//   answer that its CloseQuery handler left (accept or ignore the event).
class ToolBarControl : public QObject {
  Q_OBJECT
 public:
  explicit ToolBarControl(QObject* parent = nullptr);
  ~ToolBarControl() override;

  // Creates every band and tool on the window, once. Throws std::logic_error for a
  // layout it cannot build (an opener of a missing popup, a box in two bands, ...).
  void Build(QMainWindow& window, const ToolBarLayout& layout);

  BandCollection& Bands() { return bands_; }
  ToolCollection& Tools() { return tools_; }
  // The combo box or line edit of a box tool (for tests and focus handling).
  QWidget* ToolWidget(const QString& key) { return tools_.Item(key).Widget(); }

 signals:
  void ToolClick(controls::BarTool& tool);
  void ToolChange(controls::BarTool& tool);
  void ToolKeyDown(controls::BarTool& tool, int& keyCode);
  void CloseQuery(bool& cancel);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceToolBars(QMainWindow& window, const ToolBarLayout& layout);
  BarTool* MakeTool(const ToolLayout& layout, BandKind where, const QString& band);
  void MakeBox(BarTool& tool, const ToolLayout& layout);
  void Place(BarBand& band, BarTool& tool, const ToolLayout& layout);
  void UserCommit(BarTool& tool);
  void TickClocks();

  QPointer<QMainWindow> window_;
  std::vector<std::unique_ptr<BarBand>> ownedBands_;
  std::vector<std::unique_ptr<BarTool>> ownedTools_;
  BandCollection bands_;
  ToolCollection tools_;
  QHash<QObject*, BarTool*> keyWatch_;  // box widget -> its tool, for ToolKeyDown
  std::vector<BarTool*> clocks_;
  QTimer* clockTimer_ = nullptr;
};

// Windows virtual-key code of a Qt key, as the key-down event delivers it
// (Enter 13, Escape 27, letters and digits their upper-case ASCII, ...). Keys
// without a Windows code are passed as Qt's own value.
int VirtualKeyCode(int qtKey);

// A toolbar icon painted at 16 and 32 pixels; paint gets a painter on a transparent
// square and the square's side.
QIcon PaintedIcon(const std::function<void(QPainter&, int)>& paint);

// A small square icon filled with a colour and framed, for colour tools.
QIcon SwatchIcon(const QColor& color);

}  // namespace controls
