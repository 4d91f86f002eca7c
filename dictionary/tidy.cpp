#include "tidy.h"

#include "codepage.h"
#include "keyspace.h"
#include "suggest.h"
#include "text.h"
#include "tokenizer.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <map>
#include <unicode/normalizer2.h>
#include <unicode/rbnf.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace talvora {

std::string tidyLocaleFor(std::string_view name) {
    static const struct {
        std::string_view display, file, locale;
    } table[] = {
        {"English", "eng.dic", "en"}, {"Czech", "Czech.dic", "cs"}, {"Danish", "dk.dic", "da"},
        {"Dutch", "nl.dic", "nl"},    {"French", "fr.dic", "fr"},   {"German", "de_neu.dic", "de"},
        {"Italian", "it.dic", "it"},  {"Polish", "pl.dic", "pl"},   {"Spanish", "es.dic", "es"},
        {"Swedish", "se.dic", "sv"},
    };
    if (size_t slash = name.find_last_of("/\\"); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    for (const auto& row : table)
        if (name == row.display || name == row.file)
            return std::string(row.locale);
    return {};
}

namespace {

bool isSeparatorByte(char c) {
    return isSeparator(static_cast<unsigned char>(c));
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The token a piece without blanks gives: lower-cased, separators dropped.
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

// Where a piece's word lies: from its first to its last character that is no separator.
std::pair<size_t, size_t> coreOf(std::string_view piece) {
    size_t first = 0, last = piece.size();
    while (first < last && isSeparatorByte(piece[first]))
        ++first;
    while (last > first && isSeparatorByte(piece[last - 1]))
        --last;
    return {first, last};
}

bool isLowerCase(char32_t c) {
    return u_islower(static_cast<UChar32>(c));
}

bool isUpperCase(char32_t c) {
    return u_isupper(static_cast<UChar32>(c));
}

bool hasLowerCase(std::string_view text) {
    for (size_t pos = 0; pos < text.size();)
        if (isLowerCase(utf8::next(text, pos)))
            return true;
    return false;
}

// A word joined where its capitals say (RowExclusiveLock, WhatsApp, SELinux, GSMtelefon):
// blanks before a capital that follows a small letter, and where a run of capitals meets
// small letters: before its last capital (XMLParser) or, if so told, after it (GSMtelefon).
// Nothing when no such place is found.
std::optional<std::string> splitAtCapitals(std::string_view piece, bool afterRuns) {
    const auto [first, last] = coreOf(piece);
    const std::u32string letters = decode(piece.substr(first, last - first));
    std::u32string out;
    bool split = false;
    const size_t n = letters.size();
    for (size_t i = 0; i < n; ++i) {
        const bool smallThenCapital =
            i > 0 && isLowerCase(letters[i - 1]) && isUpperCase(letters[i]);
        const bool runMeetsSmall =
            afterRuns ? i >= 2 && isUpperCase(letters[i - 2]) && isUpperCase(letters[i - 1]) &&
                            isLowerCase(letters[i])
                      : i > 0 && isUpperCase(letters[i - 1]) && isUpperCase(letters[i]) &&
                            i + 1 < n && isLowerCase(letters[i + 1]);
        if (smallThenCapital || runMeetsSmall) {
            out += U' ';
            split = true;
        }
        out += letters[i];
    }
    if (!split)
        return std::nullopt;
    return std::string(piece.substr(0, first)) + encode(out) + std::string(piece.substr(last));
}

bool isWordChar(char32_t c) {
    return u_isalnum(static_cast<UChar32>(c)) ||
           (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_M_MASK) != 0;
}

// Spaces of every kind become blanks, invisible format characters (zero-width ones, the
// soft hyphen, direction marks, emoji joiners) go, decomposed accents are composed.
// A no-break or thin space that groups thousands ("1 000", as French and others write
// them) joins its digits instead.
bool groupsThousands(const std::u32string& text, size_t i) {
    const char32_t c = text[i];
    if (c != U'\u00A0' && c != U'\u202F' && c != U'\u2009' && c != U'\u2007')
        return false;
    auto digit = [&](size_t k) { return k < text.size() && text[k] >= U'0' && text[k] <= U'9'; };
    return i > 0 && digit(i - 1) && digit(i + 1) && digit(i + 2) && digit(i + 3) && !digit(i + 4);
}

// A C1 control in a text is nearly always a windows-1252 byte read as Latin-1 on its way
// (c\u0092est for c’est): the character that byte stands for there.
char32_t windows1252Of(char32_t c) {
    if (c < 0x80 || c > 0x9F)
        return c;
    static const std::optional<CodePage> windows1252 = []() -> std::optional<CodePage> {
        try {
            return CodePage::fromName("windows-1252");
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }();
    return windows1252 ? windows1252->codePointOf(static_cast<unsigned char>(c)) : c;
}

std::string normalizeSpaces(const std::string& piece) {
    const std::u32string text = decode(piece);
    std::u32string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = windows1252Of(text[i]);
        if (c >= 0x80 && c <= 0x9F) // unassigned there too
            continue;
        if (groupsThousands(text, i))
            continue;
        // Variation selectors and the keycap mark only choose how an emoji is drawn (❤️,
        // 1️⃣).
        const bool drawingMark =
            u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_VARIATION_SELECTOR) ||
            c == U'\u20E3';
        if (u_isUWhiteSpace(static_cast<UChar32>(c)))
            out += U' ';
        else if (u_charType(static_cast<UChar32>(c)) != U_FORMAT_CHAR && !drawingMark)
            out += c;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    std::string composed = encode(out);
    if (U_FAILURE(status))
        return composed;
    icu::UnicodeString normalized = nfc->normalize(icu::UnicodeString::fromUTF8(composed), status);
    if (U_FAILURE(status))
        return composed;
    std::string result;
    normalized.toUTF8String(result);
    return result;
}

std::string plainApostrophes(const std::string& piece) {
    std::u32string text = decode(piece);
    for (char32_t& c : text)
        if (c == U'\u2019' || c == U'\u2018' || c == U'\u02BC' || c == U'\u00B4' || c == U'`' ||
            c == U'\u201B')
            c = U'\'';
    return encode(text);
}

// Punctuation and symbols that are neither letters, digits nor separators: «» „“” ¿¡ – — …
bool isStrayPunctuation(char32_t c) {
    if (c < 0x80 && (isSeparator(c) || c == ' '))
        return false;
    if (isWordChar(c))
        return false;
    const uint32_t mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    return (mask & (U_GC_P_MASK | U_GC_S_MASK)) != 0;
}

// Stray punctuation goes; a run of it with a letter or digit on both sides leaves a blank.
std::string dropPunctuation(const std::string& piece) {
    const std::u32string text = decode(piece);
    size_t firstWord = text.size(), lastWord = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (isWordChar(text[i])) {
            firstWord = std::min(firstWord, i);
            lastWord = i;
        }
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        if (!isStrayPunctuation(text[i])) {
            out += text[i++];
            continue;
        }
        size_t end = i;
        while (end < text.size() && isStrayPunctuation(text[end]))
            ++end;
        if (firstWord < i && lastWord >= end)
            out += U' ';
        i = end;
    }
    return encode(out);
}

// Separators standing between two parts of a word become a blank.
std::string splitAtSeparators(const std::string& piece) {
    const auto [first, last] = coreOf(piece);
    std::string out = piece.substr(0, first);
    for (size_t i = first; i < last;) {
        if (!isSeparatorByte(piece[i])) {
            out += piece[i++];
            continue;
        }
        while (i < last && isSeparatorByte(piece[i]))
            ++i;
        out += ' ';
    }
    out += piece.substr(last);
    return out;
}

// Letters that join the parts of a compound and belong to neither (Arbeit-s-zeit,
// gränssnitt-s-komponent, hond-en-mand).
std::vector<std::u32string_view> linkingElements(const std::string& locale) {
    if (locale == "de" || locale == "nl")
        return {U"s", U"e", U"n", U"en", U"er"};
    if (locale == "da" || locale == "sv")
        return {U"s"};
    return {};
}

// The prefix that negates a word, written joined to it.
std::string_view negationPrefix(const std::string& locale) {
    return locale == "cs" ? "ne" : locale == "pl" ? "nie" : "";
}

} // namespace

// How a language writes ordinals after the digits (3rd, 1er, 2e, 1º, 1ª), and ICU's spell-out
// rule set that reads them. Languages that write "3." need none: the full stop separates.
struct OrdinalSuffix {
    std::string_view locale, suffix, ruleSet;
};
constexpr OrdinalSuffix ordinalSuffixes[] = {
    {"en", "st", "%spellout-ordinal"},
    {"en", "nd", "%spellout-ordinal"},
    {"en", "rd", "%spellout-ordinal"},
    {"en", "th", "%spellout-ordinal"},
    {"fr", "er", "%spellout-ordinal-masculine"},
    {"fr", "re", "%spellout-ordinal-feminine"},
    {"fr", "e", "%spellout-ordinal-masculine"},
    {"fr", "ème", "%spellout-ordinal-masculine"},
    {"fr", "eme", "%spellout-ordinal-masculine"},
    {"fr", "ers", "%spellout-ordinal-masculine-plural"},
    {"fr", "res", "%spellout-ordinal-feminine-plural"},
    {"fr", "nd", "%spellout-ordinal-masculine"},
    {"fr", "nde", "%spellout-ordinal-feminine"},
    {"fr", "es", "%spellout-ordinal-masculine-plural"},
    {"fr", "èmes", "%spellout-ordinal-masculine-plural"},
    {"es", "º", "%spellout-ordinal-masculine"},
    {"es", "o", "%spellout-ordinal-masculine"},
    {"es", "ª", "%spellout-ordinal-feminine"},
    {"es", "a", "%spellout-ordinal-feminine"},
    {"es", "er", "%spellout-ordinal-masculine-adjective"},
    {"es", "os", "%spellout-ordinal-masculine-plural"},
    {"es", "as", "%spellout-ordinal-feminine-plural"},
    {"it", "º", "%spellout-ordinal-masculine"},
    {"it", "o", "%spellout-ordinal-masculine"},
    {"it", "ª", "%spellout-ordinal-feminine"},
    {"it", "a", "%spellout-ordinal-feminine"},
    {"nl", "e", "%spellout-ordinal"},
    {"nl", "ste", "%spellout-ordinal"},
    {"nl", "de", "%spellout-ordinal"},
};

// Number words of the dictionary's language, made once.
struct Tidier::Numbers {
    std::unique_ptr<icu::RuleBasedNumberFormat> format;
    std::array<std::string, 10> digits;
    std::string locale;

    explicit Numbers(const std::string& locale) : locale(locale) {
        if (!locale.empty()) {
            UErrorCode status = U_ZERO_ERROR;
            format = std::make_unique<icu::RuleBasedNumberFormat>(
                icu::URBNF_SPELLOUT, icu::Locale(locale.c_str()), status);
            if (U_FAILURE(status))
                format.reset();
        }
        for (int d = 0; d < 10; ++d)
            digits[d] = format ? spell(d) : std::string(1, static_cast<char>('0' + d));
    }

    // The number in words, hyphens of every kind (ICU puts soft hyphens into some
    // languages' compounds) as blanks, lower-case.
    std::string spell(int64_t value, std::string_view ruleSet = {}) const {
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

    // The ordinal rule set for the letters written right after a number, if they mark one.
    std::string_view ordinalRuleSet(std::string_view letters) const {
        const std::string lower = toLower(letters);
        for (const OrdinalSuffix& o : ordinalSuffixes)
            if (o.locale == locale && o.suffix == lower)
                return o.ruleSet;
        return {};
    }
};

Tidier::Tidier(const Keyspace& keyspace, std::string locale)
    : keyspace_(keyspace), locale_(std::move(locale)) {}

Tidier::~Tidier() = default;

bool Tidier::known(std::string_view piece) const {
    std::string token = tokenOf(piece);
    return token.empty() || keyspace_.findWord(token) != 0;
}

bool Tidier::allKnown(std::string_view pieces) const {
    for (std::string_view p : splitBlanks(pieces))
        if (!known(p))
            return false;
    return true;
}

// Digit groups ("512", "1,000") become number words, or the words of their digits; the
// separators between groups and other parts become blanks. Only when every word is known.
std::optional<std::string> Tidier::spellDigits(const std::string& piece) {
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
    if (!numbers_)
        numbers_ = std::make_unique<Numbers>(locale_);
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
            if (known(s.text)) {
                out += s.text;
            } else if (const auto [from, to] = coreOf(s.text);
                       auto letters = spellAbbreviation(s.text.substr(from, to - from))) {
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
        const bool asNumber = numbers_->format && s.digits.size() <= 7 &&
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
                numbers_->ordinalRuleSet(std::string_view(after).substr(0, letters));
            if (!ruleSet.empty() && (letters == after.size() || k + 2 == segments.size())) {
                words = numbers_->spell(std::stoll(s.digits), ruleSet);
                if (!words.empty() && allKnown(words)) {
                    out += words;
                    out += after.substr(letters);
                    ++k;
                    continue;
                }
                words.clear();
            }
        }
        if (asNumber) {
            words = numbers_->spell(std::stoll(s.digits));
            if (!allKnown(words))
                words.clear();
        }
        if (words.empty()) {
            for (char d : s.digits) {
                if (!words.empty())
                    words += ' ';
                words += numbers_->digits[static_cast<size_t>(d - '0')];
            }
            if (!allKnown(words))
                return std::nullopt;
        }
        out += words;
    }
    return out;
}

// A compound the dictionary lacks (ausgabedatei, slutstatus) as its dictionary words: two
// parts, or three if two will not do; a Czech or Polish negated word as ne or nie and the
// word. Fewest parts first, then parts of four letters or more, then parts exactly as the
// dictionary holds them before dropping a linking letter, then the longest first part. The
// work is bounded: long words and runs of look-ups stop the search, since the word stays
// reported either way.
std::optional<std::string> Tidier::splitCompound(const std::string& piece) const {
    constexpr size_t MaxLetters = 40;
    constexpr int MaxLookups = 2000;
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    const std::string lower = toLower(core);
    // Czech and Polish write "not" joined to the word it denies (nevyléčitelná, neměj,
    // niewykrywalny); the dictionary may hold only the word, and the two side by side read
    // the same.
    if (const std::string_view prefix = negationPrefix(locale_);
        !prefix.empty() && lower.size() > prefix.size() && lower.starts_with(prefix) &&
        keyspace_.findWord(prefix) != 0 &&
        keyspace_.findWord(std::string_view(lower).substr(prefix.size())) != 0)
        return piece.substr(0, first) + core.substr(0, prefix.size()) + ' ' +
               core.substr(prefix.size()) + piece.substr(last);
    if (core.size() < 6 || core.size() > 4 * MaxLetters)
        return std::nullopt;
    const std::u32string letters = decode(core);
    const std::u32string lowerLetters = decode(lower);
    const size_t n = letters.size();
    if (n < 6 || n > MaxLetters || lowerLetters.size() != n ||
        !std::all_of(letters.begin(), letters.end(),
                     [](char32_t c) { return u_isalpha(static_cast<UChar32>(c)); }))
        return std::nullopt;
    // Capitals inside a word in small letters (GStreamer, WhatsApp) mark where it is joined,
    // and nowhere else: the rule for them has split it there if it could.
    if (std::any_of(letters.begin(), letters.end(), isLowerCase) &&
        std::any_of(letters.begin() + 1, letters.end(), isUpperCase))
        return std::nullopt;
    // Byte offsets of each letter, in the text as written and lower-cased.
    std::vector<size_t> at(n + 1), lowerAt(n + 1);
    for (size_t i = 0, pos = 0, lowerPos = 0; i < n; ++i) {
        utf8::next(core, pos);
        utf8::next(lower, lowerPos);
        at[i + 1] = pos;
        lowerAt[i + 1] = lowerPos;
    }
    const std::vector<std::u32string_view> links = linkingElements(locale_);
    int lookups = MaxLookups;
    auto isWord = [&](size_t from, size_t to) {
        --lookups;
        return keyspace_.findWord(
                   std::string_view(lower).substr(lowerAt[from], lowerAt[to] - lowerAt[from])) != 0;
    };
    using Span = std::pair<size_t, size_t>; // a part's letters, without its linking letters
    std::vector<Span> spans;
    // The parts from letter `from` to the end; a part but the last may be followed by a
    // linking element. Longest first part first.
    auto search = [&](auto& self, size_t from, int parts, size_t minPart, bool linked) -> bool {
        if (parts == 1) {
            if (n - from < minPart || lookups <= 0 || !isWord(from, n))
                return false;
            spans.emplace_back(from, n);
            return true;
        }
        const size_t room = static_cast<size_t>(parts - 1) * minPart;
        if (n < from + minPart + room)
            return false;
        for (size_t next = n - room; next >= from + minPart && lookups > 0; --next) {
            if (isWord(from, next) && self(self, next, parts - 1, minPart, linked)) {
                spans.emplace_back(from, next);
                return true;
            }
            for (size_t k = 0; linked && k < links.size(); ++k) {
                const size_t end = next - links[k].size();
                if (end >= from + std::max<size_t>(minPart, 4) &&
                    std::u32string_view(lowerLetters).substr(end, links[k].size()) == links[k] &&
                    isWord(from, end) && self(self, next, parts - 1, minPart, linked)) {
                    spans.emplace_back(from, end);
                    return true;
                }
            }
        }
        return false;
    };
    // Short pieces split misspellings into junk (sep rate, nec ces ary): a three-letter part
    // only in two parts beside a longer one, and a linking letter only after four letters.
    static constexpr struct {
        int parts;
        size_t minPart;
        bool linked;
    } passes[] = {{2, 4, false}, {2, 4, true},  {2, 3, false},
                  {2, 3, true},  {3, 4, false}, {3, 4, true}};
    for (const auto& pass : passes) {
        if ((pass.linked && links.empty()) || n < static_cast<size_t>(pass.parts) * 4 - 1)
            continue;
        spans.clear();
        if (!search(search, 0, pass.parts, pass.minPart, pass.linked))
            continue;
        // Found last part first.
        std::string out = piece.substr(0, first);
        for (auto it = spans.rbegin(); it != spans.rend(); ++it) {
            if (it != spans.rbegin())
                out += ' ';
            out.append(core, at[it->first], at[it->second] - at[it->first]);
        }
        out += piece.substr(last);
        return out;
    }
    return std::nullopt;
}

namespace {

// Each letter of Latin-1 and Latin Extended-A (every letter of the languages' code pages)
// as its base letter: its decomposition's first character (é, è, ě as e), ł, ø and đ as
// l, o and d. Other characters stand for themselves.
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

std::u32string withoutAccents(std::u32string_view word) {
    std::u32string out(word);
    for (char32_t& c : out)
        c = baseLetter(c);
    return out;
}

// Of the candidates offered, the one of lowest rank; none when several share it: the word is
// then left to the report rather than guessed.
template <class Word, class Rank> class UniqueBest {
  public:
    void offer(const Word& word, const Rank& rank) {
        if (count_ == 0 || rank < rank_) {
            best_ = word;
            rank_ = rank;
            count_ = 1;
        } else if (rank == rank_ && word != best_) {
            ++count_;
        }
    }
    const Word* get() const { return count_ == 1 ? &best_ : nullptr; }
    const Rank& rank() const { return rank_; }

  private:
    Word best_{};
    Rank rank_{};
    int count_ = 0;
};

uint64_t hashOf(std::u32string_view word) {
    return std::hash<std::u32string_view>{}(word);
}

// A dictionary word with the capitals of the word as typed: letter by letter, and the whole
// word when it was typed in capitals (a respelled word may be shorter: ANSCHLAEGE).
std::string withCapitalsOf(std::u32string_view typed, std::u32string word) {
    auto upper = [](char32_t c) { return u_isupper(static_cast<UChar32>(c)) != 0; };
    const bool allCapitals =
        std::none_of(typed.begin(), typed.end(),
                     [](char32_t c) { return u_islower(static_cast<UChar32>(c)); }) &&
        std::count_if(typed.begin(), typed.end(), upper) > 1;
    for (size_t i = 0; i < word.size(); ++i)
        if (allCapitals || (i < typed.size() && upper(typed[i])))
            word[i] = static_cast<char32_t>(u_toupper(static_cast<UChar32>(word[i])));
    return encode(word);
}

} // namespace

// The dictionary's words by their letters without accents (hash, row), sorted: built once,
// when a word first needs it.
struct Tidier::Accents {
    std::vector<std::pair<uint64_t, uint32_t>> byPlainForm;

    explicit Accents(const Keyspace& ks) {
        byPlainForm.reserve(ks.wordCount());
        for (uint32_t row = 1; row <= ks.wordCount(); ++row)
            byPlainForm.emplace_back(hashOf(withoutAccents(decode(ks.word(row)))), row);
        std::sort(byPlainForm.begin(), byPlainForm.end());
    }
};

// A word typed without its accents or with wrong ones (dekuji, prilis, cancion, piú,
// konvertér) as the dictionary word that has the same letters but for their accents, the
// one of fewest differences (an accent changed counts half of one added or dropped). When
// two or more would do, it is left to the report.
std::optional<std::string> Tidier::fixAccents(const std::string& piece) {
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    const std::u32string letters = decode(core);
    const std::u32string lower = decode(toLower(core));
    if (letters.size() < 2 || lower.size() != letters.size() ||
        !std::all_of(letters.begin(), letters.end(),
                     [](char32_t c) { return u_isalpha(static_cast<UChar32>(c)); }))
        return std::nullopt;
    if (!accents_)
        accents_ = std::make_unique<Accents>(keyspace_);
    const std::u32string plain = withoutAccents(lower);
    const auto& index = accents_->byPlainForm;
    const uint64_t hash = hashOf(plain);
    auto it = std::lower_bound(index.begin(), index.end(), std::make_pair(hash, uint32_t{0}));
    UniqueBest<std::u32string, size_t> best;
    for (; it != index.end() && it->first == hash; ++it) {
        const std::u32string word = decode(keyspace_.word(it->second));
        if (word.size() != lower.size() || withoutAccents(word) != plain)
            continue;
        // One accent written for another (dèr for dér, perchè) is nearer than an accent
        // added or left out: whoever typed one meant the letter to carry one.
        size_t differences = 0;
        for (size_t i = 0; i < word.size(); ++i)
            if (word[i] != lower[i])
                differences += word[i] != plain[i] && lower[i] != plain[i] ? 1 : 2;
        best.offer(word, differences);
    }
    if (!best.get() || best.rank() == 0)
        return std::nullopt;
    return piece.substr(0, first) + withCapitalsOf(letters, *best.get()) + piece.substr(last);
}

// Letters written the way a keyboard without them allows (Anschlaege, Gruesse, paa), in an
// older or the Swiss spelling (mißlich, heisst), or as Czech is spoken (dobrej, velkýho,
// vylejzal): each such spot may stand for what the written language puts there. Of the
// spellings that are dictionary words, the one of fewest changes, when it is the only one.
struct Respelling {
    std::string_view locale, typed, meant;
};
constexpr Respelling respellings[] = {
    {"de", "ae", "ä"},    {"de", "oe", "ö"},    {"de", "ue", "ü"}, {"de", "ß", "ss"},
    {"de", "ss", "ß"},    {"da", "aa", "å"},    {"da", "ae", "æ"}, {"da", "oe", "ø"},
    {"cs", "ýho", "ého"}, {"cs", "ýmu", "ému"}, {"cs", "ej", "ý"}, {"cs", "ej", "é"},
};

std::optional<std::string> Tidier::respell(const std::string& piece) const {
    constexpr size_t MaxSpots = 6;
    if (std::none_of(std::begin(respellings), std::end(respellings),
                     [&](const Respelling& r) { return r.locale == locale_; }))
        return std::nullopt;
    const auto [first, last] = coreOf(piece);
    const std::string lower = toLower(piece.substr(first, last - first));
    // Each spot: where it starts, how many bytes it covers, and what may stand there.
    struct Spot {
        size_t at, length;
        std::vector<std::string_view> meant;
    };
    std::vector<Spot> spots;
    for (size_t i = 0; i < lower.size() && spots.size() < MaxSpots;) {
        Spot spot{i, 0, {}};
        for (const Respelling& r : respellings)
            if (r.locale == locale_ && lower.compare(i, r.typed.size(), r.typed) == 0 &&
                (spot.meant.empty() || r.typed.size() == spot.length)) {
                spot.length = r.typed.size();
                spot.meant.push_back(r.meant);
            }
        if (spot.meant.empty()) {
            ++i;
            continue;
        }
        i += spot.length;
        spots.push_back(std::move(spot));
    }
    // Every choice per spot: as typed (0) or one of its meanings (1 on).
    std::vector<size_t> choice(spots.size(), 0);
    // Fewest changes first; then a spot's first meaning before its others (dobrej as dobrý,
    // not dobré).
    UniqueBest<std::string, std::pair<size_t, size_t>> best;
    for (;;) {
        size_t k = 0;
        for (; k < spots.size() && ++choice[k] > spots[k].meant.size(); ++k)
            choice[k] = 0;
        if (k == spots.size())
            break;
        std::string word;
        size_t from = 0;
        std::pair<size_t, size_t> rank{0, 0};
        for (size_t j = 0; j < spots.size(); ++j) {
            if (choice[j] == 0)
                continue;
            word.append(lower, from, spots[j].at - from);
            word += spots[j].meant[choice[j] - 1];
            from = spots[j].at + spots[j].length;
            ++rank.first;
            rank.second += choice[j] - 1;
        }
        word.append(lower, from);
        if (known(word))
            best.offer(word, rank);
    }
    if (!best.get())
        return std::nullopt;
    return piece.substr(0, first) +
           withCapitalsOf(decode(piece.substr(first, last - first)), decode(*best.get())) +
           piece.substr(last);
}

// An abbreviation the dictionary lacks (RSA, QWERTZ, CRLs) as its letters, each a dictionary
// word: "R S A", read as the abbreviation is read. Only in a line that also has lower-case
// letters: where everything is in capitals the words are shouted, not abbreviated, and an
// unknown one is better reported with its suggestions.
std::optional<std::string> Tidier::spellAbbreviation(std::string_view piece) const {
    constexpr size_t MaxLetters = 6;
    if (!lineHasLowerCase_)
        return std::nullopt;
    const auto [first, last] = coreOf(piece);
    const std::u32string letters = decode(piece.substr(first, last - first));
    size_t capitals = letters.size();
    if (capitals > 2 && letters.back() == U's') // a plural: CRLs, PDFs
        --capitals;
    if (capitals < 2 || capitals > MaxLetters)
        return std::nullopt;
    std::string spelt;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (i < capitals ? !isUpperCase(letters[i]) : !isLowerCase(letters[i]))
            return std::nullopt;
        const std::string letter = encode(std::u32string(1, letters[i]));
        if (!known(letter))
            return std::nullopt;
        if (!spelt.empty())
            spelt += ' ';
        spelt += letter;
    }
    return std::string(piece.substr(0, first)) + spelt + std::string(piece.substr(last));
}

