#pragma once
// The LED panel of the LED preview as data: the place and the on/off state of every LED,
// the sample drawn onto it, and its raster. One surface paints the whole panel; no LED is
// a widget of its own.
#include <QImage>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "preview/Shaping.h"

namespace preview {

struct LEDColorPair {
  const char* name;
  QRgb on;
  QRgb off;
};
// The entries of cmbColor in list order.
inline constexpr std::array<LEDColorPair, 9> LEDColors = {{
    {"Dark Red", qRgb(100, 0, 0), qRgb(40, 0, 0)},
    {"Normal Red", qRgb(200, 0, 0), qRgb(40, 0, 0)},
    {"Bright Red", qRgb(255, 0, 0), qRgb(40, 0, 0)},
    {"Dark Green", qRgb(0, 100, 0), qRgb(0, 40, 0)},
    {"Normal Green", qRgb(0, 200, 0), qRgb(0, 40, 0)},
    {"Bright Green", qRgb(0, 255, 0), qRgb(0, 40, 0)},
    {"Dark Orange", qRgb(100, 50, 0), qRgb(40, 20, 0)},
    {"Normal Orange", qRgb(200, 100, 0), qRgb(40, 20, 0)},
    {"Bright Orange", qRgb(255, 125, 0), qRgb(40, 20, 0)},
}};
inline constexpr QRgb LEDOutlineColor = qRgb(64, 64, 64);
// The element index is 16-bit: a panel holds at most 32768 LEDs.
constexpr int MaxLEDs = 32768;

class LEDPanel {
 public:
  // A new panel of `columns` x `rows` unlit LEDs (element 0 always exists), each `sizeMm`
  // wide and high, stepping by `pitchMm` rounded at every step as the whole-millimetre
  // counters of the layout do (a pitch of 2.5 gives 0, 2, 4, 6, ...).
  void Rebuild(int columns, int rows, double sizeMm, double pitchMm, QRgb on, QRgb off);

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int Elements() const { return static_cast<int>(lit_.size()); }
  QRgb OnColor() const { return on_; }
  QRgb OffColor() const { return off_; }
  double SizeMm() const { return sizeMm_; }
  // Top-left corner of element i in millimetres of the surface.
  double ElementX(int i) const { return columnX_[i / rows_]; }
  double ElementY(int i) const { return rowY_[i % rows_]; }
  bool Lit(int i) const { return lit_[i] != 0; }
  bool Lit(int column, int row) const { return lit_[static_cast<size_t>(column) * rows_ + row] != 0; }
  void SetLit(int column, int row, bool on) { lit_[static_cast<size_t>(column) * rows_ + row] = on; }
  // The states of one column's LEDs, top row first (Rows() of them).
  uint8_t* ColumnState(int column) { return lit_.data() + static_cast<size_t>(column) * rows_; }

  // Paints the panel onto the surface: black, then every LED that reaches the surface as
  // a round lamp in its state's colour with a grey outline; millimetres become pixels at
  // the given dots per millimetre.
  void Render(QImage& surface, double dotsPerMmX, double dotsPerMmY) const;

 private:
  int columns_ = 0;
  int rows_ = 1;
  double sizeMm_ = 0;
  QRgb on_ = 0;
  QRgb off_ = 0;
  std::vector<double> columnX_{0.0};
  std::vector<double> rowY_{0.0};
  std::vector<uint8_t> lit_ = std::vector<uint8_t>(1, 0);
};

// Lights the glyph's columns from column X rightwards, or with right-to-left its last
// column at X and leftwards: a non-empty cell lights its LED, an empty one unlights it,
// rows past the panel's height are not shown, and columns outside the panel are skipped
// one by one at both edges. Returns width - 1, or 0 for a glyph without design.
int DrawLEDChar(LEDPanel& panel, const std::string& record, int64_t X, bool rightToLeft);

// The inputs of one press of "Show", as read from the window.
struct LEDShowInputs {
  QString sample;
  double ledSizeMm = 0;
  double pitchMm = 0;
  int columns = 0;
  int colorIndex = 1;  // -1 (nothing chosen) takes the first pair
  bool numEn = false;  // Persian digit glyphs shown as Latin digits
  bool numFa = false;  // Latin digits shown as Persian digit glyphs
  bool rightToLeft = false;
};

// The number of columns a width text asks for: rounded, at least 0, at most what the panel
// can hold at this many rows; a text that is not a number gives 0. `limited` tells whether
// the value had to be cut down to the panel's limit.
int LEDColumnsOf(const QString& widthText, int rows, bool* limited = nullptr);

// "Show": builds the panel anew from the inputs, shapes the sample, applies the digit
// options and draws the glyphs from the first column (or the last with right-to-left),
// each glyph advancing the run by its width.
void ShowLEDSample(LEDPanel& panel, const LEDShowInputs& in, int ledRows, const std::vector<std::string>& fontData,
                   const CharTables& tables);

}  // namespace preview
