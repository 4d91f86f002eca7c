// The dictionary view, search and add windows and the help and About windows, opened from
// the main window by real key and mouse events.
#include "appicon.h"
#include "dictionaryfile.h"
#include "uitest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QTextBrowser>

#include <algorithm>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {

QStringList rowsOf(QDialog* window) {
    auto* model = window->findChild<QListView*>(QStringLiteral("List1"))->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows << model->index(r, 0).data().toString();
    return rows;
}

} // namespace

class FrmDictionaryWindows : public WindowTest {
    Q_OBJECT

  private slots:
    void init() {
        initFolder();
        QVERIFY(start());
        QVERIFY(pick("Combo1", QStringLiteral("dup.dic")));
    }
    void cleanup() { cleanupFolder(); }

    void viewShowsEveryWordInFileOrder() {
        UI_MODAL([&] { click("Command6"); }, [](QDialog* view) {
            QCOMPARE(view->windowTitle(), QStringLiteral("View Dictionary"));
            QCOMPARE(rowsOf(view), QStringList({"ab", "abc", "xab", "a", "ab"}));
            clickButton(view->findChild<QPushButton*>(QStringLiteral("Command1")));
            QVERIFY(!view->isVisible());
        });
    }

    void searchStartsInItsBoxAndEmptyEachTime() {
        for (int round = 0; round < 2; ++round) {
            UI_MODAL([&] { click("Command2"); }, [](QDialog* search) {
                QCOMPARE(search->windowTitle(), QStringLiteral("Search Dictionary"));
                auto* box = search->findChild<QLineEdit*>(QStringLiteral("Text1"));
                QCOMPARE(QApplication::focusWidget(), box);
                QVERIFY(box->text().isEmpty());
                QVERIFY(rowsOf(search).isEmpty());
                // Typed where the focus is; Enter searches.
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ab"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QCOMPARE(rowsOf(search), QStringList({"ab", "abc", "ab"}));
                auto* found = search->findChild<QLabel*>(QStringLiteral("lblFound"));
                QCOMPARE(found->text(), QStringLiteral("3 words begin with \"Ab\"."));
                // An empty search keeps the list; no match empties it.
                typeInto(box, QString());
                clickButton(search->findChild<QPushButton*>(QStringLiteral("Command2")));
                QCOMPARE(rowsOf(search).size(), 3);
                typeInto(box, QStringLiteral("abcdef"));
                QTest::keyClick(box, Qt::Key_Return);
                QVERIFY(rowsOf(search).isEmpty());
                QCOMPARE(found->text(), QStringLiteral("No word begins with \"abcdef\"."));
                typeInto(box, QStringLiteral("x"));
                QTest::keyClick(box, Qt::Key_Return);
                QCOMPARE(found->text(), QStringLiteral("1 word begins with \"x\"."));
                clickButton(search->findChild<QPushButton*>(QStringLiteral("Command1")));
                QVERIFY(!search->isVisible());
            });
        }
    }

