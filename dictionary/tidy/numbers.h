#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unicode/rbnf.h>


namespace talvora {
struct Language;
}

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

    std::unique_ptr<icu::RuleBasedNumberFormat> format; // none for no known locale
    std::array<std::string, 10> digits;
    const Language* language;
};

} // namespace talvora::tidy
