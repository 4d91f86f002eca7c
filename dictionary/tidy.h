#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class Keyspace;
class Suggester;

// The locale whose number words a dictionary uses ("French" or "fr.dic" -> "fr"); empty for
// a dictionary of no known language.
std::string tidyLocaleFor(std::string_view dictionaryName);

struct UnknownWord {
    std::string word; // as the tokenizer gives it: lower-case, separators dropped
    uint32_t count = 0;
    std::vector<std::string> suggestions; // closest dictionary words, at most three
};

struct TidyResult {
    std::string text;       // the tidied text, line breaks as CR LF
    uint32_t rewritten = 0; // tokens of the text that were rewritten
    std::vector<UnknownWord>
        unknown; // words of the tidied text the dictionary lacks, in text order
    bool encodes() const { return unknown.empty(); }
};

// Makes a text encodable without touching any token the dictionary holds: only a token the
// dictionary lacks is rewritten (spaces, invisible characters, typographic apostrophes,
// punctuation, joined words, digits, drawn-out letters, missing or wrong accents, words
// joined at capitals,
// abbreviations, compounds), so a text that encodes comes back byte for byte.
class Tidier {
  public:
    // The keyspace's dictionary must stay loaded and unchanged while the tidier lives.
    Tidier(const Keyspace& keyspace, std::string locale);
    ~Tidier();
    Tidier(const Tidier&) = delete;
    Tidier& operator=(const Tidier&) = delete;

    // Without suggestions the unknown words come with their counts only, and no index is built.
    TidyResult tidy(std::string_view text, bool withSuggestions = true);

    // Closest dictionary words; the index behind them is built on first use.
    std::vector<std::string> suggest(std::string_view word);

  private:
    struct Numbers;
    struct Accents;
    bool known(std::string_view piece) const;
    bool allKnown(std::string_view pieces) const;
    std::string resolve(std::string piece, int rule);
    std::string resolveParts(const std::string& pieces, int rule);
    std::optional<std::string> applyRule(int rule, const std::string& piece);
    std::optional<std::string> spellDigits(const std::string& piece);
    std::optional<std::string> splitCompound(const std::string& piece) const;
    std::optional<std::string> fixAccents(const std::string& piece);
    std::optional<std::string> respell(const std::string& piece) const;
    std::optional<std::string> unstretch(const std::string& piece) const;
    std::optional<std::string> spellAbbreviation(std::string_view piece) const;
    static constexpr int LastRule = 9;

    const Keyspace& keyspace_;
    std::string locale_;
    std::unique_ptr<Numbers> numbers_;
    std::unique_ptr<Accents> accents_;
    std::unique_ptr<Suggester> suggester_;
    bool lineHasLowerCase_ = true; // of the line being tidied
};

// Every whole token of text equal to word, its characters from the first to the last that
// the tokenizer keeps, replaced by replacement; a capital first letter stays capital.
std::string replaceWord(std::string_view text, std::string_view word, std::string_view replacement);

} // namespace talvora
