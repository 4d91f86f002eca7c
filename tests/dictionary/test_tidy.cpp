// Tidy: texts that encode come back untouched; each rule on what people really type; the
// report and the suggestions.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "suggest.h"
#include "tidy.h"
#include "tokenizer.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>

using namespace talvora;

namespace {

const std::string Key = "918273645546372819";

std::unique_ptr<Keyspace> keyspaceOf(std::initializer_list<std::string_view> words) {
    WordList list;
    for (std::string_view w : words)
        list.add(w);
    auto ks = std::make_unique<Keyspace>();
    ks->load(std::move(list));
    return ks;
}

std::string tidied(const Keyspace& ks, std::string_view text, const std::string& locale = "en") {
    return Tidier(ks, locale).tidy(text).text;
}

// A shipped dictionary, read once in its language's code page.
Keyspace& shipped(const std::string& file) {
    static std::map<std::string, std::unique_ptr<Keyspace>> cache;
    auto& ks = cache[file];
    if (!ks) {
        const std::string language = tidyLocaleFor(file);
        ks = std::make_unique<Keyspace>();
        ks->load(readDictionary(std::filesystem::path(TALVORA_SOURCE_DATA) / file,
                                CodePage::fromName(CodePage::nameForLanguage(language))));
    }
    return *ks;
}

// Random texts of words with separators, capitals, blanks and line breaks. Each one that
// encodes must come back from Tidy byte for byte and encode as before; returns how many did.
int checkEncodableTextsComeBackUnchanged(Keyspace& ks, const std::vector<std::string>& words,
                                         const std::string& locale, int rounds) {
    if (!ks.keyspaceReady()) {
        EXPECT_TRUE(processKey(ks, Key).started);
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
        const CommandResult after = encodeText(ks, r.text);
        EXPECT_EQ(after.output, before.output);
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
    Keyspace& fr = shipped("fr.dic");
    std::vector<std::string> sample;
    std::mt19937 rng(3);
    while (sample.size() < 300)
        sample.emplace_back(fr.word(1 + rng() % fr.wordCount()));
    EXPECT_GT(checkEncodableTextsComeBackUnchanged(fr, sample, "fr", 500), 250);
}

// Whatever Tidy leaves, a second Tidy leaves alone; the result encodes exactly when nothing
// is reported.
TEST(Tidy, TidyingTwiceChangesNothingMore) {
    auto ks =
        keyspaceOf({"wait", "back", "at", "five", "don", "t", "l", "écran", "middle", "click"});
    ASSERT_TRUE(processKey(*ks, Key).started);
    Tidier tidier(*ks, "en");
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
        // Encodes exactly when nothing is reported.
        if (!once.text.empty()) {
            EXPECT_EQ(encodeText(*ks, once.text).output.has_value(), once.encodes()) << once.text;
        }
    }
}

TEST(Tidy, SpacesInvisibleCharactersAndDecomposedAccents) {
    auto ks = keyspaceOf({"está", "aquí", "see", "you", "wait", "here"});
    EXPECT_EQ(tidied(*ks, "See\tyou!"), "See you!");
    EXPECT_EQ(tidied(*ks, "wait\u00A0here"), "wait here");
    EXPECT_EQ(tidied(*ks, "wait\u202Fhere\u2003you"), "wait here you");
    EXPECT_EQ(tidied(*ks, "wa\u200Bit he\u00ADre"), "wait here");
    // e s t a + combining acute, as some keyboards write it.
    EXPECT_EQ(tidied(*ks, "Esta\u0301 aqui\u0301", "es"), "Está aquí");
    // Emoji go with the marks that join and draw them.
    EXPECT_EQ(
        tidied(*ks,
               "see \u2764\uFE0F you 👍🏽 here 👨\u200D👩\u200D👧 wait 1\uFE0F\u20E3"),
        "see  you  here  wait 1");
    // A lone line feed inside a token is a space too; CR LF pairs stay.
    EXPECT_EQ(tidied(*ks, "see\nyou\r\nwait"), "see you\r\nwait");
}

TEST(Tidy, WindowsQuotesReadAsLatin1AreTheirCharacters) {
    // Text that passed through the wrong code page: 0x92 became U+0092 instead of ’.
    auto ks = keyspaceOf({"cest", "c", "est", "vrai", "dit", "il"});
    EXPECT_EQ(tidied(*ks, "C\u0092est vrai", "fr"), "C'est vrai");
    EXPECT_EQ(tidied(*ks, "\u0093vrai\u0094 dit\u0096il", "fr"), "vrai dit il");
    // Bytes windows-1252 leaves unassigned just go.
    EXPECT_EQ(tidied(*ks, "vr\u0081ai", "fr"), "vrai");
}

TEST(Tidy, TypographicApostrophesAndQuotes) {
    auto ks = keyspaceOf({"dont", "its", "say", "hello"});
    EXPECT_EQ(tidied(*ks, "Don’t"), "Don't");
    EXPECT_EQ(tidied(*ks, "it‘s itʼs it´s it`s"), "it's it's it's it's");
    EXPECT_EQ(tidied(*ks, "‘Hello’"), "'Hello'");
    EXPECT_EQ(tidied(*ks, "«Hello» „hello“ “hello” ‹say›"), "Hello hello hello say");
}

TEST(Tidy, PunctuationGoesOrBecomesABlankBetweenWords) {
    auto ks = keyspaceOf({"wait", "back", "at", "qué", "tal", "hola", "so"});
    EXPECT_EQ(tidied(*ks, "wait — back"), "wait  back");
    EXPECT_EQ(tidied(*ks, "wait—back…at"), "wait back at");
    EXPECT_EQ(tidied(*ks, "¿Qué tal? ¡Hola!", "es"), "Qué tal? Hola!");
    EXPECT_EQ(tidied(*ks, "so… wait·back • at"), "so wait back  at");
    // Separators stay where they were; only the new punctuation goes.
    EXPECT_EQ(tidied(*ks, "(«wait»)."), "(wait).");
}

TEST(Tidy, JoinedWordsSplitOnlyWhenEveryPartIsAWord) {
    auto ks = keyspaceOf(
        {"middle", "click", "and", "or", "l", "écran", "d", "eau", "qu", "il", "mother"});
    EXPECT_EQ(tidied(*ks, "middle-click and/or"), "middle click and or");
    EXPECT_EQ(tidied(*ks, "L'écran d’eau qu’il", "fr"), "L écran d eau qu il");
    // "l'zorg": zorg is no word, so nothing is split and the joined form is reported.
    Tidier tidier(*ks, "fr");
    TidyResult r = tidier.tidy("l'zorg mother-in-law");
    EXPECT_EQ(r.text, "l'zorg mother-in-law");
    ASSERT_EQ(r.unknown.size(), 2u);
    EXPECT_EQ(r.unknown[0].word, "lzorg");
    EXPECT_EQ(r.unknown[1].word, "motherinlaw");
}

TEST(Tidy, NumbersInTheDictionarysLanguage) {
    auto en = keyspaceOf({"five", "hundred", "twelve", "one", "thousand", "zero", "seven", "thirty",
                          "two", "at", "am", "three", "fourteen", "point", "four"});
    EXPECT_EQ(tidied(*en, "at 512"), "at five hundred twelve");
    EXPECT_EQ(tidied(*en, "at 5."), "at five.");
    EXPECT_EQ(tidied(*en, "1,000 (5)"), "one thousand (five)");
    EXPECT_EQ(tidied(*en, "5:30 10am"), "five thirty one zero am");
    EXPECT_EQ(tidied(*en, "3.14"), "three point one four");
    // A leading zero is a code: digit by digit.
    EXPECT_EQ(tidied(*en, "007"), "zero zero seven");
    // Number words missing ("twenty"): digit by digit.
    EXPECT_EQ(tidied(*en, "27"), "two seven");
    // Neither way gives known words: left as it is and reported.
    TidyResult r = Tidier(*en, "en").tidy("48");
    EXPECT_EQ(r.text, "48");
    ASSERT_EQ(r.unknown.size(), 1u);

    auto de = keyspaceOf({"ein", "und", "zwanzig", "fünf", "hundert", "zwölf"});
    EXPECT_EQ(tidied(*de, "21", "de"), "ein und zwanzig");
    EXPECT_EQ(tidied(*de, "512", "de"), "fünf hundert zwölf");
    auto fr = keyspaceOf({"vingt", "et", "un", "cinq", "cent", "douze", "mille", "euros"});
    EXPECT_EQ(tidied(*fr, "21 512", "fr"), "vingt et un cinq cent douze");
    // Thousands grouped by a narrow no-break space; a no-break space before a word stays a blank.
    EXPECT_EQ(tidied(*fr, "5\u202F000\u00A0euros", "fr"), "cinq mille euros");

    // Ordinals read as ordinals, with the punctuation that ends them.
    auto en2 = keyspaceOf({"on", "the", "third", "twenty", "first", "second", "three", "rd"});
    EXPECT_EQ(tidied(*en2, "on the 3rd, 21st or 2nd."), "on the third, twenty first or second.");
    auto fr2 = keyspaceOf({"le", "la", "premier", "première", "deuxième", "dix", "neuvième"});
    EXPECT_EQ(tidied(*fr2, "le 1er, la 1re, le 2e, le 19ème", "fr"),
              "le premier, la première, le deuxième, le dix neuvième");
    auto es = keyspaceOf({"el", "la", "primero", "segunda", "primer", "de", "mayo"});
    EXPECT_EQ(tidied(*es, "el 1º de mayo, la 2ª, el 1er", "es"),
              "el primero de mayo, la segunda, el primer");

    // A dictionary of no known language: digits only when the dictionary holds them.
    auto other = keyspaceOf({"1", "2", "5"});
    EXPECT_EQ(tidied(*other, "512", ""), "5 1 2");
    EXPECT_EQ(tidied(*other, "7", ""), "7");
}

TEST(Tidy, AbbreviationsAsTheirLetters) {
    auto ks =
        keyspaceOf({"the", "key",   "and",   "a",           "b",  "c",    "d",    "e",   "f", "l",
                    "m",   "n",     "p",     "o",           "r",  "s",    "t",    "u",   "x", "y",
                    "i",   "eight", "three", "kompression", "is", "lost", "list", "tyop"});
    EXPECT_EQ(tidied(*ks, "The RSA key and the CRLs."), "The R S A key and the C R L s.");
    // Joined to digits or to a word by a separator.
    EXPECT_EQ(tidied(*ks, "UTF-8 and MP3", "en"), "U T F eight and M P three");
    EXPECT_EQ(tidied(*ks, "TIFF-Kompression", "de"), "T I F F Kompression");
    // Not a word typed in lower case, nor one that is too long to be an abbreviation, nor a
    // letter the dictionary lacks.
    Tidier tidier(*ks, "en");
    TidyResult r = tidier.tidy("the rsa and ABCDEFM and OK");
    EXPECT_EQ(r.text, "the rsa and ABCDEFM and OK");
    EXPECT_EQ(r.unknown.size(), 3u);
    // A line all in capitals is shouted: its unknown words are reported, not spelt; the next
    // line, in mixed case, is spelt again.
    r = tidier.tidy("THE TYPO IS LOST\r\nthe TYPO");
    EXPECT_EQ(r.text, "THE TYPO IS LOST\r\nthe T Y P O");
    ASSERT_EQ(r.unknown.size(), 1u);
    EXPECT_EQ(r.unknown[0].word, "typo");
    EXPECT_EQ(r.unknown[0].suggestions, (std::vector<std::string>{"tyop"}));
}

TEST(Tidy, DrawnOutLettersKeptOnceOrTwice) {
    auto ks = keyspaceOf({"cool", "col", "no", "cruel", "so", "xi", "w", "xyy", "xxy", "hh"});
    EXPECT_EQ(tidied(*ks, "Cooool, Nooo! CRRRUEL sooo"), "Cool, No! CRUEL so");
    // Not a Roman numeral, not one letter over and over, not when two words are equally near.
    Tidier tidier(*ks, "en");
    const TidyResult r = tidier.tidy("www XIII HHHHHHHH xxxyyy");
    EXPECT_EQ(r.text, "www XIII HHHHHHHH xxxyyy");
    EXPECT_EQ(r.unknown.size(), 4u);
}

TEST(Tidy, CompoundsSplitIntoDictionaryWords) {
    auto de = keyspaceOf(
        {"ausgabe", "datei",      "arbeit", "zeit", "konto",   "sluts", "slut", "status", "slutsta",
         "tus",     "lettertype", "letter", "type", "grootte", "web",   "site", "to",     "gether",
         "sep",     "rate",       "unt",    "ill",  "nec",     "ces",   "ary"});
    EXPECT_EQ(tidied(*de, "Ausgabedatei", "de"), "Ausgabe datei");
    // Punctuation around the word stays around the parts.
    EXPECT_EQ(tidied(*de, "(ausgabedatei).", "de"), "(ausgabe datei).");
    // Fewest parts first, then parts of four letters or more, then the longest first part.
    EXPECT_EQ(tidied(*de, "lettertypegrootte", "nl"), "lettertype grootte");
    EXPECT_EQ(tidied(*de, "slutstatus", "da"), "slut status");
    EXPECT_EQ(tidied(*de, "website"), "web site");
    // Three parts when two will not do; a linking s dropped between them.
    EXPECT_EQ(tidied(*de, "Arbeitszeitkonto", "de"), "Arbeit zeit konto");
    // Capitals inside a word mark where it is joined, and nowhere else.
    EXPECT_EQ(tidied(*de, "letterTypeGrootte", "nl"), "letter Type Grootte");
    EXPECT_EQ(tidied(*de, "WEBSite"), "WEB Site");
    EXPECT_EQ(tidied(*de, "WEBsite"), "WEB site");
    EXPECT_EQ(tidied(*de, "SluTStatus", "da"), "SluTStatus");
    // Linking letters only where the language uses them; parts under three letters never;
    // only words made of letters.
    EXPECT_EQ(tidied(*de, "arbeitszeit", "en"), "arbeitszeit");
    EXPECT_EQ(tidied(*de, "together"), "together");
    EXPECT_EQ(tidied(*de, "ausgabe2datei", "de"), "ausgabe2datei");
    // Misspellings do not fall apart into short pieces: a three-letter part only in two
    // parts beside a longer one, a linking letter only after four letters.
    for (const char* word : {"seperate", "untill", "neccesary", "webtypegrootte"})
        EXPECT_EQ(tidied(*de, word, "de"), word);
    // Longer than forty letters: left alone and reported.
    const TidyResult longWord =
        Tidier(*de, "de").tidy("lettertypegrootteausgabedateiarbeitszeitkonto");
    EXPECT_EQ(longWord.text, "lettertypegrootteausgabedateiarbeitszeitkonto");
    EXPECT_FALSE(longWord.encodes());

    // The linking element: dropped only when the parts as they stand are no words.
    auto sv = keyspaceOf({"gränssnitt", "komponenten"});
    EXPECT_EQ(tidied(*sv, "Gränssnittskomponenten", "sv"), "Gränssnitt komponenten");
    auto svGenitive = keyspaceOf({"gränssnitt", "gränssnitts", "komponenten"});
    EXPECT_EQ(tidied(*svGenitive, "gränssnittskomponenten", "sv"), "gränssnitts komponenten");
    auto nl = keyspaceOf({"hond", "mand", "hok", "boek", "winkel"});
    EXPECT_EQ(tidied(*nl, "hondenmand boekenwinkel", "nl"), "hond mand boek winkel");
    EXPECT_EQ(tidied(*nl, "hondenhok", "nl"), "hond hok");
    // Czech and Polish "not" joined to a word the dictionary holds without it; only there.
    auto negated = keyspaceOf({"ne", "vyléčitelná", "nemoc", "nie", "wykrywalnego"});
    EXPECT_EQ(tidied(*negated, "Nevyléčitelná nemoc", "cs"), "Ne vyléčitelná nemoc");
    EXPECT_EQ(tidied(*negated, "niewykrywalnego", "pl"), "nie wykrywalnego");
    EXPECT_EQ(tidied(*negated, "nevyléčitelná", "pl"), "nevyléčitelná");
    // A part of a joined word may be a compound itself.
    auto joined = keyspaceOf({"ausgabe", "datei", "name", "neu"});
    EXPECT_EQ(tidied(*joined, "Ausgabedatei-Name neu", "de"), "Ausgabe datei Name neu");
}

TEST(Tidy, WordsTypedWithoutOrWithTheWrongAccent) {
    auto ks = keyspaceOf(
        {"děkuji", "canción", "più", "konverter", "žlutý", "příliš", "café", "cafè", "kůň"});
    EXPECT_EQ(tidied(*ks, "Dekuji, cancion!", "cs"), "Děkuji, canción!");
    EXPECT_EQ(tidied(*ks, "Piú KONVERTÉR", "it"), "Più KONVERTER");
    EXPECT_EQ(tidied(*ks, "zluty kun, prilis", "cs"), "žlutý kůň, příliš");
    // Two words that would do: left alone and reported.
    TidyResult r = Tidier(*ks, "fr").tidy("cafe");
    EXPECT_EQ(r.text, "cafe");
    ASSERT_EQ(r.unknown.size(), 1u);
    EXPECT_EQ(r.unknown[0].suggestions, (std::vector<std::string>{"café", "cafè"}));
    // Of several, the one of fewest changed accents.
    auto fewest = keyspaceOf({"résumé", "resumé"});
    EXPECT_EQ(tidied(*fewest, "résume", "fr"), "résumé");
    // An accent written for another is nearer than one dropped: dèr is dér, not der.
    auto stress = keyspaceOf({"der", "dér", "en", "én"});
    EXPECT_EQ(tidied(*stress, "Dèr var èn", "da"), "Dér var én");
    // Letters as a keyboard without them allows, or in an older or the Swiss spelling:
    // ae, oe, ue, ss, ß in German, aa, ae, oe in Danish; the fewest changes that make a word.
    auto german = keyspaceOf({"misslich", "grüße", "grüsse", "heißt", "bass", "anschläge",
                              "feuerwehrmänner", "på", "mærke", "før"});
    EXPECT_EQ(tidied(*german, "Mißlich: Gruesse, heisst Bass", "de"),
              "Misslich: Grüsse, heißt Bass");
    EXPECT_EQ(tidied(*german, "ANSCHLAEGE der Feuerwehrmaenner", "de"),
              "ANSCHLÄGE der Feuerwehrmänner");
    EXPECT_EQ(tidied(*german, "FeuerwehrMaenner", "de"), "FeuerwehrMänner");
    EXPECT_EQ(tidied(*german, "Paa, maerke foer", "da"), "På, mærke før");
    EXPECT_EQ(tidied(*german, "Grüße Gruesse", "en"), "Grüße Gruesse");
    // Czech as it is spoken: ej for ý or é, ýho and ýmu for ého and ému; where ý and é
    // would both make a word, ý.
    auto czech = keyspaceOf({"ubohých", "dobrý", "dobré", "vylézal", "velkého", "velkému"});
    EXPECT_EQ(tidied(*czech, "Ubohejch dobrej vylejzal VELKÝHO velkýmu", "cs"),
              "Ubohých dobrý vylézal VELKÉHO velkému");
}

// The shipped dictionaries, on words they hold today.
TEST(Tidy, ShippedDictionariesTakeEverydayWriting) {
    struct Case {
        const char* file;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"eng.dic", "I’m at the café — back at 5.\tSee you!",
         "I'm at the café  back at five. See you!"},
        {"eng.dic", "A middle-click", "A middle click"},
        {"de_neu.dic", "„Straße“ 21", "Straße ein und zwanzig"},
        {"pl.dic", "Mam 512", "Mam pięćset dwanaście"},
        {"fr.dic", "«Bonjour» l’écran: 512 amis", "Bonjour l'écran: cinq cent douze amis"},
        {"es.dic", "¿Dónde estás? ¡Hola! Tengo 512", "Dónde estás? Hola! Tengo quinientos doce"},
        {"dk.dic", "fem\u00A0og 512", "fem og fem hundrede og tolv"},
        {"nl.dic", "„Een” 512", "Een vijf honderd twaalf"},
        {"se.dic", "512", "fem hundra tolv"},
        {"Czech.dic", "512", "pět set dvanáct"},
        {"it.dic", "«Acqua» 5", "Acqua cinque"},
        {"de_neu.dic", "Die Ausgabedatei", "Die Ausgabe datei"},
        {"se.dic", "gränssnittskomponenten", "gränssnitts komponenten"},
        {"dk.dic", "slutstatus konfigurationsfiler", "slut status konfigurations filer"},
        {"nl.dic", "lettertypegrootte standaarduitvoer", "lettertype grootte standaard uitvoer"},
        {"Czech.dic", "To je nevyléčitelná nemoc", "To je ne vyléčitelná nemoc"},
        {"Czech.dic", "Neměj strach", "Ne měj strach"},
        {"Czech.dic", "Těch ubohejch, nic jednoduchýho", "Těch ubohých, nic jednoduchého"},
        {"de_neu.dic", "Das ist mißlich", "Das ist misslich"},
        {"dk.dic", "Dèr var èn gang", "Dér var én gang"},
        {"de_neu.dic", "Die PUK für RGBA", "Die P U K für R G B A"},
        {"eng.dic", "A RowExclusiveLock on WhatsApp", "A Row Exclusive Lock on Whats App"},
    };
    for (const Case& c : cases) {
        const Keyspace& ks = shipped(c.file);
        Tidier tidier(ks, tidyLocaleFor(c.file));
        const TidyResult r = tidier.tidy(c.text);
        EXPECT_EQ(r.text, c.expected) << c.file;
        EXPECT_TRUE(r.encodes()) << c.file << ": " << (r.unknown.empty() ? "" : r.unknown[0].word);
    }
}

