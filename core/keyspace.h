#pragma once

#include "wordlist.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace talvora {

// The word table: column 1 holds the dictionary in file order, column 2 a key-dependent
// permutation of it. Column 2 is kept as row numbers into column 1, and its rotation as an
// offset, so rotating costs nothing and no word is ever moved.
class Keyspace {
public:
    static constexpr uint32_t Capacity = 655000;

    Keyspace() = default;
    Keyspace(const Keyspace&) = delete;
    Keyspace& operator=(const Keyspace&) = delete;

    uint32_t wordCount() const { return words_.size(); }
    bool dictionaryLoaded() const { return dictionaryLoaded_; }
    bool keyspaceReady() const { return keyspaceReady_; }
    void setKeyspaceReady(bool ready = true) { keyspaceReady_ = ready; }

    // Replaces the dictionary; column 2 equals column 1 again, so the key must be processed
    // again before coding.
    void load(WordList words);

    const WordList& words() const { return words_; }
    // Column 1, row 1 to wordCount().
    std::string_view word(uint32_t row) const { return words_[row]; }
    // Column 2 as it stands now.
    std::string_view permuted(uint32_t row) const { return words_[permutedRow(row)]; }
    // The column-1 row of the word standing in column 2 at row.
    uint32_t permutedRow(uint32_t row) const;

    // Column 2 one place towards row 1 (row 1 goes to the last row), and the inverse nd times.
    void rotate();
    void restore(int32_t nd);

    // Lowest column-1 row holding word, or 0.
    uint32_t findWord(std::string_view word) const { return index_.find(word); }
    // Lowest row of column 2, as it stands now, holding word, or 0.
    uint32_t findPermuted(std::string_view word) const { return findPermutedAt(word, offset_); }
    // The same two questions as they will be answered after ahead more rotations, without
    // rotating.
    uint32_t permutedRowAhead(uint32_t row, uint32_t ahead) const;
    uint32_t findPermutedAhead(std::string_view word, uint32_t ahead) const;
    // Whether another row of column 1 holds the same word.
    bool duplicated(uint32_t row) const { return duplicated_[row]; }

    // Installs a new column 2 (perm[r] = column-1 row standing at row r, perm[0] unused),
    // unrotated.
    void setPermutation(LargeVector<uint32_t> perm);

private:
    uint32_t physical(uint32_t row) const {
        uint32_t p = row + offset_;
        return p > wordCount() ? p - wordCount() : p;
    }
    void indexPositions();
    uint32_t findPermutedAt(std::string_view word, uint32_t offset) const;
    uint32_t offsetAhead(uint32_t ahead) const {
        return wordCount() == 0 ? 0 : (offset_ + ahead % wordCount()) % wordCount();
    }

    WordList words_;
    RowIndex index_;
    LargeVector<uint32_t> perm_;     // column 2 before rotation
    LargeVector<uint32_t> position_; // inverse of perm_
    uint32_t offset_ = 0;            // rotations applied to column 2, mod wordCount
    // Words held by several rows: first row -> all their positions in perm_, ascending.
    std::unordered_map<uint32_t, std::vector<uint32_t>> duplicateRows_;
    std::unordered_map<uint32_t, std::vector<uint32_t>> duplicatePositions_;
    std::vector<bool> duplicated_; // by column-1 row
    bool dictionaryLoaded_ = false;
    bool keyspaceReady_ = false;
};

} // namespace talvora
