// The key's numbers, the word table and its construction: against values worked out by hand
// and against the word-by-word construction, which shares no code with the fast one.
#include "keyexpansion.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "keyspacefixture.h"
#include "largearray.h"

#include <array>
#include <gtest/gtest.h>
#include <map>

using namespace talvora;
using V = std::vector<std::string>;
using Rows = LargeVector<uint32_t>;

namespace {

// Column 2 of the word-by-word construction, as column-1 row numbers.
Rows literalRows(uint32_t n, const KeyNumbers& numbers) {
    V col(n + 1);
    for (uint32_t r = 1; r <= n; ++r)
        col[r] = std::to_string(r);
    Rows rows;
    for (const std::string& w : buildKeyspaceLiteral(std::move(col), numbers))
        rows.push_back(w.empty() ? 0 : static_cast<uint32_t>(std::stoul(w)));
    return rows;
}

// Every pair (40, 30) makes no exchange below 40 rows, but the chosen ones: {pair, a, b}.
KeyNumbers quietBut(std::initializer_list<std::array<int32_t, 3>> pairs) {
    KeyNumbers e;
    for (int i = 1; i <= KeyNumberCount; i += 2)
        e[i] = 40, e[i + 1] = 30;
    for (const auto& [pair, a, b] : pairs)
        e[2 * pair - 1] = a, e[2 * pair] = b;
    return e;
}

} // namespace

// Key groups read like a lenient number parser, rounding half to even.
TEST(ExpandKey, GroupsSmoothingAndZerosWorkedByHand) {
    const struct {
        const char* name;
        char32_t first, second;
        int32_t expected;
    } groups[] = {{"two digits", U'4', U'7', 47},  {"leading zero", U'0', U'7', 7},
                  {"letter", U'a', U'5', 0},       {"digit, letter", U'5', U'x', 5},
                  {"blank", U' ', U'7', 7},        {"tab", U'7', U'\t', 7},
                  {"LF", U'\n', U'3', 3},          {"minus", U'-', U'3', -3},
                  {"plus", U'+', U'4', 4},         {"two signs", U'-', U'-', 0},
                  {"digit, point", U'5', U'.', 5}, {"radix", U'&', U'1', 0},
                  {".5 to even", U'.', U'5', 0},   {".4", U'.', U'4', 0},
                  {".6", U'.', U'6', 1},           {".9", U'.', U'9', 1}};
    for (const auto& c : groups)
        EXPECT_EQ(readGroup(c.first, c.second), c.expected) << c.name;
    // The stages of a whole key: cli_test's golden expansion.
    // Smoothing is sequential: 11 11 11 11 becomes 11 13 11 13.
    KeyNumbers e = expandKey("111111111111111111");
    EXPECT_EQ((std::vector<int>{e[1], e[2], e[3], e[4]}), (std::vector<int>{11, 13, 11, 13}));
    // Zeros: entry 1 is never smoothed, a 0 after a 0 is raised by 2 (Process refuses them).
    e = expandKey("00");
    EXPECT_EQ((std::vector<int>{e[1], e[2]}), (std::vector<int>{0, 2}));
    // A short key repeated, a long one cut: fuzz_roundtrip's model and cli_test's 8-digit key.
    EXPECT_NE(expandKey("123456789123456789"), expandKey("123456789123456788"));
}

TEST(Keyspace, RotationMovesColumn2OnlyAndRestoreTurnsItBackByCount) {
    Keyspace ks;
    loadWords(ks, {"a", "b", "c", "d"});
    // 1 rotates once, any other m restores -m rotations.
    const std::pair<std::vector<int>, V> steps[] = {{{1}, {"b", "c", "d", "a"}},
                                                    {{-1}, {"a", "b", "c", "d"}},
                                                    {{-1}, {"d", "a", "b", "c"}},
                                                    {{1, -3}, {"b", "c", "d", "a"}},
                                                    {{1, 1, 1, -4, 0, 2}, {"a", "b", "c", "d"}}};
    for (const auto& [moves, column] : steps) {
        for (int m : moves)
            m == 1 ? ks.rotate() : ks.restore(-m);
        EXPECT_EQ(column2(ks), column) << moves.size() << " moves to " << column[0];
    }
    EXPECT_EQ(ks.word(1), "a"); // one word: the codec's test
}

