// Tidy's changes: each rewrite listed where it stands, with the rule that made it, so that
// any of them can be taken back.
#include "keyspace.h"
#include "tidy.h"

#include <gtest/gtest.h>

using namespace talvora;

namespace {

class TidyChanges : public ::testing::Test {
  protected:
    TidyChanges() {
        WordList list;
        for (std::string_view w : {"meet", "at", "ten", "two", "the", "dog", "dogs", "house", "lord", "r", "a",
                              "v", "n", "l"})
            list.add(w);
        ks.load(std::move(list));
    }

    // The text with the changes of the given indexes taken back, last first.
    static std::string reverted(const TidyResult& r, std::vector<size_t> which) {
        std::string text = r.text;
        for (auto i = which.rbegin(); i != which.rend(); ++i) {
            const TidyChange& c = r.changes[*i];
            text.replace(c.tidiedAt, c.replacement.size(), c.original);
        }
        return text;
    }

    Keyspace ks;
};

} // namespace

TEST_F(TidyChanges, EachRewriteWithItsPlaceLineAndRule) {
    const std::string text = "Meet at 10,\r\nthe dog\u2019s \u00abhouse\u00bb 2\r\n";
    const TidyResult r = Tidier(ks, "en").tidy(text);
    ASSERT_EQ(r.text, "Meet at ten,\r\nthe dog's house two\r\n");
    struct Expected {
        const char *original, *replacement, *rule;
        uint32_t line;
    } expected[] = {{"10", "ten", "numbers", 1},
                    {"dog\u2019s", "dog's", "apostrophes", 2},
                    {"\u00abhouse\u00bb", "house", "punctuation", 2},
                    {"2", "two", "numbers", 2}};
    ASSERT_EQ(r.changes.size(), std::size(expected));
    for (size_t i = 0; i < r.changes.size(); ++i) {
        const TidyChange& c = r.changes[i];
        SCOPED_TRACE(c.original);
        EXPECT_EQ(c.original, expected[i].original);
        EXPECT_EQ(c.replacement, expected[i].replacement);
        EXPECT_EQ(c.rule, expected[i].rule);
        EXPECT_EQ(c.line, expected[i].line);
        EXPECT_EQ(text.substr(c.at, c.original.size()), c.original);
        EXPECT_EQ(r.text.substr(c.tidiedAt, c.replacement.size()), c.replacement);
    }
    // Taking back one leaves the others; taking back all gives the text as typed.
    EXPECT_EQ(reverted(r, {1}), "Meet at ten,\r\nthe dog\u2019s house two\r\n");
    EXPECT_EQ(reverted(r, {0, 1, 2, 3}), text);
}

TEST_F(TidyChanges, ARewriteThroughSeveralRulesNamesThemAll) {
    const TidyResult r = Tidier(ks, "en").tidy("the house\u2014dog");
    ASSERT_EQ(r.changes.size(), 1u);
    EXPECT_EQ(r.changes[0].replacement, "house dog");
    EXPECT_EQ(r.changes[0].rule, "punctuation");
    const TidyResult quoted = Tidier(ks, "en").tidy("the \u00ab2\u00bb");
    ASSERT_EQ(quoted.changes.size(), 1u);
    EXPECT_EQ(quoted.text, "the two");
    EXPECT_EQ(quoted.changes[0].rule, "punctuation + numbers");
}

// Only when asked, and only a capitalised word that stays unknown: a name.
TEST_F(TidyChanges, NamesSpelledOutOnlyWhenAsked) {
    Tidier tidier(ks, "en");
    const TidyResult asked = tidier.tidy("Lord Ravanal, lord ravanal", true, true);
    EXPECT_EQ(asked.text, "Lord R a v a n a l, lord ravanal");
    ASSERT_EQ(asked.changes.size(), 1u);
    EXPECT_EQ(asked.changes[0].original, "Ravanal");
    EXPECT_EQ(asked.changes[0].rule, "names spelled out");
    ASSERT_EQ(asked.unknown.size(), 1u);
    EXPECT_EQ(asked.unknown[0].word, "ravanal");
    const TidyResult unasked = tidier.tidy("Lord Ravanal", true, false);
    EXPECT_EQ(unasked.text, "Lord Ravanal");
    EXPECT_TRUE(unasked.changes.empty());
    EXPECT_EQ(spelledOut("Peťa"), "P e ť a");
}
