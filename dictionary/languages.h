#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class CodePage;

// Letters written right after a number that make it an ordinal (3rd, 1er, 2ª), and the
// spell-out rule set that reads it.
struct OrdinalSuffix {
    std::string_view suffix, ruleSet;
    // What the spelled ordinal takes for this ending's plural (20ths: twentieths).
    std::string_view plural = {};
};

// An ordinal's other forms as its genitive ends: masculine, feminine and neuter in the
// nominative (Polish -ego: -y, -a, -e; piątego: piąty, piąta, piąte).
struct OrdinalForms {
    std::string_view genitive, masculine, feminine, neuter;
};

// A spot that a keyboard without the letter, an older spelling or the spoken language writes
// as typed for what the written language puts there (Gruesse, heisst, dobrej).
struct Respelling {
    std::string_view typed, meant;
    // Where set, the spot needs a letter after it and none of these (Danish -ær is no -er).
    std::u32string_view notBefore = {};
};

// A symbol's word by the plural form (ICU's categories) of the number it follows, "other"
// first; a form left out is the "other" one.
struct PluralWord {
    constexpr PluralWord(std::string_view other = {}, std::string_view one = {},
                         std::string_view few = {}, std::string_view many = {})
        : other(other), one(one), few(few), many(many) {}
    std::string_view other, one, few, many;
    // The rule set of the number words before it, where the word has a grammatical gender
    // ("un dólar", "une livre", "ein Pfund"); none for the language's plain cardinals.
    std::string_view ruleSet;
};

constexpr PluralWord gendered(std::string_view ruleSet, PluralWord word) {
    word.ruleSet = ruleSet;
    return word;
}

// The words a symbol beside a number, a telephone number or an address is read with, and how
// decimals are written and read.
struct SymbolWords {
    PluralWord percent, dollar, euro, pound, degree;
    std::string_view celsius, fahrenheit; // none where the dictionary lacks it: the letter
    std::string_view plus, minus;
    std::string_view range; // between two numbers: "5-7" is "five to seven"
    std::string_view ampersand, at, dot;
    std::string_view decimalSeparator; // the word for the separator of "3,5"
    char decimalMark = ',';            // the other of comma and full stop groups thousands
    bool decimalsDigitByDigit = false; // "drei Komma eins vier", not "trois virgule quatorze"
    // The words for the number sign (nº, n°) and its plural (nºs), where the language writes it.
    std::string_view numberSign = {}, numberSigns = {};
    std::array<std::string_view, 3> fractions = {}; // ½, ¼, ¾
    std::string_view dash = {}; // a version's revision: "1.2.3-4" is "… three dash four"
    std::string_view times = {}, dividedBy = {}; // × and ÷ between two numbers
    // A size's sign, × or x joined to its two numbers (3×3, 1920x1080), where the language
    // says it otherwise than a product ("three by three"); the times word where none.
    std::string_view by = {};
    // The names of punctuation marks, for one that a text quotes ("separated by “;”"): the
    // reader, who sees no punctuation, would find nothing there.
    std::string_view semicolon = {}, colon = {}, comma = {};
    // The slash's name, said between two words (profit/loss: profit slash loss): as a blank
    // it reads "profit loss", Czech "zisku ztráty" "profit of the loss"; as "or" it would
    // make a pair (keyword/value pairs) or a type (message/delivery-status) alternatives.
    // Where its short name is a common word too (barra, "bar"), the long one (Spanish barra
    // oblicua) or the one the language borrows (Italian slash).
    std::string_view slash = {};
    // The equals sign's name, said between a name and its value (headername=value, uid=user):
    // dropped, the two would read as one phrase.
    std::string_view equals = {};
    // The arrow keys' names (← → ↑ ↓), for a shortcut that names one (Super→, Ctrl Alt←):
    // dropped, it would read as another shortcut.
    std::array<std::string_view, 4> arrows = {};
    // Between two numbers a colon that is no time's, a ratio's or a score's (16:9, 4:3: "four
    // to three"), where the language says one so without a case to choose.
    std::string_view ratio = {};
};

