// What the codec reports about words it cannot use: one live message for a single missing
// word, a list for more, and the words a decoding left out.
#include "commands.h"
#include "keyspace.h"
#include "keyspacefixture.h"

#include <gtest/gtest.h>

using namespace talvora;

namespace {

struct Coder {
    Keyspace ks;
    std::vector<std::string> shown; // live message boxes
    Coder() {
        loadWords(ks, numberedWords(50));
        EXPECT_TRUE(processKey(ks, "123456789123456789").started);
    }
    CommandResult encode(const std::string& text) { return encodeText(ks, text, feedback()); }
    CommandResult decode(const std::string& text) { return decodeText(ks, text, feedback()); }
    Feedback feedback() {
        Feedback f;
        f.message = [this](const std::string& m) { shown.push_back(m); };
        return f;
    }
};

std::vector<std::pair<std::string, uint32_t>> listed(const CommandResult& r) {
    std::vector<std::pair<std::string, uint32_t>> out;
    for (const MissingWord& m : r.missing)
        out.emplace_back(m.word, m.count);
    return out;
}

} // namespace

TEST(MissingWords, EncodeShowsOneLiveMessageOnlyForASingleOccurrence) {
    Coder run;
    auto one = run.encode("w1 Zorg! w2");
    EXPECT_EQ(run.shown, std::vector<std::string>{msg::wordNotFound("zorg")});
    EXPECT_EQ(listed(one), (decltype(listed(one)){{"zorg", 1}}));

    run.shown.clear();
    auto many = run.encode("zorg w1 blip ZORG zorg");
    EXPECT_TRUE(run.shown.empty());
    EXPECT_FALSE(many.output);
    EXPECT_EQ(listed(many), (decltype(listed(many)){{"zorg", 3}, {"blip", 1}}));
    EXPECT_EQ(many.messages.size(), 4u); // every occurrence, for the command line
}

TEST(MissingWords, DecodeNamesTheWordsLeftOut) {
    Coder run;
    const std::string coded = *run.encode("w1 w2 w3").output;
    auto r = run.decode("nix " + coded + "nix blip");
    EXPECT_TRUE(run.shown.empty());
    EXPECT_EQ(r.notFound, 3);
    EXPECT_EQ(listed(r), (decltype(listed(r)){{"nix", 2}, {"blip", 1}}));
    EXPECT_EQ(msg::codedWordsNotFound(r.notFound, r.missing),
              "3 words were not found in the dictionary: nix (2 times), blip.");
    EXPECT_EQ(msg::codedWordsNotFound(1, {{"zorg", 1}}), "1 word was not found in the dictionary: zorg.");
    std::vector<MissingWord> twelve;
    for (const std::string& w : numberedWords(12, "x"))
        twelve.push_back({w, 1});
    EXPECT_EQ(msg::codedWordsNotFound(12, twelve),
              "12 words were not found in the dictionary: x1, x2, x3, x4, x5, x6, x7, x8, x9, x10 and 2 more.");
}
