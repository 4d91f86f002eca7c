// Suggestions for unknown words on a dictionary of the largest size: the index built once,
// then 100 look-ups.
#include "codepage.h"
#include "dictionaryfile.h"
#include "suggest.h"
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

} // namespace

BENCHMARK_MAIN();
