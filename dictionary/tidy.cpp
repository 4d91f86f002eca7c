#include "tidy.h"

#include "keyspace.h"
#include "languages.h"
#include "lowercase.h"
#include "suggest.h"
#include "tidy/common.h"
#include "tidy/rules.h"
#include "tokenizer.h"
#include "utf8.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unicode/uchar.h>
#include <utility>

namespace talvora {

using namespace tidy;

std::string tidyLocaleFor(std::string_view name) {
    // A bare locale code is no dictionary name.
    const Language* language = languageFor(name);
    return language && name != language->locale ? std::string(language->locale) : std::string();
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

// How many groups of three digits follow a number of one to three digits as its thousands
// (20 000, 1 168 000,5): blank, three digits, and nothing but punctuation before the next
// blank; none where another number stands before or after them (a telephone number's groups).
size_t groupsAfter(std::string_view piece, std::string_view before, std::string_view after) {
    const auto digit = isAsciiDigit;
    if (piece.empty() || piece.size() > 3 || !std::all_of(piece.begin(), piece.end(), digit) ||
        followsNumber(before))
        return 0;
    size_t groups = 0, pos = 0;
    while (pos + 4 <= after.size() && after[pos] == ' ' && digit(after[pos + 1]) &&
           digit(after[pos + 2]) && digit(after[pos + 3])) {
        size_t end = pos + 4;
        if (end < after.size() && after[end] != ' ') {
            // Punctuation may end the last group ("000." "234,56"); a letter makes it no group.
            if (!isSeparatorByte(after[end]))
                break;
            while (end < after.size() && after[end] != ' ')
                ++end;
            return groups + 1;
        }
        ++groups;
        pos = end;
    }
    const bool numberAfter = pos + 1 < after.size() && after[pos] == ' ' && digit(after[pos + 1]);
    return numberAfter ? 0 : groups;
}

std::string joinedNames(const std::vector<std::string_view>& names) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i)
        if (std::find(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(i), names[i]) ==
            names.begin() + static_cast<std::ptrdiff_t>(i)) {
            if (!out.empty())
                out += " + ";
            out += names[i];
        }
    return out;
}

// The change of a piece, narrowed to what differs: punctuation that both keep at either end
// (the full stop after a word) is no part of it.
TidyChange changeOf(std::string_view piece, size_t at, std::string_view tidied, size_t tidiedAt) {
    size_t front = 0;
    while (front < piece.size() && front < tidied.size() && piece[front] == tidied[front] &&
           isSeparatorByte(piece[front]))
        ++front;
    size_t back = 0;
    while (back < piece.size() - front && back < tidied.size() - front &&
           piece[piece.size() - 1 - back] == tidied[tidied.size() - 1 - back] &&
           isSeparatorByte(piece[piece.size() - 1 - back]))
        ++back;
    TidyChange c;
    c.at = at + front;
    c.original = piece.substr(front, piece.size() - front - back);
    c.tidiedAt = tidiedAt + front;
    c.replacement = tidied.substr(front, tidied.size() - front - back);
    return c;
}

// The names of a text: words with a capital inside a sentence that the dictionary lacks, where
// the language gives nouns none.
std::unordered_set<std::string> namesIn(const State& state, std::string_view text) {
    std::unordered_set<std::string> names;
    if (!state.language() || state.capitalisesNouns())
        return names;
    for (size_t from = 0; from < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", from), text.size());
        const std::string_view line = text.substr(from, end - from);
        from = end + 1;
        // None in a text with a line that gives its nouns capitals, as older spelling did:
        // its other lines may too, with too few nouns to tell.
        if (state.language()->capitalisedNounsOnce && writesNounsWithCapitals(state, line))
            return {};
        bool sentenceStart = true;
        for (const std::string_view piece : splitBlanks(line)) {
            if (piece.empty())
                continue;
            const auto [first, last] = coreOf(piece);
            const std::string_view core = piece.substr(first, last - first);
            const std::u32string letters = decode(core);
            if (!sentenceStart && first == 0 && letters.size() >= 2 && isUpperCase(letters[0]) &&
                std::all_of(letters.begin() + 1, letters.end(), isLowerCase) && !state.known(core))
                names.insert(toLower(core));
            sentenceStart = std::string_view(".!?:").find(piece.back()) != std::string_view::npos;
        }
    }
    return names;
}

} // namespace

