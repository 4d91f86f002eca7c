// Process, Encode and Decode as a window calls them (the window's tests check their first
// refusals and statuses, fuzz_roundtrip the tokenizer under them against its model), and
// dressed output and the check after Encode, which must both leave decoding exactly as it was.
#include "commands.h"
#include "dress.h"
#include "keyspace.h"
#include "keyspacefixture.h"
#include "roundtrip.h"
#include "text.h"
#include "tokenizer.h"
#include "utf8.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>

using namespace talvora;
using V = std::vector<std::string>;

namespace {

const std::string Key = "123456789123456789";

// A dictionary loaded and its key processed.
struct Ready {
    Keyspace ks;
    explicit Ready(const V& words, const std::string& key = Key) {
        loadWords(ks, words);
        EXPECT_TRUE(processKey(ks, key).started);
    }
};

// The live callbacks in one sequence, and the progress values.
struct Recorder {
    V events;
    std::vector<int> progress;
    Feedback feedback() {
        auto add = [this](std::string e) { events.push_back(std::move(e)); };
        return {[=](const std::string& s) { add("status:" + s); },
                [=](const std::string& m) { add("message:" + m); },
                [=](bool on) { add(on ? "busy" : "arrow"); },
                [=](bool on) { add(on ? "bar" : "nobar"); },
                [this](int v) { progress.push_back(v); }};
    }
};

// The non-empty tokens joined as Decode writes them.
std::string joined(const V& words) {
    std::string out;
    for (const auto& w : words)
        out += w.empty() ? "" : w + " ";
    return out;
}

// Words of the vocabulary joined by blanks, punctuation and line breaks, as people type.
std::string randomText(std::mt19937& g, const V& vocabulary, int count) {
    static const char* joins[] = {" ", " ", " ", ", ", ". ", "\r\n", " - ", "  ", "!\r\n\r\n"};
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string w = vocabulary[g() % vocabulary.size()];
        if (g() % 4 == 0 && static_cast<unsigned char>(w[0]) < 0x80)
            if (auto capital = capitalFor(static_cast<unsigned char>(w[0])))
                w[0] = static_cast<char>(*capital);
        text += (i > 0 ? joins[g() % std::size(joins)] : "") + w;
    }
    return text;
}

// Clean words, words with letters whose capitals do not come back (ß, ı, ﬁ), a word that
// was written with İ (the loader folds it to i) and other letters with special capitals.
V awkwardWords() {
    V w = numberedWords(40, "word");
    for (const char* s : {"straße", "ılık", "ﬁnd", "İstanbul", "ǆungla", "ςigma", "µeter", "ÿes",
                          "émile", "ßa", "ıi", "ﬁﬁ"})
        w.push_back(toLower(s));
    return w;
}

// Entries that break the round trip: a blank, separators, a twin, an empty line.
V flawedWords() {
    return {"alpha",   "beta", "gamma", "red sky", "delta", "x-ray",
            "epsilon", "beta", "",      "zeta",    "eta",   "theta"};
}

} // namespace

TEST(Commands, EntryChecksInOrderFeedbackAndALoadAsksForProcessAgain) {
    Keyspace ks;
    loadWords(ks, numberedWords(500));
    for (const char* bad : {"00", "ab123456789", "   ", "-5123456789"}) {
        auto r = processKey(ks, bad);
        EXPECT_EQ(r.messages, V{msg::KeyUnusable}) << bad;
        EXPECT_FALSE(r.started || !r.statuses.empty()) << bad;
    }
    EXPECT_FALSE(ks.keyspaceReady());
    EXPECT_EQ(column2(ks), numberedWords(500));
    Recorder rec;
    EXPECT_TRUE(processKey(ks, Key, rec.feedback()).started);
    EXPECT_TRUE(ks.keyspaceReady());
    EXPECT_EQ(rec.events, (V{"busy", "status:Creating Keyspace...", "bar", "nobar",
                             "status:Dictionary is ready for cryption.", "arrow"}));
    ASSERT_EQ(rec.progress.size(), 100u); // 0 to 99, each once
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(rec.progress[i], i);
    Recorder failed; // one message each, in text order; the status cleared, the arrow back
    auto missing = encodeText(ks, "Zorg! w1 w2 blip zorg", failed.feedback());
    EXPECT_FALSE(missing.output);
    EXPECT_EQ(missing.messages,
              (V{msg::wordNotFound("zorg"), msg::wordNotFound("blip"), msg::wordNotFound("zorg")}));
    EXPECT_EQ(failed.events.front(), "busy");
    EXPECT_EQ(V(failed.events.end() - 2, failed.events.end()), (V{"status:", "arrow"}));
    EXPECT_EQ(*encodeText(ks, " ,.!\r\n ").output, ""); // punctuation only

    // A load leaves column 2 as the dictionary itself: nothing is coded with it until Process.
    loadWords(ks, numberedWords(5, "v"));
    EXPECT_TRUE(ks.dictionaryLoaded() && !ks.keyspaceReady());
    EXPECT_EQ(column2(ks), numberedWords(5, "v"));
    for (auto command : {encodeText, decodeText}) {
        auto res = command(ks, "v1 v1 v5", {});
        EXPECT_FALSE(res.output);
        EXPECT_EQ(res.messages, V{msg::KeyNotProcessed});
    }
    ASSERT_TRUE(processKey(ks, Key).started);
    EXPECT_NE(*encodeText(ks, "v1 v1 v5").output, "v1 v2 v2 "); // what the unkeyed column gives
}

