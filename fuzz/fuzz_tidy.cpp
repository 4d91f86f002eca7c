// Tidy on any text, in each language whose rules differ, over a small dictionary its rules can
// reach (accents, ß and ss, joined negations, compounds, number words, symbols, letters of
// abbreviations). A text whose tokens are all words comes back byte for byte; a result said to
// encode holds only words; no unknown word is reported twice; suggestions are dictionary words.

#include "fuzzsupport.h"
#include "keyspace.h"
#include "tidy.h"
#include "tokenizer.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <sstream>

namespace {

const talvora::Keyspace& dictionary() {
    static const auto ks = [] {
        std::istringstream words(
            "the dont l écran ne vyléčitelná nie wykrywalnego grüße grüsse heißt misslich "
            "anschläge "
            "på mærke før děkuji café cafè più dobrý dobré ausgabe datei arbeit zeit konto "
            "gränssnitt s one two five twenty first third hundred thousand and fünf und zwanzig "
            "eins deux cinq premier a b x percent dollars plus point at dot komma grad celsius "
            "prozent");
        talvora::WordList list;
        for (std::string w; words >> w;)
            list.add(w);
        auto k = std::make_unique<talvora::Keyspace>();
        k->load(std::move(list));
        return k;
    }();
    return *ks;
}

bool allWords(std::string_view text) {
    for (const std::string& t : talvora::parseText(text))
        if (!t.empty() && dictionary().findWord(t) == 0)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static constexpr const char* locales[] = {"en", "de", "da", "cs", "pl",
                                              "fr", "it", "nl", "sv", "es"};
    FuzzedDataProvider in(data, size);
    const std::string locale =
        locales[in.ConsumeIntegralInRange<size_t>(0, std::size(locales) - 1)];
    const bool withSuggestions = in.ConsumeBool();
    const std::string text = in.ConsumeRemainingBytesAsString();

    const talvora::TidyResult r = talvora::Tidier(dictionary(), locale).tidy(text, withSuggestions);
    FUZZ_CHECK(!allWords(text) || r.text == text,
               locale + " " + fuzz::show(text) + " -> " + fuzz::show(r.text));
    FUZZ_CHECK(!r.encodes() || allWords(r.text), locale + " " + fuzz::show(r.text));
    std::set<std::string> seen;
    for (const talvora::UnknownWord& u : r.unknown) {
        FUZZ_CHECK(seen.insert(u.word).second && dictionary().findWord(u.word) == 0,
                   "reported twice or known: " + fuzz::show(u.word));
        for (const std::string& s : u.suggestions)
            FUZZ_CHECK(dictionary().findWord(s) != 0, "suggested a non-word: " + fuzz::show(s));
    }
    return 0;
}
