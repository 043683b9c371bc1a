// The grid picture of picDesign and the actual-size preview of picPreview, written
// straight into RGB32 scanlines: one pass of paper, then lines, guides, border and cells.
#include "editor/Render.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "document/CellColors.h"
#include "platform/Numbers.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace editor {

namespace {

constexpr uint32_t Opaque(QRgb c) { return c | 0xFF000000u; }
constexpr bool SameRgb(QRgb a, QRgb b) { return ((a ^ b) & 0x00FFFFFFu) == 0; }

// The rounded cell size before the "at least 1" rule; the fit stops where it drops below 1.
double RawCellSize(int64_t zoom) { return platform::RoundHalfEven(static_cast<double>(zoom * 10) / 100.0); }

// A layout extent in whole pixels: a half pixel is rounded up, so the picture keeps it
// as a full pixel of outside area; nothing below 0.
int WholePixels(double extent) {
  if (!(extent > 0)) return 0;
  const double up = std::ceil(extent);
  return up >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(up);
}

// Fills n pixels: a short run by hand, then doubling copies (memcpy is the fast path).
void FillSpan(uint32_t* p, int64_t n, uint32_t pixel) {
  const int64_t head = std::min<int64_t>(n, 16);
  for (int64_t i = 0; i < head; ++i) p[i] = pixel;
  for (int64_t done = head; done < n;) {
    const int64_t k = std::min(done, n - done);
    std::memcpy(p + done, p, static_cast<size_t>(k) * sizeof(uint32_t));
    done += k;
  }
}

// Pixel of every cell value at cell size 1, with the palette part (0..15) also split
// into byte planes for the vector path.
struct CellPixels {
  std::array<uint32_t, 256> lut{};
  alignas(16) std::array<std::array<uint8_t, 16>, 4> planes{};
  void SplitPlanes() {
    for (size_t v = 0; v < 16; ++v)
      for (size_t b = 0; b < 4; ++b) planes[b][v] = static_cast<uint8_t>(lut[v] >> (8 * b));
  }
};

#if defined(__x86_64__) && defined(__GNUC__)
#define QN_CELLS_SSSE3 1
// Sixteen cells per step: each byte plane of their pixels is one table shuffle, and the
// planes interleave into 16 RGB32 pixels. Returns how many cells it mapped; a step
// holding a value above 15 (damaged input) goes through the full table.
__attribute__((target("ssse3"))) int64_t MapCellsSsse3(const uint8_t* cells, int64_t n, const CellPixels& px,
                                                       uint32_t* out) {
  const auto plane = [&](size_t b) { return _mm_load_si128(reinterpret_cast<const __m128i*>(px.planes[b].data())); };
  const __m128i pb = plane(0), pg = plane(1), pr = plane(2), pa = plane(3);
  const __m128i fifteen = _mm_set1_epi8(15);
  int64_t i = 0;
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + i));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(v, fifteen), fifteen)) != 0xFFFF) {
      for (int64_t j = i; j < i + 16; ++j) out[j] = px.lut[cells[j]];
      continue;
    }
    const __m128i b = _mm_shuffle_epi8(pb, v), g = _mm_shuffle_epi8(pg, v);
    const __m128i r = _mm_shuffle_epi8(pr, v), a = _mm_shuffle_epi8(pa, v);
    const __m128i bgLo = _mm_unpacklo_epi8(b, g), bgHi = _mm_unpackhi_epi8(b, g);
    const __m128i raLo = _mm_unpacklo_epi8(r, a), raHi = _mm_unpackhi_epi8(r, a);
    __m128i* o = reinterpret_cast<__m128i*>(out + i);
    _mm_storeu_si128(o + 0, _mm_unpacklo_epi16(bgLo, raLo));
    _mm_storeu_si128(o + 1, _mm_unpackhi_epi16(bgLo, raLo));
    _mm_storeu_si128(o + 2, _mm_unpacklo_epi16(bgHi, raHi));
    _mm_storeu_si128(o + 3, _mm_unpackhi_epi16(bgHi, raHi));
  }
  return i;
}
#endif

