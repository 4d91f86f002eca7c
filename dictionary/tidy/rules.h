#pragma once

// Tidy's rules: each has a name and a place in one ordered list that the resolver walks.
// A rule takes a piece of text without blanks whose token the dictionary lacks and gives
// its rewrite, or nothing.

#include "tidy.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace talvora {
class Keyspace;
class Morphology;
struct Language;
struct SymbolWords;
} // namespace talvora

namespace talvora::tidy {

struct NumberWords;
struct AccentIndex;

// What the rules share while a text is tidied.
class State {
  public:
    State(const Keyspace& keyspace, std::string locale);
    ~State();

    const Keyspace& keyspace() const { return keyspace_; }
    const std::string& locale() const { return locale_; }
    const Language* language() const { return language_; } // nothing for no known language
    const SymbolWords* symbols() const; // nothing for no known language
    // The language's morphology; nothing when it has none or its files are missing.
    const Morphology* morphology() const { return morphology_; }
    // English's, where the language is another one: an untranslated message is English as a
    // rule, and a loan too.
    const Morphology* englishMorphology() const;
    // A rule may put another word in place of this one: the language's morphology does not
    // know it as typed. Without one, nothing tells a typo from a word the dictionary lacks.
    bool mayReplace(std::string_view word) const;
    // The word being tidied (a part of it: core) is written like a name inside a sentence
    // (Linarien, Installer): no rule puts other words in its place.
    bool looksLikeName(std::string_view core) const;
    // Capitals only, six at most, in a line with small letters: an abbreviation (AVC, IEEE).
    bool looksLikeAbbreviation(std::string_view core) const;
    // The letter, in either case, is a word of one letter in the language (Czech k, Polish w).
    bool isOneLetterWord(char32_t letter) const;
    // A name's ending (er, u, em) that the reader, who sees no apostrophe or hyphen, takes
    // for a word of its own, or any where the endings are cases: better left out than read
    // ("DLL er", "DLL is"; "iPhone y").
    bool readsAsWord(std::string_view ending) const;
    bool known(std::string_view piece) const;
    bool allKnown(std::string_view pieces) const;

    // A piece the dictionary lacks through the rules from the index on, in order; the first
    // that changes it hands each part of the result, unless known, to the next rules.
    std::string resolve(std::string piece, size_t rule);
    // Each blank-separated part as it stands when known, otherwise through the rules from the
    // named one on.
    std::string resolveParts(const std::string& pieces, std::string_view fromRule);

    // The dictionary words one insertion, deletion, substitution or swap of two neighbours
    // away from a lower-case word.
    std::vector<std::u32string> nearWords(std::u32string_view word);

    NumberWords& numbers();
    AccentIndex& accents();

    bool lineHasLowerCase = true; // of the line being tidied
    bool lineHasAccents = false;  // a letter with an accent typed anywhere in the line
    bool lineCapitalisesNouns = false; // of the line being tidied, as the language may
    size_t lineWords = 0;              // words of the line being tidied
    std::string_view line;             // the line being tidied, as typed
    std::optional<bool> lineInOtherLanguage; // of the line being tidied, once asked
    std::optional<bool> lineListsNamesInCapitals; // of the line being tidied, once asked
    std::optional<bool> lineWritesDotDecimals;    // of the line being tidied, once asked
    std::optional<std::vector<std::string_view>> lineAddressNames; // of the line, once asked
    bool lineIsCommand = false;        // of the line being tidied
    // Words the text writes with a capital inside a sentence that the dictionary lacks, in
    // small letters: names, wherever else they stand (Evince at a line's start is no Évince).
    std::unordered_set<std::string> textNames;
    // A capital inside a sentence marks a noun here, no name.
    bool capitalisesNouns() const;
    bool inNameParts = false;      // of a name cut at its capitals or an address: none gets an accent
    bool inAddress = false;        // of an address: its names are typed as they stand, never cut
    bool inSeparatedParts = false; // of a word cut at its separators
    bool sentenceStart = true;    // the piece being tidied begins a sentence or a line
    std::string_view typed;       // the piece as typed, before any rule
    SpellOut spellOut = SpellOut::Nothing; // asked for, never done unasked
    // The line around the piece as typed: a telephone number or an amount may be written in
    // several pieces.
    std::string_view before, after;
    // The number the last piece read, if it was one: a symbol after it takes its form.
    std::optional<double> amount;
    bool amountFresh = false; // set by this piece
    // The rules that changed the piece being tidied, in order; a rule that tries the later
    // ones on parts it may then give up takes back what they added.
    std::vector<std::string_view> fired;

