// Process, Encode and Decode on small dictionaries made from the input and written as a file,
// against a literal run: column 2 as the word-by-word construction builds it (sharing no
// code with the fast one), rotated after every word, words found by plain scans. On a clean
// dictionary (no empty, repeated or separator-holding entry) decoding the encoded text gives
// back its words. Whatever the dictionary, the encoded text dressed as sentences decodes
// exactly as it does (the same words, the same count not found), and dressing adds no
// character the code page cannot write.

#include "commands.h"
#include "dictionaryfile.h"
#include "dress.h"
#include "fuzzsupport.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "text.h"
#include "tokenizer.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Table = std::vector<std::string>; // row 0 unused

// Column 2 moves row 1 to the end after every word.
void rotate(Table& col2) {
    std::rotate(col2.begin() + 1, col2.begin() + 2, col2.end());
}

std::optional<std::string> literalEncode(const Table& col1, Table col2, const Table& tokens) {
    std::string out;
    for (const auto& t : tokens)
        if (!t.empty() && std::find(col1.begin() + 1, col1.end(), t) == col1.end())
            return std::nullopt;
    for (const auto& t : tokens)
        if (!t.empty()) {
            out += col2[std::find(col1.begin() + 1, col1.end(), t) - col1.begin()] + " ";
            rotate(col2);
        }
    return out;
}

std::string literalDecode(const Table& col1, Table col2, const Table& tokens, int& notFound) {
    std::string out;
    notFound = 0;
    for (const auto& t : tokens)
        if (!t.empty()) {
            const auto at = std::find(col2.begin() + 1, col2.end(), t);
            if (at != col2.end())
                out += col1[at - col2.begin()] + " ";
            notFound += at == col2.end();
            rotate(col2);
        }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096)
        return -1;
    FuzzedDataProvider fdp(data, size);
    const talvora::CodePage& cp = fuzz::codePage(fdp.ConsumeIntegral<uint8_t>());
    const bool cleanOnly = fdp.ConsumeBool();

    // The dictionary: entries from the input, CR LF after each; unclean ones are skipped
    // unless the input asks for them.
    std::string fileBytes;
    Table col1(1);
    std::set<std::string> seen;
    bool clean = true;
    const int wanted = fdp.ConsumeIntegralInRange(1, 120);
    for (int i = 0; i < wanted && fdp.remaining_bytes() > 0; ++i) {
        std::string entry = fdp.ConsumeRandomLengthString(12);
        if (entry.find_first_of("\r\n") != std::string::npos ||
            std::any_of(entry.begin(), entry.end(),
                        [&](char c) { return !cp.isAssigned(static_cast<unsigned char>(c)); }))
            continue;
        const std::string word = talvora::toLower(cp.decode(entry));
        const bool usable =
            !word.empty() && !seen.count(word) &&
            word.find_first_of(std::string(talvora::Separators) + " ") == std::string::npos;
        if (!usable && cleanOnly)
            continue;
        clean = clean && usable;
        seen.insert(word);
        col1.push_back(word);
        fileBytes += entry + "\r\n";
    }
    if (col1.size() < 2)
        return -1;
    std::string key = fdp.ConsumeBool() ? fdp.ConsumeRandomLengthString(20) : std::string();
    if (key.empty())
        for (int i = 0; i < 18; ++i)
            key += static_cast<char>('1' + fdp.ConsumeIntegralInRange(0, 8));

    const fuzz::fs::path file = fuzz::scratch() / "round.dic";
    fuzz::writeFile(file, fileBytes);
    talvora::Keyspace ks;
    talvora::loadDictionary(ks, file, cp);
    const talvora::KeyNumbers numbers = talvora::expandKey(key);
    const bool started = talvora::processKey(ks, key).started;
    FUZZ_CHECK(started == talvora::usableAsStrides(numbers), fuzz::show(key));
    if (!started)
        return 0;
    const Table col2 = talvora::buildKeyspaceLiteral(col1, numbers);
    const auto sameColumn = [&](const char* after) {
        for (uint32_t r = 1; r <= ks.wordCount(); ++r)
            FUZZ_CHECK(ks.word(r) == col1[r] && ks.permuted(r) == col2[r],
                       std::string(after) + ", key " + fuzz::show(key) + " row " +
                           std::to_string(r));
    };
    sameColumn("processed");

    // The plain text: dictionary words between blanks, line breaks and punctuation.
    static const char* const gaps[] = {" ", "  ", "\r\n", ", ", ". ", " - ", "! "};
    std::string text;
    const int count = fdp.ConsumeIntegralInRange(1, 40);
    for (int i = 0; i < count; ++i) {
        text += i > 0 ? gaps[fdp.ConsumeIntegralInRange<size_t>(0, std::size(gaps) - 1)] : "";
        text += col1[fdp.ConsumeIntegralInRange<size_t>(1, col1.size() - 1)];
    }
    std::minstd_rand dressing(fdp.ConsumeIntegral<uint32_t>());
    if (fdp.ConsumeBool())
        text += fdp.ConsumeRemainingBytesAsString();
    if (text.empty())
        return 0;

    const Table tokens = talvora::parseText(text);
    const talvora::CommandResult encoded = talvora::encodeText(ks, text);
    const auto want = literalEncode(col1, col2, tokens);
    FUZZ_CHECK(encoded.output == want && want.has_value() == encoded.messages.empty(),
               "encoding " + fuzz::show(text) + " with " + fuzz::show(key) + ": " +
                   fuzz::show(encoded.output.value_or("(none)")) + ", literal " +
                   fuzz::show(want.value_or("(none)")));
    sameColumn("encoded");
    int notFound = 0;
    const talvora::CommandResult decodedPlain = talvora::decodeText(ks, text);
    FUZZ_CHECK(decodedPlain.output == literalDecode(col1, col2, tokens, notFound) &&
                   decodedPlain.notFound == notFound,
               "decoding " + fuzz::show(text));
    if (!encoded.output || encoded.output->empty()) // separators alone: nothing to decode
        return 0;

    const talvora::CommandResult decoded = talvora::decodeText(ks, *encoded.output);
    FUZZ_CHECK(decoded.output ==
                       literalDecode(col1, col2, talvora::parseText(*encoded.output), notFound) &&
                   decoded.notFound == notFound,
               "decoding " + fuzz::show(*encoded.output));
    sameColumn("decoded");
    std::string words;
    for (const auto& t : tokens)
        words += t.empty() ? "" : t + " ";
    FUZZ_CHECK(!clean || (decoded.output == words && decoded.notFound == 0),
               "round trip of " + fuzz::show(text) + " with " + fuzz::show(key) + " gave " +
                   fuzz::show(decoded.output.value_or("(none)")));

    const std::string dressed = talvora::dressText(
        *encoded.output, [&](char32_t c) { return cp.byteOf(c).has_value(); },
        [&](uint32_t bound) { return static_cast<uint32_t>(dressing() % bound); });
    FUZZ_CHECK(!cp.firstUnencodable(dressed) || cp.firstUnencodable(*encoded.output),
               "dressing added an unwritable character: " + fuzz::show(dressed));
    const talvora::CommandResult fromDressed = talvora::decodeText(ks, dressed);
    FUZZ_CHECK(fromDressed.output == decoded.output && fromDressed.notFound == decoded.notFound,
               fuzz::show(*encoded.output) + " dressed as " + fuzz::show(dressed) + " decodes as " +
                   fuzz::show(fromDressed.output.value_or("(none)")));
    return 0;
}
