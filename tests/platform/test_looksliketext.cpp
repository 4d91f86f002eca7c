// Get Text's question before loading a file that is not text.
#include "textfile.h"

#include <gtest/gtest.h>

using namespace talvora;

TEST(LooksLikeText, ByControlAndUnassignedCharacters) {
    using namespace std::string_literals;
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"plain text with line breaks", "Meet him\r\n\tat noon.\r\n", true},
        {"empty", "", true},
        {"letters beyond ASCII", "Příliš žluťoučký kůň", true},
        {"one NUL", "a long text that holds one \0 byte"s, false},
        {"a few controls", "text \x1b[1m bold \x1b[0m and more words around it", true},
        {"mostly controls", "\x01\x02\x03\x04 ab", false},
        {"C1 controls of unassigned bytes", "ab\u0081\u008d\u008f\u0090", false},
        {"private-use characters", "x\uf001\uf002", false},
    };
    for (const auto& [name, text, expected] : cases)
        EXPECT_EQ(looksLikeText(text), expected) << name;
}
