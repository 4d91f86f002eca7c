#include "commands.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "keyspacefixture.h"
#include "tokenizer.h"

#include <gtest/gtest.h>

using namespace talvora;

namespace {

const std::string Key = "123456789123456789";

struct Ready {
    Keyspace ks;
    explicit Ready(const std::vector<std::string>& words, const std::string& key = Key) {
        loadWords(ks, words);
        EXPECT_TRUE(processKey(ks, key).started);
    }
};

// Records the live callbacks in one sequence.
struct Recorder {
    std::vector<std::string> events;
    Feedback feedback() {
        Feedback f;
        f.status = [this](const std::string& s) { events.push_back("status:" + s); };
        f.message = [this](const std::string& m) { events.push_back("message:" + m); };
        f.busy = [this](bool on) { events.push_back(on ? "busy" : "arrow"); };
        f.progressVisible = [this](bool on) { events.push_back(on ? "bar" : "nobar"); };
        return f;
    }
};

std::vector<std::string> words(const std::string& s) {
    std::vector<std::string> out;
    for (auto& t : parseText(s))
        if (!t.empty())
            out.push_back(t);
    return out;
}

} // namespace

TEST(Process, EntryChecksInOrderAndNothingChanges) {
    Keyspace ks;
    auto r = processKey(ks, "");
    EXPECT_EQ(r.messages, std::vector<std::string>{msg::KeyNotDefined});
    r = processKey(ks, Key);
    EXPECT_EQ(r.messages, std::vector<std::string>{msg::NoDictionaryForProcess});
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(ks.keyspaceReady());
}

TEST(Process, RefusesKeysWhoseNumbersFallBelowOne) {
    Keyspace ks;
    loadWords(ks, numberedWords(500));
    for (const char* bad : {"00", "ab123456789", "   ", "-5123456789"}) {
        auto r = processKey(ks, bad);
        EXPECT_EQ(r.messages, std::vector<std::string>{msg::KeyUnusable}) << bad;
        EXPECT_TRUE(r.statuses.empty());
    }
    EXPECT_FALSE(ks.keyspaceReady());
    EXPECT_EQ(column2(ks), numberedWords(500));
}

TEST(Process, StatusBarAndPointerInOrder) {
    Keyspace ks;
    loadWords(ks, numberedWords(50));
    Recorder rec;
    auto r = processKey(ks, Key, rec.feedback());
    EXPECT_TRUE(ks.keyspaceReady());
    EXPECT_EQ(rec.events, (std::vector<std::string>{"busy", "status:Creating Keyspace...", "bar",
                                                    "nobar", "status:Dictionary is ready for cryption.",
                                                    "arrow"}));
}

TEST(Encode, EntryChecksInOrder) {
    Keyspace ks;
    EXPECT_EQ(encodeText(ks, "").messages, std::vector<std::string>{msg::MissingInput});
    EXPECT_EQ(encodeText(ks, "x").messages, std::vector<std::string>{msg::DictionaryNotLoaded});
    loadWords(ks, {"x"});
    EXPECT_EQ(encodeText(ks, "x").messages, std::vector<std::string>{msg::KeyNotProcessed});
    EXPECT_EQ(decodeText(ks, "x").messages, std::vector<std::string>{msg::KeyNotProcessed});
    EXPECT_FALSE(encodeText(ks, "x").output);
}

TEST(Encode, ClosedFormAndLowestRowForDuplicates) {
    auto dict = numberedWords(800);
    dict.push_back("w5"); // a second w5: the first row wins
    Ready r(dict);
    auto before = column2(r.ks);
    const std::string text = "W5, w7 w5!\r\nw800  w1 w5";
    auto res = encodeText(r.ks, text);
    ASSERT_TRUE(res.output);
    std::string expected;
    int k = 0;
    for (const auto& t : words(text)) {
        uint32_t row = r.ks.findWord(t);
        expected += before[(row - 1 + k) % before.size()] + " ";
        ++k;
    }
    EXPECT_EQ(*res.output, expected);
    EXPECT_EQ(column2(r.ks), before); // restored
    EXPECT_EQ(*encodeText(r.ks, text).output, expected);
}

