// Tidy: texts that encode come back untouched; each rule family as a table of what people
// really type, with the change report; the suggestions.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "suggest.h"
#include "tidy.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <sstream>

using namespace talvora;

namespace {

// The words of a keyspace, blank-separated, or a shipped dictionary: "@fr.dic".
Keyspace& keyspace(const std::string& words) {
    static std::map<std::string, std::unique_ptr<Keyspace>> cache;
    auto& ks = cache[words];
    if (!ks) {
        ks = std::make_unique<Keyspace>();
        if (words[0] == '@') {
            const std::string cp = CodePage::nameForLanguage(tidyLocaleFor(words.substr(1)));
            ks->load(readDictionary(std::filesystem::path(TALVORA_SOURCE_DATA) / words.substr(1),
                                    CodePage::fromName(cp)));
        } else {
            WordList list;
            std::istringstream in(words);
            for (std::string w; in >> w;)
                list.add(w);
            ks->load(std::move(list));
        }
    }
    return *ks;
}

// The change report in short: each change's rule ("rule xN" for N in a row), then each
// word left unknown as ?word*count(suggestions).
std::string report(const TidyResult& r) {
    std::string out;
    for (size_t i = 0, n = 1; i < r.changes.size(); i += n) {
        for (n = 1; i + n < r.changes.size() && r.changes[i + n].rule == r.changes[i].rule;)
            ++n;
        out += (out.empty() ? "" : "; ") + r.changes[i].rule;
        out += n > 1 ? " x" + std::to_string(n) : "";
    }
    for (const UnknownWord& u : r.unknown) {
        out += (out.empty() ? "?" : "; ?") + u.word;
        if (u.count > 1)
            out += "*" + std::to_string(u.count);
        for (size_t i = 0; i < u.suggestions.size(); ++i)
            out += (i ? " " : "(") + u.suggestions[i] + (i + 1 == u.suggestions.size() ? ")" : "");
    }
    return out;
}

// Where: the locale, on the family's words; or "@file", a shipped dictionary in its language.
struct Case {
    const char *name, *where, *text, *tidied, *report;
};

void check(const char* words, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool shipped = c.where[0] == '@';
        Tidier tidier(keyspace(shipped ? c.where : words),
                      shipped ? tidyLocaleFor(c.where + 1) : c.where);
        const TidyResult r = tidier.tidy(c.text);
        EXPECT_EQ(r.text, c.tidied);
        EXPECT_EQ(report(r), c.report);
    }
}

// Random texts of words with separators, capitals, blanks and line breaks. Each one that
// encodes must come back from Tidy byte for byte and encode as before; returns how many did.
int checkEncodableTextsComeBackUnchanged(Keyspace& ks, const std::vector<std::string>& words,
                                         const std::string& locale, int rounds) {
    if (!ks.keyspaceReady()) {
        EXPECT_TRUE(processKey(ks, "918273645546372819").started);
    }
    Tidier tidier(ks, locale);
    const std::vector<std::string> glue = {" ",   "  ",   "\r\n", ", ",  ". ", "!\r\n",
                                           " - ", "' ",   "- ",   " (",  ") ", "\" ",
                                           "? ",  "... ", ": ",   " & ", " '", "\t\r\n"};
    std::mt19937 rng(20261207);
    int encodable = 0;
    for (int round = 0; round < rounds; ++round) {
        std::string text;
        const int count = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < count; ++k) {
            std::string w = words[rng() % words.size()];
            if (rng() % 4 == 0)
                w[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(w[0])));
            if (rng() % 7 == 0)
                w = "\"" + w + "\"";
            text += w;
            text += glue[rng() % glue.size()];
        }
        if (rng() % 3 == 0)
            text += "\r\n";
        const CommandResult before = encodeText(ks, text);
        if (!before.output)
            continue; // a tab before a line break joins two words
        ++encodable;
        const TidyResult r = tidier.tidy(text);
        EXPECT_EQ(r.text, text);
        EXPECT_EQ(r.changes.size(), 0u);
        EXPECT_TRUE(r.encodes());
        EXPECT_EQ(encodeText(ks, r.text).output, before.output);
        if (r.text != text)
            break;
    }
    return encodable;
}

} // namespace