// Pixels of n one-pixel cells: the vector path where the processor has it, else eight
// cells per step from one load, a run of empty cells costing one test.
void MapCells(const uint8_t* cells, int64_t n, const CellPixels& px, uint32_t* out) {
  int64_t i = 0;
#ifdef QN_CELLS_SSSE3
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  if (ssse3) i = MapCellsSsse3(cells, n, px, out);
#endif
  const std::array<uint32_t, 256>& lut = px.lut;
  for (; i + 8 <= n; i += 8) {
    uint64_t eight;
    std::memcpy(&eight, cells + i, sizeof eight);
    if (eight == 0) {
      for (int j = 0; j < 8; ++j) out[i + j] = lut[0];
    } else if constexpr (std::endian::native == std::endian::little) {
      uint32_t* o = out + i;
      o[0] = lut[eight & 0xFF];
      o[1] = lut[(eight >> 8) & 0xFF];
      o[2] = lut[(eight >> 16) & 0xFF];
      o[3] = lut[(eight >> 24) & 0xFF];
      o[4] = lut[(eight >> 32) & 0xFF];
      o[5] = lut[(eight >> 40) & 0xFF];
      o[6] = lut[(eight >> 48) & 0xFF];
      o[7] = lut[eight >> 56];
    } else {
      for (int j = 0; j < 8; ++j) out[i + j] = lut[cells[i + j]];
    }
  }
  for (; i < n; ++i) out[i] = lut[cells[i]];
}

// Smallest multiple of step (> 0) at or after v (v >= 0).
int64_t FirstMultipleFrom(int64_t v, int64_t step) { return (v + step - 1) / step * step; }

// The held window of the picture, addressed in picture pixels; every write is clipped
// to it, so positions far outside (huge guides, stray cells) are simply not drawn.
class Canvas {
 public:
  Canvas(QImage& image, QPoint origin) {
    if (image.isNull()) return;
    bits_ = image.bits();
    stride_ = image.bytesPerLine();
    left_ = origin.x();
    top_ = origin.y();
    right_ = left_ + image.width();
    bottom_ = top_ + image.height();
  }
  bool Empty() const { return bits_ == nullptr; }
  // Bounds in picture pixels; right and bottom are exclusive.
  int64_t Left() const { return left_; }
  int64_t Top() const { return top_; }
  int64_t Right() const { return right_; }
  int64_t Bottom() const { return bottom_; }
  // Pixel x of picture row y is Line(y)[x - Left()]; y must lie inside.
  uint32_t* Line(int64_t y) { return reinterpret_cast<uint32_t*>(bits_ + (y - top_) * stride_); }

  // Box with both corners included, in either corner order; returns the part written.
  QRect FillBox(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t pixel) {
    if (Empty()) return {};
    const int64_t l = std::max(std::min(x1, x2), left_), r = std::min(std::max(x1, x2), right_ - 1);
    const int64_t t = std::max(std::min(y1, y2), top_), b = std::min(std::max(y1, y2), bottom_ - 1);
    if (l > r || t > b) return {};
    for (int64_t y = t; y <= b; ++y) FillSpan(Line(y) + (l - left_), r - l + 1, pixel);
    return QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l + 1), static_cast<int>(b - t + 1));
  }

 private:
  uchar* bits_ = nullptr;
  qsizetype stride_ = 0;
  int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

}  // namespace

int32_t CellSizeForZoom(int32_t zoom) {
  const double raw = RawCellSize(zoom);
  return raw < 1 ? 1 : static_cast<int32_t>(raw);
}

ZoomFit FitZoomToScreen(int32_t zoom, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight) {
  const int64_t sw = std::max(screenWidth, 0), sh = std::max(screenHeight, 0);
  const auto fits = [&](int64_t cs) { return width * cs <= sw && height * cs <= sh; };
  const int32_t first = CellSizeForZoom(zoom);
  if (fits(first)) return {zoom, first};
  // Here width or height is positive (with both <= 0 every size fits), so fitting
  // cell sizes are exactly 0..largest.
  int64_t largest = std::numeric_limits<int64_t>::max();
  if (width > 0) largest = std::min(largest, sw / width);
  if (height > 0) largest = std::min(largest, sh / height);
  // Largest zoom whose cell size (zoom / 10 rounded half to even) is at most `largest`.
  const int64_t fitZoom = 10 * largest + (largest % 2 == 0 ? 5 : 4);
  const int64_t z = std::min<int64_t>(int64_t{zoom} - 1, fitZoom);
  // Zooms 6 and up round to a cell size of at least 1; the one-step lowering therefore
  // settles on z when z >= 6, and otherwise stops at the first zoom <= 5 it reaches.
  if (z >= 6) return {static_cast<int32_t>(z), static_cast<int32_t>(RawCellSize(z))};
  const int64_t stop = std::min<int64_t>(int64_t{zoom} - 1, 5);
  return {static_cast<int32_t>(std::max<int64_t>(stop, std::numeric_limits<int32_t>::min())), 1};
}

