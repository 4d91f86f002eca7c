// The program in other languages: library messages translated at the window's boundary with
// their variable parts kept, every known message form recognised as itself, and Help →
// Language switching the window's texts by real menu events.
#include "commands.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "language.h"
#include "uitest.h"
#include "usersettings.h"

using namespace talvora;

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

class TestTranslations : public uitest::WindowTest {
    Q_OBJECT

    void pickLanguage(const char* code) {
        auto* languages = child<QMenu>("hlplang");
        walkHelpMenuTo(languages->menuAction());
        QTest::keyClick(child<QMenu>("hlp"), Qt::Key_Right);
        QVERIFY(QTest::qWaitFor([languages] { return languages->isVisible(); }));
        QAction* wanted = window_->findChild<QAction*>(QStringLiteral("lang_") + QLatin1String(code));
        QVERIFY(wanted);
        for (int i = 0; i < 12 && languages->activeAction() != wanted; ++i)
            QTest::keyClick(languages, Qt::Key_Down);
        QCOMPARE(languages->activeAction(), wanted);
        QTest::keyClick(languages, Qt::Key_Return);
        QCoreApplication::processEvents(); // the windows are told of the change by a posted event
    }

  private slots:
    void cleanup() {
        l10n::setLanguage(QStringLiteral("en"));
        cleanupFolder();
    }

    void libraryMessages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name kept") << "de" << uitest::q(keys::msg::noSuchKey("al %1 50%"))
                                   << "Kein Schlüssel namens al %1 50% ist gespeichert.";
        QTest::newRow("count and list") << "de" << uitest::q(msg::codedWordsNotFound(3, {{"ab", 2}, {"cd", 1}}))
                                        << "3 Wörter wurden im Wörterbuch nicht gefunden: ab (2-mal), cd.";
        QTest::newRow("Czech few") << "cs" << uitest::q(msg::codedWordsNotFound(3, {{"ab", 3}}))
                                   << "3 slova nebyla ve slovníku nalezena: ab (3krát).";
        QTest::newRow("Polish many") << "pl" << uitest::q(msg::codedWordsNotFound(5, {{"ab", 5}}))
                                     << "5 słów nie znaleziono w słowniku: ab (5 razy).";
        QTest::newRow("lines") << "de" << uitest::q(keys::msg::restoreQuestion({{"alpha", false}, {"beta", true}}))
                               << "Wenn Sie die Schlüsseldatei aus dem gewählten Ordner wiederherstellen, gehen 2 "
                                  "jetzt gespeicherte Schlüssel verloren oder ändern sich:\n- alpha (verloren)\n"
                                  "- beta (anderer Schlüssel)\nTrotzdem wiederherstellen?";
        QTest::newRow("unknown stays") << "de" << uitest::q(std::string("Something else entirely."))
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
        QVERIFY(uitest::writeBytes(path("key.htm"), "<html><body><p>Keys <a href=\"dict.htm\">dictionaries</a> "
                                                    "<a href=\"other.htm\">other</a></p></body></html>"));
        QVERIFY(uitest::writeBytes(path("key.de.htm"), QStringLiteral("<html><body><p>Über Schlüssel</p></body></html>").toUtf8()));
        QVERIFY(uitest::writeBytes(path("dict.htm"), "<html><body><p>On dictionaries <a href=\"other.htm\">other</a></p></body></html>"));
        QVERIFY(uitest::writeBytes(path("other.htm"), "<html><body><p>Elsewhere</p></body></html>"));
        QVERIFY(start());
        QStringList shown;
        // Each page shown, on opening and after each link clicked (null: Alt+Left, back).
        auto open = [&](const char* item, std::vector<const char*> links = {}) {
            UI_MODAL([&] { openHelpItem(item); }, [&](QDialog* help) {
                auto* browser = uitest::find<QTextBrowser>(help, "WebBrowser1");
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
        QVERIFY(start());
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

UI_TEST_CLASS(TestTranslations);
#include "test_translations.moc"
