#include "common.h"

#include "text.h"
#include "tokenizer.h"
#include "utf8.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace talvora::tidy {

bool isSeparatorByte(char c) {
    return isSeparator(static_cast<unsigned char>(c));
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool followsNumber(std::string_view before) {
    return before.size() >= 2 && before.back() == ' ' && isAsciiDigit(before[before.size() - 2]);
}

bool isLowerCase(char32_t c) {
    return u_islower(static_cast<UChar32>(c));
}

bool isUpperCase(char32_t c) {
    return u_isupper(static_cast<UChar32>(c));
}

bool isLetter(char32_t c) {
    return u_isalpha(static_cast<UChar32>(c));
}

bool hasLowerCase(std::string_view text) {
    for (size_t pos = 0; pos < text.size();)
        if (isLowerCase(utf8::next(text, pos)))
            return true;
    return false;
}

bool isWordChar(char32_t c) {
    return u_isalnum(static_cast<UChar32>(c)) ||
           (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_M_MASK) != 0;
}

std::string tokenOf(std::string_view piece) {
    std::string t = toLower(piece);
    std::erase_if(t, isSeparatorByte);
    return t;
}

std::vector<std::string_view> splitBlanks(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t blank = text.find(' ', start);
        parts.push_back(
            text.substr(start, blank == std::string_view::npos ? blank : blank - start));
        if (blank == std::string_view::npos)
            return parts;
        start = blank + 1;
    }
}

std::u32string decode(std::string_view text) {
    std::u32string out;
    for (size_t pos = 0; pos < text.size();)
        out += utf8::next(text, pos);
    return out;
}

std::string encode(std::u32string_view text) {
    std::string out;
    for (char32_t c : text)
        utf8::append(out, c);
    return out;
}

bool isPlaceholder(std::string_view piece) {
    auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    // Numbered with an at sign too (@1 died in @2), one or several joined by signs (@2=@1).
    bool numbered = false;
    for (size_t i = 0; i < piece.size();) {
        if (piece[i] == '@' && i + 1 < piece.size() && isAsciiDigit(piece[i + 1])) {
            const size_t from = i++;
            while (i < piece.size() && isAsciiDigit(piece[i]))
                ++i;
            numbered = i - from <= 3;
            if (!numbered)
                break;
        } else if (alnum(piece[i++])) {
            numbered = false;
            break;
        }
    }
    if (numbered)
        return true;
    // Or in braces ({0}).
    if (const size_t mark = piece.find('{'); mark != std::string_view::npos) {
        size_t end = mark + 1;
        while (end < piece.size() && isAsciiDigit(piece[end]))
            ++end;
        if (end > mark + 1 && end - mark <= 3 &&
            std::none_of(piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(mark), alnum) &&
            end < piece.size() && piece[end++] == '}' &&
            std::none_of(piece.begin() + static_cast<std::ptrdiff_t>(end), piece.end(), alnum))
            return true;
    }
    const size_t at = piece.find('%');
    if (at == std::string_view::npos || std::any_of(piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(at), alnum))
        return false;
    size_t i = at + 1;
    while (i < piece.size() && isAsciiDigit(piece[i]))
        ++i;
    auto restPlain = [&](size_t from) {
        return std::none_of(piece.begin() + static_cast<std::ptrdiff_t>(from), piece.end(), alnum);
    };
    // A numbered one (%1, %2: no percentage, whose sign follows its number).
    if (i > at + 1 && i - at <= 3 && restPlain(i))
        return true;
    // A printf conversion (%s, %d, %ld).
    if (i == at + 1) {
        size_t j = i;
        while (j < piece.size() && (piece[j] == 'l' || piece[j] == 'z' || piece[j] == 'h'))
            ++j;
        return j < piece.size() && std::string_view("sdiufxXcp").find(piece[j]) != std::string_view::npos &&
               restPlain(j + 1);
    }
    if (i + 1 >= piece.size() || piece[i] != '$' || !std::isalpha(static_cast<unsigned char>(piece[i + 1])))
        return false;
    return restPlain(i + 2);
}

