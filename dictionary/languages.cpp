#include "languages.h"

#include "codepage.h"
#include "utf8.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace talvora {

namespace {

constexpr OrdinalSuffix englishOrdinals[] = {
    {"st", "%spellout-ordinal"}, {"nd", "%spellout-ordinal"},
    {"rd", "%spellout-ordinal"}, {"th", "%spellout-ordinal"},
    {"nds", "%spellout-ordinal", "s"}, {"rds", "%spellout-ordinal", "s"},
    {"ths", "%spellout-ordinal", "s"},
};
constexpr OrdinalSuffix frenchOrdinals[] = {
    {"er", "%spellout-ordinal-masculine"},         {"re", "%spellout-ordinal-feminine"},
    {"e", "%spellout-ordinal-masculine"},          {"ème", "%spellout-ordinal-masculine"},
    {"eme", "%spellout-ordinal-masculine"},        {"ers", "%spellout-ordinal-masculine-plural"},
    {"res", "%spellout-ordinal-feminine-plural"},  {"nd", "%spellout-ordinal-masculine"},
    {"nde", "%spellout-ordinal-feminine"},         {"es", "%spellout-ordinal-masculine-plural"},
    {"èmes", "%spellout-ordinal-masculine-plural"},
};
constexpr OrdinalSuffix spanishOrdinals[] = {
    {"º", "%spellout-ordinal-masculine"},           {"o", "%spellout-ordinal-masculine"},
    {"ª", "%spellout-ordinal-feminine"},            {"a", "%spellout-ordinal-feminine"},
    {"er", "%spellout-ordinal-masculine-adjective"}, {"os", "%spellout-ordinal-masculine-plural"},
    {"as", "%spellout-ordinal-feminine-plural"},
};
// Swedish writes an ordinal's last letter after a colon (1:a, 3:e).
constexpr OrdinalSuffix swedishOrdinals[] = {
    {":a", "%spellout-ordinal-reale"}, {":e", "%spellout-ordinal-reale"}};
constexpr OrdinalSuffix italianOrdinals[] = {
    {"º", "%spellout-ordinal-masculine"},      {"o", "%spellout-ordinal-masculine"},
    {"ª", "%spellout-ordinal-feminine"},       {"a", "%spellout-ordinal-feminine"},
    {"esimo", "%spellout-ordinal-masculine"},  {"esima", "%spellout-ordinal-feminine"},
    {"esimi", "%spellout-ordinal-masculine-plural"}, {"esime", "%spellout-ordinal-feminine-plural"},
};
constexpr OrdinalSuffix germanOrdinals[] = {
    {"te", "%spellout-ordinal"},    {"ten", "%spellout-ordinal-n"}, {"ter", "%spellout-ordinal-r"},
    {"tes", "%spellout-ordinal-s"}, {"tem", "%spellout-ordinal-m"}};
constexpr OrdinalSuffix dutchOrdinals[] = {
    {"e", "%spellout-ordinal"}, {"ste", "%spellout-ordinal"}, {"de", "%spellout-ordinal"}};

constexpr Respelling germanRespellings[] = {
    {"ae", "ä"}, {"oe", "ö"}, {"ue", "ü"}, {"ß", "ss"}, {"ss", "ß"}};
// The rest: the spelling before 1948 (gærne, ihjæl, evropæisk, mavriske). Its æ for e stood
// before a consonant, before r only where another follows: an adjective's -ær (linær) is
// another word mistyped.
constexpr Respelling danishRespellings[] = {{"aa", "å"},
                                            {"ae", "æ"},
                                            {"oe", "ø"},
                                            {"æ", "e", U"raeiouyæøå"},
                                            {"ær", "er", U"aeiouyæøå"},
                                            {"ev", "eu"},
                                            {"av", "au"}};
// The older spelling: proprii, studii, giuocava, guancie.
constexpr Respelling italianRespellings[] = {{"ii", "i"}, {"uo", "o"}, {"cie", "ce"}};
constexpr Respelling czechRespellings[] = {
    {"ýho", "ého"}, {"ýmu", "ému"}, {"ej", "ý"}, {"ej", "é"}};

constexpr std::string_view italianFeminine[] = {"a"};
constexpr std::string_view spanishFeminine[] = {"a", "ión", "dad", "tad", "tud", "umbre"};
constexpr std::string_view frenchFeminine[] = {"tion", "sion", "té", "ée", "ette", "ance",
                                               "ence", "ure", "ière", "ise", "elle"};
constexpr std::string_view germanFeminine[] = {"e", "ung", "heit", "keit", "ion", "tät",
                                               "schaft", "ei", "ik"};
constexpr std::string_view danishArticles[] = {"det", "den"};
constexpr std::string_view germanArticles[] = {"der", "die", "das", "dem", "den", "des", "im",
                                               "am",  "vom", "zum", "zur", "beim"};
// Nouns in -a that are masculine, and in -o that are feminine, the commonest.
constexpr std::string_view italianMasculine[] = {
    "problema", "sistema", "programma", "tema", "schema", "clima", "dramma", "diagramma",
    "teorema", "panorama", "enigma", "dogma", "aroma", "poema", "dilemma", "fantasma",
    "pigiama", "emblema", "cinema", "pianeta", "poeta", "papa", "idioma",
    "telegramma", "prisma", "trauma", "sofà", "lemma", "stemma", "carisma"};
constexpr std::string_view italianFeminineNouns[] = {"mano", "foto", "radio", "moto", "auto",
                                                     "eco", "dinamo", "biro"};
constexpr std::string_view spanishMasculine[] = {
    "día", "mapa", "planeta", "cometa", "problema", "sistema", "programa", "tema", "idioma",
    "esquema", "clima", "poema", "dilema", "drama", "diagrama", "teorema", "lema", "fantasma",
    "pijama", "emblema", "enigma", "dogma", "aroma", "panorama", "prisma", "trauma",
    "telegrama", "holograma", "crucigrama", "organigrama", "carisma", "estigma", "axioma",
    "paradigma", "síntoma", "cisma", "sofá", "puma", "karma", "magma", "plasma"};
constexpr std::string_view spanishFeminineNouns[] = {"mano", "foto", "radio", "moto", "libido",
                                                     "dinamo", "seo"};
constexpr std::string_view italianMarkers[] = {"il", "lo", "la", "i", "gli", "le", "al", "del", "un", "una", "uno",
                                               "di", "da", "in", "su", "per", "con"};
constexpr std::string_view spanishMarkers[] = {"el", "la", "los", "las", "al", "del", "un", "una", "de",
                                               "en", "con", "por", "para", "sin"};
constexpr std::string_view frenchMarkers[] = {"le", "la", "les", "au", "du", "des", "un", "une", "de",
                                              "dans", "sur", "avec", "pour"};
constexpr OneBeforeNoun italianOne{.masculine = "un", .feminine = "una", .feminineEndings = italianFeminine,
                                   .beforeImpure = "uno", .masculineNouns = italianMasculine,
                                   .feminineNouns = italianFeminineNouns, .nounMarkers = italianMarkers};
constexpr OneBeforeNoun spanishOne{.masculine = "un", .feminine = "una", .feminineEndings = spanishFeminine,
                                   .masculineNouns = spanishMasculine, .feminineNouns = spanishFeminineNouns,
                                   .nounMarkers = spanishMarkers};
constexpr OneBeforeNoun frenchOne{.masculine = "un", .feminine = "une", .feminineEndings = frenchFeminine,
                                  .nounMarkers = frenchMarkers};
constexpr std::string_view germanDative[] = {"mit", "nach", "seit", "von", "zu", "aus", "bei", "gegenüber"};
constexpr std::string_view germanDativeBeforeTime[] = {"in", "vor"};
constexpr std::string_view germanTimeNouns[] = {"sekunde", "minute", "stunde", "tag", "woche", "monat", "jahr",
                                                "jahrzehnt", "jahrhundert", "augenblick", "moment"};
constexpr OneBeforeNoun germanOne{.masculine = "ein", .feminine = "eine", .neuter = "ein",
                                  .feminineEndings = germanFeminine, .onlyBeforeCapitals = true,
                                  .dativePrepositions = germanDative, .dativeBeforeTime = germanDativeBeforeTime,
                                  .timeNouns = germanTimeNouns, .dativeMasculine = "einem", .dativeFeminine = "einer"};
constexpr OneBeforeNoun swedishOne{.masculine = "en", .neuter = "ett", .neuterByDefiniteForm = true};
constexpr std::string_view czechFeminine[] = {"a", "á", "ost"};
constexpr std::string_view czechNeuter[] = {"o", "é", "ení", "ání", "tví"};
constexpr OneBeforeNoun czechOne{.masculine = "jeden", .feminine = "jedna", .neuter = "jedno",
                                 .feminineEndings = czechFeminine, .neuterEndings = czechNeuter,
                                 .counting = "jedna"};
constexpr std::string_view polishFeminine[] = {"a", "ość", "ść"};
constexpr std::string_view polishNeuter[] = {"o", "e", "um"};
constexpr std::string_view polishPrepositions[] = {"w", "we", "na", "z", "ze", "za", "o", "po", "przy", "pod",
                                                   "nad", "przed", "do", "od", "dla", "bez", "u", "ku", "przez",
                                                   "między", "około", "obok", "podczas", "według", "wśród"};
constexpr OneBeforeNoun polishOne{.masculine = "jeden", .feminine = "jedna", .neuter = "jedno",
                                  .feminineEndings = polishFeminine, .neuterEndings = polishNeuter,
                                  .notAfter = polishPrepositions, .onlyDictionaryForms = true};
// Danish knows many words in -et (verbs' participles, filet): only its analysis tells the noun's.
constexpr OneBeforeNoun danishOne{.masculine = "en", .neuter = "et", .neuterByDefiniteForm = true,
                                  .commonByDefiniteForm = true};

constexpr std::string_view Masculine = "%spellout-cardinal-masculine";
constexpr std::string_view Feminine = "%spellout-cardinal-feminine";
constexpr std::string_view Neuter = "%spellout-cardinal-neuter";
constexpr std::string_view Common = "%spellout-cardinal-common"; // Danish en
constexpr std::string_view Reale = "%spellout-cardinal-reale";   // Swedish en

// Every word here is in the language's shipped dictionary. A currency reads after the whole
// amount, its cents after it ("five dollars ninety nine"), as each language says a price.
constexpr SymbolWords englishSymbols =
    withRatio(withSizes(withArrows(withMarks(withSigns(SymbolWords{{"percent"},
                                                                   {"dollars", "dollar"},
                                                                   {"euros", "euro"},
                                                                   {"pounds", "pound"},
                                                                   {"degrees", "degree"},
                                                                   "Celsius",
                                                                   "Fahrenheit",
                                                                   "plus",
                                                                   "minus",
                                                                   "to",
                                                                   "and",
                                                                   "at",
                                                                   "dot",
                                                                   "point",
                                                                   '.',
                                                                   true},
                                                       {"dash", "times", "divided by", "one half",
                                                        "one quarter", "three quarters"}),
                                             {"semicolon", "colon", "comma", "slash", "equals"}),
                                   {"left arrow", "right arrow", "up arrow", "down arrow"}),
                        "by"),
              "to");
// Czech: "many" is the form of a decimal (3,5 procenta), "other" that of five and more.
constexpr SymbolWords czechSymbols = withArrows(withMarks(withSigns(SymbolWords{
    gendered(Neuter, {"procent", "procento", "procenta", "procenta"}),
    gendered(Masculine, {"dolarů", "dolar", "dolary", "dolaru"}),
    gendered(Neuter, {"eur", "euro", "eura", "eura"}), gendered(Feminine, {"liber", "libra", "libry", "libry"}),
    gendered(Masculine, {"stupňů", "stupeň", "stupně", "stupně"}), "Celsia", "Fahrenheit",
    "plus", "minus", "až", "a", "zavináč", "tečka", "čárka"},
    {"pomlčka", "krát", "děleno", "jedna polovina", "jedna čtvrtina", "tři čtvrtiny"}),
    {"středník", {}, "čárka", "lomeno", "rovná se"}), {"šipka vlevo", "šipka vpravo", "šipka nahoru", "šipka dolů"}); // the dictionary lacks dvojtečka
constexpr SymbolWords danishSymbols = withRatio(
    withArrows(
        withMarks(
            withSigns(SymbolWords{gendered(Neuter, {"procent"}), gendered(Common, {"dollar"}),
                                  gendered(Common, {"euro"}), gendered(Neuter, {"pund"}),
                                  gendered(Common, {"grader", "grad"}), "Celsius", "Fahrenheit",
                                  "plus", "minus", "til", "og", "snabel-a", "punktum", "komma"},
                      {"bindestreg", "gange", "divideret med", "en halv", "en fjerdedel",
                       "tre fjerdedele"}),
            {"semikolon", "kolon", "komma", "skråstreg", "lig med"}),
        {"venstre pil", "højre pil", "pil op", "pil ned"}),
    "til");
constexpr SymbolWords dutchSymbols = withRatio(
    withSizes(
        withArrows(withMarks(withSigns(SymbolWords{{"procent"},
                                                   {"dollar"},
                                                   {"euro"},
                                                   {"pond"},
                                                   {"graden", "graad"},
                                                   "Celsius",
                                                   "Fahrenheit",
                                                   "plus",
                                                   "min",
                                                   "tot",
                                                   "en",
                                                   "apenstaartje",
                                                   "punt",
                                                   "komma"},
                                       {"streepje", "keer", "gedeeld door", "een half", "een kwart",
                                        "drie kwart"}),
                             {"puntkomma", "dubbele punt", "komma", "slash", "is gelijk aan"}),
                   {"pijl links", "pijl rechts", "pijl omhoog", "pijl omlaag"}),
        "bij"),
    "op");
constexpr SymbolWords frenchSymbols = withSizes(withArrows(withMarks(withSigns(SymbolWords{
    gendered(Masculine, {"pour cent"}), gendered(Masculine, {"dollars", "dollar"}),
    gendered(Masculine, {"euros", "euro"}), gendered(Feminine, {"livres", "livre"}),
    gendered(Masculine, {"degrés", "degré"}), "Celsius", {},
    "plus", "moins", "à", "et", "arobase", "point", "virgule", ',', false, "numéro", "numéros"},
    {"tiret", "fois", "divisé par", "un demi", "un quart", "trois quarts"}),
    {"point virgule", "deux points", "virgule", "slash", "égal"}), {"flèche gauche", "flèche droite", "flèche haut", "flèche bas"}), "par");
constexpr SymbolWords germanSymbols = withRatio(
    withArrows(
        withMarks(
            withSigns(
                SymbolWords{gendered(Neuter, {"Prozent"}), gendered(Masculine, {"Dollar"}),
                            gendered(Masculine, {"Euro"}), gendered(Neuter, {"Pfund"}),
                            gendered(Neuter, {"Grad"}), "Celsius", "Fahrenheit", "plus", "minus",
                            "bis", "und", "at", "Punkt", "Komma", ',', true},
                {"Strich", "mal", "geteilt durch", "ein halb", "ein Viertel", "drei Viertel"}),
            {"Semikolon", "Doppelpunkt", "Komma", "Schrägstrich", "gleich"}),
        {"Pfeil links", "Pfeil rechts", "Pfeil oben", "Pfeil unten"}),
    "zu");
constexpr SymbolWords italianSymbols = withArrows(withMarks(withSigns(SymbolWords{
    gendered(Masculine, {"per cento"}), gendered(Masculine, {"dollari", "dollaro"}),
    gendered(Masculine, {"euro"}), gendered(Feminine, {"sterline", "sterlina"}),
    gendered(Masculine, {"gradi", "grado"}), "Celsius", "Fahrenheit", "più", "meno", "a", "e", "chiocciola", "punto",
    "virgola", ',', false, "numero", "numeri"},
    {"trattino", "per", "diviso", "un mezzo", "un quarto", "tre quarti"}),
    {"punto e virgola", "due punti", "virgola", "slash", "uguale"}), {"freccia sinistra", "freccia destra", "freccia su", "freccia giù"});
// Polish: "many" is the form of five and more, "other" that of a decimal (3,5 dolara).
constexpr SymbolWords polishSymbols = withSizes(withArrows(withMarks(withSigns(SymbolWords{
    gendered(Masculine, {"procent"}), gendered(Masculine, {"dolara", "dolar", "dolary", "dolarów"}),
    gendered(Neuter, {"euro"}), gendered(Masculine, {"funta", "funt", "funty", "funtów"}),
    gendered(Masculine, {"stopnia", "stopień", "stopnie", "stopni"}),
    "Celsjusza", "Fahrenheita", "plus", "minus", "do", "i", "małpa", "kropka", "przecinek"},
    {"myślnik", "razy", "dzielone przez", "jedna druga", "jedna czwarta", "trzy czwarte"}),
    {"średnik", "dwukropek", "przecinek", "ukośnik", "równa się"}), {"strzałka w lewo", "strzałka w prawo", "strzałka w górę", "strzałka w dół"}), "na");
constexpr SymbolWords spanishSymbols = withArrows(withMarks(withSigns(SymbolWords{
    gendered(Masculine, {"por ciento"}), gendered(Masculine, {"dólares", "dólar"}),
    gendered(Masculine, {"euros", "euro"}), gendered(Feminine, {"libras", "libra"}),
    gendered(Masculine, {"grados", "grado"}), "Celsius", "Fahrenheit",
    "más", "menos", "a", "y", "arroba", "punto", "coma", ',', false, "número", "números"},
    {"guion", "por", "dividido entre", "un medio", "un cuarto", "tres cuartos"}),
    {"punto y coma", "dos puntos", "coma", "barra oblicua", "igual a"}), {"flecha izquierda", "flecha derecha", "flecha arriba", "flecha abajo"});
constexpr SymbolWords swedishSymbols = withRatio(
    withArrows(
        withMarks(
            withSigns(SymbolWords{gendered(Reale, {"procent"}), gendered(Reale, {"dollar"}),
                                  gendered(Reale, {"euro"}), gendered(Neuter, {"pund"}),
                                  gendered(Reale, {"grader", "grad"}), "Celsius", "Fahrenheit",
                                  "plus", "minus", "till", "och", "snabel-a", "punkt", "komma"},
                      {"bindestreck", "gånger", "delat med", "en halv", "en fjärdedel",
                       "tre fjärdedelar"}),
            {"semikolon", "kolon", "komma", "snedstreck", "lika med"}),
        {"vänsterpil", "högerpil", "pil upp", "pil ned"}),
    "till");

constexpr std::u32string_view germanicLinks[] = {U"s", U"e", U"n", U"en", U"er"};
// Dutch writes no n on its own between words (deco n figureren is deconfigureren).
constexpr std::u32string_view dutchLinks[] = {U"s", U"e", U"en", U"er"};
constexpr std::u32string_view nordicLinks[] = {U"s"};
constexpr std::string_view nordicDefinites[] = {"en", "et"};
constexpr CompoundForm germanicForms[] = {{U"", U"e"}, {U"", U"en"}, {U"s", U"e"}};
constexpr CompoundForm swedishForms[] = {{U"", U"a"}, {U"", U"e"}, {U"o", U"a"}, {U"u", U"a"}, {U"s", U"e"}};
constexpr std::string_view polishJoined[] = {"pół"};
constexpr std::string_view danishSuffixes[] = {"bar",  "bare", "lig",   "lige",  "ligt", "hed",
                                               "heden", "heder", "hederne", "som", "somme", "somt", "ene",  "erne",
                                               "eren", "ere",  "lere",  "ler"};
// Endings that the languages list as words of their own (buffer ování, kompil owanie).
constexpr std::string_view czechSuffixes[] = {"ování", "ováním", "ovací", "ním", "ismus"};
constexpr std::string_view polishSuffixes[] = {"owanie", "owania", "ować", "owy", "owa", "owe",
                                               "owych", "owego", "ami", "ach", "em", "ów"};
// Endings written after a name's apostrophe or hyphen (DLL'er, CUPS-em, pagina's).
constexpr std::string_view possessiveEndings[] = {"s"};
constexpr std::string_view dutchEndings[] = {"s", "je", "jes", "tje", "tjes"};
constexpr std::string_view frenchElisions[] = {"c",      "ç",      "d",      "j",       "l",
                                               "m",      "n",      "qu",     "s",       "t",
                                               "jusqu",  "lorsqu", "puisqu", "quoiqu",  "presqu",
                                               "quelqu", "entr"};
constexpr std::string_view italianElisions[] = {
    "c",    "d",     "l",     "m",     "n",     "s",      "t",       "v",      "gl",
    "all",  "dall",  "dell",  "nell",  "sull",  "coll",   "un",      "quest",  "quell",
    "tutt", "sant",  "bell",  "buon",  "grand", "mezz",   "senz",    "anch",   "quand",
    "com",  "dov",   "cos",   "dev",   "nient", "ch",     "nessun",  "ciascun", "qualcun",
    "qual", "po",    "mo",    "be",    "fra"};
constexpr std::string_view danishEndings[] = {"s", "en", "er", "et", "ens", "ers", "ets", "erne", "ernes"};
constexpr std::string_view swedishEndings[] = {"s",  "n",  "t",   "a",   "an",  "en",   "er",  "et",  "ar",
                                                "or", "na", "ns", "ts", "ans", "ens", "ets", "erna", "arna"};
constexpr std::string_view czechEndings[] = {"a", "u", "y", "e", "i", "em", "ou", "ům", "ů", "ovi", "ech", "ách", "ami"};
constexpr std::string_view polishEndings[] = {"a", "u", "y", "e", "i", "ą", "ę", "em", "ie", "iem", "om", "ów", "owi", "ach", "ami", "ego", "emu", "owie"};
constexpr std::string_view czechGenitivePrepositions[] = {
    "do", "od", "ode", "z", "ze", "bez", "u", "kolem", "okolo", "během", "podle", "vedle",
    "místo", "kromě", "pomocí", "ohledně", "uprostřed", "blízko"};
constexpr Respelling czechGenitives[] = {
    {"jeden tisíc", "tisíce"}, {"jeden", "jedné"}, {"nula", "nuly"}, {"dva", "dvou"}, {"dvě", "dvou"},
    {"tři", "tří"}, {"čtyři", "čtyř"}, {"pět", "pěti"}, {"šest", "šesti"}, {"sedm", "sedmi"},
    {"osm", "osmi"}, {"devět", "devíti"}, {"deset", "deseti"}, {"jedenáct", "jedenácti"},
    {"dvanáct", "dvanácti"}, {"třináct", "třinácti"}, {"čtrnáct", "čtrnácti"},
    {"patnáct", "patnácti"}, {"šestnáct", "šestnácti"}, {"sedmnáct", "sedmnácti"},
    {"osmnáct", "osmnácti"}, {"devatenáct", "devatenácti"}, {"dvacet", "dvaceti"},
    {"třicet", "třiceti"}, {"čtyřicet", "čtyřiceti"}, {"padesát", "padesáti"},
    {"šedesát", "šedesáti"}, {"sedmdesát", "sedmdesáti"}, {"osmdesát", "osmdesáti"},
    {"devadesát", "devadesáti"}, {"sto", "sta"}, {"stě", "set"}, {"sta", "set"}, {"set", "set"},
    {"tisíce", "tisíc"}, {"tisíc", "tisíc"}};
// Below two hundred, the locative, dative and instrumental of two to four (the rest are the
// genitive's: pěti, dvaceti), and a hundred as it stays in them (o sto osmnácti prvcích).
constexpr std::string_view czechLocativePrepositions[] = {"v", "ve", "na", "o", "po", "při"};
constexpr std::string_view czechDativePrepositions[] = {"k", "ke", "kvůli", "díky", "proti", "vůči"};
constexpr std::string_view czechInstrumentalPrepositions[] = {"s", "se", "před", "nad", "pod", "mezi"};
constexpr Respelling czechLocatives[] = {{"dva", "dvou"}, {"dvě", "dvou"}, {"tři", "třech"}, {"čtyři", "čtyřech"}, {"sto", "sto"}};
constexpr Respelling czechDatives[] = {{"dva", "dvěma"}, {"dvě", "dvěma"}, {"tři", "třem"}, {"čtyři", "čtyřem"}, {"sto", "sto"}};
constexpr Respelling czechInstrumentals[] = {{"dva", "dvěma"}, {"dvě", "dvěma"}, {"tři", "třemi"}, {"čtyři", "čtyřmi"}, {"sto", "sto"}};
constexpr std::string_view czechObliqueAdjectives[] = {"ích", "ých", "ím", "ým", "ími", "ými"};
constexpr std::string_view polishObliqueAdjectives[] = {"ich", "ych", "im", "ym", "imi", "ymi"};
constexpr CaseEnding czechInstrumental = {
    "ami", {}, czechInstrumentalPrepositions, czechInstrumentals};
constexpr CaseEnding czechCaseEndings[] = {
    {"ech", {}, czechLocativePrepositions, czechLocatives},       {"ích", {}, czechLocativePrepositions, czechLocatives},
    {"ách", {}, czechLocativePrepositions, czechLocatives},       {"ům", {}, czechDativePrepositions, czechDatives},
    {"ám", {}, czechDativePrepositions, czechDatives},            {"ým", {}, czechDativePrepositions, czechDatives},
    {"ami", {}, czechInstrumentalPrepositions, czechInstrumentals}, {"emi", {}, czechInstrumentalPrepositions, czechInstrumentals},
    {"ími", {}, czechInstrumentalPrepositions, czechInstrumentals}, {"ými", {}, czechInstrumentalPrepositions, czechInstrumentals},
    {"y", {}, czechInstrumentalPrepositions, czechInstrumentals}};
constexpr std::string_view polishGenitivePrepositions[] = {
    "od", "do", "bez", "około", "dla", "u", "z", "ze", "podczas", "według", "wśród", "zamiast", "oprócz",
    "powyżej", "poniżej", "spośród", "ciągu", "przeciągu", "obok", "wokół", "sprzed", "spoza"};
constexpr NumberPrefix polishGenitiveOrdinals[] = {
    {1, "pierwszego"}, {2, "drugiego"}, {3, "trzeciego"}, {4, "czwartego"}, {5, "piątego"},
    {6, "szóstego"}, {7, "siódmego"}, {8, "ósmego"}, {9, "dziewiątego"}, {10, "dziesiątego"},
    {11, "jedenastego"}, {12, "dwunastego"}, {13, "trzynastego"}, {14, "czternastego"},
    {15, "piętnastego"}, {16, "szesnastego"}, {17, "siedemnastego"}, {18, "osiemnastego"},
    {19, "dziewiętnastego"}, {20, "dwudziestego"}, {30, "trzydziestego"},
    {40, "czterdziestego"}, {50, "pięćdziesiątego"}, {60, "sześćdziesiątego"},
    {70, "siedemdziesiątego"}, {80, "osiemdziesiątego"}, {90, "dziewięćdziesiątego"}};
constexpr NumberPrefix czechGenitiveOrdinals[] = {
    {1, "prvního"}, {2, "druhého"}, {3, "třetího"}, {4, "čtvrtého"}, {5, "pátého"},
    {6, "šestého"}, {7, "sedmého"}, {8, "osmého"}, {9, "devátého"}, {10, "desátého"},
    {11, "jedenáctého"}, {12, "dvanáctého"}, {13, "třináctého"}, {14, "čtrnáctého"},
    {15, "patnáctého"}, {16, "šestnáctého"}, {17, "sedmnáctého"}, {18, "osmnáctého"},
    {19, "devatenáctého"}, {20, "dvacátého"}, {30, "třicátého"}};
constexpr std::string_view polishMonths[] = {
    "stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca", "lipca", "sierpnia",
    "września", "października", "listopada", "grudnia"};
constexpr std::string_view czechMonths[] = {
    "ledna", "února", "března", "dubna", "května", "června", "července", "srpna", "září",
    "října", "listopadu", "prosince"};
constexpr std::string_view germanMonths[] = {
    "Januar", "Jänner", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
    "September", "Oktober", "November", "Dezember"};
constexpr std::string_view danishMonths[] = {
    "januar", "februar", "marts", "april", "maj", "juni", "juli", "august", "september",
    "oktober", "november", "december"};
constexpr std::string_view swedishMonths[] = {
    "januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti", "september",
    "oktober", "november", "december"};
constexpr std::string_view frenchMonths[] = {
    "janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
    "octobre", "novembre", "décembre"};
constexpr std::string_view italianMonths[] = {
    "gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto",
    "settembre", "ottobre", "novembre", "dicembre"};
constexpr std::string_view englishMonths[] = {
    "January", "February", "March", "April", "May", "June", "July", "August", "September",
    "October", "November", "December"};
constexpr std::string_view dutchMonths[] = {
    "januari", "februari", "maart", "april", "mei", "juni", "juli", "augustus", "september",
    "oktober", "november", "december"};
constexpr std::string_view polishOrdinalEndings[] = {"ego", "go"};
constexpr std::string_view polishSingularGenitives[] = {"u"};
constexpr OrdinalForms polishOrdinalForms[] = {
    {"giego", "gi", "ga", "gie"}, {"ciego", "ci", "cia", "cie"}, {"ego", "y", "a", "e"}};
constexpr CaseEnding polishInstrumental = {"ami", "%spellout-cardinal-masculine-instrumental"};
constexpr CaseEnding polishCaseEndings[] = {{"ach", "%spellout-cardinal-masculine-locative"},
                                            polishInstrumental};
constexpr std::string_view polishGenitiveAdjectives[] = {"ich", "ych"};
constexpr Respelling polishHourNouns[] = {
    {"godzina", "a"}, {"godziny", "ej"}, {"godzinie", "ej"}, {"godzinę", "ą"}, {"godziną", "ą"}};
// Split at its joints, ventitré leaves the accent on a word of its own.
// And the tens that drop their vowel before uno and otto (settantuno) get it back apart
// (settanta uno, not settant uno); so does cento (centottanta).
constexpr Respelling italianNumberFixes[] = {
    {" tré", " tre"},          {"vent ", "venti "},       {"trent ", "trenta "},
    {"quarant ", "quaranta "}, {"cinquant ", "cinquanta "}, {"sessant ", "sessanta "},
    {"settant ", "settanta "}, {"ottant ", "ottanta "},   {"novant ", "novanta "},
    {"cent ", "cento "}};
// "drieëntwintig" cut at its joints leaves the diaeresis on a word of its own.
constexpr Respelling dutchNumberFixes[] = {{" ën ", " en "}};
constexpr std::string_view dutchHundreds[] = {"honderd"}, dutchThousands[] = {"duizend"};
constexpr std::string_view germanHundreds[] = {"hundert"}, germanThousands[] = {"tausend"};
constexpr std::string_view italianHundreds[] = {"cento", "cent"},
                           italianThousands[] = {"mila", "mille"};
constexpr std::string_view danishHundreds[] = {"hundrede"}, danishThousands[] = {"tusind"};
constexpr std::string_view swedishHundreds[] = {"hundra"}, swedishThousands[] = {"tusen"};
constexpr std::string_view dutchSuffixes[] = {"baar", "bare", "lijk", "lijke", "loos", "loze",
                                              "heid", "een",  "het",  "de",    "en"};
// Articles and the like end no compound either (Kaffeine is no Kaff eine).
constexpr std::string_view germanSuffixes[] = {"bar",   "bare",  "lich",  "liche", "los", "lose",
                                               "sam",   "same",  "eine",  "einer", "eines", "einem",
                                               "einen", "der",   "die",   "das",   "den", "dem",
                                               "des",   "und",   "oder"};
constexpr std::string_view swedishSuffixes[] = {"bar", "bara", "bart", "lig",  "liga", "ligt",
                                                "het", "heten", "heter", "heterna", "erna", "arna", "orna"};
// With the ending of "without" (diskless is no disk less, Diskløs no Dis kløs).
constexpr std::string_view danishAdjectives[] = {"bar",  "bare",  "lig",   "lige",  "ligt",
                                                 "agtig", "agtige", "agtigt", "løs", "løse", "løst"};
constexpr std::string_view dutchAdjectives[] = {"baar", "bare", "lijk", "lijke", "loos", "loze"};
constexpr std::string_view englishAdjectives[] = {"able", "ible", "ably", "ibly", "less"};
constexpr std::string_view englishVerbFormEndings[] = {"ed", "ing"};
constexpr std::string_view germanAdjectives[] = {"bar",    "bare",   "baren",  "barer",  "bares",  "barem",
                                                "lich",   "liche",  "lichen", "licher", "liches", "lichem",
                                                "los",    "lose",   "losen",  "loser",  "loses",  "losem"};
// With the participle's endings: svingandes is no sving andes, "swing spirits".
constexpr std::string_view swedishAdjectives[] = {"bar",  "bara",  "bart",  "lig",   "liga",
                                                  "ligt", "andes", "ande",  "endes", "ende",
                                                  "aktig", "aktiga", "aktigt", "lik", "lika", "likt",
                                                  "lös", "lösa", "löst"};
constexpr std::string_view polishParticiples[] = {
    "ny",  "na",  "ne",  "nego",  "nej",  "nemu",  "nym",  "nych",  "nymi",  "ną",
    "ty",  "ta",  "te",  "tego",  "tej",  "temu",  "tym",  "tych",  "tymi",  "tą",
    "ący", "ąca", "ące", "ącego", "ącej", "ącemu", "ącym", "ących", "ącymi", "ącą", "ni"};
// Not více: apart, více barevném is "more coloured", not vícebarevném, "multicoloured".
constexpr std::string_view czechNumberPrefixes[] = {
    "jedno",     "dvou",       "tří",       "čtyř",       "pěti",        "šesti",     "sedmi",
    "osmi",      "devíti",     "deseti",    "jedenácti",  "dvanácti",    "třinácti",  "čtrnácti",
    "patnácti",  "šestnácti",  "sedmnácti", "osmnácti",   "devatenácti", "dvaceti",   "třiceti",
    "čtyřiceti", "padesáti",   "šedesáti",  "sedmdesáti", "osmdesáti",   "devadesáti", "sto",
    "mnoha",     "několika"};
constexpr std::string_view czechAdjectives[] = {"ý", "í"};
constexpr Respelling czechNumberFixes[] = {{"jedna tisíc", "jeden tisíc"}, {"dvě tisíc", "dva tisíc"}};
constexpr std::string_view polishNumberPrefixes[] = {
    "jedno",        "dwu",           "trzy",         "cztero",        "pięcio",
    "sześcio",      "siedmio",       "ośmio",        "dziewięcio",    "dziesięcio",
    "jedenasto",    "dwunasto",      "trzynasto",    "czternasto",    "piętnasto",
    "szesnasto",    "siedemnasto",   "osiemnasto",   "dziewiętnasto", "dwudziesto",
    "trzydziesto",  "czterdziesto",  "pięćdziesięcio", "stu",         "kilku",
    "kilkunasto",   "kilkudziesięcio"};
constexpr std::string_view polishAdjectives[] = {"y", "i"};
constexpr NumberPrefix czechPrefixForms[] = {
    {1, "jedno"}, {2, "dvou"}, {3, "tří"}, {4, "čtyř"}, {5, "pěti"}, {6, "šesti"}, {7, "sedmi"},
    {8, "osmi"}, {9, "devíti"}, {10, "deseti"}, {11, "jedenácti"}, {12, "dvanácti"},
    {13, "třinácti"}, {14, "čtrnácti"}, {15, "patnácti"}, {16, "šestnácti"}, {17, "sedmnácti"},
    {18, "osmnácti"}, {19, "devatenácti"}, {20, "dvaceti"}, {30, "třiceti"}, {40, "čtyřiceti"},
    {50, "padesáti"}, {60, "šedesáti"}, {70, "sedmdesáti"}, {80, "osmdesáti"},
    {90, "devadesáti"}, {100, "sto"}};
constexpr NumberPrefix polishPrefixForms[] = {
    {1, "jedno"}, {2, "dwu"}, {3, "trzy"}, {4, "cztero"}, {5, "pięcio"}, {6, "sześcio"},
    {7, "siedmio"}, {8, "ośmio"}, {9, "dziewięcio"}, {10, "dziesięcio"}, {11, "jedenasto"},
    {12, "dwunasto"}, {13, "trzynasto"}, {14, "czternasto"}, {15, "piętnasto"},
    {16, "szesnasto"}, {17, "siedemnasto"}, {18, "osiemnasto"}, {19, "dziewiętnasto"},
    {20, "dwudziesto"}, {30, "trzydziesto"}, {40, "czterdziesto"}, {50, "pięćdziesięcio"},
    {60, "sześćdziesięcio"}, {70, "siedemdziesięcio"}, {80, "osiemdziesięcio"},
    {90, "dziewięćdziesięcio"}, {100, "stu"}};
// Prefixes that are words too: a word that begins with one is most often made with the
// prefix, not of two words (Vorkonfigurationsdatei, förinställning, profilnavn).
constexpr std::string_view englishPrefixes[] = {"over", "under", "out", "fore", "sub", "inter",
                                                "super", "counter", "semi", "anti", "pre"};
constexpr std::string_view czechPrefixes[] = {"pro", "pod", "nad", "před", "při", "pře",
                                              "roz", "bez", "proti", "mezi"};
constexpr std::string_view danishPrefixes[] = {"for", "pro", "gen", "mod", "und", "uni", "ind",
                                               "til", "over", "under", "fra", "bag", "sam", "mis",
                                               "præ", "efter", "fore", "eks",
                                               // words of their own that read as another
                                               // (fjern: remove; aktiv: active, not assets;
                                               // mine: my, not a mine's; tyve: twenty)
                                               "fjern", "aktiv", "passiv", "muse", "mine", "tyve",
                                               // (mellemlager: mellem, "between")
                                               "mellem"};
constexpr std::string_view dutchPrefixes[] = {"voor", "over", "onder", "achter", "door",
                                              "her",  "ver",  "ont",   "mee",    "uit",
                                              "aan",  "tegen", "bij",  "toe",    "weg"};
constexpr std::string_view frenchPrefixes[] = {"sur",  "sous", "contre", "entre", "pré",
                                               "télé", "semi", "inter",  "super", "anti"};
constexpr std::string_view germanLoanEndings[] = {"s", "ieren", "iert", "ierte", "ierten", "ierst", "ierung", "ierungen"};
constexpr std::string_view germanPrefixes[] = {"vor", "ein", "aus", "auf", "unter", "über",
                                               "hinter", "ober", "nach", "mit", "bei", "durch",
                                               "ent", "ver", "zer", "miss", "um",
                                               // an article, no compound's first word (Desmond)
                                               "des",
                                               // words of their own that read as another
                                               // (Zwischenspeicher: zwischen, "between";
                                               // Sofortnachricht: sofort, "at once")
                                               "zwischen", "sofort"};
constexpr std::string_view italianPrefixes[] = {"pre",   "sovra", "contro", "stra",  "dis", "tele",
                                                "semi",  "inter", "super",  "anti",  "extra", "ultra"};
constexpr std::string_view polishPrefixes[] = {"pod",   "nad",   "przed",    "przy",   "prze",
                                               "roz",   "bez",   "współ",    "przeciw", "między",
                                               "ponad"};
constexpr std::string_view spanishPrefixes[] = {"des",  "sobre", "tele",  "pre",   "sub",
                                                "super", "contra", "entre", "ante", "tras",
                                                "semi", "inter"};
constexpr std::string_view swedishPrefixes[] = {"för", "till", "över", "under", "upp", "fram",
                                                "bort", "mot", "sam", "miss", "ned", "efter",
                                                "genom", "pro", "pre",
                                                // words of their own that read as another
                                                // (rikt: rich; radera, klipp: delete, cut;
                                                // van: used to, in vanhelig, "unholy")
                                                "rikt", "radera", "klipp", "lokal", "van",
                                                // (Blandradio: bland, "among")
                                                "bland"};

} // namespace

