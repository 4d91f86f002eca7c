#include "wordlist.h"

#include <functional>

namespace talvora {

void RowIndex::build(const WordList& words, std::vector<std::pair<uint32_t, uint32_t>>* repeats) {
    words_ = &words;
    size_t cap = 16;
    while (cap < static_cast<size_t>(words.size()) * 2)
        cap <<= 1;
    mask_ = cap - 1;
    slots_.assign(cap, 0);
    std::hash<std::string_view> hash;
    for (uint32_t row = 1; row <= words.size(); ++row) {
        std::string_view w = words[row];
        size_t i = hash(w) & mask_;
        for (;;) {
            uint32_t s = slots_[i];
            if (s == 0) {
                slots_[i] = row;
                break;
            }
            if (words[s] == w) { // an earlier row already holds it
                if (repeats)
                    repeats->emplace_back(s, row);
                break;
            }
            i = (i + 1) & mask_;
        }
    }
}

uint32_t RowIndex::find(std::string_view word) const {
    if (slots_.empty())
        return 0;
    size_t i = std::hash<std::string_view>{}(word)&mask_;
    for (;;) {
        uint32_t s = slots_[i];
        if (s == 0)
            return 0;
        if ((*words_)[s] == word)
            return s;
        i = (i + 1) & mask_;
    }
}

} // namespace talvora
