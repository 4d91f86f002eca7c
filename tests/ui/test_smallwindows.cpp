// The dictionary, help, About and unknown-words windows and the Tidy button, opened from the
// main window by real key and mouse events.
#include "appicon.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "uitest.h"

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

// A second dictionary of two words.
class SmallWindows : public WindowTest {
    Q_OBJECT

    // Each undo step back, the text it leaves.
    QStringList undone(int steps) {
        QStringList texts;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(child("Text1"), Qt::Key_Z, Qt::ControlModifier);
            texts << text("Text1");
        }
        return texts;
    }
    static QStringList suggestions(QDialog* dialog) {
        QTreeWidgetItem* first = find<QTreeWidget>(dialog, "List1")->topLevelItem(0);
        QStringList words;
        for (int i = 0; i < first->childCount(); ++i)
            words << first->child(i)->text(0);
        return words;
    }

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("other.dic"), "mouse\r\nhose\r\n"));
        QVERIFY(start());
    }

    // View lists every word in file order. Search starts in its empty box each time; Enter
    // or the button searches, an empty search keeps the list, no match empties it. Add
    // appends to the loaded file; it refuses no word, a word it holds, a word no text can give
    // as one token, and a file that is gone.
    void viewSearchAndAddOnTheLoadedDictionary() {
        QVERIFY(pick("Combo1", QStringLiteral("dup.dic")));
        UI_MODAL([&] { click("Command6"); }, [](QDialog* view) {
            QCOMPARE(rows(view, "List1").join(u','), "ab,abc,xab,a,ab");
            press(view, "Command1");
            QVERIFY(!view->isVisible());
        });
        for (int round = 0; round < 2; ++round) {
            UI_MODAL([&] { click("Command2"); }, [](QDialog* search) {
                auto* box = find<QLineEdit>(search, "Text1");
                QVERIFY(QApplication::focusWidget() == box && box->text().isEmpty() && rows(search, "List1").isEmpty());
                QStringList seen;
                for (const char* typed : {"Ab", "", "abcdef", "x"}) {
                    typeInto(box, QString::fromLatin1(typed));
                    if (*typed)
                        QTest::keyClick(box, Qt::Key_Return);
                    else
                        press(search, "Command2");
                    seen << rows(search, "List1").join(u',') + u'|' + find<QLabel>(search, "lblFound")->text();
                }
                QCOMPARE(seen, QStringList({"ab,abc,ab|3 words begin with \"Ab\".", "ab,abc,ab|3 words begin with \"Ab\".",
                                            "|No word begins with \"abcdef\".", "xab|1 word begins with \"x\"."}));
                press(search, "Command1");
                QVERIFY(!search->isVisible());
            });
        }
        auto add = [&](const QStringList& words) {
            UI_MODAL([&] { click("Command1"); }, [&](QDialog* add) {
                for (const QString& word : words) {
                    typeInto(find(add, "Text1"), word);
                    QTest::keyClick(find(add, "Text1"), Qt::Key_Return);
                }
            });
        };
        add({QString(), QStringLiteral("ABC"), QStringLiteral("don't stop"), QStringLiteral("Zebra")});
        QCOMPARE(shownTexts(), QStringList({"No Word defined to Add", "That word is already in the dictionary.",
                                            "\"don't stop\" cannot be a word of the dictionary: it holds a blank, "
                                            "and a text is cut into words at every blank, so it could never be "
                                            "encoded.  Nothing was added.",
                                            "Zebra Added."}));
        QVERIFY(readBytes(path("dup.dic")).endsWith("ab\r\nzebra\r\n"));
        QVERIFY(QFile::remove(path("dup.dic")));
        add({QStringLiteral("yak")});
        QVERIFY(shownTexts().size() == 5 && shownTexts()[4].contains(QStringLiteral("dup.dic")));
        QVERIFY(!QFile::exists(path("dup.dic")));
    }

    // The fingerprint of the loaded dictionary, shown to copy; Done closes.
    void aboutShowsTheFingerprintToCopy() {
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        const QString fingerprint = q(dictionaryFingerprint(window_->keyspace().words()));
        QGuiApplication::clipboard()->clear();
        UI_MODAL([&] { openHelpItem("hlpabt"); }, [&](QDialog* about) {
            QCOMPARE(find<QLineEdit>(about, "txtFingerprint")->text(), fingerprint);
            QVERIFY(find<QLabel>(about, "Label5")->text().contains(QStringLiteral("eng.dic")));
            press(about, "cmdCopy");
            press(about, "Command1");
            QVERIFY(!about->isVisible());
        });
        QCOMPARE(QGuiApplication::clipboard()->text(), fingerprint);
    }

    // Drawn from raster images alone: no image plugin beyond Qt's own PNG reader.
    void theIconHoldsEveryRasterSize() {
        const QIcon icon = applicationIcon();
        for (int side : {16, 24, 32, 48, 64, 128, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(side, side)), qPrintable(QString::number(side)));
            QCOMPARE(icon.pixmap(QSize(side, side)).toImage().pixelColor(side / 2, side / 2), QColor(0x2e, 0x6d, 0xa4));
        }
        QCOMPARE(icon.availableSizes().size(), 7);
    }

    // Each occurrence, its capital and punctuation kept; the apostrophe was tidied first. The
    // suggestions come from the dictionary loaded now, not the one of an earlier Tidy.
    void unknownWordsAreListedAndASuggestionReplacesTheWord() {
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        type("Text1", QStringLiteral("The Hous by the hous\u2019 side zorgle!"));
        UI_MODAL([&] { click("cmdTidy"); }, [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmUnknown"));
            QCOMPARE(rows(dialog, "List1"), QStringList({"hous=2", "zorgle=1"}));
            QCOMPARE(suggestions(dialog).value(0), QStringLiteral("house"));
            auto* unknown = find<QTreeWidget>(dialog, "List1");
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QPoint house = unknown->visualItemRect(unknown->topLevelItem(0)->child(0)).center();
            QTest::mouseClick(unknown->viewport(), Qt::LeftButton, {}, house);
            QTest::mouseDClick(unknown->viewport(), Qt::LeftButton, {}, house);
            QCOMPARE(unknown->topLevelItem(0)->childCount(), 0);
            QCOMPARE(unknown->topLevelItem(0)->text(0), QStringLiteral("hous \u2192 house"));
            press(dialog, "Command1");
        });
        QCOMPARE(text("Text1"), QStringLiteral("The House by the house' side zorgle!"));
        QCOMPARE(undone(2), QStringList({"The Hous by the hous' side zorgle!", "The Hous by the hous\u2019 side zorgle!"}));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        type("Text1", QStringLiteral("hous"));
        UI_MODAL([&] { click("cmdTidy"); },
                 [](QDialog* dialog) { QCOMPARE(suggestions(dialog), QStringList({"mouse", "hose"})); });
    }

    // Tidy (Ctrl+T as the button) lists its changes, each taken back on its own, and is one
    // undo step; a text that encodes is left alone, so Undo takes back the typing itself.
    void changesAreShownAndTakenBackOneByOne() {
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        const QString encodes = QStringLiteral("Meet him at noon, by the house!");
        type("Text1", encodes);
        click("cmdTidy");
        QCOMPARE(text("Text1"), encodes);
        QVERIFY(undone(1) != QStringList{encodes});
        const QString typed = QStringLiteral("Meet at 1 by the hous 2 zorglet qwyx");
        type("Text1", typed);
        auto* input = child<QPlainTextEdit>("Text1");
        QStringList highlighted;
        UI_MODAL([&] { QTest::keyClick(window_.get(), Qt::Key_T, Qt::ControlModifier); }, [&](QDialog* dialog) {
            for (const auto& s : input->extraSelections())
                highlighted << s.cursor.selectedText();
            auto* unknown = find<QTreeWidget>(dialog, "List1");
            auto* changed = find<QTreeWidget>(dialog, "List2");
            QCOMPARE(rows(dialog, "List2"), QStringList({"1 \u2192 one=1", "2 \u2192 two=1"}));
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            // Enter on the first change takes back that one only.
            changed->setFocus();
            QTest::keyClick(changed, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QCOMPARE(text("Text1"), QStringLiteral("Meet at 1 by the hous two zorglet qwyx"));
            QCOMPARE(changed->topLevelItemCount(), 1);
            QCOMPARE(input->extraSelections().size(), 1);
            // Enter on a suggestion puts it in place; the window stays.
            unknown->setFocus();
            QTest::keyClick(unknown, Qt::Key_Down);
            QTest::keyClick(unknown, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QCOMPARE(text("Text1"), QStringLiteral("Meet at 1 by the house two zorglet qwyx"));
            // Add: the last word, through the dictionary's Add command.
            QTest::keyClick(unknown, Qt::Key_End);
            press(dialog, "cmdAdd");
            QCOMPARE(unknown->topLevelItem(2)->text(0), QStringLiteral("qwyx (added)"));
            // Spell out: the word clicked on, letter by letter.
            QTest::mouseClick(unknown->viewport(), Qt::LeftButton, {},
                              unknown->visualItemRect(unknown->topLevelItem(1)).center());
            press(dialog, "cmdSpell");
            QCOMPARE(text("Text1"), QStringLiteral("Meet at 1 by the house two z o r g l e t qwyx"));
            press(dialog, "Command1");
        });
        QCOMPARE(highlighted, QStringList({"one", "two"}));
        QCOMPARE(shownTexts().size(), 1);
        QVERIFY(readBytes(path(QStringLiteral("eng.dic"))).endsWith("qwyx\r\n"));
        // Each step its own undo: spelling, the suggestion, the change taken back, then Tidy.
        QCOMPARE(undone(4).mid(1), QStringList({"Meet at 1 by the hous two zorglet qwyx",
                                                "Meet at one by the hous two zorglet qwyx", typed}));
    }
};

UI_TEST_CLASS(SmallWindows);
#include "test_smallwindows.moc"
