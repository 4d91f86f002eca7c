// Spaces and punctuation: what a text carries around and between its words.

#include "codepage.h"
#include "common.h"
#include "languages.h"
#include "lowercase.h"
#include "morphology.h"
#include "rules.h"
#include "tokenizer.h"

#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace talvora::tidy {

namespace {

// A no-break or thin space that groups thousands ("1 000", as French and others write
// them) groups them as the language's mark would, instead of parting them.
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

// Punctuation and symbols that are neither letters, digits nor separators: «» „“” ¿¡ – — …
bool isStrayPunctuation(char32_t c) {
    if (c < 0x80 && (isSeparator(c) || c == ' '))
        return false;
    if (isWordChar(c))
        return false;
    const uint32_t mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    return (mask & (U_GC_P_MASK | U_GC_S_MASK)) != 0;
}

// Signs of mathematics say something (×, ÷, ∧, ∨, ±): they stay, for the report if no rule
// reads them. An arrow only points (Edit → Preferences), unless it begins a word: the name
// of a button (↑n, ↓n).
bool saysSomething(std::u32string_view text, size_t i) {
    const char32_t c = text[i];
    // A backtick left by the apostrophe rule is its key's name.
    if (c == U'`')
        return true;
    if (u_charType(static_cast<UChar32>(c)) != U_MATH_SYMBOL || c == U'\u2212')
        return false;
    const bool arrow = c >= U'\u2190' && c <= U'\u21FF';
    return !arrow || ((i == 0 || !isWordChar(text[i - 1])) && i + 1 < text.size() && isWordChar(text[i + 1]));
}

// A quote opened right after a word, or the comma after one, and closed within the piece
// (esempio,"ldap.example.org"): the blank before it was left out, and without it the quoted
// address or path would read as part of the word.
bool opensQuoteAfterWord(std::u32string_view text, size_t i) {
    constexpr std::u32string_view opening = U"\"\u201C\u201E\u00AB";
    constexpr std::u32string_view closing = U"\"\u201C\u201D\u00BB";
    if (i == 0 || i + 2 >= text.size() || opening.find(text[i]) == std::u32string_view::npos ||
        !(isLetter(text[i - 1]) || text[i - 1] == U',' || text[i - 1] == U';'))
        return false;
    const size_t close = text.find_first_of(closing, i + 2);
    return close != std::u32string_view::npos &&
           text.substr(0, i).find_first_of(opening) == std::u32string_view::npos;
}

} // namespace

// Spaces of every kind become blanks, invisible format characters (zero-width ones, the
// soft hyphen, direction marks, emoji joiners) go, decomposed accents are composed.
std::optional<std::string> normalizeSpaces(State& state, const std::string& piece) {
    const std::u32string text = decode(piece);
    const char32_t groupMark = state.symbols() && state.symbols()->decimalMark == ',' ? U'.' : U',';
    std::u32string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = windows1252Of(text[i]);
        if (c >= 0x80 && c <= 0x9F) // unassigned there too
            continue;
        if (groupsThousands(text, i)) {
            out += groupMark;
            continue;
        }
        // Variation selectors and the keycap mark only choose how an emoji is drawn (❤️,
        // 1️⃣).
        const bool drawingMark =
            u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_VARIATION_SELECTOR) ||
            c == U'\u20E3';
        if (u_isUWhiteSpace(static_cast<UChar32>(c)))
            out += U' ';
        else if (opensQuoteAfterWord(text, i))
            out += std::u32string{U' ', c};
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