TEST(Encode, MissingWordsOneMessageEachInTextOrder) {
    Ready r(numberedWords(100));
    Recorder rec;
    auto res = encodeText(r.ks, "Zorg! w1 w2 blip zorg", rec.feedback());
    EXPECT_FALSE(res.output);
    EXPECT_EQ(res.messages, (std::vector<std::string>{msg::wordNotFound("zorg"), msg::wordNotFound("blip"),
                                                      msg::wordNotFound("zorg")}));
    EXPECT_EQ(msg::wordNotFound("zorg"),
              "Cannot find the word 'zorg'.  Either it is a misspelling, or needs to be added to the dictionary.");
    EXPECT_EQ(rec.events.front(), "busy");
    EXPECT_EQ(rec.events[rec.events.size() - 2], "status:");
    EXPECT_EQ(rec.events.back(), "arrow");
}

TEST(Encode, PunctuationOnlyGivesEmptyOutput) {
    Ready r(numberedWords(30));
    auto res = encodeText(r.ks, " ,.!\r\n ");
    ASSERT_TRUE(res.output);
    EXPECT_EQ(*res.output, "");
    EXPECT_EQ(res.statuses, (std::vector<std::string>{"Parsing Text...", "Checking with Dictionary...",
                                                      "Encoding...", ""}));
}

// Column 2 is the dictionary itself after a load: nothing is coded with it.
TEST(Encode, AfterReloadTheKeyMustBeProcessedAgain) {
    Ready r(numberedWords(40));
    loadWords(r.ks, numberedWords(5, "v"));
    for (auto command : {encodeText, decodeText}) {
        auto res = command(r.ks, "v1 v1 v5", {});
        EXPECT_FALSE(res.output);
        EXPECT_EQ(res.messages, std::vector<std::string>{msg::KeyNotProcessed});
    }
    ASSERT_TRUE(processKey(r.ks, Key).started);
    EXPECT_NE(*encodeText(r.ks, "v1 v1 v5").output, "v1 v2 v2 ");
}

TEST(Decode, InvertsEncodeAndCountsMisses) {
    auto dict = numberedWords(3000);
    Ready r(dict, "293847561");
    std::string plain = "w17 w17 w17 w2999 w1 w3000 w44";
    auto enc = encodeText(r.ks, plain);
    ASSERT_TRUE(enc.output);
    EXPECT_NE(*enc.output, "w17 w17 w17 w2999 w1 w3000 w44 ");
    auto dec = decodeText(r.ks, *enc.output);
    EXPECT_EQ(*dec.output, "w17 w17 w17 w2999 w1 w3000 w44 ");
    EXPECT_EQ(dec.notFound, 0);
    EXPECT_EQ(dec.statuses, (std::vector<std::string>{"Parsing Text...", "Decoding...", ""}));

    // An inserted unknown word is dropped silently but still rotates the column.
    auto tokens = words(*enc.output);
    std::string tampered = tokens[0] + " nosuch";
    for (size_t i = 1; i < tokens.size(); ++i)
        tampered += " " + tokens[i];
    auto bad = decodeText(r.ks, tampered);
    EXPECT_EQ(bad.notFound, 1);
    EXPECT_TRUE(bad.messages.empty());
    EXPECT_EQ(words(*bad.output).size(), tokens.size());
    EXPECT_EQ(words(*bad.output)[0], "w17");
}

TEST(Decode, ClosedFormWithDuplicates) {
    std::vector<std::string> dict = numberedWords(60);
    dict[10] = dict[20] = dict[30] = "dup";
    Ready r(dict, "55443322119988");
    auto c = column2(r.ks);
    const std::string text = "dup dup w1 dup nothing dup";
    auto res = decodeText(r.ks, text);
    std::string expected;
    int k = 0;
    for (const auto& t : words(text)) {
        for (size_t j = 1; j <= c.size(); ++j)
            if (c[(j - 1 + k) % c.size()] == t) {
                expected += dict[j - 1] + " ";
                break;
            }
        ++k;
    }
    EXPECT_EQ(*res.output, expected);
}

TEST(Codec, OneWordDictionary) {
    Ready r({"solo"});
    EXPECT_EQ(*encodeText(r.ks, "solo SOLO").output, "solo solo ");
    auto dec = decodeText(r.ks, "solo other solo");
    EXPECT_EQ(*dec.output, "solo solo ");
    EXPECT_EQ(dec.notFound, 1);
}

TEST(Codec, LongTextsHaveNoSlotLimit) {
    Ready r(numberedWords(5000));
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "w" + std::to_string(1 + (i * 7919) % 5000) + (i % 10 == 9 ? "\r\n" : " ");
    auto enc = encodeText(r.ks, text);
    ASSERT_TRUE(enc.output);
    auto dec = decodeText(r.ks, *enc.output);
    std::string expected;
    for (const auto& w : words(text))
        expected += w + " ";
    EXPECT_EQ(*dec.output, expected);
}
