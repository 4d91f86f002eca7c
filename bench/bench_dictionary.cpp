// Search and load speed on dictionaries of the largest size.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyspace.h"
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

const char* const Czech = TALVORA_SOURCE_DATA "/Czech.dic";

// The 650,000-word Czech dictionary read and indexed, as choosing the language does.
void BM_LoadCzech(benchmark::State& state) {
    const CodePage cp = CodePage::fromName("windows-1250");
    for (auto _ : state) {
        Keyspace ks;
        loadDictionary(ks, Czech, cp);
        benchmark::DoNotOptimize(ks.wordCount());
    }
}
BENCHMARK(BM_LoadCzech)->Unit(benchmark::kMillisecond);

// What one talvora-cli encode of a short message does after starting: load, Process, encode.
// On a loaded machine compare the CPU time.
void BM_CliEncodeOneMessage(benchmark::State& state) {
    const CodePage cp = CodePage::fromName("windows-1250");
    for (auto _ : state) {
        Keyspace ks;
        loadDictionary(ks, Czech, cp);
        processKey(ks, "918273645546372819");
        benchmark::DoNotOptimize(encodeText(ks, "acutake chungwua hellerů rauchů zkvalitníte"));
    }
}
BENCHMARK(BM_CliEncodeOneMessage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