  private:
    std::string resolvePartsFrom(const std::string& pieces, size_t rule);

    const Keyspace& keyspace_;
    std::string locale_;
    const Language* language_;
    const Morphology* morphology_;
    std::unique_ptr<NumberWords> numbers_;
    std::unique_ptr<AccentIndex> accents_;
    std::u32string alphabet_; // lower-case letters of the language's code page
};

using RuleFunction = std::optional<std::string> (*)(State&, const std::string& piece);
struct Rule {
    std::string_view name;
    RuleFunction apply;
};

// The rules in the order they are tried.
const std::vector<Rule>& rules();

// Spaces and punctuation (spaces.cpp).
std::optional<std::string> normalizeSpaces(State&, const std::string& piece);
std::optional<std::string> plainApostrophes(State&, const std::string& piece);
std::optional<std::string> dropPunctuation(State&, const std::string& piece);
std::optional<std::string> splitAtSeparators(State&, const std::string& piece);
// A semicolon, colon, comma, plus or minus sign that the text quotes is its subject
// ("separated by “;”", « ; », «+» e «-»):
// its name, for the reader sees no punctuation; punctuation after the closing quote stays.
std::optional<std::string> nameQuotedMark(const State& state, std::string_view piece);
// The words for the plus signs from text[from] up to text[to] when they follow a name (C++),
// each after a blank; empty otherwise.
std::string plusSigns(const State& state, std::string_view text, size_t from, size_t to);
// Numbers and symbols (numbers.cpp, symbols.cpp).
std::optional<std::string> readPhoneNumber(State&, const std::string& piece);
std::optional<std::string> readNumberSign(State&, const std::string& piece);
std::optional<std::string> readFraction(State&, const std::string& piece);
std::optional<std::string> readArithmetic(State&, const std::string& piece);
std::optional<std::string> readRangeDash(State&, const std::string& piece);
std::optional<std::string> readArrows(State&, const std::string& piece);
std::optional<std::string> spellSymbols(State&, const std::string& piece);
std::optional<std::string> readAddress(State&, const std::string& piece);
std::optional<std::string> spellDigits(State&, const std::string& piece);
// A symbol standing alone beside a number ("10 %", "$ 5"): read with it although the
// dictionary, which drops separators, takes it for no word at all.
bool standsBesideNumber(const State& state, std::string_view piece);
// A currency symbol written apart before its amount ("$ 5"), which reads after it.
bool currencyBeforeNumber(const State& state, std::string_view piece);
// A degree sign typed for the ordinal's sign before a word (Italian al 3° piano, Spanish 2°
// piso), where the language writes ordinals so: neither degrees nor a count.
bool degreeForOrdinal(const State& state, std::string_view piece);
// The word typed before the piece names a standard in capitals (TIS 620-2533, ISO 9000-2):
// the number's dash is its own, neither a range's nor a telephone number's.
bool standardNameBefore(const State& state);
// The piece after the one being tidied, one blank apart; empty when there is none.
std::string_view nextPiece(const State& state);
// The gender's rule set of the unit written apart right after the piece ("1 €"); none else.
std::string_view genderOfUnitAfter(const State& state);
// Spelling (spelling.cpp).
std::optional<std::string> unstretch(State&, const std::string& piece);
std::optional<std::string> respell(State&, const std::string& piece);
std::optional<std::string> fixAccents(State&, const std::string& piece);
// Splitting (splitting.cpp).
std::optional<std::string> splitAtCapitals(State&, const std::string& piece);
std::optional<std::string> splitCompound(State&, const std::string& piece);
// Names (names.cpp).
std::optional<std::string> spellAbbreviation(State&, const std::string& piece);
std::optional<std::string> spellOutWord(State&, const std::string& piece);
// The line writes common nouns with capitals, as a language's older spelling did: two
// words or more inside a sentence that the language and the dictionary know in small
// letters (Byer, Toget).
bool writesNounsWithCapitals(const State&, std::string_view line);
// The line is a command as it is run (gsettings set org.gnome.desktop.interface clock-format
// 24h): no rule but those of blanks, quotes and punctuation reads it.
bool isCommandLine(const State&, std::string_view line);
// The line being tidied is an untranslated message: of five words or more, more than half
// are English. Asked once a line.
bool inOtherLanguage(State&);

} // namespace talvora::tidy
