// Runs the one test class named first on the command line, so that each class is its own
// ctest entry and a failure names its window. The other arguments go to QtTest.
#include "uitest.h"

#include "morphology.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
    // Offscreen on Windows reads fonts from a folder only: without the system's, every
    // text is measured in a stand-in font and no window's size means anything.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", (qEnvironmentVariable("WINDIR", QStringLiteral("C:/Windows")) + "/Fonts").toLocal8Bit());
#endif
    QApplication app(argc, argv);
    // Tidy asks the languages' own dictionaries, which the program folder holds.
    talvora::Morphology::setFolder(std::filesystem::path(TALVORA_PROGRAM_DIR) / "hunspell");
    const auto& classes = uitest::registry();
    const auto found = argc > 1 ? classes.find(QString::fromLocal8Bit(argv[1])) : classes.end();
    if (found == classes.end()) {
        std::fprintf(stderr, "usage: %s CLASS [QtTest options]\n", argv[0]);
        return 2;
    }
    QStringList args = app.arguments();
    args.removeAt(1);
    return QTest::qExec(found->second().get(), args);
}
