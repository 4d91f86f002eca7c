#include "suggest.h"

#include "tokenizer.h"
#include "utf8.h"

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

} // namespace

Suggester::Suggester(const WordList& words) {
    // UTF-8 byte order is code point order, so sorting the rows by their bytes lets the trie
    // grow along one path, each node's children arriving in order.
    std::vector<uint32_t> rows;
    rows.reserve(words.size());
    for (uint32_t r = 1; r <= words.size(); ++r)
        if (usableAsToken(words[r]))
            rows.push_back(r);
    std::stable_sort(rows.begin(), rows.end(), [&](uint32_t a, uint32_t b) { return words[a] < words[b]; });

    label_.assign(1, 0);
    parent_.assign(1, 0);
    firstChild_.assign(1, 0);
    nextSibling_.assign(1, 0);
    row_.assign(1, 0);
    std::vector<uint32_t> path{0};    // nodes of the previous word, root first
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
            auto node = static_cast<uint32_t>(label_.size());
            uint32_t up = path.back();
            label_.push_back(w[i]);
            parent_.push_back(up);
            firstChild_.push_back(0);
            nextSibling_.push_back(0);
            row_.push_back(0);
            if (lastChild.back() == 0)
                firstChild_[up] = node;
            else
                nextSibling_[lastChild.back()] = node;
            lastChild.back() = node;
            path.push_back(node);
            lastChild.push_back(0);
        }
        uint32_t end = path.back();
        if (row_[end] == 0) // duplicates: the stable sort put the lowest row first
            row_[end] = r;
        previous = std::move(w);
    }
}

size_t Suggester::memoryBytes() const {
    return label_.capacity() * sizeof(char32_t) +
           (parent_.capacity() + firstChild_.capacity() + nextSibling_.capacity() + row_.capacity()) *
               sizeof(uint32_t);
}

std::string Suggester::wordAt(uint32_t node) const {
    std::u32string w;
    for (; node != 0; node = parent_[node])
        w += label_[node];
    std::string out;
    for (auto it = w.rbegin(); it != w.rend(); ++it)
        utf8::append(out, *it);
    return out;
}

// rows holds one row of the distance table per depth: rows[d * (n + 1) + j] is the
// distance between the first d letters of this path and the first j of the query.
void Suggester::search(uint32_t node, uint32_t depth, const std::u32string& q, std::vector<int>& rows,
                       std::vector<Candidate>& found) const {
    const size_t n = q.size();
    const size_t width = n + 1;
    for (uint32_t child = firstChild_[node]; child != 0; child = nextSibling_[child]) {
        const char32_t c = label_[child];
        const size_t d = depth + 1;
        if (rows.size() < (d + 1) * width)
            rows.resize((d + 1) * width);
        int* cur = rows.data() + d * width;
        const int* prev = cur - width;
        const int* prev2 = d >= 2 ? prev - width : nullptr;
        const char32_t parentLabel = node != 0 ? label_[node] : 0;
        cur[0] = static_cast<int>(d);
        int best = cur[0];
        for (size_t j = 1; j <= n; ++j) {
            int v = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (q[j - 1] == c ? 0 : 1)});
            if (prev2 && j >= 2 && c == q[j - 2] && parentLabel == q[j - 1])
                v = std::min(v, prev2[j - 2] + 1);
            cur[j] = v;
            best = std::min(best, v);
        }
        if (row_[child] != 0 && cur[n] <= MaxDistance)
            found.push_back({cur[n], row_[child], child});
        // A swap reaches back two rows, but the value it gives is never below this row's
        // minimum (cur[j] <= prev[j-1] + 1), so the minimum is a safe cut.
        if (best <= MaxDistance)
            search(child, static_cast<uint32_t>(d), q, rows, found);
    }
}

std::vector<std::string> Suggester::suggest(std::string_view word, size_t limit) const {
    const std::u32string q = decode(word);
    std::vector<int> rows(q.size() + 1);
    std::iota(rows.begin(), rows.end(), 0);
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
