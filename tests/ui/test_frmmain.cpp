// The main window and its small windows, driven by object name on a temporary program folder.
#include "commands.h"
#include "dictionaryfile.h"
#include "codepage.h"
#include "filedialog.h"
#include "frmmain.h"
#include "frmpathselect.h"
#include "keyfile.h"
#include "messagebox.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace talvora;
using namespace talvora::ui;

namespace {

const QString Key = QStringLiteral("918273645546372819");

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Runs fn on the modal window that the next action opens, then closes it.
void onNextModal(std::function<void(QDialog*)> fn) {
    QTimer::singleShot(0, [fn] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        fn(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// keyClicks takes ASCII only; letters such as ż come as the text of a key event.
void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList shownTexts() {
    QStringList texts;
    for (const auto& box : MessageBox::shown())
        texts << box.text;
    return texts;
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FrmMain> window_;

    QString path(const QString& name) const { return folder_->filePath(name); }
    template <class T> T* child(const char* name) const {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    QString label(const char* name) const { return child<QLabel>(name)->text(); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    void start() { window_ = std::make_unique<FrmMain>(folder_->path().toStdString()); }
    void pick(const char* combo, const QString& entry) {
        auto* box = child<QComboBox>(combo);
        const int i = box->findText(entry);
        QVERIFY2(i >= 0, qPrintable(entry));
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    void processKey(const QString& key) {
        pick("Combo1", QStringLiteral("English"));
        child<QLineEdit>("txtKey")->setText(key);
        click("Command10");
    }

  private slots:
    void init() {
        MessageBox::setTestMode(true);
        FileDialog::setTestMode(true);
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QFile::copy(QStringLiteral(TALVORA_SOURCE_DATA "/sample.dic"), path("eng.dic")));
        writeBytes(path("dup.dic"), "ab\r\nabc\r\nxab\r\na\r\nab\r\n");
    }
    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    void startsEmptyAndDisabled() {
        start();
        QCOMPARE(window_->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Talvora v1"));
        QCOMPARE(label("Label1"), QStringLiteral("Select Dictionary to Load"));
        QCOMPARE(label("Label2"), QStringLiteral("Welcome.  Select Dictionary, define and process the Key."));
        for (const char* name : {"Command1", "Command2", "Command6"})
            QVERIFY(!child<QPushButton>(name)->isEnabled());
        QVERIFY(child<QPushButton>("Command10")->isEnabled());
        auto* bar = child<QProgressBar>("ProgressBar1");
        QVERIFY(bar->isHidden());
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(child<QLineEdit>("txtKey")->maxLength(), 18);
        auto* combo = child<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("dup.dic"));
        QCOMPARE(combo->itemText(1), QStringLiteral("English"));
        QVERIFY(combo->currentText().isEmpty());
        QVERIFY(child<QComboBox>("cmbKey")->currentText().isEmpty());
        QVERIFY(child<QLineEdit>("txtKey")->text().isEmpty());

        auto* help = child<QMenu>("hlp");
        QCOMPARE(help->title(), QStringLiteral("Help"));
        QStringList items;
        for (QAction* a : help->actions())
            items << a->objectName() + u'=' + a->text();
        QCOMPARE(items, QStringList({"hlpabt=About", "div=", "hlpdict=Dictionaries",
                                     "hlpkey=Key Management", "hlpcode=Encoding and Decoding"}));
    }

    void listsStoredKeysInFileOrder() {
        {
            CodePage cp = CodePage::fromName("windows-1252");
            keys::KeyFile file(folder_->path().toStdString(), cp);
            file.storeKey("zulu", "111222333");
            file.storeKey("alpha", "444555666");
        }
        start();
        auto* names = child<QComboBox>("cmbKey");
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->itemText(0), QStringLiteral("zulu"));
        QCOMPARE(child<QLineEdit>("txtKey")->text(), QStringLiteral("111222333"));
        pick("cmbKey", QStringLiteral("alpha"));
        QCOMPARE(child<QLineEdit>("txtKey")->text(), QStringLiteral("444555666"));
    }

    void entryChecksShowTheirMessages() {
        start();
        auto* key = child<QLineEdit>("txtKey");
        auto* input = child<QPlainTextEdit>("Text1");
        click("Command10");
        key->setText(Key);
        click("Command10");
        click("Command3");
        input->setPlainText(QStringLiteral("the dog"));
        click("Command3");
        pick("Combo1", QStringLiteral("English"));
        click("Command4");
        key->setText(QStringLiteral("0012"));
        click("Command10");
        key->setText(Key);
        click("Command10");
        input->setPlainText(QStringLiteral("the zyzzyva"));
        click("Command3");
        QCOMPARE(shownTexts(),
                 QStringList({QString::fromStdString(msg::KeyNotDefined),
                              QString::fromStdString(msg::NoDictionaryForProcess),
                              QString::fromStdString(msg::MissingInput),
                              QString::fromStdString(msg::DictionaryNotLoaded),
                              QString::fromStdString(msg::KeyNotProcessed),
                              QString::fromStdString(msg::KeyUnusable),
                              QString::fromStdString(msg::wordNotFound("zyzzyva"))}));
        QVERIFY(child<QPlainTextEdit>("Text2")->toPlainText().isEmpty());
        for (const auto& box : MessageBox::shown())
            QCOMPARE(box.title, QStringLiteral("Talvora"));
    }

    void encodesAndDecodesLikeTheLibrary() {
        start();
        processKey(Key);
        QCOMPARE(label("Label1"), QStringLiteral("105 items in Dictionary"));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Fingerprint")));
        QCOMPARE(label("Label2"), QString::fromStdString(status::KeyspaceReady));
        QVERIFY(child<QProgressBar>("ProgressBar1")->isHidden());
        for (const char* name : {"Command1", "Command2", "Command6"})
            QVERIFY(child<QPushButton>(name)->isEnabled());

        const QString plain = QStringLiteral("The dog and the fox.\nThe dog!");
        child<QPlainTextEdit>("Text1")->setPlainText(plain);
        click("Command3");
        const QString coded = child<QPlainTextEdit>("Text2")->toPlainText();

        CodePage cp = CodePage::fromName("windows-1252");
        Keyspace ks;
        loadDictionary(ks, path("eng.dic").toStdString(), cp);
        talvora::processKey(ks, Key.toStdString());
        const auto expected = encodeText(ks, "The dog and the fox.\r\nThe dog!");
        QVERIFY(expected.output);
        QCOMPARE(coded, QString::fromStdString(*expected.output));
        QVERIFY(coded.endsWith(u' '));

        child<QPlainTextEdit>("Text1")->setPlainText(coded);
        click("Command4");
        QCOMPARE(child<QPlainTextEdit>("Text2")->toPlainText(), QStringLiteral("the dog and the fox the dog "));
        QVERIFY(MessageBox::shown().empty());
    }

    void keyButtons() {
        start();
        click("Command8");
        child<QComboBox>("cmbKey")->setEditText(QStringLiteral("friend"));
        child<QLineEdit>("txtKey")->setText(QStringLiteral("12305"));
        click("Command8");
        click("Command13");
        const QString generated = child<QLineEdit>("txtKey")->text();
        QVERIFY(QRegularExpression(QStringLiteral("^[1-9]{18}$")).match(generated).hasMatch());
        click("Command8");
        QCOMPARE(shownTexts(), QStringList({QString::fromStdString(keys::msg::MissingData),
                                            QString::fromStdString(keys::msg::KeyHasZero),
                                            QString::fromStdString(keys::msg::KeySaved)}));
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 1);

        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::No);
        click("Command9");
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command9");
        QCOMPARE(MessageBox::shown().size(), size_t(2));
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Remove Confirm"));
        QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("Are you sure you want to remove the Key friend?"));
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 0);
        QVERIFY(child<QComboBox>("cmbKey")->currentText().isEmpty());
        QCOMPARE(child<QLineEdit>("txtKey")->text(), generated);
        QCOMPARE(QFileInfo(path("key.dat")).size(), 0);
    }

    void getTextAndSave() {
        start();
        writeBytes(path("in.txt"), "caf\xe9 one\r\ntwo\rthree");
        FileDialog::setNextFileName(path("in.txt"));
        click("Command15");
        QCOMPARE(child<QPlainTextEdit>("Text1")->toPlainText(), QString::fromUtf8("café one\ntwo\nthree\n"));

        child<QPlainTextEdit>("Text2")->setPlainText(QString::fromUtf8("café au lait "));
        FileDialog::setNextFileName(path("out.txt"));
        click("Command5");
        QCOMPARE(readBytes(path("out.txt")), QByteArray("caf\xe9 au lait \r\n"));
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("File Saved")}));

        MessageBox::clearShown();
        click("Command5"); // cancelled dialog
        FileDialog::setNextFileName(path("missing/out.txt"));
        click("Command5");
        FileDialog::setNextFileName(path("none.txt"));
        click("Command15");
        QCOMPARE(MessageBox::shown().size(), size_t(2));
        QCOMPARE(child<QPlainTextEdit>("Text1")->toPlainText(), QString::fromUtf8("café one\ntwo\nthree\n"));
    }

    void loadKeepsTheDictionaryOnFailure() {
        start();
        FileDialog::setNextFileName(path("dup.dic"));
        click("Command14");
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("Loaded"));
        QCOMPARE(label("Label1"), QStringLiteral("5 items in Dictionary"));
        writeBytes(path("empty.dic"), "");
        FileDialog::setNextFileName(path("empty.dic"));
        click("Command14");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(label("Label1"), QStringLiteral("5 items in Dictionary"));
        QCOMPARE(window_->keyspace().wordCount(), 5u);
    }

    void viewSearchAndAdd() {
        start();
        pick("Combo1", QStringLiteral("dup.dic"));
        onNextModal([](QDialog* view) {
            QCOMPARE(view->windowTitle(), QStringLiteral("View Dictionary"));
            auto* model = view->findChild<QListView*>("List1")->model();
            QCOMPARE(model->rowCount(), 5);
            QCOMPARE(model->index(4, 0).data().toString(), QStringLiteral("ab"));
        });
        click("Command6");
        onNextModal([](QDialog* search) {
            QCOMPARE(search->windowTitle(), QStringLiteral("Search Dictionary"));
            auto* text = search->findChild<QLineEdit*>("Text1");
            auto* model = search->findChild<QListView*>("List1")->model();
            text->setText(QStringLiteral("Ab"));
            search->findChild<QPushButton*>("Command2")->click();
            QStringList hits;
            for (int r = 0; r < model->rowCount(); ++r)
                hits << model->index(r, 0).data().toString();
            QCOMPARE(hits, QStringList({"ab", "abc", "ab"}));
            text->clear();
            search->findChild<QPushButton*>("Command2")->click();
            QCOMPARE(model->rowCount(), 3);
            text->setText(QStringLiteral("abcdef"));
            search->findChild<QPushButton*>("Command2")->click();
            QCOMPARE(model->rowCount(), 0);
        });
        click("Command2");
        onNextModal([](QDialog* add) {
            QCOMPARE(add->windowTitle(), QStringLiteral("Add to Dictionary"));
            auto* text = add->findChild<QLineEdit*>("Text1");
            auto* button = add->findChild<QPushButton*>("Command2");
            button->click();
            text->setText(QStringLiteral("ABC"));
            button->click();
            text->setText(QStringLiteral("Zebra"));
            button->click();
        });
        click("Command1");
        QCOMPARE(shownTexts(), QStringList({"No Word defined to Add", "That word is already in the dictionary.",
                                            "Zebra Added."}));
        QVERIFY(readBytes(path("dup.dic")).endsWith("ab\r\nzebra\r\n"));

        MessageBox::clearShown();
        QFile::remove(path("dup.dic"));
        onNextModal([](QDialog* add) {
            add->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("yak"));
            add->findChild<QPushButton*>("Command2")->click();
        });
        click("Command1");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QVERIFY(MessageBox::shown()[0].text.contains(QStringLiteral("dup.dic")));
        QVERIFY(!QFile::exists(path("dup.dic")));
    }

    // The locale's code page here is windows-1252; a shipped Polish file must still read
    // and grow in windows-1250.
    void shippedFileKeepsItsCodePage() {
        writeBytes(path("pl.dic"), "\xBF\xF3\xB3w\r\nkot\r\n"); // żółw, kot
        start();
        pick("Combo1", QStringLiteral("Polish"));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Code page windows-1250")));
        onNextModal([](QDialog* search) {
            auto* text = search->findChild<QLineEdit*>("Text1");
            typeText(text, QStringLiteral("Żó"));
            QTest::mouseClick(search->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            auto* model = search->findChild<QListView*>("List1")->model();
            QCOMPARE(model->rowCount(), 1);
            QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("żółw"));
        });
        click("Command2");
        onNextModal([](QDialog* add) {
            auto* text = add->findChild<QLineEdit*>("Text1");
            typeText(text, QStringLiteral("Źle"));
            QTest::mouseClick(add->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        });
        click("Command1");
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("Źle Added.")}));
        QVERIFY(readBytes(path("pl.dic")).endsWith("kot\r\n\x9Fle\r\n"));

        pick("Combo1", QStringLiteral("English"));
        QVERIFY(child<QLabel>("Label1")->toolTip().contains(QStringLiteral("Code page windows-1252")));
    }

    void transferRestoreAndDelete() {
        QTemporaryDir stick;
        start();
        child<QComboBox>("cmbKey")->setEditText(QStringLiteral("friend"));
        child<QLineEdit>("txtKey")->setText(Key);
        click("Command8");
        MessageBox::clearShown();
        const QByteArray keys = readBytes(path("key.dat"));
        QCOMPARE(keys.size(), 58);

        auto choose = [&](const char* button, const QString& caption) {
            FrmPathSelect::setNextInteraction([=, &stick](FrmPathSelect& w) {
                QCOMPARE(w.windowTitle(), caption);
                w.folderList()->setPath(stick.path());
                if (button)
                    w.findChild<QPushButton*>(button)->click();
                else
                    w.close();
            });
        };
        const QString to = QStringLiteral("Select Path to Transfer Key File To");
        choose("Command2", to);
        click("Command12");
        choose(nullptr, to);
        click("Command12");
        QVERIFY(!QFile::exists(stick.filePath("key.dat")));
        QVERIFY(MessageBox::shown().empty());
        choose("Command1", to);
        click("Command12");
        QCOMPARE(readBytes(stick.filePath("key.dat")), keys);

        writeBytes(stick.filePath("key.dat"), QByteArray(58, 'x'));
        choose("Command1", QStringLiteral("Select Path to Restore Key File From"));
        click("Command7");
        QCOMPARE(readBytes(path("key.dat")), QByteArray(58, 'x'));
        QCOMPARE(child<QComboBox>("cmbKey")->itemText(0), QStringLiteral("friend"));

        MessageBox::setNextAnswer(QMessageBox::No);
        click("Command11");
        QVERIFY(QFile::exists(path("key.dat")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command11");
        QVERIFY(!QFile::exists(path("key.dat")));
        choose("Command1", to);
        click("Command12"); // nothing to transfer now
        QCOMPARE(shownTexts().size(), 6);
        QCOMPARE(shownTexts()[0], QString::fromStdString(keys::msg::KeysTransferred));
        QCOMPARE(shownTexts()[1], QString::fromStdString(keys::msg::KeysRestored));
        QCOMPARE(MessageBox::shown()[3].title, QString::fromStdString(keys::msg::DeleteTitle));
        QCOMPARE(shownTexts()[4], QString::fromStdString(keys::msg::KeyFileDeleted));
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 1);
    }

    void helpAndAbout() {
        writeBytes(path("key.htm"), "<html><body><p>About keys</p></body></html>");
        start();
        auto trigger = [&](const char* name) { window_->findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
        for (int i = 0; i < 2; ++i) {
            onNextModal([](QDialog* help) {
                QCOMPARE(help->windowTitle(), QStringLiteral("Key Management"));
                QVERIFY(help->findChild<QTextBrowser*>("WebBrowser1")->toPlainText().contains("About keys"));
            });
            trigger("hlpkey");
        }
        onNextModal([](QDialog* help) {
            QCOMPARE(help->windowTitle(), QStringLiteral("Encoding and Decoding Data"));
            QVERIFY(help->findChild<QTextBrowser*>("WebBrowser1")->toPlainText().contains("coding.htm"));
        });
        trigger("hlpcode");
        onNextModal([](QDialog* help) { QCOMPARE(help->windowTitle(), QStringLiteral("Dictionaries")); });
        trigger("hlpdict");
        onNextModal([](QDialog* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("About Talvora"));
            auto* title = about->findChild<QLabel*>("Label1");
            QCOMPARE(title->text(), QStringLiteral("Talvora"));
            QCOMPARE(title->font().family(), QStringLiteral("Arial"));
            about->findChild<QPushButton*>("Command1")->click();
            QVERIFY(!about->isVisible());
        });
        trigger("hlpabt");
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
