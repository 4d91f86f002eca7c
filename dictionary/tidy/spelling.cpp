// Spelling: a word written otherwise than the dictionary writes it, as that word.

#include "spelling.h"

#include "common.h"
#include "keyspace.h"
#include "languages.h"
#include "morphology.h"
#include "rules.h"
#include "text.h"
#include "utf8.h"

#include <algorithm>

namespace talvora::tidy {

AccentIndex::AccentIndex(const Keyspace& ks) {
    byPlainForm.reserve(ks.wordCount());
    for (uint32_t row = 1; row <= ks.wordCount(); ++row)
        byPlainForm.emplace_back(hashOf(withoutAccents(decode(ks.word(row)))), row);
    std::sort(byPlainForm.begin(), byPlainForm.end());
}

// Letters drawn out for effect (sooo, Nooo, crrruel, cooool): each run of three or more of
// one letter kept once or twice, the word that takes out fewest letters first (cool before
// col); when two would do, it is left to the report. Roman numerals in capitals (XIII) and
// one letter over and over (www, HHHHHHHH) are no drawn-out words.
std::optional<std::string> unstretch(State& state, const std::string& piece) {
    constexpr size_t MaxRuns = 4;
    const auto [first, last] = coreOf(piece);
    const std::u32string typed = decode(piece.substr(first, last - first));
    const std::u32string lower = decode(toLower(piece.substr(first, last - first)));
    // Nor a Roman numeral with its ordinal's ending (XIIIème, XIIIth).
    auto roman = [](char32_t c) { return std::u32string_view(U"IVXLCDM").find(c) != std::u32string_view::npos; };
    const auto numeral = std::find_if_not(typed.begin(), typed.end(), roman);
    if (lower.size() != typed.size() || numeral == typed.end() ||
        (numeral - typed.begin() >= 2 && std::all_of(numeral, typed.end(), isLowerCase)))
        return std::nullopt;
    // Capitals among small letters are an abbreviation (IEEE, DSSSL), as for respelling.
    if (state.looksLikeAbbreviation(encode(typed)))
        return std::nullopt;
    std::vector<std::pair<size_t, size_t>> runs; // start and length
    for (size_t i = 0; i < lower.size();) {
        size_t j = i + 1;
        while (j < lower.size() && lower[j] == lower[i])
            ++j;
        if (j - i == lower.size())
            return std::nullopt;
        // Capitals over and over at the start are an abbreviation's (PPPoE, SSSD), not a
        // drawn-out word's (CRRRUEL).
        if (i == 0 && j >= 3 && isLetter(lower[0]) && lower[0] != typed[0])
            return std::nullopt;
        if (j - i >= 3 && isLetter(lower[i])) {
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
        if (state.known(encode(word)))
            best.offer(word, removed);
    }
    // Only now ask the language: the look-up costs more than the search. A drawn-out
    // consonant must leave a word of it in small letters, with a vowel (pppd is no ppd, Mixxx
    // no mixx); a drawn-out vowel is a voice's (sooo, DZIEKIII).
    const bool vowelsOnly = std::all_of(runs.begin(), runs.end(),
                                        [&](const auto& run) { return isVowel(lower[run.first]); });
    if (!best.get() || !state.mayReplace(piece.substr(first, last - first)))
        return std::nullopt;
    const std::string result = toLower(encode(*best.get()));
    if (!vowelsOnly && state.morphology() &&
        (!state.morphology()->knowsAsTyped(result) || std::ranges::none_of(decode(result), isVowel)))
        return std::nullopt;
    // Nor does a capitalised word's, a name's as often as not, leave another word (Jaaa is
    // no ja).
    if (vowelsOnly && state.morphology() && isUpperCase(typed[0]) &&
        std::all_of(typed.begin() + 1, typed.end(), isLowerCase) && !state.morphology()->knows(result))
        return std::nullopt;
    return piece.substr(0, first) + encode(*best.get()) + piece.substr(last);
}

// Letters written the way a keyboard without them allows (Anschlaege, Gruesse, paa), in an
// older or the Swiss spelling (mißlich, heisst), or as Czech is spoken (dobrej, velkýho,
// vylejzal): each such spot may stand for what the written language puts there. Of the
// spellings that are dictionary words, the one of fewest changes, when it is the only one.
std::optional<std::string> respell(State& state, const std::string& piece) {
    constexpr size_t MaxSpots = 6;
    if (!state.language() || state.language()->respellings.empty())
        return std::nullopt;
    const auto& respellings = state.language()->respellings;
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    // Capitals among small letters are an abbreviation (AVC is no AUC), read letter by letter.
    const std::string lower = toLower(core);
    if (state.looksLikeName(core) || state.textNames.contains(lower) ||
        state.looksLikeAbbreviation(core))
        return std::nullopt;
    // Each spot: where it starts, how many bytes it covers, and what may stand there.
    struct Spot {
        size_t at, length;
        std::vector<std::string_view> meant;
    };
    std::vector<Spot> spots;
    for (size_t i = 0; i < lower.size() && spots.size() < MaxSpots;) {
        Spot spot{i, 0, {}};
        auto letterAfterFits = [&](const Respelling& r) {
            size_t next = i + r.typed.size();
            return r.notBefore.empty() ||
                   (next < lower.size() && r.notBefore.find(utf8::next(lower, next)) == std::u32string_view::npos);
        };
        for (const Respelling& r : respellings)
            if (lower.compare(i, r.typed.size(), r.typed) == 0 &&
                (spot.meant.empty() || r.typed.size() == spot.length) && letterAfterFits(r)) {
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
        if (state.known(word))
            best.offer(word, rank);
    }
    if (!best.get() || !state.mayReplace(core))
        return std::nullopt;
    return piece.substr(0, first) +
           withCapitalsOf(decode(core), decode(*best.get())) +
           piece.substr(last);
}

namespace {

bool lineInOtherLanguage(State& state) {
    constexpr int FewWords = 5;
    const Morphology* morphology = state.morphology();
    const Morphology* englishMorphology = state.englishMorphology();
    if (!englishMorphology)
        return false;
    // Words of two letters or more with a vowel, no abbreviations (rgb, UK); English ones are
    // those this language does not know, or knows only as its compounds (dis charges, kno
    // wing) that the dictionary lacks. The first few tell a long line's language.
    constexpr int Sample = 40;
    int words = 0, englishWords = 0, ownWords = 0;
    for (const std::string_view word : splitBlanks(state.line)) {
        if (words == Sample)
            break;
        const auto [first, last] = coreOf(word);
        const std::string_view core = word.substr(first, last - first);
        const std::u32string letters = decode(core);
        const std::u32string plainLetters = withoutAccents(decode(toLower(core)));
        if (letters.size() < 2 || !std::all_of(letters.begin(), letters.end(), isLetter) ||
            plainLetters.find_first_of(U"aeiouy") == std::u32string::npos || !hasLowerCase(core))
            continue;
        ++words;
        const std::string lower = toLower(core);
        const std::string_view asTyped = englishMorphology->knowsAsTyped(core)    ? core
                                         : englishMorphology->knowsAsTyped(lower) ? std::string_view(lower)
                                                                                  : std::string_view();
        if (!asTyped.empty() && (!morphology->knowsAsTyped(asTyped) ||
                                 (!state.known(lower) && morphology->analyse(asTyped).compound)))
            ++englishWords;
        else if (asTyped.empty() && (morphology->knowsAsTyped(core) || morphology->knowsAsTyped(lower)))
            ++ownWords;
    }
    // Or where the words both know (for, in, is) leave few of the rest this language's, or
    // none (Technically, 1 KB is 1024 bytes: is, bytes, and, so are Danish too).
    return words >= FewWords && (2 * englishWords > words || (englishWords >= 2 && englishWords > 3 * ownWords) ||
                                 (englishWords >= 1 && ownWords == 0));
}

} // namespace

bool inOtherLanguage(State& state) {
    if (!state.lineInOtherLanguage)
        state.lineInOtherLanguage = lineInOtherLanguage(state);
    return *state.lineInOtherLanguage;
}

// The piece stands alone in quotes, as a value typed as it stands does (« memos », "memos").
static bool quotedAlone(const State& state) {
    // Only the marks next to it: the line around it may be long.
    constexpr size_t Near = 8;
    const std::u32string typed = decode(state.typed);
    std::string_view beforeBytes = state.before, afterBytes = state.after;
    while (!beforeBytes.empty() && beforeBytes.back() == ' ')
        beforeBytes.remove_suffix(1);
    while (!afterBytes.empty() && afterBytes.front() == ' ')
        afterBytes.remove_prefix(1);
    const std::u32string before =
        decode(beforeBytes.substr(beforeBytes.size() - std::min(beforeBytes.size(), Near)));
    const std::u32string after = decode(afterBytes.substr(0, Near));
    const bool opened =
        (!typed.empty() && isQuote(typed.front())) || (!before.empty() && isQuote(before.back()));
    size_t end = typed.size();
    while (end > 0 &&
           std::u32string_view(U".,;:!?").find(typed[end - 1]) != std::u32string_view::npos)
        --end;
    const bool closed =
        (end > 1 && isQuote(typed[end - 1])) || (!after.empty() && isQuote(after.front()));
    return opened && closed;
}

// A word typed without its accents or with wrong ones (dekuji, prilis, cancion, piú,
// konvertér) as the dictionary word that has the same letters but for their accents, the
// one of fewest differences (an accent changed counts half of one added or dropped). When
// two or more would do, it is left to the report, and so is a word of the language that the
// dictionary lacks (prodlévá is no prodleva).
std::optional<std::string> fixAccents(State& state, const std::string& piece) {
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    const std::u32string letters = decode(core);
    const std::u32string lower = decode(toLower(core));
    // Nor an extension (*.mov is no *.møv).
    if (letters.size() < 2 || lower.size() != letters.size() ||
        !std::all_of(letters.begin(), letters.end(), isLetter) || state.looksLikeName(core) ||
        state.textNames.contains(encode(lower)) || (first > 0 && piece[first - 1] == '.'))
        return std::nullopt;
    // Capitals among small letters, or inside a word, write an abbreviation or a name (SANE,
    // CORBA, GiNaC, ProDA), never a word without its accents (saně, čorba, ginąć, prodá).
    const bool innerCapital = std::any_of(letters.begin() + 1, letters.end(), isUpperCase);
    if ((innerCapital && (hasLowerCase(core) || (state.lineHasLowerCase && letters.size() <= 6))) ||
        state.inNameParts)
        return std::nullopt;
    // Whoever typed an accent had the keys for them: a plain letter then is meant plain
    // (förstoraren is no förstöraren); only a typed accent may be wrong (piú), for another
    // accent: dropped, it leaves another letter (můžná is no mužná, vytisklý no vytiskly),
    // but where the accent marks stress only (konvertér) or the letter is not the language's.
    const std::u32string plainTyped = withoutAccents(lower);
    const bool typedAccents = plainTyped != lower;
    // The same for a name, a part of a joined word or a short word in the line: one typed
    // plain beside accented words is meant plain (Namazu beside nástroj is no namažu,
    // blas-dev no błaś dev, snice no sníce); where nouns take capitals, a capital makes no
    // name. A longer word may be a slip (podivala beside viděla), but not in an ending that
    // accents tell apart (lichem, "by a lich", beside naučit is no lichém, "odd").
    const bool capitalised = isUpperCase(letters[0]) && hasLowerCase(core) && !innerCapital;
    // A line in another language has its words, no slips (handled is no håndled); nor has one
    // that English knows and the language does not, typed plain among accented words or
    // quoted alone: a word quoted or a name spelled like one (Exécute evince: no évince,
    // "ousts"; « memos », a value).
    if (!typedAccents && inOtherLanguage(state))
        return std::nullopt;
    if (const Morphology* english = state.englishMorphology();
        !typedAccents && (state.lineHasAccents || quotedAlone(state)) && !capitalised && english &&
        english->knowsAsTyped(encode(lower)) && !state.morphology()->knowsAsTyped(encode(lower)))
        return std::nullopt;
    if (!typedAccents && state.lineHasAccents &&
        (state.inSeparatedParts || (!capitalised && letters.size() <= 5) ||
         (capitalised && state.language() && !state.capitalisesNouns())))
        return std::nullopt;
    const bool stressOnly = state.language() && state.language()->optionalStressAccents;
    // A letter the language does not write (María, São in German) is another language's: it
    // may go as a keyboard without it would write it. Every letter of the alphabet is a word
    // of the shipped dictionaries.
    auto inAlphabet = [&](char32_t c) { return state.known(encode(std::u32string(1, c))); };
    const std::u32string plain = withoutAccents(lower);
    const auto& index = state.accents().byPlainForm;
    const uint64_t hash = hashOf(plain);
    auto it = std::lower_bound(index.begin(), index.end(), std::make_pair(hash, uint32_t{0}));
    UniqueBest<std::u32string, size_t> best;
    for (; it != index.end() && it->first == hash; ++it) {
        const std::u32string word = decode(state.keyspace().word(it->second));
        if (word.size() != lower.size() || withoutAccents(word) != plain)
            continue;
        // One accent written for another (dèr for dér, perchè) is nearer than an accent
        // added or left out: whoever typed one meant the letter to carry one.
        // Only an accent for another that marks the vowel the same way (più, dér), since a
        // ring, a diaeresis or a caron makes a letter of its own (tråda is no träda); and in a
        // line with such letters typed where they have keys of their own, none of those is
        // added (sparning is no spårning).
        // Nor in a short line, which may have none by chance (Sparning misslyckades: no
        // spårning).
        constexpr size_t FewWords = 6;
        const bool keysUsed = state.language() && state.language()->keysForMarkedLetters &&
                              (state.lineHasAccents || state.lineWords < FewWords);
        size_t differences = 0;
        bool allowed = !(state.lineHasAccents && !typedAccents && state.language() &&
                         state.language()->accentedEndings &&
                         (word[word.size() - 1] != lower[lower.size() - 1] ||
                          word[word.size() - 2] != lower[lower.size() - 2]));
        for (size_t i = 0; i < word.size(); ++i)
            if (word[i] != lower[i]) {
                const bool swapped = word[i] != plain[i] && lower[i] != plain[i];
                differences += swapped ? 1 : 2;
                allowed = allowed &&
                          (!typedAccents
                               ? !keysUsed || isStressAccent(word[i])
                               : lower[i] != plain[i] &&
                                     (swapped ? (isStressAccent(lower[i]) && isStressAccent(word[i])) ||
                                                    !inAlphabet(lower[i])
                                              : stressOnly || !inAlphabet(lower[i])));
            }
        if (allowed)
            best.offer(word, differences);
    }
    // Beside accented words a slip leaves out one accent, not two (vyskou is no výškou).
    if (!best.get() || best.rank() == 0 || (!typedAccents && state.lineHasAccents && best.rank() > 2))
        return std::nullopt;
    const std::u32string& word = *best.get();
    // Where nouns take capitals, a noun of four letters or more with a plural's or a case's
    // ending is that noun's form (Auswahlen, "selections", is no Auswählen, "to select"): no
    // accent goes on it.
    for (const std::u32string_view ending : {U"en", U"n", U"s", U"e", U"er"})
        if (capitalised && state.capitalisesNouns() && lower.size() >= ending.size() + 4 &&
            std::u32string_view(lower).ends_with(ending)) {
            const std::u32string stem = lower.substr(0, lower.size() - ending.size());
            if (state.known(encode(stem)) && std::u32string_view(word).substr(0, stem.size()) != stem)
                return std::nullopt;
        }
    // A stress accent that the spelling may leave out leaves a word the language knows the
    // same word (konvertér, konverter), but only where both share a stem.
    const bool onlyDropped = typedAccents && [&] {
        for (size_t i = 0; i < word.size(); ++i)
            if (word[i] != lower[i] && word[i] != plain[i])
                return false;
        return true;
    }();
    if (!state.mayReplace(core) &&
        !(onlyDropped && state.morphology() && state.language()->optionalStressAccents &&
          state.morphology()->shareStem(toLower(core), encode(word))))
        return std::nullopt;
    return piece.substr(0, first) + withCapitalsOf(letters, word) + piece.substr(last);
}

} // namespace talvora::tidy