TEST(Tidy, TextsThatEncodeComeBackUnchanged) {
    // Some words hold what Tidy would rewrite elsewhere: as known tokens they must stay.
    const std::vector<std::string> words = {
        "the",    "dog",  "café", "naïve",  "über", "zoë", "a",     "i", "don",    "x",
        "straße", "élan", "5",    "twelve", "el",   "año", "don’t", "—", "5\tsee", "«x»"};
    WordList list;
    for (const std::string& w : words)
        list.add(w);
    Keyspace ks;
    ks.load(std::move(list));
    EXPECT_GT(checkEncodableTextsComeBackUnchanged(ks, words, "en", 3000), 2000);

    // Real words of a shipped dictionary, accents and all.
    Keyspace& fr = keyspace("@fr.dic");
    std::vector<std::string> sample;
    std::mt19937 rng(3);
    while (sample.size() < 300)
        sample.emplace_back(fr.word(1 + rng() % fr.wordCount()));
    EXPECT_GT(checkEncodableTextsComeBackUnchanged(fr, sample, "fr", 500), 250);
}

// Whatever Tidy leaves, a second Tidy leaves alone; the result encodes exactly when nothing
// is reported.
TEST(Tidy, TidyingTwiceChangesNothingMore) {
    Keyspace& ks = keyspace("wait back at five don t l écran middle click");
    ASSERT_TRUE(processKey(ks, "918273645546372819").started);
    Tidier tidier(ks, "en");
    const std::vector<std::string> parts = {
        "wait", "Back",  "at",          "5",      "don’t",  "l’écran", "—",           "«",
        "»",    "\t",    "\u00A0",      "zorg",   "middle", "-",       "click",       "…",
        "¿",    "12:30", "e\u0301cran", "\u200B", "007",    "x1y",     "middleclick", "Backdon"};
    std::mt19937 rng(7);
    for (int round = 0; round < 1000; ++round) {
        std::string text;
        for (int k = 0, n = 1 + static_cast<int>(rng() % 10); k < n; ++k)
            text += parts[rng() % parts.size()] + (rng() % 3 ? " " : "");
        const TidyResult once = tidier.tidy(text);
        const TidyResult twice = tidier.tidy(once.text);
        ASSERT_EQ(twice.text, once.text) << text;
        EXPECT_EQ(twice.changes.size(), 0u);
        if (!once.text.empty()) {
            EXPECT_EQ(encodeText(ks, once.text).output.has_value(), once.encodes()) << once.text;
        }
    }
}

// clang-format off
TEST(Tidy, SpacesCharactersQuotesAndPunctuation) {
    const char* w = "está aquí see you wait here cest c est vrai dit il dont its say hello "
                    "back at qué tal hola so";
    check(w, {
        {"Tab", "en", "See\tyou!", "See you!", "spaces"},
        {"NoBreakSpace", "en", "wait\u00A0here", "wait here", "spaces"},
        {"NarrowAndEmSpaces", "en", "wait\u202Fhere\u2003you", "wait here you", "spaces"},
        {"ZeroWidthAndSoftHyphen", "en", "wa\u200Bit he\u00ADre", "wait here", "spaces x2"},
        // e s t a + combining acute, as some keyboards write it.
        {"DecomposedAccents", "es", "Esta\u0301 aqui\u0301", "Está aquí", "spaces x2"},
        // Emoji go with the marks that join and draw them.
        {"Emoji", "en", "see \u2764\uFE0F you 👍🏽 here 👨\u200D👩\u200D👧 wait 1\uFE0F\u20E3",
         "see  you  here  wait 1",
         "spaces + punctuation; punctuation; spaces + punctuation; spaces; ?1(c il at)"},
        // A lone line feed inside a token is a space too; CR LF pairs stay.
        {"LoneLineFeed", "en", "see\nyou\r\nwait", "see you\r\nwait", "spaces"},
        // Text that passed through the wrong code page: 0x92 became U+0092 instead of ’.
        {"Windows1252QuoteAsC1", "fr", "C\u0092est vrai", "C'est vrai", "spaces + apostrophes"},
        {"Windows1252QuotesAsC1", "fr", "\u0093vrai\u0094 dit\u0096il", "vrai dit il",
         "spaces + punctuation x2"},
        {"UnassignedC1Goes", "fr", "vr\u0081ai", "vrai", "spaces"},
        {"Apostrophe", "en", "Don’t", "Don't", "apostrophes"},
        {"ApostropheLookalikes", "en", "it‘s itʼs it´s it`s", "it's it's it's it's",
         "apostrophes x4"},
        {"SingleQuotesStay", "en", "‘Hello’", "'Hello'", "apostrophes"},
        {"QuotesGo", "en", "«Hello» „hello“ “hello” ‹say›", "Hello hello hello say",
         "punctuation x4"},
        {"DashBetweenBlanks", "en", "wait — back", "wait  back", "punctuation"},
        {"DashAndEllipsisJoining", "en", "wait—back…at", "wait back at", "punctuation"},
        {"SpanishOpeningMarks", "es", "¿Qué tal? ¡Hola!", "Qué tal? Hola!", "punctuation x2"},
        {"EllipsisAndBullets", "en", "so… wait·back • at", "so wait back  at", "punctuation x3"},
        // Separators stay where they were; only the new punctuation goes.
        {"SeparatorsStay", "en", "(«wait»).", "(wait).", "punctuation"},
    });
}

