// The Tidy button: typed text tidied in place as one undo step, the rewritten stretches shown
// and taken back one by one, and the window of words still unknown; by real events.
#include "commands.h"
#include "uitest.h"

#include <QTreeWidget>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

class TestTidy : public WindowTest {
    Q_OBJECT

    QPlainTextEdit* input() const { return child<QPlainTextEdit>("Text1"); }
    void undo() { QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier); }

    // The window shown and active, English loaded, the text typed into the input box.
    void typeIntoReadyWindow(const QString& text) {
        QVERIFY(start());
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        clickInto(input());
        typeText(input(), text);
        QCOMPARE(input()->toPlainText(), text);
    }
    static QTreeWidget* list(QDialog* dialog, const char* name) {
        auto* list = dialog->findChild<QTreeWidget*>(QString::fromLatin1(name));
        if (!list)
            qFatal("no list %s", name);
        return list;
    }
    // Each row of a list as "column 0=column 1".
    static QStringList rows(QTreeWidget* list) {
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + u'=' + list->topLevelItem(i)->text(1);
        return rows;
    }

  private slots:
    void init() { initFolder(); }
    void cleanup() { cleanupFolder(); }

    void rewritesTheTextAsOneUndoStep() {
        const QString typed = QStringLiteral("Meet him at noon \u2014 by the house\u2026 \u00abThe\u00bb dog at 2");
        const QString tidied = QStringLiteral("Meet him at noon  by the house The dog at two");
        typeIntoReadyWindow(typed);
        QCOMPARE(child<QPushButton>("cmdTidy")->text(), QStringLiteral("Tidy"));
        QVERIFY(!child<QPushButton>("cmdTidy")->toolTip().isEmpty());
        click("cmdTidy");
        QCOMPARE(input()->toPlainText(), tidied);
        QVERIFY(shownTexts().isEmpty());
        undo();
        QCOMPARE(input()->toPlainText(), typed);
        // Ctrl+T does the same as the button.
        QTest::keyClick(window_.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), tidied);

        // The tidied text encodes as usual.
        type("txtKey", Key);
        click("Command10");
        click("Command3");
        QVERIFY(shownTexts().isEmpty());
        QCOMPARE(text("Text2").count(u' '), 11);
    }

    void aTextThatEncodesIsLeftAlone() {
        const QString typed = QStringLiteral("Meet him at noon, by the house!");
        typeIntoReadyWindow(typed);
        click("cmdTidy");
        QCOMPARE(input()->toPlainText(), typed);
        // Nothing was done, so Undo takes back the typing itself.
        QVERIFY(input()->document()->availableUndoSteps() > 0);
        QVERIFY(shownTexts().isEmpty());
    }

    void unknownWordsAreListedAndASuggestionReplacesTheWord() {
        typeIntoReadyWindow(QStringLiteral("The Hous by the hous\u2019 side zorgle!"));
        QStringList words, suggestions;
        UI_MODAL([&] { click("cmdTidy"); }, [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmUnknown"));
            QTreeWidget* unknown = list(dialog, "List1");
            words = rows(unknown);
            QTreeWidgetItem* hous = unknown->topLevelItem(0);
            for (int i = 0; i < hous->childCount(); ++i)
                suggestions << hous->child(i)->text(0);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QPoint house = unknown->visualItemRect(hous->child(0)).center();
            QTest::mouseClick(unknown->viewport(), Qt::LeftButton, {}, house);
            QTest::mouseDClick(unknown->viewport(), Qt::LeftButton, {}, house);
            QCOMPARE(unknown->topLevelItem(0)->childCount(), 0);
            QCOMPARE(unknown->topLevelItem(0)->text(0), QStringLiteral("hous \u2192 house"));
            clickButton(dialog->findChild<QPushButton*>(QStringLiteral("Command1")));
        });
        QCOMPARE(words, QStringList({"hous=2", "zorgle=1"}));
        QCOMPARE(suggestions.first(), QStringLiteral("house"));
        // Each occurrence, its capital and punctuation kept; the apostrophe was tidied first.
        QCOMPARE(input()->toPlainText(), QStringLiteral("The House by the house' side zorgle!"));
        undo();
        QCOMPARE(input()->toPlainText(), QStringLiteral("The Hous by the hous' side zorgle!"));
        undo();
        QCOMPARE(input()->toPlainText(), QStringLiteral("The Hous by the hous\u2019 side zorgle!"));
    }

    // The suggestions come from the dictionary loaded now, not the one of an earlier Tidy.
    void suggestsFromTheDictionaryLoadedLast() {
        QVERIFY(writeBytes(path(QStringLiteral("other.dic")), "mouse\r\nhose\r\n"));
        typeIntoReadyWindow(QStringLiteral("hous"));
        QStringList first, second;
        auto suggestions = [](QStringList& out) {
            return [&out](QDialog* dialog) {
                QTreeWidgetItem* hous = list(dialog, "List1")->topLevelItem(0);
                for (int i = 0; i < hous->childCount(); ++i)
                    out << hous->child(i)->text(0);
            };
        };
        UI_MODAL([&] { click("cmdTidy"); }, suggestions(first));
        QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        UI_MODAL([&] { click("cmdTidy"); }, suggestions(second));
        QCOMPARE(first.first(), QStringLiteral("house"));
        QCOMPARE(second, QStringList({"mouse", "hose"}));
    }

    void changesAreShownAndTakenBackOneByOne() {
        const QString typed = QStringLiteral("Meet at 1 by the hous 2 zorglet qwyx");
        typeIntoReadyWindow(typed);
        QStringList changes, highlighted;
        UI_MODAL([&] { click("cmdTidy"); }, [&](QDialog* dialog) {
            for (const auto& s : input()->extraSelections())
                highlighted << s.cursor.selectedText();
            QTreeWidget* unknown = list(dialog, "List1");
            QTreeWidget* changed = list(dialog, "List2");
            changes = rows(changed);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            // Enter on the first change takes back that one only.
            changed->setFocus();
            QTest::keyClick(changed, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the hous two zorglet qwyx"));
            QCOMPARE(changed->topLevelItemCount(), 1);
            QCOMPARE(input()->extraSelections().size(), 1);
            // Enter on a suggestion puts it in place; the window stays.
            unknown->setFocus();
            QTest::keyClick(unknown, Qt::Key_Down);
            QTest::keyClick(unknown, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the house two zorglet qwyx"));
            // Add: the last word, through the dictionary's Add command.
            QTest::keyClick(unknown, Qt::Key_End);
            clickButton(dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd")));
            QCOMPARE(unknown->topLevelItem(2)->text(0), QStringLiteral("qwyx (added)"));
            // Spell out: the word clicked on, letter by letter.
            QTest::mouseClick(unknown->viewport(), Qt::LeftButton, {},
                              unknown->visualItemRect(unknown->topLevelItem(1)).center());
            clickButton(dialog->findChild<QPushButton*>(QStringLiteral("cmdSpell")));
            QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the house two z o r g l e t qwyx"));
            clickButton(dialog->findChild<QPushButton*>(QStringLiteral("Command1")));
        });
        QCOMPARE(highlighted, QStringList({"one", "two"}));
        QCOMPARE(changes, QStringList({"1 \u2192 one=1", "2 \u2192 two=1"}));
        QCOMPARE(shownTexts().size(), 1);
        QVERIFY(readBytes(path(QStringLiteral("eng.dic"))).endsWith("qwyx\r\n"));
        // Each step its own undo: spelling, the suggestion, the change taken back, then Tidy.
        undo();
        undo();
        QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the hous two zorglet qwyx"));
        undo();
        QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at one by the hous two zorglet qwyx"));
        undo();
        QCOMPARE(input()->toPlainText(), typed);
    }

    void needsATextAndADictionary() {
        QVERIFY(start());
        click("cmdTidy");
        type("Text1", QStringLiteral("the dog"));
        click("cmdTidy");
        QCOMPARE(shownTexts(), QStringList({q(msg::MissingInput), q(msg::DictionaryNotLoaded)}));
        QCOMPARE(input()->toPlainText(), QStringLiteral("the dog"));
    }
};

UI_TEST_CLASS(TestTidy);
#include "test_tidy.moc"
