// Suggestions for unknown words on a dictionary of the largest size: the index built once,
// then 100 look-ups. Tidy's compound split on 1,000 unknown compounds of the same dictionary,
// and the index of words by their letters without accents that its accent rule builds once.
#include "codepage.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "morphology.h"
#include "suggest.h"
#include "tidy.h"
#include "utf8.h"
#include "wordlist.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <string>

using namespace talvora;

namespace {

// The shipped Czech list has 650,000 words; without it, made-up words of the same count.
const WordList& dictionary() {
    static const WordList words = [] {
        const auto path = std::filesystem::path(TALVORA_PROGRAM_DIR) / "Czech.dic";
        if (std::filesystem::exists(path))
            return readDictionary(path, CodePage::fromName("windows-1250"));
        WordList list;
        std::mt19937 rng(1);
        for (int i = 0; i < 650000; ++i) {
            std::string w;
            for (int n = 4 + static_cast<int>(rng() % 8); n > 0; --n)
                w += static_cast<char>('a' + rng() % 26);
            list.add(w);
        }
        return list;
    }();
    return words;
}

// Misspellings: dictionary words with one letter changed and two neighbours swapped, or a
// letter dropped.
std::vector<std::string> unknownWords(const WordList& words) {
    std::vector<std::string> out;
    std::mt19937 rng(42);
    while (out.size() < 100) {
        std::u32string w;
        std::string_view word = words[1 + rng() % words.size()];
        for (size_t pos = 0; pos < word.size();)
            w += utf8::next(word, pos);
        if (w.size() < 4)
            continue;
        const size_t i = 1 + rng() % (w.size() - 2);
        if (out.size() % 2) {
            w[i] = U'a' + static_cast<char32_t>(rng() % 26);
            std::swap(w[i - 1], w[i + 1]);
        } else {
            w.erase(i, 1);
        }
        std::string utf8;
        for (char32_t c : w)
            utf8::append(utf8, c);
        out.push_back(utf8);
    }
    return out;
}

void BM_SuggestIndexBuild(benchmark::State& state) {
    const WordList& words = dictionary();
    size_t bytes = 0, nodes = 0;
    for (auto _ : state) {
        Suggester s(words);
        bytes = s.memoryBytes();
        nodes = s.nodeCount();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["words"] = words.size();
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["index_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_SuggestIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Suggest100UnknownWords(benchmark::State& state) {
    const WordList& words = dictionary();
    const Suggester s(words);
    const std::vector<std::string> queries = unknownWords(words);
    size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const std::string& q : queries)
            found += s.suggest(q).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["suggestions"] = static_cast<double>(found);
}
BENCHMARK(BM_Suggest100UnknownWords)->Unit(benchmark::kMillisecond);

// 1,000 words the dictionary lacks, blank-separated: two dictionary words of four letters or
// more joined (split = true), or random letters of 12 to 40 that split into nothing, where
// the search runs longest.
std::string unknownCompounds(const Keyspace& ks, bool split) {
    std::string text;
    std::mt19937 rng(split ? 5 : 6);
    auto letters = [](std::string_view w) {
        size_t count = 0;
        for (size_t pos = 0; pos < w.size(); ++count)
            utf8::next(w, pos);
        return count;
    };
    for (int made = 0; made < 1000;) {
        std::string word;
        if (split) {
            std::string_view a = ks.word(1 + rng() % ks.wordCount());
            std::string_view b = ks.word(1 + rng() % ks.wordCount());
            if (letters(a) < 4 || letters(b) < 4 || letters(a) + letters(b) > 40)
                continue;
            word = std::string(a) + std::string(b);
        } else {
            for (int n = 12 + static_cast<int>(rng() % 29); n > 0; --n)
                word += static_cast<char>('a' + rng() % 26);
        }
        if (word.find_first_of(" '-.") != std::string::npos || ks.findWord(word) != 0)
            continue;
        text += word;
        text += ' ';
        ++made;
    }
    return text;
}

void tidyCompounds(benchmark::State& state, bool split) {
    static Keyspace ks;
    if (ks.wordCount() == 0)
        ks.load(dictionary());
    const std::string text = unknownCompounds(ks, split);
    // German linking letters are tried on every boundary, the most work a language asks, and
    // the language's own dictionary is asked of each word.
    Morphology::setFolder(std::filesystem::path(TALVORA_PROGRAM_DIR) / "hunspell");
    Tidier tidier(ks, "de");
    size_t unknown = 0, rewritten = 0;
    for (auto _ : state) {
        const TidyResult r = tidier.tidy(text, false);
        unknown = r.unknown.size();
        rewritten = r.changes.size();
        benchmark::DoNotOptimize(unknown);
    }
    state.counters["words"] = static_cast<double>(ks.wordCount());
    state.counters["split"] = static_cast<double>(rewritten);
    state.counters["still_unknown"] = static_cast<double>(unknown);
}

void BM_Tidy1000UnknownCompounds(benchmark::State& state) {
    tidyCompounds(state, true);
}
BENCHMARK(BM_Tidy1000UnknownCompounds)->Unit(benchmark::kMillisecond);

void BM_Tidy1000UnsplittableWords(benchmark::State& state) {
    tidyCompounds(state, false);
}
BENCHMARK(BM_Tidy1000UnsplittableWords)->Unit(benchmark::kMillisecond);

// A new tidier and one word the dictionary lacks: the accent index built, one look-up.
void BM_TidyAccentIndexBuild(benchmark::State& state) {
    static Keyspace ks;
    if (ks.wordCount() == 0)
        ks.load(dictionary());
    for (auto _ : state) {
        Tidier tidier(ks, "cs");
        const TidyResult r = tidier.tidy("qxzvwk", false);
        benchmark::DoNotOptimize(r.text);
    }
}
BENCHMARK(BM_TidyAccentIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
