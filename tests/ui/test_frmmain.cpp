// The main window and the windows it opens, by real key and mouse events on a temporary
// program folder. The arguments go to QtTest.
#include "appicon.h"
#include "codepage.h"
#include "commands.h"
#include "dictionaryfile.h"
#include "keyfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "keyspace.h"
#include "language.h"
#include "morphology.h"
#include "uitest.h"
#include "usersettings.h"

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {

// Each new text a label was painted with, the window's pointer at that moment, and how
// often the window's pointer changed.
struct PaintLog : QObject {
    QLabel* label;
    QWidget* window;
    QStringList texts;
    QList<Qt::CursorShape> pointers;
    int pointerChanges = 0;
    PaintLog(QLabel* l, QWidget* w) : label(l), window(w) {
        l->installEventFilter(this);
        w->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        pointerChanges += watched == window && event->type() == QEvent::CursorChange;
        if (watched == label && event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != label->text())) {
            texts << label->text();
            pointers << window->cursor().shape();
        }
        return false;
    }
};

// A file read by Get Text or dropped on the input box, and what the input box then holds
// ("MZ…" when the user says Yes) with how many boxes were shown.
struct FileRead {
    bool drop;
    QByteArray bytes;
    int files;
    QString input;
    int boxes;
};

QString processed(const QString& key, const QString& dict) { return QStringLiteral("Processed: %1 \u00B7 %2").arg(key, dict); }

struct Typed {
    QString name;
    QByteArray key;
    const char* button;
    bool yes;
    QStringList shown;
    QByteArray file;
};
const QByteArray ZuluKey = "123456789123456789", AlphaKey = "987654321987654321", OtherKey = "555666777888999111";
const QString Key = QStringLiteral("918273645546372819"); // the command line's golden key
const QByteArray Zulu = keyRecord("zulu", ZuluKey);
const QByteArray Stored = Zulu + keyRecord("alpha", AlphaKey);
// A form with sample parts: the matcher must take it back to itself.
QString sample(QString form) {
    static const char* parts[] = {"\"/tmp/a b\"", "7", "windows-1250", "Q"};
    form.replace(QLatin1String("%n"), QLatin1String("3"));
    for (int i = 0; i < 4; ++i)
        form.replace(QStringLiteral("%%1").arg(i + 1), QString::fromLatin1(parts[i]));
    return form;
}

} // namespace
Q_DECLARE_METATYPE(FileRead)
Q_DECLARE_METATYPE(Typed)

// Two stored keys (zulu's shown at the start), a second dictionary of two words, and a working
// folder with subfolders for Restore and Transfer.
class FrmMainWindow : public WindowTest {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> work_;

