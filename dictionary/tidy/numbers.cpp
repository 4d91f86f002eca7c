// Numbers and symbols: digits as the words of the text's language.

#include "numbers.h"

#include "common.h"
#include "languages.h"
#include "lowercase.h"
#include "morphology.h"
#include "rules.h"
#include "text.h"

#include <algorithm>
#include <numeric>
#include <cctype>
#include <charconv>
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
        status = U_ZERO_ERROR;
        plurals.reset(icu::PluralRules::forLocale(icu::Locale(locale.c_str()), status));
        if (U_FAILURE(status))
            plurals.reset();
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
    std::string spelled = toLower(writtenApart(decode(utf8)));
    if (value == 1 && ruleSet.empty() && language && !language->stressedOne.empty())
        return std::string(language->stressedOne);
    for (const Respelling& fix : language ? language->numberFixes : std::span<const Respelling>())
        for (size_t at = spelled.find(fix.typed); at != std::string::npos;
             at = spelled.find(fix.typed, at + fix.meant.size()))
            spelled.replace(at, fix.typed.size(), fix.meant);
    return spelled;
}

// The words ICU writes, each cut at its hyphens of every kind (ICU puts soft hyphens into some
// languages' compounds) and written in the fewest words the dictionary holds: a run of parts
// as one word only where the language writes it so and no part of it belongs to a number
// that the run does not hold whole (siebenhundert dreiundzwanzig; einhundert fünfundachtzig
// tausend, not einhundert fünfundachtzigtausend, 100 and 85,000).
std::string NumberWords::writtenApart(const std::u32string& typed) const {
    std::vector<std::u32string> hundreds, thousands;
    for (const std::string_view word :
         language ? language->hundredWords : std::span<const std::string_view>())
        hundreds.push_back(decode(word));
    for (const std::string_view word :
         language ? language->thousandWords : std::span<const std::string_view>())
        thousands.push_back(decode(word));
    auto isHyphen = [](char32_t c) {
        return c == U'-' || c == U'\u00AD' || c == U'\u2010' || c == U'\u2011';
    };
    // 1 for a hundred's word, 2 for a thousand's, 0 for any other part.
    auto scaleOf = [&](const std::u32string& part) {
        return std::find(hundreds.begin(), hundreds.end(), part) != hundreds.end()      ? 1
               : std::find(thousands.begin(), thousands.end(), part) != thousands.end() ? 2
                                                                                        : 0;
    };
    const bool scales = !hundreds.empty() || !thousands.empty();
    std::u32string text;
    for (size_t from = 0; from <= typed.size();) {
        const size_t end = std::min(typed.find(U' ', from), typed.size());
        // The word's parts, and for each joint whether ICU's soft hyphen made it.
        std::vector<std::u32string> parts(1);
        std::vector<bool> soft;
        for (size_t i = from; i < end; ++i)
            if (isHyphen(typed[i])) {
                parts.emplace_back();
                soft.push_back(typed[i] == U'\u00AD');
            } else {
                parts.back() += typed[i];
            }
        // A scale's word joined to what follows it in one part (honderdvijf) is a part of its own.
        for (size_t k = 0; k < parts.size(); ++k)
            for (const std::u32string& word : hundreds) {
                if (scaleOf(parts[k]) == 0 && parts[k].size() > word.size() &&
                    parts[k].starts_with(word)) {
                    parts.insert(parts.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                                 parts[k].substr(word.size()));
                    parts[k] = word;
                    soft.insert(soft.begin() + static_cast<std::ptrdiff_t>(k), true);
                    break;
                }
            }
        const size_t n = parts.size();
        auto scale = [&](size_t k) { return k < n ? scaleOf(parts[k]) : 0; };
        // Where a run may begin and end: at the word's ends and beside a scale's word; before
        // one holding no other, or, before a thousand's, all of its multiplier (millenove cento
        // is 1009 hundred; einhundertfünfundachtzig tausend 185,000).
        auto mayBegin = [&](size_t i) { return i == 0 || scale(i - 1) != 0 || scale(i) != 0; };
        auto mayEnd = [&](size_t i, size_t j) {
            if (j == n || scale(j - 1) != 0)
                return true;
            if (scale(j) == 0)
                return false;
            bool holdsScale = false;
            for (size_t k = i; k < j; ++k)
                holdsScale = holdsScale || scale(k) != 0;
            return !holdsScale || (scale(j) == 2 && i == 0);
        };
        auto safe = [&](size_t i, size_t j) {
            if (!mayBegin(i) || !mayEnd(i, j))
                return false;
            for (size_t k = i; k < j; ++k)
                // A thousand's word holds its whole multiplier, from the word's start; a
                // hundred's, from there or from the thousand's word.
                if ((scale(k) == 2 && i != 0) || (scale(k) == 1 && i != 0 && scale(i - 1) != 2))
                    return false;
            return true;
        };
        if (!text.empty())
            text += U' ';
        for (size_t i = 0; i < n;) {
            size_t j = n;
            for (; j > i + 1 && !(known && scales && safe(i, j) &&
                                  [&] {
                                      std::u32string run;
                                      for (size_t k = i; k < j; ++k)
                                          run += parts[k];
                                      return known(toLower(encode(run)));
                                  }());
                 --j) {
            }
            for (size_t k = i; k < j; ++k)
                text += parts[k];
            i = j;
            if (i < n) {
                // Apart, the word before gets back the consonant the joined words share (et­tusen).
                const std::u32string& before = parts[i - 1];
                if (soft[i - 1] && language && language->joinsThreeConsonantsAsTwo &&
                    before.size() >= 2 && !parts[i].empty() && before.back() == parts[i].front() &&
                    before[before.size() - 2] != before.back() &&
                    std::u32string_view(U"aeiouyåäö").find(before[before.size() - 2]) !=
                        std::u32string_view::npos)
                    text += before.back();
                text += U' ';
            }
        }
        from = end + 1;
    }
    return encode(text);
}

std::string_view NumberWords::plural(const PluralWord& word, double value) const {
    if (!plurals)
        return word.other;
    const icu::UnicodeString form = plurals->select(value);
    const std::string_view chosen = form == u"one"    ? word.one
                                    : form == u"few"  ? word.few
                                    : form == u"many" ? word.many
                                                      : word.other;
    return chosen.empty() ? word.other : chosen;
}

std::optional<int64_t> NumberWords::valueOf(std::string_view word) {
    if (!format)
        return std::nullopt;
    auto runTogether = [this](int64_t n) {
        std::string words = spell(n);
        std::erase(words, ' ');
        return words;
    };
    if (joined_.empty())
        for (int64_t n = 0; n < 1000; ++n) {
            joined_.emplace(runTogether(n), n);
            if (n > 0)
                joined_.emplace(runTogether(n * 1000), n * 1000);
        }
    const std::string lower(word);
    if (const auto it = joined_.find(lower); it != joined_.end())
        return it->second;
    // Thousands and the rest (duemila trecento), written back the same.
    for (size_t cut = 1; cut < lower.size(); ++cut) {
        const auto head = joined_.find(lower.substr(0, cut));
        const auto tail = joined_.find(lower.substr(cut));
        if (head != joined_.end() && tail != joined_.end() && head->second >= 1000 &&
            tail->second < 1000 && runTogether(head->second + tail->second) == lower)
            return head->second + tail->second;
    }
    return std::nullopt;
}

static const OrdinalSuffix* ordinalSuffix(const Language* language, std::string_view letters) {
    if (!language)
        return nullptr;
    const std::string lower = toLower(letters);
    for (const OrdinalSuffix& o : language->ordinals)
        if (o.suffix == lower)
            return &o;
    return nullptr;
}

std::string_view NumberWords::ordinalRuleSet(std::string_view letters) const {
    const OrdinalSuffix* o = ordinalSuffix(language, letters);
    return o ? o->ruleSet : std::string_view();
}

std::string_view NumberWords::ordinalPlural(std::string_view letters) const {
    const OrdinalSuffix* o = ordinalSuffix(language, letters);
    return o ? o->plural : std::string_view();
}