Tidier::Tidier(const Keyspace& keyspace, std::string locale)
    : keyspace_(keyspace), state_(std::make_unique<State>(keyspace, std::move(locale))) {}

Tidier::~Tidier() = default;

TidyResult Tidier::tidy(std::string_view text, bool withSuggestions, SpellOut spellOut) {
    TidyResult result;
    std::string& out = result.text;
    out.reserve(text.size());
    State& state = *state_;
    state.spellOut = spellOut;
    state.textNames = namesIn(state, text);
    // The line a piece lies on tells an abbreviation from a shouted word.
    std::optional<size_t> lineEnd;
    uint32_t line = 1;
    size_t counted = 0; // line breaks are counted up to here
    bool sentenceStart = true; // a capital here marks no name
    size_t lineStart = 0;
    state.amount.reset();
    state.amountFresh = false;
    // A currency written apart before its amount ("$ 5") is held back and read after it, as
    // "5 $" is: "five dollars", one change for both pieces.
    struct Held {
        size_t at, tidiedAt;
        std::string_view piece;
    };
    std::optional<Held> held;
    std::string reordered; // the line after the amount, the held symbol first
    // A number whose thousands are grouped by blanks (20 000, 1 168 000) is held back from its
    // first group to its last and read as one.
    struct Grouped {
        size_t at, tidiedAt, groupsLeft;
    };
    std::optional<Grouped> grouped;
    // The tidied text of the original at originalAt, listed as a change where it differs.
    auto emit = [&](std::string_view original, size_t originalAt, const std::string& tidied) {
        if (tidied != original) {
            line += static_cast<uint32_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                                                     text.begin() + static_cast<std::ptrdiff_t>(originalAt), '\n'));
            counted = originalAt;
            TidyChange change = changeOf(original, originalAt, tidied, out.size());
            change.rule = joinedNames(state.fired);
            change.line = line;
            result.changes.push_back(std::move(change));
        }
        out += tidied;
    };
    auto span = [&](std::string_view piece) {
        const auto at = static_cast<size_t>(piece.data() - text.data());
        if (!lineEnd || at > *lineEnd) {
            lineEnd = std::min(text.find("\r\n", at), text.size());
            const std::string_view lineText = text.substr(at, *lineEnd - at);
            state.lineHasLowerCase = hasLowerCase(lineText);
            const std::u32string line = decode(lineText);
            state.lineHasAccents = withoutAccents(line) != line;
            state.lineWords = splitBlanks(lineText).size();
            state.line = lineText;
            state.lineInOtherLanguage.reset();
            state.lineWritesDotDecimals.reset();
            state.lineAddressNames.reset();
            state.lineListsNamesInCapitals.reset();
            state.lineIsCommand = isCommandLine(state, lineText);
            state.lineCapitalisesNouns = state.language() && state.language()->capitalisedNounsOnce &&
                                         writesNounsWithCapitals(state, lineText);
            sentenceStart = true;
            lineStart = at;
            state.amount.reset();
        }
        state.sentenceStart = sentenceStart;
        state.before = text.substr(lineStart, at - lineStart);
        state.after = text.substr(at + piece.size(), *lineEnd - at - piece.size());
        // Only the piece right after a number sees it.
        if (!std::exchange(state.amountFresh, false))
            state.amount.reset();
        // Punctuation and spaces standing alone (» ¿ – no-break space) neither end a
        // sentence nor begin one.
        if (!piece.empty() && std::string_view(".!?:").find(piece.back()) != std::string_view::npos)
            sentenceStart = true;
        else if (const std::u32string chars = decode(piece);
                 std::any_of(chars.begin(), chars.end(), isWordChar))
            sentenceStart = false;
        if (grouped && --grouped->groupsLeft > 0)
            return;
        // The piece to tidy: a grouped number's pieces as one, its blanks narrow ones.
        std::string_view current = piece;
        std::string_view typed = piece;
        size_t typedAt = at;
        std::string joined;
        if (grouped) {
            typedAt = grouped->at;
            typed = text.substr(typedAt, at + piece.size() - typedAt);
            for (const char c : typed)
                joined += c == ' ' ? std::string("\u202F") : std::string(1, c);
            current = joined;
            out.resize(grouped->tidiedAt); // the blanks between the groups too
            state.before = text.substr(lineStart, typedAt - lineStart);
            grouped.reset();
        } else if (const size_t groups = groupsAfter(piece, state.before, state.after); groups > 0) {
            grouped = Grouped{at, out.size(), groups};
            return;
        }
        // Not one that follows a number: it is that number's ("2 € 3,5 %").
        if (!held && !state.amount && currencyBeforeNumber(state, current)) {
            held = Held{at, out.size(), piece};
            return;
        }
        const std::string_view after = state.after;
        if (held) {
            out.resize(held->tidiedAt); // the blank after the symbol too
            reordered = ' ' + std::string(held->piece) + std::string(after);
            state.after = reordered;
        } else if (state.known(current) && !standsBesideNumber(state, current) &&
                   !tidy::nameQuotedMark(state, current)) {
            out += current;
            return;
        }
        state.fired.clear();
        state.typed = typed;
        std::string tidied = state.resolve(std::string(current), 0);
        std::string_view original = typed;
        size_t originalAt = typedAt;
        if (held) {
            // The symbol's words go before the punctuation that ends the amount ("$ 5.").
            size_t end = tidied.size();
            for (size_t k = current.size(); k > 0 && end > 0 && isSeparatorByte(current[k - 1]) &&
                                            tidied[end - 1] == current[k - 1];
                 --k)
                --end;
            state.typed = held->piece;
            state.after = after;
            const std::string symbol = state.resolve(std::string(held->piece), 0);
            tidied = tidied.substr(0, end) + ' ' + symbol + tidied.substr(end);
            originalAt = held->at;
            original = text.substr(held->at, at + piece.size() - held->at);
            held.reset();
        }
        emit(original, originalAt, tidied);
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

std::string spelledOut(std::string_view word) {
    std::string out;
    for (size_t pos = 0; pos < word.size();) {
        if (!out.empty())
            out += ' ';
        utf8::append(out, utf8::next(word, pos));
    }
    return out;
}

std::vector<TextEdit> wordEdits(std::string_view text, std::string_view word,
                                std::string_view replacement) {
    std::vector<TextEdit> edits;
    std::string cuts; // forEachSpan copies the cuts; only the edits matter here
    auto span = [&](std::string_view piece) {
        if (word.empty() || tokenOf(piece) != word)
            return;
        const auto [first, last] = coreOf(piece);
        TextEdit edit{static_cast<size_t>(piece.data() - text.data()) + first, last - first, {}};
        size_t pos = first;
        const bool capital = u_isupper(static_cast<UChar32>(utf8::next(piece, pos)));
        if (capital && !replacement.empty()) {
            size_t rest = 0;
            utf8::append(edit.text, static_cast<char32_t>(u_toupper(
                                        static_cast<UChar32>(utf8::next(replacement, rest)))));
            edit.text += replacement.substr(rest);
        } else {
            edit.text = replacement;
        }
        edits.push_back(std::move(edit));
    };
    forEachSpan(text, cuts, span);
    return edits;
}

std::string replaceWord(std::string_view text, std::string_view word,
                        std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (const TextEdit& e : wordEdits(text, word, replacement)) {
        out += text.substr(from, e.at - from);
        out += e.text;
        from = e.at + e.length;
    }
    out += text.substr(from);
    return out;
}

} // namespace talvora