const std::vector<Language>& languageTable() {
    static const std::vector<Language> table = {
        {.displayName = "English",
         .fileName = "eng.dic",
         .codePage = "windows-1252",
         .locale = "en",
         .hunspell = "en_US",
         .ordinals = englishOrdinals,
         .numberPlural = "s",
         .symbols = &englishSymbols,
         .closedCompounds = true,
         .adjectiveSuffixes = englishAdjectives,
         .verbFormEndings = englishVerbFormEndings,
         .prefixWords = englishPrefixes,
         .oneLetterWords = U"ai",
         .nameEndings = possessiveEndings,
         .months = englishMonths,
         .dayRuleSet = "%spellout-ordinal",
         .dayAfterMonth = true,
         .yearRuleSet = "%spellout-numbering-year"},
        {.displayName = "Czech",
         .fileName = "Czech.dic",
         .codePage = "windows-1250",
         .locale = "cs",
         .hunspell = "cs_CZ",
         .respellings = czechRespellings,
         .negationPrefix = "ne",
         .symbols = &czechSymbols,
         .accentedEndings = true,
         .infinitiveEnding = "t",
         .suffixWords = czechSuffixes,
         .prefixWords = czechPrefixes,
         .oneLetterWords = U"aikosuvz",
         .nameEndings = czechEndings,
         .inflectsNames = true,
         .numberPrefixes = czechNumberPrefixes,
         .adjectiveEndings = czechAdjectives,
         .numberPrefixForms = czechPrefixForms,
         .numberFixes = czechNumberFixes,
         .genitivePrepositions = czechGenitivePrepositions,
         .genitiveWords = czechGenitives,
         .genitiveOrdinals = czechGenitiveOrdinals,
         .months = czechMonths,
         .caseEndingsAfter = czechCaseEndings,
         .adjectivesBetween = czechObliqueAdjectives,
         .pairPreposition = "mezi",
         .pairConjunction = "a",
         .pairCase = &czechInstrumental,
         .oneBeforeNoun = &czechOne,
         .dotOrdinals = true},
        // Danish written before 1948, still much read, gives nouns capitals.
        {.displayName = "Danish",
         .fileName = "dk.dic",
         .codePage = "windows-1252",
         .locale = "da",
         .hunspell = "da_DK",
         .respellings = danishRespellings,
         .linkingElements = nordicLinks,
         .definiteEndings = nordicDefinites,
         .capitalisedNounsOnce = true,
         .symbols = &danishSymbols,
         .buildsCompounds = true,
         .keysForMarkedLetters = true,
         .optionalStressAccents = true,
         .suffixWords = danishSuffixes,
         .adjectiveSuffixes = danishAdjectives,
         .prefixWords = danishPrefixes,
         .oneLetterWords = U"iå",
         .nameEndings = danishEndings,
         .hundredWords = danishHundreds,
         .thousandWords = danishThousands,
         .months = danishMonths,
         .dayRuleSet = "%spellout-ordinal-common",
         .yearRuleSet = "%spellout-numbering-year",
         .oneBeforeNoun = &danishOne,
         .dotOrdinals = true,
         .dotOrdinalRuleSet = "%spellout-ordinal-common",
         .articlesBeforeOrdinals = danishArticles},
        {.displayName = "Dutch",
         .fileName = "nl.dic",
         .codePage = "windows-1252",
         .locale = "nl",
         .hunspell = "nl_NL",
         .ordinals = dutchOrdinals,
         .linkingElements = dutchLinks,
         .symbols = &dutchSymbols,
         .buildsCompounds = true,
         .compoundForms = germanicForms,
         .suffixWords = dutchSuffixes,
         .adjectiveSuffixes = dutchAdjectives,
         .prefixWords = dutchPrefixes,
         .oneLetterWords = U"u",
         .nameEndings = dutchEndings,
         .numberFixes = dutchNumberFixes,
         .hundredWords = dutchHundreds,
         .thousandWords = dutchThousands,
         .stressedOne = "één",
         .months = dutchMonths,
         .dayRuleSet = "%spellout-ordinal",
         .lastOrdinalDay = 1,
         .yearRuleSet = "%spellout-numbering-year"},
        {.displayName = "French",
         .fileName = "fr.dic",
         .codePage = "windows-1252",
         .locale = "fr",
         .hunspell = "fr_FR",
         .ordinals = frenchOrdinals,
         .symbols = &frenchSymbols,
         .prefixWords = frenchPrefixes,
         .oneLetterWords = U"ay",
         .elisions = frenchElisions,
         .months = frenchMonths,
         .dayRuleSet = "%spellout-ordinal-masculine",
         .lastOrdinalDay = 1,
         .oneBeforeNoun = &frenchOne},
        {.displayName = "German",
         .fileName = "de_neu.dic",
         .codePage = "windows-1252",
         .locale = "de",
         .hunspell = "de_DE_frami",
         .ordinals = germanOrdinals,
         .respellings = germanRespellings,
         .linkingElements = germanicLinks,
         .capitalisesNouns = true,
         .listsNounsWithCapitals = true,
         .symbols = &germanSymbols,
         .buildsCompounds = true,
         .keysForMarkedLetters = true,
         .compoundForms = germanicForms,
         .suffixWords = germanSuffixes,
         .adjectiveSuffixes = germanAdjectives,
         .prefixWords = germanPrefixes,
         .nameEndings = possessiveEndings,
         .hundredWords = germanHundreds,
         .thousandWords = germanThousands,
         .months = germanMonths,
         .dayRuleSet = "%spellout-ordinal-n",
         .yearRuleSet = "%spellout-numbering-year",
         .infinitiveParticle = "zu",
         .oneBeforeNoun = &germanOne,
         .dotOrdinals = true,
         .dotOrdinalRuleSet = "%spellout-ordinal-n",
         .articlesBeforeOrdinals = germanArticles,
         .decadeEnding = "er",
         .loanEndings = germanLoanEndings},
        {.displayName = "Italian",
         .fileName = "it.dic",
         .codePage = "windows-1252",
         .locale = "it",
         .hunspell = "it_IT",
         .ordinals = italianOrdinals,
         .respellings = italianRespellings,
         .symbols = &italianSymbols,
         .prefixWords = italianPrefixes,
         .oneLetterWords = U"aeio",
         .elisions = italianElisions,
         .numberFixes = italianNumberFixes,
         .hundredWords = italianHundreds,
         .thousandWords = italianThousands,
         .months = italianMonths,
         .dayRuleSet = "%spellout-ordinal-masculine",
         .lastOrdinalDay = 1,
         .oneBeforeNoun = &italianOne,
         .genderSlashOr = "o"},
        {.displayName = "Polish",
         .fileName = "pl.dic",
         .codePage = "windows-1250",
         .locale = "pl",
         .hunspell = "pl_PL",
         .negationPrefix = "nie",
         .symbols = &polishSymbols,
         .joinedWords = polishJoined,
         .infinitiveEnding = "ć",
         .participleEndings = polishParticiples,
         .deniesVerbsApart = true,
         .suffixWords = polishSuffixes,
         .prefixWords = polishPrefixes,
         .oneLetterWords = U"aiouwz",
         .nameEndings = polishEndings,
         .inflectsNames = true,
         .numberPrefixes = polishNumberPrefixes,
         .adjectiveEndings = polishAdjectives,
         .numberPrefixForms = polishPrefixForms,
         .genitivePrepositions = polishGenitivePrepositions,
         .genitiveRuleSet = "%spellout-cardinal-masculine-genitive",
         .genitiveOrdinals = polishGenitiveOrdinals,
         .months = polishMonths,
         .ordinalYears = true,
         .genitiveOrdinalEndings = polishOrdinalEndings,
         .ordinalForms = polishOrdinalForms,
         .singularGenitiveEndings = polishSingularGenitives,
         .caseEndingsAfter = polishCaseEndings,
         .adjectivesBetween = polishObliqueAdjectives,
         .pairPreposition = "między",
         .pairConjunction = "a",
         .pairCase = &polishInstrumental,
         .genitiveEndingsBefore = polishGenitiveAdjectives,
         .hourNouns = polishHourNouns,
         .oneBeforeNoun = &polishOne,
         .dotOrdinals = true},
        {.displayName = "Spanish",
         .fileName = "es.dic",
         .codePage = "windows-1252",
         .locale = "es",
         .hunspell = "es_ES",
         .ordinals = spanishOrdinals,
         .symbols = &spanishSymbols,
         .prefixWords = spanishPrefixes,
         .oneLetterWords = U"aeouy",
         .oneBeforeNoun = &spanishOne,
         .genderSlashOr = "o"},
        {.displayName = "Swedish",
         .fileName = "se.dic",
         .codePage = "windows-1252",
         .locale = "sv",
         .hunspell = "sv_SE",
         .ordinals = swedishOrdinals,
         .linkingElements = nordicLinks,
         .definiteEndings = nordicDefinites,
         .symbols = &swedishSymbols,
         .buildsCompounds = true,
         .keysForMarkedLetters = true,
         .joinsThreeConsonantsAsTwo = true,
         .compoundForms = swedishForms,
         .wholeCompoundParts = true,
         .infinitiveEnding = "a",
         .suffixWords = swedishSuffixes,
         .adjectiveSuffixes = swedishAdjectives,
         .prefixWords = swedishPrefixes,
         .oneLetterWords = U"iåö",
         .nameEndings = swedishEndings,
         .hundredWords = swedishHundreds,
         .thousandWords = swedishThousands,
         .months = swedishMonths,
         .dayRuleSet = "%spellout-ordinal-reale",
         .yearRuleSet = "%spellout-numbering-year",
         .oneBeforeNoun = &swedishOne},
    };
    return table;
}

