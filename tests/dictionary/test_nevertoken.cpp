// Words no text can ever hold as one token: Add refuses them, and the dictionary check names
// the entries that cannot come back.
#include "codepage.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "keyspacefixture.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace talvora;

TEST(NeverAToken, ReasonsForBlankAndSeparators) {
    const std::pair<const char*, const char*> cases[] = {
        {"dont", nullptr},
        {"don\u2019t", nullptr}, // a typographic apostrophe stays inside a token
        {"a\tb", nullptr},
        {"don't stop", "it holds a blank, and a text is cut into words at every blank"},
        {"o'clock", "it holds \"'\", which is dropped from every text"},
        {"e-mail", "it holds \"-\", which is dropped from every text"},
        {"say\"", "it holds \"\"\", which is dropped from every text"},
    };
    for (const auto& [word, why] : cases)
        EXPECT_EQ(whyNeverAToken(word), why ? std::optional<std::string>(why) : std::nullopt) << word;
}

TEST(NeverAToken, AddRefusesAndLeavesTheFile) {
    TempFolder dir;
    const auto path = dir.write("d.dic", "apple\r\n");
    const CodePage cp = CodePage::fromName("windows-1252");
    Keyspace ks;
    loadDictionary(ks, path, cp);
    const AddResult r = addDictionaryWord(ks, path, "Don't Stop", cp);
    EXPECT_EQ(r.outcome, AddOutcome::Refused);
    EXPECT_EQ(r.message, "\"Don't Stop\" cannot be a word of the dictionary: it holds a blank, and a text is "
                         "cut into words at every blank, so it could never be encoded.  Nothing was added.");
    EXPECT_EQ(TempFolder::read(path), "apple\r\n");
}

TEST(NeverAToken, CheckNamesEveryUnusableEntry) {
    auto c = checkDictionary(wordList({"a", "", "b", "a", "x y", "o'clock", "ok"}));
    std::vector<std::pair<uint32_t, std::string>> named;
    for (const auto& e : c.entries)
        named.emplace_back(e.row, e.why);
    EXPECT_EQ(named, (std::vector<std::pair<uint32_t, std::string>>{
                         {2, "empty"},
                         {4, "repeats line 1"},
                         {5, "it holds a blank, and a text is cut into words at every blank"},
                         {6, "it holds \"'\", which is dropped from every text"}}));
}