// Worked by hand. 16 rows, pair 1 = (5, 5) -> strides 8 and 5: exchanges 8-5, 16-10; pair 2 =
// (3, 7) -> 7 and 3: 7-3, 14-6; then 123 rotations = 11 places. 10 rows, pair 51 = (4, 4) comes
// after one rotation: strides 7 and 4 exchange 7-4; then 122 rotations = 2 places.
// "010099999999999999" reads 01 00 99 ... 00 10: entries 1 and 2 both end as 1, strides 4 and 1.
TEST(ConstructionGolden, EqualPairsMoveApartBy3) {
    const struct {
        const char* name;
        KeyNumbers numbers;
        Rows column2;
    } cases[] = {
        {"equal first pair, 16 rows",
         quietBut({{1, 5, 5}, {2, 3, 7}}),
         {12, 13, 6, 15, 10, 1, 2, 7, 4, 8, 14, 3, 5, 9, 16, 11}},
        {"equal pair after a rotation, 10 rows",
         quietBut({{51, 4, 4}}),
         {4, 8, 6, 7, 5, 9, 10, 1, 2, 3}},
        {"key with an equal pair, 4 rows", expandKey("010099999999999999"), {1, 2, 4, 3}},
        {"key with an equal pair, 6 rows", expandKey("010099999999999999"), {2, 1, 5, 6, 3, 4}},
        {"key with an equal pair, 7 rows", expandKey("010099999999999999"), {7, 5, 2, 6, 3, 1, 4}},
    };
    for (const auto& c : cases) {
        const auto n = static_cast<uint32_t>(c.column2.size());
        Rows expected = c.column2;
        expected.insert(expected.begin(), 0);
        EXPECT_EQ(buildPermutation(n, c.numbers), expected) << c.name;
        EXPECT_EQ(literalRows(n, c.numbers), expected) << c.name << " (word by word)";
    }
}

// Every size up to 300 passes each wrap point and the last row; the rest are primes, powers of
// two and the largest dictionary.
TEST(ConstructionMatchesWordByWord, ManyKeysAndSizes) {
    std::vector<uint32_t> upTo300;
    for (uint32_t n = 0; n <= 300; ++n)
        upTo300.push_back(n);
    const std::vector<uint32_t> large = {1009, 4096, 7919};
    const struct {
        const char* name;
        const char* key;
        std::vector<uint32_t> sizes;
    } cases[] = {
        {"equal pairs and strides of 1", "0100", upTo300},
        {"an equal pair", "010099999999999999", large},
        {"largest strides", "999999999999999999", upTo300},
        {"smallest digit strides", "111111111111111111", large},
        {"one character", "7", large},
        {"mixed digits", "918273645546372819", {65537, 655000}},
    };
    for (const auto& c : cases) {
        KeyNumbers numbers = expandKey(c.key);
        for (uint32_t n : c.sizes)
            ASSERT_EQ(buildPermutation(n, numbers), literalRows(n, numbers))
                << c.name << " (" << c.key << "), " << n << " words";
    }
}

// The word index packs a row and part of its word's hash into one slot: every size where the
// row's share of the slot changes, against a map of each word's lowest row.
TEST(RowIndex, LowestRowAndRepeatsAtEverySlotSplit) {
    for (uint32_t n : {0u, 1u, 2u, 3u, 4u, 255u, 256u, 257u, 65535u, 65536u, 65537u}) {
        WordList words;
        std::map<std::string, uint32_t> first;
        std::vector<std::pair<uint32_t, uint32_t>> expectedRepeats, repeats;
        for (uint32_t row = 1; row <= n; ++row) {
            const std::string w = "w" + std::to_string(row % 7 == 0 ? row / 7 : row);
            words.add(w);
            auto [at, fresh] = first.emplace(w, row);
            if (!fresh)
                expectedRepeats.emplace_back(at->second, row);
        }
        RowIndex index;
        index.build(words, &repeats);
        EXPECT_EQ(repeats, expectedRepeats) << n << " words";
        for (const auto& [w, row] : first)
            ASSERT_EQ(index.find(w), row) << w << " of " << n;
        EXPECT_EQ(index.find("x"), 0u) << n;
        EXPECT_EQ(index.find(""), 0u) << n;
    }
}

// Large arrays get memory of their own once they grow past a size (large strings: the
// shipped dictionaries' tests load them).
TEST(LargeArray, KeepsItsContentsAcrossTheSizeWhereItsMemoryChanges) {
    LargeVector<uint32_t> v;
    for (uint32_t i = 0; i < 3'000'000; ++i) // 12 MB, grown through every size
        v.push_back(i * 2654435761u);
    for (uint32_t i = 0; i < v.size(); ++i)
        ASSERT_EQ(v[i], i * 2654435761u) << i;
#ifdef _WIN32
    constexpr uintptr_t boundary =
        64u << 10; // VirtualAlloc's granularity: large pages need a privilege
#else
    constexpr uintptr_t boundary = 2u << 20; // a large page
#endif
    EXPECT_EQ(reinterpret_cast<uintptr_t>(v.data()) % boundary, 0u);
}