TEST(Tidy, JoinedWordsSplitOnlyWhenEveryPartIsAWord) {
    const char* w = "middle click and or l écran d eau qu il mother ausgabe datei name neu";
    check(w, {
        {"HyphenAndSlash", "en", "middle-click and/or", "middle click and or", "separators x2"},
        {"Elision", "fr", "L'écran d’eau qu’il", "L écran d eau qu il",
         "separators; apostrophes + separators x2"},
        // zorg is no word, so nothing is split and the joined form is reported.
        {"NotIntoNonWords", "fr", "l'zorg mother-in-law", "l'zorg mother-in-law",
         "?lzorg; ?motherinlaw"},
        // A part of a joined word may be a compound itself.
        {"PartsThatAreCompounds", "de", "Ausgabedatei-Name neu", "Ausgabe datei Name neu",
         "separators + compounds"},
    });
}

TEST(Tidy, NumbersInTheDictionarysLanguage) {
    const char* w = "five hundred twelve one thousand zero seven thirty two at am three "
                    "fourteen point four ein und zwanzig fünf hundert zwölf vingt et un cinq "
                    "cent douze mille euros";
    const char* ord = "on the third twenty first second three rd le la premier première "
                      "deuxième dix neuvième el primero segunda primer de mayo 1 2 5";
    check(w, {
        {"Cardinal", "en", "at 512", "at five hundred twelve", "numbers"},
        {"FullStopStays", "en", "at 5.", "at five.", "numbers"},
        {"ThousandsAndBrackets", "en", "1,000 (5)", "one thousand (five)", "numbers x2"},
        {"TimeAndUnit", "en", "5:30 10am", "five thirty one zero am", "numbers x2"},
        {"DecimalPoint", "en", "3.14", "three point one four", "numbers"},
        // A leading zero is a code: digit by digit.
        {"LeadingZero", "en", "007", "zero zero seven", "numbers"},
        // Number words missing ("twenty"): digit by digit.
        {"WordsMissing", "en", "27", "two seven", "numbers"},
        // Neither way gives known words: left as it is and reported.
        {"NoWordsAtAll", "en", "48", "48", "?48(at am et)"},
        {"German", "de", "21 512", "ein und zwanzig fünf hundert zwölf", "numbers x2"},
        {"French", "fr", "21 512", "vingt et un cinq cent douze", "numbers x2"},
        // Thousands grouped by a narrow no-break space; a no-break space before a word
        // stays a blank.
        {"GroupedThousands", "fr", "5\u202F000\u00A0euros", "cinq mille euros", "spaces + numbers"},
    });
    check(ord, {
        // Ordinals read as ordinals, with the punctuation that ends them.
        {"EnglishOrdinals", "en", "on the 3rd, 21st or 2nd.",
         "on the third, twenty first or second.", "numbers x3; ?or(on rd le)"},
        {"FrenchOrdinals", "fr", "le 1er, la 1re, le 2e, le 19ème",
         "le premier, la première, le deuxième, le dix neuvième", "numbers x4"},
        {"SpanishOrdinals", "es", "el 1º de mayo, la 2ª, el 1er",
         "el primero de mayo, la segunda, el primer", "numbers x3"},
        // A dictionary of no known language: digits only when the dictionary holds them.
        {"NoLanguage", "", "512 7", "5 1 2 7", "numbers; ?7(1 2 5)"},
    });
}

