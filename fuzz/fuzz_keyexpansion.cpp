// Key expansion against a slow model that takes every rule literally, step by step:
// the key doubled up to 18 characters, the mirrored working string, the nine stages run
// twice with N fixed per stage, the sequential smoothing, and groups read as numbers.

#include "fuzzsupport.h"
#include "keyexpansion.h"
#include "utf8.h"

#include <cmath>
#include <cstdint>
#include <string>
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
        if ((c == U'+' || c == U'-') && !sign && !point && !digit) {
            sign = true;
            number += static_cast<char>(c);
        } else if (c == U'.' && !point) {
            point = true;
            number += '.';
        } else if (c >= U'0' && c <= U'9') {
            digit = true;
            number += static_cast<char>(c);
        } else {
            break; // an ampersand first reads as 0 too: nothing was read yet
        }
    }
    if (!digit)
        return 0;
    double v = std::strtod(number.c_str(), nullptr);
    double r = std::nearbyint(v); // the default rounding: nearest, ties to even
    return r == 0 ? 0 : static_cast<int64_t>(r);
}

std::vector<int64_t> modelExpand(std::u32string key) {
    while (key.size() < 18)
        key = key + key;
    key = key.substr(0, 18);
    std::u32string w = key;
    for (int i = 17; i >= 0; --i)
        w += key[i];

    std::vector<int64_t> e(1, 0); // index 0 unused
    auto append = [&](int64_t v) { e.push_back(v); };
    for (int pass = 1; pass <= 2; ++pass) {
        for (int g = 1; g <= 18; ++g) // a
            append(modelGroup(w[2 * g - 2], w[2 * g - 1]));
        int64_t n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = 1; s <= n; ++s) // b
            append(e[s] + 2);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = 1; s <= n; ++s) // c
            append(e[s] + 3);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = 2; s <= n; s += 2) // d
            append(e[s] + 4);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = 3; s <= n; s += 3) // e
            append(e[s] + 5);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = 4; s <= n; s += 4) // f
            append(e[s] + 1);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = n; s >= 1; s -= 6) // g
            append(e[s] + 7);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = n; s >= 1; --s) // h
            append(e[s] + 1);
        n = static_cast<int64_t>(e.size()) - 1;
        for (int64_t s = 1; s <= n; s += 10) // i
            append(e[s] + 2);
    }
    for (size_t i = 2; i < e.size(); ++i) {
        if (e[i] == e[i - 1])
            e[i] += 2;
        if (e[i] == 0)
            e[i] = 1;
    }
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 64)
        return -1;
    const std::string_view key(reinterpret_cast<const char*>(data), size);
    std::u32string chars;
    for (size_t pos = 0; pos < key.size();)
        chars.push_back(talvora::utf8::next(key, pos));

    const talvora::KeyNumbers got = talvora::expandKey(key);
    const std::vector<int64_t> want = modelExpand(chars);
    FUZZ_CHECK(want.size() == talvora::KeyNumberCount + 1, "model size " + std::to_string(want.size()));
    for (int i = 1; i <= talvora::KeyNumberCount; ++i)
        FUZZ_CHECK(got[i] == want[i], "key " + fuzz::show(key) + " entry " + std::to_string(i) +
                                          ": " + std::to_string(got[i]) + ", model " +
                                          std::to_string(want[i]));
    if (chars.size() >= 2)
        FUZZ_CHECK(talvora::readGroup(chars[0], chars[1]) == modelGroup(chars[0], chars[1]),
                   fuzz::show(key));

    // Keys of digits 1 to 9 give strides between 11 and 145, no two neighbours equal.
    bool digits = true;
    for (char32_t c : chars)
        digits = digits && c >= U'1' && c <= U'9';
    if (digits) {
        FUZZ_CHECK(talvora::usableAsStrides(got), fuzz::show(key));
        for (int i = 1; i <= talvora::KeyNumberCount; ++i) {
            FUZZ_CHECK(got[i] >= 11 && got[i] <= 145, fuzz::show(key) + " entry " + std::to_string(i));
            FUZZ_CHECK(i == 1 || got[i] != got[i - 1], fuzz::show(key) + " entry " + std::to_string(i));
        }
    }
    return 0;
}
