// Process, Encode and Decode on small dictionaries made from the input, against literal models
// that take every rule step by step and share no code with the fast path: the key doubled up
// to 18 characters, mirrored, the nine stages run twice with N fixed per stage, the sequential
// smoothing, groups read as numbers; the text lower-cased character by character, each CR LF
// (scanned from the start) a blank, a slot at every blank, the 30 separators dropped; column 2
// built word by word and rotated after every word, words found by plain scans. That a clean
// dictionary's encoded text decodes back to its words, and dressed texts, are the unit tests'.

#include "commands.h"
#include "fuzzsupport.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "text.h"
#include "tokenizer.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <unicode/uchar.h>
#include <vector>

namespace {

using Table = std::vector<std::string>;

// A two-character group read as a decimal number: blanks, tabs and line feeds ignored, an
// optional sign, then digits and one decimal point up to the first character that cannot
// continue the number; rounded to the nearest whole number, a half to even.
int64_t modelGroup(char32_t a, char32_t b) {
    std::string number;
    bool sign = false, point = false, digit = false;
    for (char32_t c : {a, b}) {
        if (c == U' ' || c == U'\t' || c == U'\n')
            continue;
        if ((c == U'+' || c == U'-') && !sign && !point && !digit)
            sign = true;
        else if (c == U'.' && !point)
            point = true;
        else if (c >= U'0' && c <= U'9')
            digit = true;
        else
            break; // an ampersand first reads as 0 too: nothing was read yet
        number += static_cast<char>(c);
    }
    return digit ? static_cast<int64_t>(std::nearbyint(std::strtod(number.c_str(), nullptr))) : 0;
}

// One vector kept for every run: a fresh one of this size costs a system call each time.
const std::vector<int64_t>& modelExpand(std::u32string key) {
    while (key.size() < 18)
        key += key;
    key.resize(18);
    const std::u32string w = key + std::u32string(key.rbegin(), key.rend());
    static std::vector<int64_t> e;
    e.assign(1, 0); // index 0 unused
    auto last = [&] { return static_cast<int64_t>(e.size()) - 1; };
    for (int pass = 1; pass <= 2; ++pass) {
        for (int g = 1; g <= 18; ++g) // a
            e.push_back(modelGroup(w[2 * g - 2], w[2 * g - 1]));
        for (int64_t s = 1, n = last(); s <= n; ++s) // b
            e.push_back(e[s] + 2);
        for (int64_t s = 1, n = last(); s <= n; ++s) // c
            e.push_back(e[s] + 3);
        for (int64_t s = 2, n = last(); s <= n; s += 2) // d
            e.push_back(e[s] + 4);
        for (int64_t s = 3, n = last(); s <= n; s += 3) // e
            e.push_back(e[s] + 5);
        for (int64_t s = 4, n = last(); s <= n; s += 4) // f
            e.push_back(e[s] + 1);
        for (int64_t s = last(); s >= 1; s -= 6) // g
            e.push_back(e[s] + 7);
        for (int64_t s = last(); s >= 1; --s) // h
            e.push_back(e[s] + 1);
        for (int64_t s = 1, n = last(); s <= n; s += 10) // i
            e.push_back(e[s] + 2);
    }
    for (size_t i = 2; i < e.size(); ++i) {
        e[i] += e[i] == e[i - 1] ? 2 : 0;
        e[i] += e[i] == 0 ? 1 : 0;
    }
    return e;
}

Table modelParse(std::string_view text) {
    std::u32string chars;
    for (size_t pos = 0; pos < text.size();)
        chars +=
            static_cast<char32_t>(u_tolower(static_cast<UChar32>(talvora::utf8::next(text, pos))));
    const std::u32string separators = U",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"";
    Table slots(1);
    for (size_t i = 0; i < chars.size(); ++i) {
        const bool crLf = chars[i] == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n';
        if (chars[i] == U' ' || crLf)
            slots.emplace_back();
        else if (separators.find(chars[i]) == std::u32string::npos)
            talvora::utf8::append(slots.back(), chars[i]);
        i += crLf;
    }
    return slots;
}

// Each word is looked up in one column and stands for the other column's entry in its row;
// column 2 moves row 1 to the end after every word. Encoding fails on a word not found,
// decoding counts it.
std::optional<std::string> literal(const Table& col1, Table col2, const Table& words, bool encode,
                                   int& notFound) {
    std::string out;
    notFound = 0;
    for (const auto& t : words) {
        if (t.empty())
            continue;
        const Table& from = encode ? col1 : col2;
        const size_t at = std::find(from.begin() + 1, from.end(), t) - from.begin();
        if (at == from.size() && encode)
            return std::nullopt;
        out += at < from.size() ? (encode ? col2 : col1)[at] + " " : "";
        notFound += at == from.size();
        std::rotate(col2.begin() + 1, col2.begin() + 2, col2.end());
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
    // The key first, so that the input's first bytes are the key; none stands for 18 digits.
    std::string key = fdp.ConsumeRandomLengthString(40);
    for (int i = key.empty() ? 0 : 18; i < 18; ++i)
        key += static_cast<char>('1' + fdp.ConsumeIntegralInRange(0, 8));
    const talvora::KeyNumbers numbers = talvora::expandKey(key);
    std::u32string chars;
    for (size_t pos = 0; pos < key.size();)
        chars += talvora::utf8::next(key, pos);
    const std::vector<int64_t>& model = modelExpand(chars);
    for (size_t i = 1; i < numbers.size(); ++i)
        FUZZ_CHECK(numbers[i] == model.at(i),
                   "key " + fuzz::show(key) + " entry " + std::to_string(i));
    FUZZ_CHECK(talvora::parseText(key) == modelParse(key), "tokens of " + fuzz::show(key));

    // The dictionary: entries from the input as the reader gives them; unclean ones are
    // skipped unless the input asks for them.
    talvora::WordList list;
    Table col1(1); // row 0 unused
    for (int i = fdp.ConsumeIntegralInRange(1, 120); i > 0 && fdp.remaining_bytes() > 0; --i) {
        const std::string word = talvora::toLower(cp.decode(fdp.ConsumeRandomLengthString(12)));
        const bool usable = std::find(col1.begin(), col1.end(), word) == col1.end() &&
                            modelParse(word) == Table{word} && !word.empty();
        if (!usable && cleanOnly)
            continue;
        col1.push_back(word);
        list.add(word);
    }
    if (col1.size() < 2)
        return -1;
    talvora::Keyspace ks;
    ks.load(std::move(list));
    if (!talvora::processKey(ks, key).started)
        return 0;
    const Table col2 = talvora::buildKeyspaceLiteral(col1, numbers);
    for (uint32_t r = 1; r <= ks.wordCount(); ++r)
        FUZZ_CHECK(ks.permuted(r) == col2[r], "column 2 of " + fuzz::show(key));

    // The plain text: dictionary words between blanks, line breaks and punctuation.
    static const char* const gaps[] = {" ", "  ", "\r\n", ", ", ". ", " - ", "! "};
    std::string text;
    for (int i = fdp.ConsumeIntegralInRange(1, 40); i > 0; --i) {
        text += col1[fdp.ConsumeIntegralInRange<size_t>(1, col1.size() - 1)];
        text += i > 1 ? gaps[fdp.ConsumeIntegralInRange<size_t>(0, std::size(gaps) - 1)] : "";
    }
    if (fdp.ConsumeBool())
        text += fdp.ConsumeRemainingBytesAsString();
    const Table tokens = modelParse(text);
    FUZZ_CHECK(talvora::parseText(text) == tokens, "tokens of " + fuzz::show(text));
    if (text.empty())
        return 0;

    int notFound = 0;
    const talvora::CommandResult encoded = talvora::encodeText(ks, text);
    const auto want = literal(col1, col2, tokens, true, notFound);
    FUZZ_CHECK(encoded.output == want && want.has_value() == encoded.messages.empty(),
               "encoding " + fuzz::show(text) + " with " + fuzz::show(key));
    const talvora::CommandResult decodedPlain = talvora::decodeText(ks, text);
    FUZZ_CHECK(decodedPlain.output == literal(col1, col2, tokens, false, notFound) &&
                   decodedPlain.notFound == notFound,
               "decoding " + fuzz::show(text));
    return 0;
}
