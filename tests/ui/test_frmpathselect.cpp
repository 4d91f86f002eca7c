// The folder window of "Transfer Keys": keyboard walk, Enter and double click only open,
// and nothing is copied until "Set".
#include "keyfile.h"
#include "uitest.h"

#include <QDir>
#include <QListWidget>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

class FrmPathSelectTest : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root_;
    QString at(const QString& relative) const { return QDir::cleanPath(root_->filePath(relative)); }
    // No key file has been copied anywhere under the root.
    bool nothingCopied() const {
        for (const char* folder : {"", "a", "a/b", "c"})
            if (QFile::exists(root_->filePath(QString::fromLatin1(folder) + "/key.dat")))
                return false;
        return true;
    }
    static QString shownFolder(QDialog* window) {
        return QDir::fromNativeSeparators(window->findChild<QLabel*>(QStringLiteral("Dir1Path"))->text());
    }

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("key.dat"), keyRecord("friend", "918273645546372819")));
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(root_->path()).mkpath(QStringLiteral("a/b")));
        QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("c")));
        QDir::setCurrent(root_->path());
        QVERIFY(start());
    }
    void cleanup() {
        QDir::setCurrent(QDir::tempPath());
        root_.reset();
        cleanupFolder();
    }

    void keyboardWalkCopiesOnlyOnSet() {
        // Alt+F is "Transfer Keys".
        UI_MODAL([&] { QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier); QTest::qWait(300); },
                 [&](QDialog* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Select Path to Transfer Key File To"));
            auto* list = window->findChild<QListWidget*>(QStringLiteral("Dir1List"));
            QCOMPARE(QApplication::focusWidget(), list);
            QCOMPARE(shownFolder(window), at(""));

            QTest::keyClicks(list, QStringLiteral("a"));
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(shownFolder(window), at("a"));
            QTest::keyClicks(list, QStringLiteral("b"));
            QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(shownFolder(window), at("a/b"));
            QVERIFY(window->isVisible());
            QVERIFY(nothingCopied());

            QTest::keyClick(list, Qt::Key_Backspace);
            QCOMPARE(shownFolder(window), at("a"));
            QTest::keyClick(list, Qt::Key_Backspace);
            QCOMPARE(shownFolder(window), at(""));
            // ".." (the first entry) goes up as well; typing a name finds its folder.
            QTest::keyClick(list, Qt::Key_Home);
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(shownFolder(window), QDir::cleanPath(at("") + "/.."));
            QTest::keyClicks(list, QFileInfo(at("")).fileName());
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(shownFolder(window), at(""));
            QVERIFY(nothingCopied());
            QVERIFY(MessageBox::shown().empty());

            // Double click opens too, and only opens.
            const auto found = list->findItems(QStringLiteral("c"), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            const QRect place = list->visualItemRect(found.first());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
            QCOMPARE(shownFolder(window), at("")); // one click only highlights
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
            QCOMPARE(shownFolder(window), at("c"));
            QVERIFY(window->isVisible());
            QVERIFY(nothingCopied());

            // Enter on the drive list or on "Set" itself takes nothing either.
            auto* drives = window->findChild<QWidget*>(QStringLiteral("Drive1"));
            drives->setFocus(Qt::TabFocusReason);
            QTest::keyClick(drives, Qt::Key_Return);
            auto* set = window->findChild<QWidget*>(QStringLiteral("Command1"));
            for (int i = 0; i < 3 && QApplication::focusWidget() != set; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), set);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::qWait(200);
            QVERIFY(window->isVisible());
            QVERIFY(nothingCopied());

            QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!window->isVisible());
        });
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysTransferred)});
        QCOMPARE(readBytes(at("c/key.dat")), readBytes(path("key.dat")));
    }

    void cancelEscapeAndTheFrameCopyNothing() {
        auto openTransfer = [&] { click("Command12"); };
        UI_MODAL(openTransfer, [](QDialog* window) {
            clickButton(window->findChild<QPushButton*>(QStringLiteral("Command2")));
            QVERIFY(!window->isVisible());
        });
        UI_MODAL(openTransfer, [](QDialog* window) { QTest::keyClick(window, Qt::Key_Escape); });
        UI_MODAL(openTransfer, [](QDialog* window) { QVERIFY(window->close()); });
        QVERIFY(nothingCopied());
        QVERIFY(MessageBox::shown().empty());

        // "Set" by mouse takes the folder the list is open at, not the highlighted one.
        UI_MODAL(openTransfer, [](QDialog* window) {
            auto* list = window->findChild<QListWidget*>(QStringLiteral("Dir1List"));
            QTest::keyClicks(list, QStringLiteral("a"));
            QCOMPARE(list->currentItem()->text(), QStringLiteral("a"));
            clickButton(window->findChild<QPushButton*>(QStringLiteral("Command1")));
        });
        QVERIFY(QFile::exists(at("key.dat")));
        QVERIFY(!QFile::exists(at("a/key.dat")));
    }
};

UI_TEST_CLASS(FrmPathSelectTest);
#include "test_frmpathselect.moc"
