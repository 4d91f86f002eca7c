// Search and load speed on dictionaries of the largest size.
#include "codepage.h"
#include "dictionaryfile.h"
#include "wordlist.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace talvora;

namespace {

constexpr uint32_t Words = 655000;

std::string syntheticWord(uint32_t i) {
    std::string w;
    for (uint32_t v = i * 2654435761u; w.size() < 7; v /= 26)
        w += static_cast<char>('a' + v % 26);
    return w;
}

void BM_SearchOneLetter(benchmark::State& state) {
    WordList words;
    for (uint32_t i = 1; i <= Words; ++i)
        words.add(syntheticWord(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(searchDictionary(words, "q"));
}
BENCHMARK(BM_SearchOneLetter)->Unit(benchmark::kMillisecond);

void BM_LoadDictionary(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "talvora-bench.dic";
    {
        std::ofstream out(path, std::ios::binary);
        for (uint32_t i = 1; i <= Words; ++i)
            out << syntheticWord(i) << "\r\n";
    }
    const CodePage cp = CodePage::fromName("windows-1252");
    for (auto _ : state)
        benchmark::DoNotOptimize(readDictionary(path, cp));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
