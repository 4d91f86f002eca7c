#pragma once

// Shared by the window tests: a temporary program folder per test, byte-exact file access
// and a way to work the modal windows that exec() blocks on.
#include "filedialog.h"
#include "frmmain.h"
#include "messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace uitest {

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// One key.dat record: name 40 and key 18 bytes, blank-padded.
inline QByteArray keyRecord(const QByteArray& name, const QByteArray& key) {
    return name.leftJustified(40, ' ', true) + key.leftJustified(18, ' ', true);
}

inline QStringList shownTexts() {
    QStringList texts;
    for (const auto& box : talvora::ui::MessageBox::shown())
        texts << box.text;
    return texts;
}

inline QString q(const std::string& text) { return QString::fromStdString(text); }

// Runs trigger, works the modal window it opens and closes that window. False when no
// modal window opened; the local timer then dies unfired.
inline bool withModal(const std::function<void()>& trigger, const std::function<void(QDialog*)>& work) {
    bool ran = false;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ran = true;
        work(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer.start();
    trigger();
    return ran;
}

// A test failing inside the modal window stops the test function too.
#define UI_MODAL(trigger, work)                                                                    \
    do {                                                                                           \
        QVERIFY2(uitest::withModal(trigger, work), "no modal window opened");                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// Fresh program folder and seams per test; the window is built by start() once the
// folder holds what the test needs.
class WindowTest : public QObject {
  protected:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<talvora::ui::FrmMain> window_;

    QString path(const QString& name) const { return folder_->filePath(name); }
    void start() { window_ = std::make_unique<talvora::ui::FrmMain>(folder_->path().toStdString()); }

    template <class T> T* child(const char* name) const {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no child %s", name);
        return w;
    }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    QString text(const char* name) const { return child<QPlainTextEdit>(name)->toPlainText(); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    // What a mouse pick in the list does: select the entry, then report the activation.
    bool pick(const char* combo, const QString& entry) {
        auto* box = child<QComboBox>(combo);
        const int i = box->findText(entry);
        if (i < 0)
            return false;
        box->setCurrentIndex(i);
        emit box->activated(i);
        return true;
    }

    // Called from each test class's init() and cleanup().
    void initFolder() {
        // The code page is fixed so that byte checks hold when the binary runs on its own.
        qputenv("TALVORA_CODEPAGE", "windows-1252");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        talvora::ui::MessageBox::setTestMode(true);
        talvora::ui::FileDialog::setTestMode(true);
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(QFile::copy(QStringLiteral(TALVORA_SOURCE_DATA "/sample.dic"), path("eng.dic")));
    }
    void cleanupFolder() {
        window_.reset();
        folder_.reset();
    }
};

} // namespace uitest
