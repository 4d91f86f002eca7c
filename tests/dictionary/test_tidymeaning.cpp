// Tidy keeps the word: a typo or a name is reported rather than cut into other words.
#include "keyspace.h"
#include "tidy.h"

#include <gtest/gtest.h>

using namespace talvora;

namespace {

struct Case {
    const char *name, *locale, *text, *tidied;
    const char* suggestion = ""; // first suggestion for the first word left unknown
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class TidyMeaning : public ::testing::TestWithParam<Case> {
  protected:
    static const Keyspace& keyspace() {
        static Keyspace ks;
        static const bool loaded = [] {
            WordList list;
            for (std::string_view w :
                 {"password",   "pas",           "word",    "comentario", "comen",  "taro",
                  "sekunder",   "ske",           "under",   "slut",       "status", "lina",
                  "rien",       "elle",          "vit",     "lord",       "rava",   "nal",
                  "die",        "ausgabe",       "datei",   "the",        "dog",    "house",
                  "halv",       "døv",           "halvdød", "død",        "død",    "nie",
                  "wykrywalny", "niewykrywalna", "r",       "a",          "v",      "n",
                  "l"})
                list.add(w);
            ks.load(std::move(list));
            return true;
        }();
        (void)loaded;
        return ks;
    }
};

} // namespace

TEST_P(TidyMeaning, RewritesOnlyWhatReadsAsTheSameWords) {
    const Case& c = GetParam();
    const TidyResult r = Tidier(keyspace(), c.locale).tidy(c.text, true);
    EXPECT_EQ(r.text, c.tidied);
    if (*c.suggestion) {
        ASSERT_FALSE(r.unknown.empty());
        ASSERT_FALSE(r.unknown[0].suggestions.empty());
        EXPECT_EQ(r.unknown[0].suggestions[0], c.suggestion);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TidyMeaning,
    ::testing::Values(
        // One edit from a word: a typo, never split.
        Case{"EnglishTypo", "en", "pasword", "pasword", "password"},
        Case{"SpanishTypo", "es", "comentaro", "comentaro", "comentario"},
        Case{"DanishSwappedLetters", "da", "skeunder", "skeunder", "sekunder"},
        Case{"SwedishCompound", "sv", "slutstatus", "slut status"},
        Case{"SameCompoundInAnotherForm", "da", "halvdøv", "halv døv"},
        Case{"PolishNegationBesideAnotherForm", "pl", "niewykrywalny", "nie wykrywalny"},
        // A capitalised word inside a sentence: a name, never cut.
        Case{"FrenchName", "fr", "elle vit Linarien.", "elle vit Linarien."},
        Case{"EnglishName", "en", "lord Ravanal", "lord Ravanal"},
        Case{"CapitalAtSentenceStart", "fr", "vit. Linarien", "vit. Lina rien"},
        Case{"GermanNounsTakeCapitals", "de", "die Ausgabedatei", "die Ausgabe datei"},
        Case{"CapitalInsideAWord", "en", "lord TheDoghouse", "lord The Dog house"}),
    [](const auto& info) { return std::string(info.param.name); });

// A name that is kept whole is written letter by letter when asked.
TEST_F(TidyMeaning, AKeptNameIsSpelledOutWhenAsked) {
    EXPECT_EQ(Tidier(keyspace(), "en").tidy("lord Ravanal", false, true).text,
              "lord R a v a n a l");
}