int HeldExtent(int picture, int screen, int visible) {
  const int64_t base = std::max<int64_t>({screen > 0 ? screen : 1024, visible, 1});
  return static_cast<int>(std::min<int64_t>(picture, base * 3 / 2));
}

PictureLayout LayoutPicture(int32_t width, int32_t height, int32_t cellSize) {
  PictureLayout l;
  l.width = (width / 2.0 + width) * cellSize;
  l.height = (height / 2.0 + height) * cellSize;
  l.size = QSize(WholePixels(l.width), WholePixels(l.height));
  return l;
}

ScrollRange ComputeScrollRange(double pictureExtent, int viewportExtent) {
  if (pictureExtent > viewportExtent) return {true, platform::RoundToInt32(pictureExtent - viewportExtent)};
  return {false, std::nullopt};
}

void RasterGridLayer(const GridRasterInput& in, QImage& picture) {
  Canvas cv(picture, in.origin);
  if (cv.Empty()) return;
  const int64_t cs = std::max(1, in.cellSize);
  const int64_t glyphRight = int64_t{in.width} * cs, glyphBottom = int64_t{in.height} * cs;
  const bool gridLines = cs > 5;
  const int64_t left = cv.Left(), right = cv.Right(), width = right - left;
  const uint32_t outsidePixel = Opaque(in.outside), backgroundPixel = Opaque(in.background);
  const uint32_t gridPixel = Opaque(in.grid), borderPixel = Opaque(in.border);
  // Guide p lies on the grid line left of column p (above row p); products in 64 bits,
  // so a position far outside the picture is just not drawn.
  std::array<int64_t, 6> guideX{}, guideY{};
  std::array<uint32_t, 6> guidePixel{};
  for (size_t k = 0; k < 6; ++k) {
    guideX[k] = in.guides[0][k] != 0 ? int64_t{in.guides[0][k]} * cs : -1;
    guideY[k] = in.guides[1][k] != 0 ? int64_t{in.guides[1][k]} * cs : -1;
    guidePixel[k] = Opaque(in.guideColors[k]);
  }
  const auto inGlyphBox = [&](int64_t y) {
    return y >= std::min<int64_t>(0, glyphBottom) && y <= std::max<int64_t>(0, glyphBottom);
  };

  // One picture row in drawing order: paper, the glyph's box (both corners included),
  // grid lines, guides k = 0..5 (vertical, then horizontal), the border last. Without
  // `horizontal` the row crosses no horizontal line, and all such rows of one paper
  // are alike.
  const auto composeRow = [&](uint32_t* line, int64_t y, bool horizontal) {
    const auto setX = [&](int64_t x, uint32_t pixel) {
      if (x >= left && x < right) line[x - left] = pixel;
    };
    FillSpan(line, width, outsidePixel);
    if (inGlyphBox(y)) {
      const int64_t l = std::max(std::min<int64_t>(0, glyphRight), left);
      const int64_t r = std::min(std::max<int64_t>(0, glyphRight), right - 1);
      if (l <= r) FillSpan(line + (l - left), r - l + 1, backgroundPixel);
    }
    if (gridLines) {
      for (int64_t x = FirstMultipleFrom(left, cs); x < right; x += cs) line[x - left] = gridPixel;
      if (horizontal && y % cs == 0) FillSpan(line, width, gridPixel);
    }
    for (size_t k = 0; k < 6; ++k) {
      setX(guideX[k], guidePixel[k]);
      if (horizontal && y == guideY[k]) FillSpan(line, width, guidePixel[k]);
    }
    setX(glyphRight, borderPixel);
    if (horizontal && y == glyphBottom) FillSpan(line, width, borderPixel);
  };
  const auto crossesHorizontal = [&](int64_t y) {
    if ((gridLines && y % cs == 0) || y == glyphBottom) return true;
    return std::find(guideY.begin(), guideY.end(), y) != guideY.end();
  };

  const int64_t lastCellColumn = std::min(in.maxWidth, in.cells->HighX());
  const int64_t lastCellRow = std::min(in.maxHeight, in.cells->HighY());
  const bool cellsCoverRows = cs == 1 && lastCellColumn >= 0;
  std::vector<uint32_t> glyphRow, outsideRow;
  for (int64_t y = cv.Top(); y < cv.Bottom(); ++y) {
    uint32_t* line = cv.Line(y);
    if (crossesHorizontal(y)) {
      composeRow(line, y, true);
      continue;
    }
    std::vector<uint32_t>& model = inGlyphBox(y) ? glyphRow : outsideRow;
    if (model.empty()) {
      model.resize(static_cast<size_t>(width));
      composeRow(model.data(), y, false);
    }
    // One-pixel cells cover their part of the row completely, so it is left to them.
    const int64_t skip =
        cellsCoverRows && y <= lastCellRow ? std::clamp<int64_t>(lastCellColumn + 1 - left, 0, width) : 0;
    std::memcpy(line + skip, model.data() + skip, static_cast<size_t>(width - skip) * sizeof(uint32_t));
  }
}

