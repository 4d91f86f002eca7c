#include "rules.h"

#include "codepage.h"
#include "common.h"
#include "keyspace.h"
#include "languages.h"
#include "morphology.h"
#include "numbers.h"
#include "spelling.h"

#include <algorithm>
#include <unicode/uchar.h>

namespace talvora::tidy {

const std::vector<Rule>& rules() {
    static const std::vector<Rule> list = {
        {"spaces", normalizeSpaces},
        {"apostrophes", plainApostrophes},
        {"telephone numbers", readPhoneNumber},
        {"number signs", readNumberSign},
        {"fractions", readFraction},
        {"arithmetic", readArithmetic},
        {"ranges", readRangeDash},
        {"symbols", spellSymbols},
        {"arrows", readArrows},
        {"addresses", readAddress},
        {"punctuation", dropPunctuation},
        {"separators", splitAtSeparators},
        {"numbers", spellDigits},
        {"drawn-out letters", unstretch},
        {"respelling", respell},
        {"accents", fixAccents},
        {"capitals", splitAtCapitals},
        {"abbreviations", spellAbbreviation},
        {"compounds", splitCompound},
        {"spelled out", spellOutWord},
    };
    return list;
}

namespace {

size_t ruleIndex(std::string_view name) {
    const auto& list = rules();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].name == name)
            return i;
    return list.size();
}

} // namespace

const SymbolWords* State::symbols() const {
    return language_ ? language_->symbols : nullptr;
}

State::State(const Keyspace& keyspace, std::string locale)
    : keyspace_(keyspace), locale_(std::move(locale)), language_(languageFor(locale_)),
      morphology_(language_ ? Morphology::of(*language_) : nullptr) {}

State::~State() = default;

bool State::known(std::string_view piece) const {
    const std::string token = tokenOf(piece);
    return token.empty() || keyspace_.findWord(token) != 0;
}

bool State::mayReplace(std::string_view word) const {
    return morphology_ && !morphology_->knows(word);
}

bool State::looksLikeAbbreviation(std::string_view core) const {
    return lineHasLowerCase && !hasLowerCase(core) && decode(core).size() <= 6;
}

bool State::isOneLetterWord(char32_t letter) const {
    return language_ && language_->oneLetterWords.find(static_cast<char32_t>(
                            u_tolower(static_cast<UChar32>(letter)))) != std::u32string_view::npos;
}

bool State::readsAsWord(std::string_view ending) const {
    if (language_ && language_->inflectsNames)
        return true;
    const std::u32string letters = decode(ending);
    return letters.size() == 1 ? isOneLetterWord(letters[0]) : known(ending);
}

const Morphology* State::englishMorphology() const {
    const Language* english = languageFor("en");
    return morphology_ && english && language_ != english ? Morphology::of(*english) : nullptr;
}

bool State::capitalisesNouns() const {
    return language_ && (language_->capitalisesNouns || lineCapitalisesNouns);
}

bool State::looksLikeName(std::string_view core) const {
    const std::u32string letters = decode(core);
    if (capitalisesNouns() || letters.size() < 2 || !isUpperCase(letters[0]) ||
        !std::all_of(letters.begin() + 1, letters.end(), isLowerCase))
        return false;
    // A part of GStreamer or of Ravanal»Lord is no name of its own, and a second Tidy, which
    // sees the parts apart, must find the same.
    std::u32string chars = decode(typed);
    while (!chars.empty() && !isWordChar(chars.back()))
        chars.pop_back();
    const auto from = std::find_if(chars.begin(), chars.end(), isWordChar);
    const std::u32string word(from, chars.end());
    // The whole word, or a part of a name joined by hyphens (Mal-Ravanal, Jean-Luc); a later
    // part is one also at the start of a sentence.
    for (size_t at = 0; at <= word.size();) {
        const size_t end = std::min(word.find(U'-', at), word.size());
        if (std::u32string_view(word).substr(at, end - at) == letters)
            return at > 0 || !sentenceStart;
        at = end + 1;
    }
    return false;
}