TEST(Tidy, ReportsEachUnknownWordOnceWithCountAndSuggestions) {
    auto ks = keyspaceOf({"the", "house", "horse", "hose", "mouse", "dog"});
    Tidier tidier(*ks, "en");
    const TidyResult r = tidier.tidy("The hous, the Hous! dog zzzzzz\r\nhous“");
    ASSERT_EQ(r.unknown.size(), 2u);
    EXPECT_EQ(r.unknown[0].word, "hous");
    EXPECT_EQ(r.unknown[0].count, 3u);
    // Distance 1 first, in dictionary order; then distance 2.
    EXPECT_EQ(r.unknown[0].suggestions, (std::vector<std::string>{"house", "horse", "hose"}));
    EXPECT_EQ(r.unknown[1].word, "zzzzzz");
    EXPECT_TRUE(r.unknown[1].suggestions.empty());
    EXPECT_FALSE(r.encodes());
    EXPECT_EQ(r.changes.size(), 1u);
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

TEST(ReplaceWord, WholeTokensKeepTheirPunctuationAndCapital) {
    EXPECT_EQ(replaceWord("Hous, the hous! houses \"hous\"\r\nhous", "hous", "house"),
              "House, the house! houses \"house\"\r\nhouse");
    EXPECT_EQ(replaceWord("l'zorg zorg", "lzorg", "lorg"), "lorg zorg");
}

TEST(TidyLocale, TheTenLanguagesByNameAndFile) {
    EXPECT_EQ(tidyLocaleFor("English"), "en");
    EXPECT_EQ(tidyLocaleFor("de_neu.dic"), "de");
    EXPECT_EQ(tidyLocaleFor("/opt/talvora/se.dic"), "sv");
    EXPECT_EQ(tidyLocaleFor("Czech.dic"), "cs");
    EXPECT_EQ(tidyLocaleFor("custom.dic"), "");
    EXPECT_EQ(tidyLocaleFor("ENG.DIC"), "");
}
