// The main window's start-up, language list, cipher commands, Dress as sentences and text
// files, by real key and mouse events on a temporary program folder.
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyspace.h"
#include "uitest.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QWheelEvent>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {

// What a label showed each time it was painted and the window's pointer at that moment, and
// how often the window's pointer changed.
class PaintLog : public QObject {
  public:
    PaintLog(QLabel* label, QWidget* window) : label_(label), window_(window) {
        label->installEventFilter(this);
        window->installEventFilter(this);
    }
    QStringList texts;
    QList<Qt::CursorShape> pointers;
    int pointerChanges = 0;
    void clear() {
        texts.clear();
        pointers.clear();
        pointerChanges = 0;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::CursorChange)
            ++pointerChanges;
        if (watched == label_ && event->type() == QEvent::Paint &&
            (texts.isEmpty() || texts.last() != label_->text())) {
            texts << label_->text();
            pointers << window_->cursor().shape();
        }
        return false;
    }

  private:
    QLabel* label_;
    QWidget* window_;
};

} // namespace

class FrmMainCipher : public WindowTest {
    Q_OBJECT

    // Where every button of the window stands, in window coordinates.
    QMap<QString, QRect> buttonPlaces() const {
        QMap<QString, QRect> places;
        for (QPushButton* b : window_->findChildren<QPushButton*>())
            places[b->objectName()] = QRect(b->mapTo(window_.get(), QPoint(0, 0)), b->size());
        return places;
    }

  private slots:
    void init() { initFolder(); }
    void cleanup() { cleanupFolder(); }