std::optional<std::string> plainApostrophes(State& state, const std::string& piece) {
    // A mark in single quotes is left to the punctuation rule to name (‘:’): made plain, the
    // quotes and the mark would all be folded away and the piece taken for known.
    if (nameQuotedMark(state, piece))
        return std::nullopt;
    std::u32string text = decode(piece);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t& c = text[i];
        // A backtick, or a run of them, with no letter beside it names its key (`-tasten), not
        // an apostrophe (don`t, ``quoted'').
        size_t from = i, to = i;
        while (from > 0 && text[from - 1] == U'`')
            --from;
        while (to < text.size() && text[to] == U'`')
            ++to;
        const bool backtick = c == U'`' && ((from > 0 && isLetter(text[from - 1])) ||
                                            (to < text.size() && isLetter(text[to])));
        if (c == U'\u2019' || c == U'\u2018' || c == U'\u02BC' || c == U'\u00B4' || backtick || c == U'\u201B')
            c = U'\'';
    }
    return encode(text);
}

// The language's word for a mark it names in quotes (“;”, ';', '/'), or none.
static std::string_view markName(const SymbolWords& symbols, char32_t mark) {
    return mark == U';'   ? symbols.semicolon
           : mark == U':' ? symbols.colon
           : mark == U',' ? symbols.comma
           : mark == U'+' ? symbols.plus
           : mark == U'-' ? symbols.minus
           : mark == U'/' ? symbols.slash
                          : std::string_view();
}

std::optional<std::string> nameQuotedMark(const State& state, std::string_view piece) {
    // Asked of every piece the dictionary holds: most have no mark, and none needs the line.
    const SymbolWords* symbols = state.symbols();
    if (!symbols || piece.find_first_of(";:,+-/") == std::string_view::npos)
        return std::nullopt;
    const std::u32string text = decode(piece);
    auto blank = [](char32_t c) { return c == U' ' || c == U'\u00A0' || c == U'\u202F'; };
    // Quoted within the piece (“;”), or standing apart between quotes (« ; »).
    size_t mark = 1, end = 3;
    if (text.size() == 1) {
        std::u32string before = decode(state.before), after = decode(state.after);
        while (!before.empty() && blank(before.back()))
            before.pop_back();
        size_t a = 0;
        while (a < after.size() && blank(after[a]))
            ++a;
        // Typographic quotes that open and close a quotation around it: straight ones, or
        // one that closes a quotation before it, tell nothing («a» , «b»).
        static constexpr std::u32string_view pairs[] = {U"«»", U"„“", U"„”", U"“”", U"‘’", U"‚‘", U"‹›"};
        if (before.empty() || a == after.size() ||
            std::none_of(std::begin(pairs), std::end(pairs), [&](std::u32string_view p) {
                return p[0] == before.back() && p[1] == after[a];
            }))
            return std::nullopt;
        mark = 0;
        end = 1;
    } else if (text.size() < 3 || !isQuote(text[0]) || !isQuote(text[2])) {
        return std::nullopt;
    }
    const std::string_view name = markName(*symbols, text[mark]);
    if (name.empty() || !state.allKnown(name))
        return std::nullopt;
    while (end < text.size() && isQuote(text[end]))
        ++end;
    return std::string(name) + encode(std::u32string_view(text).substr(end));
}

// Stray punctuation goes; a run of it with a letter or digit on both sides leaves a blank.
// Markup's tags in square brackets ([b]Strength[/b]) format the words and say nothing: read,
// their letters would be words of their own ("b Strength b"). Only formatting's tags, and a
// colour's letter ([r]): a word in brackets ([address]:port) is the text's.
std::u32string withoutMarkup(std::u32string text) {
    static constexpr std::u32string_view tags[] = {U"b", U"i", U"u", U"s", U"em", U"strong", U"tt", U"code",
                                                   U"url", U"img", U"quote", U"center", U"sub", U"sup"};
    for (size_t open = text.find(U'['); open != std::u32string::npos; open = text.find(U'[', open)) {
        size_t end = open + 1 + (open + 1 < text.size() && text[open + 1] == U'/');
        const size_t letters = end;
        while (end < text.size() && end - letters < 8 && text[end] < 0x80 && std::isalpha(static_cast<int>(text[end])))
            ++end;
        const std::u32string_view tag = std::u32string_view(text).substr(letters, end - letters);
        if (end < text.size() && text[end] == U']' &&
            (tag.size() == 1 || std::find(std::begin(tags), std::end(tags), tag) != std::end(tags)))
            text.erase(open, end + 1 - open);
        else
            ++open;
    }
    return text;
}

