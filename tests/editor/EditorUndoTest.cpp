#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

#include "TestSupport.h"
#include "document/CharRecord.h"

namespace {

using testsupport::EditorFixture;

// A record of the given size whose cell (x, y) holds seed + x + 3y (mod 15, never 0).
std::string Glyph(int w, int h, int seed) {
  return testsupport::MakeRecord(w, h,
                                 [seed](int x, int y) { return static_cast<uint8_t>(1 + (seed + x + 3 * y) % 15); });
}

struct UndoHistory : ::testing::Test, EditorFixture {
  // Switches the editor to a code, as a double click in the list does.
  void Visit(int code) {
    host.selected = code;
    ed.DrawFont();
  }
  std::string Screen() { return *doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight); }
  // One edit: the state before it is recorded, then cell (0, 0) takes the value.
  void Edit(uint8_t v) {
    ed.SaveUndoAction();
    s.DesignData.Set(0, 0, v);
  }
  int SlotsInUse() const { return UndoSlotsInUse(); }
};

TEST_F(UndoHistory, UndoThreeTimesAfterOneEdit) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  const std::string s0 = Screen();
  ASSERT_EQ(SlotsInUse(), 1);
  Edit(9);
  const std::string s1 = Screen();
  ASSERT_NE(s0, s1);

  ed.Undo();
  EXPECT_EQ(Screen(), s0);
  EXPECT_EQ(ed.History.RedoData(), s1);
  EXPECT_EQ(host.redoEnabled, true);
  EXPECT_EQ(ed.History.Slot(0), s0);
  EXPECT_EQ(SlotsInUse(), 1);

  ed.Undo();  // records S0, takes it as the redo step, restores slot 0
  EXPECT_EQ(Screen(), s0);
  EXPECT_EQ(ed.History.RedoData(), s0);
  EXPECT_EQ(SlotsInUse(), 0);

  const int redraws = host.gridRedraws;
  ed.Undo();  // records S0 in slot 0 and finds nothing above it
  EXPECT_EQ(Screen(), s0);
  EXPECT_EQ(ed.History.Slot(0), s0);
  EXPECT_EQ(SlotsInUse(), 1);
  EXPECT_EQ(ed.History.RedoData(), s0);
  EXPECT_EQ(host.gridRedraws, redraws + 1);
}

TEST_F(UndoHistory, UndoRedoUndoWalksBackAndForth) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  const std::string s0 = Screen();
  Edit(9);
  const std::string s1 = Screen();
  ed.Undo();
  EXPECT_EQ(Screen(), s0);
  ed.Redo();
  EXPECT_EQ(Screen(), s1);
  EXPECT_EQ(ed.History.RedoData(), "");
  EXPECT_EQ(host.redoEnabled, false);
  ed.Undo();
  EXPECT_EQ(Screen(), s0);
  // The redone state went back into the history, so S0 stays below it.
  EXPECT_EQ(SlotsInUse(), 1);
  EXPECT_EQ(ed.History.Slot(0), s0);
}

// Three freehand strokes with the point tool, then Undo, Redo, Undo: each step shows
// its neighbour state, and walking on back reaches every earlier one in turn.
TEST_F(UndoHistory, UndoAfterRedoSkipsNoState) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  ASSERT_EQ(ed.CellSize, 10);
  s.CurrentTool = doc::ToolPoint;
  s.CurrentColor = 15;
  std::vector<std::string> states{Screen()};
  for (int k = 1; k <= 3; ++k) {
    const float x = k * 10 + 5.0f;
    ed.picDesign_MouseDown(editor::ButtonLeft, 0, x, 15);
    ed.picDesign_MouseMove(editor::ButtonLeft, 0, x, 45);
    ed.picDesign_MouseUp(editor::ButtonLeft, 0, x, 45);
    ASSERT_EQ(s.DesignData.Get(k, 4), 15);
    states.push_back(Screen());
  }
  ASSERT_EQ(states.size(), 4u);
  ASSERT_NE(states[2], states[3]);

  EXPECT_EQ(Screen(), states[3]);
  ed.Undo();
  EXPECT_EQ(Screen(), states[2]);
  ed.Redo();
  EXPECT_EQ(Screen(), states[3]);
  ed.Undo();
  EXPECT_EQ(Screen(), states[2]);
  ed.Undo();
  EXPECT_EQ(Screen(), states[1]);
  ed.Redo();
  EXPECT_EQ(Screen(), states[2]);
  for (int back = 1; back >= 0; --back) {
    ed.Undo();
    EXPECT_EQ(Screen(), states[static_cast<size_t>(back)]) << back;
  }
}