bool isCode(std::string_view piece) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (size_t i = 0; i + 1 < piece.size(); ++i) {
        const char next = piece[i + 1];
        // A variable: $ before a capital or a brace; $5 is an amount.
        if (piece[i] == '$' && ((next >= 'A' && next <= 'Z') || next == '{'))
            return true;
        // An entity: &lt; &#60;
        if (piece[i] == '&' && (letter(next) || next == '#')) {
            size_t j = i + 1 + (next == '#');
            while (j < piece.size() && (letter(piece[j]) || isAsciiDigit(piece[j])))
                ++j;
            if (j < piece.size() && piece[j] == ';' && j > i + 2)
                return true;
        }
        // A pattern whose full stops stand for any sign: two after a digit, then a slash
        // (20../.): read, the number would no longer match what it matched.
        if (isAsciiDigit(piece[i]) && piece.compare(i + 1, 2, "..") == 0 &&
            piece.find('/', i + 3) != std::string_view::npos && (i + 3 == piece.size() || !isAsciiDigit(piece[i + 3])))
            return true;
    }
    // A year with its last digits left open (200X, 19xx): read, it would be a number and a
    // letter (two hundred X).
    for (size_t i = 0; i + 4 <= piece.size(); ++i) {
        const size_t digits = std::find_if_not(piece.begin() + static_cast<std::ptrdiff_t>(i), piece.end(), isAsciiDigit) -
                              piece.begin() - static_cast<std::ptrdiff_t>(i);
        if ((i > 0 && std::isalnum(static_cast<unsigned char>(piece[i - 1]))) || digits < 2 || digits > 3)
            continue;
        size_t end = i + digits;
        while (end < piece.size() && (piece[end] == 'X' || piece[end] == 'x'))
            ++end;
        // One small x after three digits is a factor's (100x).
        if (end - i == 4 && (piece[i] == '1' || piece[i] == '2') && (digits == 2 || piece[i + 3] == 'X') &&
            (end == piece.size() || !std::isalnum(static_cast<unsigned char>(piece[end]))))
            return true;
    }
    // An option, after any quote or bracket that opens it.
    size_t from = 0;
    while (from < piece.size() && !letter(piece[from]) && !isAsciiDigit(piece[from]) && piece[from] != '-')
        ++from;
    return piece.substr(from).starts_with("--") && from + 2 < piece.size() && letter(piece[from + 2]);
}

bool listed(std::span<const std::string_view> list, std::string_view word) {
    const std::string lower = toLower(word);
    return std::find(list.begin(), list.end(), lower) != list.end();
}

std::pair<size_t, size_t> coreOf(std::string_view piece) {
    size_t first = 0, last = piece.size();
    while (first < last && isSeparatorByte(piece[first]))
        ++first;
    while (last > first && isSeparatorByte(piece[last - 1]))
        --last;
    return {first, last};
}

bool isQuote(char32_t c) {
    return std::u32string_view(U"\"'“”„«»‘’‚‹›").find(c) != std::u32string_view::npos;
}

std::pair<size_t, size_t> unquotedCoreOf(std::string_view piece) {
    auto [first, last] = coreOf(piece);
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        size_t after = first;
        if (first < last && isQuote(utf8::next(piece.substr(0, last), after)) && after < last) {
            first = after;
            trimmed = true;
        }
        size_t lead = last;
        while (lead > first && (static_cast<unsigned char>(piece[lead - 1]) & 0xC0) == 0x80)
            --lead;
        if (lead > first) {
            size_t at = --lead;
            if (isQuote(utf8::next(piece.substr(0, last), at)) && lead > first) {
                last = lead;
                trimmed = true;
            }
        }
        const auto [innerFirst, innerLast] = coreOf(piece.substr(first, last - first));
        last = first + innerLast;
        first += innerFirst;
    }
    return {first, last};
}

namespace {

// Each letter of Latin-1 and Latin Extended-A (every letter of the languages' code pages)
// as its decomposition's first character. Other characters stand for themselves.
char32_t baseLetter(char32_t c) {
    static const std::array<char32_t, 0x180> bases = [] {
        std::array<char32_t, 0x180> table{};
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
        for (char32_t c = 0; c < table.size(); ++c) {
            table[c] = c;
            if (U_FAILURE(status) || !u_isalpha(static_cast<UChar32>(c)))
                continue;
            const icu::UnicodeString d =
                nfd->normalize(icu::UnicodeString(static_cast<UChar32>(c)), status);
            if (U_SUCCESS(status) && !d.isEmpty())
                table[c] = static_cast<char32_t>(d.char32At(0));
        }
        table[U'ł'] = U'l';
        table[U'Ł'] = U'L';
        table[U'ø'] = U'o';
        table[U'Ø'] = U'O';
        table[U'đ'] = U'd';
        table[U'Đ'] = U'D';
        return table;
    }();
    return c < bases.size() ? bases[c] : c;
}

} // namespace

std::u32string withoutAccents(std::u32string_view word) {
    std::u32string out(word);
    for (char32_t& c : out)
        c = baseLetter(c);
    return out;
}

bool isStressAccent(char32_t c) {
    return std::u32string_view(U"áàâéèêíìîóòôúùûýỳ").find(c) != std::u32string_view::npos;
}

bool isVowel(char32_t c) {
    return std::u32string_view(U"aeiouy").find(baseLetter(c)) != std::u32string_view::npos;
}

std::string withCapitalsOf(std::u32string_view typed, std::u32string word) {
    const bool allCapitals = std::none_of(typed.begin(), typed.end(), isLowerCase) &&
                             std::count_if(typed.begin(), typed.end(), isUpperCase) > 1;
    for (size_t i = 0; i < word.size(); ++i)
        if (allCapitals || (i < typed.size() && isUpperCase(typed[i])))
            word[i] = static_cast<char32_t>(u_toupper(static_cast<UChar32>(word[i])));
    return encode(word);
}

} // namespace talvora::tidy
