#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class Keyspace;
class Suggester;
namespace tidy {
class State;
}

// The locale whose number words a dictionary uses ("French" or "fr.dic" -> "fr"); empty for
// a dictionary of no known language.
std::string tidyLocaleFor(std::string_view dictionaryName);

struct UnknownWord {
    std::string word; // as the tokenizer gives it: lower-case, separators dropped
    uint32_t count = 0;
    std::vector<std::string> suggestions; // closest dictionary words, at most three
};

// One rewrite: a stretch of the original text and what stands for it in the tidied one.
struct TidyChange {
    size_t at = 0; // byte offset in the original text
    std::string original;
    size_t tidiedAt = 0; // byte offset in the tidied text
    std::string replacement;
    std::string rule;  // the names of the rules that made it, in order, joined by " + "
    uint32_t line = 1; // of the original text, counted from 1
};

struct TidyResult {
    std::string text; // the tidied text, line breaks as CR LF
    std::vector<TidyChange> changes; // in text order
    std::vector<UnknownWord>
        unknown; // words of the tidied text the dictionary lacks, in text order
    bool encodes() const { return unknown.empty(); }
};

// Which words that stay unknown Tidy writes letter by letter, when asked: none, the names
// (a capitalised word), or also any other word but a likely typo (one edit from a dictionary
// word, the language's own dictionary not knowing it), which stays for its suggestions.
enum class SpellOut { Nothing, Names, Words };

// Makes a text encodable without touching any token the dictionary holds: only a token the
// dictionary lacks is rewritten, by named rules tried in order (spaces, invisible characters,
// typographic apostrophes, telephone numbers, number signs, fractions, × and ÷, symbols, addresses,
// punctuation, joined words, digits, drawn-out letters, respellings, missing or wrong accents,
// words joined at capitals, abbreviations, compounds, spelling out when asked), so a text that
// encodes comes back byte for byte.
class Tidier {
  public:
    // The keyspace's dictionary must stay loaded and unchanged while the tidier lives.
    Tidier(const Keyspace& keyspace, std::string locale);
    ~Tidier();
    Tidier(const Tidier&) = delete;
    Tidier& operator=(const Tidier&) = delete;

    // Without suggestions the unknown words come with their counts only, and no index is built.
    TidyResult tidy(std::string_view text, bool withSuggestions = true,
                    SpellOut spellOut = SpellOut::Nothing);

    // Closest dictionary words; the index behind them is built on first use.
    std::vector<std::string> suggest(std::string_view word);

  private:
    const Keyspace& keyspace_;
    std::unique_ptr<tidy::State> state_;
    std::unique_ptr<Suggester> suggester_;
};

// A word letter by letter, blanks between: every dictionary holds the letters of its alphabet.
std::string spelledOut(std::string_view word);

// Every whole token of text equal to word, its characters from the first to the last that
// the tokenizer keeps, replaced by replacement; a capital first letter stays capital.
std::string replaceWord(std::string_view text, std::string_view word, std::string_view replacement);

// The edits replaceWord makes, in text order: where each starts, how many bytes it replaces
// and by what.
struct TextEdit {
    size_t at = 0, length = 0;
    std::string text;
};
std::vector<TextEdit> wordEdits(std::string_view text, std::string_view word,
                                std::string_view replacement);

} // namespace talvora
