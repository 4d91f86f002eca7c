// Get Text's question before loading a file that is not text.
#include "textfile.h"

#include <gtest/gtest.h>

TEST(LooksLikeText, NoNulAndAtMostOneOddCharacterInTen) {
    using namespace std::string_literals;
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"text", "Meet him\r\n\tat noon.\f\r\n", true},       {"empty", "", true},
        {"beyond ASCII", "P\u0159\u00edli\u0161 k\u016f\u0148", true}, {"one NUL", "a text with one \0 in it"s, false},
        {"two escapes in 40", "text \x1b[1m bold \x1b[0m and more words here", true},
        {"mostly controls", "\x01\x02\x03\x04 ab", false},
        {"unassigned bytes", "ab\u0081\u008d\u008f\u0090", false},     {"private use", "x\uf001\uf002", false},
    };
    for (const auto& [name, text, expected] : cases)
        EXPECT_EQ(talvora::looksLikeText(text), expected) << name;
}
