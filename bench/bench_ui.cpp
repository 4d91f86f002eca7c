// Time from "View" to a painted list, and from a click on "Process" to a ready keyspace, on
// dictionaries of the largest size; from a click on "Encode" or "Decode" to the output shown,
// for a text of 5 MB.
#include "dictionarywindows.h"
#include "filedialog.h"
#include "frmmain.h"
#include "messagebox.h"
#include "wordlist.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
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

// English words, ten to a line, until the text holds 5 MB.
QByteArray longText() {
    QFile dic(QStringLiteral(TALVORA_SOURCE_DATA "/eng.dic"));
    if (!dic.open(QIODevice::ReadOnly))
        return {};
    std::vector<QByteArray> words;
    for (const QByteArray& line : dic.readAll().split('\n')) {
        const QByteArray word = line.trimmed();
        if (!word.isEmpty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            words.push_back(word);
    }
    QByteArray text;
    for (size_t i = 0; text.size() < 5 * 1024 * 1024; ++i)
        text += words[i * 7919 % words.size()] + ((i + 1) % 10 ? " " : "\r\n");
    return text;
}

// The main window with English loaded, a key processed and a 5 MB text read by "Get Text":
// each iteration is one click on the command, until its output is painted. Decode reads what
// Encode wrote.
void codeLongTextInWindow(benchmark::State& state, bool decode) {
    QTemporaryDir folder;
    std::filesystem::copy_file(TALVORA_SOURCE_DATA "/eng.dic", folder.filePath(QStringLiteral("eng.dic")).toStdString());
    QFile input(folder.filePath(QStringLiteral("long.txt")));
    if (!input.open(QIODevice::WriteOnly) || input.write(longText()) <= 0) {
        state.SkipWithError("no input text");
        return;
    }
    input.close();
    ui::MessageBox::setTestMode(true);
    ui::FileDialog::setTestMode(true);
    ui::FrmMain window(folder.path().toStdString());
    window.show();
    QApplication::processEvents();
    auto* languages = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    const int english = languages->findText(QStringLiteral("English"));
    languages->setCurrentIndex(english);
    emit languages->activated(english);
    window.findChild<QLineEdit*>(QStringLiteral("txtKey"))->setText(QStringLiteral("918273645546372819"));
    window.findChild<QPushButton*>(QStringLiteral("Command10"))->click();
    ui::FileDialog::setNextFileName(input.fileName());
    window.findChild<QPushButton*>(QStringLiteral("Command15"))->click();
    auto* text1 = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    auto* text2 = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    auto* encode = window.findChild<QPushButton*>(QStringLiteral("Command3"));
    if (decode) {
        encode->click();
        text1->setPlainText(text2->toPlainText());
    }
    auto* command = decode ? window.findChild<QPushButton*>(QStringLiteral("Command4")) : encode;
    QApplication::processEvents();
    for (auto _ : state) {
        command->click();
        QApplication::processEvents();
        state.PauseTiming();
        if (text2->document()->isEmpty() || !ui::MessageBox::shown().empty()) {
            state.SkipWithError("no output");
            break;
        }
        text2->clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["MB"] = static_cast<double>(text1->document()->characterCount()) / (1024 * 1024);
}

void BM_EncodeLongTextInWindow(benchmark::State& state) { codeLongTextInWindow(state, false); }
BENCHMARK(BM_EncodeLongTextInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_DecodeLongTextInWindow(benchmark::State& state) { codeLongTextInWindow(state, true); }
BENCHMARK(BM_DecodeLongTextInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings; // the windows' remembered choices stay out of the user's own
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