// A glyph of the largest size the settings allow keeps all 101 states; edits of a
// larger pasted picture keep as many of the newest states as the byte bound holds,
// and a walk back restores them one by one, the oldest kept last.
TEST_F(UndoHistory, LargeGlyphEditsStayWithinTheByteBound) {
  const struct {
    int w, h;
    int kept;
  } cases[] = {{1024, 768, doc::UndoHistory::Slots},
               {2000, 1500, static_cast<int>(doc::UndoHistory::MaxBytes / (4 + 2000 * 1500))}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    doc::InitDefaults(s);
    s.CurrentChar = -1;  // a fresh start: nothing of the last case is stored
    Visit(5);
    // Paste Special brings the large glyph, as a user brings one in.
    QImage picture(c.w + 1, c.h + 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QGuiApplication::clipboard()->setImage(picture);
    ed.PasteSpecial();
    ASSERT_EQ(ed.CharWidth, c.w);
    ASSERT_EQ(ed.CharHeight, c.h);
    ed.History.Clear();  // the count starts with the large glyph
    for (int k = 1; k <= 101; ++k) {
      Edit(static_cast<uint8_t>(k));
      ASSERT_LE(ed.History.Bytes(), doc::UndoHistory::MaxBytes) << k;
    }
    EXPECT_EQ(SlotsInUse(), c.kept);
    // The states kept are the newest: those before the edits 102 - kept to 101.
    ed.Undo();
    EXPECT_EQ(s.DesignData.Get(0, 0), 100);
    EXPECT_EQ(static_cast<uint8_t>(ed.History.RedoData()[4]), 101);
    EXPECT_LE(ed.History.Bytes(), doc::UndoHistory::MaxBytes);
    int shown = 100;
    while (SlotsInUse() >= 1) {
      ed.Undo();
      ASSERT_EQ(s.DesignData.Get(0, 0), --shown);
    }
    EXPECT_EQ(shown, 101 - c.kept + 1);
  }
  QGuiApplication::clipboard()->clear();
}

TEST_F(UndoHistory, FullHistoryDropsOldestAndKeepsNewestWork) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  s.DesignData.Set(0, 0, 0);  // state 0 on screen is marked by cell (0, 0)
  for (int k = 1; k <= 101; ++k) Edit(static_cast<uint8_t>(k));
  ASSERT_EQ(SlotsInUse(), 101);
  ASSERT_EQ(s.DesignData.Get(0, 0), 101);

  ed.Undo();
  EXPECT_EQ(s.DesignData.Get(0, 0), 100);
  // The state that was on screen is the redo step, not lost.
  ASSERT_GE(ed.History.RedoData().size(), 5u);
  EXPECT_EQ(static_cast<uint8_t>(ed.History.RedoData()[4]), 101);

  // Walking all the way back ends at the oldest state kept, one step at a time.
  for (int expect = 99; expect >= 1; --expect) {
    ed.Undo();
    ASSERT_EQ(s.DesignData.Get(0, 0), expect);
  }
  ed.Undo();
  EXPECT_EQ(s.DesignData.Get(0, 0), 1);
}

