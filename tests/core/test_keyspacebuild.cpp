// The fast construction against values worked out by hand and against the word-by-word one.
#include "keyexpansion.h"
#include "keyspacebuild.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvora;

namespace {

using Rows = LargeVector<uint32_t>;

// Column 2 of the word-by-word construction, as column-1 row numbers.
Rows literalRows(uint32_t n, const KeyNumbers& numbers) {
    std::vector<std::string> col(n + 1);
    for (uint32_t r = 1; r <= n; ++r)
        col[r] = std::to_string(r);
    Rows rows;
    for (const std::string& w : buildKeyspaceLiteral(std::move(col), numbers))
        rows.push_back(w.empty() ? 0 : static_cast<uint32_t>(std::stoul(w)));
    return rows;
}

// Every pair (40, 30) makes no exchange below 40 rows; set() puts chosen pairs in.
struct Numbers {
    KeyNumbers e;
    Numbers() {
        for (int i = 1; i <= KeyNumberCount; i += 2) {
            e[i] = 40;
            e[i + 1] = 30;
        }
    }
    Numbers& set(int pair, int32_t first, int32_t second) {
        e[2 * pair - 1] = first;
        e[2 * pair] = second;
        return *this;
    }
};

} // namespace

// Worked by hand. 16 rows, pair 1 = (5, 5) -> strides 8 and 5: exchanges 8-5, 16-10; pair 2 =
// (3, 7) -> 7 and 3: 7-3, 14-6; then 123 rotations = 11 places. 10 rows, pair 51 = (4, 4) comes
// after one rotation: strides 7 and 4 exchange 7-4; then 122 rotations = 2 places.
// "010099999999999999" reads 01 00 99 ... 00 10: entries 1 and 2 both end as 1, strides 4 and 1.
TEST(ConstructionGolden, EqualPairsMoveApartBy3) {
    struct Case {
        const char* name;
        KeyNumbers numbers;
        Rows column2;
    };
    const Case cases[] = {
        {"equal first pair, 16 rows", Numbers().set(1, 5, 5).set(2, 3, 7).e,
         {12, 13, 6, 15, 10, 1, 2, 7, 4, 8, 14, 3, 5, 9, 16, 11}},
        {"equal pair after a rotation, 10 rows", Numbers().set(51, 4, 4).e,
         {4, 8, 6, 7, 5, 9, 10, 1, 2, 3}},
        {"key with an equal pair, 4 rows", expandKey("010099999999999999"), {1, 2, 4, 3}},
        {"key with an equal pair, 6 rows", expandKey("010099999999999999"), {2, 1, 5, 6, 3, 4}},
        {"key with an equal pair, 7 rows", expandKey("010099999999999999"), {7, 5, 2, 6, 3, 1, 4}},
    };
    KeyNumbers key = expandKey("010099999999999999");
    EXPECT_EQ(key[1], 1);
    EXPECT_EQ(key[2], 1); // 00 reads 0 and ends as 1
    for (const Case& c : cases) {
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
    struct Case {
        const char* name;
        const char* key;
        std::vector<uint32_t> sizes;
    };
    std::vector<uint32_t> upTo300;
    for (uint32_t n = 0; n <= 300; ++n)
        upTo300.push_back(n);
    const std::vector<uint32_t> large = {1009, 4096, 7919};
    const Case cases[] = {
        {"equal pairs and strides of 1", "0100", upTo300},
        {"an equal pair", "010099999999999999", large},
        {"largest strides", "999999999999999999", upTo300},
        {"smallest digit strides", "111111111111111111", large},
        {"one character", "7", large},
        {"mixed digits", "918273645546372819", {65537, 655000}},
    };
    for (const Case& c : cases) {
        KeyNumbers numbers = expandKey(c.key);
        for (uint32_t n : c.sizes)
            ASSERT_EQ(buildPermutation(n, numbers), literalRows(n, numbers))
                << c.name << " (" << c.key << "), " << n << " words";
    }
}
