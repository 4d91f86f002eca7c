#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace talvora {
class Keyspace;
}

namespace talvora::tidy {

inline uint64_t hashOf(std::u32string_view word) {
    return std::hash<std::u32string_view>{}(word);
}

// The dictionary's words by their letters without accents (hash, row), sorted: built once,
// when a word first needs it.
struct AccentIndex {
    explicit AccentIndex(const Keyspace& ks);
    std::vector<std::pair<uint64_t, uint32_t>> byPlainForm;
};

} // namespace talvora::tidy