// Slot k (non-empty tokens only) codes with column 2 rotated k times; the lowest row wins,
// as a scan of the rotated column finds it.
TEST(Codec, FollowsTheClosedFormWithRepeatedWordsOneWordAndLongTexts) {
    V dict = numberedWords(800);
    dict[10] = dict[20] = dict[30] = "dup";
    dict.push_back("w5");
    Ready r(dict, "55443322119988");
    const V c = column2(r.ks);
    const size_t n = c.size();
    const std::string text = "W5, dup w7 w5!\r\nw800  w1 dup w5";
    std::string expected;
    size_t k = 0;
    for (const auto& t : parseText(text))
        if (!t.empty())
            expected += c[(std::find(dict.begin(), dict.end(), t) - dict.begin() + k++) % n] + " ";
    auto enc = encodeText(r.ks, text);
    EXPECT_EQ(*enc.output, expected);

    std::string coded = "dup dup w1 dup nothing dup";
    for (size_t i = 0; i < n; ++i) // every word of column 2 and a twin, past every rotation
        coded += " " + c[(7 * i) % n] + " dup";
    expected.clear();
    k = 0;
    for (const auto& t : parseText(coded)) {
        for (size_t j = 0; j < n && !t.empty(); ++j)
            if (c[(j + k) % n] == t) {
                expected += dict[j] + " ";
                break;
            }
        ++k; // an unknown word is dropped, yet still turns the column
    }
    auto dec = decodeText(r.ks, coded);
    EXPECT_EQ(*dec.output, expected);
    EXPECT_EQ(dec.notFound, 1);
    EXPECT_TRUE(dec.messages.empty());

    // One word, and long texts: no limit on the slots.
    Ready solo({"solo"});
    EXPECT_EQ(*encodeText(solo.ks, "solo SOLO").output, "solo solo ");
    dec = decodeText(solo.ks, "solo other solo");
    EXPECT_EQ(*dec.output, "solo solo ");
    EXPECT_EQ(dec.notFound, 1);
    Ready large(numberedWords(5000));
    std::string words;
    for (int i = 0; i < 200000; ++i)
        words += "w" + std::to_string(1 + (i * 7919) % 5000) + (i % 10 == 9 ? "\r\n" : " ");
    enc = encodeText(large.ks, words);
    ASSERT_TRUE(enc.output);
    EXPECT_EQ(*decodeText(large.ks, *enc.output).output, joined(parseText(words)));
}

