#include "suggest.h"

#include "tokenizer.h"
#include "utf8.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <numeric>

namespace talvora {

namespace {

bool usableAsToken(std::string_view w) {
    if (w.empty())
        return false;
    for (char c : w)
        if (c == ' ' || c == '\r' || c == '\n' || isSeparator(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::u32string decode(std::string_view w) {
    std::u32string out;
    for (size_t pos = 0; pos < w.size();)
        out += utf8::next(w, pos);
    return out;
}

size_t codePoints(std::string_view w) {
    return static_cast<size_t>(
        std::count_if(w.begin(), w.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The sorted rows whose trie fits in maxNodes, the shortest words (then the first) kept.
// A word adds as many nodes as it has code points beyond the prefix it shares with the
// kept word before it in sorted order; that prefix is the least of the neighbours' shared
// prefixes in between, so any choice is counted in one pass.
std::vector<uint32_t> fitting(const WordList& words, std::vector<uint32_t> sorted,
                              size_t maxNodes, bool& complete) {
    const size_t n = sorted.size();
    std::vector<uint32_t> length(n), shared(n, 0);
    for (size_t i = 0; i < n; ++i) {
        std::string_view w = words[sorted[i]];
        length[i] = static_cast<uint32_t>(codePoints(w));
        if (i > 0) {
            std::string_view p = words[sorted[i - 1]];
            const size_t m = std::min(w.size(), p.size());
            size_t k = 0;
            while (k < m && w[k] == p[k])
                ++k;
            // A code point both share only in part is not shared.
            while (k > 0 && k < w.size() && (w[k] & 0xC0) == 0x80)
                --k;
            shared[i] = static_cast<uint32_t>(codePoints(w.substr(0, k)));
        }
    }
    std::vector<uint32_t> byRank(n), rank(n);
    std::iota(byRank.begin(), byRank.end(), 0);
    std::sort(byRank.begin(), byRank.end(), [&](uint32_t a, uint32_t b) {
        return length[a] != length[b] ? length[a] < length[b] : sorted[a] < sorted[b];
    });
    for (size_t i = 0; i < n; ++i)
        rank[byRank[i]] = static_cast<uint32_t>(i);
    auto nodesFor = [&](size_t kept) {
        size_t nodes = 1;
        uint32_t common = 0;
        for (size_t i = 0; i < n; ++i) {
            common = std::min(common, shared[i]);
            if (rank[i] < kept) {
                nodes += length[i] - common;
                common = UINT32_MAX;
            }
        }
        return nodes;
    };
    complete = nodesFor(n) <= maxNodes;
    if (complete)
        return sorted;
    size_t lo = 0, hi = n; // nodesFor(lo) fits, nodesFor(hi) does not
    while (hi - lo > 1) {
        size_t mid = lo + (hi - lo) / 2;
        (nodesFor(mid) <= maxNodes ? lo : hi) = mid;
    }
    std::vector<uint32_t> kept;
    for (size_t i = 0; i < n; ++i)
        if (rank[i] < lo)
            kept.push_back(sorted[i]);
    return kept;
}

} // namespace

Suggester::Suggester(const WordList& words, size_t maxBytes) {
    // UTF-8 byte order is code point order, so sorting the rows by their bytes lets the trie
    // grow along one path, each node's children arriving in order.
    std::vector<uint32_t> rows;
    rows.reserve(words.size());
    for (uint32_t r = 1; r <= words.size(); ++r)
        if (usableAsToken(words[r]))
            rows.push_back(r);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](uint32_t a, uint32_t b) { return words[a] < words[b]; });
    rows = fitting(words, std::move(rows), std::max<size_t>(maxBytes / BytesPerNode, 1),
                   complete_);

    // First as sibling chains...
    std::vector<char32_t> label{0};
    std::vector<uint32_t> firstChild{0}, nextSibling{0}, row{0};
    std::vector<uint32_t> path{0};      // nodes of the previous word, root first
    std::vector<uint32_t> lastChild{0}; // per node on path: its last child so far
    std::u32string previous;
    for (uint32_t r : rows) {
        std::u32string w = decode(words[r]);
        size_t common = 0;
        while (common < w.size() && common < previous.size() && w[common] == previous[common])
            ++common;
        path.resize(common + 1);
        lastChild.resize(common + 1);
        for (size_t i = common; i < w.size(); ++i) {
            auto node = static_cast<uint32_t>(label.size());
            label.push_back(w[i]);
            firstChild.push_back(0);
            nextSibling.push_back(0);
            row.push_back(0);
            if (lastChild.back() == 0)
                firstChild[path.back()] = node;
            else
                nextSibling[lastChild.back()] = node;
            lastChild.back() = node;
            path.push_back(node);
            lastChild.push_back(0);
        }
        if (row[path.back()] == 0) // duplicates: the stable sort put the lowest row first
            row[path.back()] = r;
        previous = std::move(w);
    }
    // ...then laid out breadth first, siblings side by side.
    std::vector<uint32_t> order{0};
    order.reserve(label.size());
    nodes_.reserve(label.size());
    parent_.reserve(label.size());
    parent_.push_back(0);
    for (size_t k = 0; k < order.size(); ++k) {
        const uint32_t old = order[k];
        Node node{label[old], row[old], static_cast<uint32_t>(order.size()), 0};
        for (uint32_t c = firstChild[old]; c != 0; c = nextSibling[c]) {
            order.push_back(c);
            parent_.push_back(static_cast<uint32_t>(k));
            ++node.childCount;
        }
        nodes_.push_back(node);
    }
}

size_t Suggester::memoryBytes() const {
    return nodes_.capacity() * sizeof(Node) + parent_.capacity() * sizeof(uint32_t);
}

std::string Suggester::wordAt(uint32_t node) const {
    std::u32string w;
    for (; node != 0; node = parent_[node])
        w += nodes_[node].label;
    std::string out;
    for (auto it = w.rbegin(); it != w.rend(); ++it)
        utf8::append(out, *it);
    return out;
}

// rows holds one row of the distance table per depth: rows[d * (n + 1) + j] is the
// distance between the first d letters of this path and the first j of the query. Only the
// band |d - j| <= MaxDistance can stay within reach; the cells just outside it read as out
// of reach.
void Suggester::search(uint32_t node, uint32_t depth, const std::u32string& q,
                       std::vector<int>& rows, std::vector<Candidate>& found) const {
    constexpr int Far = MaxDistance + 1;
    const int n = static_cast<int>(q.size());
    const size_t width = q.size() + 2;
    const int d = static_cast<int>(depth) + 1;
    if (rows.size() < (static_cast<size_t>(d) + 1) * width)
        rows.resize((static_cast<size_t>(d) + 1) * width, Far);
    const int lo = std::max(1, d - MaxDistance);
    const int hi = std::min(n, d + MaxDistance);
    const char32_t parentLabel = nodes_[node].label;
    const uint32_t first = nodes_[node].firstChild;
    const uint32_t last = first + nodes_[node].childCount;
    for (uint32_t child = first; child < last; ++child) {
        const char32_t c = nodes_[child].label;
        int* cur = rows.data() + static_cast<size_t>(d) * width;
        const int* prev = cur - width;
        const int* prev2 = d >= 2 ? prev - width : nullptr;
        cur[0] = std::min(d, Far);
        cur[lo - 1] = lo - 1 == 0 ? cur[0] : Far;
        int best = cur[lo - 1];
        for (int j = lo; j <= hi; ++j) {
            int v = std::min(prev[j] + 1, cur[j - 1] + 1);
            v = std::min(v, prev[j - 1] + (q[j - 1] == c ? 0 : 1));
            if (prev2 && j >= 2 && c == q[j - 2] && parentLabel == q[j - 1])
                v = std::min(v, prev2[j - 2] + 1);
            cur[j] = std::min(v, Far);
            best = std::min(best, cur[j]);
        }
        if (hi + 1 <= n)
            cur[hi + 1] = Far;
        if (nodes_[child].row != 0 && n <= d + MaxDistance && n >= d - MaxDistance &&
            cur[n] <= MaxDistance)
            found.push_back({cur[n], nodes_[child].row, child});
        // A swap reaches back two rows, but the value it gives is never below this row's
        // minimum (cur[j] <= prev[j-1] + 1), so the minimum is a safe cut.
        if (best <= MaxDistance)
            search(child, static_cast<uint32_t>(d), q, rows, found);
    }
}

std::vector<std::string> Suggester::suggest(std::string_view word, size_t limit) const {
    const std::u32string q = decode(word);
    // A sign without letters (∧) is near every short word; none is meant.
    if (std::none_of(q.begin(), q.end(), [](char32_t c) { return u_isalpha(static_cast<UChar32>(c)); }))
        return {};
    std::vector<int> rows(q.size() + 2, MaxDistance + 1);
    for (size_t j = 0; j <= q.size() && j <= MaxDistance; ++j)
        rows[j] = static_cast<int>(j);
    std::vector<Candidate> found;
    search(0, 0, q, rows, found);
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.row < b.row;
    });
    std::vector<std::string> out;
    for (const Candidate& c : found) {
        if (out.size() == limit)
            break;
        if (c.distance == 0)
            continue; // the word itself
        out.push_back(wordAt(c.node));
    }
    return out;
}

} // namespace talvora
