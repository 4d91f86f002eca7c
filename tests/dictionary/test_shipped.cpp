// The dictionaries shipped in data/: the bytes on disk, a round trip of each language's
// sample sentence through Encode and Decode, and sentences as people write them
// (data/everyday.txt) encoding after Tidy.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "files.h"
#include "filetestname.h"
#include "keyspace.h"
#include "languages.h"
#include "systemcalls.h"
#include "text.h"
#include "textlines.h"
#include "tidy.h"
#include "tokenizer.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace talvora;

namespace {

const std::string Key = "918273645546372819";

// Reported offences per check are capped so one broken file cannot flood the log.
constexpr int MaxReported = 10;

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
    {"fr.dic", "fr", {"l", "d", "j", "n", "s", "c", "m", "t", "qu", "jusqu", "lorsqu", "puisqu",
                      "peutêtre", "aujourdhui", "cest", "internet"}},
    {"de_neu.dic", "de", {"internet"}},
    {"it.dic", "it", {"l", "un", "d", "c", "s", "dell", "all", "dall", "nell", "sull", "quest",
                      "quell", "a", "e", "è", "internet"}},
    {"pl.dic", "pl", {"internet"}},
    {"es.dic", "es", {"está", "tiene", "fue", "internet"}},
    {"se.dic", "sv", {"internet"}},
};

// Test names and failure reports show the file, not the bytes of the struct.
void PrintTo(const Language& l, std::ostream* os) { *os << l.file; }

std::filesystem::path dataFolder() { return TALVORA_SOURCE_DATA; }

struct Sample {
    std::string codePage;
    std::string sentence; // UTF-8
};

// data/samples.txt: FILE<TAB>CODEPAGE<TAB>SENTENCE, one a line.
const std::map<std::string, Sample>& samples() {
    static const std::map<std::string, Sample> table = [] {
        std::map<std::string, Sample> t;
        std::string text = files::read(dataFolder() / "samples.txt");
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty())
                continue;
            size_t a = line.find('\t');
            size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
            if (b == std::string::npos)
                throw std::runtime_error("samples.txt: not FILE<TAB>CODEPAGE<TAB>SENTENCE: " + line);
            t[line.substr(0, a)] = {line.substr(a + 1, b - a - 1), line.substr(b + 1)};
        }
        return t;
    }();
    return table;
}

// What the tests of one file need, each part made on first use and kept for the run.
struct Dictionary {
    std::string raw;
    std::optional<CodePage> codePage;
    std::optional<WordList> words;
    std::unique_ptr<Keyspace> keyspace;
};

Dictionary& dictionary(const std::string& file) {
    static std::map<std::string, Dictionary> cache;
    Dictionary& d = cache[file];
    if (d.raw.empty())
        d.raw = files::read(dataFolder() / file);
    if (!d.codePage)
        d.codePage = CodePage::fromName(samples().at(file).codePage);
    return d;
}

const WordList& words(const std::string& file) {
    Dictionary& d = dictionary(file);
    if (!d.words)
        d.words = readDictionary(dataFolder() / file, *d.codePage);
    return *d.words;
}

Keyspace& readyKeyspace(const std::string& file) {
    Dictionary& d = dictionary(file);
    if (!d.keyspace) {
        auto ks = std::make_unique<Keyspace>();
        ks->load(words(file));
        if (!processKey(*ks, Key).started)
            throw std::runtime_error(file + ": Process refused the key");
        d.keyspace = std::move(ks);
    }
    return *d.keyspace;
}

