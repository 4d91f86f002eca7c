// The dictionaries shipped in data/: the bytes on disk, the words real writing needs, a round
// trip of each language's sample sentence and of random texts, plain and dressed, and
// sentences as people write them (data/everyday.txt) encoding after Tidy.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "dress.h"
#include "files.h"
#include "keyspace.h"
#include "languages.h"
#include "morphology.h"
#include "roundtrip.h"
#include "text.h"
#include "textlines.h"
#include "tempfolder.h"
#include "tidy.h"
#include "tokenizer.h"
#include "utf8.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/uchar.h>

using namespace talvora;

namespace {

// Tidy asks the languages' own dictionaries, which the program folder holds.
const std::filesystem::path Hunspell = std::filesystem::path(TALVORA_PROGRAM_DIR) / "hunspell";
const bool morphologyFolderSet = (Morphology::setFolder(Hunspell), true);

struct Language {
    const char* file;
    const char* locale; // the locale language that selects its code page
    // Words that real writing needs and that the word lists spell otherwise (don't,
    // peut-être) or lack (elision words); each must be an entry.
    std::vector<const char*> needed;
};

const Language Shipped[] = {
    {"eng.dic", "en", {"dont", "youre", "im", "isnt", "email", "online"}},
    {"Czech.dic", "cs", {"internet", "email"}},
    {"dk.dic", "da", {"internet"}},
    {"nl.dic", "nl", {"internet"}},
    {"fr.dic",
     "fr",
     {"l", "d", "j", "n", "s", "c", "m", "t", "qu", "jusqu", "lorsqu", "puisqu", "peutêtre",
      "aujourdhui", "cest", "internet"}},
    {"de_neu.dic", "de", {"internet"}},
    {"it.dic",
     "it",
     {"l", "un", "d", "c", "s", "dell", "all", "dall", "nell", "sull", "quest", "quell", "a", "e",
      "è", "internet"}},
    {"pl.dic", "pl", {"internet"}},
    {"es.dic", "es", {"está", "tiene", "fue", "internet"}},
    {"se.dic", "sv", {"internet"}},
};

// Test names show the file: "eng.dic" -> "eng_dic".
std::string testName(std::string file) {
    std::replace(file.begin(), file.end(), '.', '_');
    return file;
}

const std::filesystem::path Data = TALVORA_SOURCE_DATA;

// data/samples.txt: FILE<TAB>CODEPAGE<TAB>SENTENCE, one a line.
struct Sample {
    std::string codePage, sentence;
};
const std::map<std::string, Sample>& samples() {
    static const std::map<std::string, Sample> table = [] {
        std::map<std::string, Sample> t;
        forEachLine(files::read(Data / "samples.txt"), [&](std::string_view line) {
            const size_t a = line.find('\t'), b = line.find('\t', a + 1);
            if (b != std::string_view::npos)
                t[std::string(line.substr(0, a))] = {std::string(line.substr(a + 1, b - a - 1)),
                                                     std::string(line.substr(b + 1))};
        });
        return t;
    }();
    return table;
}

// A shipped file as the program reads it on an English-language machine; made once per file.
struct Dictionary {
    std::string raw;
    CodePage codePage;
    WordList words;
    std::unique_ptr<Keyspace> loaded;
    // Its keyspace, the key processed, made on first use.
    Keyspace& ks() {
        if (!loaded) {
            loaded = std::make_unique<Keyspace>();
            loaded->load(words);
            if (!processKey(*loaded, "918273645546372819").started)
                throw std::runtime_error("Process refused the key");
        }
        return *loaded;
    }
};
Dictionary& dictionary(const std::string& file) {
    static std::map<std::string, std::unique_ptr<Dictionary>> cache;
    auto& d = cache[file];
    if (!d) {
        const CodePage cp = dictionaryCodePage(Data / file, CodePage::fromName("windows-1252"));
        d.reset(new Dictionary{files::read(Data / file), cp, readDictionary(Data / file, cp), {}});
    }
    return *d;
}

std::vector<std::string> tokens(std::string_view text) {
    std::vector<std::string> out;
    for (auto& t : parseText(text))
        if (!t.empty())
            out.push_back(std::move(t));
    return out;
}

// Offences are capped so that one broken file cannot flood the log.
void report(const std::vector<std::string>& problems) {
    for (size_t i = 0; i < problems.size() && i < 10; ++i)
        ADD_FAILURE() << problems[i];
    if (problems.size() > 10)
        ADD_FAILURE() << problems.size() - 10 << " more problems";
}

class ShippedDictionary : public ::testing::TestWithParam<Language> {
  protected:
    std::string file() const { return GetParam().file; }
};

// Every line ends in CR LF and holds only letters of the language's code page, lower case,
// each entry once and without separators.
TEST_P(ShippedDictionary, LinesOfLowerCaseLettersOfItsCodePage) {
    ASSERT_TRUE(samples().count(file())) << "samples.txt has no sentence for " << file();
    const Dictionary& d = dictionary(file());
    EXPECT_EQ(d.codePage.name(), samples().at(file()).codePage);
    // English is written without accents; every other language's sample must use them.
    const std::string& sample = samples().at(file()).sentence;
    bool nonAsciiLetter = false;
    for (size_t pos = 0; pos < sample.size();) {
        const char32_t c = utf8::next(sample, pos);
        nonAsciiLetter = nonAsciiLetter || (c >= 0x80 && u_isalpha(static_cast<UChar32>(c)));
    }
    EXPECT_EQ(nonAsciiLetter, file() != "eng.dic") << sample;
    EXPECT_EQ(d.codePage.name(), CodePage::nameForLanguage(GetParam().locale));
    std::vector<std::string> problems;
    std::vector<std::string_view> lines;
    for (size_t pos = 0, end; pos < d.raw.size(); pos = end + 2) {
        end = std::min(d.raw.find("\r\n", pos), d.raw.size());
        lines.push_back(std::string_view(d.raw).substr(pos, end - pos));
        const std::string where = "line " + std::to_string(lines.size()) + ": ";
        if (end == d.raw.size())
            problems.push_back(where + "the file does not end in CR LF");
        for (unsigned char b : lines.back()) {
            const char32_t c = d.codePage.codePointOf(b);
            // A letter: neither a control nor the stand-in for an unassigned byte are.
            if (!u_isalpha(static_cast<UChar32>(c))) {
                problems.push_back(where + "byte " + std::to_string(b) + " is " +
                                   describeCharacter(c) + ", not a letter");
                break;
            }
        }
        const std::string entry = d.codePage.decode(lines.back());
        if (toLower(entry) != entry)
            problems.push_back(where + "\"" + entry + "\" is not lower case");
    }
    for (const auto& e : checkDictionary(d.words).entries)
        problems.push_back("line " + std::to_string(e.row) + ": " + e.why);
    report(problems);
    EXPECT_EQ(d.words.size(), lines.size());
    EXPECT_LE(lines.size(), Keyspace::Capacity);
    // Bytewise, so the whole file stands for each of its lines.
    EXPECT_TRUE(d.codePage.encode(d.codePage.decode(d.raw)) == d.raw);
}

// The words of everyday writing, every number word Tidy writes through ICU's spell-out, and
// the words Tidy reads symbols with: all entries (the sample sentence's are in its round trip).
TEST_P(ShippedDictionary, HoldsTheWordsWritingAndTidyNeed) {
    const Keyspace& ks = dictionary(file()).ks();
    std::vector<std::string> words(GetParam().needed.begin(), GetParam().needed.end());
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat spell(icu::URBNF_SPELLOUT, icu::Locale(GetParam().locale), status);
    ASSERT_TRUE(U_SUCCESS(status));
    for (int64_t n : {0, 1, 7, 12, 21, 99, 100, 101, 342, 777, 1000, 1999, 2024, 1000000}) {
        icu::UnicodeString text;
        spell.format(n, text);
        for (UChar h : {u'-', u'\u00AD', u'\u2010', u'\u2011'})
            text.findAndReplace(icu::UnicodeString(h), icu::UnicodeString(u' '));
        std::string utf8;
        for (const auto& w : tokens(text.toUTF8String(utf8)))
            words.push_back(w);
    }
    const talvora::Language* language = languageFor(file());
    ASSERT_TRUE(language && language->symbols);
    const SymbolWords& s = *language->symbols;
    std::vector<std::string_view> symbols = {
        s.celsius, s.fahrenheit, s.plus, s.minus, s.range, s.ampersand, s.at, s.dot, s.decimalSeparator,
        s.numberSign, s.numberSigns, s.dash, s.times, s.dividedBy};
    symbols.insert(symbols.end(), s.fractions.begin(), s.fractions.end());
    for (const PluralWord& p : {s.percent, s.dollar, s.euro, s.pound, s.degree})
        symbols.insert(symbols.end(), {p.other, p.one, p.few, p.many});
    for (std::string_view w : symbols)
        for (const auto& t : tokens(w))
            words.push_back(t);
    std::vector<std::string> problems;
    for (const auto& w : words)
        if (ks.findWord(w) == 0)
            problems.push_back("\"" + w + "\" is not in " + file());
    report(problems);
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedDictionary, ::testing::ValuesIn(Shipped),
                         [](const auto& info) { return testName(info.param.file); });

// The language's sample sentence, then random words of the whole dictionary in texts of every
// length up to two hundred words: Encode's own check stays silent, the words come back, and
// dressed output decodes exactly as the plain output does.
class ShippedRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedRoundTrip, CheckIsSilentAndDressingChangesNoDecodedWord) {
    Dictionary& d = dictionary(GetParam());
    Keyspace& ks = d.ks();
    const CanWrite canWrite = [&d](char32_t c) { return d.codePage.byteOf(c).has_value(); };
    std::vector<std::string> texts;
    if (const auto s = samples().find(GetParam()); s != samples().end()) {
        // On two lines, as a window's input box holds them.
        texts.push_back(s->second.sentence + "\r\n");
        texts.back().replace(texts.back().find(' '), 1, "\r\n");
    }
    std::mt19937 g(std::hash<std::string>{}(GetParam()));
    std::uniform_int_distribution<uint32_t> row(1, ks.wordCount());
    for (int t = 0; t < 300; ++t) {
        std::string& text = texts.emplace_back();
        const int words = 1 + static_cast<int>(g() % 200);
        for (int i = 0; i < words; ++i) {
            // The first text walks the first rows.
            text += ks.word(t == 0 ? static_cast<uint32_t>(i % ks.wordCount()) + 1 : row(g));
            text += i % 17 == 16 ? ".\r\n" : " ";
        }
    }
    for (const std::string& text : texts) {
        const CommandResult enc = encodeText(ks, text);
        ASSERT_TRUE(enc.messages.empty()) << enc.messages.front() << " in " << text;
        ASSERT_TRUE(enc.output);
        const RoundTrip check = checkRoundTrip(ks, enc.rows, *enc.output);
        ASSERT_TRUE(check.same) << msg::roundTripWarning(ks, check);

        const std::string dressed = dressText(*enc.output, canWrite);
        ASSERT_NO_THROW(d.codePage.encode(dressed)) << "a capital the code page lacks";
        const CommandResult plain = decodeText(ks, *enc.output);
        std::string words;
        for (const auto& t : tokens(text))
            words += t + " ";
        ASSERT_EQ(*plain.output, words);
        const CommandResult fancy = decodeText(ks, dressed);
        ASSERT_EQ(*fancy.output, *plain.output) << dressed;
        ASSERT_EQ(fancy.notFound, 0);
        ASSERT_TRUE(checkRoundTrip(ks, enc.rows, dressed).same);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedRoundTrip,
                         ::testing::Values("eng.dic", "Czech.dic", "dk.dic", "nl.dic", "fr.dic",
                                           "de_neu.dic", "it.dic", "pl.dic", "es.dic", "se.dic",
                                           "sample.dic"),
                         [](const auto& info) { return testName(info.param); });

} // namespace