TEST(Tidy, AbbreviationsAndDrawnOutLetters) {
    const char* w = "the key and a b c d e f l m n p o r s t u x y i eight three kompression "
                    "is lost list tyop";
    const char* d = "cool col no cruel so xi w xyy xxy hh";
    check(w,
          {
        {"Letters", "en", "The RSA key and the CRLs.", "The R S A key and the C R L s.",
         "abbreviations; capitals + abbreviations"},
        // Joined to digits or to a word by a separator.
        {"JoinedToDigits", "en", "UTF-8 and MP3", "U T F eight and M P three", "numbers x2"},
        {"JoinedToAWord", "de", "TIFF-Kompression", "T I F F Kompression",
         "separators + abbreviations"},
        // Not a word typed in lower case, nor one too long to be an abbreviation, nor a
        // letter the dictionary lacks.
        {"NotAnAbbreviation", "en", "the rsa and ABCDEFM and OK", "the rsa and ABCDEFM and OK",
         "?rsa(a r s); ?abcdefm; ?ok(o a b)"},
        // A line all in capitals is shouted: its unknown words are reported, not spelt; the
        // next line, in mixed case, is spelt again.
        {"ShoutedLine", "en", "THE TYPO IS LOST\r\nthe TYPO", "THE TYPO IS LOST\r\nthe T Y P O",
         "abbreviations; ?typo(tyop)"},
    });
    check(d, {
        {"DrawnOut", "en", "Cooool, Nooo! CRRRUEL sooo", "Cool, No! CRUEL so",
         "drawn-out letters x4"},
        // Not a Roman numeral, not one letter over and over, not when two words are
        // equally near.
        {"NotDrawnOut", "en", "www XIII HHHHHHHH xxxyyy", "www XIII HHHHHHHH xxxyyy",
         "?www(w); ?xiii(xi); ?hhhhhhhh; ?xxxyyy"},
    });
}