std::optional<std::string> dropPunctuation(State& state, const std::string& piece) {
    const std::u32string text = withoutMarkup(decode(piece));
    if (text.empty())
        return std::string();
    if (std::optional<std::string> named = nameQuotedMark(state, piece))
        return named;
    // A sign in quotes with no word is what the sentence speaks of (the separator “︰”, shown
    // as ”…”): dropped, the sentence would speak of nothing; it stays for the report.
    std::u32string_view quoted = text;
    while (!quoted.empty() && quoted.back() < 0x80 && isSeparator(quoted.back()) && !isQuote(quoted.back()))
        quoted.remove_suffix(1);
    if (quoted.size() >= 3 && isQuote(quoted.front()) && isQuote(quoted.back()) &&
        std::none_of(quoted.begin(), quoted.end(), isWordChar) &&
        std::any_of(quoted.begin(), quoted.end(), [&](char32_t c) { return !isQuote(c) && !isSeparator(c); }))
        return std::nullopt;
    // A word written for both genders (utilisateur·rice, connecté·e·s) holds two forms in
    // one, as a bracketed ending does: apart, its endings would read as words ("rice"). It
    // stays as typed. An ending is short and no word of the language (wait·back is two).
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] != U'\u00B7' || !isLetter(text[i - 1]))
            continue;
        size_t end = i + 1;
        while (end < text.size() && isLowerCase(text[end]))
            ++end;
        const std::u32string_view ending = std::u32string_view(text).substr(i + 1, end - i - 1);
        const Morphology* morphology = state.morphology();
        if (!ending.empty() && ending.size() <= 5 &&
            (end == text.size() || text[end] == U'\u00B7' || !isWordChar(text[end])) &&
            (ending.size() <= 2 || (morphology && !morphology->knowsAsTyped(encode(ending)))))
            return std::nullopt;
    }
    size_t firstWord = text.size(), lastWord = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (isWordChar(text[i])) {
            firstWord = std::min(firstWord, i);
            lastWord = i;
        }
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        if (!isStrayPunctuation(text[i]) || saysSomething(text, i)) {
            out += text[i++];
            continue;
        }
        // A minus sign is no stray: it turns the number negative. Nor a dash between two
        // numbers: a range (5–10).
        auto digitAt = [&](size_t k) { return k < text.size() && text[k] >= U'0' && text[k] <= U'9'; };
        if ((text[i] == U'\u2212' && digitAt(i + 1)) ||
            (text[i] == U'\u2013' && i > 0 && digitAt(i - 1) && digitAt(i + 1))) {
            out += U'-';
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && isStrayPunctuation(text[end]) && !saysSomething(text, end))
            ++end;
        // A quote before a hyphen leaves the hyphen to join the parts (»root«-Konto).
        const bool hyphen = (end < text.size() && text[end] == U'-') || (i > 0 && text[i - 1] == U'-');
        if (firstWord < i && lastWord >= end && !hyphen)
            out += U' ';
        i = end;
    }
    return encode(out);
}

// Plus signs right after a name are part of it (C++, g++, Notepad++): said, not dropped.
std::string plusSigns(const State& state, std::string_view text, size_t from, size_t to) {
    const SymbolWords* symbols = state.symbols();
    if (from == 0 || text[from] != '+' || isSeparatorByte(text[from - 1]) ||
        isAsciiDigit(text[from - 1]) || text[from - 1] == ' ' || !symbols || symbols->plus.empty())
        return {};
    std::string said;
    for (size_t i = from; i < to && text[i] == '+'; ++i)
        said += ' ' + std::string(symbols->plus);
    return said;
}

