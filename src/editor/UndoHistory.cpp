#include "editor/UndoHistory.h"

#include <algorithm>

namespace editor {

void UndoHistory::Push(std::string state) {
  auto freeSlot = std::find_if(slots_.begin(), slots_.end(), [](const std::string& s) { return s.empty(); });
  if (freeSlot == slots_.end()) {
    std::move(slots_.begin() + 1, slots_.end(), slots_.begin());
    freeSlot = slots_.end() - 1;
  }
  *freeSlot = std::move(state);
}

std::optional<std::string> UndoHistory::StepBack() {
  // Slot 0 is never the top: the state below it is what a step back restores.
  for (int i = Slots - 1; i >= 1; --i) {
    std::string& top = slots_[static_cast<size_t>(i)];
    if (top.empty()) continue;
    std::string& below = slots_[static_cast<size_t>(i - 1)];
    redo_ = std::move(top);
    std::string restore = std::move(below);
    top.clear();
    below.clear();
    return restore;
  }
  return std::nullopt;
}

void UndoHistory::Clear() {
  for (auto& slot : slots_) slot.clear();
}

int UndoHistory::InUse() const {
  return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const std::string& s) { return !s.empty(); }));
}

std::string UndoHistory::TakeRedoData() {
  std::string state = std::move(redo_);
  redo_.clear();
  return state;
}

}  // namespace editor
