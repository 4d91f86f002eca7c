// After Tidy: the rewritten stretches highlighted, each change taken back on its own with
// Enter, a suggestion applied with Enter, an unknown word added; all through real events.
#include "uitest.h"

#include <QTreeWidget>

using namespace talvora::ui;

class TestTidyChanges : public uitest::WindowTest {
    Q_OBJECT

    QPlainTextEdit* input() const { return child<QPlainTextEdit>("Text1"); }

  private slots:
    void init() { initFolder(); }
    void cleanup() { cleanupFolder(); }

    void changesAreShownAndTakenBackOneByOne() {
        const QString typed = QStringLiteral("Meet at 1 by the hous 2 zorglet qwyx");
        start();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        uitest::typeInto(input(), typed);
        QStringList changes, highlighted;
        UI_MODAL([&] { click("cmdTidy"); }, [&](QDialog* dialog) {
            for (const auto& s : input()->extraSelections())
                highlighted << s.cursor.selectedText();
            auto* list2 = dialog->findChild<QTreeWidget*>(QStringLiteral("List2"));
            auto* list1 = dialog->findChild<QTreeWidget*>(QStringLiteral("List1"));
            QVERIFY(list1 && list2);
            for (int i = 0; i < list2->topLevelItemCount(); ++i)
                changes << list2->topLevelItem(i)->text(0) + u'@' + list2->topLevelItem(i)->text(1);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            // Enter on the first change takes back that one only.
            list2->setFocus();
            QTest::keyClick(list2, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the hous two zorglet qwyx"));
            QCOMPARE(list2->topLevelItemCount(), 1);
            QCOMPARE(input()->extraSelections().size(), 1);
            // Enter on a suggestion puts it in place; the window stays.
            list1->setFocus();
            QTest::keyClick(list1, Qt::Key_Down);
            QTest::keyClick(list1, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the house two zorglet qwyx"));
            // Add: the last word, through the dictionary's Add command.
            QTest::keyClick(list1, Qt::Key_End);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd")),
                              Qt::LeftButton);
            QCOMPARE(list1->topLevelItem(2)->text(0), QStringLiteral("qwyx (added)"));
            // Spell out: the word clicked on, letter by letter.
            QTest::mouseClick(list1->viewport(), Qt::LeftButton, {},
                              list1->visualItemRect(list1->topLevelItem(1)).center());
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSpell")),
                              Qt::LeftButton);
            QCOMPARE(input()->toPlainText(),
                     QStringLiteral("Meet at 1 by the house two z o r g l e t qwyx"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                              Qt::LeftButton);
        });
        QCOMPARE(highlighted, QStringList({"one", "two"}));
        QCOMPARE(changes, QStringList({"1 \u2192 one@1", "2 \u2192 two@1"}));
        QCOMPARE(uitest::shownTexts().size(), 1);
        QVERIFY(uitest::readBytes(path(QStringLiteral("eng.dic"))).endsWith("qwyx\r\n"));
        // Each step its own undo: spelling, the suggestion, the change taken back, then Tidy.
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at 1 by the hous two zorglet qwyx"));
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), QStringLiteral("Meet at one by the hous two zorglet qwyx"));
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), typed);
    }
};

QTEST_MAIN(TestTidyChanges)
#include "test_tidychanges.moc"
