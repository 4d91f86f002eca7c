// The "Key Management" frame and its folder window, by real events: names as typed, Save's
// checks, the questions before a stored key is replaced or lost (No their default), and a
// folder window where only "Set" copies.
#include "commands.h"
#include "keyfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "uitest.h"

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {
struct Typed {
    QString name;
    QByteArray key;
    const char* button;
    bool yes;
    QStringList shown;
    QByteArray file;
};
const QByteArray ZuluKey = "123456789123456789", AlphaKey = "987654321987654321", OtherKey = "555666777888999111";
const QByteArray Zulu = keyRecord("zulu", ZuluKey);
const QByteArray Stored = Zulu + keyRecord("alpha", AlphaKey);
} // namespace
Q_DECLARE_METATYPE(Typed)

// Two stored keys, and a working folder with subfolders for Restore and Transfer.
class FrmMainKeys : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work_;

    QString at(const QString& relative) const { return QDir::cleanPath(work_->filePath(relative)); }
    QString stickFile(const char* name = "key.dat") const { return at(QStringLiteral("stick/") + name); }
    // No key file has been copied anywhere under the working folder.
    bool nothingCopied() const {
        return !QDirIterator(work_->path(), {QStringLiteral("key.dat")}, QDir::Files, QDirIterator::Subdirectories).hasNext();
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

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("key.dat"), Stored));
        work_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : {"stick", "a/b", "c"})
            QVERIFY(QDir(work_->path()).mkpath(QString::fromLatin1(folder)));
        QDir::setCurrent(work_->path());
        QVERIFY(start());
    }
    void cleanup() {
        QDir::setCurrent(QDir::tempPath());
        work_.reset();
        cleanupFolder();
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
};

UI_TEST_CLASS(FrmMainKeys);
#include "test_keyframe.moc"