TEST(Tidy, CompoundsSplitIntoDictionaryWords) {
    const char* w = "ausgabe datei arbeit zeit konto sluts slut status slutsta tus lettertype "
                    "letter type grootte web site to gether sep rate unt ill nec ces ary "
                    "gränssnitt gränssnitts komponenten";
    const char* other = "gränssnitt komponenten hond mand hok boek winkel ne vyléčitelná nemoc "
                        "nie wykrywalnego";
    check(w, {
        {"TwoParts", "de", "Ausgabedatei", "Ausgabe datei", "compounds"},
        // Punctuation around the word stays around the parts.
        {"PunctuationAround", "de", "(ausgabedatei).", "(ausgabe datei).", "compounds"},
        // Fewest parts first, then parts of four letters or more, then the longest first part.
        {"FewestParts", "nl", "lettertypegrootte", "lettertype grootte", "compounds"},
        {"LongerParts", "da", "slutstatus", "slut status", "compounds"},
        {"LongestFirstPart", "en", "website", "web site", "compounds"},
        // Three parts when two will not do; a linking s dropped between them.
        {"ThreePartsLinkingS", "de", "Arbeitszeitkonto", "Arbeit zeit konto", "compounds"},
        // Capitals inside a word mark where it is joined, and nowhere else.
        {"AtCapitals", "nl", "letterTypeGrootte", "letter Type Grootte", "capitals"},
        {"AtCapitalsAfterCapitals", "en", "WEBSite", "WEB Site", "capitals"},
        {"AtCapitalsThenLower", "en", "WEBsite", "WEB site", "capitals"},
        {"NotElsewhere", "da", "SluTStatus", "SluTStatus", "?slutstatus"},
        // Linking letters only where the language uses them; parts under three letters never;
        // only words made of letters.
        {"NoLinkingInEnglish", "en", "arbeitszeit", "arbeitszeit", "?arbeitszeit"},
        {"NoShortParts", "en", "together", "together", "?together(gether)"},
        {"OnlyLetters", "de", "ausgabe2datei", "ausgabe2datei", "?ausgabe2datei"},
        // Misspellings do not fall apart into short pieces: a three-letter part only in two
        // parts beside a longer one, a linking letter only after four letters.
        {"Misspellings", "de", "seperate untill neccesary webtypegrootte",
         "seperate untill neccesary webtypegrootte",
         "?seperate; ?untill; ?neccesary; ?webtypegrootte"},
        {"OverFortyLetters", "de", "lettertypegrootteausgabedateiarbeitszeitkonto",
         "lettertypegrootteausgabedateiarbeitszeitkonto",
         "?lettertypegrootteausgabedateiarbeitszeitkonto"},
        {"SwedishGenitive", "sv", "gränssnittskomponenten", "gränssnitts komponenten", "compounds"},
    });
    check(other, {
        // The linking element: dropped only when the parts as they stand are no words.
        {"SwedishLinkingS", "sv", "Gränssnittskomponenten", "Gränssnitt komponenten", "compounds"},
        {"DutchLinkingEn", "nl", "hondenmand boekenwinkel", "hond mand boek winkel",
         "compounds x2"},
        {"DutchNoLinking", "nl", "hondenhok", "hond hok", "compounds"},
        // Czech and Polish "not" joined to a word the dictionary holds without it; only there.
        {"CzechNegation", "cs", "Nevyléčitelná nemoc", "Ne vyléčitelná nemoc", "compounds"},
        {"PolishNegation", "pl", "niewykrywalnego", "nie wykrywalnego", "compounds"},
        {"NegationOnlyInItsLanguage", "pl", "nevyléčitelná", "nevyléčitelná",
         "?nevyléčitelná(vyléčitelná)"},
    });
}

TEST(Tidy, WordsTypedWithoutOrWithTheWrongAccent) {
    const char* w = "děkuji canción più konverter žlutý příliš café cafè kůň résumé resumé der "
                    "dér en én misslich grüße grüsse heißt bass anschläge feuerwehrmänner på "
                    "mærke før ubohých dobrý dobré vylézal velkého velkému";
    check(w,
          {
        {"Dropped", "cs", "Dekuji, cancion!", "Děkuji, canción!", "accents x2"},
        {"Wrong", "it", "Piú KONVERTÉR", "Più KONVERTER", "accents x2"},
        {"Several", "cs", "zluty kun, prilis", "žlutý kůň, příliš", "accents x3"},
        // Two words that would do: left alone and reported.
        {"TwoCandidates", "fr", "cafe", "cafe", "?cafe(café cafè)"},
        // Of several, the one of fewest changed accents.
        {"FewestChanged", "fr", "résume", "résumé", "accents"},
        // An accent written for another is nearer than one dropped: dèr is dér, not der.
        {"AnotherAccent", "da", "Dèr var èn", "Dér var én", "accents x2; ?var(der dér før)"},
        // Letters as a keyboard without them allows, or in an older or the Swiss spelling:
        // ae, oe, ue, ss, ß in German, aa, ae, oe in Danish; the fewest changes that make a
        // word.
        {"GermanSharpS", "de", "Mißlich: Gruesse, heisst Bass", "Misslich: Grüsse, heißt Bass",
         "respelling x3"},
        {"GermanUmlauts", "de", "ANSCHLAEGE der Feuerwehrmaenner", "ANSCHLÄGE der Feuerwehrmänner",
         "respelling x2"},
        {"InnerCapitalKept", "de", "FeuerwehrMaenner", "FeuerwehrMänner", "respelling"},
        {"Danish", "da", "Paa, maerke foer", "På, mærke før", "respelling x3"},
        {"OnlyInItsLanguage", "en", "Grüße Gruesse", "Grüße Gruesse", "?gruesse(grüsse)"},
        // Czech as it is spoken: ej for ý or é, ýho and ýmu for ého and ému; where ý and é
        // would both make a word, ý.
        {"SpokenCzech", "cs", "Ubohejch dobrej vylejzal VELKÝHO velkýmu",
         "Ubohých dobrý vylézal VELKÉHO velkému", "respelling x5"},
    });
}

