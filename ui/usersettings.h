#pragma once

#include <QSettings>

namespace talvora::ui {

// The user's remembered choices (never a key), in the default format: the system's own
// (the registry on Windows) unless a test points it at a folder of its own.
inline QSettings userSettings() {
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Talvora"),
                     QStringLiteral("Talvora"));
}

} // namespace talvora::ui
