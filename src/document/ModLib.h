#pragma once
// Small library routines shared across the program.
#include <utility>

namespace doc {

// Exchanges two values: the first takes the second's value and the second the first's.
template <typename T>
void SwapValues(T& first, T& second) {
  T kept = std::move(first);
  first = std::move(second);
  second = std::move(kept);
}

}  // namespace doc
