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
        {"Spaces", "en", "See\tyou! wait\u00A0here wait\u202Fhere\u2003you wa\u200Bit he\u00ADre",
         "See you! wait here wait here you wait here", "spaces x5"},
        {"DecomposedAccents", "es", "Esta\u0301 aqui\u0301", "Está aquí", "spaces x2"},
        {"Emoji", "en", "see \u2764\uFE0F you 👍🏽 here 👨\u200D👩\u200D👧 wait 1\uFE0F\u20E3",
         "see  you  here  wait 1",
         "spaces + punctuation; punctuation; spaces + punctuation; spaces; ?1(c il at)"},
        // A lone line feed inside a token is a space too; CR LF pairs stay.
        {"LoneLineFeed", "en", "see\nyou\r\nwait", "see you\r\nwait", "spaces"},
        // Text that passed through the wrong code page: 0x92 became U+0092 instead of ’.
        {"Windows1252AsC1", "fr", "C\u0092est vrai \u0093vrai\u0094 dit\u0096il vr\u0081ai",
         "C'est vrai vrai dit il vrai", "spaces + apostrophes; spaces + punctuation x2; spaces"},
        {"Apostrophes", "en", "Don’t it‘s itʼs it´s it`s ‘Hello’",
         "Don't it's it's it's it's 'Hello'", "apostrophes x6"},
        {"QuotesGo", "en", "«Hello» „hello“ “hello” ‹say›", "Hello hello hello say",
         "punctuation x4"},
        {"Dashes", "en", "wait — back wait—back…at", "wait  back wait back at", "punctuation x2"},
        {"SpanishOpeningMarks", "es", "¿Qué tal? ¡Hola!", "Qué tal? Hola!", "punctuation x2"},
        {"BulletsGoSeparatorsStay", "en", "so… wait·back • at («wait»).",
         "so wait back  at (wait).", "punctuation x4"},
    });
}

