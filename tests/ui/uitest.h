#pragma once

// Shared by the window tests: a temporary program folder per test, byte-exact file access,
// real key and mouse events on shown windows, and a way to work the modal windows that
// exec() blocks on.
#include "filedialog.h"
#include "frmmain.h"
#include "messagebox.h"

#include <QtTest>
#include <QtWidgets>

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

// Gives the widget the keyboard focus the way a user does: a click into it.
inline void clickInto(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }

// One key event per character; keyClicks takes ASCII only, so a letter such as ż comes as
// the key event of a keyboard that has it (no key code, the letter as text).
inline void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces a text box's text by typing: click into it, select all, type.
inline void typeInto(QWidget* w, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(w))
        w = combo->lineEdit();
    clickInto(w);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(focus, Qt::Key_Delete);
    else
        typeText(focus, text);
}

// A named child of any window; a missing one stops the program, naming it.
template <class T = QWidget> T* find(const QObject* in, const char* name) {
    T* found = in->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// A list's rows, each as "column 1=column 2".
inline QStringList rows(const QObject* window, const char* name) {
    const QAbstractItemModel* model = find<QAbstractItemView>(window, name)->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        rows << cells.join(u'=');
    }
    return rows;
}

// Tab from the focus until pred holds; false after a whole round.
inline bool tabTo(const std::function<bool(QWidget*)>& pred) {
    for (int i = 0; i < 40 && !pred(QApplication::focusWidget()); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return pred(QApplication::focusWidget());
}

inline void press(const QObject* window, const char* name) {
    auto* button = find<QPushButton>(window, name);
    QVERIFY2(button->isVisible() && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A pick from the drop-down list by keyboard: open it, walk to the entry, Enter. The box is
// clicked into first unless the keyboard has already brought the focus there.
inline bool pickFromList(QComboBox* combo, const QString& entry, bool focused = false) {
    const int row = combo->findText(entry, Qt::MatchExactly);
    if (row < 0)
        return false;
    if (!focused)
        clickInto(combo->isEditable() ? static_cast<QWidget*>(combo->lineEdit()) : combo);
    QTest::keyClick(focused ? QApplication::focusWidget() : combo, Qt::Key_F4);
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([&] { return view->isVisible(); }))
        return false;
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < combo->count() && view->currentIndex().row() != row; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    if (view->currentIndex().row() != row)
        return false;
    QTest::keyClick(view, Qt::Key_Return);
    if (!QTest::qWaitFor([&] { return !view->isVisible(); }) || !focused)
        return !view->isVisible();
    // The offscreen platform leaves the closed list active; a desktop gives the window back,
    // and the keyboard goes on from there.
    combo->window()->activateWindow();
    return QTest::qWaitForWindowActive(combo->window());
}

// Runs trigger, works the modal window it opens once that window is active, and closes it
// if work left it open. False when no modal window opened.
inline bool withModal(const std::function<void()>& trigger, const std::function<void(QDialog*)>& work) {
    bool ran = false;
    QTimer timer; // looks until the window shows: a mnemonic opens it only after a short press
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || ran)
            return;
        ran = true;
        timer.stop();
        dialog->activateWindow();
        if (QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            work(dialog);
        else
            QTest::qFail("modal window not active", __FILE__, __LINE__);
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

// Each test starts on a fresh program folder: the test class's init() slot calls initFolder()
// and adds what its tests need.
class WindowTest : public QObject {
  protected:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<talvora::ui::FrmMain> window_;

    QString path(const QString& name) const { return folder_->filePath(name); }

    // Builds, shows and activates the main window once the folder holds what the test needs.
    bool start() {
        window_ = std::make_unique<talvora::ui::FrmMain>(folder_->path().toStdString());
        window_->show();
        window_->activateWindow();
        return QTest::qWaitForWindowActive(window_.get());
    }

    template <class T = QWidget> T* child(const char* name) const { return find<T>(window_.get(), name); }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    QString text(const char* name) const { return child<QPlainTextEdit>(name)->toPlainText(); }
    QString keyBox() const { return child<QLineEdit>("txtKey")->text(); }
    void click(const char* name) { press(window_.get(), name); }
    void type(const char* name, const QString& text) { typeInto(child(name), text); }
    bool pick(const char* combo, const QString& entry) { return pickFromList(child<QComboBox>(combo), entry); }
    // Types the input, presses Encode or Decode, and gives the output box.
    QString run(const char* command, const QString& input) {
        type("Text1", input);
        click(command);
        return text("Text2");
    }

    // The Help menu by mouse, then its item by keyboard.
    void walkHelpMenuTo(QAction* wanted) {
        auto* help = child<QMenu>("hlp");
        QMenuBar* bar = window_->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help->menuAction()).center());
        QVERIFY(QTest::qWaitFor([help] { return help->isVisible(); }));
        for (int i = 0; i < 10 && help->activeAction() != wanted; ++i)
            QTest::keyClick(help, Qt::Key_Down);
        QCOMPARE(help->activeAction(), wanted);
    }
    void openHelpItem(const char* name) {
        walkHelpMenuTo(find<QAction>(window_.get(), name));
        QTest::keyClick(child<QMenu>("hlp"), Qt::Key_Return);
    }

    // The usual preparation: English loaded and a key processed, all by the user's hand.
    void processKey(const QString& key, const QString& language = QStringLiteral("English")) {
        QVERIFY(pick("Combo1", language));
        type("txtKey", key);
        click("Command10");
    }

    void initFolder() {
        // The code page is fixed so that byte checks hold when the binary runs on its own.
        qputenv("TALVORA_CODEPAGE", "windows-1252");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        talvora::ui::MessageBox::setTestMode(true);
        talvora::ui::FileDialog::setTestMode(true);
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        // Remembered choices live in the test's own folder, so none leaks into another test.
        // (The native format is the registry on Windows, which has no folder.)
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path(QStringLiteral("settings")));
        QVERIFY(QFile::copy(QStringLiteral(TALVORA_SOURCE_DATA "/sample.dic"), path("eng.dic")));
        QVERIFY(writeBytes(path("dup.dic"), "ab\r\nabc\r\nxab\r\na\r\nab\r\n"));
    }
    void cleanupFolder() {
        window_.reset();
        folder_.reset();
    }
};

} // namespace uitest
