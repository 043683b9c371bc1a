#pragma once
// The undo slots of the design window: glyph states as records, oldest first, and the
// one redo step. Plain strings, so the history is tested without an editor.
#include <array>
#include <optional>
#include <string>

namespace editor {

class UndoHistory {
 public:
  static constexpr int Slots = 101;

  // Stores a state in the first free slot; a full history drops its oldest state
  // rather than the user's newest work.
  void Push(std::string state);
  // One step back: the top state (never slot 0) becomes the redo data, and it and the
  // state below it leave the history; that state below is returned for the editor to
  // restore. Nothing changes, and nullopt comes back, with fewer than two states.
  std::optional<std::string> StepBack();
  // Empties every slot (the redo data stays).
  void Clear();

  const std::string& Slot(int i) const { return slots_[static_cast<size_t>(i)]; }
  int InUse() const;

  const std::string& RedoData() const { return redo_; }
  void SetRedoData(std::string state) { redo_ = std::move(state); }
  // Hands the redo data over and leaves none.
  std::string TakeRedoData();

 private:
  std::array<std::string, Slots> slots_{};
  std::string redo_;
};

}  // namespace editor
