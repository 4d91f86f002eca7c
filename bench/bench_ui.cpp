// Time from "View" to a painted list on a dictionary of the largest size.
#include "dictionarywindows.h"
#include "wordlist.h"

#include <QApplication>
#include <QListView>
#include <benchmark/benchmark.h>

#include <string>

using namespace talvora;

namespace {

WordList syntheticWords(uint32_t n) {
    WordList w;
    for (uint32_t i = 1; i <= n; ++i)
        w.add("word" + std::to_string(i * 2654435761u % 1000000007u));
    return w;
}

void BM_OpenViewWindow(benchmark::State& state) {
    static const WordList words = syntheticWords(655000);
    for (auto _ : state) {
        ui::FrmView view(words);
        view.show();
        QApplication::processEvents();
        view.findChild<QListView*>(QStringLiteral("List1"))->scrollToBottom();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenViewWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
