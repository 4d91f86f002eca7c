// Time from "View" to a painted list, and from a click on "Process" to a ready keyspace, on
// dictionaries of the largest size.
#include "dictionarywindows.h"
#include "frmmain.h"
#include "wordlist.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <filesystem>
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

// The main window with the 650,000-word Czech dictionary loaded: each iteration is one click on
// "Process", progress bar and status repaints included, until the status line reads ready.
void BM_ProcessInWindow(benchmark::State& state) {
    QTemporaryDir folder;
    std::filesystem::copy_file(TALVORA_SOURCE_DATA "/Czech.dic",
                               folder.filePath(QStringLiteral("Czech.dic")).toStdString());
    ui::FrmMain window(folder.path().toStdString());
    window.show();
    QApplication::processEvents();
    auto* languages = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    const int czech = languages->findText(QStringLiteral("Czech"));
    languages->setCurrentIndex(czech);
    emit languages->activated(czech);
    window.findChild<QLineEdit*>(QStringLiteral("txtKey"))->setText(QStringLiteral("918273645546372819"));
    auto* process = window.findChild<QPushButton*>(QStringLiteral("Command10"));
    auto* status = window.findChild<QLabel*>(QStringLiteral("Label2"));
    for (auto _ : state) {
        process->click();
        if (status->text() != QStringLiteral("Dictionary is ready for cryption.")) {
            state.SkipWithError("Process did not finish");
            break;
        }
        state.PauseTiming();
        status->setText(QString());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProcessInWindow)->Unit(benchmark::kMillisecond);

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
