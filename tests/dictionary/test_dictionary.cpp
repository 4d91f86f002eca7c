#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "error.h"
#include "files.h"
#include "keyspace.h"
#include "keyspacefixture.h"
#include "languages.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

using namespace talvora;

namespace {
const CodePage& cp1252() {
    static CodePage cp = CodePage::fromName("windows-1252");
    return cp;
}
std::vector<std::string> all(const WordList& w) {
    std::vector<std::string> out;
    for (uint32_t r = 1; r <= w.size(); ++r)
        out.emplace_back(w[r]);
    return out;
}
} // namespace

// The ten file names carry their code page; any other file, or another letter case, is
// read in the program's.
TEST(Languages, ShippedFileNamesKeepTheirCodePage) {
    const CodePage program = CodePage::fromName("windows-1252");
    EXPECT_EQ(dictionaryCodePage("/any/where/Czech.dic", program).name(), "windows-1250");
    EXPECT_EQ(dictionaryCodePage("pl.dic", program).name(), "windows-1250");
    EXPECT_EQ(dictionaryCodePage("fr.dic", CodePage::fromName("windows-1250")).name(), "windows-1252");
    EXPECT_EQ(dictionaryCodePage("PL.DIC", program).name(), "windows-1252");
    EXPECT_EQ(dictionaryCodePage("czech.dic", program).name(), "windows-1252");
    EXPECT_EQ(dictionaryCodePage("custom.dic", CodePage::fromName("windows-1251")).name(), "windows-1251");
}

TEST(Languages, TableAndFolderScan) {
    EXPECT_EQ(*dictionaryFileFor("German"), "de_neu.dic");
    EXPECT_EQ(*dictionaryFileFor("English"), "eng.dic");
    EXPECT_FALSE(dictionaryFileFor("english"));
    TempFolder dir;
    for (const char* f : {"eng.dic", "de_neu.dic", "custom.dic", "ENG.DIC", "notes.txt", ".hidden.dic"})
        dir.write(f, "x\r\n");
    std::filesystem::create_directory(dir / "folder.dic");
    auto entries = listDictionaries(dir.path());
    std::sort(entries.begin(), entries.end());
    std::vector<std::string> expected{"English", "German", "custom.dic"};
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
    using V = std::vector<std::string>;
    EXPECT_EQ(all(readDictionary(dir.write("a.dic", "Apple\r\nTree \r\n\r\n"), cp1252())), (V{"apple", "tree ", ""}));
    EXPECT_EQ(all(readDictionary(dir.write("b.dic", "one two\rLast"), cp1252())), (V{"one two", "last"}));
    EXPECT_EQ(all(readDictionary(dir.write("c.dic", "x\ny\r\n"), cp1252())), (V{"x\ny"}));
    EXPECT_EQ(all(readDictionary(dir.write("d.dic", "x\ny\n"), cp1252())), (V{"x", "y"}));
    EXPECT_EQ(all(readDictionary(dir.write("e.dic", "\xC4PFEL\r\n\xC9T\xC9\r\n"), cp1252())),
              (V{"\u00E4pfel", "\u00E9t\u00E9"}));
    CodePage cp1250 = CodePage::fromName("windows-1250");
    EXPECT_EQ(all(readDictionary(dir.write("f.dic", "\xA3\xF3\x64\x9F\r\n"), cp1250)), (V{"\u0142\u00F3d\u017A"}));
}

TEST(ReadDictionary, FailuresKeepTheLoadedDictionary) {
    TempFolder dir;
    Keyspace ks;
    loadDictionary(ks, dir.write("good.dic", "a\r\nb\r\nc\r\n"), cp1252());
    ASSERT_TRUE(processKey(ks, "123456789123456789").started);
    auto before = column2(ks);
    std::string big;
    for (int i = 0; i <= 655000; ++i)
        big += "w\r\n";
    for (const auto& [file, reason] : std::vector<std::pair<std::string, std::string>>{
             {"missing.dic", "it does not exist"}, {"empty.dic", "the file is empty"},
             {"big.dic", "it has more than 655000 lines"}}) {
        if (file == "empty.dic")
            dir.write(file, "");
        if (file == "big.dic")
            dir.write(file, big);
        try {
            loadDictionary(ks, dir / file, cp1252());
            FAIL() << file;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Cannot load the dictionary \"" + (dir / file).string() + "\": " + reason + ".");
        }
        EXPECT_EQ(ks.wordCount(), 3u);
        EXPECT_TRUE(ks.keyspaceReady());
        EXPECT_EQ(column2(ks), before);
    }
    big.resize(big.size() - 3); // exactly 655000 lines load
    EXPECT_EQ(readDictionary(dir.write("max.dic", big), cp1252()).size(), 655000u);
}

