// Every shipped dictionary: Encode's own check stays silent, and dressed output decodes
// exactly as the plain output does.
#include "filetestname.h"
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "dress.h"
#include "keyspace.h"
#include "roundtrip.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace talvora;

namespace {

struct Shipped {
    const char* file;
    const char* codePage;
};

const Shipped Files[] = {
    {"eng.dic", "windows-1252"}, {"Czech.dic", "windows-1250"},  {"dk.dic", "windows-1252"},
    {"nl.dic", "windows-1252"},  {"fr.dic", "windows-1252"},     {"de_neu.dic", "windows-1252"},
    {"it.dic", "windows-1252"},  {"pl.dic", "windows-1250"},     {"es.dic", "windows-1252"},
    {"se.dic", "windows-1252"},  {"sample.dic", "windows-1252"},
};

class ShippedRoundTrip : public ::testing::TestWithParam<Shipped> {};

TEST_P(ShippedRoundTrip, CheckIsSilentAndDressingChangesNoDecodedWord) {
    const CodePage cp = CodePage::fromName(GetParam().codePage);
    Keyspace ks;
    ASSERT_NO_THROW(
        loadDictionary(ks, std::filesystem::path(TALVORA_SOURCE_DATA) / GetParam().file, cp));
    ASSERT_TRUE(processKey(ks, "918273645546372819").started);
    const CanWrite canWrite = [&cp](char32_t c) { return cp.byteOf(c).has_value(); };

    // Random words of the whole dictionary, some typed with a capital, in texts of every
    // length up to two hundred words; the first text walks the first rows.
    std::mt19937 g(std::hash<std::string>{}(GetParam().file));
    std::uniform_int_distribution<uint32_t> row(1, ks.wordCount());
    for (int t = 0; t < 300; ++t) {
        std::string text;
        const int words = 1 + static_cast<int>(g() % 200);
        for (int i = 0; i < words; ++i) {
            text += ks.word(t == 0 ? static_cast<uint32_t>(i % ks.wordCount()) + 1 : row(g));
            text += i % 17 == 16 ? ".\r\n" : " ";
        }
        const CommandResult enc = encodeText(ks, text);
        ASSERT_TRUE(enc.messages.empty()) << enc.messages.front();
        ASSERT_TRUE(enc.output);
        const RoundTrip check = checkRoundTrip(ks, enc.rows, *enc.output);
        ASSERT_TRUE(check.same) << msg::roundTripWarning(ks, check);

        const std::string dressed = dressText(*enc.output, canWrite);
        ASSERT_NO_THROW(cp.encode(dressed)) << "a capital the code page lacks";
        const CommandResult plain = decodeText(ks, *enc.output);
        const CommandResult fancy = decodeText(ks, dressed);
        ASSERT_EQ(*fancy.output, *plain.output) << dressed;
        ASSERT_EQ(fancy.notFound, 0);
        ASSERT_TRUE(checkRoundTrip(ks, enc.rows, dressed).same);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedRoundTrip, ::testing::ValuesIn(Files),
                         fileTestName<::testing::TestParamInfo<Shipped>>);

} // namespace
