// Dressed output and the check after Encode: both must leave decoding exactly as it was.
#include "commands.h"
#include "dress.h"
#include "keyspace.h"
#include "keyspacefixture.h"
#include "roundtrip.h"
#include "text.h"
#include "tokenizer.h"
#include "utf8.h"

#include <gtest/gtest.h>
#include <random>

using namespace talvora;

namespace {

const std::string Key = "123456789123456789";

struct Ready {
    Keyspace ks;
    explicit Ready(const std::vector<std::string>& words) {
        loadWords(ks, words);
        EXPECT_TRUE(processKey(ks, Key).started);
    }
};

Draw seeded(std::mt19937& g) {
    return
        [&g](uint32_t bound) { return std::uniform_int_distribution<uint32_t>(0, bound - 1)(g); };
}

// Words of the vocabulary joined by blanks, punctuation and line breaks, as people type.
std::string randomText(std::mt19937& g, const std::vector<std::string>& vocabulary, int words) {
    static const char* joins[] = {" ", " ", " ", ", ", ". ", "\r\n", " - ", "  ", "!\r\n\r\n"};
    std::string text;
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            text += joins[g() % std::size(joins)];
        std::string w = vocabulary[g() % vocabulary.size()];
        if (g() % 4 == 0 && !w.empty() && static_cast<unsigned char>(w[0]) < 0x80)
            if (auto capital = capitalFor(static_cast<unsigned char>(w[0])))
                w[0] = static_cast<char>(*capital);
        text += w;
    }
    return text;
}

// The dressed text with what dressing may add taken away again.
std::string undressed(std::string_view dressed) {
    std::string out;
    for (size_t i = 0; i < dressed.size(); ++i) {
        const char c = dressed[i];
        if (c == ',' || c == '.' || c == '?' || c == '!')
            continue;
        if (dressed.substr(i, 4) == "\r\n\r\n") {
            out += ' ';
            i += 3;
            continue;
        }
        out += c;
    }
    return toLower(out);
}

// Clean words, words with letters whose capitals do not come back (ß, ı, ﬁ), a word that
// was written with İ (the loader folds it to i) and other letters with special capitals.
std::vector<std::string> awkwardWords() {
    std::vector<std::string> w = numberedWords(40, "word");
    for (const char* s : {"straße", "ılık", "ﬁnd", "İstanbul", "ǆungla", "ςigma", "µeter", "ÿes",
                          "émile", "ßa", "ıi", "ﬁﬁ"})
        w.push_back(toLower(s));
    return w;
}

// Entries that break the round trip: a blank, separators, a twin, an empty line.
std::vector<std::string> flawedWords() {
    return {"alpha",   "beta", "gamma", "red sky", "delta", "x-ray",
            "epsilon", "beta", "",      "zeta",    "eta",   "theta"};
}

// The entries a text can hold: the tokenizer keeps no blank or separator.
std::vector<std::string> wordsOfText(const std::vector<std::string>& entries) {
    std::vector<std::string> out;
    for (const auto& w : entries)
        if (!w.empty() && w.find_first_of(" -") == std::string::npos)
            out.push_back(w);
    return out;
}

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words)
        if (!w.empty())
            out += w + " ";
    return out;
}

} // namespace

TEST(Capital, OnlyWhereLowerCasingGivesTheLetterBack) {
    EXPECT_EQ(capitalFor(U'a'), U'A');
    EXPECT_EQ(capitalFor(U'é'), U'É');
    EXPECT_EQ(capitalFor(U'ÿ'), U'Ÿ');
    EXPECT_EQ(capitalFor(U'ǆ'), U'ǅ'); // the title case of the digraph
    for (char32_t none : {U'ß', U'ı', U'ﬁ', U'ς', U'µ', U'1', U'A', U'-', U' '})
        EXPECT_FALSE(capitalFor(none)) << static_cast<uint32_t>(none);
    for (char32_t c = 1; c < 0x30000; ++c) {
        if (auto t = capitalFor(c)) {
            ASSERT_EQ(lowerChar(*t), c) << static_cast<uint32_t>(c);
        }
    }
}

