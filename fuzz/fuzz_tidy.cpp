// Tidy on any text, in each language whose rules differ, over a small dictionary that its
// rules can reach (accents, ß and ss, joined negations, compounds, number words, letters of
// abbreviations). A text whose tokens are all words comes back byte for byte; a result said
// to encode has only words; no unknown word is reported twice; and the suggestions are
// dictionary words.

#include "fuzzsupport.h"
#include "keyspace.h"
#include "tidy.h"
#include "tokenizer.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <set>
#include <string>

namespace {

const talvora::Keyspace& dictionary() {
    static const std::unique_ptr<talvora::Keyspace> ks = [] {
        talvora::WordList list;
        for (std::string_view w :
             {"the",       "dont",         "l",       "écran",      "ne",      "vyléčitelná",
              "nie",       "wykrywalnego", "grüße",   "grüsse",     "heißt",   "misslich",
              "anschläge", "på",           "mærke",   "før",        "děkuji",  "café",
              "cafè",      "più",          "dobrý",   "dobré",      "ausgabe", "datei",
              "arbeit",    "zeit",         "konto",   "gränssnitt", "s",       "one",
              "two",       "five",         "twenty",  "first",      "third",   "hundred",
              "thousand",  "and",          "fünf",    "und",        "zwanzig", "eins",
              "deux",      "cinq",         "premier", "a",          "b",       "x",
              "percent",   "dollars",      "plus",    "point",      "at",      "dot",
              "komma",     "grad",         "celsius", "prozent"})
            list.add(w);
        auto k = std::make_unique<talvora::Keyspace>();
        k->load(std::move(list));
        return k;
    }();
    return *ks;
}

bool allWords(const talvora::Keyspace& ks, std::string_view text) {
    for (const std::string& t : talvora::parseText(text))
        if (!t.empty() && ks.findWord(t) == 0)
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

    const talvora::Keyspace& ks = dictionary();
    talvora::Tidier tidier(ks, locale);
    const talvora::TidyResult r = tidier.tidy(text, withSuggestions);
    if (allWords(ks, text))
        FUZZ_CHECK(r.text == text, locale + " " + fuzz::show(text) + " -> " + fuzz::show(r.text));
    if (r.encodes())
        FUZZ_CHECK(allWords(ks, r.text), locale + " " + fuzz::show(r.text));
    std::set<std::string> seen;
    for (const talvora::UnknownWord& u : r.unknown) {
        FUZZ_CHECK(seen.insert(u.word).second, "reported twice: " + fuzz::show(u.word));
        FUZZ_CHECK(ks.findWord(u.word) == 0, "a known word reported: " + fuzz::show(u.word));
        for (const std::string& s : u.suggestions)
            FUZZ_CHECK(ks.findWord(s) != 0, "suggested a non-word: " + fuzz::show(s));
    }
    return 0;
}
