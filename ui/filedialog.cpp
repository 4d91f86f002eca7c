#include "filedialog.h"

#include <QFileDialog>
#include <deque>

namespace talvora::ui {
namespace {
bool testMode = false;
std::deque<QString> names;

QString nextName() {
    if (names.empty())
        return {};
    QString name = names.front();
    names.pop_front();
    return name;
}
} // namespace

QString FileDialog::openFileName(QWidget* parent) {
    return testMode ? nextName() : QFileDialog::getOpenFileName(parent);
}

QString FileDialog::saveFileName(QWidget* parent) {
    return testMode ? nextName() : QFileDialog::getSaveFileName(parent);
}

void FileDialog::setTestMode(bool on) {
    testMode = on;
    names.clear();
}

void FileDialog::setNextFileName(const QString& path) { names.push_back(path); }

} // namespace talvora::ui
