// Splitting: a token that is two or more words written together, as those words.

#include "common.h"
#include "keyspace.h"
#include "languages.h"
#include "lowercase.h"
#include "morphology.h"
#include "numbers.h"
#include "rules.h"
#include "text.h"
#include "utf8.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <utility>

namespace talvora::tidy {

std::vector<std::string_view> partsOf(const std::string& piece, const std::string& split);

namespace {

// A word joined where its capitals say (RowExclusiveLock, WhatsApp, SELinux, GSMtelefon):
// blanks before a capital that follows a small letter, and where a run of capitals meets
// small letters: before its last capital (XMLParser) or, if so told, after it (GSMtelefon).
// Nothing when no such place is found.
std::optional<std::string> splitWhereCapitals(std::string_view piece, bool afterRuns, bool endings) {
    // afterRuns: cut after a run of capitals; endings: only before an ending after one.
    const auto [first, last] = coreOf(piece);
    const std::u32string letters = decode(piece.substr(first, last - first));
    std::u32string out;
    bool split = false;
    const size_t n = letters.size();
    // Small letters after a run of capitals begin a word when there are three or more of them
    // (XMLParser, GSMtelefon), or one before a number (IPv6, TLSv1.3); otherwise they are a
    // plural or a name's (SSDs, GVfs). Two or three with a vowel that end the word after three
    // capitals or more are an ending after the whole run (HTMLem, GIMPem: HTML em, not HTM Lem).
    auto smallRun = [&](size_t from) {
        size_t to = from;
        while (to < n && isLowerCase(letters[to]))
            ++to;
        return to - from;
    };
    auto ending = [&](size_t from) {
        // After three capitals or more: two are a name's first letter and a word (GIcon).
        if (from < 3 || !isUpperCase(letters[from - 3]))
            return false;
        const size_t run = smallRun(from);
        return run >= 2 && run <= 3 && from + run == n &&
               std::any_of(letters.begin() + static_cast<std::ptrdiff_t>(from), letters.end(), isVowel);
    };
    for (size_t i = 0; i < n; ++i) {
        const bool smallThenCapital =
            i > 0 && isLowerCase(letters[i - 1]) && isUpperCase(letters[i]);
        const bool runMeetsSmall =
            endings     ? i >= 2 && isUpperCase(letters[i - 2]) && isUpperCase(letters[i - 1]) && ending(i)
            : afterRuns ? i >= 2 && isUpperCase(letters[i - 2]) && isUpperCase(letters[i - 1]) &&
                              (smallRun(i) >= 3 ||
                               (smallRun(i) == 1 && i + 1 < n && letters[i + 1] >= U'0' && letters[i + 1] <= U'9'))
                        : i > 0 && isUpperCase(letters[i - 1]) && isUpperCase(letters[i]) &&
                              smallRun(i + 1) >= 2;
        if (smallThenCapital || runMeetsSmall) {
            out += U' ';
            split = true;
        }
        out += letters[i];
    }
    // A capital standing alone at the end is a unit's or a name's letter (TiB, SyncTeX), not a
    // word.
    const std::u32string lastPart = out.substr(out.rfind(U' ') + 1);
    if (!split || (lastPart.size() == 1 && isUpperCase(lastPart[0])))
        return std::nullopt;
    return std::string(piece.substr(0, first)) + encode(out) + std::string(piece.substr(last));
}

// Whether a split at capitals leaves parts a reader takes for a name's: at least one part
// reads as a word, three letters or more with small ones, or as a number (G Streamer,
// lib FLAC, IP v6; no Dj Vu, Pi Ti Vi, Gr ADS, NIf TI); an ending is one the language writes after a name (HTML em;
// no CTS im in Swedish); and small letters cut off a run of capitals, with or without its
// last capital, are a word (GSM telefon, XML Parser; no OC aml, KM ines, NT Psec).
bool readsAsNameParts(const State& state, std::string_view split, bool afterRuns, bool endings,
                      bool anyLetter = false) {
    const auto [first, last] = coreOf(split);
    const std::vector<std::string_view> parts = splitBlanks(split.substr(first, last - first));
    auto capitals = [](const std::u32string& letters) {
        return std::all_of(letters.begin(), letters.end(), [](char32_t c) { return !isLowerCase(c); });
    };
    // A name's words are English as often as the language's own (DVB stream, ABI check).
    auto knownWord = [&](std::string_view part) {
        const Morphology* morphology = state.morphology();
        if (!morphology || morphology->knowsAsTyped(part))
            return true;
        const Language* english = languageFor("en");
        const Morphology* englishMorphology = english ? Morphology::of(*english) : nullptr;
        return englishMorphology && englishMorphology->knowsAsTyped(part);
    };
    // Or an abbreviation with small letters before it (gl BSP; no Gr ADS, Py MOL); one small
    // letter before capitals is the name's own (sRGB, mDNS, iPhone: no s RGB, i Phone), and so
    // is one capital before a word (GStreamer, JPilot: no G Streamer, J Pilot, a letter and
    // a word that mean something else together).
    if (parts.size() >= 2) {
        const std::u32string head = decode(parts[0]);
        if (head.size() == 1 &&
            (isLowerCase(head[0]) || (isUpperCase(head[0]) && hasLowerCase(parts[1]))))
            return false;
    }
    bool word = false, abbreviation = false, markedOnlyInSmall = true;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::u32string letters = decode(parts[i]);
        const size_t count = static_cast<size_t>(std::count_if(letters.begin(), letters.end(), isLetter));
        const bool small = std::any_of(letters.begin(), letters.end(), isLowerCase);
        const bool digits = std::any_of(letters.begin(), letters.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
        if (count == 1 && !digits && !anyLetter &&
            state.isOneLetterWord(*std::find_if(letters.begin(), letters.end(), isLetter)))
            return false; // a letter that reads as a word of its own (i Tip, K Mail in Czech)
        // Small letters cut off a run of capitals, where the run's last capital begins a word
        // with them, are that word's (KMail, XFree86: no KM ail, XF ree).
        if (afterRuns && !endings && small && i > 0 && capitals(decode(parts[i - 1]))) {
            const size_t wordEnd = static_cast<size_t>(
                std::find_if_not(letters.begin(), letters.end(), isLetter) - letters.begin());
            if (wordEnd >= 2 &&
                knownWord(encode(decode(parts[i - 1]).back() + letters.substr(0, wordEnd))))
                return false;
        }
        if (digits) {
            word = true; // a version's or a number's mark, read by the number rule (IP v6)
            continue;
        }
        // Letters only: a part with a mark inside reads as no word (F:ARo MD).
        if (small && count >= 3 && count == letters.size() && !(isUpperCase(letters[0]) && isUpperCase(letters[1])))
            word = true;
        if (!small && count >= 3)
            abbreviation = true;
        else if (std::any_of(letters.begin(), letters.end(), isUpperCase))
            markedOnlyInSmall = false;
        if (!small || i == 0 || !capitals(decode(parts[i - 1])))
            continue;
        const Language* language = state.language();
        if (endings && i + 1 == parts.size())
            return language && listed(language->nameEndings, parts[i]);
        if (afterRuns && !endings &&
            (letters.size() < 3 || !knownWord(parts[i])))
            return false;
        // A capital taken from the run begins a word (XML Parser, IMAP Copy, SE Linux; no NT
        // Psec): one of five letters or more the dictionary holds will do.
        const std::string lower = toLower(parts[i]);
        if (!afterRuns && isUpperCase(letters[0]) && !knownWord(lower) &&
            !(letters.size() >= 5 && state.known(lower)))
            return false;
    }
    return word || (abbreviation && markedOnlyInSmall);
}

} // namespace

// Each part from the number rule on: IPv6, SOCKSv5-Proxy.
std::optional<std::string> splitAtCapitals(State& state, const std::string& piece) {
    // An address's names are typed as they stand (/BonjourWindows is no "Bonjour Windows").
    if (state.inAddress)
        return std::nullopt;
    const size_t fired = state.fired.size();
    // An ending after the whole run first (HTML em), where its parts are words.
    for (const auto& [afterRuns, endings] : {std::pair{true, true}, {false, false}, {true, false}}) {
        const std::optional<std::string> split = splitWhereCapitals(piece, afterRuns, endings);
        if (!split)
            continue;
        if (!readsAsNameParts(state, *split, afterRuns, endings)) {
            // A name whose parts read as words but for a letter that is a word of the
            // language (Czech KBrush: k) is cut nowhere else either (no KB rush).
            if (!afterRuns && readsAsNameParts(state, *split, afterRuns, endings, true))
                return std::nullopt;
            continue;
        }
        // An ending that reads as a word goes (HTMLem: HTML, not "HTML em").
        std::string name = *split;
        if (endings) {
            const size_t blank = name.rfind(' ');
            const std::string_view last = std::string_view(name).substr(blank == std::string::npos ? 0 : blank + 1);
            if (blank != std::string::npos && state.language() && toLower(last) == last &&
                listed(state.language()->nameEndings, last) && state.readsAsWord(last))
                name.resize(blank);
        }
        const bool wasInName = std::exchange(state.inNameParts, true);
        std::string parts = state.resolveParts(name, "numbers");
        state.inNameParts = wasInName;
        if (state.allKnown(parts))
            return parts;
        state.fired.resize(fired);
    }
    return std::nullopt;
}

namespace {

// The first split whose every part the dictionary holds, or, given `accept`, the first of
// them it accepts.
std::optional<std::string> splitInWords(State& state, const std::string& piece,
                                        const std::function<bool(const std::string&)>& accept = {});

} // namespace

namespace {

// A number written as one word as two dictionary words that read the same: a number and what
// it adds up with (cinquanta quattro), or the number and its thousands (dodici mila), never
// one that reads as another sum (milledue centosessanta for 1260).
std::optional<std::string> splitNumberWord(State& state, const std::string& piece, size_t first,
                                           size_t last) {
    const std::string core = piece.substr(first, last - first);
    NumberWords& numbers = state.numbers();
    const std::optional<int64_t> whole = numbers.valueOf(toLower(core));
    if (!whole)
        return std::nullopt;
    const std::u32string letters = decode(core);
    for (size_t cut = letters.size() < 6 ? 0 : letters.size() - 3; cut >= 3; --cut) {
        const std::string head = encode(std::u32string_view(letters).substr(0, cut));
        const std::string tail = encode(std::u32string_view(letters).substr(cut));
        if (!state.known(head) || !state.known(tail))
            continue;
        const std::optional<int64_t> a = numbers.valueOf(toLower(head));
        const std::optional<int64_t> b = numbers.valueOf(toLower(tail));
        const bool thousands = a && !b && (*whole == *a * 1000 || *whole == *a * 1000000);
        if (a && ((b && *a + *b == *whole) || thousands))
            return piece.substr(0, first) + head + ' ' + tail + piece.substr(last);
    }
    return std::nullopt;
}

} // namespace

namespace {

// Two parts of four letters or more, as a split that has more than its parts to go by.
bool twoLongParts(std::string_view split) {
    const std::vector<std::string_view> words = splitBlanks(split);
    return words.size() == 2 && std::all_of(words.begin(), words.end(), [](std::string_view w) {
               return decode(w).size() >= 4;
           });
}

// The word cut before the end the language names (Landes arbeitsämter, Kugel sternhaufen):
// the first part, of minHead letters or more, as the dictionary holds it, or without its
// linking letters.
std::optional<std::string> cutBefore(State& state, const std::string& piece,
                                     const std::string& lastLower, size_t minHead) {
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    const std::string lower = toLower(core);
    const Language* language = state.language();
    if (!lower.ends_with(lastLower) || lower.size() == lastLower.size() || lower.size() != core.size())
        return std::nullopt;
    const size_t cut = core.size() - lastLower.size();
    if (decode(lastLower).size() < 3 || decode(lower.substr(0, cut)).size() < minHead)
        return std::nullopt;
    std::u32string head = decode(std::string_view(lower).substr(0, cut));
    std::vector<size_t> drops{0};
    for (const std::u32string_view link : language->linkingElements)
        if (head.size() > link.size() && std::u32string_view(head).ends_with(link))
            drops.push_back(link.size());
    for (const size_t drop : drops) {
        const std::string firstPart = encode(std::u32string_view(head).substr(0, head.size() - drop));
        if (head.size() - drop >= 3 && state.known(firstPart) && !listed(language->prefixWords, firstPart)) {
            const std::string candidate = piece.substr(0, first) +
                withCapitalsOf(decode(core.substr(0, cut)), decode(firstPart)) + ' ' +
                core.substr(cut) + piece.substr(last);
            if (state.allKnown(candidate))
                return candidate;
        }
    }
    return std::nullopt;
}

} // namespace

namespace {

// Prefixes of the learned vocabulary that many languages share and write as words too.
constexpr std::string_view combiningForms[] = {
    "auto",  "post",  "meta",   "méta",  "sotto", "polo",  "kontra", "pseudo", "mikro", "micro",
    "makro", "macro", "multi",  "mono",  "neo",   "proto",  "retro",  "foto",  "video",
    "audio", "radio", "bio",    "geo",   "eko",   "eco",    "termo",  "elektro", "hydro",
    "idro",  "nowo",  "mini",   "maxi"};

// A word the language does not know that a letter dropped, doubled or swapped with the next
// makes one it knows as a word of its own (normallt: normalt) is a slip for that word, which
// the dictionary may lack: cut, it reads as other words (norm allt). Not one of its
// compounds: where words are joined, most words are a letter from one (Hackerkrieg: Ackerkrieg);
// nor the last letter, an ending that the language may lack for a word (Terminaltyps).
// Only near where the parts meet, the letters at which a slip makes a split at all. With an
// alphabet (the whole word's letters), one of them left out too (inforationen for
// informationen): of a whole word that finds too many others (backends, backbends).
bool slipOfKnownWord(const Morphology& morphology, const std::string& lower, const std::vector<size_t>& joints,
                     std::u32string_view alphabet = {}) {
    const std::u32string letters = decode(lower);
    const std::u32string own(alphabet);
    auto knows = [&](const std::u32string& variant) {
        const std::string word = encode(variant);
        if (!morphology.knows(word))
            return false;
        const Morphology::Analysis analysis = morphology.analyse(word);
        return analysis.simple && !analysis.compound;
    };
    for (size_t i = 0; i + 1 < letters.size(); ++i) {
        if (std::none_of(joints.begin(), joints.end(), [&](size_t joint) { return i + 2 >= joint && i <= joint + 2; }))
            continue;
        std::u32string variant = letters;
        variant.erase(i, 1);
        if (knows(variant))
            return true;
        variant = letters;
        variant.insert(i, 1, letters[i]);
        if (knows(variant))
            return true;
        for (size_t other = 0; other < own.size(); ++other) {
            if (own.find(own[other]) < other)
                continue;
            variant = letters;
            variant.insert(i, 1, own[other]);
            if (knows(variant))
                return true;
        }
        if (i + 2 < letters.size() && letters[i] != letters[i + 1]) {
            variant = letters;
            std::swap(variant[i], variant[i + 1]);
            if (knows(variant))
                return true;
        }
    }
    return false;
}

// A split of a word the language does not know whose whole, or whose parts but the first, a
// slip near where the parts meet makes a word the language knows (norm allt; monterings
// indstil inger: indstilinger for indstillinger; Geheim Info Rationen: informationen).
// Of a word it knows, only the parts but the first: it may make a compound of a slip
// (Geheiminforationen).
bool slipInParts(const Morphology& morphology, const std::string& piece, const std::string& split,
                 const std::string& lower, bool known = false) {
    const std::vector<std::string_view> parts = partsOf(piece, split);
    std::vector<size_t> joints;
    for (size_t i = 0, at = 0; i + 1 < parts.size(); ++i)
        joints.push_back(at += decode(parts[i]).size());
    if (!known && slipOfKnownWord(morphology, lower, joints))
        return true;
    if (parts.size() < 3)
        return false;
    std::string tail;
    for (size_t i = 1; i < parts.size(); ++i)
        tail += toLower(parts[i]);
    std::vector<size_t> tailJoints(joints.begin() + 1, joints.end());
    for (size_t& joint : tailJoints)
        joint -= joints.front();
    // A tail the language takes only as a compound of its parts may be the slip (inforationen).
    return !(morphology.knows(tail) && morphology.analyse(tail).simple) &&
           slipOfKnownWord(morphology, tail, tailJoints, decode(lower));
}

std::optional<std::string> compoundParts(State& state, const std::string& piece, bool& named) {
    // Named apart: the lambdas below use them, which structured bindings do not allow everywhere.
    const auto coreSpan = coreOf(piece);
    const size_t first = coreSpan.first, last = coreSpan.second;
    const Language* language = state.language();
    // A name (below) is no compound; but where compounds are written as one word, one the
    // language knows (Bogføringsdialogen, the dialog's name) may be split into two words of
    // four letters or more: a name the language takes for words (Ravanal: rav anal) has a
    // shorter one.
    const std::string_view typedCore = std::string_view(piece).substr(first, last - first);
    named = state.looksLikeName(typedCore) || state.textNames.contains(toLower(typedCore));
    if (named && (!language || !language->buildsCompounds || !state.morphology() ||
                  !state.morphology()->knows(typedCore)))
        return std::nullopt;
    // Czech and Polish write "not" joined to the word it denies (nevyléčitelná, neměj,
    // niewykrywalny); the dictionary may hold only the word, and the two side by side read
    // the same, even where another form of the negated word is known (nevyléčitelný). Only
    // where the language takes the word for the other one denied: neurologové are no
    // urologists, and niebezpieczeństwa no safety.
    const std::string core = piece.substr(first, last - first);
    const std::string lower = toLower(core);
    const Morphology* morphology = state.morphology();
    auto cutAfter = [&](size_t at) {
        return piece.substr(0, first) + core.substr(0, at) + ' ' + core.substr(at) +
               piece.substr(last);
    };
    auto startsWithWord = [&](std::string_view word) {
        return !word.empty() && lower.size() > word.size() && lower.starts_with(word) &&
               state.keyspace().findWord(word) != 0 &&
               state.keyspace().findWord(std::string_view(lower).substr(word.size())) != 0;
    };
    if (const std::string_view prefix = language ? language->negationPrefix : std::string_view();
        startsWithWord(prefix)) {
        const std::string rest = lower.substr(prefix.size());
        // A superlative that lost its j (nezápadnější for nejzápadnější) is a typo, no
        // denial: left to the report and its suggestion.
        if (state.known(std::string(prefix) + "j" + rest))
            return std::nullopt;
        if (!morphology)
            return std::nullopt;
        // A form of a verb, but its participle, is the verb denied; not a word of its own
        // (niebezpieczeństwo), nor one that only ends like a verb form (niezgorszy).
        const std::vector<std::string> restStems = morphology->stems(rest);
        const auto& endings = language->participleEndings;
        const bool ofVerb = std::any_of(restStems.begin(), restStems.end(), [&](const std::string& stem) {
            return stem.ends_with(language->infinitiveEnding);
        });
        const bool participleEnding = std::any_of(
            endings.begin(), endings.end(), [&](std::string_view e) { return rest.ends_with(e); });
        const bool verb = !language->infinitiveEnding.empty() && ofVerb && !participleEnding;
        const bool sameStem = morphology->shareStem(lower, rest);
        // "Not" stands apart before a verb: a verb typed joined to it, which the language
        // does not know, is that verb denied (niezrobił: nie zrobił); a word it knows would
        // read apart as a verb denied (nieumarli, "the undead", is no nie umarli, "they did
        // not die"). Before anything else it is written joined (nieczytelna, niezapisane):
        // apart, the word would be misspelt.
        if (language->deniesVerbsApart)
            return verb && !morphology->knows(lower) ? std::optional(cutAfter(prefix.size()))
                                                     : std::nullopt;
        if (!verb && sameStem) {
            // Nor, but for a verb, where the language lists the denied word as a word of its
            // own (neocenitelný, "priceless", is no ne ocenitelný, "not appraisable").
            const std::vector<std::string> wholeStems = morphology->stems(lower);
            if (std::any_of(wholeStems.begin(), wholeStems.end(),
                            [&](const std::string& stem) { return stem.starts_with(prefix); }))
                return std::nullopt;
        }
        return sameStem ? std::optional(cutAfter(prefix.size())) : std::nullopt;
    }
    // A word written joined that reads the same apart (półobrotu: pół obrotu), where the
    // language takes the whole for the two: its stem is the first word and the other's stem.
    if (language && morphology)
        for (const std::string_view word : language->joinedWords)
            if (startsWithWord(word) && decode(lower.substr(word.size())).size() >= 3) {
                const std::vector<std::string> whole = morphology->stems(lower);
                const std::vector<std::string> rest = morphology->stems(lower.substr(word.size()));
                if (std::any_of(rest.begin(), rest.end(), [&](const std::string& stem) {
                        return std::find(whole.begin(), whole.end(), std::string(word) + stem) !=
                               whole.end();
                    }))
                    return cutAfter(word.size());
            }
    // A number joined to the adjective it counts (desetiprocentní, dziewięcioletnią), where
    // the language takes the whole for that adjective with the number before it: the
    // adjective's dictionary form after the number (devatenácti letý), and the typed part a
    // form of it (letá).
    if (language && morphology)
        for (const std::string_view number : language->numberPrefixes) {
            if (!startsWithWord(number) || decode(lower.substr(number.size())).size() < 4)
                continue;
            const std::string rest = lower.substr(number.size());
            const std::vector<std::string> whole = morphology->stems(lower);
            if (std::any_of(whole.begin(), whole.end(), [&](const std::string& stem) {
                    if (!stem.starts_with(number))
                        return false;
                    const std::u32string adjective = decode(std::string_view(stem).substr(number.size()));
                    return adjective.size() >= 3 &&
                           std::any_of(language->adjectiveEndings.begin(), language->adjectiveEndings.end(),
                                       [&](std::string_view e) { return stem.ends_with(e); }) &&
                           decode(rest).starts_with(std::u32string_view(adjective).substr(0, adjective.size() - 1));
                }))
                return cutAfter(number.size());
        }
    // A verb's infinitive particle written inside it belongs to the verb after the prefix:
    // gegenüberzutreten is gegenüber zu treten, neither gegenüber zutreten nor gegen
    // überzutreten, and stummzuschalten no stumm zuschalten. Left whole.
    if (const std::string_view particle = language ? language->infinitiveParticle : std::string_view();
        !particle.empty() && morphology && lower == core)
        for (size_t at = lower.find(particle, 3); at != std::string::npos; at = lower.find(particle, at + 1)) {
            const std::string verb = lower.substr(at + particle.size());
            if (decode(verb).size() >= 3 && morphology->knows(lower.substr(0, at)) && morphology->knows(verb))
                return std::nullopt;
        }
    // A word the language knows is a word of its own where new compounds are not written as
    // one word (lekkomyślnych, przeszywający, podceněním, tossicomani): never cut there. Where
    // they are, it may be one (Pfefferminztee, konfigurationsfiler).
    if (!language || !morphology)
        return std::nullopt;
    // An adjective made with an ending that is a word too is made, not joined, whatever the
    // language's analysis says (afskrivelige, printbare, selecteerbaar); a noun where the
    // language gives nouns capitals may end with the word (Hotelbar), but not where the capital
    // is the sentence's (Trefferlosen Suchordner aktivieren).
    const bool noun = state.capitalisesNouns() && isUpperCase(decode(core)[0]) && !state.sentenceStart;
    if (!noun)
        for (const std::string_view ending : language->adjectiveSuffixes)
            if (lower.size() > ending.size() + 2 && lower.ends_with(ending) &&
                morphology->knows(lower.substr(0, lower.size() - ending.size())))
                return std::nullopt;
    for (const std::string_view ending : language->verbFormEndings)
        if (lower.size() > ending.size() + 3 && lower.ends_with(ending)) {
            const std::string stem = lower.substr(0, lower.size() - ending.size());
            if (morphology->knowsAsTyped(stem) || morphology->knowsAsTyped(stem + 'e'))
                return std::nullopt;
        }
    std::optional<std::string> split = splitInWords(state, piece);
    if (!split)
        return std::nullopt;
    const bool knownWord = morphology->knows(core);
    // Nor a capitalised word there, a name even at the start of a sentence (Linarien). A
    // number written as one word reads the same in its parts (cinquantaquattro).
    if (!language->buildsCompounds && (knownWord || isUpperCase(decode(core)[0])))
        return splitNumberWord(state, piece, first, last);
    // Where no two words are written as one, two that make a word the language lacks are a
    // coincidence (mer menów, maniobra bles, semántica mente), but after a combining form of
    // the learned vocabulary, which reads the same apart (sotto chiavi, auto montados).
    if (!language->buildsCompounds && !language->closedCompounds) {
        const std::string_view head = std::string_view(*split).substr(first, split->find(' ', first) - first);
        if (!listed(combiningForms, toLower(head)))
            return splitNumberWord(state, piece, first, last);
    }
    // Each part must be a word of the language (no Schleimig keit, partition ering), and where
    // the language names a compound's last part, the split ends with it (verdens ure, not
    // verden sure). The look-ups come after the search: they cost more.
    const Morphology::Analysis analysis =
        knownWord ? morphology->analyse(core) : Morphology::Analysis{};
    // A word the language keeps as one stem (Pfefferminztee, konfigurationsfiler) ends with
    // its last part's stem; partitioneringen does not end with ingen's, nor startbara with bara's.
    const std::vector<std::string> ownStems =
        !knownWord ? std::vector<std::string>{}
        : !analysis.compound ? morphology->stems(core)
        // Known both whole and as a compound (Serverens: server's, or serve rens), it is the
        // word whole: the stems of the compound's parts do not count.
        : analysis.ownStems;
    auto isSuffix = [&](std::string_view part) { return listed(language->suffixWords, part); };
    auto isPrefix = [&](std::string_view part) { return listed(language->prefixWords, part); };
    // A word the language knows with a linking element after it (Versicherungs, nätverks).
    auto linkedForm = [&](std::string_view word) {
        const std::u32string letters = decode(word);
        return std::any_of(language->linkingElements.begin(), language->linkingElements.end(),
                           [&](std::u32string_view link) {
                               return letters.size() > link.size() + 2 &&
                                      std::u32string_view(letters).ends_with(link) &&
                                      morphology->knows(encode(std::u32string_view(letters).substr(
                                          0, letters.size() - link.size())));
                           });
    };
    // Or, loosely, where the language stems the part as another word (filer: fila; not
    // ringer, a word of its own), the word's stem ends with a word the part begins with and is
    // a form of, or that is its own stem (konfigurationsfil, kraftåtgärd, internetanvändare;
    // not prægtig, whose tig is a form of tigge, not of tiger), and not an ending
    // (fortræffelighed).
    auto endsWithStemOf = [&](std::string_view head, std::string_view part, bool loose) {
        const std::vector<std::string> partStems = morphology->stems(part);
        const std::string lowerPart = toLower(part);
        return std::any_of(ownStems.begin(), ownStems.end(), [&](const std::string& own) {
            if (std::any_of(partStems.begin(), partStems.end(),
                            [&](const std::string& stem) { return own.ends_with(stem); }))
                return true;
            if (!loose || !own.starts_with(head) ||
                std::find(partStems.begin(), partStems.end(), lowerPart) != partStems.end())
                return false;
            const std::string rest = own.substr(head.size());
            if (decode(rest).size() < 3 || !lowerPart.starts_with(rest) || isSuffix(rest))
                return false;
            const std::vector<std::string> restStems = morphology->stems(rest);
            return std::any_of(restStems.begin(), restStems.end(), [&](const std::string& stem) {
                return stem == rest ||
                       std::find(partStems.begin(), partStems.end(), stem) != partStems.end();
            });
        });
    };
    // An end the analysis names; one that runs on to an ending that is a word too is not a
    // word of its own (Über lieferbar).
    auto isLastPart = [&](std::string_view part) {
        const std::string lowerPart = toLower(part);
        return std::any_of(analysis.lastParts.begin(), analysis.lastParts.end(),
                           [&](const std::string& last) { return toLower(last) == lowerPart; });
    };
    auto isEnding = [&](std::string_view part) {
        const std::string lowerPart = toLower(part);
        return std::any_of(analysis.endings.begin(), analysis.endings.end(),
                           [&](const std::string& ending) { return toLower(ending) == lowerPart; }) &&
               (isLastPart(part) ||
                std::none_of(analysis.lastParts.begin(), analysis.lastParts.end(),
                             [&](const std::string& last) {
                                 return lowerPart.ends_with(toLower(last)) && isSuffix(last);
                             }));
    };
    bool definiteFirst = false;
    auto fits = [&](const std::string& candidate, bool loose) {
        const std::string parts = candidate.substr(first, candidate.size() - first - (piece.size() - last));
        const std::vector<std::string_view> words = splitBlanks(parts);
        // A part before another may keep its linking letters (Versicherungs nehmern). In a
        // word the language knows, it may stand in the form a word takes only there: before
        // the last part the language's analysis names (Farb raum; of three parts the middle one
        // is not named: partition ering verktyg), or by the language's rules (Beicht spiegel,
        // kvinno överskottet); in any other word such a part is a guess (Mur dock, ment ion).
        auto isWord = [&](std::string_view word) {
            if ((language->listsNounsWithCapitals ? morphology->knows(word) : morphology->knowsAsTyped(word)) ||
                (analysis.compound && words.size() == 2 && word == words.front()))
                return true;
            const std::u32string letters = decode(word);
            const std::u32string_view typed(letters);
            auto knownAs = [&](size_t drop, std::u32string_view ending) {
                return typed.size() > drop + 2 &&
                       morphology->knows(encode(std::u32string(typed.substr(0, typed.size() - drop)) +
                                                std::u32string(ending)));
            };
            if (word == words.back())
                return false;
            return linkedForm(word) ||
                   (knownWord &&
                    std::any_of(language->compoundForms.begin(), language->compoundForms.end(),
                               [&](const CompoundForm& form) {
                                   return typed.ends_with(form.part) &&
                                          knownAs(form.part.size(), form.word);
                               }));
        };
        std::string head;
        for (size_t i = 0; i + 1 < words.size(); ++i)
            head += toLower(words[i]);
        // A cut that a linking letter, or any one letter, may as well move leaves the word in
        // doubt: prästs läkterna or präst släkterna, spelers nood or speler snood, talk nappen
        // or tal knappen, Zuschneider ahmen or Zuschneide rahmen. Not where the language names
        // only the one end, or the word's stem rules the other out (Menschen trauben: no
        // Menschentraube ends with entrauben).
        const std::string lastLower = toLower(words.back());
        auto otherCutFits = [&](size_t other) {
            const std::string before = lower.substr(0, other), after = lower.substr(other);
            const std::u32string beforeLetters = decode(before);
            if (beforeLetters.size() < 3 || decode(after).size() < 3 || !state.known(before) ||
                !state.known(after) || !(morphology->knows(before) || linkedForm(before)) ||
                !morphology->knows(after))
                return false;
            return analysis.endings.empty() ? ownStems.empty() || endsWithStemOf(before, after, true)
                                            : isEnding(after);
        };
        auto inDoubt = [&] {
            if (!lower.ends_with(lastLower) || lower.size() == lastLower.size())
                return false;
            const size_t cut = lower.size() - lastLower.size();
            std::vector<size_t> others;
            for (const std::u32string_view link : language->linkingElements) {
                const std::string letters = encode(std::u32string(link));
                if (lastLower.starts_with(letters))
                    others.push_back(cut + letters.size());
                else if (std::string_view(lower).substr(0, cut).ends_with(letters))
                    others.push_back(cut - letters.size());
            }
            size_t next = cut;
            utf8::next(lower, next);
            others.push_back(next);
            size_t previous = cut - 1;
            while (previous > 0 && (static_cast<unsigned char>(lower[previous]) & 0xC0) == 0x80)
                --previous;
            others.push_back(previous);
            // Two letters back too (Neu starten, not Neust Arten; Benutzer informationen, not
            // Benutzerin formationen).
            while (previous > 0) {
                --previous;
                if ((static_cast<unsigned char>(lower[previous]) & 0xC0) != 0x80)
                    break;
            }
            if (previous > 0)
                others.push_back(previous);
            return std::any_of(others.begin(), others.end(), otherCutFits);
        };
        // A first part in its definite form (disken, "the disk"; mitten, "the middle") starts
        // no compound: where its ending and the next part make a word, the cut is before the
        // ending (disk enheder, not disken heder, "the disk is called"); elsewhere there is
        // none (Mittenklicka is no Mitten klicka, "the middle, click").
        const std::string firstLower = toLower(words.front());
        for (const std::string_view ending : language->definiteEndings)
            if (decode(firstLower).size() >= ending.size() + 3 && firstLower.ends_with(ending)) {
                const std::string stem = firstLower.substr(0, firstLower.size() - ending.size());
                const std::string rest = std::string(ending) + toLower(words[1]);
                if (state.known(stem) && state.known(rest) && morphology->knowsAsTyped(stem) &&
                    morphology->knows(rest)) {
                    definiteFirst = true;
                    return false;
                }
                // Only -en: the language takes too many a word in -et for another's definite
                // form (internet for intern's).
                const std::vector<std::string> stems = ending == language->definiteEndings.front()
                                                           ? morphology->stems(firstLower)
                                                           : std::vector<std::string>{};
                if (std::find(stems.begin(), stems.end(), stem) != stems.end() &&
                    std::find(stems.begin(), stems.end(), firstLower) == stems.end())
                    return false;
            }
        if (inDoubt())
            return false;
        // So does a linking letter between two parts of three that may as well begin the next
        // (pauzes tand functie or pauze stand functie; berichten tijds tempels or tijd
        // stempels).
        for (size_t i = 0; words.size() >= 3 && i + 1 < words.size(); ++i) {
            const std::string part = toLower(words[i]), next = toLower(words[i + 1]);
            for (const std::u32string_view link : language->linkingElements) {
                const std::string letters = encode(std::u32string(link));
                if (part.size() > letters.size() + 2 && part.ends_with(letters)) {
                    const std::string shorter = part.substr(0, part.size() - letters.size());
                    if (state.known(shorter) && state.known(letters + next) && morphology->knows(shorter) &&
                        morphology->knows(letters + next))
                        return false;
                }
            }
        }

        // Where words are not joined into compounds, a word written joined to another stands
        // as it is listed, not in one of its forms (video zařízení; no kostičko váním, a
        // vocative before a noun).
        auto standsAsListed = [&](std::string_view word) {
            if (language->buildsCompounds)
                return true;
            const std::vector<std::string> stems = morphology->stems(word);
            return std::find(stems.begin(), stems.end(), toLower(word)) != stems.end();
        };
        return !isPrefix(words.front()) && standsAsListed(words.front()) &&
               std::all_of(words.begin(), words.end(), isWord) &&
               !isSuffix(words.back()) &&
               (analysis.endings.empty() ||
                (isEnding(words.back()) && (decode(head).size() >= 4 || isLastPart(words.back())))) &&
               (ownStems.empty() || endsWithStemOf(head, words.back(), loose));
    };
    // The first split is the likeliest; where it does not fit, a later one may (invandrar
    // grupperna after invandrargrupp erna), loosely only where none fits otherwise (präst
    // släkterna, not prästs läkterna).
    // Only in a word the language knows, and in two parts of four letters or more: a short
    // one found later is a coincidence more often than not (vid underligste, Kæl enhed), and
    // three read as loose words (tillväga gångs sätt).
    auto laterFits = [&](bool loose) {
        return [&, loose](const std::string& candidate) {
            return twoLongParts(candidate) && fits(candidate, loose);
        };
    };
    // A letter typed twice where the parts meet, that the word has once, is a slip of the
    // finger (ontwikkellaars for ontwikkelaars), whatever the language makes of it; not a
    // linking letter before a word that begins with it (tijds stempel).
    auto slip = [&](const std::string& candidate) {
        const size_t cut = candidate.find(' ', first) - first;
        if (cut == 0 || cut >= lower.size() || lower[cut - 1] != lower[cut])
            return false;
        const char32_t letter = static_cast<unsigned char>(lower[cut]);
        const bool link = std::any_of(language->linkingElements.begin(), language->linkingElements.end(),
                                      [&](std::u32string_view l) { return l.size() == 1 && l[0] == letter; });
        return !link && state.known(lower.substr(0, cut) + lower.substr(cut + 1));
    };
    // A later split, like the language's own cut below, is the language's word, not a typo.
    if (!fits(*split, false)) {
        split.reset();
        if (knownWord || definiteFirst)
            split = splitInWords(state, piece, laterFits(false));
        if (!split && !ownStems.empty())
            split = splitInWords(state, piece, laterFits(true));
        if (split)
            return slip(*split) || (!knownWord && slipInParts(*morphology, piece, *split, lower)) ? std::nullopt : split;
    }
    if (!split) {
        // Where the language cuts it, longest end first. Two letters are a prefix or an
        // ending, not a word of the compound (af maksimeret, fund te); before an end of two
        // named parts, three are one too (Vor konfigurationsdatei).
        for (const std::string& ending : analysis.endings) {
            const size_t minHead = isLastPart(ending) ? 3 : 4;
            if (!isEnding(ending))
                continue;
            if (std::optional<std::string> cut = cutBefore(state, piece, toLower(ending), minHead);
                cut && fits(*cut, true))
                return slip(*cut) || (!knownWord && slipInParts(*morphology, piece, *cut, lower)) ? std::nullopt : cut;
        }
        return std::nullopt;
    }
    // A word the language makes of words is no typo of a word one edit away (navneområde
    // beside havneområde); one it lists whole may be (forværelset is no for værelset), and
    // so may one cut into three parts or a part of three letters (hov ring for hovring,
    // opstart sind læsere).
    if (analysis.compound && twoLongParts(*split))
        return slip(*split) ? std::nullopt : split;
    // Unless the word one edit away is the same compound in another form (filmplakaten
    // beside filmplakater, halvdøv beside halvdød): the same first part of four letters or
    // more, and a word after it; only where compounds are written as one word (única mante is
    // a typo of únicamente).
    const std::u32string firstPart =
        decode(toLower(std::string_view(*split).substr(first, split->find(' ', first) - first)));
    const std::vector<std::u32string> near = state.nearWords(decode(lower));
    const bool sameCompound = std::any_of(near.begin(), near.end(), [&](const auto& word) {
        return language->buildsCompounds && firstPart.size() >= 4 && word.size() > firstPart.size() &&
               word.starts_with(firstPart) &&
               state.known(encode(std::u32string_view(word).substr(firstPart.size())));
    });
    if ((!near.empty() && !sameCompound) || slip(*split))
        return std::nullopt;
    if (knownWord)
        return slipInParts(*morphology, piece, *split, lower, true) ? std::nullopt : split;
    // Nor a slip of a word the language knows, in the whole or in its parts but the first
    // (norm allt; monterings indstil inger: indstilinger for indstillinger).
    if (slipInParts(*morphology, piece, *split, lower))
        return std::nullopt;
    return split;
}

} // namespace

// The words a split of the piece makes, without what stands before and after its core.
std::vector<std::string_view> partsOf(const std::string& piece, const std::string& split) {
    const auto [first, last] = coreOf(piece);
    return splitBlanks(std::string_view(split).substr(first, split.size() - first - (piece.size() - last)));
}

// An English word that the language does not know (tethering, discharges, restart) is a
// loan, whole: cut, it reads as this language's words (tet hering) or as other English ones
// (rest art). One that English writes apart (framebuffer: frame buffer) is not such a word.
// Where nouns take capitals, a word in small letters that the language knows only with one
// (restart beside Restart) is not the language's.
bool englishLoan(State& state, const std::string& piece) {
    const Morphology* englishMorphology = state.englishMorphology();
    const Morphology* morphology = state.morphology();
    const Language* language = state.language();
    if (!englishMorphology || !morphology || !language)
        return false;
    const auto [first, last] = coreOf(piece);
    const std::string core = piece.substr(first, last - first);
    const std::string lower = toLower(core);
    const bool own = language->listsNounsWithCapitals ? morphology->knowsAsTyped(core) : morphology->knows(core);
    const bool english = englishMorphology->knowsAsTyped(core) || englishMorphology->knowsAsTyped(lower);
    // A long one the language knows too is the same loan, not the language's words joined
    // (Teleport: Tele Port, "telephoto lens port"); so is the language's verb or noun made of
    // one (teleportieren).
    const bool longLoan = english && decode(core).size() >= 7;
    const bool madeOfLoan = std::any_of(language->loanEndings.begin(), language->loanEndings.end(), [&](std::string_view e) {
        return lower.size() >= e.size() + 5 && lower.ends_with(e) &&
               englishMorphology->knowsAsTyped(lower.substr(0, lower.size() - e.size()));
    });
    return (!own && english) || longLoan || madeOfLoan;
}

// Two parts that English cuts earlier into two words of its own of four letters or more
// (wireshark: wire shark; timeshare) are an English name: cut by this language's words (wires
// hark, times hare), it reads as others. A cut later is mostly English's plural (server start,
// not servers tart).
bool englishCutElsewhere(State& state, const std::string& piece, const std::string& split) {
    const Morphology* english = state.englishMorphology();
    if (!english)
        return false;
    const std::vector<std::string_view> parts = partsOf(piece, split);
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::u32string joined = decode(toLower(std::string(parts[i]) + std::string(parts[i + 1])));
        const size_t ownCut = decode(parts[i]).size();
        for (size_t cut = 4; cut < ownCut && cut + 4 <= joined.size(); ++cut)
            if (english->knowsAsTyped(encode(joined.substr(0, cut))) &&
                english->knowsAsTyped(encode(joined.substr(cut))))
                return true;
    }
    return false;
}

