// The dictionary reader on arbitrary files: one entry per line (CR LF, a lone CR, or LF
// in a file without CR), each lower-cased in the code page; an empty file is refused, and
// so is one holding a byte the code page leaves unassigned, unless its rows are asked for.
// The loaded keyspace finds every entry at its lowest row; the search and the check agree
// with plain loops over the entries.

#include "dictionaryfile.h"
#include "fuzzsupport.h"
#include "keyspace.h"
#include "text.h"
#include "tokenizer.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 8192)
        return -1;
    const talvora::CodePage& cp = fuzz::programCodePage(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const fuzz::fs::path file = fuzz::Scratch::path() / "fuzz.dic";
    fuzz::writeFile(file, bytes);

    const bool unassignedByte = std::any_of(bytes.begin(), bytes.end(), [&](char c) {
        return !cp.isAssigned(static_cast<unsigned char>(c));
    });
    talvora::WordList words;
    std::vector<uint32_t> unassigned;
    try {
        words = talvora::readDictionary(file, cp);
        FUZZ_CHECK(!unassignedByte, "a byte the code page leaves unassigned was read");
    } catch (const talvora::Error& e) {
        FUZZ_CHECK(bytes.empty() || unassignedByte, std::string("refused: ") + e.what());
        if (bytes.empty())
            return 0;
        words = talvora::readDictionary(file, cp, &unassigned);
    }
    FUZZ_CHECK(!bytes.empty(), "an empty file was read");

    const std::vector<std::string> lines = fuzz::modelLines(bytes);
    FUZZ_CHECK(words.size() == lines.size(), fuzz::show(bytes) + ": " + std::to_string(words.size()) +
                                                 " entries, model " + std::to_string(lines.size()));
    for (uint32_t r = 1; r <= words.size(); ++r)
        FUZZ_CHECK(words[r] == talvora::toLower(cp.decode(lines[r - 1])),
                   "row " + std::to_string(r) + ": " + fuzz::show(words[r]));

    talvora::Keyspace ks;
    ks.load(words);
    std::map<std::string_view, uint32_t> lowest;
    talvora::DictionaryCheck want;
    for (uint32_t r = 1; r <= ks.wordCount(); ++r) {
        std::string_view w = ks.word(r);
        auto [it, first] = lowest.emplace(w, r);
        FUZZ_CHECK(ks.findWord(w) == it->second, "row " + std::to_string(r) + " " + fuzz::show(w));
        FUZZ_CHECK(ks.permuted(r) == w, "unprocessed column 2 differs at row " + std::to_string(r));
        bool sep = w.find_first_of(std::string(talvora::Separators) + " ") != std::string_view::npos;
        want.empty += w.empty();
        want.duplicated += !w.empty() && !first;
        want.withSeparator += sep;
        const bool odd = std::any_of(lines[r - 1].begin(), lines[r - 1].end(), [&](char c) {
            return !cp.isAssigned(static_cast<unsigned char>(c));
        });
        FUZZ_CHECK(odd == std::binary_search(unassigned.begin(), unassigned.end(), r),
                   "row " + std::to_string(r));
        want.withUnassigned += odd;
        want.unusable += w.empty() || !first || sep || odd;
    }
    const talvora::DictionaryCheck got = talvora::checkDictionary(ks.words(), unassigned);
    FUZZ_CHECK(got.empty == want.empty && got.duplicated == want.duplicated &&
                   got.withSeparator == want.withSeparator &&
                   got.withUnassigned == want.withUnassigned && got.unusable == want.unusable &&
                   got.entries.size() == got.unusable,
               fuzz::show(bytes));
    FUZZ_CHECK(talvora::dictionaryFingerprint(ks.words()).size() == 16, "fingerprint");

    // A prefix taken from the input: every row it finds starts with it, none is missed.
    if (ks.wordCount() > 0) {
        std::string prefix(ks.word(1).substr(0, 2));
        std::vector<uint32_t> rows = talvora::searchDictionary(ks.words(), prefix);
        size_t k = 0;
        for (uint32_t r = 1; r <= ks.wordCount() && !prefix.empty(); ++r)
            if (ks.word(r).starts_with(talvora::toLower(prefix))) {
                FUZZ_CHECK(k < rows.size() && rows[k] == r, "search " + fuzz::show(prefix));
                ++k;
            }
        FUZZ_CHECK(k == rows.size(), "search " + fuzz::show(prefix));
    }
    return 0;
}
