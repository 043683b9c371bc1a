#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Numbers.h"

using namespace platform;

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

struct LeadingCase {
  const char* text;
  double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
  const double v = LeadingNumber(QString::fromUtf8(GetParam().text));
  EXPECT_DOUBLE_EQ(v, GetParam().value) << GetParam().text;
  EXPECT_FALSE(std::signbit(v) && v == 0) << "negative zero for " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, LeadingNumberTest,
                         ::testing::Values(LeadingCase{"12abc", 12}, LeadingCase{"&H1F", 31}, LeadingCase{"&h1f", 31},
                                           LeadingCase{"&O17", 15}, LeadingCase{"&O19", 1}, LeadingCase{"&Hx", 0},
                                           LeadingCase{"&", 0}, LeadingCase{" 7.5", 7.5}, LeadingCase{"", 0},
                                           LeadingCase{"abc", 0}, LeadingCase{"1 2", 12}, LeadingCase{"\t1\n0", 10},
                                           LeadingCase{"-3x", -3}, LeadingCase{"- 3", -3}, LeadingCase{"+4", 4},
                                           LeadingCase{"1e3", 1000}, LeadingCase{"1D2", 100}, LeadingCase{"2e", 2},
                                           LeadingCase{"2e+", 2}, LeadingCase{"1.5.5", 1.5}, LeadingCase{".5", 0.5},
                                           LeadingCase{"-", 0}, LeadingCase{"-0", 0}, LeadingCase{"1e-400", 0},
                                           LeadingCase{"1e400", kMax}, LeadingCase{"-1e400", -kMax},
                                           LeadingCase{"\xd9\xa1\xd9\xa2", 0}));

TEST(NumbersTest, HugeDigitStringsStayFinite) {
  const QString nines(5000, '9');
  EXPECT_EQ(LeadingNumber(nines), kMax);
  EXPECT_EQ(LeadingNumber("&H" + QString(5000, 'F')), kMax);
  EXPECT_EQ(LeadingNumber("&O" + QString(5000, '7')), kMax);
  EXPECT_EQ(RoundToInt32(LeadingNumber(nines)), INT32_MAX);
  EXPECT_EQ(WholeNumber(nines), kMax);
}

TEST(NumbersTest, RoundsHalvesToEven) {
  const std::pair<double, double> cases[] = {{2.5, 2},    {3.5, 4},    {-2.5, -2}, {-3.5, -4}, {0.5, 0},      {1.5, 2},
                                             {2.4999, 2}, {2.5001, 3}, {-0.4, 0},  {7, 7},     {1e300, 1e300}};
  for (auto [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
  EXPECT_FALSE(std::signbit(RoundHalfEven(-0.4)));
}

TEST(NumbersTest, RoundToInt32LimitsToTheRange) {
  EXPECT_EQ(RoundToInt32(1e20), INT32_MAX);
  EXPECT_EQ(RoundToInt32(-1e20), INT32_MIN);
  EXPECT_EQ(RoundToInt32(2147483646.6), INT32_MAX);
  EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::infinity()), INT32_MAX);
  EXPECT_EQ(RoundToInt32(std::nan("")), 0);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(12.5), 12);
}

TEST(NumbersTest, WholeNumberNeedsTheWholeText) {
  EXPECT_EQ(WholeNumber(" 4 "), 4.0);
  EXPECT_EQ(WholeNumber("2.5"), 2.5);
  EXPECT_EQ(WholeNumber("&H10"), 16.0);
  EXPECT_EQ(WholeNumber("-1e2"), -100.0);
  for (const char* bad : {"", " ", "4mm", "1 2", "abc", "nan", "inf", "-", "1,5", "0x10"})
    EXPECT_EQ(WholeNumber(bad), std::nullopt) << bad;
}

}  // namespace
