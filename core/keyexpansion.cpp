#include "keyexpansion.h"

#include "utf8.h"

#include <string>
#include <vector>

namespace talvora {

int32_t readGroup(char32_t first, char32_t second) {
    // Reads like a lenient number parser: white space anywhere is skipped, then an
    // optional sign, digits and one decimal point, up to the first character that
    // cannot continue the number. A leading '&' (a radix prefix elsewhere) reads as 0.
    const char32_t chars[2] = {first, second};
    bool negative = false, seenSign = false, seenDigit = false, seenPoint = false;
    int64_t whole = 0;
    int fracDigit = -1; // first digit after the point decides the rounding; the rest
    bool fracRest = false; // only matter when it is exactly 5
    for (char32_t c : chars) {
        if (c == U' ' || c == U'\t' || c == U'\n')
            continue;
        if ((c == U'+' || c == U'-') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            negative = c == U'-';
            continue;
        }
        if (c == U'.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c >= U'0' && c <= U'9') {
            int d = static_cast<int>(c - U'0');
            if (!seenPoint) {
                whole = whole * 10 + d;
                seenDigit = true;
            } else if (fracDigit < 0) {
                fracDigit = d;
            } else if (d != 0) {
                fracRest = true;
            }
            continue;
        }
        break;
    }
    if (fracDigit > 5 || (fracDigit == 5 && (fracRest || (whole % 2) == 1)))
        ++whole;
    return static_cast<int32_t>(negative ? -whole : whole);
}

KeyNumbers expandKey(std::string_view key) {
    std::u32string k;
    for (size_t pos = 0; pos < key.size();)
        k.push_back(utf8::next(key, pos));
    if (k.empty())
        k = U" "; // callers refuse empty keys; never loop forever here
    while (k.size() < 18)
        k += k;
    k.resize(18);
    std::u32string w = k + std::u32string(k.rbegin(), k.rend());

    KeyNumbers e{};
    int count = 0;
    auto stage = [&](int first, int step, int increment, bool down) {
        const int n = count;
        if (down) {
            for (int s = n; s >= 1; s -= step)
                e[++count] = e[s] + increment;
        } else {
            for (int s = first; s <= n; s += step)
                e[++count] = e[s] + increment;
        }
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int g = 0; g < 18; ++g)
            e[++count] = readGroup(w[2 * g], w[2 * g + 1]);
        stage(1, 1, 2, false);  // b
        stage(1, 1, 3, false);  // c
        stage(2, 2, 4, false);  // d
        stage(3, 3, 5, false);  // e
        stage(4, 4, 1, false);  // f
        stage(0, 6, 7, true);   // g
        stage(0, 1, 1, true);   // h
        stage(1, 10, 2, false); // i
    }
    for (int i = 2; i <= KeyNumberCount; ++i) {
        if (e[i] == e[i - 1])
            e[i] += 2;
        if (e[i] == 0)
            e[i] = 1;
    }
    return e;
}

bool usableAsStrides(const KeyNumbers& numbers) {
    for (int i = 1; i <= KeyNumberCount; ++i)
        if (numbers[i] < 1)
            return false;
    return true;
}

} // namespace talvora