// A compound's first part that stands for the compound with the next word's end
// (ein-/ausschalten, Hoch-/Querformat), written whole: the word the dictionary holds that the
// part makes with the longest end of that word. None where no end makes one.
static std::string suspendedWhole(const State& state, std::string_view part,
                                  std::string_view next) {
    constexpr size_t ShortestEnd = 3;
    const std::u32string head = decode(part), word = decode(next);
    if (head.empty() || word.size() <= ShortestEnd ||
        !std::all_of(head.begin(), head.end(), isLetter) ||
        !std::all_of(word.begin(), word.end(), isLetter) ||
        !std::all_of(word.begin() + 1, word.end(), isLowerCase))
        return {};
    for (size_t from = 1; from + ShortestEnd <= word.size(); ++from) {
        const std::string whole = encode(head + word.substr(from));
        if (state.known(whole))
            return whole;
    }
    return {};
}

// Separators standing between two parts of a word become a blank, when every part ends up
// a word, as it stands or through the later rules (Ausgabedatei-Name, Peťa-Cancion); digit
// groups ("1,000") are the number rule's.
// A small letter that is a word of its own (Czech z, Spanish y) hyphened to a word, but not
// a stammer's, whose word begins with the letter (w-w warkoczyki, u-usaba).
static bool oneLetterWordHyphened(const State& state, std::string_view letter, std::string_view word) {
    const std::u32string letters = decode(letter);
    const std::u32string next = decode(word.substr(0, 4));
    return letters.size() == 1 && isLowerCase(letters[0]) && state.isOneLetterWord(letters[0]) && !next.empty() &&
           withoutAccents(std::u32string(1, static_cast<char32_t>(u_tolower(static_cast<UChar32>(next[0]))))) !=
               withoutAccents(letters);
}

