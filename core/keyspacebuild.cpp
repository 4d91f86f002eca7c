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

} // namespace

std::vector<uint32_t> buildPermutation(uint32_t n, const KeyNumbers& numbers,
                                       const ProgressFn& progress) {
    std::vector<uint32_t> perm(n + 1);
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
            uint32_t a = sa + offset, b = sb + offset;
            const uint32_t steps = n / sa;
            // Each walk wraps past the last row at most once per stride, and a (the larger
            // stride) first: three plain runs instead of a test on every step.
            const uint32_t wrapA = unwrappedSteps(a, sa, n, steps);
            const uint32_t wrapB = unwrappedSteps(b, sb, n, steps);
            uint32_t k = 0;
            for (; k < wrapA; ++k, a += sa, b += sb)
                std::swap(col[a], col[b]);
            a -= n;
            for (; k < wrapB; ++k, a += sa, b += sb)
                std::swap(col[a], col[b]);
            b -= n;
            for (; k < steps; ++k, a += sa, b += sb)
                std::swap(col[a], col[b]);
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

std::vector<std::string> buildKeyspaceLiteral(std::vector<std::string> col,
                                              const KeyNumbers& numbers) {
    const auto n = static_cast<int64_t>(col.size()) - 1;
    int pairs = 0;
    for (int i = 1; i <= KeyNumberCount - 1; i += 2) {
        auto [sa, sb] = strides(numbers, i);
        int64_t a = sa, b = sb;
        while (a <= n) {
            std::swap(col[a], col[b]);
            a += sa;
            b += sb;
        }
        if (++pairs == PairsPerRotation) {
            pairs = 0;
            std::string kept = std::move(col[1]);
            for (int64_t r = 2; r <= n; ++r)
                col[r - 1] = std::move(col[r]);
            col[n] = std::move(kept);
        }
    }
    return col;
}

} // namespace talvora
