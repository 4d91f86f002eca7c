// Key expansion and the tokenizer against slow models that take every rule literally, step
// by step, on the same input: its first 64 bytes as a key, all of it as a text.
// The key: doubled up to 18 characters, the mirrored working string, the nine stages run
// twice with N fixed per stage, the sequential smoothing, and groups read as numbers.
// The text: every character lower-cased, each CR LF (scanned from the start, not
// overlapping) a blank, then a new slot at every blank and the 30 separators dropped.

#include "fuzzsupport.h"
#include "keyexpansion.h"
#include "tokenizer.h"
#include "utf8.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <unicode/uchar.h>
#include <vector>

namespace {

// A two-character group read as a decimal number: blanks, tabs and line feeds ignored,
// an optional sign, then digits and one decimal point up to the first character that
// cannot continue the number; rounded to the nearest whole number, a half to even.
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
    const double r =
        digit ? std::nearbyint(std::strtod(number.c_str(), nullptr)) : 0; // ties to even
    return r == 0 ? 0 : static_cast<int64_t>(r);
}

// One vector kept for every run: a fresh one of this size costs a system call each time.
const std::vector<int64_t>& modelExpand(std::u32string key) {
    while (key.size() < 18)
        key = key + key;
    key = key.substr(0, 18);
    std::u32string w = key;
    for (int i = 17; i >= 0; --i)
        w += key[i];

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
        if (e[i] == e[i - 1])
            e[i] += 2;
        if (e[i] == 0)
            e[i] = 1;
    }
    return e;
}

std::vector<std::string> modelParse(const std::u32string& chars) {
    std::u32string prepared;
    for (size_t i = 0; i < chars.size(); ++i) {
        const bool crLf = chars[i] == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n';
        prepared += crLf ? U' ' : static_cast<char32_t>(u_tolower(static_cast<UChar32>(chars[i])));
        i += crLf;
    }
    const std::u32string separators = U",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"";
    std::vector<std::string> slots(1);
    for (char32_t c : prepared) {
        if (c == U' ')
            slots.emplace_back();
        else if (separators.find(c) == std::u32string::npos)
            talvora::utf8::append(slots.back(), c);
    }
    return slots;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096)
        return -1;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto decode = [](std::string_view bytes) {
        std::u32string chars;
        for (size_t pos = 0; pos < bytes.size();)
            chars.push_back(talvora::utf8::next(bytes, pos));
        return chars;
    };

    const std::string_view key = text.substr(0, 64);
    const talvora::KeyNumbers got = talvora::expandKey(key);
    const std::vector<int64_t>& want = modelExpand(decode(key));
    FUZZ_CHECK(want.size() == got.size(), "model size " + std::to_string(want.size()));
    for (size_t i = 1; i < got.size(); ++i)
        FUZZ_CHECK(got[i] == want[i], "key " + fuzz::show(key) + " entry " + std::to_string(i) +
                                          ": " + std::to_string(got[i]) + ", model " +
                                          std::to_string(want[i]));

    const std::vector<std::string> slots = talvora::parseText(text);
    FUZZ_CHECK(slots == modelParse(decode(text)), "text " + fuzz::show(text));
    for (const std::string& slot : slots)
        FUZZ_CHECK(talvora::utf8::isValid(slot), fuzz::show(slot));
    return 0;
}