TEST(Search, PrefixInRowOrder) {
    auto words = wordList({"ab", "abc", "xab", "a", "ab", "a b"});
    auto found = [&](std::string_view s) {
        std::vector<std::string> out;
        for (uint32_t r : searchDictionary(words, s))
            out.emplace_back(words[r]);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(found("Ab"), (V{"ab", "abc", "ab"}));
    EXPECT_EQ(found("a "), (V{"a b"}));
    EXPECT_EQ(found("abcdef"), V{});
    EXPECT_EQ(found(""), V{});
}

TEST(AddWord, OutcomesAndLineEnds) {
    TempFolder dir;
    Keyspace ks;
    auto path = dir.write("d.dic", "apple\r\npear");
    loadDictionary(ks, path, cp1252());
    EXPECT_EQ(addDictionaryWord(ks, path, "", cp1252()).message, "No Word defined to Add");
    EXPECT_EQ(addDictionaryWord(ks, path, "APPLE", cp1252()).message, "That word is already in the dictionary.");
    EXPECT_EQ(addDictionaryWord(ks, path, "Zebra", cp1252()).message, "Zebra Added.");
    EXPECT_EQ(TempFolder::read(path), "apple\r\npear\r\nzebra\r\n"); // not joined to "pear"
    // The file as it is now counts, not only the loaded words: no word twice.
    EXPECT_EQ(addDictionaryWord(ks, path, "Zebra", cp1252()).outcome, AddOutcome::AlreadyPresent);
    EXPECT_EQ(TempFolder::read(path), "apple\r\npear\r\nzebra\r\n");

    auto lf = dir.write("lf.dic", "one\ntwo");
    loadDictionary(ks, lf, cp1252());
    addDictionaryWord(ks, lf, "Caf\u00C9", cp1252());
    EXPECT_EQ(TempFolder::read(lf), "one\ntwo\ncaf\xE9\n");

    EXPECT_THROW(addDictionaryWord(ks, lf, "\u0142", cp1252()), Error);
    EXPECT_EQ(TempFolder::read(lf), "one\ntwo\ncaf\xE9\n");
    std::filesystem::remove(lf);
    EXPECT_THROW(addDictionaryWord(ks, lf, "new", cp1252()), Error);
    EXPECT_FALSE(std::filesystem::exists(lf));
}

TEST(AddWord, RefusesLineBreaksAndLeavesTheFileExactlyAsBeforeOnAnyFault) {
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
        try {
            addDictionaryWord(ks, path, "zebra", cp1252());
            ADD_FAILURE();
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("Cannot add to \"" + path.string()),
                      std::string::npos);
        }
    }
    EXPECT_EQ(TempFolder::read(path), old);
    EXPECT_EQ(addDictionaryWord(ks, path, "zebra", cp1252()).outcome, AddOutcome::Added);
    EXPECT_EQ(TempFolder::read(path), old + "\r\nzebra\r\n");
}

#ifndef _WIN32 // FIFOs
TEST(ReadDictionary, RefusesPipesBeforeReading) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "p.dic").c_str(), 0600), 0);
    Keyspace ks;
    try {
        loadDictionary(ks, dir / "p.dic", cp1252());
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("not a regular file"), std::string::npos) << e.what();
    }
}
#endif

TEST(Check, CountsEntriesThatCannotRoundTrip) {
    auto c = checkDictionary(wordList({"a", "", "b", "a", "x y", "o'clock", "a", "ok"}));
    EXPECT_EQ(c.empty, 1u);
    EXPECT_EQ(c.duplicated, 2u);
    EXPECT_EQ(c.withSeparator, 2u);
    EXPECT_EQ(c.unusable, 5u);
    EXPECT_EQ(dictionaryFingerprint(wordList({"a", "b"})), dictionaryFingerprint(wordList({"a", "b"})));
    EXPECT_NE(dictionaryFingerprint(wordList({"a", "b"})), dictionaryFingerprint(wordList({"b", "a"})));
    // SHA-256 of "a\nb"
    EXPECT_EQ(dictionaryFingerprint(wordList({"a", "b"})), "7e18f737311b2dc3");
}