    QString at(const QString& relative) const { return QDir::cleanPath(work_->filePath(relative)); }
    QString stickFile(const char* name = "key.dat") const { return at(QStringLiteral("stick/") + name); }
    // No key file has been copied anywhere under the working folder.
    bool nothingCopied() const {
        return !QDirIterator(work_->path(), {"key.dat"}, QDir::Files, QDirIterator::Subdirectories).hasNext();
    }
    static QString shownFolder(QDialog* window) { return QDir::fromNativeSeparators(find<QLabel>(window, "Dir1Path")->text()); }
    // The folder window: "stick" typed and opened with Enter, taken with Alt+S.
    void chooseStickAfter(const char* button) {
        UI_MODAL([&] { click(button); }, [](QDialog* window) {
            QTest::keyClicks(find(window, "Dir1List"), QStringLiteral("stick"));
            QTest::keyClick(find(window, "Dir1List"), Qt::Key_Return);
            QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!window->isVisible()); // a mnemonic clicks after a short press
        });
    }
    // The frame as shown: the names listed, then the name and key boxes.
    QString frame() const {
        auto* names = child<QComboBox>("cmbKey");
        QStringList items;
        for (int i = 0; i < names->count(); ++i)
            items << names->itemText(i);
        return items.join(u',') + u'|' + names->currentText() + u'=' + keyBox();
    }
    // The first box: a question with No as its default.
    void expectQuestion(const std::string& title, const QString& text) {
        QVERIFY(!MessageBox::shown().empty() && MessageBox::shown()[0].question);
        QCOMPARE(MessageBox::shown()[0].defaultButton, QMessageBox::No);
        QCOMPARE(MessageBox::shown()[0].title, q(title));
        QCOMPARE(MessageBox::shown()[0].text, text);
    }

    // Where every button of the window stands, in window coordinates.
    QMap<QString, QRect> buttonPlaces() const {
        QMap<QString, QRect> places;
        for (QPushButton* b : window_->findChildren<QPushButton*>())
            places[b->objectName()] = QRect(b->mapTo(window_.get(), QPoint(0, 0)), b->size());
        return places;
    }
    // The control a focus widget belongs to: a combo box for its text field.
    static QString controlName(QWidget* w) {
        return qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget()->objectName() : w->objectName();
    }
    static bool atLanguage(QWidget* w) { return w && controlName(w) == QStringLiteral("Combo1"); }
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
        QVERIFY(writeBytes(path("key.dat"), Stored));
        work_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : {"stick", "a/b", "c"})
            QVERIFY(QDir(work_->path()).mkpath(QString::fromLatin1(folder)));
        QDir::setCurrent(work_->path());
        QVERIFY(start());
    }
    void cleanup() {
        l10n::setLanguage(QStringLiteral("en"));
        QDir::setCurrent(QDir::tempPath());
        work_.reset();
        cleanupFolder();
    }

    void unusableCodePageIsToldAtStartUpAndTheLocaleOneUsed() {
        qputenv("TALVORA_CODEPAGE", "bogus");
        qputenv("LC_ALL", "C.UTF-8");
        QVERIFY(QFile::copy(QStringLiteral(TALVORA_SOURCE_DATA "/sample.dic"), path("caf\u00e9.dic")));
        QVERIFY(start());
        qputenv("TALVORA_CODEPAGE", "windows-1252");
        QCOMPARE(shownTexts(), QStringList{q(CodePage::environmentMessage("The code page \"bogus\" is not known."))});
        QVERIFY(pick("Combo1", QStringLiteral("English"))); // loaded through the locale's code page
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
    }

    // Only a pick from the list or Load loads; a failed load keeps the dictionary.
    void typingALanguageLoadsNothing() {
        auto* combo = child<QComboBox>("Combo1");
        type("Combo1", QStringLiteral("Eng"));
        QCOMPARE(combo->currentText(), QStringLiteral("Eng"));
        type("Combo1", QStringLiteral("English"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));
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
        QVERIFY(!child<QPushButton>("Command6")->isEnabled() && MessageBox::shown().empty());

        QVERIFY(pick("Combo1", QStringLiteral("dup.dic")));
        QCOMPARE(label("Label1"), QStringLiteral("5 items in Dictionary"));
        FileDialog::setNextFileName(path("eng.dic"));
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(combo->currentText(), QStringLiteral("Loaded"));
        QVERIFY(writeBytes(path("empty.dic"), ""));
        FileDialog::setNextFileName(path("empty.dic"));
        click("Command14");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
        QCOMPARE(window_->keyspace().wordCount(), 105u);
    }

    // No empty band under the language frame's controls. A refused command leaves the
    // pointer and the status line alone; one that runs paints each status text in order
    // under the hourglass. Alt+P presses Process, Alt+K goes to the key box.
    void statusTextsAndThePointer() {
        QCoreApplication::processEvents();
        auto* frame = child<QGroupBox>("Frame1");
        int lowest = 0;
        for (QWidget* w : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            lowest = w->isVisible() ? std::max(lowest, w->geometry().bottom()) : lowest;
        const int below = frame->contentsRect().bottom() - lowest;
        QVERIFY2(below <= frame->layout()->contentsMargins().bottom(), qPrintable(QString::number(below) + " px below"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Talvora v1"));

        PaintLog log(child<QLabel>("Label2"), window_.get());
        type("txtKey", QString());
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier); // no key
        QTRY_COMPARE(MessageBox::shown().size(), size_t(1));
        click("cmdTidy"); // no input
        QTest::keyClick(window_.get(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), child("txtKey"));
        QTest::keyClicks(QApplication::focusWidget(), Key);
        click("Command10"); // no dictionary
        click("Command3");  // no input
        type("Text1", QStringLiteral("the dog"));
        click("Command4"); // no dictionary
        click("cmdTidy");  // no dictionary
        QCOMPARE(log.pointerChanges, 0);
        QVERIFY(pick("Combo1", QStringLiteral("English"))); // loading shows the hourglass
        log.pointerChanges = 0;
        click("Command3"); // not processed
        type("txtKey", QStringLiteral("ab cd"));
        click("Command10"); // unusable key
        QCOMPARE(shownTexts(), QStringList({q(msg::KeyNotDefined), q(msg::MissingInput), q(msg::NoDictionaryForProcess),
                                            q(msg::MissingInput), q(msg::DictionaryNotLoaded), q(msg::DictionaryNotLoaded),
                                            q(msg::KeyNotProcessed), q(msg::KeyUnusable)}));
        QVERIFY(log.pointerChanges == 0 && log.texts.isEmpty());
        QCOMPARE(text("Text1"), QStringLiteral("the dog"));

        processKey(Key);
        click("Command3");
        click("Command4");
        QCOMPARE(log.texts, QStringList({q(status::CreatingKeyspace), q(status::KeyspaceReady), q(status::Parsing),
                                         q(status::Checking), q(status::Encoding), QString(), q(status::Parsing),
                                         q(status::Decoding), QString()}));
        QCOMPARE(log.pointers.mid(0, 5), QList<Qt::CursorShape>(5, Qt::WaitCursor));
        QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
    }

    // Process's progress bar moves neither the window nor a button.
    void processKeepsTheWindowAndItsButtonsStill() {
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
        QVERIFY(bar->isHidden());
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
            press(search, "Command2");
            QCOMPARE(rows(search, "List1"), QStringList{QStringLiteral("żółw")});
        });
        UI_MODAL([&] { click("Command1"); }, [](QDialog* add) {
            typeText(QApplication::focusWidget(), QStringLiteral("Źle"));
            press(add, "Command2");
        });
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("Źle Added.")}));
        QVERIFY(readBytes(path("pl.dic")).endsWith("kot\r\n\x9Fle\r\n"));
        QVERIFY(pick("Combo1", QStringLiteral("English")));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Code page windows-1252")));
    }

    // Lines typed with Return reach the library as CR LF. Dressed only while the box is
    // ticked, and decoded exactly as plain; a dictionary with entries no text can give back
    // has one box (its wording is the command line's test), and the output shown all the same.
    void encodesLikeTheLibraryAndDressesOnlyWhileChecked() {
        processKey(Key);
        type("Text1", QStringLiteral("The dog and the fox."));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("The dog!"));
        click("Command3");
        const QString plainCode = text("Text2");
        Keyspace ks;
        loadDictionary(ks, path("eng.dic").toStdString(), CodePage::fromName("windows-1252"));
        talvora::processKey(ks, Key.toStdString());
        const auto expected = encodeText(ks, "The dog and the fox.\r\nThe dog!");
        QVERIFY(expected.output);
        QCOMPARE(plainCode, q(*expected.output));

        auto* chk = child<QCheckBox>("chkDress");
        QVERIFY(!chk->isChecked());
        clickInto(chk);
        click("Command3");
        const QString dressed = text("Text2");
        QVERIFY2(dressed.at(0).isUpper() && QStringLiteral(".?!").contains(dressed.back()), qPrintable(dressed));
        QCOMPARE(dressed.toLower().remove(QRegularExpression(QStringLiteral("[,.?!]"))).simplified(),
                 plainCode.simplified());
        clickInto(chk);
        click("Command3");
        QCOMPARE(text("Text2"), plainCode);
        // The dressed text, typed with its line breaks, decodes to the plain text.
        QCOMPARE(run("Command4", QString(dressed).replace(u'\n', u'\r')), QStringLiteral("the dog and the fox the dog "));
        QVERIFY(shownTexts().isEmpty());

        QVERIFY(writeBytes(path("bad.dic"), "alpha\r\nbeta\r\ngamma\r\nred sky\r\ndelta\r\nx-ray\r\n"
                                            "epsilon\r\nbeta\r\n\r\nzeta\r\neta\r\ntheta\r\n"));
        FileDialog::setNextFileName(path("bad.dic"));
        click("Command14");
        type("txtKey", QStringLiteral("123456789"));
        click("Command10");
        clickInto(chk);
        QVERIFY(!run("Command3", QStringLiteral("theta ").repeated(12)).isEmpty());
        QCOMPARE(shownTexts().size(), 1);
        run("Command3", QStringLiteral("delta")); // its coded words all come back
        QCOMPARE(shownTexts().size(), 1);
    }

    void codingNeedsTheKeyAndDictionaryShown_data() {
        QTest::addColumn<QString>("change");
        for (const char* change : {"language", "key edit", "other name"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void codingNeedsTheKeyAndDictionaryShown() {
        QFETCH(QString, change);
        processKey(QString::fromLatin1(ZuluKey)); // zulu's digits, typed
        QCOMPARE(label("lblProcessed"), processed("zulu", "English"));
        const QString output = run("Command3", QStringLiteral("meet him"));
        QCOMPARE(output.count(u' '), 2);
        if (change == "language") {
            QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        } else if (change == "key edit") {
            clickInto(child("txtKey"));
            QTest::keyClick(child("txtKey"), Qt::Key_Backspace);
        } else {
            QVERIFY(pick("cmbKey", QStringLiteral("alpha")));
        }
        QCOMPARE(label("lblProcessed"), QStringLiteral("Not processed"));
        click("Command3");
        click("Command4");
        QCOMPARE(shownTexts(), QStringList({q(msg::KeyNotProcessed), q(msg::KeyNotProcessed)}));
        QCOMPARE(text("Text2"), output);
    }

    void aPastedLongKeyIsCutAndTheStatusSaysWhatWasKept() {
        QVERIFY(pick("Combo1", QStringLiteral("other.dic")));
        QGuiApplication::clipboard()->setText(QStringLiteral("987654321").repeated(23)); // another program's copy
        clickInto(child("txtKey"));
        QTest::keyClick(child("txtKey"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(child("txtKey"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(keyBox(), QString::fromLatin1(AlphaKey));
        QTRY_COMPARE(label("Label2"),
                     QStringLiteral("A key holds at most 18 characters; the key box kept 987654321987654321."));
        click("Command10"); // the name box still says zulu, whose key this is not
        QCOMPARE(label("lblProcessed"), processed("unnamed key", "other.dic"));
    }

    // Get Text and a dropped file read a file alike (one reader, so the refusals are Get
    // Text's rows): its line ends as the box's own, and a file that is not text only when the
    // user says Yes (No the default).
    void aFileIsReadIntoTheInput_data() {
        QTest::addColumn<FileRead>("row");
        const QByteArray binary = QByteArray("MZ\x90\0\3\0\0\0", 8).repeated(500);
        QTest::newRow("get: text") << FileRead{false, "caf\xe9 one\r\ntwo\rthree", 1, "café one\ntwo\nthree\n", 0};
        QTest::newRow("get: not text, No") << FileRead{false, binary, 1, "kept", 1};
        QTest::newRow("get: not text, Yes") << FileRead{false, binary, 1, "MZ", 1};
        QTest::newRow("get: missing") << FileRead{false, {}, 1, "kept", 1};
        QTest::newRow("drop: text") << FileRead{true, "meet\r\nhim", 1, "meet\nhim\n", 0};
        QTest::newRow("drop: two files") << FileRead{true, "meet", 2, "kept", 0};
    }
    void aFileIsReadIntoTheInput() {
        QFETCH(FileRead, row);
        const auto& [drop, bytes, files, input, boxes] = row;
        type("Text1", QStringLiteral("kept"));
        QVERIFY(bytes.isEmpty() || writeBytes(path("in.txt"), bytes));
        if (input == "MZ")
            MessageBox::setNextAnswer(QMessageBox::Yes);
        QWidget* target = child<QPlainTextEdit>("Text1")->viewport();
        QMimeData mime;
        mime.setUrls(QList<QUrl>(files, QUrl::fromLocalFile(path("in.txt"))));
        QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent dropped(target->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        FileDialog::setNextFileName(path("in.txt"));
        if (drop) {
            QApplication::sendEvent(target, &enter);
            QApplication::sendEvent(target, &dropped);
        } else {
            click("Command15");
        }
        QCOMPARE(text("Text1").left(input == "MZ" ? 2 : -1), input);
        QCOMPARE(int(MessageBox::shown().size()), boxes);
        if (bytes.startsWith("MZ")) // asked, No the default
            QVERIFY(MessageBox::shown()[0].question && MessageBox::shown()[0].defaultButton == QMessageBox::No);
    }

    void wordsThatCannotBeUsedAreToldOnce() {
        processKey(Key);
        run("Command3", QStringLiteral("meet zorg"));
        QCOMPARE(shownTexts(), QStringList{q(msg::wordNotFound("zorg"))});
        // Several: one window of them, whose Tidy button makes the text encodable.
        MessageBox::clearShown();
        type("Text1", QStringLiteral("Meet him at 2 \u2014 by the house\u2026 at 2"));
        UI_MODAL([&] { click("Command3"); }, [&](QDialog* dialog) {
            QCOMPARE(rows(dialog, "List1"), QStringList({"2=2", "\u2014=1", "house\u2026=1"}));
            press(dialog, "cmdTidy");
        });
        QVERIFY(MessageBox::shown().empty());
        QCOMPARE(text("Text1"), QStringLiteral("Meet him at two  by the house at two"));
        // Decode shows its output, then one box naming the coded words it left out.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(run("Command4", QStringLiteral("zorg meet zorg")).count(u' '), 1);
        QCOMPARE(shownTexts(), QStringList{"2 words were not found in the dictionary: zorg (2 times)."});
    }

    // The buttons move text and say how much; a long output is shown cut into lines but
    // copied, saved and decoded as the one line it is. Saving leaves the user's own files
    // beside it alone.
    void theOutputMovesWholeThroughClipboardFileAndInput() {
        click("cmdCopyOutput");
        QCOMPARE(label("Label2"), QStringLiteral("The output box is empty: nothing was copied."));
        type("Text1", QStringLiteral("kept"));
        QGuiApplication::clipboard()->setText(QStringLiteral("the dog\nwas hot")); // another program's copy
        click("cmdPasteInput");
        QCOMPARE(text("Text1"), QStringLiteral("the dog\nwas hot"));
        QCOMPARE(label("Label2"), QStringLiteral("Pasted 4 words."));
        clickInto(child("Text1")); // the replaced input is one Undo away
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text("Text1"), QStringLiteral("kept"));
        processKey(Key);
        const QString plain = QStringLiteral("meet him ").repeated(20000);
        QVERIFY(writeBytes(path("long.txt"), plain.toLatin1()));
        QVERIFY(writeBytes(path("out.txt"), "old"));
        QVERIFY(writeBytes(path("out.txt.part"), "half a letter"));
        FileDialog::setNextFileName(path("long.txt"));
        click("Command15");
        click("Command3");
        QVERIFY(text("Text2").contains(u'\n'));
        click("cmdCopyOutput");
        const QString encoded = QGuiApplication::clipboard()->text();
        QCOMPARE(encoded.count(u' '), 40000);
        QVERIFY(!encoded.contains(u'\n'));
        QCOMPARE(label("Label2"), QStringLiteral("Copied 40,000 words."));
        FileDialog::setNextFileName(path("out.txt"));
        click("Command5");
        QCOMPARE(readBytes(path("out.txt")), encoded.toLatin1() + "\r\n");
        QCOMPARE(readBytes(path("out.txt.part")), QByteArray("half a letter"));
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("File Saved")}));
        click("Command5"); // cancelled
        FileDialog::setNextFileName(path("missing/out.txt"));
        click("Command5");
        QCOMPARE(MessageBox::shown().size(), size_t(2));
        click("cmdOutputToInput");
        QVERIFY(text("Text2").isEmpty());
        QCOMPARE(label("Label2"), QStringLiteral("Moved 40,000 words to the input box."));
        click("Command4");
        click("cmdCopyOutput");
        QCOMPARE(QGuiApplication::clipboard()->text(), plain);
    }

    void aMessageBoxShowsItsWholeTitle() {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Key Saved"), QStringLiteral("ok"), QMessageBox::Ok);
        MessageBox::keepTitleWhole(box);
        box.show();
        QVERIFY(box.width() >= box.fontMetrics().horizontalAdvance(box.windowTitle()) + 150);
    }

    // Every control is named; Tab follows the layout, passing by View, Search and Add, which
    // wait for a dictionary; and the whole round trip works by keyboard alone.
    void everyControlIsNamedTheKeyboardDoesItAndChoicesAreRemembered() {
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QProgressBar*>(w) ||
                                 (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()));
            if (control && !w->objectName().startsWith(QStringLiteral("qt_")))
                QVERIFY2(!w->accessibleName().isEmpty() && !w->accessibleDescription().isEmpty(),
                         qPrintable(w->objectName()));
        }
        QVERIFY(tabTo(atLanguage));
        QStringList order;
        do {
            order << controlName(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (!atLanguage(QApplication::focusWidget()) && order.size() < 40);
        QCOMPARE(order, QStringList({"Combo1", "Command14", "cmbKey", "txtKey", "Command13", "Command8",
                                     "Command9", "Command10", "Command12", "Command7", "Command11", "Text1",
                                     "Command15", "cmdPasteInput", "cmdOutputToInput", "cmdTidy", "Command3",
                                     "Command4", "Text2", "chkDress", "cmdCopyOutput", "Command5"}));
        QVERIFY(pickFromList(child<QComboBox>("Combo1"), QStringLiteral("English"), true));
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::AltModifier);
        QVERIFY(pickFromList(child<QComboBox>("cmbKey"), QStringLiteral("alpha"), true));
        QCOMPARE(keyBox(), QString::fromLatin1(AlphaKey));
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(label("lblProcessed"), processed("alpha", "English"));
        QVERIFY(tabTo([this](QWidget* w) { return w == child("Text1"); }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("meet him"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(text("Text2").count(u' '), 2);
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), text("Text2"));
        QVERIFY(MessageBox::shown().empty());

        // The language, the name and the size come back at the next start; the key never
        // reaches the settings.
        window_->resize(640, 520);
        const QSize size = window_->size();
        window_->close();
        QVERIFY(start());
        QCOMPARE(window_->size(), size);
        QCOMPARE(child<QComboBox>("Combo1")->currentText() + u'/' + child<QComboBox>("cmbKey")->currentText() + u'/' +
                     keyBox(), QString::fromLatin1("English/alpha/" + AlphaKey));
        // Shown, not loaded: the start-up state stays until the user acts.
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));
        QCOMPARE(label("lblProcessed"), QStringLiteral("Not processed"));
        QDirIterator files(path("settings"), QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(files.hasNext());
        while (files.hasNext()) {
            const QByteArray bytes = readBytes(files.next());
            QVERIFY(!bytes.contains(AlphaKey) && !bytes.contains(ZuluKey));
        }
    }

    // A typed name and key, Save or Remove, the answer to a question: what is shown and
    // stored. A typed name is only typed: Enter neither completes it nor shows a stored key.
    // The boxes keep what was typed; the list holds the names as stored.
    void saveAndRemoveOfATypedName_data() {
        QTest::addColumn<Typed>("row");
        const QString ask = QStringLiteral("A key named alpha is stored. Replace its key?");
        const QString saved = q(keys::msg::KeySaved);
        QTest::newRow("save: a prefix") << Typed{"al", OtherKey, "Command8", true, {saved}, Stored + keyRecord("al", OtherKey)};
        QTest::newRow("save: no name") << Typed{"", "ab cd", "Command8", true, {q(keys::msg::MissingData)}, Stored};
        QTest::newRow("save: a 0") << Typed{"friend", "ab c0", "Command8", true, {q(keys::msg::KeyHasZero)}, Stored};
        QTest::newRow("save: unusable") << Typed{"friend", "ab cd", "Command8", true, {q(talvora::msg::KeyUnusable)}, Stored};
        QTest::newRow("replace: No") << Typed{"alpha", OtherKey, "Command8", false, {ask}, Stored};
        QTest::newRow("replace: Yes") << Typed{"ALPHA", OtherKey, "Command8", true, {ask, saved},
                                               Zulu + keyRecord("ALPHA", OtherKey)};
        QTest::newRow("replace: same key") << Typed{"ALPHA", AlphaKey, "Command8", true, {saved},
                                                    Zulu + keyRecord("ALPHA", AlphaKey)};
        for (const char* name : {"Alpha", "alpha "})
            QTest::newRow(name) << Typed{name, ZuluKey, "Command9", true,
                                         {QStringLiteral("No key named %1 is stored.").arg(name)}, Stored};
    }
    void saveAndRemoveOfATypedName() {
        QFETCH(Typed, row);
        type("cmbKey", row.name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(keyBox(), QString::fromLatin1(ZuluKey));
        type("txtKey", QString::fromLatin1(row.key));
        MessageBox::setNextAnswer(row.yes ? QMessageBox::Yes : QMessageBox::No);
        click(row.button);
        QCOMPARE(shownTexts(), row.shown);
        QCOMPARE(MessageBox::shown()[0].question, row.shown[0].endsWith(u'?'));
        if (row.shown[0].endsWith(u'?'))
            expectQuestion(keys::msg::ReplaceTitle, row.shown[0]);
        QCOMPARE(readBytes(path("key.dat")), row.file);
        QStringList stored;
        for (qsizetype at = 0; at < row.file.size(); at += 58)
            stored << QString::fromLatin1(row.file.mid(at, 40).trimmed());
        QCOMPARE(frame(), stored.join(u',') + u'|' + row.name + u'=' + QString::fromLatin1(row.key));
    }

    // Delete Keys asks, then wipes the file and empties the list, the key box keeping its key;
    // a generated key is saved and removed from there.
    void deleteKeysThenGenerateSaveAndRemove() {
        click("Command11"); // answered No
        QVERIFY(QFile::exists(path("key.dat")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command11");
        QVERIFY(!QFile::exists(path("key.dat")));
        QCOMPARE(MessageBox::shown().size(), size_t(3));
        QCOMPARE(MessageBox::shown()[0].title + u'/' + shownTexts()[2], q(keys::msg::DeleteTitle) + u'/' + q(keys::msg::KeyFileDeleted));
        QCOMPARE(frame(), QString("|=" + ZuluKey));

        MessageBox::clearShown();
        type("cmbKey", QStringLiteral("friend"));
        QTest::keyClick(window_.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(keyBox() != ZuluKey);
        const QString generated = keyBox();
        QVERIFY(QRegularExpression(QStringLiteral("^[1-9]{18}$")).match(generated).hasMatch());
        click("Command8");
        QCOMPARE(readBytes(path("key.dat")), keyRecord("friend", generated.toLatin1()));
        click("Command9"); // answered No
        QCOMPARE(frame(), "friend|friend=" + generated);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command9");
        QCOMPARE(shownTexts(), QStringList({q(keys::msg::KeySaved),
                                            "Are you sure you want to remove the Key friend?",
                                            "Are you sure you want to remove the Key friend?"}));
        QCOMPARE(MessageBox::shown()[2].title, QStringLiteral("Remove Confirm"));
        QCOMPARE(frame(), "|=" + generated);
        QCOMPARE(QFileInfo(path("key.dat")).size(), 0);
    }

    // The question names ten keys it loses or changes, then counts; Yes replaces the file and
    // reloads the list, and with nothing to lose nothing is asked.
    void restoreAsksNamingTheLossesAndReloadsTheList() {
        QByteArray many = Stored;
        for (int i = 1; i <= 10; ++i)
            many += keyRecord("key" + QByteArray::number(i), AlphaKey);
        QVERIFY(writeBytes(path("key.dat"), many));
        const QByteArray incoming = keyRecord("alpha", OtherKey) + keyRecord("other", "222222222222222222");
        QVERIFY(writeBytes(stickFile(), incoming));
        chooseStickAfter("Command7"); // answered No
        const QString question = shownTexts().value(0);
        QVERIFY2(question.contains(QStringLiteral("\n- zulu (lost)\n- alpha (another key)\n")) &&
                     question.endsWith(QStringLiteral("\n- key8 (lost)\nand 2 more.\nRestore anyway?")),
                 qPrintable(question));
        expectQuestion(keys::msg::RestoreTitle, question);
        QCOMPARE(readBytes(path("key.dat")), many);

        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        chooseStickAfter("Command7");
        QCOMPARE(shownTexts(), QStringList({question, q(keys::msg::KeysRestored)}));
        QCOMPARE(readBytes(path("key.dat")), incoming);
        QCOMPARE(frame(), QString("alpha,other|alpha=" + OtherKey));
        MessageBox::clearShown();
        chooseStickAfter("Command7");
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysRestored)});
    }

    // Asked when the target holds another key file; the user's key.tmp there is left alone.
    void transferAsksWhenTheTargetHoldsAnotherKeyFile() {
        const QByteArray theirs = keyRecord("backup", OtherKey);
        QVERIFY(writeBytes(stickFile(), theirs));
        QVERIFY(writeBytes(stickFile("key.tmp"), "my own notes"));
        const QString question = q(keys::msg::transferQuestion(stickFile().toStdString()));
        for (bool yes : {false, true, true}) {
            MessageBox::clearShown();
            MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
            const bool differs = readBytes(stickFile()) != Stored;
            chooseStickAfter("Command12");
            if (differs)
                expectQuestion(keys::msg::TransferTitle, question);
            QCOMPARE(shownTexts().size(), int(differs) + int(yes));
            if (yes)
                QCOMPARE(shownTexts().last(), q(keys::msg::KeysTransferred));
            QCOMPARE(readBytes(stickFile()), yes ? Stored : theirs);
        }
        QCOMPARE(readBytes(stickFile("key.tmp")), QByteArray("my own notes"));
        QCOMPARE(QDir(at("stick")).entryList(QDir::Files), QStringList({"key.dat", "key.tmp"}));
    }

    // The folder window of "Transfer Keys": keyboard walk, Enter and double click only open,
    // and nothing is copied until "Set", which by mouse takes the folder the list is open at,
    // not the highlighted one; Cancel, Escape and closing copy nothing.
    void theFolderWindowCopiesOnlyOnSet() {
        auto walk = [&](QDialog* window) {
            auto* list = find<QListWidget>(window, "Dir1List");
            QCOMPARE(QApplication::focusWidget(), list);
            // Enter, keypad Enter, Backspace and ".." (the first entry) walk; typing finds.
            const QList<std::pair<const char*, int>> steps = {{"a", Qt::Key_Return}, {"b", Qt::Key_Enter},
                {nullptr, Qt::Key_Backspace}, {nullptr, Qt::Key_Backspace}, {nullptr, Qt::Key_Home}};
            QStringList walked{shownFolder(window)};
            for (const auto& [typed, key] : steps) {
                if (typed)
                    QTest::keyClicks(list, QString::fromLatin1(typed));
                QTest::keyClick(list, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                if (key == Qt::Key_Home)
                    QTest::keyClick(list, Qt::Key_Return);
                walked << shownFolder(window);
            }
            QTest::keyClicks(list, QFileInfo(at("")).fileName());
            QTest::keyClick(list, Qt::Key_Return);
            walked << shownFolder(window);
            QCOMPARE(walked, QStringList({at(""), at("a"), at("a/b"), at("a"), at(""), QDir::cleanPath(at("") + "/.."),
                                          at("")}));
            QVERIFY(nothingCopied() && MessageBox::shown().empty());

            // Double click opens too, and only opens; one click only highlights.
            const QRect place = list->visualItemRect(list->findItems(QStringLiteral("c"), Qt::MatchExactly).value(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
            QCOMPARE(shownFolder(window), at(""));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
            QCOMPARE(shownFolder(window), at("c"));

            // Enter on the drive list or on "Set" itself takes nothing either.
            auto* drives = find(window, "Drive1");
            drives->setFocus(Qt::TabFocusReason);
            QTest::keyClick(drives, Qt::Key_Return);
            QVERIFY(tabTo([set = find(window, "Command1")](QWidget* w) { return w == set; }));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::qWait(200);
            QVERIFY(window->isVisible() && nothingCopied());
            QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!window->isVisible());
        };
        // Alt+F is "Transfer Keys".
        UI_MODAL([&] { QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier); QTest::qWait(300); }, walk);
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysTransferred)});
        QCOMPARE(readBytes(at("c/key.dat")), readBytes(path("key.dat")));
        auto openTransfer = [&] { click("Command12"); };
        UI_MODAL(openTransfer, [](QDialog* window) {
            press(window, "Command2");
            QVERIFY(!window->isVisible());
        });
        UI_MODAL(openTransfer, [](QDialog* window) { QTest::keyClick(window, Qt::Key_Escape); });
        UI_MODAL(openTransfer, [](QDialog* window) { QVERIFY(window->close()); });
        QCOMPARE(MessageBox::shown().size(), size_t(1)); // each copy says so
        UI_MODAL(openTransfer, [](QDialog* window) {
            auto* list = find<QListWidget>(window, "Dir1List");
            QTest::keyClicks(list, QStringLiteral("a"));
            QCOMPARE(list->currentItem()->text(), QStringLiteral("a"));
            press(window, "Command1");
        });
        QVERIFY(QFile::exists(at("key.dat")) && !QFile::exists(at("a/key.dat")));
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

    // The Help menu. About shows the fingerprint of the loaded dictionary to copy; Done
    // closes. A help page is the window's language's where the folder has one, else the
    // English page; a page the folder lacks is named. Each caption is the item's, in the
    // window's language; a link to a page the menu knows takes its caption, another leaves the
    // caption as it is.
    void helpMenuAboutAndPagesInTheWindowsLanguage() {
        QVERIFY(writeBytes(path("key.htm"), "<p>Keys <a href=\"dict.htm\">dictionaries</a> "
                                            "<a href=\"other.htm\">other</a></p>"));
        QVERIFY(writeBytes(path("key.de.htm"), QStringLiteral("<p>Über Schlüssel</p>").toUtf8()));
        QVERIFY(writeBytes(path("dict.htm"), "<p>On dictionaries <a href=\"other.htm\">other</a></p>"));
        QVERIFY(writeBytes(path("other.htm"), "<p>Elsewhere</p>"));
        QVERIFY(start());
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

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
    // Offscreen on Windows reads fonts from a folder only: without the system's, every
    // text is measured in a stand-in font and no window's size means anything.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", (qEnvironmentVariable("WINDIR", QStringLiteral("C:/Windows")) + "/Fonts").toLocal8Bit());
#endif
    QApplication app(argc, argv);
    // Tidy asks the languages' own dictionaries, which the program folder holds.
    talvora::Morphology::setFolder(std::filesystem::path(TALVORA_PROGRAM_DIR) / "hunspell");
    FrmMainWindow tests;
    return QTest::qExec(&tests, argc, argv);
}
#include "test_frmmain.moc"