double WrittenNumber::value() const {
    const std::string text = decimals.empty() ? whole : whole + '.' + decimals;
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

static bool writesDotDecimals(const State& state) {
    const SymbolWords* symbols = state.symbols();
    if (!symbols || symbols->decimalMark != ',')
        return false;
    const std::string_view line = state.line;
    auto digit = [&](size_t k) { return k < line.size() && isAsciiDigit(line[k]); };
    for (size_t dot = line.find('.'); dot != std::string_view::npos; dot = line.find('.', dot + 1)) {
        if (dot == 0 || !digit(dot - 1) || !digit(dot + 1))
            continue;
        size_t from = dot - 1, to = dot + 1;
        while (from > 0 && digit(from - 1))
            --from;
        while (digit(to))
            ++to;
        const bool inRow = (from >= 2 && (line[from - 1] == '.' || line[from - 1] == ',') && digit(from - 2)) ||
                           ((line.substr(to, 1) == "." || line.substr(to, 1) == ",") && digit(to + 1));
        // One digit on each side may be a version's (2.0); a lone zero is a decimal's whole.
        const size_t whole = dot - from, decimals = to - dot - 1;
        if (!inRow && decimals != 3 && (whole > 1 || decimals > 1 || line[from] == '0'))
            return true;
    }
    return false;
}

bool lineWritesDotDecimals(State& state) {
    if (!state.lineWritesDotDecimals)
        state.lineWritesDotDecimals = writesDotDecimals(state);
    return *state.lineWritesDotDecimals;
}

WrittenNumber parseNumber(std::string_view text, size_t pos, const SymbolWords* symbols, bool dotDecimals) {
    auto digit = [&](size_t k) { return k < text.size() && isAsciiDigit(text[k]); };
    auto groups = [&](char c) {
        return (c == ',' || c == '.') && (!symbols || c != symbols->decimalMark) && !(dotDecimals && c == '.');
    };
    auto mark = [&](size_t k) { return k < text.size() && (text[k] == ',' || text[k] == '.'); };
    // One of several numbers joined by marks (1.2.3, 192.168.1.254) has neither thousands nor
    // decimals.
    const bool afterAnother = pos >= 2 && mark(pos - 1) && digit(pos - 2);
    WrittenNumber n;
    size_t j = pos;
    while (digit(j))
        ++j;
    n.whole = text.substr(pos, j - pos);
    // Thousands grouped by one mark before decimals after the other tell a number written the
    // way of another language (123,456.78 where decimals take a comma): the marks are read as
    // it writes them, not as a row of numbers (123 456 . 78).
    const char otherGroupMark = [&]() -> char {
        if (n.whole.size() > 3 || n.whole == "0" || afterAnother || !mark(j))
            return 0;
        size_t k = j;
        while (k < text.size() && text[k] == text[j] && digit(k + 1) && digit(k + 2) && digit(k + 3))
            k += 4;
        if (k == j || !mark(k) || text[k] == text[j] || !digit(k + 1))
            return 0;
        size_t end = k + 1;
        while (digit(end))
            ++end;
        return mark(end) && digit(end + 1) ? 0 : text[j];
    }();
    // Thousands written in groups of three ("1,000", "1.000.000"); none after a lone zero.
    if (n.whole.size() <= 3 && n.whole != "0" && !afterAnother) {
        const size_t start = j;
        // The decimal mark groups too where it cannot be one: before three zeros (60,000 where
        // decimals take a comma), a hundred's two (5,500 K: no one writes 5,5 so) or two groups
        // of three (1,500,000).
        auto groupsHere = [&](size_t k) {
            if (k >= text.size() || (k > start && text[k] != text[start]))
                return false;
            if (groups(text[k]) || text[k] == otherGroupMark)
                return true;
            return mark(k) && ((k + 4 <= text.size() && text.compare(k + 2, 2, "00") == 0) ||
                               (k + 4 < text.size() && text[k + 4] == text[k] && digit(k + 5) && digit(k + 6) &&
                                digit(k + 7) && !digit(k + 8)));
        };
        while (groupsHere(j) && digit(j + 1) && digit(j + 2) && digit(j + 3) && !digit(j + 4)) {
            n.whole.append(text.substr(j + 1, 3));
            n.grouped = true;
            j += 4;
        }
        // Not where the same mark goes on before other digits: that is a row of numbers
        // (192.168.1.1 where decimals take a comma); nor four numbers from 1 to 255 joined by
        // full stops, an address (192.168.254.254), which as an amount would be billions
        // (12.000.000.000 is one).
        const bool address = n.grouped && text[start] == '.' && j - start == 12 && [&] {
            for (size_t from = 0, next = start - pos; from < n.whole.size(); from = next, next += 3)
                if (n.whole[from] == '0' || std::stoi(n.whole.substr(from, next - from)) > 255)
                    return false;
            return true;
        }();
        if (n.grouped && ((j < text.size() && text[j] == text[start] && digit(j + 1)) || address)) {
            n.whole.resize(start - pos);
            n.grouped = false;
            j = start;
        }
    }
    // Decimals, unless the number is one of several joined by marks (1.2.3, 192.168.0.1).
    // A zero before a full stop is a decimal's (0.909 where decimals take a comma too); before
    // a comma where decimals take a full stop, it is a pair's or a list's ((0,0): zero comma
    // zero).
    const bool decimalMark =
        symbols && j < text.size() &&
        (text[j] == symbols->decimalMark || (n.whole == "0" && text[j] == '.') || (otherGroupMark && mark(j)));
    if (!afterAnother && decimalMark && digit(j + 1)) {
        size_t k = j + 1;
        while (digit(k))
            ++k;
        if (!(mark(k) && digit(k + 1))) {
            n.decimals = text.substr(j + 1, k - j - 1);
            j = k;
        }
    }
    n.end = j;
    return n;
}

// The word before the piece as typed, its punctuation kept (Nº, no.); none at the line's
// start.
std::string_view typedWordBefore(const State& state) {
    const std::string_view before = state.before.substr(0, state.before.find_last_not_of(' ') + 1);
    return before.substr(before.find_last_of(' ') + 1);
}

bool standardNameBefore(const State& state) {
    const std::string_view word = typedWordBefore(state);
    const auto [first, last] = coreOf(word);
    return last - first >= 2 && std::all_of(word.begin() + static_cast<std::ptrdiff_t>(first),
                                            word.begin() + static_cast<std::ptrdiff_t>(last),
                                            [](char c) { return c >= 'A' && c <= 'Z'; });
}

namespace {
std::vector<std::string_view> wordsAround(std::string_view text, bool before, size_t count);

// The word typed before the piece is a name: a capital inside a sentence, where nouns take
// none, marks one.
bool nameBefore(const State& state) {
    const std::string_view wordBefore = typedWordBefore(state);
    const std::u32string name = decode(wordBefore);
    if (name.empty() || !isUpperCase(name[0]) || !isWordChar(name.back()) || state.capitalisesNouns())
        return false;
    const std::string_view earlier = state.before.substr(0, state.before.find_last_not_of(' ') + 1);
    const std::string_view rest = earlier.substr(0, earlier.size() - wordBefore.size());
    const size_t end = rest.find_last_not_of(' ');
    return end != std::string_view::npos && std::string_view(".!?:").find(rest[end]) == std::string_view::npos;
}

// The word before the piece labels it: a name, or where nouns take capitals any capitalised
// word, which may be a name as well (Outlook Express 5/6, Seite 5/6).
bool labelBefore(const State& state) {
    if (!state.capitalisesNouns())
        return nameBefore(state);
    const std::u32string word = decode(typedWordBefore(state));
    return !word.empty() && isUpperCase(word[0]) && isWordChar(word.back());
}
} // namespace

// One before a noun as the language writes it there, in the noun's gender (perde 1 PF:
// perde un PF, not uno; 1 spada: una spada; 1 Datei: eine Datei; 1 svärd: ett svärd).
std::optional<std::string> oneBeforeNoun(const State& state, const WrittenNumber& number) {
    const Language* language = state.language();
    if (!language || !language->oneBeforeNoun || number.whole != "1" || !number.decimals.empty() ||
        !state.after.starts_with(' ') || state.typed != "1")
        return std::nullopt;
    // After a word that names what it numbers it is a label (versione 1, Número 1 aprobada).
    static constexpr std::string_view labels[] = {
        "version", "versione", "versión", "versie", "figur", "figura", "figure", "abbildung",
        "número", "numero", "number", "nummer", "chapter", "capitolo", "capítulo", "chapitre",
        "kapitel", "page", "pagina", "página", "seite", "sida", "side", "step", "passo", "paso",
        "étape", "schritt", "steg", "trin", "level", "livello", "nivel", "niveau", "stufe",
        "nivå", "article", "articolo", "artículo", "artikel", "anexo", "annexe", "allegato",
        "anhang", "bilaga", "bilag", "punto", "point", "punkt", "line", "riga", "línea", "ligne",
        "zeile", "rad", "linje", "tabella", "tabla", "table", "tabelle", "tabell", "tabel",
        "sezione", "sección", "section", "abschnitt", "avsnitt", "afsnit", "parte", "partie",
        "teil", "del", "turno", "runde", "omgång", "fase", "phase", "fas", "episodio",
        "episode", "scenario", "scena", "escena", "scène", "szene", "scen", "scene", "nº", "n°",
        "nr", "nr.", "no.", "núm.", "num."};
    const std::string_view wordBefore = typedWordBefore(state);
    if (listed(labels, wordBefore) || listed(language->oneBeforeNoun->notAfter, wordBefore))
        return std::nullopt;
    // So is a noun's, which an article or a preposition before it marks (El jugador 1, al
    // Gusano 1, il livello 1), whatever follows (una controla: "a controls").
    const std::span<const std::string_view> markers = language->oneBeforeNoun->nounMarkers;
    if (const std::vector<std::string_view> before = wordsAround(state.before, true, 2);
        before.size() == 2 && listed(markers, before[1]) && decode(before[0]).size() >= 3 &&
        std::all_of(before[0].begin(), before[0].end(), [](char c) { return !isAsciiDigit(c); }) &&
        !listed(markers, before[0]))
        return std::nullopt;
    // So is a name's (Region 1 DVD player, Windows 1).
    if (nameBefore(state))
        return std::nullopt;
    const OneBeforeNoun& one = *language->oneBeforeNoun;
    std::string_view next = state.after.substr(1);
    next = next.substr(0, next.find(' '));
    // The first of words joined by a slash (1 foto/vídeo: una foto).
    next = next.substr(0, next.find('/'));
    const size_t end = coreOf(next).second;
    const std::u32string letters = decode(next.substr(0, end));
    if (letters.empty() || !std::all_of(letters.begin(), letters.end(), isLetter) ||
        (one.onlyBeforeCapitals && !isUpperCase(letters[0])))
        return std::nullopt;
    const std::string lower = toLower(next.substr(0, end));
    const bool abbreviation = letters.size() > 1 && isUpperCase(letters[1]);
    // Before a word that joins or relates (0,1 e 2; 1 und 2; 1 per cento) it is a number.
    static constexpr std::string_view linking[] = {
        "und",  "oder", "och",  "eller", "og",  "ou",  "et",  "oppure", "pero", "per", "con", "por",
        "para", "par",  "pour", "avec",  "mit", "med", "för", "til",    "till", "von", "van", "del",
        "dei",  "des",  "los",  "las",   "les", "che", "que", "qui",    "sur",  "sul", "bis", "tot",
        "till", "fra",  "från", "mod",   "mot", "à",   "ad",  "al",     "au"};
    // So does an article of the languages that have these (1 der: one of; Czech den is "day").
    static constexpr std::string_view articles[] = {"die", "der", "das", "den", "det"};
    const bool hasArticles =
        language->locale == "de" || language->locale == "da" || language->locale == "sv";
    if ((letters.size() < 3 && !abbreviation) || listed(linking, lower) ||
        (hasArticles && listed(articles, lower)))
        return std::nullopt;
    std::string_view word = one.masculine;
    const Morphology* morphology = state.morphology();
    if (one.onlyDictionaryForms && !abbreviation) {
        const std::vector<std::string> stems = morphology ? morphology->stems(lower) : std::vector<std::string>();
        if (std::find(stems.begin(), stems.end(), lower) == stems.end())
            return std::nullopt;
    }
    if (abbreviation) {
    } else if (one.neuterByDefiniteForm) {
        // The definite form tells: svärdet, äpplet, programmet, fönstret are neuter; fil,
        // pojke are not.
        auto definite = [&](std::string_view ending) {
            const std::u32string l = decode(lower);
            std::vector<std::string> forms{lower + std::string(isVowel(l.back()) ? ending.substr(1) : ending),
                                           lower + encode(std::u32string(1, l.back())) + std::string(ending)};
            if (l.size() > 3 && l[l.size() - 2] == U'e' && !isVowel(l.back()))
                forms.push_back(encode(std::u32string_view(l).substr(0, l.size() - 2)) +
                                encode(std::u32string(1, l.back())) + std::string(ending));
            // Danish: a form of this noun, not of another word (filet, "fillet"; husen of huse).
            return std::any_of(forms.begin(), forms.end(), [&](const std::string& f) {
                if (!one.commonByDefiniteForm)
                    return morphology->knows(f);
                const std::vector<std::string> stems = morphology->stems(f);
                return std::find(stems.begin(), stems.end(), lower) != stems.end();
            });
        };
        // A Swedish noun ending in a vowel shows it in its definite plural too (äpplena; vecka's
        // veckat is a verb's).
        const bool vowelEnd = isVowel(decode(lower).back());
        if (morphology && definite("et") &&
            (one.commonByDefiniteForm ? !definite("en") : !vowelEnd || morphology->knows(lower + "na")))
            word = one.neuter;
    } else if (const std::optional<bool> feminine =
                   morphology && !isUpperCase(letters[0]) ? morphology->feminine(lower) : std::nullopt) {
        // The language's analysis names it (une photo, un système).
        word = *feminine ? one.feminine : one.masculine;
    } else if (listed(one.feminineNouns, lower) ||
               ((one.onlyBeforeCapitals || !isUpperCase(letters[0])) && !listed(one.masculineNouns, lower) &&
                std::any_of(one.feminineEndings.begin(), one.feminineEndings.end(),
                            [&](std::string_view e) { return lower.ends_with(e); }))) {
        // A capital outside German marks a name or a unit (un Giga), whose gender its ending
        // does not tell.
        word = one.feminine;
    } else if (std::any_of(one.neuterEndings.begin(), one.neuterEndings.end(),
                           [&](std::string_view e) { return lower.ends_with(e); })) {
        word = one.neuter;
    } else if (!one.counting.empty() && isVowel(decode(lower).back())) {
        word = one.counting;
    } else if (!one.beforeImpure.empty()) {
        // Italian uno before s and a consonant, z, gn, ps, x, y.
        const std::u32string l = decode(lower);
        const bool impure = (l.size() > 1 && l[0] == U's' && !isVowel(l[1])) || l[0] == U'z' ||
                            l[0] == U'x' || l[0] == U'y' || lower.starts_with("gn") || lower.starts_with("ps");
        if (impure)
            word = one.beforeImpure;
    }
    if (const std::string before = toLower(wordBefore);
        !one.dativeMasculine.empty() && !abbreviation &&
        (listed(one.dativePrepositions, before) || (listed(one.dativeBeforeTime, before) && listed(one.timeNouns, lower))))
        word = word == one.feminine ? one.dativeFeminine : one.dativeMasculine;
    if (word.empty() || !state.known(word))
        return std::nullopt;
    return std::string(word);
}

std::optional<std::string> readDigits(State& state, std::string_view digits, bool asNumber,
                                      std::string_view ruleSet, size_t longest) {
    const NumberWords& numbers = state.numbers();
    std::string words;
    if (asNumber && numbers.format && digits.size() <= longest &&
        (digits[0] != '0' || digits.size() == 1)) {
        const int64_t value = std::stoll(std::string(digits));
        // Only "one" differs by gender in every language alike; beyond it some write the
        // gendered compounds apart ("vent un"), which the plain words do not.
        if (!ruleSet.empty() && value == 1) {
            words = numbers.spell(value, ruleSet);
            if (!words.empty() && state.allKnown(words))
                return words;
        }
        words = numbers.spell(value);
        if (state.allKnown(words))
            return words;
        words.clear();
    }
    for (char d : digits) {
        if (!words.empty())
            words += ' ';
        words += numbers.digits[static_cast<size_t>(d - '0')];
    }
    if (!state.allKnown(words))
        return std::nullopt;
    return words;
}

// Decimals read as the language reads them: digit by digit (German, English), otherwise as
// a number unless they begin with a zero or run long ("trois virgule zéro cinq").
std::optional<std::string> readNumber(State& state, const WrittenNumber& number,
                                      std::string_view ruleSet) {
    // A gender belongs to a whole number only ("un euro", but "uno coma cinco euros").
    auto words = readDigits(state, number.whole, true, number.decimals.empty() ? ruleSet : "",
                            number.grouped ? 12 : 7);
    if (!words || number.decimals.empty())
        return words;
    const SymbolWords& symbols = *state.language()->symbols;
    const auto decimals = readDigits(state, number.decimals,
                                     !symbols.decimalsDigitByDigit && number.decimals.size() <= 3);
    if (!decimals || !state.allKnown(symbols.decimalSeparator))
        return std::nullopt;
    return *words + ' ' + std::string(symbols.decimalSeparator) + ' ' + *decimals;
}

std::string readSign(State& state, std::string_view lead) {
    const SymbolWords* symbols = state.symbols();
    // The dash right before the digits, not one of two ("--5") nor a minus of its own ("−").
    for (std::string_view sign : {std::string_view("-"), std::string_view("\u2212")}) {
        if (!symbols || !lead.ends_with(sign) || !state.known(symbols->minus))
            continue;
        const std::string_view rest = lead.substr(0, lead.size() - sign.size());
        if (rest.ends_with('-') || rest.ends_with("\u2212"))
            break;
        return std::string(rest) + std::string(symbols->minus) + ' ';
    }
    return std::string(lead);
}

// Digit groups ("512", "1,000", "3,5") become number words, or the words of their digits; the
// separators between groups and other parts become blanks. Only when every word is known.
namespace {

// Two numbers' digits compared as the numbers they write.
bool lessThan(std::string_view a, std::string_view b) {
    auto trim = [](std::string_view digits) {
        while (digits.size() > 1 && digits[0] == '0')
            digits.remove_prefix(1);
        return digits;
    };
    a = trim(a);
    b = trim(b);
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

} // namespace

namespace {

// The words of the line before the piece, the nearest first, and after it, each without the
// punctuation around it; none when no blank parts them from the piece.
std::vector<std::string_view> wordsAround(std::string_view text, bool before, size_t count) {
    std::vector<std::string_view> words;
    const std::vector<std::string_view> parts = splitBlanks(text);
    if (parts.empty() || !(before ? parts.back().empty() : parts.front().empty()))
        return words;
    for (size_t i = 0; i < parts.size() && words.size() < count; ++i) {
        const std::string_view part = parts[before ? parts.size() - 1 - i : i];
        if (part.empty())
            continue;
        const auto [from, to] = coreOf(part);
        words.push_back(part.substr(from, to - from));
    }
    return words;
}

bool isMonth(const Language& language, std::string_view word) {
    return std::any_of(language.months.begin(), language.months.end(), [&](std::string_view month) {
        return word == month || (toLower(month) == month && toLower(word) == month);
    });
}

// The date ends with the piece or goes on with its year (May 5, May 5 2020), which a count
// after a verb does not (March 3 miles, May 2 users).
bool dateEndsAfter(const State& state, const std::vector<std::string_view>& next) {
    const bool punctuated = !state.typed.empty() && isSeparatorByte(state.typed.back());
    return punctuated || next.empty() ||
           (next[0].size() == 4 && std::all_of(next[0].begin(), next[0].end(), isAsciiDigit));
}

// A number in a table of its forms by value (one to nineteen, the tens, a hundred): its
// own form, or below a hundred its tens' and its units' (dwudziestego pierwszego, dwudziesto
// cztero); empty where the table lacks one.
std::string formByValue(std::span<const NumberPrefix> forms, int value) {
    auto formOf = [&](int v) -> std::string {
        for (const NumberPrefix& form : forms)
            if (form.value == v)
                return std::string(form.word);
        return {};
    };
    if (value < 20 || value % 10 == 0)
        return formOf(value);
    if (value > 100)
        return {};
    const std::string tens = formOf(value / 10 * 10), units = formOf(value % 10);
    return tens.empty() || units.empty() ? std::string() : tens + ' ' + units;
}

// A whole number below a hundred as a genitive ordinal (dwudziestego pierwszego).
std::string genitiveOrdinal(const Language& language, int value) {
    return formByValue(language.genitiveOrdinals, value);
}

bool plainWhole(const WrittenNumber& number, size_t longest) {
    return number.decimals.empty() && !number.whole.empty() && number.whole.size() <= longest &&
           (number.whole[0] != '0' || number.whole.size() == 1);
}

// A day beside a month's name as the ordinal it is (am 1. Januar: am ersten Januar; od 1
// stycznia: od pierwszego stycznia), not a count of months.
// monthAfter tells whether the name follows: a full stop between is then the ordinal's mark.
std::optional<std::string> dayBesideMonth(State& state, const WrittenNumber& number, bool& monthAfter) {
    const Language* language = state.language();
    NumberWords& numbers = state.numbers();
    if (!language || !numbers.format || !plainWhole(number, 2))
        return std::nullopt;
    const int day = std::stoi(number.whole);
    const std::vector<std::string_view> next = wordsAround(state.after, false, 1);
    const std::vector<std::string_view> previous = wordsAround(state.before, true, 1);
    // Where a name stands on both sides (May 7. March), the one before is the day's.
    const bool monthBefore = language->dayAfterMonth && !previous.empty() &&
                             isMonth(*language, previous[0]) && dateEndsAfter(state, next);
    monthAfter = !monthBefore && !next.empty() && isMonth(*language, next[0]);
    if (day < 1 || day > language->lastOrdinalDay || !(monthAfter || monthBefore))
        return std::nullopt;
    const std::string words = !language->dayRuleSet.empty() ? numbers.spell(day, language->dayRuleSet)
                                                            : genitiveOrdinal(*language, day);
    if (words.empty() || !state.allKnown(words))
        return std::nullopt;
    return words;
}

// A number and its full stop before a word, where that makes an ordinal (i 1. verdenskrig:
// i første verdenskrig; im 12. Jahrhundert: im zwölften; během 20. století: dvacátého), not a
// count ("i et verdenskrig", "dvacet století"). keep tells that it is one whose form is not
// known here: left as typed rather than read as a count.
std::optional<std::string> ordinalBeforeWord(State& state, const WrittenNumber& number,
                                             std::string_view nextWord, bool& keep) {
    const Language* language = state.language();
    NumberWords& numbers = state.numbers();
    keep = false;
    if (!language || !language->dotOrdinals || !numbers.format || !plainWhole(number, 3))
        return std::nullopt;
    // After an article it is one whatever follows (i det 16.: i det sekstende).
    const std::vector<std::string_view> previous = wordsAround(state.before, true, 1);
    const bool afterArticle = !previous.empty() && listed(language->articlesBeforeOrdinals, previous[0]);
    const std::u32string letters = decode(nextWord.substr(0, coreOf(nextWord).second));
    // Ending the line after a preposition, it may end a sentence or be an ordinal whose noun
    // has been cut off (na 1. poziomie, ve 3. úrovni): where the ordinal's form depends on
    // that noun, neither reading is safe.
    static constexpr std::string_view casePrepositions[] = {"na", "w", "we", "za", "po", "o", "przy", "pod", "nad", "przed"};
    auto preposition = [&](std::string_view word) {
        return listed(language->genitivePrepositions, word) || listed(casePrepositions, word) ||
               std::any_of(language->caseEndingsAfter.begin(), language->caseEndingsAfter.end(),
                           [&](const CaseEnding& c) { return listed(c.prepositions, word); });
    };
    // A range's end (od 1 do 9.) is a count.
    const std::vector<std::string_view> twoBefore = wordsAround(state.before, true, 2);
    const bool rangeEnd = twoBefore.size() == 2 && std::any_of(twoBefore[1].begin(), twoBefore[1].end(), isAsciiDigit);
    if (nextWord.empty() && !afterArticle && language->dotOrdinalRuleSet.empty() && !previous.empty() && !rangeEnd &&
        state.typed == number.whole + "." &&
        preposition(previous[0]) && state.after.find_first_not_of(" ") == std::string_view::npos) {
        keep = true;
        return std::nullopt;
    }
    // Elsewhere than in German a capital after it begins a sentence.
    if (!afterArticle && (letters.empty() || !std::all_of(letters.begin(), letters.end(), isLetter) ||
                          (isUpperCase(letters[0]) && !language->listsNounsWithCapitals)))
        return std::nullopt;
    const int value = std::stoi(number.whole);
    std::string words;
    if (!nextWord.empty() && isMonth(*language, nextWord) && value >= 1 && value <= language->lastOrdinalDay) {
        // A day joined to its month (6.ledna: šestého ledna).
        words = !language->dayRuleSet.empty() ? numbers.spell(value, language->dayRuleSet)
                                              : genitiveOrdinal(*language, value);
    } else if (!language->dotOrdinalRuleSet.empty()) {
        // German: der 2. Weltkrieg, die 3. Stufe, das 1. Mal read with -e; im, am, des with -en.
        static constexpr std::string_view articles[] = {"der", "die", "das", "eine"};
        const bool plain = language->listsNounsWithCapitals && !previous.empty() && listed(articles, previous[0]);
        words = numbers.spell(value, plain ? "%spellout-ordinal" : language->dotOrdinalRuleSet);
    } else if (!previous.empty() && listed(language->genitivePrepositions, previous[0])) {
        words = genitiveOrdinal(*language, value);
    }
    keep = words.empty() || !state.allKnown(words);
    if (keep)
        return std::nullopt;
    return words;
}

// A year as years are read: nineteen seventy (from 2000 on as a number, two thousand one,
// tvåtusentretton); Polish tysiąc dziewięćset siedemdziesiątego (stycznia).
std::optional<std::string> yearWords(State& state, int year) {
    const Language* language = state.language();
    NumberWords& numbers = state.numbers();
    std::string words;
    if (language->ordinalYears) {
        const std::string ordinal = genitiveOrdinal(*language, year % 100);
        if (year % 100 == 0 || ordinal.empty())
            return std::nullopt;
        words = numbers.spell(year - year % 100) + ' ' + ordinal;
    } else if (!language->yearRuleSet.empty() && year < 2000) {
        words = numbers.spell(year, language->yearRuleSet);
        // Its hundreds as the year's and the rest apart where the dictionary lacks the whole
        // (negentienzeventig: negentienhonderd zeventig).
        if (!state.allKnown(words) && year % 100 != 0)
            words = numbers.spell(year - year % 100, language->yearRuleSet) + ' ' + numbers.spell(year % 100);
    }
    if (words.empty() || !state.allKnown(words))
        return std::nullopt;
    return words;
}

// A year before the word for year, where years are ordinals: in the genitive (od 1949 r.:
// od tysiąc dziewięćset czterdziestego dziewiątego roku), in the locative after a
// preposition that governs it (w 1949 r.: w ... czterdziestym dziewiątym), not a count.
std::optional<std::string> yearBeforeYearWord(State& state, int year) {
    const Language* language = state.language();
    if (!language || !language->ordinalYears || year < 1000 || year > 2099)
        return std::nullopt;
    static constexpr std::string_view yearWordsAfter[] = {"r", "r.", "roku", "rok"};
    static constexpr std::string_view locativePrepositions[] = {"w", "we", "o", "po", "przy"};
    const std::vector<std::string_view> next = wordsAround(state.after, false, 1);
    if (next.empty() || !listed(yearWordsAfter, next[0]))
        return std::nullopt;
    const std::vector<std::string_view> before = wordsAround(state.before, true, 1);
    if (before.empty() || !listed(locativePrepositions, before[0]))
        return yearWords(state, year);
    // The ordinal's genitive -ego is its locative's -ym (-im after i); the word list may hold
    // the one and not the other (czterdziestym, not czterdziestego).
    const std::string genitive = genitiveOrdinal(*language, year % 100);
    if (year % 100 == 0 || genitive.empty())
        return std::nullopt;
    std::string locative = state.numbers().spell(year - year % 100);
    for (const std::string_view word : splitBlanks(genitive)) {
        std::string w(word);
        if (w.ends_with("iego"))
            w.replace(w.size() - 4, 4, "im");
        else if (w.ends_with("ego"))
            w.replace(w.size() - 3, 3, "ym");
        locative += ' ' + w;
    }
    return state.allKnown(locative) ? std::optional(locative) : std::nullopt;
}

// A year after a month's name, or after one and its day (January 1, 1970), as a year.
std::optional<std::string> yearAfterMonth(State& state, const WrittenNumber& number) {
    const Language* language = state.language();
    NumberWords& numbers = state.numbers();
    if (!language || !numbers.format || !plainWhole(number, 4) || number.whole.size() != 4 ||
        (language->yearRuleSet.empty() && !language->ordinalYears))
        return std::nullopt;
    const std::vector<std::string_view> before = wordsAround(state.before, true, 2);
    auto isDay = [](std::string_view word) {
        return !word.empty() && word.size() <= 2 && std::all_of(word.begin(), word.end(), isAsciiDigit);
    };
    if (before.empty() || !(isMonth(*language, before[0]) ||
                            (before.size() == 2 && isDay(before[0]) && isMonth(*language, before[1]))))
        return std::nullopt;
    return yearWords(state, std::stoi(number.whole));
}

// A date's parts (01.01.1970): its day and month as the ordinals the language reads them by
// (ersten ersten, pierwszego pierwszego) or as numbers without their leading zero, not as
// codes ("null eins"); its year as a year.
std::optional<std::string> datePart(State& state, std::string_view digits, bool year) {
    const Language* language = state.language();
    NumberWords& numbers = state.numbers();
    const int value = std::stoi(std::string(digits));
    if (!language || !numbers.format || value == 0)
        return std::nullopt;
    std::optional<std::string> words;
    if (year)
        words = yearWords(state, value);
    else if (language->lastOrdinalDay >= 31)
        words = !language->dayRuleSet.empty() ? numbers.spell(value, language->dayRuleSet)
                                               : genitiveOrdinal(*language, value);
    if (!words || words->empty() || !state.allKnown(*words))
        words = numbers.spell(value);
    return state.allKnown(*words) ? words : std::nullopt;
}

// Two cells and the colon between them: A1:B2, AA10:DO4.
static bool cellRange(std::string_view piece) {
    const auto [first, last] = coreOf(piece);
    const std::string_view core = piece.substr(first, last - first);
    auto cell = [](std::string_view text) {
        size_t letters = 0;
        while (letters < text.size() && text[letters] >= 'A' && text[letters] <= 'Z')
            ++letters;
        return letters >= 1 && letters <= 3 && letters < text.size() &&
               std::all_of(text.begin() + static_cast<std::ptrdiff_t>(letters), text.end(), isAsciiDigit);
    };
    const size_t colon = core.find(':');
    return colon != std::string_view::npos && cell(core.substr(0, colon)) && cell(core.substr(colon + 1));
}

// The ending English writes after a number to make it an ordinal: 1st, 12th, 22nd.
static std::string_view englishOrdinalEnding(std::string_view digits) {
    const int last = digits.back() - '0';
    const bool teen = digits.size() >= 2 && digits[digits.size() - 2] == '1';
    return teen || last == 0 || last > 3 ? "th" : last == 1 ? "st" : last == 2 ? "nd" : "rd";
}

// A whole number in the case its neighbours show, which the nominative would break: after a
// preposition that governs the genitive (od zera do tysiąca stu dni, do devíti políček),
// after an adjective in the genitive (z ostatnich pięciu dni), before a noun whose ending
// shows the case (w pięciu plikach, z pięcioma plikami), or after a range's word that is
// such a preposition (5-10: pięć do dziesięciu). One, whose gender the number alone does not
// tell (jednego, jednej), only where the language counts in one gender (od zera do jednego,
// od jedné do devíti).
std::optional<std::string> numberInCase(State& state, const WrittenNumber& number, bool afterGenitiveWord = false) {
    const Language* language = state.language();
    if (!language || language->genitivePrepositions.empty() || !plainWhole(number, 7))
        return std::nullopt;
    const int64_t value = std::stoll(number.whole);
    NumberWords& numbers = state.numbers();
    if ((value == 1 && language->genitiveRuleSet.empty() &&
         (!language->oneBeforeNoun || language->oneBeforeNoun->counting.empty())) ||
        !numbers.format)
        return std::nullopt;
    std::string_view ruleSet;
    const CaseEnding* inCase = nullptr;
    const std::vector<std::string_view> next = wordsAround(state.after, false, 2);
    const std::vector<std::string_view> before = wordsAround(state.before, true, 1);
    std::string previous = before.empty() ? std::string() : toLower(before[0]);
    // A range's hyphen after a number (5 - 10) is said as the range's word.
    if (state.symbols() && state.before.ends_with(" - ") && followsNumber(state.before.substr(0, state.before.size() - 2)))
        previous = toLower(state.symbols()->range);
    // An adjective may stand between the preposition and the number: the preposition governs.
    if (const std::vector<std::string_view> two = wordsAround(state.before, true, 2);
        two.size() == 2 && decode(previous).size() >= 4 &&
        std::any_of(language->adjectivesBetween.begin(), language->adjectivesBetween.end(),
                    [&](std::string_view e) { return previous.ends_with(e); })) {
        const std::string preposition = toLower(two[1]);
        if (listed(language->genitivePrepositions, preposition) ||
            std::any_of(language->caseEndingsAfter.begin(), language->caseEndingsAfter.end(),
                        [&](const CaseEnding& c) { return listed(c.prepositions, preposition); }))
            previous = preposition;
    }
    // The noun may follow a range's end (od 5 do 10 poziomu).
    const std::vector<std::string_view> further = wordsAround(state.after, false, 3);
    const std::string_view noun = further.size() == 3 &&
                                          listed(language->genitivePrepositions, further[0]) &&
                                          !further[1].empty() && isAsciiDigit(further[1][0])
                                      ? further[2]
                                  : next.empty() ? std::string_view()
                                                 : next[0];
    if (value >= 2 && value < 100 && !noun.empty() &&
        listed(language->genitivePrepositions, previous) && toLower(noun) == noun &&
        std::any_of(
            language->singularGenitiveEndings.begin(), language->singularGenitiveEndings.end(),
            [&](std::string_view e) { return noun.size() >= e.size() + 3 && noun.ends_with(e); }))
        if (const std::string ordinal = genitiveOrdinal(*language, static_cast<int>(value));
            !ordinal.empty() && state.allKnown(ordinal))
            return ordinal;
    for (const CaseEnding& c : language->caseEndingsAfter) {
        if (next.empty() || (!c.prepositions.empty() && (!listed(c.prepositions, previous) || value >= 200)))
            continue;
        // Past an adjective that may be genitive or locative (chemických) to its noun.
        const std::string_view noun =
            !c.prepositions.empty() && next.size() > 1 && next[0].ends_with("ých") ? next[1] : next[0];
        if (noun.size() >= c.ending.size() + 2 && noun.ends_with(c.ending) && hasLowerCase(noun))
            inCase = &c;
    }
    // Either number of a pair after a preposition that governs both (mezi 6 a 14).
    if (!inCase && language->pairCase) {
        auto isNumber = [](std::string_view word) {
            return !word.empty() && std::all_of(word.begin(), word.end(), isAsciiDigit);
        };
        const std::vector<std::string_view> back = wordsAround(state.before, true, 3);
        if ((previous == language->pairPreposition && next.size() >= 2 &&
             next[0] == language->pairConjunction && isNumber(next[1])) ||
            (back.size() == 3 && back[0] == language->pairConjunction && isNumber(back[1]) &&
             toLower(back[2]) == language->pairPreposition))
            inCase = language->pairCase;
    }
    // Zero counts in one form whatever the noun's case (s nula bajty, not s nuly bajty).
    if (inCase && value == 0)
        return std::nullopt;
    if (inCase)
        ruleSet = inCase->ruleSet;
    bool genitive = afterGenitiveWord;
    if (!inCase && !genitive && !before.empty()) {
        const std::string& word = previous;
        genitive = listed(language->genitivePrepositions, word) ||
                   (word.size() >= 4 && // not ich, "their"
                    std::any_of(language->genitiveEndingsBefore.begin(), language->genitiveEndingsBefore.end(),
                                [&](std::string_view e) { return word.ends_with(e); }));
    }
    if (!inCase && !genitive)
        return std::nullopt;
    // One before a noun takes the noun's gender (jednej osoby), which its ending does not show.
    if (value == 1 && !(next.empty() || (!state.typed.empty() && isSeparatorByte(state.typed.back())) ||
                        listed(language->genitivePrepositions, next[0])))
        return std::nullopt;
    std::string words;
    if (!ruleSet.empty()) {
        words = numbers.spell(value, ruleSet);
        // From five on the genitive's form serves the other cases too (z czternastu plikami),
        // where the dictionary lacks their own (czternastoma).
        if (!state.allKnown(words) && value >= 5 && !language->genitiveRuleSet.empty())
            words = numbers.spell(value, language->genitiveRuleSet);
    } else if (!language->genitiveRuleSet.empty()) {
        words = numbers.spell(value, language->genitiveRuleSet);
    } else {
        const std::string spelled = numbers.spell(value);
        const std::vector<std::string_view> nominative = splitBlanks(spelled);
        auto genitiveOf = [&](std::string_view phrase) -> std::optional<std::string_view> {
            for (const std::span<const Respelling> forms :
                 {inCase ? inCase->words : std::span<const Respelling>(), language->genitiveWords})
                for (const Respelling& form : forms)
                    if (form.typed == phrase)
                        return form.meant;
            return std::nullopt;
        };
        for (size_t i = 0; i < nominative.size(); ++i) {
            std::optional<std::string_view> form;
            if (i + 1 < nominative.size())
                form = genitiveOf(std::string(nominative[i]) + ' ' + std::string(nominative[i + 1]));
            if (form)
                ++i;
            else if (!(form = genitiveOf(nominative[i])))
                return std::nullopt;
            words += (words.empty() ? "" : " ") + std::string(*form);
        }
    }
    if (words.empty() || !state.allKnown(words))
        return std::nullopt;
    return words;
}

// A clock's hour after the word for it, where the language reads hours as ordinals, in the
// case that word shows: o godzinie 3, trzeciej; godzina 21, dwudziesta pierwsza.
std::optional<std::string> hourAfterNoun(State& state, const WrittenNumber& number) {
    const Language* language = state.language();
    const std::vector<std::string_view> before = wordsAround(state.before, true, 1);
    if (!language || language->hourNouns.empty() || !plainWhole(number, 2) || before.empty())
        return std::nullopt;
    const int value = std::stoi(number.whole);
    const std::string previous = toLower(before[0]);
    const auto noun = std::find_if(language->hourNouns.begin(), language->hourNouns.end(),
                                   [&](const Respelling& form) { return form.typed == previous; });
    if (value < 1 || value > 24 || noun == language->hourNouns.end())
        return std::nullopt;
    const std::string_view ending = noun->meant;
    const std::string genitive = genitiveOrdinal(*language, value);
    std::string words;
    for (const std::string_view word : splitBlanks(genitive)) {
        if (!word.ends_with("ego"))
            return std::nullopt;
        std::string stem(word.substr(0, word.size() - 3));
        if (ending != "ej" && (stem.ends_with("gi") || stem.ends_with("ki"))) // drugiego: druga
            stem.pop_back();
        words += (words.empty() ? "" : " ") + stem + std::string(ending);
    }
    if (!state.allKnown(words))
        return std::nullopt;
    return words;
}

// A number hyphened or joined to an ordinal's ending as that ordinal: in the genitive
// (2-ego, 3-go: drugiego), or in the form whose end is typed (5-ty, 2gi, 1-sza: piąty,
// drugi, pierwsza).
std::optional<std::string> hyphenedOrdinal(State& state, const WrittenNumber& number,
                                           std::string_view next) {
    const Language* language = state.language();
    if (!language || language->genitiveOrdinalEndings.empty() || !plainWhole(number, 2) ||
        next.size() < 2)
        return std::nullopt;
    const size_t start = next[0] == '-' ? 1 : 0;
    const auto [from, to] = coreOf(next);
    if (from != start || to - from < 2)
        return std::nullopt;
    const std::string_view ending = next.substr(from, to - from);
    const std::string genitive = genitiveOrdinal(*language, std::stoi(number.whole));
    if (genitive.empty())
        return std::nullopt;
    if (listed(language->genitiveOrdinalEndings, ending))
        return state.allKnown(genitive) ? std::optional(genitive + std::string(next.substr(to)))
                                        : std::nullopt;
    for (const auto form :
         {&OrdinalForms::masculine, &OrdinalForms::feminine, &OrdinalForms::neuter}) {
        std::string words;
        for (const std::string_view word : splitBlanks(genitive)) {
            const auto forms =
                std::find_if(language->ordinalForms.begin(), language->ordinalForms.end(),
                             [&](const OrdinalForms& f) { return word.ends_with(f.genitive); });
            if (forms == language->ordinalForms.end()) {
                words.clear();
                break;
            }
            words += (words.empty() ? "" : " ") +
                     std::string(word.substr(0, word.size() - forms->genitive.size())) +
                     std::string((*forms).*form);
        }
        if (words.size() > ending.size() && words.ends_with(ending) && state.allKnown(words))
            return words + std::string(next.substr(to));
    }
    return std::nullopt;
}

// A number hyphened or joined to an adjective it counts (8-znakowym, 24-hodinový, 7bitové), in the
// form it takes joined to it (ośmio znakowym, dvaceti čtyř hodinový), not as a count of its own
// ("osiem znakowym": eight, of signs); and one hyphened to that form's ending (5-ti,
// 20-ti) as the form (pěti, dvaceti), not with the ending as a word ("pět ti").
struct PrefixForm {
    std::string words;
    bool ending = false; // the ending after the hyphen is in the words
};

std::optional<PrefixForm> prefixFormBefore(State& state, const WrittenNumber& number,
                                           std::string_view next) {
    const Language* language = state.language();
    const Morphology* morphology = state.morphology();
    if (!language || !morphology || language->numberPrefixForms.empty() ||
        !number.decimals.empty() || number.whole.size() > 3 || number.whole[0] == '0' ||
        next.size() < 2 ||
        !((next[0] == '-' && next.size() >= 3) || (next[0] >= 'a' && next[0] <= 'z')))
        return std::nullopt;
    const auto [from, to] = coreOf(next);
    const std::string word(next.substr(from, to - from));
    if (word.empty() || toLower(word) != word || std::any_of(word.begin(), word.end(), [](char c) {
            return isAsciiDigit(c) || isSeparatorByte(c);
        }))
        return std::nullopt;
    const int value = std::stoi(number.whole);
    PrefixForm form;
    form.words = formByValue(language->numberPrefixForms, value);
    const bool ending = word.size() < form.words.size() && form.words.ends_with(word);
    // Joined, a short word is an ordinal's ending (5ty, 2gi), no adjective.
    if (next[0] != '-' && !ending && decode(word).size() < 4)
        return std::nullopt;
    // A form the dictionary lacks (dwunasto for 12-to) leaves the number as it reads, its
    // ending gone rather than read as a word ("dwanaście to": twelve, this).
    if (ending && !form.words.empty() && !state.allKnown(form.words)) {
        form.words = state.numbers().spell(value);
        return state.allKnown(form.words) ? std::optional(PrefixForm{form.words, true}) : std::nullopt;
    }
    if (form.words.empty() || !state.allKnown(form.words))
        return std::nullopt;
    form.ending = ending;
    const std::vector<std::string> stems = form.ending ? std::vector<std::string>{} : morphology->stems(word);
    if (!form.ending && std::none_of(stems.begin(), stems.end(), [&](const std::string& stem) {
            return std::any_of(language->adjectiveEndings.begin(), language->adjectiveEndings.end(),
                               [&](std::string_view e) { return stem.ends_with(e); });
        }))
        return std::nullopt;
    return form;
}

// An IPv6 address (fe80::1, 2001:db8::/32, [::1]): groups of up to four hex digits and at
// least two colons, with a double colon or a hex letter, which a time (8:00:15) has not.
bool ipv6Address(std::string_view piece) {
    // In brackets, a port may follow ([::1]:8080).
    if (const size_t close = piece.rfind("]:"); close != std::string_view::npos && piece.find('[') < close &&
                                                std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(close + 2),
                                                            piece.end(), isAsciiDigit))
        piece = piece.substr(0, close + 1);
    while (!piece.empty() && std::string_view("([\"'").find(piece.front()) != std::string_view::npos)
        piece.remove_prefix(1);
    while (!piece.empty() && std::string_view(")]\"'.,;!?").find(piece.back()) != std::string_view::npos)
        piece.remove_suffix(1);
    if (const size_t slash = piece.rfind('/'); slash != std::string_view::npos && slash + 1 < piece.size() &&
        std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(slash + 1), piece.end(), isAsciiDigit))
        piece = piece.substr(0, slash);
    auto hexDigit = [](char c) { return isAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); };
    if (std::count(piece.begin(), piece.end(), ':') < 2 || !std::all_of(piece.begin(), piece.end(), [&](char c) {
            return c == ':' || hexDigit(c);
        }))
        return false;
    bool letter = false;
    for (size_t at = 0; at <= piece.size();) {
        const size_t colon = std::min(piece.find(':', at), piece.size());
        if (colon - at > 4)
            return false;
        letter = letter || std::any_of(piece.begin() + static_cast<std::ptrdiff_t>(at),
                                       piece.begin() + static_cast<std::ptrdiff_t>(colon),
                                       [](char c) { return !isAsciiDigit(c); });
        at = colon + 1;
    }
    return letter || piece.find("::") != std::string_view::npos;
}

