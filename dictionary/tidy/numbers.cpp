// Numbers and symbols: digits as the words of the text's language.

#include "numbers.h"

#include "common.h"
#include "languages.h"
#include "rules.h"
#include "text.h"

#include <algorithm>
#include <unicode/rbnf.h>

namespace talvora::tidy {

NumberWords::NumberWords(const std::string& locale, const Language* language)
    : language(language) {
    if (!locale.empty()) {
        UErrorCode status = U_ZERO_ERROR;
        format = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                              icu::Locale(locale.c_str()), status);
        if (U_FAILURE(status))
            format.reset();
    }
    for (int d = 0; d < 10; ++d)
        digits[d] = format ? spell(d) : std::string(1, static_cast<char>('0' + d));
}

NumberWords::~NumberWords() = default;

// ICU puts soft hyphens into some languages' compounds.
std::string NumberWords::spell(int64_t value, std::string_view ruleSet) const {
    icu::UnicodeString words;
    if (ruleSet.empty()) {
        format->format(value, words);
    } else {
        UErrorCode status = U_ZERO_ERROR;
        icu::FieldPosition position;
        format->format(value, icu::UnicodeString::fromUTF8(ruleSet), words, position, status);
        if (U_FAILURE(status))
            return {};
    }
    std::string utf8;
    words.toUTF8String(utf8);
    std::u32string text = decode(utf8);
    for (char32_t& c : text)
        if (c == U'-' || c == U'\u00AD' || c == U'\u2010' || c == U'\u2011')
            c = U' ';
    return toLower(encode(text));
}

std::string_view NumberWords::ordinalRuleSet(std::string_view letters) const {
    if (!language)
        return {};
    const std::string lower = toLower(letters);
    for (const OrdinalSuffix& o : language->ordinals)
        if (o.suffix == lower)
            return o.ruleSet;
    return {};
}

// Digit groups ("512", "1,000") become number words, or the words of their digits; the
// separators between groups and other parts become blanks. Only when every word is known.
std::optional<std::string> spellDigits(State& state, const std::string& piece) {
    struct Segment {
        std::string text, digits;
        bool separatorsOnly = false;
    };
    if (std::none_of(piece.begin(), piece.end(), isAsciiDigit))
        return std::nullopt;
    std::vector<Segment> segments;
    const size_t n = piece.size();
    for (size_t i = 0; i < n;) {
        size_t j = i;
        if (isAsciiDigit(piece[i])) {
            while (j < n && isAsciiDigit(piece[j]))
                ++j;
            std::string digits = piece.substr(i, j - i);
            // Thousands written in groups of three after a comma or full stop.
            if (digits.size() <= 3)
                while (j + 3 < n && (piece[j] == ',' || piece[j] == '.') &&
                       isAsciiDigit(piece[j + 1]) && isAsciiDigit(piece[j + 2]) &&
                       isAsciiDigit(piece[j + 3]) && (j + 4 == n || !isAsciiDigit(piece[j + 4]))) {
                    digits.append(piece, j + 1, 3);
                    j += 4;
                }
            segments.push_back({piece.substr(i, j - i), digits, false});
        } else {
            bool separatorsOnly = true;
            for (; j < n && !isAsciiDigit(piece[j]); ++j)
                separatorsOnly = separatorsOnly && isSeparatorByte(piece[j]);
            segments.push_back({piece.substr(i, j - i), {}, separatorsOnly});
        }
        i = j;
    }
    const NumberWords& numbers = state.numbers();
    std::string out;
    bool afterWord = false;
    for (size_t k = 0; k < segments.size(); ++k) {
        const Segment& s = segments[k];
        if (s.separatorsOnly) {
            if (k == 0 || k + 1 == segments.size())
                out += s.text; // leading or trailing punctuation stays with the word
            else
                out += ' ';
            afterWord = false;
            continue;
        }
        if (afterWord)
            out += ' ';
        afterWord = true;
        if (s.digits.empty()) {
            const auto [from, to] = coreOf(s.text);
            if (state.known(s.text)) {
                out += s.text;
            } else if (auto letters = spellAbbreviation(state, s.text.substr(from, to - from))) {
                // MP3, ASN.1, UTF-8: punctuation between the letters and digits goes.
                if (k == 0)
                    out += s.text.substr(0, from);
                out += *letters;
                if (k + 1 == segments.size())
                    out += s.text.substr(to);
            } else {
                return std::nullopt;
            }
            continue;
        }
        // Numbers are read as numbers up to millions; codes with a leading zero and long
        // runs (telephone numbers) digit by digit.
        std::string words;
        const bool asNumber = numbers.format && s.digits.size() <= 7 &&
                              (s.digits[0] != '0' || s.digits.size() == 1);
        // An ordinal (3rd, 1er, 2ª) reads as one: "third", not "three rd".
        if (asNumber && k + 1 < segments.size() && !segments[k + 1].separatorsOnly &&
            s.text == s.digits) {
            // The suffix may carry the punctuation that ends the word ("3rd,").
            const std::string& after = segments[k + 1].text;
            size_t letters = after.size();
            while (letters > 0 && isSeparatorByte(after[letters - 1]))
                --letters;
            const std::string_view ruleSet =
                numbers.ordinalRuleSet(std::string_view(after).substr(0, letters));
            if (!ruleSet.empty() && (letters == after.size() || k + 2 == segments.size())) {
                words = numbers.spell(std::stoll(s.digits), ruleSet);
                if (!words.empty() && state.allKnown(words)) {
                    out += words;
                    out += after.substr(letters);
                    ++k;
                    continue;
                }
                words.clear();
            }
        }
        if (asNumber) {
            words = numbers.spell(std::stoll(s.digits));
            if (!state.allKnown(words))
                words.clear();
        }
        if (words.empty()) {
            for (char d : s.digits) {
                if (!words.empty())
                    words += ' ';
                words += numbers.digits[static_cast<size_t>(d - '0')];
            }
            if (!state.allKnown(words))
                return std::nullopt;
        }
        out += words;
    }
    return out;
}

} // namespace talvora::tidy