// Over thousands of texts: dressing adds only what decoding drops, so the text decodes as
// before (fuzz_roundtrip tries damaged texts and short ones), in sentences of five to fourteen
// words; the check after Encode agrees with a real decode, dressed or not, never passes a text
// that lost a word and turns no column.
TEST(Dress, SentencesDecodeAsBeforeAndTheRoundTripCheckAgrees) {
    std::mt19937 g(20261207);
    size_t sentences = 0, questions = 0, exclamations = 0, commas = 0, paragraphs = 0;
    for (const V& dict : {numberedWords(300), awkwardWords(), flawedWords()}) {
        Ready r(dict);
        const V before = column2(r.ks);
        V vocabulary; // what a text can hold: no blank, separator or empty entry
        std::copy_if(dict.begin(), dict.end(), std::back_inserter(vocabulary),
                     [](const std::string& w) {
                         return !w.empty() && w.find_first_of(" -") == std::string::npos;
                     });
        for (int i = 0; i < 1500; ++i) {
            const std::string text = randomText(g, vocabulary, 5 + static_cast<int>(g() % 60));
            const CommandResult enc = encodeText(r.ks, text);
            ASSERT_TRUE(enc.output) << text;
            const std::string coded = *enc.output;
            const std::string dressed = dressText(coded, {}, [&g](uint32_t bound) {
                return std::uniform_int_distribution<uint32_t>(0, bound - 1)(g);
            });
            const bool decodes = *decodeText(r.ks, coded).output == joined(parseText(text));
            const RoundTrip check = checkRoundTrip(r.ks, enc.rows, coded);
            ASSERT_EQ(check.same, decodes) << text;
            EXPECT_EQ(check.faultyRows.empty(), check.same) << text;
            ASSERT_EQ(checkRoundTrip(r.ks, enc.rows, dressed).same, decodes) << dressed;
            std::string cut = coded;
            cut.erase(0, cut.find(' ') + 1);
            EXPECT_FALSE(checkRoundTrip(r.ks, enc.rows, cut).same) << text;
            if (dict == flawedWords())
                continue; // their separators break the round trip, their blanks the sentences
            ASSERT_TRUE(decodes) << text;
            ASSERT_NE(std::string_view(".?!").find(dressed.back()), std::string_view::npos)
                << dressed;
            size_t count = 0, commaAt = 0;
            std::istringstream in(dressed);
            for (std::string word; in >> word;) {
                if (count++ == 0) { // a sentence's first word
                    size_t at = 0;
                    const char32_t first = utf8::next(word, at), lower = lowerChar(first);
                    EXPECT_EQ(first != lower, capitalFor(lower).has_value()) << word; // ß ı ﬁ stay
                }
                if (word.back() == ',') {
                    EXPECT_EQ(commaAt, 0u) << dressed; // at most one a sentence
                    commaAt = count;
                    ++commas;
                }
                if (std::string_view(".?!").find(word.back()) != std::string_view::npos) {
                    questions += word.back() == '?';
                    exclamations += word.back() == '!';
                    EXPECT_TRUE(count >= 5 && count <= 14) << dressed; // the last sentence too
                    // Never after the first word, and at least three words after it.
                    EXPECT_TRUE(!commaAt || (commaAt >= 2 && count - commaAt >= 3)) << dressed;
                    commaAt = count = 0;
                    ++sentences;
                }
            }
            for (size_t at = 0; (at = dressed.find("\r\n\r\n", at)) != std::string::npos; at += 4)
                ++paragraphs;
        }
        EXPECT_EQ(column2(r.ks), before);
    }
    // Now and then, not never and not always.
    EXPECT_TRUE(questions > sentences / 30 && questions < sentences / 5) << questions;
    EXPECT_TRUE(exclamations > sentences / 60 && exclamations < sentences / 10) << exclamations;
    EXPECT_TRUE(paragraphs > sentences / 8 && paragraphs < sentences / 2) << paragraphs;
    EXPECT_GT(commas, sentences / 5);
}

// A capital only where lower-casing gives the letter back, and only where the file holds it.
// That the system's draws differ from run to run: cli_dress_test.
TEST(Dress, CapitalsAreReversibleAndWritable) {
    EXPECT_EQ(capitalFor(U'é'), U'É');
    EXPECT_EQ(capitalFor(U'ÿ'), U'Ÿ');
    EXPECT_EQ(capitalFor(U'ǆ'), U'ǅ'); // the title case of the digraph
    for (char32_t none : {U'ß', U'ı', U'ﬁ', U'ς', U'µ', U'1', U'A', U'-', U' '})
        EXPECT_FALSE(capitalFor(none)) << static_cast<uint32_t>(none);
    for (char32_t c = 1; c < 0x30000; ++c) {
        const auto t = capitalFor(c);
        ASSERT_TRUE(!t || lowerChar(*t) == c) << static_cast<uint32_t>(c);
    }
    const std::string dressed = dressText(
        "ÿes word word word word word ", [](char32_t c) { return c < 0x100; },
        [](uint32_t) { return 0u; });
    EXPECT_EQ(dressed.substr(0, 4), "ÿes"); // Ÿ is U+0178
    EXPECT_EQ(dressText("", {}), "");
    EXPECT_EQ(dressText(" ", {}), " ");
}

TEST(RoundTripCheck, NamesTheEntriesAtFaultOnceFiveAtMost) {
    Ready r(flawedWords());
    // The last word repeated once per row: its output walks the whole of column 2, and
    // every lookup of a twin finds a lower row than the last.
    std::string text;
    for (size_t i = 0; i < flawedWords().size(); ++i)
        text += "theta ";
    const CommandResult enc = encodeText(r.ks, text);
    const RoundTrip check = checkRoundTrip(r.ks, enc.rows, *enc.output);
    ASSERT_FALSE(check.same);
    V named;
    for (uint32_t row : check.faultyRows)
        named.emplace_back(r.ks.word(row));
    std::sort(named.begin(), named.end());
    EXPECT_EQ(named, (V{"", "beta", "red sky", "x-ray"})); // the warning: cli_dress_test

    V bad = numberedWords(10, "bad-");
    bad.push_back("good");
    Ready ten(bad);
    const CommandResult good =
        encodeText(ten.ks, "good good good good good good good good good good good");
    const RoundTrip tenBad = checkRoundTrip(ten.ks, good.rows, *good.output);
    ASSERT_EQ(tenBad.faultyRows.size(), 10u);
    EXPECT_NE(msg::roundTripWarning(ten.ks, tenBad).find("; and 5 more."), std::string::npos);
}
