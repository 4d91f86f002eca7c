// Tidy on any text, in any of the ten languages' number words, on a small dictionary of
// English words, letters and number words. It must not fail, and what it reports must hold:
// each change stands where it says in the original and in the tidied text, in text order and
// on its line; the words left unknown are exactly the tidied text's words the dictionary
// lacks; and a text whose every word the dictionary holds comes back unchanged.

#include "fuzzsupport.h"
#include "keyspace.h"
#include "tidy.h"
#include "tokenizer.h"
#include "utf8.h"
#include "wordlist.h"

#include <algorithm>
#include <array>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

constexpr std::string_view Words =
    "a b c d e f g h i j k l m n o p q r s t u v w x y z "
    "zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
    "fifteen sixteen seventeen eighteen nineteen twenty thirty forty fifty sixty seventy eighty "
    "ninety hundred thousand million first second third fourth fifth point dot slash dash to plus "
    "minus percent at times divided by and or the of in is file name key left right up down "
    "arrow dollar dollars euro euros cents degrees";

const talvora::Keyspace& keyspace() {
    static const std::unique_ptr<talvora::Keyspace> ks = [] {
        auto k = std::make_unique<talvora::Keyspace>();
        talvora::WordList list;
        std::istringstream in{std::string(Words)};
        for (std::string w; in >> w;)
            list.add(w);
        k->load(std::move(list));
        return k;
    }();
    return *ks;
}

talvora::Tidier& tidier(const std::string& locale) {
    static std::map<std::string, std::unique_ptr<talvora::Tidier>> tidiers;
    auto& t = tidiers[locale];
    if (!t)
        t = std::make_unique<talvora::Tidier>(keyspace(), locale);
    return *t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static constexpr std::array<const char*, 10> locales = {"en", "cs", "da", "nl", "fr",
                                                            "de", "it", "pl", "es", "sv"};
    FuzzedDataProvider input(data, size);
    const std::string locale = locales[input.ConsumeIntegralInRange<size_t>(0, locales.size() - 1)];
    const auto spellOut = static_cast<talvora::SpellOut>(input.ConsumeIntegralInRange<int>(0, 2));
    // Texts reach Tidy as UTF-8, from a window or a decoded file.
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::string text;
    for (size_t pos = 0; pos < bytes.size();)
        talvora::utf8::append(text, talvora::utf8::next(bytes, pos));
    if (text.size() > 2000)
        return 0;

    const talvora::TidyResult result = tidier(locale).tidy(text, false, spellOut);

    size_t lastAt = 0, lastTidiedAt = 0;
    uint32_t lastLine = 1;
    for (const talvora::TidyChange& c : result.changes) {
        const std::string where = locale + " at " + std::to_string(c.at) + ": " +
                                  fuzz::show(c.original) + " -> " + fuzz::show(c.replacement) +
                                  " in " + fuzz::show(text);
        FUZZ_CHECK(c.at >= lastAt && c.tidiedAt >= lastTidiedAt && c.line >= lastLine, where);
        FUZZ_CHECK(text.compare(c.at, c.original.size(), c.original) == 0, where);
        FUZZ_CHECK(result.text.compare(c.tidiedAt, c.replacement.size(), c.replacement) == 0,
                   where);
        // A line ends at a line feed or a carriage return before the change.
        const auto before = text.substr(0, c.at);
        const auto ends = std::count(before.begin(), before.end(), '\n') +
                          std::count(before.begin(), before.end(), '\r');
        FUZZ_CHECK(c.line >= 1 && c.line <= static_cast<uint32_t>(ends) + 1, where);
        lastAt = c.at + c.original.size();
        lastTidiedAt = c.tidiedAt + c.replacement.size();
        lastLine = c.line;
    }

    std::set<std::string> lacking;
    for (const std::string& token : talvora::parseText(result.text))
        if (!token.empty() && keyspace().findWord(token) == 0)
            lacking.insert(token);
    std::set<std::string> reported;
    for (const talvora::UnknownWord& u : result.unknown)
        reported.insert(u.word);
    FUZZ_CHECK(lacking == reported,
               locale + ": " + fuzz::show(text) + " -> " + fuzz::show(result.text));

    bool encodes = true;
    for (const std::string& token : talvora::parseText(text))
        encodes = encodes && (token.empty() || keyspace().findWord(token) != 0);
    if (encodes)
        FUZZ_CHECK(result.changes.empty(),
                   locale + ": " + fuzz::show(text) + " -> " + fuzz::show(result.text));
    return 0;
}