// Letters drawn out for effect (sooo, Nooo, crrruel, cooool): each run of three or more of
// one letter kept once or twice, the word that takes out fewest letters first (cool before
// col); when two would do, it is left to the report. Roman numerals in capitals (XIII) and
// one letter over and over (www, HHHHHHHH) are no drawn-out words.
std::optional<std::string> Tidier::unstretch(const std::string& piece) const {
    constexpr size_t MaxRuns = 4;
    const auto [first, last] = coreOf(piece);
    const std::u32string typed = decode(piece.substr(first, last - first));
    const std::u32string lower = decode(toLower(piece.substr(first, last - first)));
    if (lower.size() != typed.size() || std::all_of(typed.begin(), typed.end(), [](char32_t c) {
            return std::u32string_view(U"IVXLCDM").find(c) != std::u32string_view::npos;
        }))
        return std::nullopt;
    std::vector<std::pair<size_t, size_t>> runs; // start and length
    for (size_t i = 0; i < lower.size();) {
        size_t j = i + 1;
        while (j < lower.size() && lower[j] == lower[i])
            ++j;
        if (j - i == lower.size())
            return std::nullopt;
        if (j - i >= 3 && u_isalpha(static_cast<UChar32>(lower[i]))) {
            if (runs.size() == MaxRuns)
                return std::nullopt;
            runs.emplace_back(i, j - i);
        }
        i = j;
    }
    UniqueBest<std::u32string, size_t> best;
    // Bit k set: run k keeps one letter, otherwise two.
    for (uint32_t mask = 0; !runs.empty() && mask < (1u << runs.size()); ++mask) {
        std::u32string word;
        size_t from = 0, removed = 0;
        for (size_t k = 0; k < runs.size(); ++k) {
            const auto [start, length] = runs[k];
            const size_t keep = (mask & (1u << k)) ? 1 : 2;
            word.append(typed, from, start - from);
            word.append(typed, start, keep);
            removed += length - keep;
            from = start + length;
        }
        word.append(typed, from);
        if (known(encode(word)))
            best.offer(word, removed);
    }
    if (!best.get())
        return std::nullopt;
    return piece.substr(0, first) + encode(*best.get()) + piece.substr(last);
}

