// The main window in everyday use: Encode and Decode use only the key and dictionary shown as
// processed and say at once what they could not use; clipboard and dropped files, remembered
// choices, named controls in layout order, and a round trip by keyboard alone.
#include "commands.h"
#include "uitest.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QMimeData>
#include <QProgressBar>
#include <QTreeWidget>
#include <QUrl>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

class WindowComforts : public WindowTest {
    Q_OBJECT
    QString status() const { return label("Label2"); }
    QString processed() const { return label("lblProcessed"); }
    static QString done(const QString& key, const QString& dict) {
        return QStringLiteral("Processed: %1 \u00B7 %2").arg(key, dict);
    }
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

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("other.dic"), "meet\r\nhim\r\n"));
        QVERIFY(writeBytes(path("key.dat"), keyRecord("alpha", Key.toLatin1()) + keyRecord("beta", "123456789123456789")));
        QVERIFY(start());
    }
    void cleanup() { cleanupFolder(); }

    void codingNeedsTheKeyAndDictionaryShown_data() {
        QTest::addColumn<QString>("change");
        for (const char* change : {"language", "key edit", "other name", "refused key"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void codingNeedsTheKeyAndDictionaryShown() {
        QFETCH(QString, change);
        QCOMPARE(processed(), QStringLiteral("Not processed"));
        processKey(Key); // alpha's digits, typed
        QCOMPARE(processed(), done("alpha", "English"));
        type("Text1", QStringLiteral("meet him"));
        click("Command3");
        const QString output = text("Text2");
        QCOMPARE(output.count(u' '), 2);

        if (change == "language") {
            QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        } else if (change == "key edit") {
            clickInto(child<QLineEdit>("txtKey"));
            QTest::keyClick(child<QLineEdit>("txtKey"), Qt::Key_Backspace);
        } else if (change == "other name") {
            QVERIFY(pick("cmbKey", QStringLiteral("beta")));
        } else {
            type("txtKey", QStringLiteral("abcdefgh"));
            click("Command10");
            MessageBox::clearShown();
        }
        QCOMPARE(processed(), QStringLiteral("Not processed"));
        click("Command3");
        click("Command4");
        QCOMPARE(shownTexts(), QStringList({q(msg::KeyNotProcessed), q(msg::KeyNotProcessed)}));
        QCOMPARE(text("Text2"), output);

        QVERIFY(pick("Combo1", QStringLiteral("English")));
        QVERIFY(pick("cmbKey", QStringLiteral("alpha")));
        click("Command10");
        click("Command3");
        QCOMPARE(text("Text2"), output);
    }

    void aPastedLongKeyIsCutAndTheStatusSaysWhatWasKept() {
        QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        QApplication::clipboard()->setText(QStringLiteral("123456789").repeated(23));
        clickInto(child<QLineEdit>("txtKey"));
        QTest::keyClick(child<QLineEdit>("txtKey"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(child<QLineEdit>("txtKey"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(keyBox(), QStringLiteral("123456789123456789"));
        QTRY_COMPARE(label("Label2"),
                     QStringLiteral("A key holds at most 18 characters; the key box kept 123456789123456789."));
        click("Command10"); // the name box still says alpha, whose key this is not
        QCOMPARE(processed(), done("unnamed key", "other.dic"));
    }

    void getTextAsksBeforeLoadingAFileThatIsNotText() {
        QVERIFY(writeBytes(path("prog.exe"), QByteArray("MZ\x90\0\3\0\0\0", 8).repeated(500)));
        QVERIFY(writeBytes(path("plain.txt"), "meet him\r\n"));
        type("Text1", QStringLiteral("kept"));
        for (const char* file : {"prog.exe", "plain.txt", "prog.exe"}) {
            FileDialog::setNextFileName(path(file));
            click("Command15");
            QCOMPARE(text("Text1"), QString::fromLatin1(file == QLatin1String("plain.txt") ? "meet him\n" : "kept"));
            type("Text1", QStringLiteral("kept"));
        }
        QCOMPARE(MessageBox::shown().size(), size_t(2));
        QVERIFY(MessageBox::shown()[0].question && MessageBox::shown()[0].defaultButton == QMessageBox::No);
        QVERIFY(shownTexts()[0].endsWith("does not look like a text file: it holds control characters or bytes "
                                         "that are not text.  Load it all the same?"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialog::setNextFileName(path("prog.exe"));
        click("Command15");
        QVERIFY(text("Text1").startsWith(QStringLiteral("MZ")));
    }

    void wordsThatCannotBeUsedAreToldOnce() {
        processKey(Key);
        type("Text1", QStringLiteral("meet zorg"));
        click("Command3");
        QCOMPARE(shownTexts(), QStringList{q(msg::wordNotFound("zorg"))});

        // Several: one window of them, whose Tidy button makes the text encodable.
        MessageBox::clearShown();
        type("Text1", QString());
        typeText(child<QWidget>("Text1"), QStringLiteral("Meet him at 2 \u2014 by the house\u2026 at 2"));
        QStringList listed;
        UI_MODAL([&] { click("Command3"); }, [&](QDialog* dialog) {
            auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List1"));
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                listed << list->topLevelItem(i)->text(0) + u'=' + list->topLevelItem(i)->text(1);
            clickButton(dialog->findChild<QPushButton*>(QStringLiteral("cmdTidy")));
        });
        QCOMPARE(listed, QStringList({"2=2", "\u2014=1", "house\u2026=1"}));
        QVERIFY(MessageBox::shown().empty());
        QCOMPARE(text("Text1"), QStringLiteral("Meet him at two  by the house at two"));

        // Decode shows its output, then one box naming the coded words it left out.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        type("Text1", QStringLiteral("zorg meet zorg"));
        click("Command4");
        QCOMPARE(text("Text2").count(u' '), 1);
        QCOMPARE(shownTexts(), QStringList{"2 words were not found in the dictionary: zorg (2 times)."});

        // Add refuses a word no text can give as one token.
        const QByteArray dictionary = readBytes(path("eng.dic"));
        MessageBox::clearShown();
        UI_MODAL([&] { click("Command1"); }, [](QDialog* add) {
            typeInto(add->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("don't stop"));
            QTest::keyClick(add->findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_Return);
        });
        QCOMPARE(shownTexts(), QStringList{"\"don't stop\" cannot be a word of the dictionary: it holds a blank, and a "
                                           "text is cut into words at every blank, so it could never be encoded.  "
                                           "Nothing was added."});
        QCOMPARE(readBytes(path("eng.dic")), dictionary);
    }


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

    void aMessageBoxShowsItsWholeTitle() {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Key Saved"), QStringLiteral("ok"), QMessageBox::Ok);
        MessageBox::keepTitleWhole(box);
        box.show();
        QVERIFY(box.width() >= box.fontMetrics().horizontalAdvance(box.windowTitle()) + 150);
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
        QVERIFY(pickFromList(child<QComboBox>("Combo1"), QStringLiteral("English"), true));
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::AltModifier);
        QVERIFY(pickFromList(child<QComboBox>("cmbKey"), QStringLiteral("beta"), true));
        QCOMPARE(keyBox(), QStringLiteral("123456789123456789"));
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(processed(), done("beta", "English"));
        QVERIFY(tabTo([this](QWidget* w) { return w == child<QWidget>("Text1"); }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("meet him"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(text("Text2").count(u' '), 2);
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(clipboard()->text(), text("Text2"));
        QVERIFY(MessageBox::shown().empty());
    }
};

UI_TEST_CLASS(WindowComforts);
#include "test_windowcomforts.moc"
