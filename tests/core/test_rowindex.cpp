// The word index packs a row and part of its word's hash into one slot, and large arrays get
// memory of their own: every size where the row's share of the slot changes is checked.
#include "largearray.h"
#include "wordlist.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

using namespace talvora;

TEST(RowIndex, LowestRowAndRepeatsAtEverySlotSplit) {
    for (uint32_t n : {0u, 1u, 2u, 3u, 4u, 255u, 256u, 257u, 65535u, 65536u, 65537u}) {
        WordList words;
        std::map<std::string, uint32_t> first; // the model: a word's lowest row
        std::vector<std::pair<uint32_t, uint32_t>> expectedRepeats;
        for (uint32_t row = 1; row <= n; ++row) {
            const std::string w = "w" + std::to_string(row % 7 == 0 ? row / 7 : row);
            words.add(w);
            auto [at, fresh] = first.emplace(w, row);
            if (!fresh)
                expectedRepeats.emplace_back(at->second, row);
        }
        RowIndex index;
        std::vector<std::pair<uint32_t, uint32_t>> repeats;
        index.build(words, &repeats);
        EXPECT_EQ(repeats, expectedRepeats) << n << " words";
        for (const auto& [w, row] : first)
            ASSERT_EQ(index.find(w), row) << w << " of " << n;
        EXPECT_EQ(index.find("x"), 0u) << n;
        EXPECT_EQ(index.find(""), 0u) << n;
    }
}

TEST(LargeArray, KeepsItsContentsAcrossTheSizeWhereItsMemoryChanges) {
    LargeVector<uint32_t> v;
    for (uint32_t i = 0; i < 3'000'000; ++i) // 12 MB, grown through every size
        v.push_back(i * 2654435761u);
    for (uint32_t i = 0; i < v.size(); ++i)
        ASSERT_EQ(v[i], i * 2654435761u) << i;
#ifdef _WIN32
    constexpr uintptr_t boundary = 64u << 10; // VirtualAlloc's granularity: large pages need a privilege
#else
    constexpr uintptr_t boundary = 2u << 20; // a large page
#endif
    EXPECT_EQ(reinterpret_cast<uintptr_t>(v.data()) % boundary, 0u);
    LargeString s(5'000'000, 'a');
    s += "end";
    EXPECT_EQ(s.substr(s.size() - 4), "aend");
}
