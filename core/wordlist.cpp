#include "wordlist.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace talvora {

uint32_t RowIndex::tagOf(size_t hash) const {
    // The slot comes from the low bits of the hash, the tag from the high ones.
    const unsigned tagBits = 32 - rowBits_;
    if (tagBits == 0)
        return 0;
    return static_cast<uint32_t>(hash >> (sizeof(size_t) * 8 - tagBits)) << rowBits_;
}

void RowIndex::build(const WordList& words, std::vector<std::pair<uint32_t, uint32_t>>* repeats) {
    words_ = &words;
    const uint32_t n = words.size();
    size_t cap = 16;
    while (cap < static_cast<size_t>(n) * 2)
        cap <<= 1;
    mask_ = cap - 1;
    rowBits_ = static_cast<unsigned>(std::bit_width(n));
    const uint32_t rowMask = rowBits_ == 32 ? ~0u : (1u << rowBits_) - 1;
    slots_.assign(cap, 0);
    uint32_t* slots = slots_.data();
    std::hash<std::string_view> hash;
    // A batch of words is hashed and its slots fetched ahead, so that the table's cache misses
    // overlap instead of coming one after another.
    constexpr uint32_t Batch = 16;
    size_t hashes[Batch];
    for (uint32_t first = 1; first <= n; first += Batch) {
        const uint32_t count = std::min(Batch, n - first + 1);
        for (uint32_t k = 0; k < count; ++k) {
            hashes[k] = hash(words[first + k]);
            __builtin_prefetch(slots + (hashes[k] & mask_), 1);
        }
        for (uint32_t k = 0; k < count; ++k) {
            const uint32_t row = first + k;
            const uint32_t tag = tagOf(hashes[k]);
            std::string_view w = words[row];
            for (size_t i = hashes[k] & mask_;; i = (i + 1) & mask_) {
                const uint32_t s = slots[i];
                if (s == 0) {
                    slots[i] = row | tag;
                    break;
                }
                if ((s & ~rowMask) == tag && words[s & rowMask] == w) {
                    // an earlier row already holds it
                    if (repeats)
                        repeats->emplace_back(s & rowMask, row);
                    break;
                }
            }
        }
    }
}

uint32_t RowIndex::find(std::string_view word) const {
    if (slots_.empty())
        return 0;
    const size_t h = std::hash<std::string_view>{}(word);
    const uint32_t tag = tagOf(h);
    const uint32_t rowMask = rowBits_ == 32 ? ~0u : (1u << rowBits_) - 1;
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
        const uint32_t s = slots_[i];
        if (s == 0)
            return 0;
        if ((s & ~rowMask) == tag && (*words_)[s & rowMask] == word)
            return s & rowMask;
    }
}

} // namespace talvora
