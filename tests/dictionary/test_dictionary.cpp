// Dictionary files: their names and code pages, reading, search, Add, the check of entries
// no text can carry, and the suggestion index within its memory cap.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "files.h"
#include "keyspace.h"
#include "keyspacefixture.h"
#include "languages.h"
#include "suggest.h"
#include "tempfolder.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace talvora;
using V = std::vector<std::string>;

namespace {
const CodePage& cp1252() {
    static CodePage cp = CodePage::fromName("windows-1252");
    return cp;
}
V all(const WordList& w) {
    V out;
    for (uint32_t r = 1; r <= w.size(); ++r)
        out.emplace_back(w[r]);
    return out;
}
bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

// The ten file names carry their code page; any other file, or another letter case, is
// read in the program's.
TEST(Languages, FileNamesCodePagesAndTheFolderScan) {
    const CodePage program = cp1252(), cp1250 = CodePage::fromName("windows-1250");
    EXPECT_EQ(dictionaryCodePage("/any/where/Czech.dic", program).name(), "windows-1250");
    EXPECT_EQ(dictionaryCodePage("pl.dic", program).name(), "windows-1250");
    EXPECT_EQ(dictionaryCodePage("fr.dic", cp1250).name(), "windows-1252");
    EXPECT_EQ(dictionaryCodePage("PL.DIC", program).name(), "windows-1252");
    EXPECT_EQ(dictionaryCodePage("czech.dic", program).name(), "windows-1252");
    EXPECT_EQ(dictionaryCodePage("custom.dic", CodePage::fromName("windows-1251")).name(),
              "windows-1251");

    EXPECT_EQ(*dictionaryFileFor("German"), "de_neu.dic");
    EXPECT_FALSE(dictionaryFileFor("english"));
    TempFolder dir;
    for (const char* f : {"eng.dic", "de_neu.dic", "custom.dic", "ENG.DIC", "notes.txt", ".h.dic"})
        dir.write(f, "x\r\n");
    std::filesystem::create_directory(dir / "folder.dic");
    auto entries = listDictionaries(dir.path());
    std::sort(entries.begin(), entries.end());
    V expected{"English", "German", "custom.dic"};
    // A file system that ignores case (Windows) holds one file under both names.
    if (!std::filesystem::equivalent(dir / "eng.dic", dir / "ENG.DIC"))
        expected.insert(expected.begin(), "ENG.DIC");
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(*dictionaryPathFor(dir.path(), "custom.dic"), dir / "custom.dic");
    EXPECT_EQ(*dictionaryPathFor(dir.path(), "German"), dir / "de_neu.dic");
    EXPECT_FALSE(dictionaryPathFor(dir.path(), "../x.dic"));
    EXPECT_FALSE(dictionaryPathFor(dir.path(), ""));
}

TEST(ReadDictionary, LineRulesAndLowerCase) {
    TempFolder dir;
    const std::pair<const char*, V> cases[] = {
        {"Apple\r\nTree \r\n\r\n", {"apple", "tree ", ""}},
        {"one two\rLast", {"one two", "last"}},
        {"x\ny\r\n", {"x\ny"}},
        {"x\ny\n", {"x", "y"}},
        {"\xC4PFEL\r\n\xC9T\xC9\r\nXYZ\r\n", {"\u00E4pfel", "\u00E9t\u00E9", "xyz"}},
    };
    for (const auto& [bytes, words] : cases)
        EXPECT_EQ(all(readDictionary(dir.write("a.dic", bytes), cp1252())), words) << bytes;
    const CodePage cp1250 = CodePage::fromName("windows-1250");
    EXPECT_EQ(all(readDictionary(dir.write("f.dic", "\xA3\xF3\x64\x9F\r\n"), cp1250)),
              V{"\u0142\u00F3d\u017A"});
}

TEST(ReadDictionary, FailuresKeepTheLoadedDictionary) {
    TempFolder dir;
    Keyspace ks;
    loadDictionary(ks, dir.write("good.dic", "a\r\nb\r\nc\r\n"), cp1252());
    ASSERT_TRUE(processKey(ks, "123456789123456789").started);
    const auto before = column2(ks);
    std::string big;
    for (int i = 0; i <= 655000; ++i)
        big += "w\r\n";
    dir.write("empty.dic", "");
    dir.write("big.dic", big);
    for (const auto& [file, reason] : std::vector<std::pair<std::string, std::string>>{
             {"missing.dic", "it does not exist"},
             {"empty.dic", "the file is empty"},
             {"big.dic", "it has more than 655000 lines"}}) {
        EXPECT_EQ(errorOf([&] { loadDictionary(ks, dir / file, cp1252()); }),
                  "Cannot load the dictionary \"" + (dir / file).string() + "\": " + reason + ".");
        EXPECT_TRUE(ks.keyspaceReady());
        EXPECT_EQ(column2(ks), before);
    }
    big.resize(big.size() - 3); // exactly 655000 lines load
    EXPECT_EQ(readDictionary(dir.write("max.dic", big), cp1252()).size(), 655000u);
#ifndef _WIN32 // FIFOs
    ASSERT_EQ(::mkfifo((dir / "p.dic").c_str(), 0600), 0);
    EXPECT_PRED2(holds, errorOf([&] { loadDictionary(ks, dir / "p.dic", cp1252()); }),
                 "not a regular file");
#endif
    // A byte the code page leaves unassigned is refused, named and counted.
    const CodePage greek = CodePage::fromName("windows-1253");
    const auto path = dir.write("g.dic", "alpha\r\n\xD2x\r\nbeta\r\n");
    EXPECT_PRED2(holds, errorOf([&] { readDictionary(path, greek); }),
                 "line 2 holds the byte 0xD2");
    std::vector<uint32_t> rows;
    const WordList words = readDictionary(path, greek, &rows);
    EXPECT_EQ(rows, std::vector<uint32_t>{2});
    EXPECT_EQ(checkDictionary(words, rows).withUnassigned, 1u);
}

TEST(Search, PrefixInRowOrder) {
    auto words = wordList({"ab", "abc", "xab", "a", "ab", "a b"});
    auto found = [&](std::string_view s) {
        V out;
        for (uint32_t r : searchDictionary(words, s))
            out.emplace_back(words[r]);
        return out;
    };
    EXPECT_EQ(found("Ab"), (V{"ab", "abc", "ab"}));
    EXPECT_EQ(found("a "), (V{"a b"}));
    EXPECT_EQ(found("abcdef"), V{});
    EXPECT_EQ(found(""), V{});
}

TEST(AddWord, OutcomesLineEndsAndTheFileExactlyAsBeforeOnAnyFault) {
    TempFolder dir;
    Keyspace ks;
    const std::string old = "apple\r\npear";
    auto path = dir.write("d.dic", old);
    loadDictionary(ks, path, cp1252());
    for (const char* word : {"two\r\nwords", "a\nb", "c\r"}) {
        AddResult r = addDictionaryWord(ks, path, word, cp1252());
        EXPECT_EQ(r.outcome, AddOutcome::Refused);
        EXPECT_EQ(r.message, msg::WordHasLineBreak);
    }
    EXPECT_EQ(addDictionaryWord(ks, path, "APPLE", cp1252()).outcome, AddOutcome::AlreadyPresent);
    EXPECT_EQ(TempFolder::read(path), old);

    // A full disk after the line end landed, then a failed flush: cut back both times.
    auto real = files::FileOps::system();
    files::FileOps ops = real;
    ops.pwrite = [real](int fd, const void* b, size_t, off_t off) -> ssize_t {
        real.pwrite(fd, b, 2, off);
        return errno = ENOSPC, -1;
    };
    {
        files::FileOpsOverride seam(ops);
        EXPECT_THROW(addDictionaryWord(ks, path, "zebra", cp1252()), Error);
    }
    EXPECT_EQ(TempFolder::read(path), old);
    ops = real;
    ops.fsync = [](int) { return errno = EIO, -1; };
    {
        files::FileOpsOverride seam(ops);
        EXPECT_PRED2(holds, errorOf([&] { addDictionaryWord(ks, path, "zebra", cp1252()); }),
                     "Cannot add to \"" + path.string());
    }
    EXPECT_EQ(TempFolder::read(path), old);
    EXPECT_EQ(addDictionaryWord(ks, path, "Zebra", cp1252()).message, "Zebra Added.");
    EXPECT_EQ(TempFolder::read(path), old + "\r\nzebra\r\n"); // not joined to "pear"
    // The file as it is now counts, not only the loaded words: no word twice.
    EXPECT_EQ(addDictionaryWord(ks, path, "Zebra", cp1252()).outcome, AddOutcome::AlreadyPresent);
    EXPECT_EQ(TempFolder::read(path), old + "\r\nzebra\r\n");

    auto lf = dir.write("lf.dic", "one\ntwo");
    loadDictionary(ks, lf, cp1252());
    addDictionaryWord(ks, lf, "Caf\u00C9", cp1252());
    EXPECT_EQ(TempFolder::read(lf), "one\ntwo\ncaf\xE9\n");
    // Neither a letter the code page lacks nor one it leaves unassigned.
    EXPECT_THROW(addDictionaryWord(ks, lf, "\u0142", cp1252()), Error);
    EXPECT_THROW(addDictionaryWord(ks, lf, "\u00FF", CodePage::fromName("windows-1253")), Error);
    EXPECT_EQ(TempFolder::read(lf), "one\ntwo\ncaf\xE9\n");
}

TEST(Check, CountsEntriesThatCannotRoundTrip) {
    auto c = checkDictionary(wordList({"a", "", "b", "a", "x y", "o'clock", "a", "ok"}));
    EXPECT_EQ(c.empty, 1u);
    EXPECT_EQ(c.duplicated, 2u);
    EXPECT_EQ(c.withSeparator, 2u);
    EXPECT_EQ(c.unusable, 5u);
    EXPECT_NE(dictionaryFingerprint(wordList({"a", "b"})),
              dictionaryFingerprint(wordList({"b", "a"})));
    // SHA-256 of "a\nb"
    EXPECT_EQ(dictionaryFingerprint(wordList({"a", "b"})), "7e18f737311b2dc3");

    // Which words no text can give as one token (Add refuses them; dict info names them).
    const std::pair<const char*, const char*> why[] = {
        {"dont", nullptr},
        {"don\u2019t", nullptr},
        {"a\tb", nullptr},
        {"caf\u00e9", nullptr},
        {"don't stop", "it holds a blank, and a text is cut into words at every blank"},
        {"o'clock", "it holds \"'\", which is dropped from every text"},
        {"say\"", "it holds \"\"\", which is dropped from every text"},
    };
    for (const auto& [word, reason] : why)
        EXPECT_EQ(whyNeverAToken(word), reason ? std::optional<std::string>(reason) : std::nullopt)
            << word;
}

// Words that share no prefixes, the short ones first in nothing: over the cap the index
// keeps the shortest words and still suggests among them.
TEST(Bounds, TheSuggestionIndexStaysWithinItsCap) {
    WordList words;
    for (int i = 0; i < 2000; ++i) {
        std::string w(1, static_cast<char>('a' + i % 26));
        w += std::to_string(i * 7919) + std::string(static_cast<size_t>(i % 40), 'q');
        words.add(w);
    }
    words.add("cat");
    const size_t cap = 200 * Suggester::BytesPerNode;
    const Suggester small(words, cap);
    EXPECT_FALSE(small.complete());
    EXPECT_LE(small.memoryBytes(), cap);
    EXPECT_EQ(small.suggest("cut"), V{"cat"});
    const Suggester full(words);
    EXPECT_TRUE(full.complete());
    EXPECT_GT(full.nodeCount(), 200u);
}