TEST(Tidy, JoinedWordsSplitOnlyWhenEveryPartIsAWord) {
    const char* w = "middle click and or l écran d eau qu il mother ausgabe datei name neu";
    check(w, {
        {"HyphenAndSlash", "en", "middle-click and/or", "middle click and or", "separators x2"},
        {"Elision", "fr", "L'écran d’eau qu’il", "L écran d eau qu il",
         "separators; apostrophes + separators x2"},
        {"NotIntoNonWords", "fr", "l'zorg mother-in-law", "l'zorg mother-in-law",
         "?lzorg; ?motherinlaw"},
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
        {"Cardinal", "en", "at 512 at 5.", "at five hundred twelve at five.", "numbers x2"},
        {"ThousandsTimesAndUnits", "en", "1,000 (5) 5:30 10am",
         "one thousand (five) five thirty one zero am", "numbers x4"},
        {"DigitByDigitWhereNeeded", "en", "3.14 007 27",
         "three point one four zero zero seven two seven", "numbers x3"},
        {"NoWordsAtAll", "en", "48", "48", "?48(at am et)"},
        {"German", "de", "21 512", "ein und zwanzig fünf hundert zwölf", "numbers x2"},
        {"French", "fr", "21 512", "vingt et un cinq cent douze", "numbers x2"},
        // Thousands grouped by a narrow no-break space; before a word it is a blank.
        {"GroupedThousands", "fr", "5\u202F000\u00A0euros", "cinq mille euros", "spaces + numbers"},
    });
    check(ord, {
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
        {"JoinedToDigits", "en", "UTF-8 and MP3", "U T F eight and M P three", "numbers x2"},
        {"JoinedToAWord", "de", "TIFF-Kompression", "T I F F Kompression",
         "separators + abbreviations"},
        // Not in lower case, nor too long, nor with a letter the dictionary lacks.
        {"NotAnAbbreviation", "en", "the rsa and ABCDEFM and OK", "the rsa and ABCDEFM and OK",
         "?rsa(a r s); ?abcdefm; ?ok(o a b)"},
        // A line all in capitals is shouted: reported, not spelt.
        {"ShoutedLine", "en", "THE TYPO IS LOST\r\nthe TYPO", "THE TYPO IS LOST\r\nthe T Y P O",
         "abbreviations; ?typo(tyop)"},
    });
    check(d, {
        {"DrawnOut", "en", "Cooool, Nooo! CRRRUEL sooo", "Cool, No! CRUEL so",
         "drawn-out letters x4"},
        // Not a Roman numeral, one letter over and over, nor two words equally near.
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
        {"GermanParts", "de", "Ausgabedatei (ausgabedatei). Arbeitszeitkonto",
         "Ausgabe datei (ausgabe datei). Arbeit zeit konto", "compounds x3"},
        // Fewest parts first, then parts of four letters or more, then the longest first part.
        {"DutchParts", "nl", "lettertypegrootte letterTypeGrootte",
         "lettertype grootte letter Type Grootte", "compounds; capitals"},
        {"DanishParts", "da", "slutstatus SluTStatus", "slut status SluTStatus",
         "compounds; ?slutstatus"},
        {"EnglishParts", "en", "website WEBSite WEBsite together",
         "web site WEB Site WEB site together", "compounds; capitals x2; ?together(gether)"},
        // Capitals inside a word mark where it is joined, and nowhere else.
        // Linking letters only where the language uses them; parts of three letters or more.
        {"NoLinkingInEnglish", "en", "arbeitszeit", "arbeitszeit", "?arbeitszeit"},
        {"NotIntoShortPieces", "de", "ausgabe2datei seperate untill neccesary webtypegrootte",
         "ausgabe2datei seperate untill neccesary webtypegrootte",
         "?ausgabe2datei; ?seperate; ?untill; ?neccesary; ?webtypegrootte"},
        // Misspellings do not fall apart into short pieces.
        {"OverFortyLetters", "de", "lettertypegrootteausgabedateiarbeitszeitkonto",
         "lettertypegrootteausgabedateiarbeitszeitkonto",
         "?lettertypegrootteausgabedateiarbeitszeitkonto"},
        {"SwedishGenitive", "sv", "gränssnittskomponenten", "gränssnitts komponenten", "compounds"},
    });
    check(other, {
        // The linking element: dropped only when the parts as they stand are no words.
        {"SwedishLinkingS", "sv", "Gränssnittskomponenten", "Gränssnitt komponenten", "compounds"},
        {"DutchLinkingEn", "nl", "hondenmand boekenwinkel hondenhok",
         "hond mand boek winkel hond hok", "compounds x3"},
        // Czech and Polish "not" joined to a word the dictionary holds without it; only there.
        {"CzechNegation", "cs", "Nevyléčitelná nemoc", "Ne vyléčitelná nemoc", "compounds"},
        {"PolishNegation", "pl", "niewykrywalnego nevyléčitelná", "nie wykrywalnego nevyléčitelná",
         "compounds; ?nevyléčitelná(vyléčitelná)"},
    });
}

