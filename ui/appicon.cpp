#include "appicon.h"

#include <QDir>

namespace talvora::ui {

QIcon applicationIcon() {
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& name : folder.entryList({QStringLiteral("*.png")}))
        icon.addFile(folder.filePath(name));
    return icon;
}

} // namespace talvora::ui
