// Names: abbreviations and names that no other rule resolves.

#include "common.h"
#include "languages.h"
#include "lowercase.h"
#include "morphology.h"
#include "rules.h"
#include "tidy.h"

#include <algorithm>

namespace talvora::tidy {

// Capitals that read as English words (README, MAXIFS, DCOUNT: D and COUNT, MERGE) name
// something said as a word: spelt as letters, the word is lost to the reader.
static bool readsAsEnglishWords(std::string_view lower) {
    const Language* english = languageFor("en");
    const Morphology* morphology = english ? Morphology::of(*english) : nullptr;
    if (!morphology)
        return false;
    const auto word = [&](std::string_view part) { return morphology->knowsAsTyped(part); };
    const std::u32string letters = decode(lower);
    if (letters.size() < 4)
        return false;
    if (word(lower))
        return true;
    // A letter before a word of four letters or more (DCOUNT, LTYPE; not JSON, EDID), or two
    // words, not a letter pair before a short one (MAXIFS, README, HOWTO; not MSDOS, ACPI).
    for (size_t cut = 1; cut + 2 <= letters.size(); ++cut) {
        const size_t rest = letters.size() - cut;
        const bool shape = cut == 1 ? rest >= 4 : (cut >= 3 || rest >= 4);
        if (shape && word(encode(letters.substr(cut))) && (cut == 1 || word(encode(letters.substr(0, cut)))))
            return true;
    }
    return false;
}

// The line names things in capitals that read as words, two or more (DAVERAGE, DCOUNT): its
// other capitals are names of their kind (DGET, DSTDEV), no initialisms to spell.
static bool listsNamesInCapitals(State& state) {
    if (!state.lineListsNamesInCapitals) {
        int names = 0;
        for (const std::string_view word : splitBlanks(state.line)) {
            const auto [first, last] = coreOf(word);
            const std::string_view core = word.substr(first, last - first);
            const std::u32string letters = decode(core);
            if (letters.size() >= 4 && std::all_of(letters.begin(), letters.end(), isUpperCase) &&
                readsAsEnglishWords(toLower(core)))
                ++names;
        }
        state.lineListsNamesInCapitals = names >= 2;
    }
    return *state.lineListsNamesInCapitals;
}

// An abbreviation the dictionary lacks (RSA, QWERTZ, CRLs) as its letters, each a dictionary
// word: "R S A", read as the abbreviation is read. Only in a line that also has lower-case
// letters: where everything is in capitals the words are shouted, not abbreviated, and an
// unknown one is better reported with its suggestions.
std::optional<std::string> spellAbbreviation(State& state, const std::string& piece) {
    constexpr size_t MaxLetters = 6;
    if (!state.lineHasLowerCase)
        return std::nullopt;
    const auto [first, last] = coreOf(piece);
    const std::u32string letters = decode(std::string_view(piece).substr(first, last - first));
    size_t capitals = letters.size();
    if (capitals > 2 && letters.back() == U's') // a plural: CRLs, PDFs
        --capitals;
    if (capitals < 2 || capitals > MaxLetters ||
        readsAsEnglishWords(toLower(encode(std::u32string_view(letters).substr(0, capitals)))) ||
        (capitals >= 4 && listsNamesInCapitals(state)))
        return std::nullopt;
    std::string spelt;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (i < capitals ? !isUpperCase(letters[i]) : !isLowerCase(letters[i]))
            return std::nullopt;
        const std::string letter = encode(std::u32string(1, letters[i]));
        if (!state.known(letter))
            return std::nullopt;
        if (!spelt.empty())
            spelt += ' ';
        spelt += letter;
    }
    return piece.substr(0, first) + spelt + piece.substr(last);
}

// A name that no rule resolves (Ravanal, Linarien), when asked for: letter by letter, each
// letter a word of the dictionary. Asked for words, also any other word the dictionary lacks
// (povzdechl, półobrotu), but not a likely typo: one edit from a dictionary word that the
// language's own dictionary does not know (pasword) is left to the report and its suggestion.
std::optional<std::string> spellOutWord(State& state, const std::string& piece) {
    if (state.spellOut == SpellOut::Nothing)
        return std::nullopt;
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    // A name's own apostrophe (Li'sar) is no letter to say.
    const std::u32string typed = decode(core);
    std::u32string letters = typed;
    std::erase(letters, U'\'');
    if (letters.size() < 2 || !std::all_of(letters.begin(), letters.end(), isLetter) ||
        (letters.size() != typed.size() && (letters.size() + 1 < typed.size() || !isUpperCase(letters[0]))))
        return std::nullopt;
    if (!isUpperCase(letters[0])) {
        // A word one accent away is no typo's target: whoever typed the accents meant them
        // (ospårad is no osparad).
        const Morphology* morphology = state.morphology();
        const std::u32string lower = decode(toLower(core));
        const std::vector<std::u32string> near = state.nearWords(lower);
        const bool typo = std::any_of(near.begin(), near.end(), [&](const std::u32string& word) {
            return withoutAccents(word) != withoutAccents(lower);
        });
        const bool known = morphology && morphology->knows(core);
        if ((!known && typo) || (state.spellOut == SpellOut::Names && (known || !morphology)))
            return std::nullopt;
    }
    // A letter the language does not write is written as a keyboard without it would (the á
    // of Paraná as a).
    std::string spelt;
    for (const char32_t letter : letters) {
        std::string written = encode(std::u32string(1, letter));
        if (!state.known(written))
            written = encode(withoutAccents(std::u32string(1, letter)));
        spelt += (spelt.empty() ? "" : " ") + written;
    }
    if (!state.allKnown(spelt))
        return std::nullopt;
    return piece.substr(0, first) + spelt + piece.substr(last);
}

bool writesNounsWithCapitals(const State& state, std::string_view line) {
    const Morphology* morphology = state.morphology();
    if (!morphology)
        return false;
    int nouns = 0;
    bool sentenceStart = true;
    for (const std::string_view word : splitBlanks(line)) {
        const auto [first, last] = coreOf(word);
        const std::string_view core = word.substr(first, last - first);
        const std::u32string letters = decode(core);
        if (!sentenceStart && letters.size() >= 2 && isUpperCase(letters[0]) &&
            std::all_of(letters.begin() + 1, letters.end(), isLowerCase) && state.known(toLower(core)) &&
            morphology->knowsAsTyped(toLower(core)) && ++nouns == 2)
            return true;
        sentenceStart = !word.empty() && std::string_view(".!?:").find(word.back()) != std::string_view::npos;
    }
    return false;
}

} // namespace talvora::tidy
