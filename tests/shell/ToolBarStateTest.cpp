// The editor's toolbar port over the main window's real toolbar: each call reaches
// the tool that shows it.
#include <QMainWindow>
#include <gtest/gtest.h>

#include "document/ModConst.h"
#include "shell/MainLayout.h"
#include "shell/ToolBarState.h"

namespace {

struct ToolBarStateFixture : ::testing::Test {
  QMainWindow window;
  controls::ToolBarControl bar;
  shell::ToolBarState state{bar};
  void SetUp() override { bar.Build(window, shell::MainLayout()); }
  controls::BarTool& Tool(const QString& key) { return bar.Tools().Item(key); }
  // The keys of a band's tools that carry a check mark.
  QStringList Marked(const char* band) {
    QStringList keys;
    const controls::ToolCollection& tools = bar.Bands().Item(band).Tools();
    for (int i = 0; i < tools.Count(); ++i)
      if (tools.At(i).Checked()) keys << tools.At(i).Name();
    return keys;
  }
};

TEST_F(ToolBarStateFixture, ShownValuesLandInTheirTools) {
  state.SetRedoEnabled(false);
  EXPECT_FALSE(Tool("mnuRedo").Enabled());
  EXPECT_TRUE(Tool("mnuUndo").Enabled());
  state.SetRedoEnabled(true);
  EXPECT_TRUE(Tool("mnuRedo").Enabled());
  state.ShowZoom(-250);
  EXPECT_EQ(Tool("tlZoom").Text(), "-250");
  state.ShowGlyphSize(8, 140);
  EXPECT_EQ(Tool("tlWidth").Text(), "8");
  EXPECT_EQ(Tool("tlHeight").Text(), "140");
}

TEST_F(ToolBarStateFixture, ImportReadsTheFontBand) {
  const editor::FontImportSettings start = state.ImportSettings();
  EXPECT_EQ(start.family, "");
  EXPECT_EQ(start.sizeText, "16");
  EXPECT_FALSE(start.bold || start.italic || start.underline);
  EXPECT_EQ(state.ShiftAmountText(), "0");

  Tool("tlFont").SetText("DejaVu Serif");
  Tool("tlSize").SetText("2x");
  Tool("tlItalic").SetChecked(true);
  Tool("tlShift").SetText("-3");
  const editor::FontImportSettings set = state.ImportSettings();
  EXPECT_EQ(set.family, "DejaVu Serif");
  EXPECT_EQ(set.sizeText, "2x");
  EXPECT_FALSE(set.bold);
  EXPECT_TRUE(set.italic);
  EXPECT_FALSE(set.underline);
  EXPECT_EQ(state.ShiftAmountText(), "-3");
  Tool("tlBold").SetChecked(true);
  Tool("tlUnderline").SetChecked(true);
  EXPECT_TRUE(state.ImportSettings().bold);
  EXPECT_TRUE(state.ImportSettings().underline);
}

// The shown tool carries the only check mark of the drawing tools, "Text" included.
TEST_F(ToolBarStateFixture, DrawToolCarriesTheOnlyMarkOfItsBand) {
  ASSERT_EQ(Marked("bndDrawTools"), QStringList({"tlPoint"}));
  Tool("tlText").SetChecked(true);
  const std::pair<int32_t, const char*> tools[] = {{doc::ToolLine, "tlLine"},
                                                   {doc::ToolBorder, "tlBorder"},
                                                   {doc::ToolRectangle, "tlRectangle"},
                                                   {doc::ToolReplaceColor, "tlReplaceColor"},
                                                   {doc::ToolPoint, "tlPoint"}};
  for (auto [tool, key] : tools) {
    state.ShowDrawTool(tool);
    EXPECT_EQ(Marked("bndDrawTools"), QStringList({key}));
  }
}

TEST_F(ToolBarStateFixture, ColorCarriesTheOnlyMarkOfItsBand) {
  ASSERT_EQ(Marked("bndColors"), QStringList({"tlColor1"}));
  for (int color : {15, 3, 12, 1}) {
    state.ShowColor(color);
    EXPECT_EQ(Marked("bndColors"), QStringList({QStringLiteral("tlColor%1").arg(color)}));
  }
}

}  // namespace
