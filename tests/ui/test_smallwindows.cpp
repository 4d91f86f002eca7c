// The windows opened from the main window by real key and mouse events: the dictionary, help,
// About and unknown-words windows and the Tidy button; and the program in other languages:
// library messages translated at the window's boundary with their variable parts kept, every
// known message form recognised as itself, and Help → Language switching the window's texts.
#include "appicon.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "language.h"
#include "uitest.h"
#include "usersettings.h"

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {

// A form with sample parts: the matcher must take it back to itself.
QString sample(QString form) {
    static const char* parts[] = {"\"/tmp/a b\"", "7", "windows-1250", "Q"};
    form.replace(QLatin1String("%n"), QLatin1String("3"));
    for (int i = 0; i < 4; ++i)
        form.replace(QStringLiteral("%%1").arg(i + 1), QString::fromLatin1(parts[i]));
    return form;
}

} // namespace

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
    // Help → Language by keyboard; the windows are told of the change by a posted event.
    void pickLanguage(const char* code) {
        auto* languages = child<QMenu>("hlplang");
        walkHelpMenuTo(languages->menuAction());
        QTest::keyClick(child<QMenu>("hlp"), Qt::Key_Right);
        QVERIFY(QTest::qWaitFor([languages] { return languages->isVisible(); }));
        auto* wanted = find<QAction>(window_.get(), (QByteArray("lang_") + code).constData());
        for (int i = 0; i < 12 && languages->activeAction() != wanted; ++i)
            QTest::keyClick(languages, Qt::Key_Down);
        QCOMPARE(languages->activeAction(), wanted);
        QTest::keyClick(languages, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("other.dic"), "mouse\r\nhose\r\n"));
        QVERIFY(start());
    }
    void cleanup() {
        l10n::setLanguage(QStringLiteral("en"));
        cleanupFolder();
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

    void libraryMessages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name kept") << "de" << q(keys::msg::noSuchKey("al %1 50%"))
                                   << "Kein Schlüssel namens al %1 50% ist gespeichert.";
        QTest::newRow("count and list") << "de" << q(msg::codedWordsNotFound(3, {{"ab", 2}, {"cd", 1}}))
                                        << "3 Wörter wurden im Wörterbuch nicht gefunden: ab (2-mal), cd.";
        QTest::newRow("Czech few") << "cs" << q(msg::codedWordsNotFound(3, {{"ab", 3}}))
                                   << "3 slova nebyla ve slovníku nalezena: ab (3krát).";
        QTest::newRow("Polish many") << "pl" << q(msg::codedWordsNotFound(5, {{"ab", 5}}))
                                     << "5 słów nie znaleziono w słowniku: ab (5 razy).";
        QTest::newRow("lines") << "de" << q(keys::msg::restoreQuestion({{"alpha", false}, {"beta", true}}))
                               << "Wenn Sie die Schlüsseldatei aus dem gewählten Ordner wiederherstellen, gehen 2 "
                                  "jetzt gespeicherte Schlüssel verloren oder ändern sich:\n- alpha (verloren)\n"
                                  "- beta (anderer Schlüssel)\nTrotzdem wiederherstellen?";
        QTest::newRow("unknown stays") << "de" << q(std::string("Something else entirely."))
                                       << "Something else entirely.";
    }
    void libraryMessages() {
        QFETCH(QString, language);
        QFETCH(QString, english);
        QFETCH(QString, expected);
        QCOMPARE(l10n::setLanguage(language), language);
        QCOMPARE(l10n::translateMessage(english), expected);
    }

    // No form hides another: each, filled in, is recognised as itself.
    void everyFormIsRecognised() {
        QCOMPARE(l10n::setLanguage(QStringLiteral("de")), QStringLiteral("de"));
        for (const QString& form : l10n::messageForms()) {
            const QByteArray source = form.toUtf8();
            const int n = form.contains(QLatin1String("%n")) ? 3 : -1;
            const QString expected = sample(l10n::translate("Messages", source.constData(), n));
            QCOMPARE(l10n::translateMessage(sample(form)), expected);
        }
    }

    // The page of the window's language where the folder has one, else the English page; a
    // page the folder lacks is named. Each caption is the item's, in the window's language; a
    // link to a page the menu knows takes its caption, another leaves the caption as it is.
    void helpPagesFollowTheLanguageAndTheLinks() {
        QVERIFY(writeBytes(path("key.htm"), "<html><body><p>Keys <a href=\"dict.htm\">dictionaries</a> "
                                                    "<a href=\"other.htm\">other</a></p></body></html>"));
        QVERIFY(writeBytes(path("key.de.htm"), QStringLiteral("<html><body><p>Über Schlüssel</p></body></html>").toUtf8()));
        QVERIFY(writeBytes(path("dict.htm"), "<html><body><p>On dictionaries <a href=\"other.htm\">other</a></p></body></html>"));
        QVERIFY(writeBytes(path("other.htm"), "<html><body><p>Elsewhere</p></body></html>"));
        QVERIFY(start());
        QStringList shown;
        // Each page shown, on opening and after each link clicked (null: Alt+Left, back).
        auto open = [&](const char* item, std::vector<const char*> links = {}) {
            UI_MODAL([&] { openHelpItem(item); }, [&](QDialog* help) {
                auto* browser = find<QTextBrowser>(help, "WebBrowser1");
                shown << help->windowTitle() + u'=' + browser->toPlainText();
                for (const char* link : links) {
                    const QString before = browser->toPlainText();
                    if (!link) {
                        QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
                    } else {
                        QTextCursor at = browser->document()->find(QString::fromLatin1(link));
                        at.setPosition(at.selectionStart() + 1);
                        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(at).center());
                    }
                    QTRY_VERIFY(browser->toPlainText() != before);
                    shown << help->windowTitle() + u'=' + browser->toPlainText();
                }
            });
        };
        open("hlpkey", {"dictionaries", "other", nullptr});
        open("hlpkey");
        pickLanguage("de");
        open("hlpkey");
        open("hlpdict");
        QVERIFY(QFile::remove(path("dict.htm")));
        open("hlpdict");
        QCOMPARE(shown.mid(0, 7), QStringList({"Key Management=Keys dictionaries other",
                                               "Dictionaries=On dictionaries other", "Dictionaries=Elsewhere",
                                               "Dictionaries=On dictionaries other", "Key Management=Keys dictionaries other",
                                               "Schlüsselverwaltung=Über Schlüssel", "Wörterbücher=On dictionaries other"}));
        QVERIFY2(shown.value(7).startsWith("Wörterbücher=") && shown.value(7).contains("dict.htm"), qPrintable(shown.value(7)));
    }

    // Every caption of the main window follows Help → Language, English brings back the
    // system's own texts exactly, and the window fits small screens in every language.
    void mainWindowFollowsTheLanguage() {
        // It starts on the screen; the text boxes take the height that is left.
        const QRect room = window_->screen()->availableGeometry(), at = window_->geometry();
        QVERIFY2(room.contains(at), qPrintable(QDebug::toString(at) + " on " + QDebug::toString(room)));
        const int before = child<QPlainTextEdit>("Text1")->height();
        window_->resize(window_->width(), window_->height() + 100);
        QTRY_VERIFY(child<QPlainTextEdit>("Text1")->height() >= before + 40);
        auto captions = [this] {
            QStringList texts;
            for (auto* b : window_->findChildren<QAbstractButton*>())
                if (!b->objectName().isEmpty() && !b->text().isEmpty())
                    texts << b->objectName() + u'=' + b->text();
            for (auto* f : window_->findChildren<QGroupBox*>())
                texts << f->objectName() + u'=' + f->title();
            return texts;
        };
        // The wording itself is pinned by the translation files' check of the sources.
        const QStringList english = captions();
        QCOMPARE(english.size(), 24);
        QList<QKeySequence> mnemonics; // each its own
        for (const QString& caption : english)
            if (!QKeySequence::mnemonic(caption).isEmpty())
                mnemonics << QKeySequence::mnemonic(caption);
        QCOMPARE(QSet<QKeySequence>(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
        QCOMPARE(child<QMenu>("hlplang")->title(), QStringLiteral("&Language"));
        pickLanguage("de");
        QTRY_COMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("Sprache"));
        QCOMPARE(child<QMenu>("hlplang")->title(), QStringLiteral("&Sprache"));
        QCOMPARE(talvora::ui::userSettings().value("interfaceLanguage").toString(),
                 QStringLiteral("de"));
        const QStringList german = captions();
        QCOMPARE(german.size(), english.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY2(german[i] != english[i], qPrintable(english[i]));
        QCOMPARE(label("Label1"), QStringLiteral("Wörterbuch zum Laden wählen"));
        QVERIFY(child<QPushButton>("Command10")->toolTip().startsWith(QStringLiteral("Verarbeiten (")));
        pickLanguage("en");
        QTRY_COMPARE(captions(), english);
        QCOMPARE(child<QMenu>("hlplang")->title(), QStringLiteral("&Language"));
        QCOMPARE(label("Label2"), QStringLiteral("Welcome.  Select Dictionary, define and process the Key."));

        // Longer captions must not push the window past the small screens it fits in English.
        for (const l10n::Language& language : l10n::languages()) {
            QCOMPARE(l10n::setLanguage(language.code), language.code);
            // The new texts arrive by a posted event; they reach the window's own layout one
            // posted request after the frames' layouts.
            QCoreApplication::processEvents();
            for (int round = 0; round < 3; ++round)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QSize least = window_->minimumSizeHint();
            // Sizes are in scaled pixels; a title bar and a task bar take about 80 of them.
            for (const auto& [screen, scale] : {std::pair(QSize(1280, 800), 1.5), std::pair(QSize(1024, 768), 1.0)})
                QVERIFY2(least.width() * scale <= screen.width() && least.height() * scale + 80 <= screen.height(),
                         qPrintable(QStringLiteral("%1: %2x%3 on %4x%5").arg(language.code).arg(least.width())
                                        .arg(least.height()).arg(screen.width()).arg(screen.height())));
        }
    }
};

UI_TEST_CLASS(SmallWindows);
#include "test_smallwindows.moc"
