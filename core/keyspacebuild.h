#pragma once

#include "keyexpansion.h"
#include "largearray.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace talvora {

class Keyspace;

// Called with each new progress value (0 to 99), only when the value changes.
using ProgressFn = std::function<void(int)>;

// Column 2 for n words: perm[r] is the column-1 row standing at row r after the 6160
// stride walks and 123 rotations that numbers drive. Numbers must all be at least 1.
LargeVector<uint32_t> buildPermutation(uint32_t n, const KeyNumbers& numbers,
                                       const ProgressFn& progress = {});

// Expands the key and rebuilds column 2 of the keyspace from column 1.
void buildKeyspace(Keyspace& keyspace, std::string_view key, const ProgressFn& progress = {});

// The construction done word by word, exchanging and rotating the texts themselves
// (keyspaceliteral.cpp). Kept as the reference the fast construction is checked against.
// words[0] is unused.
std::vector<std::string> buildKeyspaceLiteral(std::vector<std::string> words,
                                              const KeyNumbers& numbers);

} // namespace talvora
