#pragma once

#include <QString>

class QWidget;

namespace talvora::ui {

// The one file dialog of the main window: open and save forms returning a full path, or
// an empty text when the user cancelled. Tests queue the answers instead.
class FileDialog {
  public:
    static QString openFileName(QWidget* parent);
    static QString saveFileName(QWidget* parent);

    // Test mode: no dialog shows; each call takes the next queued name (empty when none).
    static void setTestMode(bool on);
    static void setNextFileName(const QString& path);
};

} // namespace talvora::ui