std::optional<std::string> Tidier::applyRule(int rule, const std::string& piece) {
    switch (rule) {
    case 1:
        return normalizeSpaces(piece);
    case 2:
        return plainApostrophes(piece);
    case 3:
        return dropPunctuation(piece);
    case 4: {
        // Every part must end up a word, as it stands or through the later rules
        // (Ausgabedatei-Name, Peťa-Cancion); digit groups ("1,000") are the number rule's.
        const std::string split = splitAtSeparators(piece);
        if (split == piece)
            return std::nullopt;
        const bool digits = std::any_of(piece.begin(), piece.end(), isAsciiDigit);
        std::string parts = digits ? split : resolveParts(split, 5);
        if (!allKnown(parts))
            return std::nullopt;
        return parts;
    }
    case 5:
        return spellDigits(piece);
    case 6:
        if (auto shortened = unstretch(piece))
            return shortened;
        if (auto respelled = respell(piece))
            return respelled;
        return fixAccents(piece);
    case 7:
        for (bool afterRuns : {false, true}) {
            const std::optional<std::string> split = splitAtCapitals(piece, afterRuns);
            if (!split)
                continue;
            // Each part from the digit rule on: IPv6, SOCKSv5-Proxy.
            std::string parts = resolveParts(*split, 5);
            if (allKnown(parts))
                return parts;
        }
        return std::nullopt;
    case 8:
        return spellAbbreviation(piece);
    case 9:
        return splitCompound(piece);
    default:
        return std::nullopt;
    }
}

