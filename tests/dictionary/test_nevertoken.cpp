// Which words no text can give as one token (Add refuses them; dict info names them).
#include "dictionaryfile.h"

#include <gtest/gtest.h>

TEST(NeverAToken, BlankAndSeparatorsOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"dont", nullptr}, {"don\u2019t", nullptr}, {"a\tb", nullptr}, {"caf\u00e9", nullptr},
        {"don't stop", "it holds a blank, and a text is cut into words at every blank"},
        {"o'clock", "it holds \"'\", which is dropped from every text"},
        {"say\"", "it holds \"\"\", which is dropped from every text"},
    };
    for (const auto& [word, why] : cases)
        EXPECT_EQ(talvora::whyNeverAToken(word), why ? std::optional<std::string>(why) : std::nullopt) << word;
}
