#include "rules.h"

#include "common.h"
#include "keyspace.h"
#include "languages.h"
#include "numbers.h"
#include "spelling.h"

namespace talvora::tidy {

const std::vector<Rule>& rules() {
    static const std::vector<Rule> list = {
        {"spaces", normalizeSpaces},
        {"apostrophes", plainApostrophes},
        {"punctuation", dropPunctuation},
        {"separators", splitAtSeparators},
        {"numbers", spellDigits},
        {"drawn-out letters", unstretch},
        {"respelling", respell},
        {"accents", fixAccents},
        {"capitals", splitAtCapitals},
        {"abbreviations", spellAbbreviation},
        {"compounds", splitCompound},
        {"names spelled out", spellName},
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

State::State(const Keyspace& keyspace, std::string locale)
    : keyspace_(keyspace), locale_(std::move(locale)), language_(languageFor(locale_)) {}

State::~State() = default;

bool State::known(std::string_view piece) const {
    const std::string token = tokenOf(piece);
    return token.empty() || keyspace_.findWord(token) != 0;
}

bool State::allKnown(std::string_view pieces) const {
    for (std::string_view p : splitBlanks(pieces))
        if (!known(p))
            return false;
    return true;
}

std::string State::resolve(std::string piece, size_t rule) {
    const auto& list = rules();
    for (; rule < list.size(); ++rule) {
        const size_t mark = fired.size();
        std::optional<std::string> out = list[rule].apply(*this, piece);
        if (out && *out != piece) {
            // Before the rules that it tried on its parts.
            fired.insert(fired.begin() + static_cast<std::ptrdiff_t>(mark), list[rule].name);
            return resolvePartsFrom(*out, rule + 1);
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

NumberWords& State::numbers() {
    if (!numbers_)
        numbers_ = std::make_unique<NumberWords>(locale_, language_);
    return *numbers_;
}

AccentIndex& State::accents() {
    if (!accents_)
        accents_ = std::make_unique<AccentIndex>(keyspace_);
    return *accents_;
}

} // namespace talvora::tidy