bool isCommandLine(const State& state, std::string_view line) {
    // A program's name in small letters that is no word, a setting's dotted name of three
    // labels or more, and no full stop at the end: any of its pieces read as words would no
    // longer run.
    const std::vector<std::string_view> pieces = splitBlanks(line);
    if (pieces.size() < 2 || pieces.back().find_last_of(".!?:") == pieces.back().size() - 1)
        return false;
    auto label = [](std::string_view l) {
        return !l.empty() && l[0] >= 'a' && l[0] <= 'z' && std::all_of(l.begin(), l.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || isAsciiDigit(c) || c == '-' || c == '_';
        });
    };
    auto setting = [&](std::string_view piece) {
        size_t labels = 0;
        for (size_t from = 0;; ++labels) {
            const size_t dot = piece.find('.', from);
            if (!label(piece.substr(from, dot == std::string_view::npos ? dot : dot - from)))
                return false;
            if (dot == std::string_view::npos)
                return labels + 1 >= 3;
            from = dot + 1;
        }
    };
    return label(pieces[0]) && pieces[0].find('.') == std::string_view::npos && !state.known(pieces[0]) &&
           std::any_of(pieces.begin() + 1, pieces.end(), setting);
}

bool State::allKnown(std::string_view pieces) const {
    for (std::string_view p : splitBlanks(pieces))
        if (!known(p))
            return false;
    return true;
}

std::string State::resolve(std::string piece, size_t rule) {
    // No rule but those of blanks, quotes and punctuation reads a program's placeholder: it
    // stays for the report, signs and all.
    const bool placeholder = lineIsCommand || isPlaceholder(piece);
    const bool code = isCode(piece) || degreeForOrdinal(*this, piece);
    const auto& list = rules();
    for (; rule < list.size(); ++rule) {
        if (placeholder && list[rule].name != "spaces" && list[rule].name != "apostrophes" &&
            list[rule].name != "punctuation")
            continue;
        if (code && list[rule].name != "spaces")
            continue;
        const size_t mark = fired.size();
        std::optional<std::string> out = list[rule].apply(*this, piece);
        if (out && *out != piece) {
            // Before the rules that it tried on its parts.
            fired.insert(fired.begin() + static_cast<std::ptrdiff_t>(mark), list[rule].name);
            // An address's names are as typed: no accent goes on them (fil.mov is no møv).
            const bool wasInName = inNameParts, wasInAddress = inAddress;
            inAddress = inAddress || list[rule].name == "addresses";
            inNameParts = inNameParts || inAddress;
            std::string parts = resolvePartsFrom(*out, rule + 1);
            inNameParts = wasInName;
            inAddress = wasInAddress;
            return parts;
        }
    }
    return piece;
}

std::string State::resolveParts(const std::string& pieces, std::string_view fromRule) {
    return resolvePartsFrom(pieces, ruleIndex(fromRule));
}

std::string State::resolvePartsFrom(const std::string& pieces, size_t rule) {
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

std::vector<std::u32string> State::nearWords(std::u32string_view word) {
    if (alphabet_.empty()) {
        for (char32_t c = U'a'; c <= U'z'; ++c)
            alphabet_ += c;
        if (language_) {
            const CodePage page = CodePage::fromName(std::string(language_->codePage));
            for (int byte = 0x80; byte < 0x100; ++byte)
                if (const char32_t c = page.codePointOf(static_cast<unsigned char>(byte));
                    isLetter(c) && isLowerCase(c))
                    alphabet_ += c;
        }
    }
    std::vector<std::u32string> found;
    std::u32string edit;
    auto check = [&] {
        if (keyspace_.findWord(encode(edit)) != 0)
            found.push_back(edit);
    };
    for (size_t i = 0; i <= word.size(); ++i) {
        for (char32_t c : alphabet_) {
            edit.assign(word).insert(i, 1, c);
            check();
            if (i < word.size() && c != word[i]) {
                edit.assign(word)[i] = c;
                check();
            }
        }
        if (i < word.size()) {
            edit.assign(word).erase(i, 1);
            check();
        }
        if (i + 1 < word.size() && word[i] != word[i + 1]) {
            edit.assign(word);
            std::swap(edit[i], edit[i + 1]);
            check();
        }
    }
    return found;
}

NumberWords& State::numbers() {
    if (!numbers_) {
        numbers_ = std::make_unique<NumberWords>(locale_, language_);
        numbers_->known = [this](std::string_view word) { return keyspace_.findWord(word) != 0; };
    }
    return *numbers_;
}

AccentIndex& State::accents() {
    if (!accents_)
        accents_ = std::make_unique<AccentIndex>(keyspace_);
    return *accents_;
}

} // namespace talvora::tidy
