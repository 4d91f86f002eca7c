#include "keyspacebuild.h"

#include "keyspace.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace talvora {

namespace {

constexpr int PairsPerRotation = 50;

// The larger of the pair first; equal numbers are moved apart by 3.
std::pair<uint32_t, uint32_t> strides(const KeyNumbers& numbers, int i) {
    int32_t a = numbers[i], b = numbers[i + 1];
    if (a < b)
        std::swap(a, b);
    if (a == b)
        a += 3;
    return {static_cast<uint32_t>(a), static_cast<uint32_t>(b)};
}

// How many of the steps of a walk from start by stride stay at or below row n.
uint32_t unwrappedSteps(uint32_t start, uint32_t stride, uint32_t n, uint32_t steps) {
    if (start > n)
        return 0;
    return std::min(steps, (n - start) / stride + 1);
}

class Progress {
public:
    explicit Progress(const ProgressFn& fn) : fn_(fn) {}
    void at(int i) {
        int value = 100 * i / KeyNumberCount;
        if (fn_ && value != last_) {
            last_ = value;
            fn_(value);
        }
    }

private:
    const ProgressFn& fn_;
    int last_ = -1;
};

// count exchanges of a walk from rows a and b onwards. Full-width rows keep the loop to two
// loads, two stores and two adds per exchange, so the walk is bound by the column's memory.
inline void exchangeRun(uint32_t* col, size_t& a, size_t& b, size_t sa, size_t sb, uint32_t count) {
    for (uint32_t k = 0; k < count; ++k, a += sa, b += sb) {
        const uint32_t kept = col[a];
        col[a] = col[b];
        col[b] = kept;
    }
}

} // namespace

LargeVector<uint32_t> buildPermutation(uint32_t n, const KeyNumbers& numbers,
                                       const ProgressFn& progress) {
    LargeVector<uint32_t> perm(n + 1);
    std::iota(perm.begin(), perm.end(), 0u);
    uint32_t* col = perm.data();
    // Rotations only move the offset; row r of the column lives at physical r + offset.
    uint32_t offset = 0;
    int pairs = 0;
    Progress shown(progress);
    for (int i = 1; i <= KeyNumberCount - 1; i += 2) {
        shown.at(i);
        auto [sa, sb] = strides(numbers, i);
        if (sa <= n) {
            size_t a = sa + offset, b = sb + offset;
            const uint32_t steps = n / sa;
            // Each walk wraps past the last row at most once per stride, and a (the larger
            // stride) first: three plain runs instead of a test on every step.
            const uint32_t wrapA = unwrappedSteps(sa + offset, sa, n, steps);
            const uint32_t wrapB = unwrappedSteps(sb + offset, sb, n, steps);
            exchangeRun(col, a, b, sa, sb, wrapA);
            a -= n;
            exchangeRun(col, a, b, sa, sb, wrapB - wrapA);
            b -= n;
            exchangeRun(col, a, b, sa, sb, steps - wrapB);
        }
        if (++pairs == PairsPerRotation) {
            pairs = 0;
            offset = offset + 1 >= n ? 0 : offset + 1;
        }
    }
    if (n > 0)
        std::rotate(perm.begin() + 1, perm.begin() + 1 + offset, perm.end());
    return perm;
}

void buildKeyspace(Keyspace& keyspace, std::string_view key, const ProgressFn& progress) {
    KeyNumbers numbers = expandKey(key);
    keyspace.setPermutation(buildPermutation(keyspace.wordCount(), numbers, progress));
}

} // namespace talvora