void RasterCellLayer(const GridRasterInput& in, QImage& picture) {
  Canvas cv(picture, in.origin);
  if (cv.Empty()) return;
  const doc::DesignGrid& cells = *in.cells;
  const int64_t maxX = std::min(in.maxWidth, cells.HighX()), maxY = std::min(in.maxHeight, cells.HighY());
  if (maxX < 0 || maxY < 0) return;
  const int64_t cs = std::max(1, in.cellSize), w = in.width, h = in.height;

  // Cells whose square [c*cs, c*cs + cs) meets the held window.
  const int64_t cx0 = cv.Left() / cs, cx1 = std::min(maxX, (cv.Right() - 1) / cs);
  const int64_t cy0 = cv.Top() / cs, cy1 = std::min(maxY, (cv.Bottom() - 1) / cs);
  if (cx0 > cx1 || cy0 > cy1) return;

  // How each value looks inside and outside the glyph: its colour, or the centre dot
  // when that colour is the background's (empty cells, and ink of the same RGB).
  struct Look {
    uint32_t pixel;
    bool dot;
  };
  std::array<Look, 256> inside{}, outside{};
  for (int v = 1; v < 256; ++v) {
    const QRgb c = doc::CellInkColor(in.palette, static_cast<uint8_t>(v));
    inside[v] = outside[v] = {Opaque(c), SameRgb(c, in.background)};
  }
  inside[0] = {Opaque(in.background), true};
  outside[0] = {Opaque(in.outside), SameRgb(in.outside, in.background)};
  const uint32_t gridPixel = Opaque(in.grid);

  if (cs == 1) {
    // One pixel per cell: the cell's box and its centre dot are that pixel.
    CellPixels in, out;
    for (size_t v = 0; v < 256; ++v) {
      in.lut[v] = inside[v].dot ? gridPixel : inside[v].pixel;
      out.lut[v] = outside[v].dot ? gridPixel : outside[v].pixel;
    }
    in.SplitPlanes();
    out.SplitPlanes();
    for (int64_t cy = cy0; cy <= cy1; ++cy) {
      const uint8_t* row = cells.Row(static_cast<int>(cy)) + doc::DesignGrid::Margin;
      uint32_t* line = cv.Line(cy) + (cx0 - cv.Left());
      const int64_t split = std::clamp<int64_t>(cy < h ? w : 0, cx0, cx1 + 1);
      MapCells(row + cx0, split - cx0, in, line);
      MapCells(row + split, cx1 + 1 - split, out, line + (split - cx0));
    }
    return;
  }

  // The centre (c*cs + cs/2) in real numbers lies in pixel c*cs + cs/2 (integer division),
  // a pixel covering [p, p + 1): 3 of a 7-pixel cell, 5 of a 10-pixel cell.
  const int64_t half = cs / 2;
  std::vector<Look> looks(static_cast<size_t>(cx1 - cx0 + 1));
  for (int64_t cy = cy0; cy <= cy1; ++cy) {
    const uint8_t* row = cells.Row(static_cast<int>(cy)) + doc::DesignGrid::Margin;
    for (int64_t cx = cx0; cx <= cx1; ++cx)
      looks[static_cast<size_t>(cx - cx0)] = (cy < h && cx < w ? inside : outside)[row[cx]];

    const int64_t boxTop = std::max(cy * cs + 1, cv.Top()), boxBottom = std::min(cy * cs + cs - 1, cv.Bottom() - 1);
    if (boxTop <= boxBottom) {
      uint32_t* first = cv.Line(boxTop);
      for (int64_t cx = cx0; cx <= cx1; ++cx) {
        const Look& look = looks[static_cast<size_t>(cx - cx0)];
        if (look.dot) continue;
        const int64_t l = std::max(cx * cs + 1, cv.Left()), r = std::min(cx * cs + cs - 1, cv.Right() - 1);
        if (l <= r) FillSpan(first + (l - cv.Left()), r - l + 1, look.pixel);
      }
      // The box rows of one cell row cross no horizontal line, so they are all alike.
      const size_t bytes = static_cast<size_t>(cv.Right() - cv.Left()) * sizeof(uint32_t);
      for (int64_t y = boxTop + 1; y <= boxBottom; ++y) std::memcpy(cv.Line(y), first, bytes);
    }
    const int64_t dotY = cy * cs + half;
    if (dotY < cv.Top() || dotY >= cv.Bottom()) continue;
    uint32_t* line = cv.Line(dotY);
    for (int64_t cx = cx0; cx <= cx1; ++cx) {
      const int64_t dotX = cx * cs + half;
      if (looks[static_cast<size_t>(cx - cx0)].dot && dotX >= cv.Left() && dotX < cv.Right())
        line[dotX - cv.Left()] = gridPixel;
    }
  }
}