    void addAppendsToTheLoadedFile() {
        UI_MODAL([&] { click("Command1"); }, [](QDialog* add) {
            QCOMPARE(add->windowTitle(), QStringLiteral("Add to Dictionary"));
            auto* box = add->findChild<QLineEdit*>(QStringLiteral("Text1"));
            auto* button = add->findChild<QPushButton*>(QStringLiteral("Command2"));
            clickButton(button);
            typeInto(box, QStringLiteral("ABC"));
            clickButton(button);
            typeInto(box, QStringLiteral("Zebra"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(shownTexts(), QStringList({"No Word defined to Add", "That word is already in the dictionary.",
                                            "Zebra Added."}));
        QVERIFY(readBytes(path("dup.dic")).endsWith("ab\r\nzebra\r\n"));

        MessageBox::clearShown();
        QVERIFY(QFile::remove(path("dup.dic")));
        UI_MODAL([&] { click("Command1"); }, [](QDialog* add) {
            auto* box = add->findChild<QLineEdit*>(QStringLiteral("Text1"));
            typeInto(box, QStringLiteral("yak"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QVERIFY(MessageBox::shown()[0].text.contains(QStringLiteral("dup.dic")));
        QVERIFY(!QFile::exists(path("dup.dic")));
    }
};

class FrmHelpWindows : public WindowTest {
    Q_OBJECT

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("key.htm"), "<html><body><p>About keys</p></body></html>"));
        QVERIFY(writeBytes(path("coding.htm"),
                           "<html><body><p><a href=\"dict.htm\">dictionaries</a> <a href=\"other.htm\">other</a></p>"
                           "</body></html>"));
        QVERIFY(writeBytes(path("dict.htm"), "<html><body><p>On dictionaries <a href=\"other.htm\">other</a></p></body></html>"));
        QVERIFY(writeBytes(path("other.htm"), "<html><body><p>Elsewhere</p></body></html>"));
        QVERIFY(start());
    }
    void cleanup() { cleanupFolder(); }

    void menuPagesCarryTheirCaptions() {
        for (int i = 0; i < 2; ++i) {
            UI_MODAL([&] { openHelpItem("hlpkey"); }, [](QDialog* help) {
                QCOMPARE(help->windowTitle(), QStringLiteral("Key Management"));
                QVERIFY(help->findChild<QTextBrowser*>("WebBrowser1")->toPlainText().contains("About keys"));
            });
        }
        QFile::remove(path("dict.htm"));
        UI_MODAL([&] { openHelpItem("hlpdict"); }, [](QDialog* help) {
            QCOMPARE(help->windowTitle(), QStringLiteral("Dictionaries"));
            QVERIFY(help->findChild<QTextBrowser*>("WebBrowser1")->toPlainText().contains("dict.htm"));
        });
    }

    void followingALinkTakesTheCaptionOfThatPage() {
        UI_MODAL([&] { openHelpItem("hlpcode"); }, [](QDialog* help) {
            QCOMPARE(help->windowTitle(), QStringLiteral("Encoding and Decoding Data"));
            auto* browser = help->findChild<QTextBrowser*>("WebBrowser1");
            auto clickWord = [browser](const QString& word) {
                QTextCursor at = browser->document()->find(word);
                QVERIFY(!at.isNull());
                at.setPosition(at.selectionStart() + 1);
                const QPoint place = browser->cursorRect(at).center();
                QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, place);
            };
            clickWord(QStringLiteral("dictionaries"));
            QTRY_VERIFY(browser->toPlainText().contains(QStringLiteral("On dictionaries")));
            QCOMPARE(help->windowTitle(), QStringLiteral("Dictionaries"));
            // A page the menu does not know leaves the caption as it is.
            clickWord(QStringLiteral("other"));
            QTRY_VERIFY(browser->toPlainText().contains(QStringLiteral("Elsewhere")));
            QCOMPARE(help->windowTitle(), QStringLiteral("Dictionaries"));
            QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
            QTRY_VERIFY(browser->toPlainText().contains(QStringLiteral("On dictionaries")));
            QCOMPARE(help->windowTitle(), QStringLiteral("Dictionaries"));
        });
    }

    // The fingerprint of the loaded dictionary, shown to copy; Done closes.
    void aboutShowsTheFingerprintToCopy() {
        UI_MODAL([&] { openHelpItem("hlpabt"); }, [](QDialog* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("About Talvora"));
            auto* title = about->findChild<QLabel*>("Label1");
            QCOMPARE(title->text(), QStringLiteral("Talvora"));
            QCOMPARE(title->font().family(), QStringLiteral("Arial"));
            QVERIFY(about->findChild<QLineEdit*>("txtFingerprint")->text().isEmpty());
            QVERIFY(!about->findChild<QPushButton*>("cmdCopy")->isEnabled());
            clickButton(about->findChild<QPushButton*>("Command1"));
            QVERIFY(!about->isVisible());
        });
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        const QString fingerprint = q(dictionaryFingerprint(window_->keyspace().words()));
        QGuiApplication::clipboard()->clear();
        UI_MODAL([&] { openHelpItem("hlpabt"); }, [&](QDialog* about) {
            auto* box = about->findChild<QLineEdit*>("txtFingerprint");
            QCOMPARE(box->text(), fingerprint);
            QVERIFY(box->isReadOnly());
            QVERIFY(about->findChild<QLabel*>("Label5")->text().contains(QStringLiteral("eng.dic")));
            clickButton(about->findChild<QPushButton*>("cmdCopy"));
        });
        QCOMPARE(QGuiApplication::clipboard()->text(), fingerprint);
    }

    // Drawn from raster images alone: no image plugin beyond Qt's own PNG reader.
    void theIconHoldsEveryRasterSize() {
        const QIcon icon = applicationIcon();
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            sizes << QSize(side, side);
        QList<QSize> available = icon.availableSizes();
        std::sort(available.begin(), available.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(available, sizes);
        for (const QSize& size : sizes) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), size);
            QCOMPARE(image.pixelColor(size.width() / 2, size.height() / 2), QColor(0x2e, 0x6d, 0xa4));
        }
    }
};

UI_TEST_CLASS(FrmDictionaryWindows);
UI_TEST_CLASS(FrmHelpWindows);
#include "test_smallwindows.moc"