// data/everyday.txt: FILE<TAB>SENTENCE, typed as people type (typographic quotes and
// apostrophes, digits, Spanish question marks): refused as they stand, encoded after Tidy.
TEST(ShippedEveryday, SentencesAsPeopleWriteThemEncodeAfterTidy) {
    EXPECT_EQ(samples().size(), std::size(Shipped));
    std::vector<std::pair<std::string, std::string>> lines;
    forEachLine(files::read(Data / "everyday.txt"), [&](std::string_view line) {
        if (size_t tab = line.find('\t'); tab != std::string_view::npos)
            lines.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    });
    std::map<std::string, int> perFile;
    for (const auto& [file, sentence] : lines)
        ++perFile[file];
    for (const auto& l : Shipped)
        EXPECT_GE(perFile[l.file], 2) << l.file;

    for (const auto& [file, sentence] : lines) {
        Keyspace& ks = dictionary(file).ks();
        EXPECT_FALSE(encodeText(ks, sentence).messages.empty()) << file << ": " << sentence;
        const TidyResult r = Tidier(ks, tidyLocaleFor(file)).tidy(sentence, false);
        std::string unknown;
        for (const auto& u : r.unknown)
            unknown += " " + u.word;
        EXPECT_TRUE(r.encodes()) << file << ": " << sentence << " leaves" << unknown;
        const CommandResult enc = encodeText(ks, r.text);
        EXPECT_TRUE(enc.messages.empty() && enc.output) << file << ": " << r.text;
    }
}

