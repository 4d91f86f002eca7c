// Encode and Decode use only the key and dictionary shown as processed, and say at once what
// they could not use: by real key and mouse events on a temporary program folder.
#include "commands.h"
#include "uitest.h"

#include <QClipboard>
#include <QTreeWidget>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

class ShownIsUsed : public WindowTest {
    Q_OBJECT
    QString processed() const { return label("lblProcessed"); }
    static QString done(const QString& key, const QString& dict) {
        return QStringLiteral("Processed: %1 \u00B7 %2").arg(key, dict);
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
        clickInto(child<QWidget>("Text1"));
        QTest::keyClick(child<QWidget>("Text1"), Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : QStringLiteral("Meet him at 2 \u2014 by the house\u2026 at 2"))
            QTest::sendKeyEvent(QTest::Click, child<QWidget>("Text1"), Qt::Key_unknown, QString(c), Qt::NoModifier);
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
};

QTEST_MAIN(ShownIsUsed)
#include "test_shownisused.moc"
