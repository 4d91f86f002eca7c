#pragma once

#include "wordlist.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

// The dictionary words closest to a word by edit distance (insertions, deletions,
// substitutions and swaps of two neighbours), over a trie of the words built once.
class Suggester {
  public:
    static constexpr int MaxDistance = 2;
    // A node costs 16 bytes while the trie grows as chains, 20 laid out, 4 in the layout's
    // queue: 40 at the peak.
    static constexpr size_t BytesPerNode = 40;
    static constexpr size_t DefaultMaxBytes = size_t{256} << 20;

    // Entries that a text could not carry as one token (empty, holding a blank or a
    // separator) are left out. words need not outlive the suggester. The index stays within
    // maxBytes: when all the words would need more, the longest (then the last) are left
    // out, so a huge dictionary gives fewer suggestions rather than exhausting memory.
    explicit Suggester(const WordList& words, size_t maxBytes = DefaultMaxBytes);

    // Whether every usable word is in the index.
    bool complete() const { return complete_; }

    // At most limit words within MaxDistance of word (lower-case), closest first, then in
    // dictionary order.
    std::vector<std::string> suggest(std::string_view word, size_t limit = 3) const;

    size_t nodeCount() const { return nodes_.size(); }
    size_t memoryBytes() const;

  private:
    struct Candidate {
        int distance;
        uint32_t row;
        uint32_t node;
    };
    void search(uint32_t node, uint32_t depth, const std::u32string& query, std::vector<int>& rows,
                std::vector<Candidate>& found) const;
    std::string wordAt(uint32_t node) const;

    // Node 0 is the root; the children of a node lie side by side, in code point order, so
    // a search reads them in one sweep.
    struct Node {
        char32_t label;
        uint32_t row; // lowest row of the word ending here, 0 for none
        uint32_t firstChild;
        uint32_t childCount;
    };
    std::vector<Node> nodes_;
    std::vector<uint32_t> parent_;
    bool complete_ = true;
};

} // namespace talvora