void RasterGrid(const GridRasterInput& in, QImage& picture) {
  RasterGridLayer(in, picture);
  RasterCellLayer(in, picture);
}

QRect PaintCellBox(QImage& picture, QPoint origin, int column, int row, int32_t cellSize, QRgb color) {
  const int64_t cs = std::max(1, cellSize);
  const int64_t x = int64_t{column} * cs, y = int64_t{row} * cs;
  Canvas cv(picture, origin);
  // The box leaves the cell's grid-line pixels; a one-pixel cell is its own box.
  return cs == 1 ? cv.FillBox(x, y, x, y, Opaque(color))
                 : cv.FillBox(x + 1, y + 1, x + cs - 1, y + cs - 1, Opaque(color));
}

void RasterPreview(const PreviewRasterInput& in, QImage& picture) {
  constexpr int pw = PreviewRasterWidth, ph = PreviewRasterHeight;
  if (picture.size() != QSize(pw, ph) || picture.format() != QImage::Format_RGB32)
    picture = QImage(pw, ph, QImage::Format_RGB32);
  picture.fill(Opaque(in.background));

  // Single-precision steps and positions; a direction in which the glyph fits is shown
  // one pixel per cell, one in which it does not is sampled.
  float sx = static_cast<float>(static_cast<double>(in.width) / pw);
  float sy = static_cast<float>(static_cast<double>(in.height) / ph);
  if (sx < 1) sx = 1;
  if (sy < 1) sy = 1;
  const double w = in.width, h = in.height;
  // Every row samples the same columns; samples past the picture's edge would set no
  // pixel, so both loops end there.
  const doc::DesignGrid& cells = *in.cells;
  std::array<int32_t, pw> columns{};  // offsets into a grid row; -1 off the grid
  int samples = 0;
  for (float x = 0; x < w && samples < pw; x += sx) {
    const int32_t cx = platform::RoundToInt32(x);
    columns[static_cast<size_t>(samples++)] = cx >= cells.LowX() && cx <= cells.HighX() ? cx - cells.LowX() : -1;
  }
  std::array<uint32_t, 256> ink{};
  for (size_t v = 1; v < 256; ++v) ink[v] = Opaque(doc::CellInkColor(in.palette, static_cast<uint8_t>(v)));
  int py = 0;
  for (float y = 0; y < h && py < ph; y += sy, ++py) {
    const int cy = platform::RoundToInt32(y);
    if (cy < cells.LowY() || cy > cells.HighY()) continue;
    const uint8_t* row = cells.Row(cy);
    uint32_t* line = reinterpret_cast<uint32_t*>(picture.scanLine(py));
    for (int px = 0; px < samples; ++px) {
      const int32_t c = columns[static_cast<size_t>(px)];
      if (c < 0) continue;
      const uint8_t v = row[c];
      if (v != 0) line[px] = ink[v];
    }
  }
}
}  // namespace editor
