#include "tokenizer.h"

#include <gtest/gtest.h>

using namespace talvora;
using V = std::vector<std::string>;

TEST(Tokenizer, SlotsAreOnePerBlankPlusOne) {
    EXPECT_EQ(parseText("Hello, World!"), (V{"hello", "world"}));
    EXPECT_EQ(parseText("a  b"), (V{"a", "", "b"}));
    EXPECT_EQ(parseText("x - y"), (V{"x", "", "y"}));
    EXPECT_EQ(parseText(" a "), (V{"", "a", ""}));
    EXPECT_EQ(parseText("line one\r\nline two\r\n"), (V{"line", "one", "line", "two", ""}));
    EXPECT_EQ(parseText("!?. ,"), (V{"", ""}));
}

TEST(Tokenizer, SeparatorsAreDroppedFromInsideWords) {
    EXPECT_EQ(parseText("don't"), (V{"dont"}));
    EXPECT_EQ(parseText("e-mail"), (V{"email"}));
    EXPECT_EQ(parseText("3.14"), (V{"314"}));
    EXPECT_EQ(parseText("(see)"), (V{"see"}));
    EXPECT_EQ(parseText(",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"x"), (V{"x"}));
}

TEST(Tokenizer, OtherCharactersStayInTheWord) {
    EXPECT_EQ(parseText("a\tb"), (V{"a\tb"}));
    EXPECT_EQ(parseText("a\nb"), (V{"a\nb"}));
    EXPECT_EQ(parseText("a\rb"), (V{"a\rb"}));
    EXPECT_EQ(parseText("a\r\r\nb"), (V{"a\r", "b"}));
    EXPECT_EQ(parseText("don\u2019t"), (V{"don\u2019t"}));
    EXPECT_EQ(parseText("a\u00A0b"), (V{"a\u00A0b"}));
    EXPECT_EQ(parseText("~`x"), (V{"~`x"}));
}

TEST(Tokenizer, FoldsCaseOneCharacterAtATime) {
    EXPECT_EQ(parseText("ÄÖÜ ÉÈ ŁŚŻ ΣΑΣ"), (V{"äöü", "éè", "łśż", "σασ"}));
    // Simple mapping: the dotted capital I keeps one character.
    EXPECT_EQ(parseText("\u0130"), (V{"i"}));
    EXPECT_EQ(parseText("Stra\u00DFe"), (V{"stra\u00DFe"}));
}
