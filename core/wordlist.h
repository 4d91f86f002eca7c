#pragma once

#include "largearray.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvora {

// Words held compactly in one buffer; rows count from 1 as the dictionary's lines do.
class WordList {
public:
    WordList() { ends_.push_back(0); }

    void add(std::string_view word) {
        buffer_.append(word);
        ends_.push_back(static_cast<uint32_t>(buffer_.size()));
    }
    // For builders that write the words' bytes straight into the buffer: each word ends at
    // end, an offset into it.
    LargeString& buffer() { return buffer_; }
    void endWord(size_t end) { ends_.push_back(static_cast<uint32_t>(end)); }
    void reserve(size_t words, size_t bytes) {
        ends_.reserve(words + 1);
        buffer_.reserve(bytes);
    }

    uint32_t size() const { return static_cast<uint32_t>(ends_.size() - 1); }
    bool empty() const { return size() == 0; }
    std::string_view operator[](uint32_t row) const {
        return std::string_view(buffer_).substr(ends_[row - 1], ends_[row] - ends_[row - 1]);
    }
    size_t bytes() const { return buffer_.size(); }

private:
    LargeString buffer_;
    LargeVector<uint32_t> ends_;
};

// Word to lowest row, over a WordList that outlives it (open addressing on row numbers).
class RowIndex {
public:
    // repeats, when given, receives (first row, row) for each row whose word an earlier row
    // already holds, in row order.
    void build(const WordList& words,
               std::vector<std::pair<uint32_t, uint32_t>>* repeats = nullptr);
    // The lowest row holding word, or 0.
    uint32_t find(std::string_view word) const;

private:
    uint32_t tagOf(size_t hash) const;

    const WordList* words_ = nullptr;
    // A row in the low rowBits_ bits, above them as many bits of its word's hash as fit, so
    // that most probes settle without reading the word; 0 is free.
    LargeVector<uint32_t> slots_;
    size_t mask_ = 0;
    unsigned rowBits_ = 32;
};

} // namespace talvora
