// "Dress as sentences", the warning after Encode and the fingerprint in About, worked
// through real clicks and keys on the main window.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "uitest.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>

using namespace talvora;
using uitest::q;

namespace {

const QString Key = QStringLiteral("918273645546372819");
const QString Plain =
    QStringLiteral("meet him at noon by the house the quick brown fox jumps over the lazy dog");

} // namespace

class TestDress : public uitest::WindowTest {
    Q_OBJECT

    void show() {
        start();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void mouseClick(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void mouseClick(const char* name) { mouseClick(child<QWidget>(name)); }
    void type(const char* name, const QString& text) {
        auto* w = child<QWidget>(name);
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    // Language, key and Process as a user does them.
    void ready(const QString& language, const QString& key) {
        QVERIFY(pick("Combo1", language));
        type("txtKey", key);
        mouseClick("Command10");
        QCOMPARE(label("Label2"), QStringLiteral("Dictionary is ready for cryption."));
    }
    // What Decode gives for a text shown in a box, from a keyspace of its own.
    std::string decoded(const QString& coded) {
        Keyspace ks;
        loadDictionary(ks, window_->dictionaryPath(), CodePage::fromName("windows-1252"));
        talvora::processKey(ks, Key.toStdString());
        QString crLf = coded;
        crLf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return *decodeText(ks, crLf.toStdString()).output;
    }

  private slots:
    void init() { initFolder(); }
    void cleanup() { cleanupFolder(); }

    void dressesEncodeOnlyWhileChecked() {
        show();
        auto* chk = child<QCheckBox>("chkDress");
        QCOMPARE(chk->text(), QStringLiteral("Dress as sentences"));
        QCOMPARE(chk->parentWidget(), child<QGroupBox>("Frame4"));
        QVERIFY(!chk->isChecked());
        ready(QStringLiteral("English"), Key);
        type("Text1", Plain);

        mouseClick("Command3");
        const QString plainCode = text("Text2");
        QVERIFY(plainCode.endsWith(u' '));
        QCOMPARE(plainCode, plainCode.toLower());

        mouseClick(chk);
        QVERIFY(chk->isChecked());
        mouseClick("Command3");
        const QString dressed = text("Text2");
        QVERIFY2(dressed.at(0).isUpper(), qPrintable(dressed));
        QVERIFY2(QStringLiteral(".?!").contains(dressed.back()), qPrintable(dressed));
        QCOMPARE(
            dressed.toLower().remove(QRegularExpression(QStringLiteral("[,.?!]"))).simplified(),
            plainCode.simplified());
        QCOMPARE(decoded(dressed), decoded(plainCode));
        QCOMPARE(decoded(dressed), Plain.toStdString() + " ");
        QCOMPARE(label("Label2"), QString());
        QVERIFY(uitest::shownTexts().isEmpty());

        mouseClick(chk);
        QVERIFY(!chk->isChecked());
        mouseClick("Command3");
        QCOMPARE(text("Text2"), plainCode);
    }

    void warnsOnceNamingTheEntriesAtFault() {
        QVERIFY(uitest::writeBytes(path("bad.dic"),
                                   "alpha\r\nbeta\r\ngamma\r\nred sky\r\ndelta\r\nx-ray\r\n"
                                   "epsilon\r\nbeta\r\n\r\nzeta\r\neta\r\ntheta\r\n"));
        show();
        ready(QStringLiteral("bad.dic"), QStringLiteral("123456789"));
        type("Text1",
             QStringLiteral(
                 "theta theta theta theta theta theta theta theta theta theta theta theta"));
        mouseClick("chkDress");
        mouseClick("Command3");
        QVERIFY(!text("Text2").isEmpty()); // the output is shown all the same
        const QStringList shown = uitest::shownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QStringLiteral("line 4 \"red sky\"")), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QStringLiteral("line 6 \"x-ray\"")), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QStringLiteral("line 9 (empty)")), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QStringLiteral("\"beta\" (also on line")), qPrintable(shown[0]));

        // A text whose coded words all come back says nothing.
        auto* input = child<QPlainTextEdit>("Text1");
        input->selectAll();
        type("Text1", QStringLiteral("delta"));
        mouseClick("Command3");
        QCOMPARE(uitest::shownTexts().size(), 1);
    }

    void aboutShowsTheFingerprintToCopy() {
        show();
        auto about = [&] { window_->findChild<QAction*>(QStringLiteral("hlpabt"))->trigger(); };
        UI_MODAL(about, [](QDialog* dialog) {
            QVERIFY(dialog->findChild<QLineEdit*>("txtFingerprint")->text().isEmpty());
            QVERIFY(!dialog->findChild<QPushButton*>("cmdCopy")->isEnabled());
        });
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        const QString fingerprint = q(dictionaryFingerprint(window_->keyspace().words()));
        QGuiApplication::clipboard()->clear();
        UI_MODAL(about, [&](QDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto* box = dialog->findChild<QLineEdit*>("txtFingerprint");
            QCOMPARE(box->text(), fingerprint);
            QVERIFY(box->isReadOnly());
            QVERIFY(
                dialog->findChild<QLabel*>("Label5")->text().contains(QStringLiteral("eng.dic")));
            mouseClick(dialog->findChild<QPushButton*>("cmdCopy"));
        });
        QCOMPARE(QGuiApplication::clipboard()->text(), fingerprint);
    }
};

QTEST_MAIN(TestDress)
#include "test_dress.moc"
