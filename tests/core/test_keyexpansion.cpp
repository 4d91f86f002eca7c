#include "keyexpansion.h"

#include <gtest/gtest.h>

using namespace talvora;

TEST(ReadGroup, ReadsLikeANumberParser) {
    EXPECT_EQ(readGroup(U'4', U'7'), 47);
    EXPECT_EQ(readGroup(U'0', U'7'), 7);
    EXPECT_EQ(readGroup(U'a', U'5'), 0);  // a letter first: no digit to read
    EXPECT_EQ(readGroup(U'5', U'x'), 5);  // a digit then a letter: the digit
    EXPECT_EQ(readGroup(U' ', U'7'), 7);  // blanks are skipped
    EXPECT_EQ(readGroup(U'7', U'\t'), 7);
    EXPECT_EQ(readGroup(U'\n', U'3'), 3);
    EXPECT_EQ(readGroup(U'-', U'3'), -3);
    EXPECT_EQ(readGroup(U'+', U'4'), 4);
    EXPECT_EQ(readGroup(U'-', U'-'), 0);
    EXPECT_EQ(readGroup(U'5', U'.'), 5);
    EXPECT_EQ(readGroup(U'&', U'1'), 0);
}

TEST(ReadGroup, RoundsHalfToEven) {
    EXPECT_EQ(readGroup(U'.', U'5'), 0);
    EXPECT_EQ(readGroup(U'.', U'4'), 0);
    EXPECT_EQ(readGroup(U'.', U'6'), 1);
    EXPECT_EQ(readGroup(U'.', U'9'), 1);
}

TEST(ExpandKey, ShortKeysRepeatAndLongKeysAreCut) {
    EXPECT_EQ(expandKey("123456"), expandKey("123456123456123456"));
    EXPECT_EQ(expandKey("12345"), expandKey("123451234512345123"));
    EXPECT_EQ(expandKey("7"), expandKey("777777777777777777"));
    EXPECT_EQ(expandKey("123456789123456789999"), expandKey("123456789123456789"));
    EXPECT_NE(expandKey("123456789123456789"), expandKey("123456789123456788"));
}

TEST(ExpandKey, DigitKeysGiveStridesBetween11And145) {
    for (const char* key : {"123456789123456789", "999999999999999999", "111111111111111111",
                            "918273645546372819", "12"}) {
        KeyNumbers e = expandKey(key);
        std::string k = key;
        while (k.size() < 18)
            k += k;
        EXPECT_EQ(e[1], (k[0] - '0') * 10 + (k[1] - '0')) << key;
        for (int i = 1; i <= KeyNumberCount; ++i) {
            ASSERT_GE(e[i], 11) << key << " entry " << i;
            ASSERT_LE(e[i], 145) << key << " entry " << i;
            if (i > 1) {
                ASSERT_NE(e[i], e[i - 1]) << key << " entry " << i;
            }
        }
        EXPECT_TRUE(usableAsStrides(e));
    }
}

TEST(ExpandKey, FirstStagesOfAKnownKey) {
    // Pairs of "123456789987654321" read 12 34 56 78 99 87 65 43 21, then swapped in reverse.
    KeyNumbers e = expandKey("123456789987654321");
    const int stageA[18] = {12, 34, 56, 78, 99, 87, 65, 43, 21, 12, 34, 56, 78, 99, 87, 65, 43, 21};
    for (int j = 0; j < 18; ++j)
        EXPECT_EQ(e[j + 1], stageA[j]) << j + 1;
    EXPECT_EQ(e[19], 14);      // stage b: entry 1 + 2
    EXPECT_EQ(e[37], 15);      // stage c: entry 1 + 3
    EXPECT_EQ(e[73], 34 + 4);  // stage d starts at entry 2
    EXPECT_EQ(e[463], 12);     // second pass begins with the groups again
}

TEST(ExpandKey, SmoothingIsSequential) {
    // All groups read 11: 11 11 11 ... smooths to 11 13 11 13 ...
    KeyNumbers e = expandKey("111111111111111111");
    EXPECT_EQ(e[1], 11);
    EXPECT_EQ(e[2], 13);
    EXPECT_EQ(e[3], 11);
    EXPECT_EQ(e[4], 13);
}

TEST(ExpandKey, ZerosEndAsOneOrTwo) {
    KeyNumbers e = expandKey("00");
    EXPECT_EQ(e[1], 0);  // entry 1 is never smoothed
    EXPECT_EQ(e[2], 2);  // equal to a 0 before it: raised by 2
    EXPECT_FALSE(usableAsStrides(e));
    KeyNumbers letters = expandKey("ab");
    EXPECT_EQ(letters[1], 0);
    EXPECT_FALSE(usableAsStrides(expandKey("-5")));
}
