#include "keyexpansion.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "keyspacefixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace talvora;

TEST(Rotation, MovesColumn2OnlyAndRestoreUndoesIt) {
    Keyspace ks;
    loadWords(ks, {"x", "y", "z"});
    ks.rotate();
    EXPECT_EQ(column2(ks), (std::vector<std::string>{"y", "z", "x"}));
    EXPECT_EQ(ks.word(1), "x");
    ks.restore(1);
    EXPECT_EQ(column2(ks), (std::vector<std::string>{"x", "y", "z"}));
}

TEST(Rotation, RestoreByCount) {
    Keyspace ks;
    loadWords(ks, {"a", "b", "c", "d"});
    using V = std::vector<std::string>;
    ks.restore(1);
    EXPECT_EQ(column2(ks), (V{"d", "a", "b", "c"}));
    ks.rotate();
    ks.restore(3);
    EXPECT_EQ(column2(ks), (V{"b", "c", "d", "a"}));
    ks.rotate();
    ks.rotate();
    ks.rotate();
    ks.restore(4);
    ks.restore(0);
    ks.restore(-2);
    EXPECT_EQ(column2(ks), (V{"a", "b", "c", "d"}));
}

TEST(Rotation, OneWordNeverMoves) {
    Keyspace ks;
    loadWords(ks, {"only"});
    ks.rotate();
    ks.restore(7);
    EXPECT_EQ(ks.permuted(1), "only");
}

TEST(Lookup, LowestRowInBothColumns) {
    Keyspace ks;
    loadWords(ks, {"a", "b", "a", "c", "a"});
    EXPECT_EQ(ks.findWord("a"), 1u);
    EXPECT_EQ(ks.findWord("c"), 4u);
    EXPECT_EQ(ks.findWord("zz"), 0u);
    // Column 2 a b a c a, rotated once: b a c a a -> first a at row 2.
    ks.rotate();
    EXPECT_EQ(ks.findPermuted("a"), 2u);
    EXPECT_EQ(ks.findPermuted("b"), 1u);
    EXPECT_EQ(ks.findPermuted("c"), 3u);
}

TEST(Lookup, PermutedLookupMatchesAScanUnderEveryRotation) {
    std::vector<std::string> words;
    std::mt19937 rng(7);
    for (int i = 0; i < 300; ++i)
        words.push_back("w" + std::to_string(rng() % 120)); // many duplicates
    Keyspace ks;
    loadWords(ks, words);
    ks.setPermutation(buildPermutation(ks.wordCount(), expandKey("914327658123456789")));
    for (int k = 0; k < 320; ++k) {
        for (int probe = 0; probe < 130; probe += 7) {
            std::string t = "w" + std::to_string(probe);
            uint32_t expected = 0;
            for (uint32_t j = 1; j <= ks.wordCount(); ++j)
                if (ks.permuted(j) == t) {
                    expected = j;
                    break;
                }
            ASSERT_EQ(ks.findPermuted(t), expected) << t << " after " << k << " rotations";
        }
        ks.rotate();
    }
}

TEST(Load, ReplacesWordsAndResetsColumn2AndReadiness) {
    Keyspace ks;
    EXPECT_FALSE(ks.dictionaryLoaded());
    loadWords(ks, numberedWords(20));
    buildKeyspace(ks, "123456789123456789");
    ks.setKeyspaceReady();
    loadWords(ks, numberedWords(10, "v"));
    EXPECT_FALSE(ks.keyspaceReady());
    EXPECT_TRUE(ks.dictionaryLoaded());
    EXPECT_EQ(ks.wordCount(), 10u);
    EXPECT_EQ(column2(ks), numberedWords(10, "v"));
}

TEST(Construction, SameKeySameColumnAndAPermutation) {
    auto words = numberedWords(5000);
    Keyspace a, b;
    loadWords(a, words);
    loadWords(b, words);
    buildKeyspace(a, "564738291987654321");
    a.rotate(); // earlier work on the column does not matter
    buildKeyspace(a, "564738291987654321");
    buildKeyspace(b, "564738291987654321");
    EXPECT_EQ(column2(a), column2(b));
    auto sorted = column2(a);
    std::sort(sorted.begin(), sorted.end());
    auto expected = words;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);
    EXPECT_NE(column2(a), words);
}

TEST(Construction, SmallDictionariesOnlyRotate123Times) {
    for (int n : {1, 2, 3, 7, 10}) {
        auto words = numberedWords(n);
        Keyspace ks;
        loadWords(ks, words);
        buildKeyspace(ks, "123456789123456789");
        for (int r = 1; r <= n; ++r)
            EXPECT_EQ(ks.permuted(r), words[(r - 1 + 123) % n]) << n << " words, row " << r;
    }
    Keyspace ten;
    loadWords(ten, numberedWords(10));
    buildKeyspace(ten, "987654321987654321");
    EXPECT_EQ(ten.permuted(1), "w4");
}

TEST(Construction, ShortKeyEqualsItsRepetition) {
    auto words = numberedWords(3000);
    Keyspace a, b;
    loadWords(a, words);
    loadWords(b, words);
    buildKeyspace(a, "918273");
    buildKeyspace(b, "918273918273918273");
    EXPECT_EQ(column2(a), column2(b));
}

TEST(Construction, ProgressRunsFrom0To99OnlyOnChange) {
    std::vector<int> seen;
    buildPermutation(100, expandKey("123456789123456789"), [&](int v) { seen.push_back(v); });
    ASSERT_EQ(seen.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(seen[i], i);
}