TEST_F(UndoHistory, RedoWithoutStepOnlyDisablesAndRedraws) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  host.redoEnabled = true;
  const std::string before = Screen();
  const int redraws = host.gridRedraws;
  ed.Redo();
  EXPECT_EQ(host.redoEnabled, false);
  EXPECT_EQ(host.gridRedraws, redraws + 1);
  EXPECT_EQ(Screen(), before);
  EXPECT_EQ(SlotsInUse(), 1);
}

TEST_F(UndoHistory, PasteBeforeAnyCopyRecordsAndRedrawsOnly) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  const std::string before = Screen();
  const int redraws = host.gridRedraws;
  ed.PasteData();
  EXPECT_EQ(Screen(), before);
  EXPECT_EQ(SlotsInUse(), 2);
  EXPECT_EQ(host.gridRedraws, redraws + 1);
}

TEST_F(UndoHistory, PasteTakesCopiedSizeAndUndoBringsBackTheGlyph) {
  s.FontData[1] = Glyph(12, 16, 0);
  s.FontData[2] = Glyph(8, 16, 7);
  Visit(1);
  ed.CopyData();
  EXPECT_EQ(s.ClipData, s.FontData[1]);
  Visit(2);
  ed.PasteData();
  EXPECT_EQ(ed.CharWidth, 12);
  EXPECT_EQ(ed.CharHeight, 16);
  EXPECT_EQ(Screen(), s.FontData[1]);
  ed.PasteData();  // the buffer keeps its glyph
  EXPECT_EQ(Screen(), s.FontData[1]);
  ed.Undo();
  ed.Undo();
  EXPECT_EQ(ed.CharWidth, 8);
  EXPECT_EQ(Screen(), Glyph(8, 16, 7));
}

TEST_F(UndoHistory, ResetThenUndoShowsTheStoredGlyph) {
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  Edit(9);
  ed.ResetData();
  EXPECT_EQ(Screen(), s.FontData[5]);
  ed.Undo();
  EXPECT_EQ(Screen(), s.FontData[5]);
}

// A single click on another item only selects it; the reset still reloads the
// glyph being edited, and the other glyph's record is left alone.
TEST_F(UndoHistory, ResetReloadsTheCurrentGlyphNotTheSelectedItem) {
  s.FontData[5] = Glyph(8, 14, 0);
  s.FontData[6] = Glyph(10, 16, 3);
  Visit(5);
  Edit(9);
  host.selected = 6;
  ed.ResetData();
  EXPECT_EQ(s.CurrentChar, 5);
  EXPECT_EQ(host.selected, 5);
  EXPECT_EQ(Screen(), s.FontData[5]);
  ed.Undo();
  EXPECT_EQ(Screen(), s.FontData[5]);
  EXPECT_EQ(s.FontData[6], Glyph(10, 16, 3));
}

// A copy from a font with larger maxima, pasted (and redone) into a smaller grid,
// is clipped to the grid: the cells that fit keep their places, nothing is
// written beyond it, and the size comes down to the maxima.
TEST_F(UndoHistory, OversizedRecordStaysInsideTheGrid) {
  const int w = s.DesignData.HighX() + 40;  // wider and taller than the grid itself
  const int h = s.DesignData.HighY() + 30;
  s.ClipData = Glyph(w, h, 4);
  s.FontData[5] = Glyph(8, 14, 0);
  Visit(5);
  ed.PasteData();
  EXPECT_EQ(ed.CharWidth, s.MaxWidth);
  EXPECT_EQ(ed.CharHeight, s.MaxHeight);
  for (int y = 0; y <= s.DesignData.HighY(); ++y)
    for (int x = 0; x <= s.DesignData.HighX(); ++x)
      ASSERT_EQ(s.DesignData.Get(x, y), 1 + (4 + x + 3 * y) % 15) << x << "," << y;
  EXPECT_EQ(s.DesignData.Get(-1, -1), 0);

  ed.History.SetRedoData(s.ClipData);
  ed.Undo();
  EXPECT_EQ(Screen(), s.FontData[5]);
  ed.History.SetRedoData(s.ClipData);
  ed.Redo();
  EXPECT_EQ(ed.CharWidth, s.MaxWidth);
  EXPECT_EQ(s.DesignData.Get(s.DesignData.HighX(), s.DesignData.HighY()),
            1 + (4 + s.DesignData.HighX() + 3 * s.DesignData.HighY()) % 15);
}

