#include "preview/TextOrder.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <memory>

namespace preview {

namespace {

struct CloseBidi {
  void operator()(UBiDi* b) const { ubidi_close(b); }
};

// What the algorithm makes of the whole text, direction marks included: the level and the
// visual position (from the left) of every UTF-16 unit. Both empty when ICU cannot order
// it (the codes then keep the order of the text).
struct BidiText {
  std::vector<UBiDiLevel> levels;
  std::vector<int32_t> visualAt;
};

BidiText Analyse(const QString& text, bool rightToLeft) {
  const auto len = static_cast<int32_t>(std::min<qsizetype>(text.size(), INT32_MAX));
  UErrorCode err = U_ZERO_ERROR;
  std::unique_ptr<UBiDi, CloseBidi> bidi(ubidi_openSized(len, 0, &err));
  if (U_FAILURE(err)) return {};
  ubidi_setPara(bidi.get(), reinterpret_cast<const UChar*>(text.utf16()), len, rightToLeft ? 1 : 0, nullptr, &err);
  if (U_FAILURE(err)) return {};
  const UBiDiLevel* levels = ubidi_getLevels(bidi.get(), &err);
  if (U_FAILURE(err) || levels == nullptr) return {};
  BidiText out{std::vector<UBiDiLevel>(levels, levels + len), std::vector<int32_t>(static_cast<size_t>(len))};
  ubidi_getLogicalMap(bidi.get(), out.visualAt.data(), &err);
  if (U_FAILURE(err)) return {};
  return out;
}

}  // namespace

std::vector<int> DrawOrder(const CharTables& t, const QString& text, const std::vector<ShapedCode>& shaped,
                           bool rightToLeft) {
  std::vector<int> codes(shaped.size());
  for (size_t i = 0; i < shaped.size(); ++i) codes[i] = shaped[i].code;
  const BidiText bidi = Analyse(text, rightToLeft);
  if (shaped.empty() || bidi.levels.empty()) return codes;

  // Each code stands where the character it was made from stands in the whole text, so a
  // direction mark that yields no code still splits the runs on both sides of it; a
  // lam-alef spans two characters of one run, so its first one stands for both.
  const auto units = static_cast<qsizetype>(bidi.levels.size());
  if (!std::all_of(shaped.begin(), shaped.end(), [units](const ShapedCode& c) { return c.at >= 0 && c.at < units; }))
    return codes;  // not the shaping of this text
  std::vector<int32_t> visual(shaped.size());
  for (size_t i = 0; i < shaped.size(); ++i) {
    const qsizetype at = shaped[i].at;
    visual[i] = bidi.visualAt[static_cast<size_t>(at)];
    // The mirroring rule: a mirrored character in a right-to-left run shows its partner.
    if (bidi.levels[static_cast<size_t>(at)] & 1) {
      const char16_t u = text[at].unicode();
      if (!QChar::isSurrogate(u) && u_isMirrored(u)) {
        const UChar32 partner = u_charMirror(u);
        if (partner != u && partner <= 0xFFFF) codes[i] = CharCode(t, QChar(static_cast<char16_t>(partner)));
      }
    }
  }

  std::vector<size_t> byPosition(shaped.size());
  for (size_t i = 0; i < byPosition.size(); ++i) byPosition[i] = i;
  std::stable_sort(byPosition.begin(), byPosition.end(), [&](size_t a, size_t b) { return visual[a] < visual[b]; });
  std::vector<int> order(shaped.size());
  for (size_t v = 0; v < byPosition.size(); ++v) order[v] = codes[byPosition[v]];
  // From the left for a left-to-right pen, from the right for a right-to-left one.
  if (rightToLeft) std::reverse(order.begin(), order.end());
  return order;
}

}  // namespace preview
