#include "document/UndoHistory.h"

#include <algorithm>

namespace doc {

namespace {

// Empties a state and gives its buffer back; clear() alone would keep it.
void Release(std::string& state) { std::string().swap(state); }

}  // namespace

void UndoHistory::DropOldest() {
  bytes_ -= slots_.front().size();
  Release(slots_.front());
  std::rotate(slots_.begin(), slots_.begin() + 1, slots_.end());
}

void UndoHistory::Push(std::string state) {
  if (!slots_.back().empty()) DropOldest();
  while (!slots_.front().empty() && bytes_ + redo_.size() + state.size() > MaxBytes) DropOldest();
  if (redo_.size() + state.size() > MaxBytes) return;
  auto freeSlot = std::find_if(slots_.begin(), slots_.end(), [](const std::string& s) { return s.empty(); });
  bytes_ += state.size();
  *freeSlot = std::move(state);
}

std::optional<std::string> UndoHistory::StepBack() {
  // Slot 0 is never the top: the state below it is what a step back restores.
  for (int i = Slots - 1; i >= 1; --i) {
    std::string& top = slots_[static_cast<size_t>(i)];
    if (top.empty()) continue;
    std::string& below = slots_[static_cast<size_t>(i - 1)];
    bytes_ -= top.size() + below.size();
    redo_ = std::move(top);
    std::string restore = std::move(below);
    Release(top);
    Release(below);
    return restore;
  }
  return std::nullopt;
}

void UndoHistory::Clear() {
  for (auto& slot : slots_) Release(slot);
  bytes_ = 0;
}

int UndoHistory::InUse() const {
  return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const std::string& s) { return !s.empty(); }));
}

void UndoHistory::SetRedoData(std::string state) {
  Release(redo_);
  while (!slots_.front().empty() && bytes_ + state.size() > MaxBytes) DropOldest();
  if (state.size() <= MaxBytes) redo_ = std::move(state);
}

std::string UndoHistory::TakeRedoData() {
  std::string state = std::move(redo_);
  Release(redo_);
  return state;
}

}  // namespace doc
