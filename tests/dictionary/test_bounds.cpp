// The suggestion index within its memory cap, and bytes a code page leaves unassigned.
#include "codepage.h"
#include "dictionaryfile.h"
#include "error.h"
#include "keyspace.h"
#include "suggest.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace talvora;

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
    EXPECT_EQ(small.suggest("cut"), std::vector<std::string>{"cat"});
    const Suggester full(words);
    EXPECT_TRUE(full.complete());
    EXPECT_GT(full.nodeCount(), 200u);
}

TEST(Bounds, AByteTheCodePageLeavesUnassignedIsRefusedAndCounted) {
    TempFolder dir;
    const CodePage greek = CodePage::fromName("windows-1253");
    const auto path = dir.write("g.dic", "alpha\r\n\xD2x\r\nbeta\r\n");
    try {
        readDictionary(path, greek);
        ADD_FAILURE() << "read";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("line 2 holds the byte 0xD2"), std::string::npos);
    }
    std::vector<uint32_t> rows;
    const WordList words = readDictionary(path, greek, &rows);
    EXPECT_EQ(rows, std::vector<uint32_t>{2});
    EXPECT_EQ(checkDictionary(words, rows).withUnassigned, 1u);

    Keyspace ks;
    ks.load(readDictionary(dir.write("ok.dic", "alpha\r\n"), greek));
    EXPECT_THROW(addDictionaryWord(ks, dir / "ok.dic", "\u00FF", greek), Error);
    EXPECT_EQ(TempFolder::read(dir / "ok.dic"), "alpha\r\n");
}
