#pragma once
// The design window's scroll bars: a position from 0 to Max, and a Change event
// on every new position, whether the user moved the bar or the program wrote it.
#include <QScrollBar>

namespace controls {

class ScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  int Value() const { return value(); }
  // Kept within 0..Max. Raises Change even when the position stays the same, so
  // that a redraw's write of 0 always puts the grid back through the handler.
  void SetValue(int v);
  // The smallest position is 0; a position beyond the new Max moves to it (Change).
  void SetMax(int max);
  void SetEnabled(bool on) { setEnabled(on); }

 Q_SIGNALS:
  void Change();

 protected:
  // A disabled bar has nothing to scroll: it shows its track without a thumb.
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace controls
