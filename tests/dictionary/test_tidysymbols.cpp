// Tidy reads symbols, prices, decimals, telephone numbers and addresses in the words of the
// text's language, each a word of its shipped dictionary.
#include "codepage.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "tidy.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace talvora;

namespace {

struct Case {
    const char *name, *file, *text, *tidied;
    const char* rule; // of the first change; empty where nothing may change
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class TidySymbols : public ::testing::TestWithParam<Case> {
  protected:
    static const Keyspace& shipped(const std::string& file) {
        static std::map<std::string, std::unique_ptr<Keyspace>> cache;
        auto& ks = cache[file];
        if (!ks) {
            ks = std::make_unique<Keyspace>();
            ks->load(readDictionary(std::filesystem::path(TALVORA_SOURCE_DATA) / file,
                                    CodePage::fromName(CodePage::nameForLanguage(tidyLocaleFor(file)))));
        }
        return *ks;
    }
};

} // namespace

TEST_P(TidySymbols, ReadsAsTheSameWords) {
    const Case& c = GetParam();
    const TidyResult r = Tidier(shipped(c.file), tidyLocaleFor(c.file)).tidy(c.text, false);
    EXPECT_EQ(r.text, c.tidied);
    if (!*c.rule) {
        EXPECT_TRUE(r.changes.empty());
        return;
    }
    ASSERT_FALSE(r.changes.empty());
    EXPECT_EQ(r.changes[0].rule, c.rule);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TidySymbols,
    ::testing::Values(
        Case{"EnglishPercent", "eng.dic", "10% more", "ten percent more", "symbols"},
        Case{"EnglishPrice", "eng.dic", "$5.99", "five dollars ninety nine", "symbols"},
        Case{"EnglishOnePound", "eng.dic", "£1 or €20", "one pound or twenty euros", "symbols"},
        Case{"EnglishSymbolApart", "eng.dic", "(10 %)", "(ten percent)", "numbers"},
        Case{"EnglishTelephone", "eng.dic", "+44 20 7946 0958",
             "plus four four two zero seven nine four six zero nine five eight",
             "telephone numbers"},
        Case{"EnglishLocalTelephone", "eng.dic", "555-1234.", "five five five one two three four.",
             "telephone numbers"},
        Case{"EnglishDecimalPoint", "eng.dic", "3.14", "three point one four", "numbers"},
        Case{"EnglishThousandsNoDecimal", "eng.dic", "1,000", "one thousand", "numbers"},
        Case{"EnglishDateNoTelephone", "eng.dic", "2024-01-15",
             "two thousand twenty four zero one fifteen", "numbers"},
        Case{"EnglishAddress", "eng.dic", "<anna@example.com>", "<anna at example dot com>",
             "addresses"},
        Case{"EnglishAmpersand", "eng.dic", "rock&roll", "rock and roll", "symbols"},
        Case{"KnownWordBesideSymbolStays", "eng.dic", "ten % & more", "ten % & more", ""},
        Case{"GermanDecimalComma", "de_neu.dic", "3,5 km", "drei Komma fünf km", "numbers"},
        Case{"GermanDateNoTelephone", "de_neu.dic", "am 15.01.2024",
             "am fünfzehn null eins zwei tausend vier und zwanzig", "numbers"},
        Case{"GermanCelsius", "de_neu.dic", "20°C", "zwanzig Grad Celsius", "symbols"},
        Case{"CzechPluralForms", "Czech.dic", "5 € a 2 €", "pět eur a dva eura", "numbers"},
        Case{"CzechDecimalPercent", "Czech.dic", "3,5%", "tři čárka pět procenta", "symbols"},
        Case{"PolishPluralForms", "pl.dic", "22 $", "dwadzieścia dwa dolary", "numbers"},
        Case{"FrenchDecimalsAsNumber", "fr.dic", "3,14 et 3,05",
             "trois virgule quatorze et trois virgule zéro cinq", "numbers"},
        Case{"FrenchTelephone", "fr.dic", "06 12 34 56 78",
             "zéro six un deux trois quatre cinq six sept huit", "telephone numbers"},
        Case{"FrenchScaleAsLetter", "fr.dic", "20 °F", "vingt degrés F", "numbers"},
        Case{"SpanishPercent", "es.dic", "20 %", "veinte por ciento", "numbers"},
        Case{"ItalianPlus", "it.dic", "+39 06 1234", "più tre nove zero sei uno due tre quattro",
             "telephone numbers"},
        Case{"DutchEuroBefore", "nl.dic", "€ 5", "euro vijf", "symbols"},
        Case{"DanishAddress", "dk.dic", "anna@firma.dk", "anna snabel-a firma punktum dk",
             "addresses"},
        Case{"SwedishDegrees", "se.dic", "3,5 °C", "tre komma fem grader Celsius", "numbers"}),
    [](const auto& info) { return std::string(info.param.name); });