TEST(Dress, DecodesExactlyAsTheUndressedTextOverThousandsOfTexts) {
    std::mt19937 g(20261207);
    for (const auto& words : {numberedWords(300), awkwardWords(), flawedWords()}) {
        Ready r(words);
        const std::vector<std::string> vocabulary = wordsOfText(words);
        for (int i = 0; i < 1500; ++i) {
            const std::string text = randomText(g, vocabulary, 1 + static_cast<int>(g() % 60));
            const CommandResult enc = encodeText(r.ks, text);
            ASSERT_TRUE(enc.output) << text;
            // An encoded text with a stray word in it, as a damaged message would be.
            std::string coded = *enc.output;
            if (i % 5 == 0)
                coded.insert(coded.find(' ') + 1, "missing ");
            const std::string dressed = dressText(coded, {}, seeded(g));
            const CommandResult plain = decodeText(r.ks, coded);
            const CommandResult fancy = decodeText(r.ks, dressed);
            ASSERT_EQ(*fancy.output, *plain.output) << dressed;
            ASSERT_EQ(fancy.notFound, plain.notFound) << dressed;
            if (words == flawedWords())
                continue; // their separators would be taken for added ones
            std::string expected = coded;
            expected.pop_back(); // the final blank became the last full stop
            ASSERT_EQ(undressed(dressed), expected) << dressed;
        }
    }
}

TEST(Dress, SentencesOfFiveToFourteenWordsWithCapitalsAndPunctuation) {
    Ready r(awkwardWords());
    std::mt19937 g(7);
    size_t sentences = 0, questions = 0, exclamations = 0, commas = 0, paragraphs = 0, capitals = 0,
           keptLower = 0;
    for (int i = 0; i < 300; ++i) {
        const std::string coded =
            *encodeText(r.ks, randomText(g, awkwardWords(), 5 + static_cast<int>(g() % 80))).output;
        const std::string dressed = dressText(coded, {}, seeded(g));
        ASSERT_TRUE(dressed.back() == '.' || dressed.back() == '?' || dressed.back() == '!')
            << dressed;
        size_t words = 0, commaAt = 0;
        bool start = true;
        for (size_t pos = 0; pos < dressed.size();) {
            const size_t end = dressed.find_first_of(" \r", pos);
            std::string_view word =
                std::string_view(dressed).substr(pos, end == std::string::npos ? end : end - pos);
            pos =
                end == std::string::npos ? dressed.size() : dressed.find_first_not_of(" \r\n", end);
            if (word.empty())
                continue;
            if (start) {
                size_t at = 0;
                const char32_t first = utf8::next(word, at);
                const char32_t lower = lowerChar(first);
                if (capitalFor(lower)) {
                    EXPECT_NE(first, lower) << word;
                    ++capitals;
                } else {
                    EXPECT_EQ(first, lower) << word; // ß, ı, ﬁ stay as they are
                    ++keptLower;
                }
            }
            start = false;
            ++words;
            if (word.back() == ',') {
                EXPECT_EQ(commaAt, 0u) << dressed; // at most one a sentence
                commaAt = words;
                ++commas;
            }
            if (word.back() == '.' || word.back() == '?' || word.back() == '!') {
                questions += word.back() == '?';
                exclamations += word.back() == '!';
                EXPECT_GE(words, 5u) << dressed; // the last sentence too
                EXPECT_LE(words, 14u) << dressed;
                // Never after the first word, and at least three words after it.
                if (commaAt) {
                    EXPECT_GE(commaAt, 2u) << dressed;
                    EXPECT_GE(words - commaAt, 3u) << dressed;
                }
                commaAt = 0;
                ++sentences;
                words = 0;
                start = true;
            }
        }
        for (size_t at = dressed.find("\r\n"); at != std::string::npos;
             at = dressed.find("\r\n", at + 4)) {
            ASSERT_EQ(dressed.substr(at, 4), "\r\n\r\n");
            ++paragraphs;
        }
    }
    // Now and then, not never and not always.
    EXPECT_GT(questions, sentences / 30);
    EXPECT_LT(questions, sentences / 5);
    EXPECT_GT(exclamations, sentences / 60);
    EXPECT_LT(exclamations, sentences / 10);
    EXPECT_GT(commas, sentences / 5);
    EXPECT_GT(paragraphs, sentences / 8);
    EXPECT_LT(paragraphs, sentences / 2);
    EXPECT_GT(capitals, 0u);
    EXPECT_GT(keptLower, 0u);
}