// Each language's Hunspell dictionary is in the program folder and read in its own encoding
// (ISO 8859-1 and -2 besides UTF-8); without the files Tidy splits nothing it cannot judge.
TEST(ShippedMorphology, EveryLanguageReadsItsOwnDictionary) {
    for (const talvora::Language& language : languageTable()) {
        const Morphology* morphology = Morphology::of(language);
        ASSERT_TRUE(morphology) << language.hunspell;
        EXPECT_TRUE(morphology->knows(language.symbols->range)) << language.hunspell;
        EXPECT_FALSE(morphology->knows("zzqxj")) << language.hunspell;
    }
    EXPECT_TRUE(Morphology::of(*languageFor("pl"))->shareStem("niemiły", "miły"));
    EXPECT_TRUE(Morphology::of(*languageFor("de"))->knows("grüße"));
    Morphology::setFolder(Hunspell / "none");
    EXPECT_FALSE(Morphology::of(*languageFor("cs")));
    Keyspace& ks = dictionary("Czech.dic").ks();
    EXPECT_EQ(Tidier(ks, "cs").tidy("Nevyléčitelná", false).text, "Nevyléčitelná");
    // A folder whose name no narrow code page holds (a user's name): Hunspell opens its files
    // by narrow names.
    TempFolder temp;
    const std::filesystem::path odd = temp.path() / pathFromUtf8("Łódź 字典");
    std::filesystem::create_directory(odd);
    for (const char* file : {"pl_PL.aff", "pl_PL.dic"})
        std::filesystem::copy_file(Hunspell / file, odd / file);
    Morphology::setFolder(odd);
    ASSERT_TRUE(Morphology::of(*languageFor("pl")));
    EXPECT_TRUE(Morphology::of(*languageFor("pl"))->knows("lekko"));
    Morphology::setFolder(Hunspell);
}
