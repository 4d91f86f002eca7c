#include "keyspace.h"

#include <algorithm>
#include <numeric>

namespace talvora {

void Keyspace::load(WordList words) {
    words_ = std::move(words);
    // The index reports repeated words as it is built: a second pass of look-ups cost a
    // fifth of loading the largest dictionaries.
    std::vector<std::pair<uint32_t, uint32_t>> repeats;
    index_.build(words_, &repeats);
    duplicateRows_.clear();
    duplicated_.assign(words_.size() + 1, false);
    for (auto [first, row] : repeats) {
        duplicated_[first] = duplicated_[row] = true;
        auto& rows = duplicateRows_[first];
        if (rows.empty())
            rows.push_back(first);
        rows.push_back(row);
    }
    // Column 2 in dictionary order: its positions are the same identity.
    perm_.resize(words_.size() + 1);
    std::iota(perm_.begin(), perm_.end(), 0u);
    position_.assign(perm_.begin(), perm_.end());
    offset_ = 0;
    indexPositions();
    dictionaryLoaded_ = true;
    // Column 2 is the dictionary itself now: coding with it would leave every word readable.
    keyspaceReady_ = false;
}

void Keyspace::setPermutation(LargeVector<uint32_t> perm) {
    perm_ = std::move(perm);
    offset_ = 0;
    // Every position is written below: clearing them first would only cost time.
    position_.resize(perm_.size());
    if (!position_.empty())
        position_[0] = 0;
    for (uint32_t p = 1; p < perm_.size(); ++p)
        position_[perm_[p]] = p;
    indexPositions();
}

void Keyspace::indexPositions() {
    duplicatePositions_.clear();
    for (const auto& [first, rows] : duplicateRows_) {
        auto& positions = duplicatePositions_[first];
        positions.reserve(rows.size());
        for (uint32_t r : rows)
            positions.push_back(position_[r]);
        std::sort(positions.begin(), positions.end());
    }
}

uint32_t Keyspace::permutedRow(uint32_t row) const { return perm_[physical(row)]; }

void Keyspace::rotate() {
    if (wordCount() == 0)
        return;
    offset_ = offset_ + 1 == wordCount() ? 0 : offset_ + 1;
}

void Keyspace::restore(int32_t nd) {
    if (nd <= 0 || wordCount() == 0)
        return;
    uint32_t n = wordCount();
    uint32_t back = static_cast<uint32_t>(nd) % n;
    offset_ = (offset_ + n - back) % n;
}

uint32_t Keyspace::permutedRowAhead(uint32_t row, uint32_t ahead) const {
    uint32_t p = row + offsetAhead(ahead);
    return perm_[p > wordCount() ? p - wordCount() : p];
}

uint32_t Keyspace::findPermutedAhead(std::string_view word, uint32_t ahead) const {
    return findPermutedAt(word, offsetAhead(ahead));
}

uint32_t Keyspace::findPermutedAt(std::string_view word, uint32_t offset) const {
    uint32_t first = index_.find(word);
    if (first == 0)
        return 0;
    const uint32_t n = wordCount();
    uint32_t p;
    if (auto it = duplicatePositions_.find(first); it != duplicatePositions_.end()) {
        // The lowest current row is the first position at or after the rotation point.
        const auto& positions = it->second;
        auto at = std::lower_bound(positions.begin(), positions.end(), offset + 1);
        p = at != positions.end() ? *at : positions.front();
    } else {
        p = position_[first];
    }
    return p > offset ? p - offset : p + n - offset;
}

} // namespace talvora
