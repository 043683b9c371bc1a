#include <QDialog>
#include <gtest/gtest.h>

#include "dialogs/ShowMessage.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"

using namespace dialogs;

namespace {

PreparedMessage Prep(const QString& prompt, int32_t style, const QString& a1 = {}, const QString& a2 = {},
                     const QString& c1 = {}, const QString& c2 = {}, const QString& c3 = {}) {
  return PrepareMessage(prompt, style, a1, a2, {}, {}, c1, c2, c3);
}

TEST(ShowMessage, PlaceholdersFilledOnlyByNonEmptyArguments) {
  EXPECT_EQ(Prep("Width must be between 1-%1", 0, "32").Text, "Width must be between 1-32");
  EXPECT_EQ(Prep("Width must be between 1-%1", 0).Text, "Width must be between 1-%1");
  // Every occurrence; a placeholder brought in by Arg1 is filled by Arg2.
  EXPECT_EQ(Prep("%1 and %1", 0, "x%2", "y").Text, "xy and xy");
  // "\n" after the placeholders, so one inside an argument breaks the line too.
  EXPECT_EQ(Prep("a\\nb %1", 0, "c\\nd").Text, "a\r\nb c\r\nd");
}

struct StyleCase {
  int32_t style;
  const char* b3;
  const char* b2;
  const char* b1;
  int def;
};

class ShowMessageStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(ShowMessageStyles, ButtonSetAndDefault) {
  const StyleCase c = GetParam();
  const PreparedMessage m = Prep("x", c.style);
  auto padded = [](const char* s) {
    return *s ? QStringLiteral("    ") + QString::fromLatin1(s) + QStringLiteral("    ") : QString();
  };
  EXPECT_EQ(m.Caption[2], padded(c.b3));
  EXPECT_EQ(m.Caption[1], padded(c.b2));
  EXPECT_EQ(m.Caption[0], padded(c.b1));
  EXPECT_EQ(m.DefaultButton, c.def);
}

INSTANTIATE_TEST_SUITE_P(Styles, ShowMessageStyles,
                         ::testing::Values(StyleCase{0, "", "", "", 1}, StyleCase{1, "", "Ok", "Cancel", 1},
                                           StyleCase{2, "Cancel", "Retry", "Ignore", 1},
                                           StyleCase{3, "Yes", "No", "Cancel", 1},
                                           StyleCase{3 | 0x100, "Yes", "No", "Cancel", 2},
                                           StyleCase{3 | 0x200, "Yes", "No", "Cancel", 3},
                                           StyleCase{4, "", "Yes", "No", 1}, StyleCase{5, "", "Retry", "Cancel", 1},
                                           StyleCase{7, "", "Retry", "Cancel", 1}, StyleCase{6, "", "Yes", "No", 1},
                                           StyleCase{0x300, "", "", "", 2}));

TEST(ShowMessage, CallerCaptionsTrimmedAndPadded) {
  const PreparedMessage m = Prep("x", 0, {}, {}, "  Stop ", "", "Go");
  EXPECT_EQ(m.Caption[0], "    Stop    ");
  EXPECT_EQ(m.Caption[1], "");
  EXPECT_EQ(m.Caption[2], "    Go    ");
  // Style 4 keeps the caller's button 3.
  EXPECT_EQ(Prep("x", 4, {}, {}, {}, {}, "Maybe").Caption[2], "    Maybe    ");
}

TEST(ShowMessage, ShowsThroughTheSeamAndReturnsTheScriptedButton) {
  controls::ScopedModalScript script({[](QDialog& d) {
    auto& box = static_cast<controls::MessageDialog&>(d);
    EXPECT_EQ(box.ShownText(), "Project Changed.\nDo you want to save?");
    EXPECT_EQ(box.Title, "Project Change");
    EXPECT_EQ(box.ShownCaption(3), "Yes");
    EXPECT_EQ(box.DefaultShown(), 1);
    box.Press(3);
    return d.result();
  }});
  EXPECT_EQ(ShowMessage("Project Changed.\\nDo you want to save?", "Project Change", 3), 3);
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(controls::Modal::UnansweredShowings(), 0);
}

}  // namespace