// A part in the form a word takes only inside a compound (användar, skiv, samhälls, arbets)
// makes no split: alone the reader takes the form for no word or another, and written as its
// word (användare databas, arbete katalog) it stands in the wrong form. Nor does a verb's form
// that reads as its command (sök processen, "search the process") or as its present where
// the compound names the doer (utvecklarskript: utvecklar skript, "develops script").
std::optional<std::string> wholeFirstParts(State& state, const std::string& piece, const std::string& split) {
    const Language* language = state.language();
    const Morphology* morphology = state.morphology();
    if (!morphology)
        return split;
    const std::vector<std::string_view> words = partsOf(piece, split);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        const std::string word(words[i]);
        const std::string lower = toLower(word);
        if (!morphology->knowsAsTyped(word) && !morphology->knowsAsTyped(lower))
            return std::nullopt;
        if (language->infinitiveEnding.empty())
            continue;
        const std::vector<std::string> stems = morphology->stems(lower);
        auto stemIs = [&](const std::string& stem) { return std::find(stems.begin(), stems.end(), stem) != stems.end(); };
        if (!stemIs(lower) && (stemIs(lower + std::string(language->infinitiveEnding)) ||
                               (lower.ends_with('r') && stemIs(lower.substr(0, lower.size() - 1)))))
            return std::nullopt;
    }
    return split;
}

