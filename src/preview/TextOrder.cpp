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

// The embedding level of every UTF-16 unit of the text; empty when ICU cannot order it
// (the codes then keep the order of the text).
std::vector<UBiDiLevel> Levels(const QString& text, bool rightToLeft) {
  const auto len = static_cast<int32_t>(std::min<qsizetype>(text.size(), INT32_MAX));
  UErrorCode err = U_ZERO_ERROR;
  std::unique_ptr<UBiDi, CloseBidi> bidi(ubidi_openSized(len, 0, &err));
  if (U_FAILURE(err)) return {};
  ubidi_setPara(bidi.get(), reinterpret_cast<const UChar*>(text.utf16()), len, rightToLeft ? 1 : 0, nullptr, &err);
  if (U_FAILURE(err)) return {};
  const UBiDiLevel* levels = ubidi_getLevels(bidi.get(), &err);
  if (U_FAILURE(err) || levels == nullptr) return {};
  return std::vector<UBiDiLevel>(levels, levels + len);
}

}  // namespace

std::vector<int> DrawOrder(const CharTables& t, const QString& text, const std::vector<ShapedCode>& shaped,
                           bool rightToLeft) {
  std::vector<int> codes(shaped.size());
  for (size_t i = 0; i < shaped.size(); ++i) codes[i] = shaped[i].code;
  const std::vector<UBiDiLevel> textLevels = Levels(text, rightToLeft);
  if (shaped.empty() || textLevels.empty()) return codes;

  // Each code sits at the level of the character it was made from; a lam-alef spans two
  // characters of one run, so its first one stands for both.
  std::vector<UBiDiLevel> levels(shaped.size());
  for (size_t i = 0; i < shaped.size(); ++i) {
    const qsizetype at = shaped[i].at;
    const bool inText = at >= 0 && at < static_cast<qsizetype>(textLevels.size());
    levels[i] = inText ? textLevels[static_cast<size_t>(at)] : UBiDiLevel(rightToLeft ? 1 : 0);
    // The mirroring rule: a mirrored character in a right-to-left run shows its partner.
    if (inText && (levels[i] & 1)) {
      const char16_t u = text[at].unicode();
      if (!QChar::isSurrogate(u) && u_isMirrored(u)) {
        const UChar32 partner = u_charMirror(u);
        if (partner != u && partner <= 0xFFFF) codes[i] = CharCode(t, QChar(static_cast<char16_t>(partner)));
      }
    }
  }

  std::vector<int32_t> logicalOf(shaped.size());
  ubidi_reorderVisual(levels.data(), static_cast<int32_t>(levels.size()), logicalOf.data());
  std::vector<int> order(shaped.size());
  for (size_t v = 0; v < logicalOf.size(); ++v) order[v] = codes[static_cast<size_t>(logicalOf[v])];
  // From the left for a left-to-right pen, from the right for a right-to-left one.
  if (rightToLeft) std::reverse(order.begin(), order.end());
  return order;
}

}  // namespace preview
