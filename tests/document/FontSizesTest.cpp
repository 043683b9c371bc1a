#include <gtest/gtest.h>

#include "document/FontSizes.h"

namespace {

TEST(FontSizes, FirstFailingCheckInOrderWithTheMaximumAsItsBoxShowsIt) {
  const struct {
    double maxWidth, maxHeight, width, height;
    doc::GlyphBox font;   // the maxima the font already has
    const char* message;  // nullptr = all pass
  } cases[] = {
      {1024, 768, 1024, 768, {32, 16}, nullptr},
      {1, 1, 1, 1, {32, 16}, nullptr},
      {40.5, 20, 40.5, 19.9, {32, 16}, nullptr},  // fractions pass; the dialog rounds them after
      {1024.4, 768, 10, 16, {32, 16}, "Max width must be between 1-1024"},
      {0.6, 768, 10, 16, {32, 16}, "Max width must be between 1-1024"},
      {-5, 768, 10, 16, {32, 16}, "Max width must be between 1-1024"},
      {2000, 1000, 0, 0, {32, 16}, "Max width must be between 1-1024"},  // only the first failure
      {1024, 768.5, 10, 16, {32, 16}, "Max height must be between 1-768"},
      {1024, 0, 0, 0, {32, 16}, "Max height must be between 1-768"},
      {32, 16, 33, 16, {32, 16}, "Width must be between 1-32"},
      {32, 16, 0.9, 16, {32, 16}, "Width must be between 1-32"},
      {32.5, 16, 33, 16, {32, 16}, "Width must be between 1-32.5"},
      {32, 16, 10, 17, {32, 16}, "Height must be between 1-16"},
      {32, 16, 10, 0, {32, 16}, "Height must be between 1-16"},
      // A font whose maxima a paste or an import raised past the limits keeps them.
      {1100, 900, 10, 16, {1100, 900}, nullptr},
      {1100, 900, 1100, 900, {1100, 900}, nullptr},
      {1100, 768, 10, 16, {1100, 900}, nullptr},
      {1024, 900, 10, 16, {1100, 900}, nullptr},
      {1101, 900, 10, 16, {1100, 900}, "Max width must be between 1-1024"},
      {1099, 900, 10, 16, {1100, 900}, "Max width must be between 1-1024"},
      {1100.5, 900, 10, 16, {1100, 900}, "Max width must be between 1-1024"},
      {1100, 901, 10, 16, {1100, 900}, "Max height must be between 1-768"},
      {1100, 900, 1101, 16, {1100, 900}, "Width must be between 1-1100"},
      {1025, 768, 10, 16, {1024, 768}, "Max width must be between 1-1024"},  // one past a font of 1024
      {0, 768, 10, 16, {0, 768}, "Max width must be between 1-1024"},
  };
  for (const auto& c : cases) {
    const auto failure = doc::CheckFontSizes(c.maxWidth, c.maxHeight, c.width, c.height, c.font);
    const std::string where = std::to_string(c.maxWidth) + " " + std::to_string(c.maxHeight) + " " +
                              std::to_string(c.width) + " " + std::to_string(c.height) + " over " +
                              std::to_string(c.font.width) + "x" + std::to_string(c.font.height);
    if (c.message == nullptr) {
      EXPECT_FALSE(failure) << where << ": " << failure->toStdString();
    } else {
      ASSERT_TRUE(failure) << where;
      EXPECT_EQ(*failure, QString::fromLatin1(c.message)) << where;
    }
  }
}

}  // namespace
