#include <gtest/gtest.h>

#include "document/FontSizes.h"

namespace {

TEST(FontSizes, FirstFailingCheckInOrderWithTheMaximumAsItsBoxShowsIt) {
  const struct {
    double maxWidth, maxHeight, width, height;
    const char* message;  // nullptr = all pass
  } cases[] = {
      {1024, 768, 1024, 768, nullptr},
      {1, 1, 1, 1, nullptr},
      {40.5, 20, 40.5, 19.9, nullptr},  // fractions pass; the dialog rounds them after
      {1024.4, 768, 10, 16, "Max width must be between 1-1024"},
      {0.6, 768, 10, 16, "Max width must be between 1-1024"},
      {-5, 768, 10, 16, "Max width must be between 1-1024"},
      {2000, 1000, 0, 0, "Max width must be between 1-1024"},  // only the first failure
      {1024, 768.5, 10, 16, "Max height must be between 1-768"},
      {1024, 0, 0, 0, "Max height must be between 1-768"},
      {32, 16, 33, 16, "Width must be between 1-32"},
      {32, 16, 0.9, 16, "Width must be between 1-32"},
      {32.5, 16, 33, 16, "Width must be between 1-32.5"},
      {32, 16, 10, 17, "Height must be between 1-16"},
      {32, 16, 10, 0, "Height must be between 1-16"},
  };
  for (const auto& c : cases) {
    const auto failure = doc::CheckFontSizes(c.maxWidth, c.maxHeight, c.width, c.height);
    const std::string where = std::to_string(c.maxWidth) + " " + std::to_string(c.maxHeight) + " " +
                              std::to_string(c.width) + " " + std::to_string(c.height);
    if (c.message == nullptr) {
      EXPECT_FALSE(failure) << where << ": " << failure->toStdString();
    } else {
      ASSERT_TRUE(failure) << where;
      EXPECT_EQ(*failure, QString::fromLatin1(c.message)) << where;
    }
  }
}

}  // namespace