    void startsEmptyAndDisabled() {
        QVERIFY(start());
        QCOMPARE(window_->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Talvora v1"));
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));
        QCOMPARE(label("Label2"), QStringLiteral("Welcome.  Select Dictionary, define and process the Key."));
        for (const char* name : {"Command1", "Command2", "Command6"})
            QVERIFY(!child<QPushButton>(name)->isEnabled());
        QVERIFY(child<QPushButton>("Command10")->isEnabled());
        QVERIFY(child<QProgressBar>("ProgressBar1")->isHidden());
        QCOMPARE(child<QLineEdit>("txtKey")->maxLength(), 18);
        auto* combo = child<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("dup.dic"));
        QCOMPARE(combo->itemText(1), QStringLiteral("English"));
        QVERIFY(combo->currentText().isEmpty());
        QVERIFY(child<QComboBox>("cmbKey")->currentText().isEmpty());
        QVERIFY(keyBox().isEmpty());
        QVERIFY(MessageBox::shown().empty());

        auto* help = child<QMenu>("hlp");
        QCOMPARE(shownCaption(help->title()), QStringLiteral("Help"));
        QStringList items;
        for (QAction* a : help->actions())
            items << a->objectName() + u'=' + shownCaption(a->text());
        QCOMPARE(items, QStringList({"hlpabt=About", "div=", "hlpdict=Dictionaries",
                                     "hlpkey=Key Management", "hlpcode=Encoding and Decoding", "div2=",
                                     "hlplang=Language"}));
    }

    void captionsKeepTheirWordsAndMnemonicsPressTheirButtons() {
        QVERIFY(start());
        const QMap<QString, QString> captions = {
            {"Command14", "Load"},         {"Command6", "View"},          {"Command2", "Search"},
            {"Command1", "Add"},           {"Command13", "Generate Key"}, {"Command8", "Save"},
            {"Command9", "Remove"},        {"Command10", "Process"},      {"Command12", "Transfer Keys"},
            {"Command7", "Restore Keys"},  {"Command11", "Delete Keys"},  {"Command15", "Get Text"},
            {"Command3", "Encode"},        {"Command4", "Decode"},        {"Command5", "Save"}};
        QSet<QKeySequence> mnemonics;
        for (auto it = captions.begin(); it != captions.end(); ++it) {
            auto* button = child<QPushButton>(qPrintable(it.key()));
            QCOMPARE(shownCaption(button->text()), it.value());
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            QVERIFY2(!mnemonic.isEmpty() && !mnemonics.contains(mnemonic), qPrintable(it.key()));
            mnemonics << mnemonic;
        }
        QCOMPARE(shownCaption(child<QLabel>("Label6")->text()), QStringLiteral("Name"));
        QCOMPARE(shownCaption(child<QLabel>("Label7")->text()), QStringLiteral("Key"));

        // Alt+P runs Process, Alt+E Encode: each answers with its own entry check.
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(shownTexts(), QStringList{q(msg::KeyNotDefined)});
        QTest::keyClick(window_.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(shownTexts(), QStringList({q(msg::KeyNotDefined), q(msg::MissingInput)}));
        // Alt+K puts the cursor into the key box.
        QTest::keyClick(window_.get(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>("txtKey"));
    }

    void unusableCodePageIsToldAtStartUpAndTheLocaleOneUsed() {
        qputenv("TALVORA_CODEPAGE", "bogus");
        qputenv("LC_ALL", "C.UTF-8");
        QVERIFY(QFile::copy(QStringLiteral(TALVORA_SOURCE_DATA "/sample.dic"), path("caf\u00e9.dic")));
        QVERIFY(start());
        qputenv("TALVORA_CODEPAGE", "windows-1252");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        const QString text = MessageBox::shown()[0].text;
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Talvora"));
        QCOMPARE(text, q(CodePage::environmentMessage("The code page \"bogus\" is not known.")));
        QVERIFY(text.contains(QStringLiteral("TALVORA_CODEPAGE")) && text.contains(QStringLiteral("windows-1252")));
        // The window works on: a pick loads through the locale's code page.
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
    }

    void typingALanguageLoadsNothing() {
        QVERIFY(start());
        auto* combo = child<QComboBox>("Combo1");
        type("Combo1", QStringLiteral("Eng"));
        QCOMPARE(combo->currentText(), QStringLiteral("Eng"));
        type("Combo1", QStringLiteral("English"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));
        QCOMPARE(window_->keyspace().wordCount(), 0u);
        QVERIFY(!child<QPushButton>("Command6")->isEnabled());
        QVERIFY(MessageBox::shown().empty());

        // Arrow keys and the wheel on the closed box do not step to an entry; Down opens
        // the list, Escape closes it again.
        clickInto(combo->lineEdit());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        QTRY_VERIFY(!combo->view()->isVisible());
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        QCOMPARE(window_->keyspace().wordCount(), 0u);
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));

        QVERIFY(pick("Combo1", QStringLiteral("dup.dic")));
        QCOMPARE(label("Label1"), QStringLiteral("5 items in Dictionary"));
        // A typed name over a loaded dictionary leaves that dictionary.
        type("Combo1", QStringLiteral("English"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window_->keyspace().wordCount(), 5u);
    }

    void refusedCommandsLeaveThePointerAndStatusAlone() {
        QVERIFY(start());
        PaintLog log(child<QLabel>("Label2"), window_.get());
        click("Command10");           // no key
        type("txtKey", Key);
        click("Command10");           // no dictionary
        click("Command3");            // no input
        type("Text1", QStringLiteral("the dog"));
        click("Command4");            // no dictionary
        QCOMPARE(log.pointerChanges, 0);
        QVERIFY(pick("Combo1", QStringLiteral("English"))); // loading shows the hourglass
        log.pointerChanges = 0;
        click("Command3");            // not processed
        type("txtKey", QStringLiteral("ab cd"));
        click("Command10");           // unusable key
        QCOMPARE(shownTexts(), QStringList({q(msg::KeyNotDefined), q(msg::NoDictionaryForProcess),
                                            q(msg::MissingInput), q(msg::DictionaryNotLoaded),
                                            q(msg::KeyNotProcessed), q(msg::KeyUnusable)}));
        QCOMPARE(log.pointerChanges, 0);
        QVERIFY(log.texts.isEmpty());
        QVERIFY(child<QProgressBar>("ProgressBar1")->isHidden());
    }

    void statusTextsArePaintedInOrderUnderTheHourglass() {
        QVERIFY(start());
        PaintLog log(child<QLabel>("Label2"), window_.get());
        processKey(Key);
        QCOMPARE(log.texts, QStringList({q(status::CreatingKeyspace), q(status::KeyspaceReady)}));
        QCOMPARE(log.pointers, QList<Qt::CursorShape>({Qt::WaitCursor, Qt::WaitCursor}));
        QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);

        log.clear();
        type("Text1", QStringLiteral("the dog"));
        click("Command3");
        QCOMPARE(log.texts, QStringList({q(status::Parsing), q(status::Checking), q(status::Encoding), QString()}));
        log.clear();
        click("Command4");
        QCOMPARE(log.texts, QStringList({q(status::Parsing), q(status::Decoding), QString()}));
        QCOMPARE(log.pointers.first(), Qt::WaitCursor);
        QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
    }

    void processKeepsTheWindowAndItsButtonsStill() {
        QVERIFY(start());
        window_->resize(window_->minimumSizeHint());
        QTRY_COMPARE(window_->size(), window_->minimumSizeHint());
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        type("txtKey", Key);
        QCoreApplication::processEvents();
        const QSize size = window_->size();
        const auto places = buttonPlaces();

        bool barShown = false;
        auto* bar = child<QProgressBar>("ProgressBar1");
        QObject::connect(bar, &QProgressBar::valueChanged, [&] { barShown = barShown || bar->isVisible(); });
        click("Command10");
        QVERIFY(barShown);
        QTest::qWait(50); // let any layout request run
        QCOMPARE(window_->size(), size);
        QCOMPARE(buttonPlaces(), places);
    }

    void languageFrameHasNoEmptyBand() {
        QVERIFY(start());
        QCoreApplication::processEvents();
        auto* frame = child<QGroupBox>("Frame1");
        int lowest = 0;
        for (QWidget* w : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                lowest = std::max(lowest, w->geometry().bottom());
        const int margin = frame->layout()->contentsMargins().bottom();
        const int below = frame->contentsRect().bottom() - lowest;

        QVERIFY2(below <= margin, qPrintable(QStringLiteral("%1 px below the last control").arg(below)));
    }

    void encodesAndDecodesLikeTheLibrary() {
        QVERIFY(start());
        processKey(Key);
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Fingerprint")));
        for (const char* name : {"Command1", "Command2", "Command6"})
            QVERIFY(child<QPushButton>(name)->isEnabled());

        type("Text1", QStringLiteral("The dog and the fox."));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("The dog!"));
        click("Command3");
        const QString coded = text("Text2");

        CodePage cp = CodePage::fromName("windows-1252");
        Keyspace ks;
        loadDictionary(ks, path("eng.dic").toStdString(), cp);
        talvora::processKey(ks, Key.toStdString());
        const auto expected = encodeText(ks, "The dog and the fox.\r\nThe dog!");
        QVERIFY(expected.output);
        QCOMPARE(coded, q(*expected.output));

        type("Text1", coded);
        click("Command4");
        QCOMPARE(text("Text2"), QStringLiteral("the dog and the fox the dog "));
        QVERIFY(MessageBox::shown().empty());
    }

    void getTextAndSave() {
        QVERIFY(start());
        QVERIFY(writeBytes(path("in.txt"), "caf\xe9 one\r\ntwo\rthree"));
        QVERIFY(writeBytes(path("out.txt"), "old"));
        QVERIFY(writeBytes(path("out.txt.part"), "half a letter")); // the user's own file
        FileDialog::setNextFileName(path("in.txt"));
        click("Command15");
        QCOMPARE(text("Text1"), QString::fromUtf8("café one\ntwo\nthree\n"));

        processKey(Key);
        type("Text1", QStringLiteral("the dog"));
        click("Command3");
        const QString coded = text("Text2");
        FileDialog::setNextFileName(path("out.txt"));
        click("Command5");
        QCOMPARE(readBytes(path("out.txt")), coded.toLatin1() + "\r\n");
        QCOMPARE(readBytes(path("out.txt.part")), QByteArray("half a letter"));
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("File Saved")}));

        MessageBox::clearShown();
        click("Command5"); // cancelled dialog
        FileDialog::setNextFileName(path("missing/out.txt"));
        click("Command5");
        FileDialog::setNextFileName(path("none.txt"));
        click("Command15");
        QCOMPARE(MessageBox::shown().size(), size_t(2));
        QCOMPARE(text("Text1"), QStringLiteral("the dog"));
    }

    // The locale's code page here is windows-1252; a shipped Polish file must still read
    // and grow in windows-1250.
    void shippedFileKeepsItsCodePage() {
        QVERIFY(writeBytes(path("pl.dic"), "\xBF\xF3\xB3w\r\nkot\r\n")); // żółw, kot
        QVERIFY(start());
        QVERIFY(pick("Combo1", QStringLiteral("Polish")));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Code page windows-1250")));
        UI_MODAL([&] { click("Command2"); }, [](QDialog* search) {
            typeText(QApplication::focusWidget(), QStringLiteral("Żó"));
            clickButton(search->findChild<QPushButton*>("Command2"));
            auto* model = search->findChild<QListView*>("List1")->model();
            QCOMPARE(model->rowCount(), 1);
            QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("żółw"));
        });
        UI_MODAL([&] { click("Command1"); }, [](QDialog* add) {
            typeText(QApplication::focusWidget(), QStringLiteral("Źle"));
            clickButton(add->findChild<QPushButton*>("Command2"));
        });
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("Źle Added.")}));
        QVERIFY(readBytes(path("pl.dic")).endsWith("kot\r\n\x9Fle\r\n"));

        QVERIFY(pick("Combo1", QStringLiteral("English")));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Code page windows-1252")));
    }

    void dressesEncodeOnlyWhileChecked() {
        QVERIFY(start());
        auto* chk = child<QCheckBox>("chkDress");
        QCOMPARE(chk->text(), QStringLiteral("Dress as sentences"));
        QCOMPARE(chk->parentWidget(), child<QGroupBox>("Frame4"));
        QVERIFY(!chk->isChecked());
        processKey(Key);
        const QString plain = QStringLiteral("meet him at noon by the house the quick brown fox jumps over the lazy dog");
        type("Text1", plain);
        click("Command3");
        const QString plainCode = text("Text2");
        QVERIFY(plainCode.endsWith(u' '));
        QCOMPARE(plainCode, plainCode.toLower());

        clickInto(chk);
        QVERIFY(chk->isChecked());
        click("Command3");
        const QString dressed = text("Text2");
        QVERIFY2(dressed.at(0).isUpper() && QStringLiteral(".?!").contains(dressed.back()), qPrintable(dressed));
        QCOMPARE(dressed.toLower().remove(QRegularExpression(QStringLiteral("[,.?!]"))).simplified(),
                 plainCode.simplified());
        QCOMPARE(label("Label2"), QString());
        clickInto(chk);
        click("Command3");
        QCOMPARE(text("Text2"), plainCode);
        // The dressed text, typed with its line breaks, decodes to the plain text.
        type("Text1", QString(dressed).replace(u'\n', u'\r'));
        click("Command4");
        QCOMPARE(text("Text2"), plain + u' ');
        QVERIFY(shownTexts().isEmpty());
    }

    void dressWarnsOnceNamingTheEntriesAtFault() {
        QVERIFY(writeBytes(path("bad.dic"), "alpha\r\nbeta\r\ngamma\r\nred sky\r\ndelta\r\nx-ray\r\n"
                                            "epsilon\r\nbeta\r\n\r\nzeta\r\neta\r\ntheta\r\n"));
        QVERIFY(start());
        processKey(QStringLiteral("123456789"), QStringLiteral("bad.dic"));
        type("Text1", QStringLiteral("theta theta theta theta theta theta theta theta theta theta theta theta"));
        clickInto(child<QWidget>("chkDress"));
        click("Command3");
        QVERIFY(!text("Text2").isEmpty()); // the output is shown all the same
        const QStringList shown = shownTexts();
        QCOMPARE(shown.size(), 1);
        for (const char* part : {"line 4 \"red sky\"", "line 6 \"x-ray\"", "line 9 (empty)", "\"beta\" (also on line"})
            QVERIFY2(shown[0].contains(QLatin1String(part)), qPrintable(shown[0]));
        // A text whose coded words all come back says nothing.
        type("Text1", QStringLiteral("delta"));
        click("Command3");
        QCOMPARE(shownTexts().size(), 1);
    }

    void loadKeepsTheDictionaryOnFailure() {
        QVERIFY(start());
        FileDialog::setNextFileName(path("dup.dic"));
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("Loaded"));
        QCOMPARE(label("Label1"), QStringLiteral("5 items in Dictionary"));
        QVERIFY(writeBytes(path("empty.dic"), ""));
        FileDialog::setNextFileName(path("empty.dic"));
        click("Command14");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(label("Label1"), QStringLiteral("5 items in Dictionary"));
        QCOMPARE(window_->keyspace().wordCount(), 5u);
    }
};

UI_TEST_CLASS(FrmMainCipher);
#include "test_frmmain.moc"
