#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "document/UndoHistory.h"

namespace {

// The slots alone, without an editor: a full history drops its oldest state, and a
// step back needs two states.
TEST(UndoSlots, FullHistoryDropsOldestAndStepBackNeedsTwoStates) {
  doc::UndoHistory h;
  h.Push("a");
  EXPECT_EQ(h.StepBack(), std::nullopt);
  EXPECT_EQ(h.Slot(0), "a");
  EXPECT_EQ(h.RedoData(), "");
  for (int i = 1; i <= doc::UndoHistory::Slots; ++i) h.Push(std::to_string(i));
  EXPECT_EQ(h.InUse(), doc::UndoHistory::Slots);
  EXPECT_EQ(h.Slot(0), "1");
  EXPECT_EQ(h.Slot(doc::UndoHistory::Slots - 1), std::to_string(doc::UndoHistory::Slots));
  EXPECT_EQ(h.Bytes(), 9u * 1 + 90 * 2 + 2 * 3);  // "1" to "101"; "a" was dropped
  EXPECT_EQ(h.StepBack(), std::to_string(doc::UndoHistory::Slots - 1));
  EXPECT_EQ(h.RedoData(), std::to_string(doc::UndoHistory::Slots));
  EXPECT_EQ(h.InUse(), doc::UndoHistory::Slots - 2);
  EXPECT_EQ(h.Bytes(), 9u * 1 + 90 * 2 + 3);  // "100" is gone, "101" is the redo step
  EXPECT_EQ(h.TakeRedoData(), std::to_string(doc::UndoHistory::Slots));
  EXPECT_EQ(h.RedoData(), "");
  EXPECT_EQ(h.Bytes(), 9u * 1 + 90 * 2);  // "1" to "99"
  h.Clear();
  EXPECT_EQ(h.InUse(), 0);
  EXPECT_EQ(h.Bytes(), 0u);
}

// A state that cannot fit beside the redo step even alone is not kept, and the states
// before it go too: a step back must not jump over it to an older state.
TEST(UndoSlots, StateTooLargeForTheBoundEmptiesTheHistory) {
  doc::UndoHistory h;
  h.Push("a");
  h.Push("b");
  const size_t half = doc::UndoHistory::MaxBytes / 2 + 1;
  h.SetRedoData(std::string(half, 'r'));
  EXPECT_EQ(h.InUse(), 2);
  h.Push(std::string(half, 's'));
  EXPECT_EQ(h.InUse(), 0);
  EXPECT_EQ(h.Bytes(), half);
  EXPECT_EQ(h.StepBack(), std::nullopt);
  EXPECT_EQ(h.TakeRedoData().size(), half);
}

}  // namespace