// The words of the signs that stand between or for numbers.
struct SignWords {
    std::string_view dash, times, dividedBy, half, quarter, threeQuarters;
};

struct MarkNames {
    std::string_view semicolon, colon, comma, slash, equals;
};

constexpr SymbolWords withMarks(SymbolWords words, MarkNames marks) {
    words.semicolon = marks.semicolon;
    words.colon = marks.colon;
    words.comma = marks.comma;
    words.slash = marks.slash;
    words.equals = marks.equals;
    return words;
}

constexpr SymbolWords withArrows(SymbolWords words, std::array<std::string_view, 4> arrows) {
    words.arrows = arrows;
    return words;
}

constexpr SymbolWords withRatio(SymbolWords words, std::string_view ratio) {
    words.ratio = ratio;
    return words;
}

constexpr SymbolWords withSizes(SymbolWords words, std::string_view by) {
    words.by = by;
    return words;
}

constexpr SymbolWords withSigns(SymbolWords words, SignWords signs) {
    words.dash = signs.dash;
    words.times = signs.times;
    words.dividedBy = signs.dividedBy;
    words.fractions = {signs.half, signs.quarter, signs.threeQuarters};
    return words;
}

// How a word stands as a compound's first part when not whole: the part's ending for the
// word's (Beicht-spiegel for Beichte, Sortier-folgen for sortieren, kvinno-överskott for
// kvinna).
struct CompoundForm {
    std::u32string_view part, word;
};

// A number as it stands joined to an adjective (ośmio-znakowy, dvaceti-čtyř-hodinový).
struct NumberPrefix {
    int value;
    std::string_view word;
};

// "One" before a noun, in the noun's gender (una spada, un punto; en fil, ett svärd): the
// words for each gender, and how the noun shows its gender: a feminine ending, or, where
// the definite form is an ending, a neuter noun's (svärdet). Where the language writes
// one word before some beginnings (uno spazio, uno zaino), that word and those beginnings.
struct OneBeforeNoun {
    std::string_view masculine, feminine, neuter;
    std::span<const std::string_view> feminineEndings = {};
    bool neuterByDefiniteForm = false;
    // Danish: each definite form is the noun's where the language's analysis names the noun
    // its stem (huset, not filet: "fillet"), and a noun with the common one is common
    // (sekunden beside sekundet), where Swedish writes its plural so (programmen).
    bool commonByDefiniteForm = false;
    bool onlyBeforeCapitals = false; // German: a noun has one
    std::string_view beforeImpure = {};
    // Nouns whose ending tells the other gender (il problema, la foto).
    std::span<const std::string_view> masculineNouns = {}, feminineNouns = {};
    // Endings that tell a neuter noun or adjective (okno, nové), and the one that counts no
    // noun: a label's (hráč 1: jedna), a sum's, a compound number's last (dvacet jedna). A word
    // after it that ends like none of the genders (a verb: hraje) takes that one too.
    std::span<const std::string_view> neuterEndings = {};
    std::string_view counting = {};
    // Articles and prepositions that mark the word after them as a noun, whose number after
    // it is a label (El jugador 1: uno); none where they are pronouns too (Danish den).
    std::span<const std::string_view> nounMarkers = {};
    // German: the dative after the prepositions that always govern it (mit 1 Datei: mit einer
    // Datei), and after in and vor before a span of time (vor 1 Jahr: vor einem Jahr).
    std::span<const std::string_view> dativePrepositions = {}, dativeBeforeTime = {}, timeNouns = {};
    std::string_view dativeMasculine = {}, dativeFeminine = {};
    // Polish: after a preposition the noun's case, which its ending does not tell apart from
    // its gender (od 1 użytkownika), leaves the form unknown: the count's.
    std::span<const std::string_view> notAfter = {};
    // And the ending tells the gender only of a word in its dictionary form (minuta, not the
    // genitive użytkownika).
    bool onlyDictionaryForms = false;
};

