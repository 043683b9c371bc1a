// The font settings dialog over a real design window: what was drawn survives Ok.
#include <QLineEdit>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "controls/Modal.h"
#include "dialogs/CharDefaultDialog.h"
#include "document/CharRecord.h"

namespace {

struct CharDefaultEditor : ::testing::Test, testsupport::EditorFixture {
  controls::ScopedModalScript script;
  bool Ok(const char* mw, const char* mh) {
    script.Add([mw, mh](QDialog& dialog) {
      auto& d = static_cast<dialogs::frmCharDefault&>(dialog);
      d.txtMaxWidth->setText(mw);
      d.txtMaxHeight->setText(mh);
      d.txtWidth->setText("4");
      d.txtHeight->setText("4");
      d.bntOk_Click();
      return d.result();
    });
    return dialogs::ShowFontSettings(s, ed);  // the editor, as the main window hands it over
  }
};

TEST_F(CharDefaultEditor, TheDrawingSurvivesOkInTheNewGrid) {
  host.selected = 65;
  ed.DrawFont();  // no data, empty list text: a blank default glyph
  s.DesignData.Set(2, 3, 4);
  s.DesignData.Set(9, 15, 5);
  ASSERT_TRUE(Ok("40", "20"));
  EXPECT_EQ(s.CurrentChar, 65);
  EXPECT_EQ(s.DesignData.HighX(), 60);
  EXPECT_EQ(s.DesignData.HighY(), 40);
  EXPECT_EQ(ed.CharWidth, 10);
  EXPECT_EQ(ed.CharHeight, 16);
  EXPECT_EQ(s.DesignData.Get(2, 3), 4);
  EXPECT_EQ(s.DesignData.Get(9, 15), 5);
}

// Lowering the maxima below a designed glyph is allowed; the glyph is clipped to
// the new grid when it loads.
TEST_F(CharDefaultEditor, LoweredMaximaClipAWiderGlyph) {
  doc::DesignGrid big;
  big.ReDim(32, 16);
  for (int x = 0; x < 30; ++x) big.Set(x, 0, 1);
  s.FontData[65] = *doc::CharRecord::Encode(big, 30, 16);
  host.selected = 65;
  ASSERT_TRUE(Ok("4", "4"));
  EXPECT_EQ(s.DesignData.HighX(), 24);
  EXPECT_LE(ed.CharWidth, 4);
  EXPECT_LE(ed.CharHeight, 4);
  EXPECT_EQ(s.DesignData.Get(24, 0), 1);
}

}  // namespace