const Language* languageFor(std::string_view name) {
    if (size_t slash = name.find_last_of("/\\"); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    for (const auto& l : languageTable())
        if (name == l.displayName || name == l.fileName || name == l.locale)
            return &l;
    return nullptr;
}

std::optional<std::string> dictionaryFileFor(std::string_view entry) {
    for (const auto& l : languageTable())
        if (l.displayName == entry)
            return std::string(l.fileName);
    return std::nullopt;
}

namespace {

// "*.dic" as the folder scan matches it: any letter case, not hidden.
bool isDictionaryName(const std::string& name) {
    if (name.size() < 5 || name[0] == '.')
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".dic";
}

} // namespace

std::vector<std::string> listDictionaries(const fs::path& folder) {
    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = utf8Path(it->path().filename());
        if (!isDictionaryName(name))
            continue;
        std::string entry = name;
        for (const auto& l : languageTable())
            if (l.fileName == name) {
                entry = std::string(l.displayName);
                break;
            }
        entries.push_back(entry);
    }
    return entries;
}

std::optional<fs::path> dictionaryPathFor(const fs::path& folder, std::string_view entry) {
    if (auto file = dictionaryFileFor(entry))
        return folder / *file;
    if (entry.empty() || entry.find('/') != std::string_view::npos ||
        entry.find('\\') != std::string_view::npos || entry == "." || entry == "..")
        return std::nullopt;
    return folder / std::string(entry);
}

CodePage dictionaryCodePage(const fs::path& path, const CodePage& programCodePage) {
    const std::string name = utf8Path(path.filename());
    for (const auto& l : languageTable())
        if (l.fileName == name)
            return l.codePage == programCodePage.name() ? programCodePage
                                                        : CodePage::fromName(std::string(l.codePage));
    return programCodePage;
}

} // namespace talvora