// A word written like a name inside a sentence (Linarien, Ravanal) is a name, and a word one
// edit from a dictionary word (pasword) a typo: cut into words, either would read as other
// words (Lina rien, pas word). Both are left to the report and its suggestions.
// The names inside the line's addresses, each between a dot, slash or at sign and a dot
// (litehtml in http://www.litehtml.com), asked once a line.
static std::vector<std::string_view> addressNames(std::string_view line) {
    std::vector<std::string_view> names;
    for (size_t dot = line.find('.'); dot != std::string_view::npos;
         dot = line.find('.', dot + 1)) {
        if (dot + 1 >= line.size() || !std::isalpha(static_cast<unsigned char>(line[dot + 1])))
            continue;
        size_t start = dot;
        while (start > 0 &&
               std::string_view("./@: ").find(line[start - 1]) == std::string_view::npos)
            --start;
        if (start > 0 && start < dot &&
            std::string_view("./@").find(line[start - 1]) != std::string_view::npos)
            names.push_back(line.substr(start, dot - start));
    }
    return names;
}

std::optional<std::string> splitCompound(State& state, const std::string& piece) {
    // A line in another language has that language's words: cut by this one's, they read as
    // other words (gene rate, intern ally).
    if (inOtherLanguage(state))
        return std::nullopt;
    // An address's name cut in two (litehtml.com: lite html) would lead elsewhere.
    if (state.inAddress)
        return std::nullopt;
    // A word in small letters that begins a line and a colon ends, before a description begun
    // with a capital (lastlog: Searches the backlog), is a command's name, typed as it stands
    // there and anywhere else in the line (memoserv: Send a command to memoserv); not where
    // the line goes on in small letters (kontoegenskab: dit navn).
    if (const auto core = coreOf(piece); [&] {
            const std::string_view line =
                state.line.substr(std::min(state.line.size(), state.line.find_first_not_of(' ')));
            const std::string_view name =
                std::string_view(piece).substr(core.first, core.second - core.first);
            if (!line.starts_with(name) || line.substr(name.size(), 2) != ": " ||
                toLower(name) != name)
                return false;
            const std::string_view rest = line.substr(name.size() + 2);
            return !rest.empty() && isUpperCase(decode(rest.substr(0, 4))[0]);
        }())
        return std::nullopt;
    // Nor is a name that the line's address holds (litehtml, from www.litehtml.com).
    if (const auto [first, last] = coreOf(piece); last - first >= 4) {
        if (!state.lineAddressNames)
            state.lineAddressNames = addressNames(state.line);
        const std::string_view name = std::string_view(piece).substr(first, last - first);
        if (std::find(state.lineAddressNames->begin(), state.lineAddressNames->end(), name) !=
            state.lineAddressNames->end())
            return std::nullopt;
    }
    // A word whose last e an apostrophe stands for is that word (langweil' mich: langweile),
    // not two (lang weil', "long because").
    if (const auto [first, last] = coreOf(piece);
        last < piece.size() && piece[last] == '\'' && state.morphology() &&
        state.morphology()->knows(piece.substr(first, last - first) + "e"))
        return std::nullopt;
    bool named = false;
    std::optional<std::string> split = compoundParts(state, piece, named);
    if (named && split && !twoLongParts(*split))
        return std::nullopt;
    const Language* language = state.language();
    if (split && (englishLoan(state, piece) || englishCutElsewhere(state, piece, *split)))
        return std::nullopt;
    // A word that a prefix which is a word begins, before a word (prefetch: pre fetch), is
    // that prefix's derivation: a cut a letter or two after the prefix reads as other words
    // (pref etch).
    if (split && language) {
        const auto [first, last] = coreOf(piece);
        const std::string lower = toLower(piece.substr(first, last - first));
        const size_t head = partsOf(piece, *split).front().size();
        for (const std::string_view prefix : language->prefixWords)
            if (lower.starts_with(prefix) && head > prefix.size() && head <= prefix.size() + 2 &&
                decode(lower.substr(prefix.size())).size() >= 4 && state.known(lower.substr(prefix.size())))
                return std::nullopt;
    }
    // A last part that is one of the language's endings (licensens: licens ens, "one's") is
    // the word's inflection, no word of its own.
    if (split && language && listed(language->nameEndings, partsOf(piece, *split).back()))
        return std::nullopt;
    if (split && language && language->wholeCompoundParts)
        return wholeFirstParts(state, piece, *split);
    if (!split || !language || !language->listsNounsWithCapitals)
        return split;
    // Where nouns take capitals, a compound typed with one is a noun and so is its last part:
    // apart, each part keeps the capital (Aufgaben Listen, not Aufgaben listen, "to list
    // tasks"). At the start of a sentence the capital may be the sentence's (Wasserdichte:
    // Wasser dichte, not Dichte, "density"), so there the last part keeps its small letter
    // where the language knows the whole in small letters, as a word of another kind; a
    // compound it knows no other way is a noun (Ordnerregeln: Ordner Regeln, not regeln, "to
    // regulate").
    const auto [first, last] = coreOf(piece);
    const std::u32string core = decode(std::string_view(piece).substr(first, last - first));
    if (core.size() < 2 || !isUpperCase(core[0]) || isUpperCase(core[1]))
        return split;
    const Morphology* morphology = state.morphology();
    if (state.sentenceStart && !morphology)
        return split;
    const std::vector<std::string_view> words = partsOf(piece, *split);
    std::string result = split->substr(0, first);
    for (size_t i = 0; i < words.size(); ++i) {
        const bool asTyped =
            i == 0 ||
            (state.sentenceStart && i + 1 == words.size() && morphology->knowsAsTyped(words[i]) &&
             (morphology->knowsAsTyped(toLower(encode(core))) ||
              !morphology->analyse(withCapitalsOf(U"A", decode(words[i]))).noun));
        result += (i == 0 ? "" : " ") + (asTyped ? std::string(words[i]) : withCapitalsOf(U"A", decode(words[i])));
    }
    return result + split->substr(split->size() - (piece.size() - last));
}