// A piece without blanks whose token the dictionary lacks: the rules from rule on, in
// order; the first that changes it hands each part of the result, unless known, to the
// next rules. What no rule helps stays as the earlier rules left it.
std::string Tidier::resolve(std::string piece, int rule) {
    for (; rule <= LastRule; ++rule) {
        std::optional<std::string> out = applyRule(rule, piece);
        if (out && *out != piece)
            return resolveParts(*out, rule + 1);
    }
    return piece;
}

// Each blank-separated part of pieces as it stands when known, otherwise through the rules
// from rule on.
std::string Tidier::resolveParts(const std::string& pieces, int rule) {
    std::string result;
    bool first = true;
    for (std::string_view part : splitBlanks(pieces)) {
        if (!first)
            result += ' ';
        first = false;
        result += known(part) ? std::string(part) : resolve(std::string(part), rule);
    }
    return result;
}

namespace {

// Calls span for each token's stretch of text and copies the cuts between them (a blank or a
// CR LF pair, where the tokenizer cuts) to out unchanged.
template <class Span> void forEachSpan(std::string_view text, std::string& out, Span span) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            span(text.substr(start, i - start));
            out += ' ';
            start = i + 1;
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            span(text.substr(start, i - start));
            out += "\r\n";
            start = ++i + 1;
        }
    }
    span(text.substr(start));
}

} // namespace