// The lines of a file that must end every line in CR LF; offences go to problems.
std::vector<std::string_view> crLfLines(std::string_view raw, std::vector<std::string>& problems) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos < raw.size()) {
        size_t stop = raw.find_first_of("\r\n", pos);
        const std::string where = "line " + std::to_string(lines.size() + 1);
        if (stop == std::string_view::npos) {
            problems.push_back(where + ": the file does not end in CR LF");
            lines.push_back(raw.substr(pos));
            break;
        }
        lines.push_back(raw.substr(pos, stop - pos));
        if (raw[stop] == '\n') {
            problems.push_back(where + ": LF without CR");
            pos = stop + 1;
        } else if (stop + 1 >= raw.size() || raw[stop + 1] != '\n') {
            problems.push_back(where + ": CR without LF");
            pos = stop + 1;
        } else {
            pos = stop + 2;
        }
    }
    return lines;
}

// A character the code page assigns: not a control, nor the stand-in for an unassigned byte.
bool reallyHeld(char32_t c) {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xE000 && c <= 0xF8FF);
}

std::vector<std::string> tokens(std::string_view text) {
    std::vector<std::string> out;
    for (auto& t : parseText(text))
        if (!t.empty())
            out.push_back(std::move(t));
    return out;
}

void report(const std::string& file, const std::vector<std::string>& problems) {
    for (size_t i = 0; i < problems.size() && i < MaxReported; ++i)
        ADD_FAILURE() << file << " " << problems[i];
    if (problems.size() > MaxReported)
        ADD_FAILURE() << file << ": " << problems.size() - MaxReported << " more problems";
}

class ShippedDictionary : public ::testing::TestWithParam<Language> {
protected:
    std::string file() const { return GetParam().file; }
};

TEST_P(ShippedDictionary, CodePageOfItsLanguage) {
    ASSERT_TRUE(samples().count(file())) << "samples.txt has no sentence for " << file();
    EXPECT_EQ(samples().at(file()).codePage, CodePage::nameForLanguage(GetParam().locale));
}

// Read as the program reads a shipped file on an English-language machine.
TEST_P(ShippedDictionary, ReadsInItsOwnCodePageWhateverTheLocale) {
    const char* saved = std::getenv("TALVORA_CODEPAGE");
    const std::string before = saved ? saved : "";
    test::setEnv("TALVORA_CODEPAGE", "windows-1252");
    const CodePage program = CodePage::fromEnvironment();
    test::setEnv("TALVORA_CODEPAGE", saved ? before.c_str() : nullptr);

    const CodePage cp = dictionaryCodePage(dataFolder() / file(), program);
    EXPECT_EQ(cp.name(), samples().at(file()).codePage);
    const WordList read = readDictionary(dataFolder() / file(), cp);
    Keyspace ks;
    ks.load(read);
    for (const auto& t : tokens(samples().at(file()).sentence))
        EXPECT_NE(ks.findWord(t), 0u) << t << " is not read from " << file();
}

TEST_P(ShippedDictionary, HoldsTheWordsEverydayWritingNeeds) {
    Keyspace& ks = readyKeyspace(file());
    for (const char* w : GetParam().needed)
        EXPECT_NE(ks.findWord(w), 0u) << w << " is not in " << file();
}

// Tidy writes a number as the language's words through ICU's spell-out; they must all
// be entries, or a text with digits falls back to the single digits' words.
TEST_P(ShippedDictionary, HoldsTheNumberWordsOfItsLanguage) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat spell(icu::URBNF_SPELLOUT, icu::Locale(GetParam().locale), status);
    ASSERT_TRUE(U_SUCCESS(status));
    Keyspace& ks = readyKeyspace(file());
    std::vector<std::string> problems;
    for (int64_t n : {0, 1, 7, 12, 21, 99, 100, 101, 342, 777, 1000, 1999, 2024, 1000000}) {
        icu::UnicodeString text;
        spell.format(n, text);
        for (UChar h : {u'-', u'\u00AD', u'\u2010', u'\u2011'})
            text.findAndReplace(icu::UnicodeString(h), icu::UnicodeString(u' '));
        std::string utf8;
        text.toUTF8String(utf8);
        for (const auto& w : tokens(utf8))
            if (ks.findWord(w) == 0)
                problems.push_back(std::to_string(n) + ": \"" + w + "\" is missing");
    }
    report(file(), problems);
}