TEST(Dress, CapitalsTheFileCannotHoldAreLeftOut) {
    const std::string dressed = dressText(
        "ÿes word word word word word ", [](char32_t c) { return c < 0x100; },
        [](uint32_t) { return 0u; });
    EXPECT_EQ(dressed.substr(0, 4), "ÿes"); // Ÿ is U+0178
    EXPECT_EQ(dressText("", {}), "");
    EXPECT_EQ(dressText(" ", {}), " ");
}

TEST(Dress, TheOperatingSystemChoosesSoTwoDressingsDiffer) {
    std::string coded;
    for (int i = 0; i < 300; ++i)
        coded += "word ";
    EXPECT_NE(dressText(coded), dressText(coded));
}

TEST(RoundTripCheck, AgreesWithARealDecodeAndLeavesTheKeyspaceAlone) {
    std::mt19937 g(99);
    for (const auto& words : {numberedWords(200), awkwardWords(), flawedWords()}) {
        Ready r(words);
        const auto before = column2(r.ks);
        const std::vector<std::string> clean = wordsOfText(words);
        for (int i = 0; i < 1000; ++i) {
            const std::string text = randomText(g, clean, 1 + static_cast<int>(g() % 40));
            const CommandResult enc = encodeText(r.ks, text);
            ASSERT_TRUE(enc.output);
            const bool decodes = *decodeText(r.ks, *enc.output).output == joined(parseText(text));
            const RoundTrip check = checkRoundTrip(r.ks, enc.rows, *enc.output);
            ASSERT_EQ(check.same, decodes) << text;
            EXPECT_EQ(check.faultyRows.empty(), check.same) << text;
            // Dressed text is checked the same way and gives the same answer.
            ASSERT_EQ(checkRoundTrip(r.ks, enc.rows, dressText(*enc.output, {}, seeded(g))).same,
                      decodes);
            // A text that lost a word never passes.
            std::string cut = *enc.output;
            cut.erase(0, cut.find(' ') + 1);
            EXPECT_FALSE(checkRoundTrip(r.ks, enc.rows, cut).same) << text;
        }
        EXPECT_EQ(column2(r.ks), before);
        if (words != flawedWords()) {
            EXPECT_TRUE(checkRoundTrip(r.ks, encodeText(r.ks, joined(words)).rows,
                                       *encodeText(r.ks, joined(words)).output)
                            .same);
        }
    }
}

TEST(RoundTripCheck, NamesTheEntriesAtFaultOnce) {
    Ready r(flawedWords());
    // The last word repeated once per row: its output walks the whole of column 2, and
    // every lookup of a twin finds a lower row than the last.
    std::string text;
    for (size_t i = 0; i < flawedWords().size(); ++i)
        text += "theta ";
    const CommandResult enc = encodeText(r.ks, text);
    const RoundTrip check = checkRoundTrip(r.ks, enc.rows, *enc.output);
    ASSERT_FALSE(check.same);
    std::vector<std::string> named;
    for (uint32_t row : check.faultyRows)
        named.emplace_back(r.ks.word(row));
    std::sort(named.begin(), named.end());
    EXPECT_EQ(named, (std::vector<std::string>{"", "beta", "red sky", "x-ray"}));

    const std::string warning = msg::roundTripWarning(r.ks, check);
    EXPECT_EQ(warning.find('\n'), std::string::npos);
    EXPECT_NE(warning.find("line 4 \"red sky\" (holds a blank, line break or punctuation)"),
              std::string::npos)
        << warning;
    EXPECT_NE(warning.find("line 6 \"x-ray\""), std::string::npos) << warning;
    EXPECT_NE(warning.find("line 9 (empty)"), std::string::npos) << warning;
    EXPECT_TRUE(warning.find("\"beta\" (also on line 8)") != std::string::npos ||
                warning.find("\"beta\" (also on line 2)") != std::string::npos)
        << warning;
}

TEST(RoundTripCheck, NamesFiveEntriesAndCountsTheRest) {
    std::vector<std::string> words;
    for (int i = 1; i <= 10; ++i)
        words.push_back("bad-" + std::to_string(i));
    words.push_back("good");
    Ready r(words);
    const CommandResult enc =
        encodeText(r.ks, "good good good good good good good good good good good");
    const RoundTrip check = checkRoundTrip(r.ks, enc.rows, *enc.output);
    ASSERT_EQ(check.faultyRows.size(), 10u);
    const std::string warning = msg::roundTripWarning(r.ks, check);
    EXPECT_NE(warning.find("; and 5 more."), std::string::npos) << warning;
}