// A typo or a name is reported rather than cut into other words.
TEST(Tidy, KeepsTheWordItReads) {
    const char* w = "password pas word comentario comen taro sekunder ske under slut status "
                    "lina rien elle vit lord rava nal die ausgabe datei the dog house halv døv "
                    "halvdød død nie wykrywalny niewykrywalna r a v n l horse hose mouse two";
    check(w, {
        // One edit from a word: a typo, never split.
        {"EnglishTypo", "en", "pasword", "pasword", "?pasword(password)"},
        {"SpanishTypo", "es", "comentaro", "comentaro", "?comentaro(comentario)"},
        {"DanishSwappedLetters", "da", "skeunder", "skeunder", "?skeunder(sekunder)"},
        {"SwedishCompound", "sv", "slutstatus", "slut status", "compounds"},
        {"SameCompoundInAnotherForm", "da", "halvdøv", "halv døv", "compounds"},
        {"PolishNegationBesideAnotherForm", "pl", "niewykrywalny", "nie wykrywalny", "compounds"},
        // A capitalised word inside a sentence: a name, never cut; written letter by letter
        // only when asked.
        {"FrenchName", "fr", "elle vit Linarien.", "elle vit Linarien.", "?linarien"},
        {"EnglishName", "en", "lord Ravanal", "lord Ravanal", "?ravanal"},
        {"CapitalAtSentenceStart", "fr", "vit. Linarien", "vit. Lina rien", "compounds"},
        {"GermanNounsTakeCapitals", "de", "die Ausgabedatei", "die Ausgabe datei", "compounds"},
        {"CapitalInsideAWord", "en", "lord TheDoghouse", "lord The Dog house",
         "capitals + compounds"},
        // Each unknown word once, with its count; rewrites through several rules name them all.
        {"EachUnknownOnce", "en", "The hous, the Hous! dog zzzzzz\r\nhous“",
         "The hous, the Hous! dog zzzzzz\r\nhous",
         "punctuation; ?hous*3(house horse hose); ?zzzzzz"},
        {"SeveralRules", "en", "the house\u2014dog the \u00ab2\u00bb", "the house dog the two",
         "punctuation; punctuation + numbers"},
    });
    const TidyResult named =
        Tidier(keyspace("lord r a v n l"), "en").tidy("Lord Ravanal, lord ravanal", true, true);
    EXPECT_EQ(named.text, "Lord R a v a n a l, lord ravanal");
    EXPECT_EQ(report(named), "names spelled out; ?ravanal");
    EXPECT_EQ(spelledOut("Peťa"), "P e ť a");
}

