// What a window used every day offers: clipboard and dropped files, remembered choices, a size
// that fits small screens, search counts, and a round trip by keyboard alone.
#include "dictionarywindows.h"
#include "uitest.h"
#include "wordlist.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QUrl>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

class WindowComforts : public WindowTest {
    Q_OBJECT
    QString status() const { return label("Label2"); }
    QClipboard* clipboard() const { return QApplication::clipboard(); }

    void dropOnInput(const QList<QUrl>& urls) {
        QWidget* target = child<QPlainTextEdit>("Text1")->viewport();
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
    }

    // Tab or Shift+Tab from the focus until pred holds; false after a whole round.
    static bool tabTo(const std::function<bool(QWidget*)>& pred) {
        for (int i = 0; i < 40 && !pred(QApplication::focusWidget()); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return pred(QApplication::focusWidget());
    }
    // The control a focus widget belongs to: a combo box for its text field.
    static QString controlName(QWidget* w) {
        return qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget()->objectName() : w->objectName();
    }
    // A pick from an open drop-down list by keys alone.
    static void pickByKeys(QComboBox* combo, const QString& entry) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Home);
        for (int i = 0; i < combo->count() && combo->view()->currentIndex().data().toString() != entry; ++i)
            QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        // The offscreen platform leaves the closed list active; a desktop gives the window back.
        combo->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(combo->window()));
    }

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("key.dat"), keyRecord("alpha", Key.toLatin1()) + keyRecord("beta", "123456789123456789")));
        QVERIFY(start());
    }
    void cleanup() { cleanupFolder(); }

    void clipboardButtonsMoveTextAndSayHowMuch() {
        click("cmdCopyOutput");
        QCOMPARE(status(), QStringLiteral("The output box is empty: nothing was copied."));
        processKey(Key);
        type("Text1", QStringLiteral("meet him at noon"));
        click("Command3");
        const QString encoded = text("Text2");
        click("cmdCopyOutput");
        QCOMPARE(clipboard()->text(), encoded);
        QCOMPARE(status(), QStringLiteral("Copied 4 words."));

        click("cmdOutputToInput");
        QCOMPARE(text("Text1"), encoded);
        QVERIFY(text("Text2").isEmpty());
        QCOMPARE(status(), QStringLiteral("Moved 4 words to the input box."));
        click("Command4");
        QCOMPARE(text("Text2"), QStringLiteral("meet him at noon "));

        clipboard()->setText(QStringLiteral("the dog\nwas hot"));
        click("cmdPasteInput");
        QCOMPARE(text("Text1"), QStringLiteral("the dog\nwas hot"));
        QCOMPARE(status(), QStringLiteral("Pasted 4 words."));
        // The replaced input is one Undo away.
        clickInto(child<QPlainTextEdit>("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text("Text1"), encoded);
    }

    void aLongOutputShowsCutButIsCopiedSavedAndDecodedAsOneLine() {
        processKey(Key);
        const QString plain = QStringLiteral("meet him ").repeated(20000);
        QVERIFY(writeBytes(path("long.txt"), plain.toLatin1()));
        FileDialog::setNextFileName(path("long.txt"));
        click("Command15");
        click("Command3");
        QVERIFY(text("Text2").contains(u'\n'));
        click("cmdCopyOutput");
        const QString encoded = clipboard()->text();
        QCOMPARE(encoded.count(u' '), 40000);
        QVERIFY(!encoded.contains(u'\n'));
        FileDialog::setNextFileName(path("out.txt"));
        click("Command5");
        QCOMPARE(readBytes(path("out.txt")), encoded.toLatin1() + "\r\n");
        click("cmdOutputToInput");
        click("Command4");
        click("cmdCopyOutput");
        QCOMPARE(clipboard()->text(), plain);
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("File Saved")}));
    }

    void aDroppedFileIsReadAsGetTextReadsIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("boxes");
        QTest::newRow("text file") << QByteArray("meet\r\nhim") << 1 << QStringLiteral("meet\nhim\n") << 0;
        QTest::newRow("not text, No") << QByteArray("\x01\x02\x03 bin") << 1 << QStringLiteral("kept") << 1;
        QTest::newRow("two files") << QByteArray("meet") << 2 << QStringLiteral("kept") << 0;
        QTest::newRow("missing file") << QByteArray() << 1 << QStringLiteral("kept") << 1;
    }
    void aDroppedFileIsReadAsGetTextReadsIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, files);
        QFETCH(QString, input);
        QFETCH(int, boxes);
        type("Text1", QStringLiteral("kept"));
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(path("in.txt"), bytes));
        dropOnInput(QList<QUrl>(files, QUrl::fromLocalFile(path("in.txt"))));
        QCOMPARE(text("Text1"), input);
        QCOMPARE(int(MessageBox::shown().size()), boxes);
    }

    void choicesAreRememberedShownAndNeverTheKey() {
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        QVERIFY(pick("cmbKey", QStringLiteral("beta")));
        window_->resize(640, 520);
        const QSize size = window_->size();
        window_->close();
        QVERIFY(start());
        QCOMPARE(window_->size(), size);
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("English"));
        QCOMPARE(child<QComboBox>("cmbKey")->currentText(), QStringLiteral("beta"));
        QCOMPARE(keyBox(), QStringLiteral("123456789123456789"));
        // Shown, not loaded: the start-up state stays until the user acts.
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));
        QVERIFY(!child<QPushButton>("Command6")->isEnabled());
        QCOMPARE(label("lblProcessed"), QStringLiteral("Not processed"));
        QDirIterator files(path("settings"), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(files.hasNext());
        while (files.hasNext()) {
            const QByteArray bytes = readBytes(files.next());
            QVERIFY(!bytes.contains("123456789123456789") && !bytes.contains(Key.toLatin1()));
        }
    }

    void theWindowFitsSmallScreens_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("scale");
        QTest::newRow("1280x800 at 150%") << QSize(1280, 800) << 1.5;
        QTest::newRow("1024x768 at 100%") << QSize(1024, 768) << 1.0;
    }
    void theWindowFitsSmallScreens() {
        QFETCH(QSize, screen);
        QFETCH(double, scale);
        // Sizes are in scaled pixels; a title bar and a task bar take about 80 of them.
        const QSize least = window_->minimumSizeHint();
        QVERIFY2(least.width() * scale <= screen.width() && least.height() * scale + 80 <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        QVERIFY(window_->screen()->availableGeometry().contains(window_->geometry()));
        // The text boxes take the height that is left.
        const int before = child<QPlainTextEdit>("Text1")->height();
        window_->resize(window_->width(), window_->height() + 100);
        QTRY_VERIFY(child<QPlainTextEdit>("Text1")->height() >= before + 40);
    }

    void aMessageBoxShowsItsWholeTitle() {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Key Saved"), QStringLiteral("ok"), QMessageBox::Ok);
        MessageBox::keepTitleWhole(box);
        box.show();
        QVERIFY(box.width() >= box.fontMetrics().horizontalAdvance(box.windowTitle()) + 150);
    }

    void searchSaysHowManyWordsMatched_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("hits");
        QTest::newRow("two") << "Ab" << "2 words begin with \"Ab\"." << 2;
        QTest::newRow("one") << "x" << "1 word begins with \"x\"." << 1;
        QTest::newRow("none") << "zz" << "No word begins with \"zz\"." << 0;
    }
    void searchSaysHowManyWordsMatched() {
        QFETCH(QString, typed);
        QFETCH(QString, said);
        QFETCH(int, hits);
        WordList words;
        for (const char* w : {"ab", "abc", "xab", "a"})
            words.add(w);
        FrmSearch search(words);
        search.show();
        QVERIFY(QTest::qWaitForWindowActive(&search));
        QTest::keyClicks(search.findChild<QLineEdit*>(QStringLiteral("Text1")), typed);
        QTest::keyClick(search.findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_Return);
        QCOMPARE(search.findChild<QLabel*>(QStringLiteral("lblFound"))->text(), said);
        QCOMPARE(search.findChild<QAbstractItemView*>(QStringLiteral("List1"))->model()->rowCount(), hits);
    }

    void everyControlIsNamedAndTabFollowsTheLayout() {
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QProgressBar*>(w) ||
                                 (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()));
            if (control && !w->objectName().startsWith(QStringLiteral("qt_")))
                QVERIFY2(!w->accessibleName().isEmpty() && !w->accessibleDescription().isEmpty(),
                         qPrintable(w->objectName()));
        }
        QVERIFY(tabTo([](QWidget* w) { return w && controlName(w) == QStringLiteral("Combo1"); }));
        QStringList order;
        do {
            order << controlName(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (controlName(QApplication::focusWidget()) != QStringLiteral("Combo1") && order.size() < 40);
        // View, Search and Add wait for a dictionary.
        QCOMPARE(order, QStringList({"Combo1", "Command14", "cmbKey", "txtKey", "Command13", "Command8",
                                     "Command9", "Command10", "Command12", "Command7", "Command11", "Text1",
                                     "Command15", "cmdPasteInput", "cmdOutputToInput", "cmdTidy", "Command3",
                                     "Command4", "Text2", "chkDress", "cmdCopyOutput", "Command5"}));
    }

    void theWholeRoundTripWorksByKeyboardAlone() {
        QVERIFY(tabTo([](QWidget* w) { return w && controlName(w) == QStringLiteral("Combo1"); }));
        pickByKeys(child<QComboBox>("Combo1"), QStringLiteral("English"));
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::AltModifier);
        pickByKeys(child<QComboBox>("cmbKey"), QStringLiteral("beta"));
        QCOMPARE(keyBox(), QStringLiteral("123456789123456789"));
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(label("lblProcessed"), QStringLiteral("Processed: beta \u00B7 English"));
        QVERIFY(tabTo([this](QWidget* w) { return w == child<QWidget>("Text1"); }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("meet him"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(text("Text2").count(u' '), 2);
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(clipboard()->text(), text("Text2"));
        QVERIFY(MessageBox::shown().empty());
    }
};

QTEST_MAIN(WindowComforts)
#include "test_windowcomforts.moc"
