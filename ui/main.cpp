#include "appicon.h"
#include "frmmain.h"
#include "languagemenu.h"
#include "programfolder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvora"));
    QApplication::setApplicationVersion(QStringLiteral(TALVORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("talvora"));
    QApplication::setWindowIcon(talvora::ui::applicationIcon());

    talvora::ui::startLanguage();
    talvora::ui::FrmMain window(talvora::programFolder());
    window.show();
    return app.exec();
}