// Symbols, prices, decimals, telephone numbers and addresses in the words of the text's
// language, each a word of its shipped dictionary.
TEST(Tidy, SymbolsInTheShippedDictionaries) {
    check("", {
        {"EnglishPercent", "@eng.dic", "10% more", "ten percent more", "symbols"},
        {"EnglishPrice", "@eng.dic", "$5.99", "five dollars ninety nine", "symbols"},
        {"EnglishOnePound", "@eng.dic", "£1 or €20", "one pound or twenty euros", "symbols x2"},
        {"EnglishSymbolApart", "@eng.dic", "(10 %)", "(ten percent)", "numbers; symbols"},
        {"EnglishTelephone", "@eng.dic", "+44 20 7946 0958",
         "plus four four two zero seven nine four six zero nine five eight",
         "telephone numbers x4"},
        {"EnglishLocalTelephone", "@eng.dic", "555-1234.", "five five five one two three four.",
         "telephone numbers"},
        {"EnglishThousandsNoDecimal", "@eng.dic", "1,000", "one thousand", "numbers"},
        {"EnglishDateNoTelephone", "@eng.dic", "2024-01-15",
         "two thousand twenty four zero one fifteen", "numbers"},
        {"EnglishAddress", "@eng.dic", "<anna@example.com>", "<anna at example dot com>",
         "addresses"},
        {"EnglishAmpersand", "@eng.dic", "rock&roll", "rock and roll", "symbols"},
        {"KnownWordBesideSymbolStays", "@eng.dic", "ten % & more", "ten % & more", ""},
        {"GermanDecimalComma", "@de_neu.dic", "3,5 km", "drei Komma fünf km", "numbers"},
        {"GermanDateNoTelephone", "@de_neu.dic", "am 15.01.2024",
         "am fünfzehn null eins zwei tausend vier und zwanzig", "numbers"},
        {"GermanCelsius", "@de_neu.dic", "20°C", "zwanzig Grad Celsius", "symbols"},
        {"CzechPluralForms", "@Czech.dic", "5 € a 2 €", "pět eur a dva eura",
         "numbers; symbols; numbers; symbols"},
        {"CzechDecimalPercent", "@Czech.dic", "3,5%", "tři čárka pět procenta", "symbols"},
        {"PolishPluralForms", "@pl.dic", "22 $", "dwadzieścia dwa dolary", "numbers; symbols"},
        {"FrenchDecimalsAsNumber", "@fr.dic", "3,14 et 3,05",
         "trois virgule quatorze et trois virgule zéro cinq", "numbers x2"},
        {"FrenchTelephone", "@fr.dic", "06 12 34 56 78",
         "zéro six un deux trois quatre cinq six sept huit", "telephone numbers x5"},
        {"FrenchScaleAsLetter", "@fr.dic", "20 °F", "vingt degrés F", "numbers; symbols"},
        {"SpanishPercent", "@es.dic", "20 %", "veinte por ciento", "numbers; symbols"},
        {"ItalianPlus", "@it.dic", "+39 06 1234", "più tre nove zero sei uno due tre quattro",
         "telephone numbers x3"},
        {"DutchEuroBefore", "@nl.dic", "€ 5", "euro vijf", "symbols; numbers"},
        {"DanishAddress", "@dk.dic", "anna@firma.dk", "anna snabel-a firma punktum dk",
         "addresses"},
        {"SwedishDegrees", "@se.dic", "3,5 °C", "tre komma fem grader Celsius", "numbers; symbols"},
    });
}

// The shipped dictionaries, on words they hold today.
TEST(Tidy, ShippedDictionariesTakeEverydayWriting) {
    check("", {
        {"English", "@eng.dic", "I’m at the café — back at 5.\tSee you!",
         "I'm at the café  back at five. See you!", "apostrophes; punctuation; spaces + numbers"},
        {"EnglishHyphen", "@eng.dic", "A middle-click", "A middle click", "separators"},
        {"EnglishCapitals", "@eng.dic", "A RowExclusiveLock on WhatsApp",
         "A Row Exclusive Lock on Whats App", "capitals x2"},
        {"German", "@de_neu.dic", "„Straße“ 21", "Straße ein und zwanzig", "punctuation; numbers"},
        {"GermanCompound", "@de_neu.dic", "Die Ausgabedatei", "Die Ausgabe datei", "compounds"},
        {"GermanSharpS", "@de_neu.dic", "Das ist mißlich", "Das ist misslich", "respelling"},
        {"GermanAbbreviations", "@de_neu.dic", "Die PUK für RGBA", "Die P U K für R G B A",
         "abbreviations x2"},
        {"Polish", "@pl.dic", "Mam 512", "Mam pięćset dwanaście", "numbers"},
        {"French", "@fr.dic", "«Bonjour» l’écran: 512 amis",
         "Bonjour l'écran: cinq cent douze amis", "punctuation; apostrophes; numbers"},
        {"Spanish", "@es.dic", "¿Dónde estás? ¡Hola! Tengo 512",
         "Dónde estás? Hola! Tengo quinientos doce", "punctuation x2; numbers"},
        {"Danish", "@dk.dic", "fem\u00A0og 512", "fem og fem hundrede og tolv", "spaces; numbers"},
        {"DanishCompounds", "@dk.dic", "slutstatus konfigurationsfiler",
         "slut status konfigurations filer", "compounds x2"},
        {"DanishAccents", "@dk.dic", "Dèr var èn gang", "Dér var én gang", "accents x2"},
        {"Dutch", "@nl.dic", "„Een” 512", "Een vijf honderd twaalf", "punctuation; numbers"},
        {"DutchCompounds", "@nl.dic", "lettertypegrootte standaarduitvoer",
         "lettertype grootte standaard uitvoer", "compounds x2"},
        {"Swedish", "@se.dic", "512", "fem hundra tolv", "numbers"},
        {"SwedishCompound", "@se.dic", "gränssnittskomponenten", "gränssnitts komponenten",
         "compounds"},
        {"Czech", "@Czech.dic", "512", "pět set dvanáct", "numbers"},
        {"CzechNegation", "@Czech.dic", "To je nevyléčitelná nemoc", "To je ne vyléčitelná nemoc",
         "compounds"},
        {"CzechShortNegation", "@Czech.dic", "Neměj strach", "Ne měj strach", "compounds"},
        {"SpokenCzech", "@Czech.dic", "Těch ubohejch, nic jednoduchýho",
         "Těch ubohých, nic jednoduchého", "respelling x2"},
        {"Italian", "@it.dic", "«Acqua» 5", "Acqua cinque", "punctuation; numbers"},
    });
}