// A symbol Tidy writes as a word the dictionary lacks would help no one.
TEST_P(ShippedDictionary, HoldsTheWordsTidyReadsSymbolsWith) {
    const talvora::Language* language = languageFor(file());
    ASSERT_TRUE(language && language->symbols);
    const SymbolWords& s = *language->symbols;
    Keyspace& ks = readyKeyspace(file());
    std::vector<std::string_view> words = {s.celsius, s.fahrenheit, s.plus, s.minus, s.ampersand,
                                           s.at,      s.dot,        s.decimalSeparator};
    for (const PluralWord& p : {s.percent, s.dollar, s.euro, s.pound, s.degree})
        words.insert(words.end(), {p.other, p.one, p.few, p.many});
    for (std::string_view w : words)
        for (const auto& t : tokens(std::string(w)))
            EXPECT_NE(ks.findWord(t), 0u) << t << " is not in " << file();
}

TEST_P(ShippedDictionary, LinesEndInCrLfAndAreNeverEmpty) {
    const Dictionary& d = dictionary(file());
    ASSERT_FALSE(d.raw.empty());
    std::vector<std::string> problems;
    auto lines = crLfLines(d.raw, problems);
    for (size_t n = 0; n < lines.size(); ++n)
        if (lines[n].empty())
            problems.push_back("line " + std::to_string(n + 1) + ": empty");
    report(file(), problems);
    EXPECT_LE(lines.size(), Keyspace::Capacity);
}

TEST_P(ShippedDictionary, EveryByteIsALetterOfTheCodePage) {
    const Dictionary& d = dictionary(file());
    const CodePage& cp = *d.codePage;
    std::vector<std::string> problems;
    std::vector<std::string> ignored;
    auto lines = crLfLines(d.raw, ignored);
    for (size_t n = 0; n < lines.size(); ++n)
        for (char c : lines[n]) {
            auto b = static_cast<unsigned char>(c);
            char32_t ch = cp.codePointOf(b);
            if (!reallyHeld(ch) || !u_isalpha(static_cast<UChar32>(ch))) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", b);
                problems.push_back("line " + std::to_string(n + 1) + ": byte " + hex + " is " +
                                   describeCharacter(ch) + ", not a letter of " + cp.name());
                break;
            }
        }
    report(file(), problems);
    // Bytewise, so the whole file stands for each of its lines.
    EXPECT_TRUE(cp.encode(cp.decode(d.raw)) == d.raw) << file() << " does not survive " << cp.name();
}

TEST_P(ShippedDictionary, EntriesAreLowerCaseDistinctAndWithoutSeparators) {
    const Dictionary& d = dictionary(file());
    const WordList& w = words(file());
    std::vector<std::string> ignored;
    auto lines = crLfLines(d.raw, ignored);
    ASSERT_EQ(w.size(), lines.size());

    std::vector<std::string> problems;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string entry = d.codePage->decode(lines[n]);
        if (toLower(entry) != entry)
            problems.push_back("line " + std::to_string(n + 1) + ": \"" + entry + "\" is not lower case");
    }
    report(file(), problems);

    DictionaryCheck c = checkDictionary(w);
    EXPECT_EQ(c.empty, 0u);
    EXPECT_EQ(c.duplicated, 0u);
    EXPECT_EQ(c.withSeparator, 0u);
    EXPECT_EQ(c.unusable, 0u);
    if (c.unusable > 0) {
        problems.clear();
        RowIndex index;
        index.build(w);
        for (uint32_t r = 1; r <= w.size(); ++r) {
            std::string_view e = w[r];
            bool separator = false;
            for (char ch : e)
                separator = separator || ch == ' ' || isSeparator(static_cast<unsigned char>(ch));
            if (separator || (!e.empty() && index.find(e) != r))
                problems.push_back("line " + std::to_string(r) + ": \"" + std::string(e) +
                                   (separator ? "\" holds a blank or separator" : "\" repeats an earlier line"));
        }
        report(file(), problems);
    }
}