TEST(Tidy, WordsTypedWithoutOrWithTheWrongAccent) {
    const char* w = "děkuji canción più konverter žlutý příliš café cafè kůň résumé resumé der "
                    "dér en én misslich grüße grüsse heißt bass anschläge feuerwehrmänner på "
                    "mærke før ubohých dobrý dobré vylézal velkého velkému";
    check(w,
          {
        {"Dropped", "cs", "Dekuji, cancion! zluty kun, prilis",
         "Děkuji, canción! žlutý kůň, příliš", "accents x5"},
        {"Wrong", "it", "Piú KONVERTÉR", "Più KONVERTER", "accents x2"},
        {"TwoCandidates", "fr", "cafe", "cafe", "?cafe(café cafè)"},
        {"FewestChanged", "fr", "résume", "résumé", "accents"},
        // An accent written for another is nearer than one dropped: dèr is dér, not der.
        {"AnotherAccent", "da", "Dèr var èn", "Dér var én", "accents x2; ?var(der dér før)"},
        // ae, oe, ue, ss, ß in German, aa, ae, oe in Danish: the fewest changes.
        {"German", "de",
         "Mißlich: Gruesse, heisst Bass ANSCHLAEGE der Feuerwehrmaenner FeuerwehrMaenner",
         "Misslich: Grüsse, heißt Bass ANSCHLÄGE der Feuerwehrmänner FeuerwehrMänner",
         "respelling x6"},
        {"Danish", "da", "Paa, maerke foer", "På, mærke før", "respelling x3"},
        {"OnlyInItsLanguage", "en", "Grüße Gruesse", "Grüße Gruesse", "?gruesse(grüsse)"},
        // Spoken Czech: ej for ý or é (ý on a tie), ýho and ýmu for ého and ému.
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
        {"EnglishTypo", "en", "pasword", "pasword", "?pasword(password)"},
        {"SpanishTypo", "es", "comentaro", "comentaro", "?comentaro(comentario)"},
        {"DanishSwappedLetters", "da", "skeunder", "skeunder", "?skeunder(sekunder)"},
        {"SwedishCompound", "sv", "slutstatus", "slut status", "compounds"},
        {"SameCompoundInAnotherForm", "da", "halvdøv", "halv døv", "compounds"},
        {"PolishNegationBesideAnotherForm", "pl", "niewykrywalny", "nie wykrywalny", "compounds"},
        // A capitalised word inside a sentence: a name, never cut.
        {"FrenchName", "fr", "elle vit Linarien.", "elle vit Linarien.", "?linarien"},
        {"EnglishName", "en", "lord Ravanal", "lord Ravanal", "?ravanal"},
        {"CapitalAtSentenceStart", "fr", "vit. Linarien", "vit. Lina rien", "compounds"},
        {"GermanNounsTakeCapitals", "de", "die Ausgabedatei", "die Ausgabe datei", "compounds"},
        {"CapitalInsideAWord", "en", "lord TheDoghouse", "lord The Dog house",
         "capitals + compounds"},
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
        {"EnglishPrices", "@eng.dic", "10% more $5.99 £1 or €20",
         "ten percent more five dollars ninety nine one pound or twenty euros", "symbols x4"},
        {"EnglishSymbolApart", "@eng.dic", "(10 %) 1,000 rock&roll",
         "(ten percent) one thousand rock and roll", "numbers; symbols; numbers; symbols"},
        {"EnglishTelephone", "@eng.dic", "+44 20 7946 0958",
         "plus four four two zero seven nine four six zero nine five eight",
         "telephone numbers x4"},
        {"EnglishLocalTelephone", "@eng.dic", "555-1234.", "five five five one two three four.",
         "telephone numbers"},
        {"EnglishDateNoTelephone", "@eng.dic", "2024-01-15",
         "two thousand twenty four zero one fifteen", "numbers"},
        {"EnglishAddress", "@eng.dic", "<anna@example.com>", "<anna at example dot com>",
         "addresses"},
        {"KnownWordBesideSymbolStays", "@eng.dic", "ten % & more", "ten % & more", ""},
        {"GermanUnits", "@de_neu.dic", "3,5 km 20°C", "drei Komma fünf km zwanzig Grad Celsius",
         "numbers; symbols"},
        {"GermanDateNoTelephone", "@de_neu.dic", "am 15.01.2024",
         "am fünfzehn null eins zwei tausend vier und zwanzig", "numbers"},
        {"CzechPluralForms", "@Czech.dic", "5 € a 2 € 3,5%",
         "pět eur a dva eura tři čárka pět procenta", "numbers; symbols; numbers; symbols x2"},
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
        // A minus sign is read, never dropped; a dash between numbers or words is no minus.
        {"EnglishMinus", "@eng.dic", "-5, (−3) -10% --2 1-2",
         "minus five, (minus three) minus ten percent --two one two",
         "numbers; punctuation + numbers; symbols; numbers x2"},
        {"EnglishJoinedAmounts", "@eng.dic", "10%-20% $5/$7",
         "ten percent twenty percent five dollars seven dollars", "symbols + separators x2"},
        {"GermanMinusAndOne", "@de_neu.dic", "-3,5 °C 1 € 1£", "minus drei Komma fünf Grad Celsius ein Euro ein Pfund",
         "numbers; symbols; numbers; symbols x2"},
        {"SpanishOneHasGender", "@es.dic", "1€ y 1£", "un euro y una libra", "symbols x2"},
        {"FrenchOneHasGender", "@fr.dic", "1£ ou -1€", "une livre ou moins un euro", "symbols x2"},
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
