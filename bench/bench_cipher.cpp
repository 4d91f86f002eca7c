// Speed of Process, Encode and Decode on a dictionary of the largest size.
#include "commands.h"
#include "dress.h"
#include "keyexpansion.h"
#include "keyspace.h"
#include "keyspacebuild.h"
#include "roundtrip.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

using namespace talvora;

namespace {

constexpr uint32_t Words = 655000;
const std::string Key = "918273645546372819";

WordList syntheticWords(uint32_t n) {
    WordList w;
    for (uint32_t i = 1; i <= n; ++i)
        w.add("word" + std::to_string(i * 2654435761u % 1000000007u));
    return w;
}

Keyspace& readyKeyspace() {
    static Keyspace ks;
    if (!ks.dictionaryLoaded()) {
        ks.load(syntheticWords(Words));
        processKey(ks, Key);
    }
    return ks;
}

std::string plainText(uint32_t words) {
    std::string text;
    for (uint32_t i = 0; i < words; ++i)
        text += "word" + std::to_string((1 + i * 7919u % Words) * 2654435761u % 1000000007u) + " ";
    return text;
}

// Exchanges of one Process: pair by pair, WordCount / the larger stride.
double exchanges(const KeyNumbers& numbers) {
    double count = 0;
    for (int i = 1; i < KeyNumberCount; i += 2) {
        int32_t a = std::max(numbers[i], numbers[i + 1]);
        count += Words / (numbers[i] == numbers[i + 1] ? a + 3 : a);
    }
    return count;
}

// CPU time per exchange: on a loaded machine the CPU time is the figure to compare.
void countPerExchange(benchmark::State& state) {
    state.counters["ns/exchange"] =
        benchmark::Counter(exchanges(expandKey(Key)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Process(benchmark::State& state) {
    Keyspace ks;
    ks.load(syntheticWords(Words));
    for (auto _ : state)
        processKey(ks, Key);
    countPerExchange(state);
}
BENCHMARK(BM_Process)->Unit(benchmark::kMillisecond);

void BM_ProcessLiteral(benchmark::State& state) {
    WordList w = syntheticWords(Words);
    std::vector<std::string> col(Words + 1);
    for (uint32_t r = 1; r <= Words; ++r)
        col[r] = std::string(w[r]);
    KeyNumbers numbers = expandKey(Key);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildKeyspaceLiteral(col, numbers));
    countPerExchange(state);
}
BENCHMARK(BM_ProcessLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Encode50k(benchmark::State& state) {
    Keyspace& ks = readyKeyspace();
    std::string text = plainText(50000);
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeText(ks, text));
}
BENCHMARK(BM_Encode50k)->Unit(benchmark::kMillisecond);

void BM_Decode50k(benchmark::State& state) {
    Keyspace& ks = readyKeyspace();
    std::string coded = *encodeText(ks, plainText(50000)).output;
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeText(ks, coded));
}
BENCHMARK(BM_Decode50k)->Unit(benchmark::kMillisecond);

// The check after Encode: it must cost less than the encoding it follows.
void BM_RoundTripCheck50k(benchmark::State& state) {
    Keyspace& ks = readyKeyspace();
    CommandResult enc = encodeText(ks, plainText(50000));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkRoundTrip(ks, enc.rows, *enc.output));
}
BENCHMARK(BM_RoundTripCheck50k)->Unit(benchmark::kMillisecond);

void BM_RoundTripCheckDressed50k(benchmark::State& state) {
    Keyspace& ks = readyKeyspace();
    CommandResult enc = encodeText(ks, plainText(50000));
    std::string dressed = dressText(*enc.output);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkRoundTrip(ks, enc.rows, dressed));
}
BENCHMARK(BM_RoundTripCheckDressed50k)->Unit(benchmark::kMillisecond);

void BM_Dress50k(benchmark::State& state) {
    Keyspace& ks = readyKeyspace();
    std::string coded = *encodeText(ks, plainText(50000)).output;
    for (auto _ : state)
        benchmark::DoNotOptimize(dressText(coded));
}
BENCHMARK(BM_Dress50k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