TEST_P(ShippedDictionary, SampleSentenceRoundTrips) {
    const Sample& sample = samples().at(file());
    const CodePage& cp = *dictionary(file()).codePage;
    ASSERT_NO_THROW(cp.encode(sample.sentence)) << sample.sentence;

    bool nonAsciiLetter = false;
    for (size_t pos = 0; pos < sample.sentence.size();) {
        char32_t c = utf8::next(sample.sentence, pos);
        nonAsciiLetter = nonAsciiLetter || (c >= 0x80 && u_isalpha(static_cast<UChar32>(c)));
    }
    // English is written without accents; every other language's sample must use them.
    if (file() != "eng.dic") {
        EXPECT_TRUE(nonAsciiLetter) << sample.sentence;
    }

    const auto plainWords = tokens(sample.sentence);
    ASSERT_GE(plainWords.size(), 2u);
    std::string plain;
    for (const auto& t : plainWords)
        plain += t + " ";

    // Two lines, as a window's input box holds them.
    std::string text = sample.sentence;
    text.replace(text.find(' '), 1, "\r\n");
    text += "\r\n";

    Keyspace& ks = readyKeyspace(file());
    CommandResult enc = encodeText(ks, text);
    EXPECT_TRUE(enc.messages.empty()) << (enc.messages.empty() ? "" : enc.messages.front());
    ASSERT_TRUE(enc.output);
    ASSERT_FALSE(enc.output->empty());
    EXPECT_EQ(enc.output->back(), ' ');
    EXPECT_NE(*enc.output, plain);
    const auto coded = tokens(*enc.output);
    EXPECT_EQ(coded.size(), plainWords.size());
    for (const auto& t : coded)
        EXPECT_NE(ks.findWord(t), 0u) << t << " is not a word of " << file();

    CommandResult dec = decodeText(ks, *enc.output);
    ASSERT_TRUE(dec.output);
    EXPECT_EQ(*dec.output, plain);
    EXPECT_EQ(dec.notFound, 0);
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedDictionary, ::testing::ValuesIn(Shipped),
                         fileTestName<::testing::TestParamInfo<Language>>);

} // namespace

TEST(ShippedSamples, OneSentencePerShippedFile) {
    EXPECT_EQ(samples().size(), std::size(Shipped));
    for (const auto& l : Shipped)
        EXPECT_TRUE(samples().count(l.file)) << l.file;
}

// data/everyday.txt: FILE<TAB>SENTENCE, typed as people type (typographic quotes and
// apostrophes, digits, Spanish question marks): refused as they stand, encoded after Tidy.
TEST(ShippedEveryday, SentencesAsPeopleWriteThemEncodeAfterTidy) {
    std::vector<std::pair<std::string, std::string>> lines;
    forEachLine(files::read(dataFolder() / "everyday.txt"), [&](std::string_view line) {
        if (size_t tab = line.find('\t'); tab != std::string_view::npos)
            lines.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    });
    std::map<std::string, int> perFile;
    for (const auto& [file, sentence] : lines)
        ++perFile[file];
    for (const auto& l : Shipped)
        EXPECT_GE(perFile[l.file], 2) << l.file;

    for (const auto& [file, sentence] : lines) {
        Keyspace& ks = readyKeyspace(file);
        EXPECT_FALSE(encodeText(ks, sentence).messages.empty()) << file << ": " << sentence;
        Tidier tidier(ks, tidyLocaleFor(file));
        TidyResult r = tidier.tidy(sentence, false);
        std::string unknown;
        for (const auto& u : r.unknown)
            unknown += " " + u.word;
        EXPECT_TRUE(r.encodes()) << file << ": " << sentence << " leaves" << unknown;
        CommandResult enc = encodeText(ks, r.text);
        EXPECT_TRUE(enc.messages.empty()) << file << ": " << r.text;
        EXPECT_TRUE(enc.output) << file << ": " << r.text;
    }
}