// clang-format on

// Each rewrite listed where it stands, with the rule that made it, so that any of them can
// be taken back.
TEST(Tidy, EachChangeWithItsPlaceAndLineCanBeTakenBack) {
    const std::string text = "Meet at 10,\r\nthe dog\u2019s \u00abhouse\u00bb 2\r\n";
    const TidyResult r = Tidier(keyspace("meet at ten two the dog dogs house"), "en").tidy(text);
    ASSERT_EQ(r.text, "Meet at ten,\r\nthe dog's house two\r\n");
    const char* original[] = {"10", "dog\u2019s", "\u00abhouse\u00bb", "2"};
    const uint32_t line[] = {1, 2, 2, 2};
    ASSERT_EQ(r.changes.size(), std::size(original));
    std::string back = r.text;
    for (size_t i = r.changes.size(); i-- > 0;) {
        const TidyChange& c = r.changes[i];
        SCOPED_TRACE(c.original);
        EXPECT_EQ(c.original, original[i]);
        EXPECT_EQ(c.line, line[i]);
        EXPECT_EQ(text.substr(c.at, c.original.size()), c.original);
        EXPECT_EQ(r.text.substr(c.tidiedAt, c.replacement.size()), c.replacement);
        back.replace(c.tidiedAt, c.replacement.size(), c.original);
    }
    EXPECT_EQ(back, text);
}

TEST(Suggester, ClosestWordsByEditDistance) {
    WordList words;
    for (std::string_view w : {"the", "then", "than", "tea", "a", "don't", "", "two words", "teh",
                               "hte", "other", "thee", "zebra", "the", "été"})
        words.add(w);
    const Suggester s(words);
    // Swapped neighbours count once; ties in dictionary order.
    EXPECT_EQ(s.suggest("teh"), (std::vector<std::string>{"the", "tea", "then"}));
    EXPECT_EQ(s.suggest("th", 20), (std::vector<std::string>{"the", "teh", "then", "than", "tea",
                                                             "a", "hte", "thee", "été"}));
    // Entries a text cannot carry as one token are never offered.
    EXPECT_TRUE(s.suggest("dont").empty());
    EXPECT_TRUE(s.suggest("twowords").empty());
    // Distance 3 is too far; letters beyond ASCII count as one.
    EXPECT_TRUE(s.suggest("zxbxx").empty());
    EXPECT_EQ(s.suggest("ét", 1), (std::vector<std::string>{"été"}));
}

TEST(Tidy, ReplaceWordAndLocales) {
    EXPECT_EQ(replaceWord("Hous, the hous! houses \"hous\"\r\nhous", "hous", "house"),
              "House, the house! houses \"house\"\r\nhouse");
    EXPECT_EQ(replaceWord("l'zorg zorg", "lzorg", "lorg"), "lorg zorg");
    const std::pair<const char*, const char*> locales[] = {
        {"English", "en"},   {"de_neu.dic", "de"}, {"/opt/talvora/se.dic", "sv"},
        {"Czech.dic", "cs"}, {"custom.dic", ""},   {"ENG.DIC", ""}};
    for (const auto& [name, locale] : locales)
        EXPECT_EQ(tidyLocaleFor(name), locale) << name;
}
