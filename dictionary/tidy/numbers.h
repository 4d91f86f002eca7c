#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unicode/plurrule.h>
#include <unicode/rbnf.h>
#include <unordered_map>

namespace talvora {
struct Language;
struct PluralWord;
struct SymbolWords;
} // namespace talvora

namespace talvora::tidy {

// Number words of the dictionary's language, made once.
struct NumberWords {
    NumberWords(const std::string& locale, const Language* language);
    ~NumberWords();

    // The number in words, hyphens of every kind as blanks, lower-case; empty when the rule
    // set is not the language's.
    std::string spell(int64_t value, std::string_view ruleSet = {}) const;
    // The ordinal rule set for the letters written right after a number, if they mark one.
    std::string_view ordinalRuleSet(std::string_view letters) const;
    // The ending's plural, where it is one ("s" for 20ths).
    std::string_view ordinalPlural(std::string_view letters) const;

    // The form of a word that follows the value ("one dollar", "pět dolarů").
    std::string_view plural(const PluralWord& word, double value) const;

    // The number a word writes whole, its words run together (cinquantaquattro: 54,
    // duemilatrecento: 2300), below a million; nothing for any other word.
    std::optional<int64_t> valueOf(std::string_view word);

    std::unique_ptr<icu::RuleBasedNumberFormat> format; // none for no known locale
    std::unique_ptr<icu::PluralRules> plurals;
    std::array<std::string, 10> digits;
    const Language* language;
    // Whether the dictionary holds a word: a number is written in the fewest words it holds.
    std::function<bool(std::string_view)> known;

  private:
    std::string writtenApart(const std::u32string& typed) const;
    // Each number below a thousand and each number of thousands, as one word; made on first use.
    std::unordered_map<std::string, int64_t> joined_;
};

class State;

// A number as written: the digits of its whole part, thousands groups joined, and its decimals.
struct WrittenNumber {
    std::string whole, decimals;
    size_t end = 0;       // where it ends in the text
    bool grouped = false; // its thousands written in groups (10,200,000): an amount, however long
    double value() const;
};

// The number that begins at pos, read with the language's thousands and decimal marks (with
// no symbols, comma and full stop both group thousands and nothing is a decimal).
// dotDecimals: the line writes decimals with a full stop where the language writes a comma,
// so a full stop groups nothing.
WrittenNumber parseNumber(std::string_view text, size_t pos, const SymbolWords* symbols, bool dotDecimals = false);

// The line writes decimals with a full stop though the language writes them with a comma: a
// number has a full stop before other than three digits (3.14159, 0.5), not in a row (1.2.3)
// nor between two single digits (2.0).
bool lineWritesDotDecimals(State& state);

// Digits as a number, or one by one for a code (a leading zero) or a long run; nothing when
// neither reads in words the dictionary holds.
// ruleSet, where given and the dictionary holds its words, reads one in a gender ("una").
std::optional<std::string> readDigits(State& state, std::string_view digits, bool asNumber = true,
                                      std::string_view ruleSet = {}, size_t longest = 7);
// The punctuation before a number with a minus sign at its end as the language's word
// ("-5": "minus five"); other punctuation as it is.
std::string readSign(State& state, std::string_view lead);
// A number with its decimals after the word for the decimal mark.
std::optional<std::string> readNumber(State& state, const WrittenNumber& number,
                                      std::string_view ruleSet = {});

} // namespace talvora::tidy