namespace {

// A compound the dictionary lacks (ausgabedatei, slutstatus) as its dictionary words: two
// parts, or three if two will not do. Fewest parts first, then parts of four letters or
// more, then parts exactly as the dictionary holds them before dropping a linking letter,
// then the longest first part. The work is bounded: long words and runs of look-ups stop the
// search, since the word stays reported either way.
std::optional<std::string> splitInWords(State& state, const std::string& piece,
                                        const std::function<bool(const std::string&)>& accept) {
    constexpr size_t MaxLetters = 40;
    constexpr int MaxLookups = 2000;
    constexpr int MaxOffers = 8;
    // Named apart: the lambdas below use them, which structured bindings do not allow everywhere.
    const auto coreSpan = coreOf(piece);
    const size_t first = coreSpan.first, last = coreSpan.second;
    const std::string core = piece.substr(first, last - first);
    const std::string lower = toLower(core);
    const Language* language = state.language();
    const Keyspace& keyspace = state.keyspace();
    if (core.size() < 6 || core.size() > 4 * MaxLetters)
        return std::nullopt;
    const std::u32string letters = decode(core);
    const std::u32string lowerLetters = decode(lower);
    const size_t n = letters.size();
    if (n < 6 || n > MaxLetters || lowerLetters.size() != n ||
        !std::all_of(letters.begin(), letters.end(),
                     isLetter))
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
    const std::span<const std::u32string_view> links =
        language ? language->linkingElements : std::span<const std::u32string_view>();
    int lookups = MaxLookups;
    auto isWord = [&](size_t from, size_t to) {
        --lookups;
        return keyspace.findWord(
                   std::string_view(lower).substr(lowerAt[from], lowerAt[to] - lowerAt[from])) != 0;
    };
    using Span = std::pair<size_t, size_t>; // a part's letters, without its linking letters
    std::vector<Span> spans;                  // the parts so far, first part first
    auto written = [&] {
        std::string out = piece.substr(0, first);
        for (size_t k = 0; k < spans.size(); ++k) {
            if (k > 0)
                out += ' ';
            out.append(core, at[spans[k].first], at[spans[k].second] - at[spans[k].first]);
        }
        return out + piece.substr(last);
    };
    // Each split found is offered in turn, a few at most: asking costs more than looking up.
    int offers = accept ? MaxOffers : 1;
    std::vector<std::string> refused;
    std::optional<std::string> taken;
    auto offer = [&] {
        std::string candidate = written();
        if (std::find(refused.begin(), refused.end(), candidate) != refused.end())
            return false;
        --offers;
        if (!accept || accept(candidate)) {
            taken = std::move(candidate);
            return true;
        }
        refused.push_back(std::move(candidate));
        return false;
    };
    // The parts from letter `from` to the end; a part but the last may be followed by a
    // linking element. Longest first part first.
    auto search = [&](auto& self, size_t from, int parts, size_t minPart, bool linked) -> bool {
        auto tryPart = [&](size_t to, size_t next) {
            spans.emplace_back(from, to);
            const bool done = parts == 1 ? offer() : self(self, next, parts - 1, minPart, linked);
            if (!done)
                spans.pop_back();
            return done;
        };
        if (parts == 1)
            return n - from >= minPart && lookups > 0 && offers > 0 && isWord(from, n) &&
                   tryPart(n, n);
        const size_t room = static_cast<size_t>(parts - 1) * minPart;
        if (n < from + minPart + room)
            return false;
        for (size_t next = n - room; next >= from + minPart && lookups > 0 && offers > 0; --next) {
            if (isWord(from, next) && tryPart(next, next))
                return true;
            for (size_t k = 0; linked && k < links.size(); ++k) {
                const size_t end = next - links[k].size();
                if (end >= from + std::max<size_t>(minPart, 4) &&
                    std::u32string_view(lowerLetters).substr(end, links[k].size()) == links[k] &&
                    isWord(from, end) && tryPart(end, next))
                    return true;
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
        // Three parts only where words are joined into compounds: elsewhere they are
        // fragments (redimen sion amiento).
        if ((pass.linked && links.empty()) || n < static_cast<size_t>(pass.parts) * 4 - 1 ||
            (pass.parts > 2 && !(language && language->buildsCompounds)))
            continue;
        spans.clear();
        if (search(search, 0, pass.parts, pass.minPart, pass.linked))
            return taken;
        if (offers <= 0)
            break;
    }
    return std::nullopt;
}

} // namespace

} // namespace talvora::tidy