// Letters written as digits, one between letters at least (con7ratto, H4PPY, Först0r4): the
// word they stand for, of four letters or more, is a word of the dictionary. Read as numbers,
// they would make other words (con sette ratto).
bool lettersAsDigits(const State& state, std::string_view piece) {
    const auto [first, last] = coreOf(piece);
    const std::u32string core = decode(piece.substr(first, last - first));
    static constexpr std::u32string_view as = U"oizeasgtbg"; // 0 to 9; 1 is also l
    const size_t letters = static_cast<size_t>(std::count_if(core.begin(), core.end(), isLetter));
    if (letters < 2 || core.size() < 4 || letters == core.size() ||
        !std::all_of(core.begin(), core.end(), [](char32_t c) { return isLetter(c) || (c >= U'0' && c <= U'9'); }))
        return false;
    // A digit between letters: not a number and its unit or ending (8am, 1re), nor a name and
    // its number (WIN95, flash5).
    bool inside = false;
    for (size_t i = 1; i + 1 < core.size(); ++i)
        inside = inside || (core[i] >= U'0' && core[i] <= U'9' && isLetter(core[i - 1]) &&
                            std::any_of(core.begin() + static_cast<std::ptrdiff_t>(i), core.end(), isLetter));
    if (!inside)
        return false;
    for (const char32_t one : {U'i', U'l'}) {
        std::u32string word;
        for (const char32_t c : core)
            word += c == U'1' ? one : c >= U'0' && c <= U'9' ? as[c - U'0'] : c;
        if (state.known(toLower(encode(word))))
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> spellDigits(State& state, const std::string& piece) {
    struct Segment {
        std::string text;
        WrittenNumber number;
        bool separatorsOnly = false;
    };
    if (std::none_of(piece.begin(), piece.end(), isAsciiDigit))
        return std::nullopt;
    // A line in another language reads its numbers in that language: this one's words among
    // them (give you un point, E cuatro) would read as neither. An IPv6 address is a code.
    if (inOtherLanguage(state) || ipv6Address(piece) || lettersAsDigits(state, piece))
        return std::nullopt;
    const SymbolWords* symbols = state.symbols();
    // A formula with brackets and operators (1/(n+1), 2*(a+b)) has no reading that keeps
    // what the brackets group: it stays as typed.
    if (const auto [first, last] = coreOf(piece);
        piece.substr(first, last - first).find_first_of("()[]") != std::string::npos &&
        piece.find_first_of("/*=^+") != std::string::npos)
        return std::nullopt;
    // A number after a full stop alone is a fraction's decimals (.5: point five), where the
    // language writes them so; elsewhere it stays as typed, for five is not .5.
    if (const auto [first, last] = coreOf(piece);
        first > 0 && piece[first - 1] == '.' && (first == 1 || !isAsciiDigit(piece[first - 2])) &&
        std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(first), piece.begin() + static_cast<std::ptrdiff_t>(last),
                    isAsciiDigit)) {
        if (!symbols || symbols->decimalMark != '.' || !state.allKnown(symbols->decimalSeparator))
            return std::nullopt;
        std::string digits;
        for (size_t i = first; i < last; ++i)
            digits += (digits.empty() ? "" : " ") + state.numbers().spell(piece[i] - '0');
        if (!state.allKnown(digits))
            return std::nullopt;
        return piece.substr(0, first - 1) + std::string(symbols->decimalSeparator) + ' ' + digits + piece.substr(last);
    }
    // A placeholder joined to a word (Librería(@1) is the program's, as one standing alone.
    if (const size_t at = piece.find('@'); at != std::string::npos && isPlaceholder(std::string_view(piece).substr(at)))
        return std::nullopt;
    // A colour written in hexadecimal (#FF0000, #00ff00) reads sign by sign, as all of its
    // letters would: "F F zero zero zero zero", no "FF" and no amount.
    auto hexColour = [&](size_t first, size_t last) {
        const std::string_view code = std::string_view(piece).substr(first, last - first);
        auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
        auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
        return first > 0 && piece[first - 1] == '#' && (code.size() == 6 || code.size() == 3) &&
               std::all_of(code.begin(), code.end(), hex) && std::any_of(code.begin(), code.end(), letter) &&
               std::any_of(code.begin(), code.end(), isAsciiDigit);
    };
    if (const auto [first, last] = coreOf(piece); hexColour(first, last)) {
        std::string words;
        for (size_t i = first; i < last; ++i)
            words += (i > first ? " " : "") +
                     (isAsciiDigit(piece[i]) ? state.numbers().digits[static_cast<size_t>(piece[i] - '0')]
                                             : std::string(1, piece[i]));
        if (!state.allKnown(words))
            return std::nullopt;
        return piece.substr(0, first) + words + piece.substr(last);
    }
    // A number in square brackets joined to a word is a note's or an index's (scaled[16],
    // array[0]): read, it would say the word's value.
    if (const size_t open = piece.find('['); open != std::string::npos && open > 0 &&
                                              !isSeparatorByte(piece[open - 1]) && !isAsciiDigit(piece[open - 1]) &&
                                              open + 1 < piece.size() && isAsciiDigit(piece[open + 1]))
        return std::nullopt;
    // A question mark joined before a number names a key or a button (?123), not an amount.
    if (const size_t first = coreOf(piece).first; first > 0 && piece[first - 1] == '?' && isAsciiDigit(piece[first]))
        return std::nullopt;
    // The ordinal's sign typed for the degree's after an angle (Spanish 360º, 90º): no one
    // writes the ninetieth or the three hundred sixtieth so.
    if (const auto [first, last] = coreOf(piece); last - first >= 4 && last - first <= 5 &&
                                                 piece.compare(last - 2, 2, "\u00BA") == 0 &&
                                                 std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(first),
                                                             piece.begin() + static_cast<std::ptrdiff_t>(last - 2),
                                                             isAsciiDigit) &&
                                                 std::stoi(piece.substr(first, last - 2 - first)) >= 90)
        return state.resolveParts(piece.substr(0, last - 2) + "\u00B0" + piece.substr(last), "symbols");
    // The colon's word beside a number, unless it holds a number word that would read as
    // one more number (Spanish 16:9, "dieciséis dos puntos nueve").
    std::string_view colon;
    if (symbols && !symbols->colon.empty() && state.allKnown(symbols->colon)) {
        const std::vector<std::string_view> words = splitBlanks(symbols->colon);
        if (std::none_of(words.begin(), words.end(), [&](std::string_view w) { return state.numbers().valueOf(toLower(w)); }))
            colon = symbols->colon;
    }
    // An ordinal written with a full stop before its ending (1.º, 2.ª, 3.o): the ordinal.
    if (const auto [first, last] = coreOf(piece); first < last) {
        const std::string_view core = std::string_view(piece).substr(first, last - first);
        const size_t dot = core.find('.');
        const std::string_view ruleSet =
            dot != std::string_view::npos ? state.numbers().ordinalRuleSet(core.substr(dot + 1)) : std::string_view();
        if (!ruleSet.empty() && dot >= 1 && dot <= 3 &&
            std::all_of(core.begin(), core.begin() + static_cast<std::ptrdiff_t>(dot), isAsciiDigit) &&
            core[0] != '0' && state.numbers().format) {
            const std::string words = state.numbers().spell(std::stoll(std::string(core.substr(0, dot))), ruleSet);
            if (!words.empty() && state.allKnown(words))
                return readSign(state, piece.substr(0, first)) + words + piece.substr(last);
        }
    }
    // A manual page's section after the page's name (sha1sum(1), ip(8)) stands apart in its
    // parentheses: run into the name, it would read as the name's number.
    if (const size_t open = piece.find('('); open != std::string::npos && open > 0 &&
                                             !isSeparatorByte(piece[open - 1])) {
        const size_t close = piece.find(')', open);
        if (close != std::string::npos && close > open + 1 && close - open <= 4 &&
            isAsciiDigit(piece[open + 1]) &&
            std::none_of(piece.begin() + static_cast<std::ptrdiff_t>(close + 1), piece.end(),
                         [](char c) { return !isSeparatorByte(c); }))
            return state.resolveParts(piece.substr(0, open) + ' ' + piece.substr(open), "numbers");
    }
    // A number between small letters is a name's (w3m, i18n, p2p, sha1sum): read apart, its
    // letters would be words of their own ("w" is Polish "in").
    {
        const auto [first, last] = coreOf(piece);
        const std::string_view core = std::string_view(piece).substr(first, last - first);
        auto small = [](char c) { return c >= 'a' && c <= 'z'; };
        const size_t digitsFrom = core.find_first_of("0123456789");
        const size_t digitsTo = core.find_last_of("0123456789") + 1;
        const size_t lettersAfter = core.size() - digitsTo;
        if (digitsFrom >= 1 && digitsFrom <= 4 && lettersAfter >= 1 && lettersAfter <= 4 &&
            std::all_of(core.begin(), core.begin() + static_cast<std::ptrdiff_t>(digitsFrom), small) &&
            std::all_of(core.begin() + static_cast<std::ptrdiff_t>(digitsFrom),
                        core.begin() + static_cast<std::ptrdiff_t>(digitsTo), isAsciiDigit) &&
            std::all_of(core.begin() + static_cast<std::ptrdiff_t>(digitsTo), core.end(), small))
            return std::nullopt;
        // Nor is a letter that is a word of its own cut off a version (IPv6, SOCKSv5): "IP v
        // šest" reads "IP in six".
        if (digitsFrom == 1 && small(core[0]) && lettersAfter == 0 && state.isOneLetterWord(static_cast<char32_t>(core[0])))
            return std::nullopt;
    }
    // A percentage divided (1.99%/12) is two numbers and the sign between them.
    if (const size_t at = piece.find("%/"); at != std::string::npos && at > 0 && isAsciiDigit(piece[at - 1]) &&
                                           at + 2 < piece.size() && isAsciiDigit(piece[at + 2]) && symbols &&
                                           state.allKnown(symbols->dividedBy))
        return state.resolveParts(piece.substr(0, at + 1), "symbols") + ' ' + std::string(symbols->dividedBy) + ' ' +
               state.resolveParts(piece.substr(at + 2), "numbers");
    // A name's plus signs are said before its number (C++11, g++-3.0).
    for (size_t i = 1; i < piece.size(); ++i)
        if (piece[i] == '+') {
            size_t end = i;
            while (end < piece.size() && isSeparatorByte(piece[end]))
                ++end;
            if (const std::string said = plusSigns(state, piece, i, end); !said.empty())
                return state.resolveParts(piece.substr(0, i) + said + ' ' + piece.substr(end), "numbers");
        }
    // Two digits one after the other and the next after a conjunction are a list written
    // without blanks (0,1 e 2: zero, uno e due), not a decimal (zero virgola uno e due).
    if (const auto [first, last] = coreOf(piece);
        last - first == 3 && isAsciiDigit(piece[first]) && piece[first + 1] == ',' && piece[first + 2] == piece[first] + 1) {
        const std::vector<std::string_view> next = wordsAround(state.after, false, 2);
        if (next.size() == 2 && next[0].size() <= 3 && std::none_of(next[0].begin(), next[0].end(), isAsciiDigit) &&
            coreOf(next[1]).second - coreOf(next[1]).first == 1 && next[1][coreOf(next[1]).first] == piece[first + 2] + 1)
            return state.resolveParts(piece.substr(0, first + 2) + ' ' + piece.substr(first + 2), "numbers");
    }
    // A list of numbers (pages 1,3,5-7,9) reads number by number, each comma kept: no
    // decimal (7,9) and no thousands (1,3,5) that the list does not hold.
    std::vector<size_t> commas;
    for (size_t i = 1; i + 1 < piece.size(); ++i)
        if (piece[i] == ',' && isAsciiDigit(piece[i - 1]) && isAsciiDigit(piece[i + 1]))
            commas.push_back(i);
    auto digitsAfter = [&](size_t i) {
        size_t j = i + 1;
        while (j < piece.size() && isAsciiDigit(piece[j]))
            ++j;
        return j - i - 1;
    };
    // Where a comma marks decimals, two numbers with decimals and a dash between them are a
    // range (2,5-3,5: twee komma vijf tot drie komma vijf).
    const bool decimalRange = [&] {
        const auto [first, last] = coreOf(piece);
        if (!symbols || symbols->decimalMark != ',' || commas.size() != 2)
            return false;
        const size_t dash = piece.find('-', commas[0]);
        return dash != std::string::npos && dash < commas[1] && dash == commas[0] + 1 + digitsAfter(commas[0]) &&
               commas[1] + 1 + digitsAfter(commas[1]) == last && dash + 1 < commas[1] &&
               std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(first),
                           piece.begin() + static_cast<std::ptrdiff_t>(commas[0]), isAsciiDigit) &&
               std::all_of(piece.begin() + static_cast<std::ptrdiff_t>(dash + 1),
                           piece.begin() + static_cast<std::ptrdiff_t>(commas[1]), isAsciiDigit);
    }();
    if (commas.size() >= 2 && !decimalRange &&
        !std::all_of(commas.begin(), commas.end(), [&](size_t i) { return digitsAfter(i) == 3; })) {
        std::string list = piece;
        for (auto it = commas.rbegin(); it != commas.rend(); ++it)
            list.insert(*it + 1, " ");
        return state.resolveParts(list, "numbers");
    }
    // Two numbers with decimals and a comma between them are a pair (coordinates:
    // 45.43,125.86), not one number grouped in thousands.
    {
        const size_t comma = piece.find(',');
        auto decimal = [](std::string_view part) {
            const size_t dot = part.find('.');
            return dot != std::string_view::npos && dot > 0 && dot + 1 < part.size() &&
                   std::all_of(part.begin(), part.end(), [](char c) { return isAsciiDigit(c) || c == '.'; }) &&
                   part.find('.', dot + 1) == std::string_view::npos;
        };
        const auto [first, last] = coreOf(piece);
        if (comma != std::string::npos && comma > first && comma + 1 < last &&
            decimal(std::string_view(piece).substr(first, comma - first)) &&
            decimal(std::string_view(piece).substr(comma + 1, last - comma - 1)))
            return state.resolveParts(piece.substr(0, comma + 1) + ' ' + piece.substr(comma + 1), "numbers");
    }
    std::vector<Segment> segments;
    const size_t n = piece.size();
    for (size_t i = 0; i < n;) {
        size_t j = i;
        if (isAsciiDigit(piece[i])) {
            WrittenNumber number = parseNumber(piece, i, symbols, lineWritesDotDecimals(state));
            j = number.end;
            segments.push_back({piece.substr(i, j - i), std::move(number), false});
        } else {
            bool separatorsOnly = true;
            for (; j < n && !isAsciiDigit(piece[j]); ++j)
                separatorsOnly = separatorsOnly && isSeparatorByte(piece[j]);
            segments.push_back({piece.substr(i, j - i), {}, separatorsOnly});
        }
        i = j;
    }
    const NumberWords& numbers = state.numbers();
    auto isNumber = [&](size_t k) { return k < segments.size() && !segments[k].number.whole.empty(); };
    // A plus right after a number, where the segment at k begins with it, says "or more"
    // (4.0+, 18+, 4.0+-enheder): unseen, it would leave the number alone.
    auto plusAfterNumber = [&](size_t k) {
        return k > 0 && segments[k].text[0] == '+' && isNumber(k - 1) && symbols &&
               !symbols->plus.empty() && state.allKnown(symbols->plus);
    };
    size_t numberCount = 0, dashes = 0; // a date's dashes are two (2026-12-08)
    for (const Segment& s : segments) {
        numberCount += !s.number.whole.empty();
        dashes += s.text == "-" || s.text == "\u2013";
    }
    // Between two numbers a full stop that is no decimal mark (a section or version, 3.8.1,
    // 6.0 where decimals take a comma) and a dash (a range, 5-7; a revision, 1.2.3-4) are
    // read, not dropped: "three point eight point one", "five to seven", "three dash four".
    // Not the dots of a date (8.12.2026).
    const size_t dateEnd = segments.size() - (segments.size() == 6 && segments[5].separatorsOnly);
    const bool date = numberCount == 3 && dateEnd == 5 && segments[1].text == "." &&
                      segments[3].text == "." && segments[0].text.size() <= 2 &&
                      segments[2].text.size() <= 2 && segments[4].text.size() == 4;
    auto dotsBefore = [&](size_t k) {
        return std::count_if(segments.begin(), segments.begin() + static_cast<std::ptrdiff_t>(k),
                             [](const Segment& s) { return s.text == "."; });
    };
    const bool afterNumber = followsNumber(state.before);
    // A time: hours, then minutes and perhaps seconds of two digits, colons between (10:30,
    // 8:00:15).
    bool clockTime = numberCount >= 2 && numberCount <= 3;
    for (size_t k = 0, numbersSeen = 0; clockTime && k < segments.size(); ++k) {
        const Segment& t = segments[k];
        if (t.number.whole.empty())
            clockTime = k == 0 || (t.separatorsOnly && (t.text == ":" || k + 1 == segments.size()));
        else
            clockTime = t.number.decimals.empty() && (numbersSeen++ == 0 ? t.number.whole.size() <= 2 : t.number.whole.size() == 2);
    }
    const bool zeroMinutes = clockTime && std::any_of(segments.begin() + 1, segments.end(), [](const Segment& t) {
                                 return !t.number.whole.empty() && t.number.whole[0] == '0';
                             });
    auto between = [&](const Segment& s, size_t k) -> std::string_view {
        if (!symbols || !isNumber(k - 1) || !isNumber(k + 1))
            return {};
        if (s.text == "+")
            return symbols->plus;
        if (s.text == "*")
            return symbols->times;
        // A fraction (1/256, 3 1/2); not a date's or a code's (8/12, 12/08, 24/12), nor a
        // pair (50/50, 24/7).
        // A small one (2/3, 1/4) is a fraction too: a date's month or day is seldom ten or
        // less after a smaller number; not after a name (Civ1/2: Civ one slash two).
        // Joined to a word, a first number of two digits or more makes alternatives, not a
        // fraction (40/128-bit: forty slash one hundred twenty eight bit; 3/4-inch).
        // After a name they are its versions (Outlook Express 5/6).
        const bool alternatives =
            (k + 2 < segments.size() && segments[k + 2].text.starts_with('-') &&
             segments[k - 1].number.whole.size() > 1) ||
            (k == 1 && labelBefore(state));
        // Nor two numbers that share a factor (16/32: sixteen or thirty two bits; no one
        // writes a half so).
        const bool coprime = [&] {
            const std::string& a = segments[k - 1].number.whole;
            const std::string& b = segments[k + 1].number.whole;
            return a.size() > 6 || b.size() > 6 || std::gcd(std::stoll(a), std::stoll(b)) == 1;
        }();
        if (s.text == "/" && numberCount == 2 && std::count(piece.begin(), piece.end(), '/') == 1 &&
            !alternatives && coprime && segments[k + 1].text[0] != '0' &&
            lessThan(segments[k - 1].number.whole, segments[k + 1].number.whole) &&
            (lessThan("12", segments[k + 1].number.whole) || afterNumber ||
             (lessThan(segments[k + 1].number.whole, "11") && (k < 2 || segments[k - 2].separatorsOnly))))
            return symbols->dividedBy;
        // Two or three full stops between numbers make a range (-180..180, 1...10): dropped,
        // the numbers would run together.
        if (s.text == ".." || s.text == "...")
            return symbols->range;
        if (s.text == "." && !date)
            return symbols->decimalMark == '.' ? symbols->decimalSeparator : symbols->dot;
        // A comma that groups no thousands (0,5 in an English text, 1,2,3) is said: dropped,
        // 0,5 would read as 0.5's digits or as one number.
        if (s.text == "," && symbols->decimalMark == '.')
            return symbols->comma;
        // A colon that is no time's (10:30, 8:00:15) is said (26300:2, a standard's part,
        // 02:00:01:02:03:04); so is a time's before minutes with a leading zero, which would
        // read as one number with the hour (01:06: one colon zero six, not one zero six).
        // Between two small numbers, the second of one digit, it is a ratio's (16:9, 4:3); not
        // after a name, whose chapter and verse they are (Genesis 1:1).
        if (s.text == ":" && !clockTime && numberCount == 2 && !symbols->ratio.empty() &&
            !nameBefore(state) && segments[k - 1].number.decimals.empty() &&
            segments[k + 1].number.decimals.empty() && segments[k - 1].number.whole.size() <= 2 &&
            segments[k + 1].number.whole.size() == 1 && state.allKnown(symbols->ratio))
            return symbols->ratio;
        if (s.text == ":" && (!clockTime || zeroMinutes))
            return colon;
        // After a version's second dot the dash is its revision's: 1.2.3-4.
        if (s.text == "-" && dashes == 1 && dotsBefore(k) >= 2)
            return symbols->dash;
        // A range or a score between numbers of their own (2-6, 1914-1918, 41-8); in a name
        // (x86-64, ISO-8859-1), before a leading zero (10-03) or down from a long number
        // (8859-1) the dash is only a dash.
        if ((s.text == "-" || s.text == "\u2013") && dashes == 1) {
            const std::string& from = segments[k - 1].number.whole;
            const std::string& to = segments[k + 1].number.whole;
            // A year's span may end in its last two digits (1994-98).
            const bool shortEnd = from.size() == 4 && to.size() == 2 && lessThan(from.substr(2), to);
            // So is one among a list's values (none;180;90-270), and one in a standard's number
            // after its name in capitals (TIS 620-2533).
            const bool listed = std::any_of(segments.begin(), segments.end(), [](const Segment& t) {
                return t.separatorsOnly && t.text == ";";
            });
            const bool code = listed || (k == 1 && from.size() != to.size() && standardNameBefore(state)) ||
                              (k >= 2 && !segments[k - 2].separatorsOnly) ||
                              (to.size() > 1 && to[0] == '0') ||
                              (from.size() >= 3 && lessThan(to, from) && !shortEnd);
            return code ? symbols->dash : symbols->range;
        }
        return {};
    };
    // The word for an equals sign, a semicolon or a multiplication's star, where the language
    // has one.
    auto signWord = [&](char c) -> std::string_view {
        const std::string_view word = !symbols ? std::string_view()
                                      : c == '=' ? symbols->equals
                                      : c == ';' ? symbols->semicolon
                                      : c == '*' ? symbols->times
                                                 : std::string_view();
        return !word.empty() && state.allKnown(word) ? word : std::string_view();
    };
    std::string out;
    bool afterWord = false;
    bool afterDot = false; // a full stop read as a word just before
    bool startInCase = false; // the first number read in the case its neighbours show
    bool codeRead = false;    // the last number was read as a code's, digit by digit
    for (size_t k = 0; k < segments.size(); ++k) {
        const Segment& s = segments[k];
        if (s.separatorsOnly) {
            afterDot = false;
            if (k == 0 && k + 1 < segments.size())
                out += readSign(state, s.text);
            // A plus after a number, before no other (4.0+, 4.0+-enheder).
            else if (plusAfterNumber(k) && !isNumber(k + 1) &&
                     (s.text.size() == 1 || s.text[1] == '-' || k + 1 == segments.size()))
                out += ' ' + std::string(symbols->plus) +
                       (k + 1 == segments.size() ? s.text.substr(1) : std::string(" "));
            else if (k == 0 || k + 1 == segments.size())
                out += s.text; // leading or trailing punctuation stays with the word
            else if (const std::string_view word = between(s, k);
                     !word.empty() && state.allKnown(word)) {
                out += ' ' + std::string(word) + ' ';
                afterDot = s.text == ".";
            }
            // An equals sign, a semicolon or a star is said: unseen, it would join a setting's
            // value to its name or a list's values to each other (6=4+2, 0=center, none;180;90).
            else if (const std::string_view word = s.text.size() == 1 ? signWord(s.text[0]) : std::string_view();
                     !word.empty())
                out += ' ' + std::string(word) + ' ';
            // Before a negative number too (0=-1: zero equals minus one).
            else if (const std::string_view word = s.text.size() == 2 && s.text[1] == '-' && isNumber(k + 1)
                                                       ? signWord(s.text[0])
                                                       : std::string_view();
                     !word.empty() && state.allKnown(symbols->minus))
                out += ' ' + std::string(word) + ' ' + std::string(symbols->minus) + ' ';
            // Numbers one after another keep their slash (6800/6801, 8/12, 1.0/1.1,
            // 97/2000/XP): a comma, which the receiver does not see, would run them together.
            // So do alternatives whose first ends with a hyphen (16-/32-bit).
            else if ((s.text == "/" || s.text == "-/") && isNumber(k - 1) && isNumber(k + 1) && symbols &&
                     state.allKnown(symbols->slash))
                out += ' ' + std::string(symbols->slash) + ' ';
            else if (s.text == "/" && isNumber(k - 1) && isNumber(k + 1))
                out += ", ";
            // A port after two colons (192.168.1.1::2525): each said.
            else if (s.text == "::" && isNumber(k - 1) && isNumber(k + 1) && !colon.empty())
                out += ' ' + std::string(colon) + ' ' + std::string(colon) + ' ';
            // A power (10^28) has no reading that keeps it: as typed.
            else if (s.text == "^" && isNumber(k - 1) && isNumber(k + 1))
                return std::nullopt;
            // A colon the language has no word for would run the numbers together (26300:2).
            else if ((s.text == ":" || s.text == "::") && isNumber(k - 1) && isNumber(k + 1) && !clockTime)
                return std::nullopt;

            else
                out += ' ';
            afterWord = false;
            continue;
        }
        if (afterWord)
            out += ' ';
        afterWord = true;
        const std::string& digits = s.number.whole;
        if (digits.empty()) {
            const auto [from, to] = coreOf(s.text);
            // A version's wildcard (2.x, 3.x.): its dot is read.
            if (symbols && k > 0 && s.text.starts_with(".x") && to == 2 && state.known(symbols->dot)) {
                const std::string_view dot =
                    symbols->decimalMark == '.' ? symbols->decimalSeparator : symbols->dot;
                out += std::string(dot) + " x" + s.text.substr(to);
                continue;
            }
            // A slash between a number and a word is said, as between two words (A4/Letter,
            // NT/2000/XP); not in a name of two letters and a digit (PS/2, OS/2).
            const std::u32string word = decode(std::string_view(s.text).substr(from, to - from));
            const bool slashWord = symbols && word.size() >= 2 && std::all_of(word.begin(), word.end(), isLetter) &&
                                   state.allKnown(symbols->slash);
            if (slashWord && k > 0 && from == 1 && s.text[0] == '/')
                out += std::string(symbols->slash) + ' ';
            // A power of ten (1e2) whose e is a word of its own (Italian "and") would read as
            // that word: left as typed.
            if (word.size() == 1 && (word[0] == U'e' || word[0] == U'E') && from == 0 && to == s.text.size() &&
                isNumber(k - 1) && isNumber(k + 1) && state.isOneLetterWord(U'e'))
                return std::nullopt;
            // Before a zone's offset a dash is its minus (GMT-8: GMT minus eight); so it is after
            // a small letter standing for a number (n-1: n minus one), and after a sentence's
            // mark with no blank (logo.-1 = continua).
            const bool zoneMinus = symbols && k + 1 < segments.size() && isNumber(k + 1) && s.text.ends_with('-') &&
                                   (toLower(s.text) == "gmt-" || toLower(s.text) == "utc-" ||
                                    (k == 0 && s.text.size() == 2 && s.text[0] >= 'a' && s.text[0] <= 'z') ||
                                    (s.text.size() >= 4 && std::string_view(".;:").find(s.text[s.text.size() - 2]) !=
                                                               std::string_view::npos &&
                                     s.text[s.text.size() - 3] >= 'a' && s.text[s.text.size() - 3] <= 'z' &&
                                     std::count_if(s.text.begin(), s.text.end(), isSeparatorByte) == 2)) &&
                                   state.known(symbols->minus);
            // An ending after a colon makes the number a noun (Swedish 296:an, "the 296"): it
            // goes, as after a name's colon.
            if (const Language* language = state.language();
                language && k > 0 && k + 1 == segments.size() && from == 1 && s.text[0] == ':' && isNumber(k - 1) &&
                to == s.text.size() && listed(language->nameEndings, s.text.substr(1))) {
                if (out.ends_with(' '))
                    out.pop_back();
                continue;
            }
            // So is a colon between a number and a word (a cell range, A1:B2: A one colon B
            // two; 1d6b:0001).
            const bool colonWord = symbols && !word.empty() && std::all_of(word.begin(), word.end(), isLetter) &&
                                   !colon.empty();
            if (colonWord && k > 0 && from == 1 && s.text[0] == ':' && isNumber(k - 1))
                out += std::string(colon) + ' ';
            // Also after a closing bracket ([address]:8080).
            const bool colonAfter = colonWord && s.text.ends_with(':') && isNumber(k + 1) &&
                                    s.text.find_first_not_of(")]}", to) == s.text.size() - 1;
            // Without a word for the colon a cell range's (A1:DO4) is the range's word (A jeden
            // až DO čtyři); any other would be dropped, and the piece stays as typed.
            if (symbols && !colonWord && !word.empty() &&
                ((k > 0 && from == 1 && s.text[0] == ':' && isNumber(k - 1)) ||
                 (to + 1 == s.text.size() && s.text[to] == ':' && isNumber(k + 1)))) {
                if (!cellRange(piece) || !state.allKnown(symbols->range))
                    return std::nullopt;
                if (s.text[0] == ':')
                    out += std::string(symbols->range) + ' ';
            }
            // So are an equals sign, a semicolon and a star between a number and a word
            // (0=center, none;180, Size=0, raggio*2).
            if (const std::string_view sign = k > 0 && from == 1 && isNumber(k - 1) ? signWord(s.text[0]) : "";
                !sign.empty())
                out += std::string(sign) + ' ';
            std::string signAfter =
                to + 1 == s.text.size() && isNumber(k + 1) ? std::string(signWord(s.text[to])) : std::string();
            // And before a negative number (min=-100: min equals minus one hundred).
            if (to + 2 == s.text.size() && s.text[to + 1] == '-' && isNumber(k + 1) && symbols &&
                !signWord(s.text[to]).empty() && state.allKnown(symbols->minus))
                signAfter = std::string(signWord(s.text[to])) + ' ' + std::string(symbols->minus);
            // So is one after a letter standing for a number (x/2: x slash two, not x two), or
            // one that is a letter typed as a digit's twin (I/0 for I/O).
            const bool variable = k == 0 && from == 0 && word.size() == 1 && isLetter(word[0]) &&
                                  symbols && state.allKnown(symbols->slash);
            const bool slashAfter = (slashWord || variable) && to + 1 == s.text.size() && s.text[to] == '/' &&
                                    isNumber(k + 1) &&
                                    (variable || word.size() >= 3 || segments[k + 1].number.whole.size() >= 2);
            // Words between numbers with slashes of their own (2000/XP/Vista/7): each said.
            if (const std::string_view inner = std::string_view(s.text).substr(from, to - from);
                symbols && k > 0 && k + 1 < segments.size() && inner.find('/') != std::string_view::npos &&
                state.allKnown(symbols->slash)) {
                std::string words;
                for (size_t at = 0; at <= inner.size();) {
                    const size_t slash = std::min(inner.find('/', at), inner.size());
                    const std::string_view part = inner.substr(at, slash - at);
                    at = slash + 1;
                    const std::u32string partLetters = decode(part);
                    std::optional<std::string> read;
                    if (partLetters.size() >= 2 && std::all_of(partLetters.begin(), partLetters.end(), isLetter))
                        read = state.known(part) ? std::optional(std::string(part)) : spellAbbreviation(state, std::string(part));
                    if (!read)
                        return std::nullopt;
                    words += (words.empty() ? "" : " " + std::string(symbols->slash) + ' ') + *read;
                }
                if (from == 1 && s.text[0] == '/')
                    out += std::string(symbols->slash) + ' ';
                out += words;
                if (to + 1 == s.text.size() && s.text[to] == '/')
                    out += ' ' + std::string(symbols->slash);
                continue;
            }
            // So is a plus between a number and the word it is hyphened to (4.0+-devices).
            if (from > 0 && plusAfterNumber(k))
                out += std::string(symbols->plus) + ' ';
            if (state.known(s.text)) {
                // A word joined to a number by a hyphen stands apart (15-Puzzle: fifteen
                // Puzzle; UTF-8: UTF eight), keeping what begins or ends the piece.
                const size_t begin = k > 0 ? from : 0;
                const size_t end = k + 1 < segments.size() ? to : s.text.size();
                out += s.text.substr(begin, end - begin);
            } else if (auto letters = spellAbbreviation(state, s.text.substr(from, to - from))) {
                // MP3, ASN.1, UTF-8: punctuation between the letters and digits goes.
                if (k == 0)
                    out += s.text.substr(0, from);
                out += *letters;
                if (k + 1 == segments.size())
                    out += s.text.substr(to);
            } else if (const std::string part = s.text.substr(from, to - from),
                       words = state.resolveParts(part, std::all_of(part.begin(), part.end(), [](char c) {
                                                           return c == '-' || !isSeparatorByte(c);
                                                       }) ? "separators" : "drawn-out letters");
                       k > 0 && words != part && state.allKnown(words)) {
                // A word after a number that the later rules make words of (3-Teilfeld: drei
                // Teil Feld), hyphened words too (16-Bit-Datei: sechzehn Bit Datei); other
                // signs between them would go unsaid (x0;yo;x1).
                out += words;
                if (k + 1 == segments.size())
                    out += s.text.substr(to);
            } else {
                return std::nullopt;
            }
            if (slashAfter)
                out += ' ' + std::string(symbols->slash);
            if (colonAfter)
                out += ' ' + std::string(colon);
            if (zoneMinus)
                out += ' ' + std::string(symbols->minus);
            // In a name with letters on both sides of its number (handL-90z) the dash is the
            // name's, minus or not: said, the name can be typed again.
            else if (symbols && !symbols->dash.empty() && s.text.ends_with('-') && to + 1 == s.text.size() &&
                     isNumber(k + 1) && k + 2 < segments.size() && !segments[k + 2].separatorsOnly &&
                     std::isalpha(static_cast<unsigned char>(segments[k + 2].text[0])) &&
                     state.allKnown(symbols->dash))
                out += ' ' + std::string(symbols->dash);
            if (!signAfter.empty())
                out += ' ' + signAfter;
            // A section's letter keeps its dot (B.2.2: B point two point two).
            if (symbols && to - from <= 2 && std::string_view(s.text).substr(to) == "." && isNumber(k + 1) &&
                (!segments[k + 1].number.decimals.empty() ||
                 (k + 3 < segments.size() && segments[k + 2].text == "." && isNumber(k + 3)))) {
                const std::string_view dot = symbols->decimalMark == '.' ? symbols->decimalSeparator : symbols->dot;
                if (state.allKnown(dot))
                    out += ' ' + std::string(dot);
            }
            continue;
        }
        // An ordinal (3rd, 1er, 2ª) reads as one: "third", not "three rd".
        const bool asNumber = numbers.format && digits.size() <= 7 &&
                              (digits[0] != '0' || digits.size() == 1);
        if (asNumber && k + 1 < segments.size() && !segments[k + 1].separatorsOnly &&
            s.text == digits) {
            // The suffix may carry the punctuation that ends the word ("3rd,").
            const std::string& after = segments[k + 1].text;
            size_t letters = after.size();
            while (letters > 0 && isSeparatorByte(after[letters - 1]))
                --letters;
            // A plural (the 1990s, MP3s): the number read, its last word a plural noun.
            if (const Language* language = state.language();
                language && !language->numberPlural.empty() &&
                toLower(std::string_view(after).substr(0, letters)) == language->numberPlural &&
                (letters == after.size() || k + 2 == segments.size()) &&
                (k + 2 == segments.size() || segments[k + 2].separatorsOnly) &&
                s.number.decimals.empty()) {
                const int64_t value = std::stoll(digits);
                std::optional<std::string> words = digits.size() == 4 && value >= 1100 &&
                                                           value <= 1999 &&
                                                           !language->yearRuleSet.empty()
                                                       ? yearWords(state, static_cast<int>(value))
                                                       : readNumber(state, s.number);
                // A round hundred or thousand counts them (100s: hundreds, not one hundreds).
                if (words && (value == 100 || value == 1000) &&
                    words->find(' ') != std::string::npos)
                    words->erase(0, words->find(' ') + 1);
                if (words && !words->empty()) {
                    const char lastLetter = words->back();
                    if (lastLetter == 'y')
                        words->replace(words->size() - 1, 1, "ies");
                    else
                        *words += lastLetter == 'x' ? "es" : "s";
                }
                if (words && state.allKnown(*words)) {
                    out += *words;
                    out += after.substr(letters);
                    ++k;
                    continue;
                }
            }
            const std::string_view ruleSet =
                numbers.ordinalRuleSet(std::string_view(after).substr(0, letters));
            if (!ruleSet.empty() && (letters == after.size() || k + 2 == segments.size()) &&
                (k + 2 == segments.size() || segments[k + 2].separatorsOnly)) {
                std::string words = numbers.spell(std::stoll(digits), ruleSet);
                if (!words.empty())
                    words += numbers.ordinalPlural(std::string_view(after).substr(0, letters));
                if (!words.empty() && state.allKnown(words)) {
                    out += words;
                    out += after.substr(letters);
                    ++k;
                    continue;
                }
            }
            // An English ordinal in another language (1st, 22nd) is quoted English: its own
            // number with "st" beside it would read as neither.
            if (ruleSet.empty() && toLower(std::string_view(after).substr(0, letters)) == englishOrdinalEnding(digits))
                return std::nullopt;
        }
        // A symbol written apart after the number reads in its form ("10 %": "ten percent"),
        // and the number in the symbol's gender ("1 €": "ein Euro").
        const bool beforeUnit = (k == 0 || (k == 1 && segments[0].separatorsOnly)) &&
                                (k + 1 == segments.size() ||
                                 (k + 2 == segments.size() && segments[k + 1].separatorsOnly));
        // Only a number with no letters joined to it: those make a name (7zr, 3D).
        const bool first = (k == 0 || (k == 1 && segments[0].separatorsOnly)) &&
                           std::all_of(segments.begin() + static_cast<std::ptrdiff_t>(k), segments.end(),
                                       [](const Segment& t) { return t.separatorsOnly || !t.number.whole.empty(); });
        // A day before a month's name, its full stop the ordinal's mark (1. Januar), and a
        // year after one.
        if (k == 0 && (segments.size() == 1 || (segments.size() == 2 && segments[1].separatorsOnly))) {
            const std::string_view rest = segments.size() == 2 ? std::string_view(segments[1].text) : "";
            bool monthAfter = false;
            if (const std::optional<std::string> day = dayBesideMonth(state, s.number, monthAfter)) {
                out += *day;
                out += rest == "." && monthAfter ? "" : rest;
                break;
            }
            if (const std::optional<std::string> year = yearAfterMonth(state, s.number)) {
                out += *year;
                out += rest;
                break;
            }
            if (rest == ".") {
                bool keep = false;
                const std::vector<std::string_view> next = wordsAround(state.after, false, 1);
                const std::optional<std::string> ordinal =
                    ordinalBeforeWord(state, s.number, next.empty() ? std::string_view() : next[0], keep);
                if (keep)
                    return std::nullopt;
                if (ordinal) {
                    // A full stop that ends the sentence too stays (i det 16. Det var).
                    const bool ends = next.empty() || (isUpperCase(decode(next[0])[0]) &&
                                                       !state.language()->listsNounsWithCapitals);
                    out += *ordinal + (ends ? "." : "");
                    break;
                }
            }
            // A full stop before a comma ends no sentence: an ordinal in a list (1., 3., 5. i
            // 7. strony), whose form waits for the noun at its end; left as typed.
            if ((rest == ".," || rest == ".;") && state.language() && state.language()->dotOrdinals &&
                plainWhole(s.number, 3))
                return std::nullopt;
        }
        // A decade (die 70er, 1970er Jahre: siebziger, neunzehnhundertsiebziger), its ending
        // joined to the last word: apart it reads as a word of its own (siebzig er, "he").
        if (k == 0 && segments.size() == 2 && state.language() && !state.language()->decadeEnding.empty() &&
            std::string_view(segments[1].text).substr(0, coreOf(segments[1].text).second) ==
                state.language()->decadeEnding &&
            plainWhole(s.number, 4) &&
            digits.size() >= 2 && digits.back() == '0' && digits != "10") {
            const int value = std::stoi(digits);
            std::optional<std::string> decade = digits.size() == 4 ? yearWords(state, value)
                                                                     : std::optional(numbers.spell(value));
            if (decade && !decade->empty()) {
                *decade += state.language()->decadeEnding;
                if (state.allKnown(*decade)) {
                    out += *decade + segments[1].text.substr(coreOf(segments[1].text).second);
                    break;
                }
            }
        }
        // Joined to its word (20.století).
        if (k == 0 && segments.size() == 2 && segments[1].text.size() > 1 && segments[1].text[0] == '.' &&
            !segments[1].separatorsOnly) {
            const std::string word = segments[1].text.substr(1);
            bool keep = false;
            const std::optional<std::string> ordinal = ordinalBeforeWord(state, s.number, word, keep);
            if (keep)
                return std::nullopt;
            if (ordinal) {
                out += *ordinal + ' ' + word;
                break;
            }
        }
        if (k + 1 < segments.size()) {
            if (const std::optional<std::string> ordinal = hyphenedOrdinal(state, s.number, segments[k + 1].text)) {
                out += *ordinal;
                ++k;
                continue;
            }
        }
        if (const std::optional<PrefixForm> form =
                k + 1 < segments.size() ? prefixFormBefore(state, s.number, segments[k + 1].text)
                                        : std::nullopt) {
            out += form->words;
            if (form->ending) {
                const std::string& next = segments[++k].text;
                out += next.substr(coreOf(next).second);
            }
            continue;
        }
        // After a full stop read as a word, a run longer than a year is a decimal's digits
        // (45.436845 where a comma marks decimals), not an amount of its own.
        // Three digits or more joined to an abbreviation or a short name name a standard, a
        // model or a code (RFC822, MT940, ISO-8859-15, H.264, i386, vt102, 0x800): said digit
        // by digit, not as an amount.
        // Not one capital alone, a model's letter whose number is said as one (F-117, E313).
        auto capitals = [&](size_t i) {
            std::string_view t = segments[i].text;
            const bool dot = t.ends_with('.');
            if (t.ends_with('-') || dot)
                t.remove_suffix(1);
            // In brackets or quotes too: (GB18030), "RFC822".
            if (i == 0)
                t.remove_prefix(std::min(t.size(), t.find_first_not_of("([{\"'")));
            auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
            auto small = [](char c) { return c >= 'a' && c <= 'z'; };
            return !segments[i].separatorsOnly && !t.empty() &&
                   ((t.size() >= 2 && std::all_of(t.begin(), t.end(), capital)) ||
                    (t.size() <= 2 && (i == 0 || segments[i - 1].separatorsOnly || segments[i - 1].text == "0") &&
                     (dot || std::any_of(t.begin(), t.end(), small)) &&
                     std::all_of(t.begin(), t.end(), [&](char c) { return capital(c) || small(c); })));
        };
        // A year (IDNA2008) and a round number (JPEG2000) are said as numbers.
        const bool yearOrRound = (digits.size() == 4 && digits >= "1900" && digits <= "2030") ||
                                 digits.ends_with("00");
        // So is one written apart after a standards body's name (ISO 8601, RFC 2822).
        static constexpr std::string_view bodies[] = {"iso", "rfc", "iec", "ieee", "din", "ecma",
                                                      "ansi", "itu", "en", "isbn", "issn", "pep"};
        auto afterBody = [&] {
            const std::string_view body = typedWordBefore(state);
            return k == 0 && !body.empty() && !hasLowerCase(body) && listed(bodies, body);
        };
        // A range's end stands in its start's case (během pěti až deseti), and after a
        // range's word that governs one in that case (pięć do dziesięciu).
        auto afterRange = [&](size_t i) {
            return i >= 2 && symbols && state.language() && between(segments[i - 1], i - 1) == symbols->range &&
                   (startInCase || listed(state.language()->genitivePrepositions, symbols->range));
        };
        // So is one of three digits or more before a full stop that is no decimal mark and a
        // number of one or two digits: a standard's (802.11: otte nul to punktum elleve).
        const bool dotted = symbols && symbols->decimalMark != '.' && !date && digits.size() >= 3 &&
                            !(k >= 1 && segments[k - 1].text == ".") &&
                            s.number.decimals.empty() && k + 2 < segments.size() && segments[k + 1].text == "." &&
                            isNumber(k + 2) && segments[k + 2].number.whole.size() <= 2 &&
                            (k + 3 == segments.size() || segments[k + 3].separatorsOnly);
        const bool hex = k >= 2 && segments[k - 1].text == "x" && segments[k - 2].text == "0";
        // So is one after a slash that follows such a code (RFC822/2822).
        const bool afterCode = codeRead && k >= 2 && segments[k - 1].text == "/";
        const bool code = (digits.size() >= 3 && s.number.decimals.empty() &&
                           (((k >= 1 && capitals(k - 1)) || afterBody()) || dotted || afterCode) &&
                           !yearOrRound) ||
                          (hex && digits.size() >= 2);
        codeRead = code;
        // A time's hour is said without its leading zero (01:40: one forty).
        const bool hour = clockTime && digits.size() == 2 && digits[0] == '0' && digits[1] != '0' && k + 1 < segments.size() &&
                          segments[k + 1].text == ":";
        std::optional<std::string> words =
            hour                                    ? readDigits(state, digits.substr(1))
            : date                                  ? datePart(state, digits, k == 4)
            : (afterDot && digits.size() > 4) || code ? readDigits(state, digits, false)
            : first                       ? [&] { const auto hour = hourAfterNoun(state, s.number); return hour ? hour : numberInCase(state, s.number); }()
            : afterRange(k)               ? numberInCase(state, s.number, true)
                                          : std::nullopt;
        startInCase = first && words;
        // A number from 1100 to 1999 alone, in a range or before its century's ending
        // (1991, 1914-1918, 1600-talet) is a year where the language reads years otherwise
        // than amounts (nineteen ninety one, not one thousand nine hundred ninety one); as
        // an amount such a number is rare, and its round hundreds read the same (fifteen
        // hundred).
        // Not a size's side (1920x1080).
        const bool size = state.typed.find("\u00D7") != std::string_view::npos ||
                          std::adjacent_find(state.typed.begin(), state.typed.end(), [&](char a, char b) {
                              return isAsciiDigit(a) && (b == 'x' || b == 'X');
                          }) != state.typed.end();
        const bool yearLike = digits.size() == 4 && digits >= "1100" && digits <= "1999" && !size &&
                              s.number.decimals.empty() && !date && !code && state.language() &&
                              !state.language()->yearRuleSet.empty() &&
                              (k == 0 || (k == 1 && segments[0].separatorsOnly) ||
                               (k >= 2 && (segments[k - 1].text == "-" || segments[k - 1].text == "\u2013")));
        if (!words && yearLike)
            words = yearWords(state, std::stoi(digits));
        if (!words && k == 0 && digits.size() == 4 && s.number.decimals.empty())
            words = yearBeforeYearWord(state, std::stoi(digits));
        if (!words && beforeUnit)
            words = oneBeforeNoun(state, s.number);
        if (!words) {
            words = readNumber(state, s.number, beforeUnit ? genderOfUnitAfter(state) : std::string_view());
            // One that counts no noun in the form the language counts with (dvacet jedna); one
            // joined to its unit is that unit's (1GB: jeden).
            const OneBeforeNoun* one = state.language() ? state.language()->oneBeforeNoun : nullptr;
            const bool wordJoined = k + 1 < segments.size() && !segments[k + 1].separatorsOnly &&
                                    segments[k + 1].number.whole.empty() && !isSeparatorByte(segments[k + 1].text[0]);
            if (words && one && !one->counting.empty() && s.number.decimals.empty() && !wordJoined &&
                (*words == one->masculine || words->ends_with(' ' + std::string(one->masculine))) &&
                state.known(one->counting))
                words = words->substr(0, words->size() - one->masculine.size()) + std::string(one->counting);
        }
        if (!words)
            return std::nullopt;
        out += *words;
        if (beforeUnit) {
            state.amount = s.number.value();
            state.amountFresh = true;
        }
    }
    return out;
}

} // namespace talvora::tidy
