// Encode and decode on small dictionaries made from the input and written as a file.
// Column 2 after "Process" equals the word-by-word construction; encoding and decoding
// equal a literal run over a table of texts rotated after every word; and on a clean
// dictionary (no empty, repeated or separator-holding entry) decoding the encoded text
// gives back the words of the plain text.

#include "commands.h"
#include "dictionaryfile.h"
#include "fuzzsupport.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "text.h"
#include "tokenizer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

bool holdsSeparator(std::string_view w) {
    return w.find_first_of(std::string(talvora::Separators) + " \r\n") != std::string_view::npos;
}

// Column 2 as a table of texts, row 1 first; rotating moves row 1 to the end.
struct LiteralColumn {
    std::vector<std::string> col; // col[0] unused
    void rotate() {
        std::string kept = col[1];
        for (size_t r = 2; r < col.size(); ++r)
            col[r - 1] = col[r];
        col.back() = kept;
    }
};

std::optional<std::string> literalEncode(const std::vector<std::string>& col1, LiteralColumn col2,
                                         const std::vector<std::string>& tokens) {
    std::string out;
    for (const auto& t : tokens) {
        if (t.empty())
            continue;
        size_t r = 1;
        while (r < col1.size() && col1[r] != t)
            ++r;
        if (r == col1.size())
            return std::nullopt;
    }
    for (const auto& t : tokens) {
        if (t.empty())
            continue;
        size_t r = 1;
        while (col1[r] != t)
            ++r;
        out += col2.col[r] + " ";
        col2.rotate();
    }
    return out;
}

std::string literalDecode(const std::vector<std::string>& col1, LiteralColumn col2,
                          const std::vector<std::string>& tokens, int& notFound) {
    std::string out;
    notFound = 0;
    for (const auto& t : tokens) {
        if (t.empty())
            continue;
        size_t r = 1;
        while (r < col2.col.size() && col2.col[r] != t)
            ++r;
        if (r < col2.col.size())
            out += col1[r] + " ";
        else
            ++notFound;
        col2.rotate();
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096)
        return -1;
    FuzzedDataProvider fdp(data, size);
    const talvora::CodePage& cp = fuzz::programCodePage(fdp.ConsumeIntegral<uint8_t>());
    const bool cleanOnly = fdp.ConsumeBool();

    // The dictionary: entries from the input, CR LF after each; unclean ones are skipped
    // unless the input asks for them.
    std::string fileBytes;
    std::vector<std::string> col1(1);
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
        const bool usable = !word.empty() && !holdsSeparator(word) && !seen.count(word);
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

    const fuzz::fs::path file = fuzz::Scratch::path() / "round.dic";
    fuzz::writeFile(file, fileBytes);
    talvora::Keyspace ks;
    talvora::loadDictionary(ks, file, cp);
    FUZZ_CHECK(ks.wordCount() == col1.size() - 1, fuzz::show(fileBytes));
    for (uint32_t r = 1; r <= ks.wordCount(); ++r)
        FUZZ_CHECK(ks.word(r) == col1[r], "row " + std::to_string(r));

    const talvora::CommandResult processed = talvora::processKey(ks, key);
    const talvora::KeyNumbers numbers = talvora::expandKey(key);
    if (!talvora::usableAsStrides(numbers)) {
        FUZZ_CHECK(!processed.started && processed.messages.size() == 1 &&
                       processed.messages[0] == talvora::msg::KeyUnusable,
                   fuzz::show(key));
        return 0;
    }
    FUZZ_CHECK(processed.started && processed.messages.empty(), fuzz::show(key));
    LiteralColumn col2{talvora::buildKeyspaceLiteral(col1, numbers)};
    for (uint32_t r = 1; r <= ks.wordCount(); ++r)
        FUZZ_CHECK(ks.permuted(r) == col2.col[r], "key " + fuzz::show(key) + " row " + std::to_string(r));

    // The plain text: dictionary words between blanks, line breaks and punctuation.
    static const char* const gaps[] = {" ", "  ", "\r\n", ", ", ". ", " - ", "! "};
    std::string text;
    std::vector<std::string> plainWords;
    const int count = fdp.ConsumeIntegralInRange(1, 40);
    for (int i = 0; i < count; ++i) {
        const auto r = fdp.ConsumeIntegralInRange<size_t>(1, col1.size() - 1);
        if (i > 0)
            text += gaps[fdp.ConsumeIntegralInRange<size_t>(0, std::size(gaps) - 1)];
        text += col1[r];
        plainWords.push_back(col1[r]);
    }
    const bool garbage = fdp.ConsumeBool();
    if (garbage)
        text += fdp.ConsumeRemainingBytesAsString();
    if (text.empty()) {
        FUZZ_CHECK(talvora::encodeText(ks, text).messages ==
                       std::vector<std::string>{talvora::msg::MissingInput},
                   "empty text");
        return 0;
    }
    const std::vector<std::string> tokens = talvora::parseText(text);
    if (clean && !garbage) {
        std::vector<std::string> words;
        for (const auto& t : tokens)
            if (!t.empty())
                words.push_back(t);
        FUZZ_CHECK(words == plainWords, "the words of " + fuzz::show(text));
    }

    const talvora::CommandResult encoded = talvora::encodeText(ks, text);
    const auto want = literalEncode(col1, col2, tokens);
    FUZZ_CHECK(encoded.output == want, "encoding " + fuzz::show(text) + " with " + fuzz::show(key) +
                                           ": " + fuzz::show(encoded.output.value_or("(none)")) +
                                           ", literal " + fuzz::show(want.value_or("(none)")));
    FUZZ_CHECK(want.has_value() == encoded.messages.empty(), fuzz::show(text));
    for (uint32_t r = 1; r <= ks.wordCount(); ++r)
        FUZZ_CHECK(ks.permuted(r) == col2.col[r], "column 2 not restored after encoding, row " +
                                                      std::to_string(r));

    int notFound = 0;
    const talvora::CommandResult decodedPlain = talvora::decodeText(ks, text);
    FUZZ_CHECK(decodedPlain.output == literalDecode(col1, col2, tokens, notFound) &&
                   decodedPlain.notFound == notFound,
               "decoding " + fuzz::show(text));

    if (!encoded.output)
        return 0;
    if (encoded.output->empty()) { // a text of separators alone: nothing to decode
        FUZZ_CHECK(talvora::decodeText(ks, "").messages ==
                       std::vector<std::string>{talvora::msg::MissingInput},
                   "empty code");
        return 0;
    }
    const std::vector<std::string> codeTokens = talvora::parseText(*encoded.output);
    const talvora::CommandResult decoded = talvora::decodeText(ks, *encoded.output);
    FUZZ_CHECK(decoded.output == literalDecode(col1, col2, codeTokens, notFound) &&
                   decoded.notFound == notFound,
               "decoding " + fuzz::show(*encoded.output));
    for (uint32_t r = 1; r <= ks.wordCount(); ++r)
        FUZZ_CHECK(ks.permuted(r) == col2.col[r], "column 2 not restored after decoding");
    if (clean) {
        std::string plain;
        for (const auto& t : tokens)
            if (!t.empty())
                plain += t + " ";
        FUZZ_CHECK(decoded.output == plain && decoded.notFound == 0,
                   "round trip of " + fuzz::show(text) + " with " + fuzz::show(key) + " gave " +
                       fuzz::show(decoded.output.value_or("(none)")));
    }
    return 0;
}
