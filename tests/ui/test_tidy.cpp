// The Tidy button: typed text tidied in place as one undo step, and the window of words
// still unknown, driven with real key and mouse events.
#include "commands.h"
#include "uitest.h"

#include <QTreeWidget>

using namespace talvora;
using namespace talvora::ui;

namespace {

// Typing, one key event per character; characters beyond ASCII come as the key events of a
// keyboard that has them (no key code, the character as text).
void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestTidy : public uitest::WindowTest {
    Q_OBJECT

    QPlainTextEdit* input() const { return child<QPlainTextEdit>("Text1"); }
    QPushButton* tidyButton() const { return child<QPushButton>("cmdTidy"); }

    // The window shown and active, English loaded, the text typed into the input box.
    void typeIntoReadyWindow(const QString& text) {
        start();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        input()->setFocus();
        typeText(input(), text);
        QCOMPARE(input()->toPlainText(), text);
    }

  private slots:
    void init() { initFolder(); }
    void cleanup() { cleanupFolder(); }

    void rewritesTheTextAsOneUndoStep() {
        const QString typed =
            QStringLiteral("Meet him at noon \u2014 by the house\u2026 \u00abThe\u00bb dog at 2");
        typeIntoReadyWindow(typed);
        QCOMPARE(tidyButton()->text(), QStringLiteral("Tidy"));
        QVERIFY(!tidyButton()->toolTip().isEmpty());
        QTest::mouseClick(tidyButton(), Qt::LeftButton);
        QCOMPARE(input()->toPlainText(),
                 QStringLiteral("Meet him at noon  by the house The dog at two"));
        QVERIFY(uitest::shownTexts().isEmpty());

        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), typed);
        // Ctrl+T does the same as the button.
        QTest::keyClick(window_.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(),
                 QStringLiteral("Meet him at noon  by the house The dog at two"));

        // The tidied text encodes as usual.
        child<QLineEdit>("txtKey")->setFocus();
        QTest::keyClicks(child<QLineEdit>("txtKey"), QStringLiteral("918273645546372819"));
        QTest::mouseClick(child<QPushButton>("Command10"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QVERIFY(uitest::shownTexts().isEmpty());
        QCOMPARE(text("Text2").count(u' '), 11);
    }

    void aTextThatEncodesIsLeftAlone() {
        const QString typed = QStringLiteral("Meet him at noon, by the house!");
        typeIntoReadyWindow(typed);
        QTest::mouseClick(tidyButton(), Qt::LeftButton);
        QCOMPARE(input()->toPlainText(), typed);
        // Nothing was done, so Undo takes back the typing itself.
        QVERIFY(input()->document()->availableUndoSteps() > 0);
        QVERIFY(uitest::shownTexts().isEmpty());
    }

    void unknownWordsAreListedAndASuggestionReplacesTheWord() {
        typeIntoReadyWindow(QStringLiteral("The Hous by the hous\u2019 side zorgle!"));
        QStringList words, suggestions;
        UI_MODAL([&] { QTest::mouseClick(tidyButton(), Qt::LeftButton); },
                 [&](QDialog* dialog) {
                     QCOMPARE(dialog->objectName(), QStringLiteral("frmUnknown"));
                     auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List1"));
                     QVERIFY(list);
                     for (int i = 0; i < list->topLevelItemCount(); ++i)
                         words << list->topLevelItem(i)->text(0) + u'=' +
                                      list->topLevelItem(i)->text(1);
                     QTreeWidgetItem* hous = list->topLevelItem(0);
                     for (int i = 0; i < hous->childCount(); ++i)
                         suggestions << hous->child(i)->text(0);
                     QVERIFY(QTest::qWaitForWindowExposed(dialog));
                     const QPoint house = list->visualItemRect(hous->child(0)).center();
                     QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, house);
                     QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, house);
                     QCOMPARE(list->topLevelItem(0)->childCount(), 0);
                     QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("hous \u2192 house"));
                     QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                                       Qt::LeftButton);
                 });
        QCOMPARE(words, QStringList({"hous=2", "zorgle=1"}));
        QCOMPARE(suggestions.first(), QStringLiteral("house"));
        // Each occurrence, its capital and punctuation kept; the apostrophe was tidied first.
        QCOMPARE(input()->toPlainText(), QStringLiteral("The House by the house' side zorgle!"));
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), QStringLiteral("The Hous by the hous' side zorgle!"));
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->toPlainText(), QStringLiteral("The Hous by the hous\u2019 side zorgle!"));
    }

    // The suggestions come from the dictionary loaded now, not the one of an earlier Tidy.
    void suggestsFromTheDictionaryLoadedLast() {
        QVERIFY(uitest::writeBytes(path(QStringLiteral("other.dic")), "mouse\r\nhose\r\n"));
        typeIntoReadyWindow(QStringLiteral("hous"));
        QStringList first, second;
        auto suggestions = [](QStringList& out) {
            return [&out](QDialog* dialog) {
                auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("List1"));
                for (int i = 0; list && i < list->topLevelItem(0)->childCount(); ++i)
                    out << list->topLevelItem(0)->child(i)->text(0);
            };
        };
        UI_MODAL([&] { QTest::mouseClick(tidyButton(), Qt::LeftButton); }, suggestions(first));
        QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        UI_MODAL([&] { QTest::mouseClick(tidyButton(), Qt::LeftButton); }, suggestions(second));
        QCOMPARE(first.first(), QStringLiteral("house"));
        QCOMPARE(second, QStringList({"mouse", "hose"}));
    }

    void needsATextAndADictionary() {
        start();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::mouseClick(tidyButton(), Qt::LeftButton);
        input()->setFocus();
        QTest::keyClicks(input(), QStringLiteral("the dog"));
        QTest::mouseClick(tidyButton(), Qt::LeftButton);
        QCOMPARE(uitest::shownTexts(),
                 QStringList({uitest::q(msg::MissingInput), uitest::q(msg::DictionaryNotLoaded)}));
        QCOMPARE(input()->toPlainText(), QStringLiteral("the dog"));
    }
};

QTEST_MAIN(TestTidy)
#include "test_tidy.moc"