// A case a number takes from the noun after it: the noun's ending and the rule set that reads
// the number so; or, where no rule set does, the prepositions that put the noun in that case
// and the number words' forms in it (the genitive's where these lack one).
struct CaseEnding {
    std::string_view ending, ruleSet;
    std::span<const std::string_view> prepositions = {};
    std::span<const Respelling> words = {};
};

struct Language {
    std::string_view displayName = {};
    std::string_view fileName = {};
    std::string_view codePage = {}; // the shipped file's, whatever the locale
    std::string_view locale = {};   // of the number words
    std::string_view hunspell = {}; // the Hunspell dictionary the word list is checked against
    std::span<const OrdinalSuffix> ordinals = {};
    // The ending that makes a number a plural noun (1990s, MP3s: nineteen nineties, MP
    // threes), read onto its last word.
    std::string_view numberPlural = {};
    std::span<const Respelling> respellings = {};
    // Letters that join the parts of a compound and belong to neither (Arbeit-s-zeit).
    std::span<const std::u32string_view> linkingElements = {};
    // Endings of a noun's definite form (disken, "the disk"), which starts no compound.
    std::span<const std::string_view> definiteEndings = {};
    std::string_view negationPrefix = {}; // written joined to the word it denies (ne, nie)
    bool capitalisesNouns = false;   // a capital inside a sentence marks no name
    // Did so in an older spelling (Danish before 1948): only in a line that writes its
    // common nouns with capitals does a capital inside a sentence mark no name.
    bool capitalisedNounsOnce = false;
    bool listsNounsWithCapitals = false; // its Hunspell dictionary does (Datei, not datei)
    const SymbolWords* symbols = nullptr;
    // Writes new compounds as one word (Ausgabedatei, slutstatus): a word made of words may
    // be one the dictionary lacks. Elsewhere such a word is a word of its own or a typo.
    bool buildsCompounds = false;
    // Writes some words of two as one, without building new ones freely (fleshbag,
    // countryfolk): a word made of two may be one the dictionary lacks.
    bool closedCompounds = false;
    // Has a key of its own for each letter with a ring, a diaeresis or a stroke (å, ä, ø):
    // whoever typed one left none out by the way of typing.
    bool keysForMarkedLetters = false;
    // Marks stress with an accent that the spelling may leave out (konvertér, nummerér).
    bool optionalStressAccents = false;
    // Tells its endings apart by accents (lichem, lichém): an ending typed
    // plain among accented words is another form, not a slip.
    bool accentedEndings = false;
    // Writes two of three equal consonants where words join (ettusen: ett tusen).
    bool joinsThreeConsonantsAsTwo = false;
    std::span<const CompoundForm> compoundForms = {};
    // A compound's part in such a form (användar, skiv) reads as no word alone, and written as
    // its word (användare databas) stands in the wrong form: no split there.
    bool wholeCompoundParts = false;
    // Words written joined to the next one that read the same apart (pół: półobrotu).
    std::span<const std::string_view> joinedWords = {};
    // How its verbs' dictionary forms end (pl: robić, cs: mluvit, sv: styra) and its
    // participles (-ny, -ący), which are no verb forms to the negation prefix.
    std::string_view infinitiveEnding = {};
    std::span<const std::string_view> participleEndings = {};
    // Writes its negation prefix apart before a verb (pl: nie zrobił), joined to anything else,
    // participles too (niezapisane).
    bool deniesVerbsApart = false;
    // Endings that are words too (startbara is no start bara, "only"): no split the language
    // does not make itself ends with one.
    std::span<const std::string_view> suffixWords = {};
    // Of those, the ones that make an adjective of a word (printbare, afskrivelige): a word
    // that is such a word and the ending is the one made, not two words joined.
    std::span<const std::string_view> adjectiveSuffixes = {};
    // Endings that make a verb's form of a word (thumbnailed, thumbnailing): a word that is a
    // word the language knows with one is that word's form, not two words joined (thumb nailed).
    std::span<const std::string_view> verbFormEndings = {};
    // Prefixes that are words too (förinställningar is no för inställningar, "for settings"):
    // no split begins with one, whatever the language's analysis says.
    std::span<const std::string_view> prefixWords = {};
    // Its words of one letter (Czech k, v; Polish w, z): a name's letter cut off as one of
    // them reads as the word (iTip is no i Tip, "and Tip").
    std::u32string_view oneLetterWords = {};
    // Endings a name or an abbreviation takes after an apostrophe or a hyphen (DLL'er, APT-a,
    // Glenn's), or joined to its capitals (HTMLem): they stay with their mark.
    std::span<const std::string_view> nameEndings = {};
    // Those endings are cases, which the reader does without (iPhone'y, CUPS-em: iPhone,
    // CUPS): they go, never left as a fragment.
    bool inflectsNames = false;
    // Words it writes elided before an apostrophe (l', dell', qu'): anywhere else an apostrophe
    // inside a capitalised word belongs to a name (Li'sar, Dan'Tonk), not cut there.
    std::span<const std::string_view> elisions = {};
    // Number words as they stand joined to an adjective (deseti-procentní, dziewięcio-letni),
    // and how its adjectives' dictionary forms end (ý, í).
    std::span<const std::string_view> numberPrefixes = {};
    std::span<const std::string_view> adjectiveEndings = {};
    // Those forms by value: one to nineteen, the tens and a hundred; a number below a
    // hundred is its tens' form and its units' (dwudziesto cztero godzinnym for 24-godzinnym).
    std::span<const NumberPrefix> numberPrefixForms = {};
    // Number words as the language's spelling out writes them amiss, and as they are written
    // (Czech "jedna tisíc" for a thousand is "jeden tisíc").
    std::span<const Respelling> numberFixes = {};
    // Its words for a hundred and for a thousand, which its spelling joins to the number they
    // multiply and to the next (siebenhundertdreiundzwanzig, honderdvijfentachtigduizend).
    // A number is written in the fewest words the dictionary holds, but such a word joins
    // only a whole multiplier (siebenhundert dreiundzwanzig; honderd vijfentachtig duizend,
    // as honderdvijf is 105).
    std::span<const std::string_view> hundredWords = {}, thousandWords = {};
    // The number one alone as the language writes it apart from its article (Dutch één, not
    // een, "a").
    std::string_view stressedOne = {};
    // Prepositions that put a number after them in the genitive (od zera, do deseti), and
    // how: the spell-out rule set that reads it, or each nominative word's genitive, two
    // words first (jeden tisíc: tisíce).
    std::span<const std::string_view> genitivePrepositions = {};
    std::string_view genitiveRuleSet = {};
    std::span<const Respelling> genitiveWords = {};
    // Ordinals in the genitive by value, one to nineteen and the tens (pierwszego,
    // dwudziestego; prvního): a number below a hundred is its tens' and its units'.
    std::span<const NumberPrefix> genitiveOrdinals = {};
    // Month names as they stand after a day (stycznia, ledna; Januar with its capital where
    // the language always writes one). A day's number before one reads as the ordinal it is,
    // up to lastOrdinalDay (premier janvier, but deux janvier; Dutch eerste januari, as "een
    // januari" is "a January"): by dayRuleSet (ersten
    // Januar) or as a genitive ordinal (pierwszego stycznia), a dot after it being the
    // ordinal's mark. A year after one reads as a year: by yearRuleSet (nineteen seventy),
    // or with ordinalYears its last two digits as a genitive ordinal (tysiąc dziewięćset
    // siedemdziesiątego); an ordinal the dictionary lacks leaves the number as it reads.
    std::span<const std::string_view> months = {};
    std::string_view dayRuleSet = {};
    int lastOrdinalDay = 31;
    bool dayAfterMonth = false; // also after the name (January 1: January first)
    std::string_view yearRuleSet = {};
    bool ordinalYears = false;
    // Endings written after a hyphen that make the number an ordinal in the genitive (2-ego,
    // 3-go: drugiego, trzeciego), not the number and a word ("dwa ego").
    std::span<const std::string_view> genitiveOrdinalEndings = {};
    // Ordinals written with the end of their nominative (5-ty, 2gi, 3-cia: piąty, drugi,
    // trzecia), made of the genitive ones, longest ending first.
    std::span<const OrdinalForms> ordinalForms = {};
    // Endings of a noun in the genitive singular: a number from two on before one, after a
    // genitive preposition, is an ordinal, as a count would take the plural (od 2 poziomu:
    // od drugiego poziomu).
    std::span<const std::string_view> singularGenitiveEndings = {};
    // The case a number stands in as its neighbours show it: the ending of the noun after it
    // with the rule set that reads it so (w 5 plikach: pięciu; z 5 plikami: pięcioma), and
    // the endings of an adjective before it that put it in the genitive (z ostatnich 5 dni).
    std::span<const CaseEnding> caseEndingsAfter = {};
    // Endings of an adjective in a case other than the nominative, which may stand between a
    // preposition and the number it governs (v následujících 7 dnech: sedmi; z prvních 8
    // barev: osmi).
    std::span<const std::string_view> adjectivesBetween = {};
    // A preposition that puts both numbers of a pair in its case, the word that joins them,
    // and that case (mezi 6 a 14: mezi šesti a čtrnácti; między sześcioma a czternastoma).
    std::string_view pairPreposition = {}, pairConjunction = {};
    const CaseEnding* pairCase = nullptr;
    std::span<const std::string_view> genitiveEndingsBefore = {};
    // The word for a clock's hour in each case, with the ending its ordinal takes after it
    // (godziny 3: trzeciej), where the language reads hours as ordinals: its genitive
    // ordinals' "ego" gives way to it.
    std::span<const Respelling> hourNouns = {};
    // The infinitive's particle, written inside a verb after its prefix (gegenüber-zu-treten).
    std::string_view infinitiveParticle = {};
    const OneBeforeNoun* oneBeforeNoun = nullptr;
    // Writes an ordinal as its number and a full stop (1. verdenskrig, im 12. Jahrhundert),
    // read before a word with this rule set; with none, in the genitive after a preposition
    // that governs it (během 20. století), and otherwise left as typed, since its case is
    // not known.
    bool dotOrdinals = false;
    std::string_view dotOrdinalRuleSet = {};
    std::span<const std::string_view> articlesBeforeOrdinals = {}; // det 16., im 12.: ordinals
    // Joined to a round ten or a year, names its decade (die 70er: siebziger).
    std::string_view decadeEnding = {};
    // The word for "or" that says a word's other gender, written as its ending after a slash
    // (bienvenido/a: bienvenido o bienvenida; tutti/e).
    std::string_view genderSlashOr = {};
    // Endings that make a verb or noun of a borrowed stem (teleportieren, Teleportierung): a
    // word so made from an English word is a loan, kept whole.
    std::span<const std::string_view> loanEndings = {};
};

// The ten languages and their files, in lookup order.
const std::vector<Language>& languageTable();

// The language of a display name, a file name (a folder before it is ignored) or a locale
// code, compared exactly; nothing for any other.
const Language* languageFor(std::string_view name);

// The file of a display name ("English" -> "eng.dic"), exact and case-sensitive.
std::optional<std::string> dictionaryFileFor(std::string_view entry);

// The language-list entries for the "*.dic" files of folder, in scan order: a display
// name for a known file name, otherwise the file name itself.
std::vector<std::string> listDictionaries(const std::filesystem::path& folder);

// The file an entry of the language list loads: the language's file, or a bare file
// name of the folder. Nothing for an empty entry or one holding a folder separator.
std::optional<std::filesystem::path> dictionaryPathFor(const std::filesystem::path& folder,
                                                       std::string_view entry);

// The code page a dictionary file is read and extended in: the language's own for one of
// the ten file names (compared exactly, as the folder scan does), otherwise the program's.
CodePage dictionaryCodePage(const std::filesystem::path& path, const CodePage& programCodePage);

} // namespace talvora