TidyResult Tidier::tidy(std::string_view text, bool withSuggestions) {
    TidyResult result;
    std::string& out = result.text;
    out.reserve(text.size());
    // The line a piece lies on tells an abbreviation from a shouted word.
    std::optional<size_t> lineEnd;
    auto span = [&](std::string_view piece) {
        const auto at = static_cast<size_t>(piece.data() - text.data());
        if (!lineEnd || at > *lineEnd) {
            lineEnd = std::min(text.find("\r\n", at), text.size());
            lineHasLowerCase_ = hasLowerCase(text.substr(at, *lineEnd - at));
        }
        if (known(piece)) {
            out += piece;
            return;
        }
        std::string tidied = resolve(std::string(piece), 1);
        if (tidied != piece)
            ++result.rewritten;
        out += tidied;
    };
    forEachSpan(text, out, span);

    std::map<std::string, size_t> seen;
    for (std::string& token : parseText(out)) {
        if (token.empty() || keyspace_.findWord(token) != 0)
            continue;
        auto [it, added] = seen.try_emplace(token, result.unknown.size());
        if (added)
            result.unknown.push_back({token, 0, {}});
        ++result.unknown[it->second].count;
    }
    if (withSuggestions)
        for (UnknownWord& u : result.unknown)
            u.suggestions = suggest(u.word);
    return result;
}

std::vector<std::string> Tidier::suggest(std::string_view word) {
    if (!suggester_)
        suggester_ = std::make_unique<Suggester>(keyspace_.words());
    return suggester_->suggest(word);
}

std::string replaceWord(std::string_view text, std::string_view word,
                        std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    auto span = [&](std::string_view piece) {
        if (word.empty() || tokenOf(piece) != word) {
            out += piece;
            return;
        }
        const auto [first, last] = coreOf(piece);
        out += piece.substr(0, first);
        size_t pos = first;
        const bool capital = u_isupper(static_cast<UChar32>(utf8::next(piece, pos)));
        if (capital && !replacement.empty()) {
            size_t rest = 0;
            utf8::append(out, static_cast<char32_t>(
                                  u_toupper(static_cast<UChar32>(utf8::next(replacement, rest)))));
            out += replacement.substr(rest);
        } else {
            out += replacement;
        }
        out += piece.substr(last);
    };
    forEachSpan(text, out, span);
    return out;
}

} // namespace talvora
