#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace talvora {

inline constexpr int KeyNumberCount = 12320;
// Index 0 is unused; entries 1 to KeyNumberCount hold the numbers.
using KeyNumbers = std::array<int32_t, KeyNumberCount + 1>;

// Expands a non-empty key text (UTF-8) into its 12320 key numbers.
KeyNumbers expandKey(std::string_view key);

// A two-character group of the key read as a decimal number, rounded half to even.
int32_t readGroup(char32_t first, char32_t second);

// True when every number can serve as a stride (at least 1).
bool usableAsStrides(const KeyNumbers& numbers);

} // namespace talvora
