// What the safe path costs a key command: lock, scratch file, flushes, rename and the
// overwriting of the replaced file, on key files of a few and of many records.
#include "codepage.h"
#include "keyfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace talvora;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path;
    explicit Folder(int64_t records) {
        path = fs::temp_directory_path() / ("talvora-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(path);
        std::string bytes;
        for (int64_t i = 0; i < records; ++i) {
            std::string r = "name" + std::to_string(i);
            r.resize(keys::NameWidth, ' ');
            bytes += r + "123456789123456789";
        }
        std::ofstream(path / "key.dat", std::ios::binary) << bytes;
    }
    ~Folder() { fs::remove_all(path); }
};

void BM_SaveOverARecord(benchmark::State& state) {
    Folder folder(state.range(0));
    const CodePage cp = CodePage::fromName("windows-1252");
    keys::KeyFile file(folder.path, cp);
    for (auto _ : state)
        file.storeKey("name0", "987654321987654321");
}
BENCHMARK(BM_SaveOverARecord)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ListNames(benchmark::State& state) {
    Folder folder(state.range(0));
    const CodePage cp = CodePage::fromName("windows-1252");
    keys::KeyFile file(folder.path, cp);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.listKeyNames());
}
BENCHMARK(BM_ListNames)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
