#pragma once
// The undo slots of the design window: glyph states as records, oldest first, and the
// one redo step. Plain strings, so the history is tested without an editor.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace doc {

class UndoHistory {
 public:
  static constexpr int Slots = 101;
  // The most bytes the states may hold together, the redo step included. All 101
  // states of a glyph of 1024 x 768 (about 79 MB) fit; a larger pasted or imported
  // glyph keeps fewer states, so no run of edits can exhaust memory.
  static constexpr size_t MaxBytes = size_t{256} << 20;

  // Stores a state in the first free slot. A full history, or one that would grow
  // past MaxBytes, drops its oldest states rather than the user's newest work; a
  // state too large to fit beside the redo step even alone is not kept, and the
  // history is then empty, so a step back never jumps over it to an older state.
  void Push(std::string state);
  // One step back: the top state (never slot 0) becomes the redo data, and it and the
  // state below it leave the history; that state below is returned for the editor to
  // restore. Nothing changes, and nullopt comes back, with fewer than two states.
  std::optional<std::string> StepBack();
  // Empties every slot (the redo data stays).
  void Clear();

  const std::string& Slot(int i) const { return slots_[static_cast<size_t>(i)]; }
  int InUse() const;
  // The bytes the slots and the redo data hold; never more than MaxBytes.
  size_t Bytes() const { return bytes_ + redo_.size(); }

  const std::string& RedoData() const { return redo_; }
  // A redo step that would take the whole past MaxBytes drops the oldest states first.
  void SetRedoData(std::string state);
  // Hands the redo data over and leaves none.
  std::string TakeRedoData();

 private:
  // Drops the oldest state; the others move down one slot.
  void DropOldest();

  std::array<std::string, Slots> slots_{};
  size_t bytes_ = 0;  // of the slots
  std::string redo_;
};

}  // namespace doc