TEST_F(UndoHistory, DrawFontStoresLeavesAndStartsAFreshHistory) {
  s.FontData[1] = Glyph(8, 14, 0);
  s.FontData[2] = Glyph(10, 16, 3);
  Visit(1);
  Edit(9);
  const std::string edited = Screen();
  Edit(10);
  ed.Undo();
  ASSERT_FALSE(ed.History.RedoData().empty());
  ASSERT_EQ(host.redoEnabled, true);

  Visit(2);
  EXPECT_EQ(s.FontData[1], edited);
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(s.CurrentChar, 2);
  EXPECT_EQ(Screen(), s.FontData[2]);
  EXPECT_EQ(SlotsInUse(), 1);
  EXPECT_EQ(ed.History.Slot(0), s.FontData[2]);
  // The redo step of glyph 1 never reaches glyph 2.
  EXPECT_EQ(ed.History.RedoData(), "");
  EXPECT_EQ(host.redoEnabled, false);
  ed.Redo();
  EXPECT_EQ(Screen(), s.FontData[2]);
}

TEST_F(UndoHistory, DrawFontWithoutSelectionDoesNothing) {
  s.FontData[1] = Glyph(8, 14, 0);
  Visit(1);
  Edit(9);
  host.selected.reset();
  const int redraws = host.gridRedraws;
  const std::string stored = s.FontData[1];
  ed.DrawFont();
  EXPECT_EQ(s.CurrentChar, 1);
  EXPECT_EQ(s.FontData[1], stored);
  EXPECT_EQ(SlotsInUse(), 2);
  EXPECT_EQ(host.gridRedraws, redraws);
}

// 101 strokes on a glyph of 5000 x 5000 cells, 25 MB a state: what the process holds
// stays within the history's bound while they go on, and the switch to a small glyph
// gives the states back. Counted by the allocator, in a child whose address space may
// grow by no more than 1 GB where that can be bounded.
TEST_F(UndoHistory, StrokesOnAHugeGlyphGiveTheirMemoryBack) {
  constexpr int side = 5000;
  constexpr size_t state = 4 + size_t{side} * side;
  const int status = testsupport::InChildWithAddressSpace(size_t{1} << 30, [&] {
    s.MaxWidth = s.MaxHeight = side;
    doc::ReDimDesignData(s);
    std::string huge(state, '\0');
    huge[0] = huge[2] = char(side / 255), huge[1] = huge[3] = char(side % 255);
    s.FontData[0] = std::move(huge);
    s.FontData[1] = Glyph(8, 8, 1);
    Visit(0);
    const size_t before = testsupport::LiveHeapBytes();
    size_t most = before;
    for (int stroke = 0; stroke < 101; ++stroke) {
      const float at = (float(stroke) + 0.5f) * float(ed.CellSize);
      ed.picDesign_MouseDown(editor::ButtonLeft, 0, at, at);
      ed.picDesign_MouseUp(editor::ButtonLeft, 0, at, at);
      most = std::max(most, testsupport::LiveHeapBytes());
    }
    Visit(1);
    const size_t after = testsupport::LiveHeapBytes();
    std::printf("held before the strokes %zu MB, at most %zu MB during them, %zu MB after the switch\n", before >> 20,
                most >> 20, after >> 20);
    std::fflush(stdout);
    const bool stored = uint8_t(s.FontData[0][4 + size_t{side} * 100 + 100]) == s.CurrentColor;
    return stored && most - before <= doc::UndoHistory::MaxBytes + 2 * state && after < before;
  });
  // Under the address sanitizer, which reserves terabytes of address space, only the
  // allocator's count bounds it.
  EXPECT_EQ(status, 0) << "1: more memory held than the history's bound, 3: out of memory, -1: killed";
}

}  // namespace