std::optional<std::string> splitAtSeparators(State& state, const std::string& piece) {
    const auto [first, last] = coreOf(piece);
    std::string split = piece.substr(0, first);
    size_t wordStart = split.size(); // of the word the next separators follow, in split
    bool saidSlash = false;
    for (size_t i = first; i < last;) {
        if (!isSeparatorByte(piece[i])) {
            split += piece[i++];
            continue;
        }
        const size_t from = i;
        while (i < last && isSeparatorByte(piece[i]))
            ++i;
        if (const std::string said = plusSigns(state, piece, from, i); !said.empty()) {
            split += said;
            // A mark quoted after them, and plus signs after it, are said too (bind+'/'+path:
            // bind plus slash plus path): dropped, the formula would join other things.
            const size_t quote = piece.find_first_not_of('+', from);
            if (const SymbolWords* symbols = state.symbols();
                quote + 3 <= i && (piece[quote] == '\'' || piece[quote] == '"') && piece[quote + 2] == piece[quote] &&
                std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(quote + 3),
                            piece.begin() + static_cast<std::ptrdiff_t>(i), [](char c) { return c == '+'; })) {
                const std::string_view name = markName(*symbols, static_cast<unsigned char>(piece[quote + 1]));
                if (!name.empty() && state.allKnown(name)) {
                    split += ' ' + std::string(name);
                    for (size_t plus = quote + 3; plus < i; ++plus)
                        split += ' ' + std::string(symbols->plus);
                }
            }
            if (i < last)
                split += ' ';
            continue;
        }
        // A mark in quotes between two words is named, as one standing apart (kop';'Waarde: kop
        // semicolon Waarde): the format it writes has it there.
        // Hyphens around the quotes join it to its words (Unicode-':'-scheidingstekens).
        size_t q = from, qEnd = i;
        while (q < qEnd && piece[q] == '-')
            ++q;
        while (qEnd > q && piece[qEnd - 1] == '-')
            --qEnd;
        if (const SymbolWords* symbols = state.symbols();
            symbols && qEnd - q == 3 && from > first && i < last && (piece[q] == '\'' || piece[q] == '"') &&
            piece[q + 2] == piece[q]) {
            const std::string_view name = markName(*symbols, static_cast<unsigned char>(piece[q + 1]));
            if (!name.empty() && state.allKnown(name)) {
                split += ' ' + std::string(name) + ' ';
                wordStart = split.size();
                continue;
            }
        }
        // An elision keeps its apostrophe where the reader sees it (dell' annotazione,
        // l' annotation, Glenn' s), and an ending after a colon its colon (ID: n; cpu:er
        // is cpu, as below); the tokenizer drops them all the same.
        size_t after = i;
        while (after < last && !isSeparatorByte(piece[after]))
            ++after;
        // A word's ending in brackets (archivo(s), Dirección(es), który(e), bilaga(-or)) writes
        // two forms in one: apart, the ending would read as a word of its own ("es", "is"; "or",
        // "worms"). It stays as typed.
        if (const std::u32string bracketed = decode(std::string_view(piece).substr(i, after - i));
            piece[from] == '(' && (i - from == 1 || (i - from == 2 && piece[from + 1] == '-')) && after == last &&
            last < piece.size() && piece[last] == ')' &&
            !bracketed.empty() && bracketed.size() <= 3 && std::all_of(bracketed.begin(), bracketed.end(), isLowerCase))
            return std::nullopt;
        auto letter = [](char c) { return !isAsciiDigit(c) && !isSeparatorByte(c); };
        const bool between = i - from == 1 && from > first && letter(piece[from - 1]) &&
                             after > i && letter(piece[i]);
        const bool elision = between && piece[from] == '\'';
        const bool ending = between && piece[from] == ':' && after - i <= 4;
        // So does a part that stands for a compound's first word, its hyphen (Ein-/Ausgabe:
        // Ein-/ Ausgabe, not the article ein).
        const bool suspended = piece.compare(from, i - from, "-/") == 0 && from > first;
        // A name's ending stays with its apostrophe or hyphen (Glenn 's, pagina 's); one
        // that reads as a word of its own goes (DLL'er: DLL, not "DLL is"; APT-a: APT, not
        // "APT and"), for the reader sees no mark.
        const std::string_view endingTyped = std::string_view(piece).substr(i, after - i);
        const bool nameEnding = between && after == last && (piece[from] == '\'' || piece[from] == '-') &&
                                state.language() && toLower(endingTyped) == endingTyped &&
                                listed(state.language()->nameEndings, endingTyped);
        // Where the language elides words before an apostrophe, it cuts only there (l' pont):
        // any other apostrophe stands for letters left out of the word (aid'ra, maint'nant)
        // or belongs to a name (Li'sar), and cut there it would read as other words (El'
        // rien, "El nothing"). Elsewhere a name is told by its capital and an end of three
        // letters or more, longer than a word's (it's, they're, we'll): Ka'lian, Dan'Tonk.
        if (elision && !nameEnding && wordStart == first && state.language()) {
            const std::span<const std::string_view> elisions = state.language()->elisions;
            const std::string_view head = std::string_view(piece).substr(first, from - first);
            const bool name = after - i >= 3 && isUpperCase(decode(head)[0]);
            if (elisions.empty() ? name : !listed(elisions, toLower(head)))
                return std::nullopt;
        }
        // Only an ending the language gives names there (cpu:er), none of a pattern's
        // fields (hh:mm, HH:MM:SS). Its colon says it is no word of its own, so it goes
        // whether or not it reads as one: GNOME:s is GNOME, not "GNOME s".
        const bool colonEnding = ending && after == last && state.language() && toLower(endingTyped) == endingTyped &&
                                 listed(state.language()->nameEndings, endingTyped);
        if (colonEnding || (nameEnding && state.readsAsWord(endingTyped))) {
            i = after;
            continue;
        }
        // A gender's ending after a slash is the word's other form (bienvenido/a: bienvenido
        // o bienvenida): said as a slash, the ending would read as a word ("a", "to").
        if (const Language* language = state.language();
            language && !language->genderSlashOr.empty() && i - from == 1 && piece[from] == '/' &&
            after == last && after - i <= 2 && after - i < split.size() - wordStart) {
            const std::string ending = piece.substr(i, after - i);
            const std::string head = split.substr(wordStart);
            const std::string other = head.substr(0, head.size() - ending.size()) + ending;
            if (std::all_of(ending.begin(), ending.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
                other != head && state.known(other) && state.known(head) && state.known(language->genderSlashOr)) {
                split += ' ' + std::string(language->genderSlashOr) + ' ' + other;
                i = after;
                wordStart = split.size();
                continue;
            }
        }
        // Any other colon between two words is said (.uno:About, HH:MM): a blank would make
        // them two words side by side. Where the language has no word for it, the piece
        // stays as typed.
        const SymbolWords* symbols = state.symbols();
        // Brackets beside it change nothing ([address]:port, [+LINE[:COLUMN]]).
        const std::string_view run = std::string_view(piece).substr(from, i - from);
        const bool colon = std::count(run.begin(), run.end(), ':') == 1 &&
                           run.find_first_not_of(":()[]{}") == std::string_view::npos &&
                           from > first && after > i && !isAsciiDigit(piece[from - 1]) &&
                           !isAsciiDigit(piece[i]);
        if (colon && (!symbols || symbols->colon.empty() || !state.allKnown(symbols->colon)))
            return std::nullopt;
        // A slash between two words is said (profit/loss: profit slash loss; Outlook/GMail,
        // CD/DVD, Da/A, usr/share): a blank would join them ("profit loss"), and "or" would
        // make the parts of a pair or of a type alternatives. Not in a unit (km/h), a date,
        // and/or.
        const std::string_view next = std::string_view(piece).substr(i, after - i);
        const std::string_view previous = std::string_view(split).substr(wordStart);
        auto slashWord = [&](std::string_view word, std::string_view other) {
            const std::u32string letters = decode(word);
            if (letters.empty() ||
                std::any_of(letters.begin(), letters.end(), [](char32_t c) { return !isLetter(c) && !isAsciiDigit(c); }) ||
                std::all_of(letters.begin(), letters.end(), isAsciiDigit))
                return false;
            // A word of one letter (Da/A), or a capital standing for one beside a word
            // (S/MIME, A/Payable), not a unit's (km/h).
            if (letters.size() == 1)
                return state.isOneLetterWord(letters[0]) ||
                       (isUpperCase(letters[0]) && decode(other).size() >= 2);
            return true;
        };
        // So is one before a part that stands for a compound's other end (Zeigers/-schalters).
        const bool said = symbols && !symbols->slash.empty() && (run == "/" || run == "/-") &&
                          slashWord(previous, next) && slashWord(next, previous) &&
                          toLower(previous) != symbols->ampersand;
        saidSlash = saidSlash || said;
        // An equals sign between a name and its value is said (headername=value: header name
        // equals value); no prose joins two words so. So is a comma between such pairs
        // (uid=user,dc=com; plain:a,html:b), where it parts them.
        const bool equals = i - from == 1 && piece[from] == '=' && from > first && after > i && symbols &&
                            !symbols->equals.empty() && state.allKnown(symbols->equals);
        // So is an at sign between two words (user:password@host:port), as in an address,
        // also where what follows it may be left out (room[@server]).
        const bool atSign = piece[i - 1] == '@' &&
                            (i - from == 1 || (i - from == 2 && piece[from] == '[')) &&
                            from > first && after > i && symbols && !symbols->at.empty() &&
                            state.allKnown(symbols->at);
        const bool pairComma = i - from == 1 && piece[from] == ',' && from > first && after > i && symbols &&
                               piece.find_first_of("=:") != std::string::npos && !symbols->comma.empty() &&
                               state.allKnown(symbols->comma);
        // A small letter that is a word of its own, hyphened to a word, names something with
        // it (z-pořadí, "z-order"): apart it would read as the word (z, "from"). Not a
        // stammer's (w-w warkoczyki).
        // So is one hyphened to the end of a word (correos-e, "and").
        const std::u32string endLetter = decode(std::string_view(piece).substr(i, after - i));
        const bool letterDash =
            i - from == 1 && piece[from] == '-' && after > i && symbols && !symbols->dash.empty() &&
            (oneLetterWordHyphened(state, std::string_view(piece).substr(first, from - first),
                                   std::string_view(piece).substr(i, after - i)) ||
             (after == last && endLetter.size() == 1 && isLowerCase(endLetter[0]) &&
              state.isOneLetterWord(endLetter[0]) &&
              decode(std::string_view(split).substr(wordStart)).size() >= 2)) &&
            state.allKnown(symbols->dash);
        // A value's hyphen is said where the piece says its equals signs (dc=claws-mail: dc
        // equals claws dash mail): the value is typed as it stands.
        const bool valueDash = i - from == 1 && piece[from] == '-' && from > first && after > i &&
                               symbols && !symbols->dash.empty() &&
                               piece.find('=', first + 1) < last && !symbols->equals.empty() &&
                               state.allKnown(symbols->equals) && state.allKnown(symbols->dash);
        // Written whole, the part reads as the compound it stands for, and its slash as the
        // pair's (einschalten Schrägstrich ausschalten), where the language has a word for it.
        if (suspended && symbols && !symbols->slash.empty() && state.allKnown(symbols->slash))
            if (const std::string whole = suspendedWhole(state, previous, next); !whole.empty()) {
                split.replace(wordStart, std::string::npos, whole);
                split += ' ' + std::string(symbols->slash) + ' ';
                wordStart = split.size();
                continue;
            }
        split += letterDash || valueDash ? ' ' + std::string(symbols->dash) + ' '
                 : nameEnding            ? std::string{' ', piece[from]}
                 : elision               ? "' "
                 : colon                 ? ' ' + std::string(symbols->colon) + ' '
                 : equals                ? ' ' + std::string(symbols->equals) + ' '
                 : atSign                ? ' ' + std::string(symbols->at) + ' '
                 : pairComma             ? ' ' + std::string(symbols->comma) + ' '
                 : ending                ? ": "
                 : suspended             ? "-/ "
                 : said                  ? ' ' + std::string(symbols->slash) + ' '
                                         : " ";
        wordStart = split.size();
    }
    split += piece.substr(last);
    if (split == piece)
        return std::nullopt;
    // A path's root is said with its other slashes (/home/wanda: slash home slash wanda).
    if (saidSlash && first > 0 && piece[first - 1] == '/')
        split = split.substr(0, first - 1) + std::string(state.symbols()->slash) + ' ' + split.substr(first);
    // A small letter hyphened to a short ending is a variable with it (n-tego, n-te: n-th),
    // not two words (n tego: "n of this").
    const std::u32string typed = decode(std::string_view(piece).substr(first, last - first));
    if (typed.size() >= 3 && typed.size() <= 6 && isLowerCase(typed[0]) && typed[1] == U'-')
        return std::nullopt;
    // Nor is a capital before a slash, standing for a word, a word of one letter (S/MIME,
    // A/Payable: no Czech "s", "with", no English article) unless the slash is said.
    if (piece.find('/') != std::string::npos && !saidSlash)
        for (const std::string_view part : splitBlanks(split)) {
            const std::u32string letters = decode(part.substr(coreOf(part).first));
            if (letters.size() == 1 && isUpperCase(letters[0]) && state.isOneLetterWord(letters[0]))
                return std::nullopt;
        }
    const size_t fired = state.fired.size();
    const bool digits = std::any_of(piece.begin(), piece.end(), isAsciiDigit);
    state.inSeparatedParts = true;
    std::string parts = digits ? split : state.resolveParts(split, "numbers");
    state.inSeparatedParts = false;
    if (!state.allKnown(parts)) {
        state.fired.resize(fired);
        return std::nullopt;
    }
    return parts;
}

} // namespace talvora::tidy
