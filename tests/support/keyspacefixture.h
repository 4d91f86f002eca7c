#pragma once

#include "keyspace.h"
#include "wordlist.h"

#include <string>
#include <vector>

inline talvora::WordList wordList(const std::vector<std::string>& words) {
    talvora::WordList list;
    for (const auto& w : words)
        list.add(w);
    return list;
}

inline void loadWords(talvora::Keyspace& ks, const std::vector<std::string>& words) {
    ks.load(wordList(words));
}

// Column 2 as it stands, rows 1 to wordCount.
inline std::vector<std::string> column2(const talvora::Keyspace& ks) {
    std::vector<std::string> out;
    for (uint32_t r = 1; r <= ks.wordCount(); ++r)
        out.emplace_back(ks.permuted(r));
    return out;
}

// "w1", "w2", ... : n distinct words.
inline std::vector<std::string> numberedWords(int n, const std::string& stem = "w") {
    std::vector<std::string> words;
    for (int i = 1; i <= n; ++i)
        words.push_back(stem + std::to_string(i));
    return words;
}
