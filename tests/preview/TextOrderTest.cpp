#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "preview/Shaping.h"
#include "preview/TextOrder.h"

namespace {

using previewtest::FilledTables;

struct OrderCase {
  const char* name;
  std::u16string text;
  bool rightToLeft;
  std::vector<int> drawn;  // in the order the pen draws them
  friend void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }
};

class DrawOrderCases : public ::testing::TestWithParam<OrderCase> {};

TEST_P(DrawOrderCases, FollowTheBidirectionalAlgorithm) {
  const OrderCase& c = GetParam();
  const QString text = QString::fromStdU16String(c.text);
  EXPECT_EQ(preview::DrawOrder(FilledTables(), text, preview::Shape(FilledTables(), text), c.rightToLeft), c.drawn);
}

// "Book" is 263 186 172 173, drawn from the pen's start; right to left the pen starts at
// the right, so the first code drawn is the rightmost.
INSTANTIATE_TEST_SUITE_P(
    TextOrder, DrawOrderCases,
    ::testing::Values(
        // Persian letters alone right to left: the order of the text, first character rightmost.
        OrderCase{"PersianRightToLeft", u"\u0627\u06CC\u0631\u0627\u0646", true, {171, 293, 212, 171, 279}},
        // Without the option, the word still reads right to left: its last letter leftmost.
        OrderCase{"PersianLeftToRight", u"\u0627\u06CC\u0631\u0627\u0646", false, {279, 171, 212, 293, 171}},
        // The number reads 1, 2, 3 from the left, to the left of the word.
        OrderCase{"NumberAfterWordRightToLeft",
                  u"\u06A9\u062A\u0627\u0628 123",
                  true,
                  {263, 186, 172, 173, 32, 131, 130, 129}},
        OrderCase{"PersianDigitsRightToLeft",
                  u"\u06A9\u062A\u0627\u0628 \u06F1\u06F2\u06F3",
                  true,
                  {263, 186, 172, 173, 32, 131, 130, 129}},
        OrderCase{"LatinRightToLeft", u"ABC 123", true, {51, 50, 49, 32, 67, 66, 65}},
        OrderCase{"LatinLeftToRight", u"ABC 123", false, {65, 66, 67, 32, 49, 50, 51}},
        // A Persian word inside Latin text reads right to left in its place.
        OrderCase{"PersianWordInsideLatin", u"A \u0628\u0627 B", false, {65, 32, 172, 175, 32, 66}},
        // Guillemets point outwards: the opening one shows as its partner at the right end.
        OrderCase{
            "GuillemetsRightToLeft", u"\u00AB\u06A9\u062A\u0627\u0628\u00BB", true, {142, 263, 186, 172, 173, 141}},
        OrderCase{"ParenthesesRightToLeft", u"(\u0628)", true, {')', 173, '('}},
        // Brackets around Latin text in a right-to-left paragraph take the paragraph's
        // direction, and so still enclose the text.
        OrderCase{"ParenthesesAroundLatinRightToLeft", u"(A)", true, {')', 'A', '('}},
        // A number after a Persian word in left-to-right text belongs to the word's run.
        OrderCase{"NumberAfterPersianLeftToRight", u"\u0628 12", false, {129, 130, 32, 173}},
        // A direction mark between two runs keeps them apart though it draws nothing: two
        // one-letter right-to-left runs, left to right; two left-to-right ones, right to left.
        OrderCase{"LeftToRightMarkSplitsTwoBehs", u"\u0628\u200E\u0628", false, {175, 174}},
        OrderCase{"RightToLeftMarkSplitsLatinRightToLeft", u"A\u200FB", true, {'A', 'B'}},
        // A mark of the run's own direction joins it into one run, as without the mark.
        OrderCase{"RightToLeftMarkInsideBehs", u"\u0628\u200F\u0628", false, {174, 175}},
        OrderCase{"LeftToRightMarkInsideLatin", u"A\u200EB", true, {'B', 'A'}},
        // Marks at the ends change nothing.
        OrderCase{"MarksAtTheEnds", u"\u200FAB\u200E", false, {'A', 'B'}}, OrderCase{"Empty", u"", true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
