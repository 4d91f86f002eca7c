// The "Key Management" frame of the main window: names as typed, Save's checks, and the
// questions before a stored key is replaced or lost (No their default), by real events.
#include "commands.h"
#include "keyfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "uitest.h"

#include <QDir>
#include <QRegularExpression>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {
const QByteArray ZuluKey = "123456789123456789", AlphaKey = "987654321987654321", OtherKey = "555666777888999111";
const QByteArray Zulu = keyRecord("zulu", ZuluKey);
const QByteArray Stored = Zulu + keyRecord("alpha", AlphaKey);
} // namespace

class FrmMainKeys : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> stick_;

    std::function<void(QDialog*)> chooseStick() { return chooseSubfolder(QStringLiteral("stick")); }
    QString stickFile(const char* name = "key.dat") const { return stick_->filePath(QStringLiteral("stick/") + name); }
    void chooseStickAfter(const char* button) { UI_MODAL([&] { click(button); }, chooseStick()); }
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
        stick_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(stick_->path()).mkdir(QStringLiteral("stick")));
        QDir::setCurrent(stick_->path());
    }
    void cleanup() {
        QDir::setCurrent(QDir::tempPath());
        stick_.reset();
        cleanupFolder();
    }

    void typedNameIsTakenExactlyAsTyped() {
        QVERIFY(start());
        auto* names = child<QComboBox>("cmbKey");
        QCOMPARE(names->currentText(), QStringLiteral("zulu"));
        QCOMPARE(keyBox(), QString::fromLatin1(ZuluKey));

        // Typing a prefix neither completes it nor shows that key.
        type("cmbKey", QStringLiteral("al"));
        QCOMPARE(names->currentText(), QStringLiteral("al"));
        QCOMPARE(keyBox(), QString::fromLatin1(ZuluKey));
        type("txtKey", QStringLiteral("555666777888999111"));
        QCOMPARE(names->currentText(), QStringLiteral("al"));
        click("Command8");
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeySaved)});
        QCOMPARE(readBytes(path("key.dat")), Stored + keyRecord("al", "555666777888999111"));
        QCOMPARE(names->count(), 3);

        // A full name typed and entered is still only typed: the key box keeps its key.
        type("txtKey", QStringLiteral("111"));
        type("cmbKey", QStringLiteral("alpha"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(keyBox(), QStringLiteral("111"));

        // A pick from the list shows that key.
        QVERIFY(pick("cmbKey", QStringLiteral("alpha")));
        QCOMPARE(keyBox(), QString::fromLatin1(AlphaKey));
    }

    void saveRefusesWhatProcessWouldRefuse() {
        QVERIFY(QFile::remove(path("key.dat")));
        QVERIFY(start());
        type("cmbKey", QString());
        type("txtKey", QStringLiteral("ab cd"));
        click("Command8");
        type("cmbKey", QStringLiteral("friend"));
        type("txtKey", QStringLiteral("ab c0"));
        click("Command8");
        type("txtKey", QStringLiteral("ab cd"));
        click("Command8");
        QCOMPARE(shownTexts(), QStringList({q(keys::msg::MissingData), q(keys::msg::KeyHasZero),
                                            q(talvora::msg::KeyUnusable)}));
        QCOMPARE(readBytes(path("key.dat")), QByteArray());
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 0);
    }

    void generateSaveAndRemove() {
        QVERIFY(QFile::remove(path("key.dat")));
        QVERIFY(start());
        type("cmbKey", QStringLiteral("friend"));
        QTest::keyClick(window_.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(!keyBox().isEmpty());
        const QString generated = keyBox();
        QVERIFY(QRegularExpression(QStringLiteral("^[1-9]{18}$")).match(generated).hasMatch());
        click("Command8");
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeySaved)});
        QCOMPARE(readBytes(path("key.dat")), keyRecord("friend", generated.toLatin1()));

        MessageBox::clearShown();
        click("Command9"); // answered No
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command9");
        QCOMPARE(MessageBox::shown().size(), size_t(2));
        QCOMPARE(MessageBox::shown()[1].title, QStringLiteral("Remove Confirm"));
        QCOMPARE(MessageBox::shown()[1].text, QStringLiteral("Are you sure you want to remove the Key friend?"));
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 0);
        QVERIFY(child<QComboBox>("cmbKey")->currentText().isEmpty());
        QCOMPARE(keyBox(), generated);
        QCOMPARE(QFileInfo(path("key.dat")).size(), 0);
    }

    void deleteKeysAsksThenWipesAndEmptiesTheList() {
        QVERIFY(start());
        click("Command11"); // answered No
        QVERIFY(QFile::exists(path("key.dat")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command11");
        QVERIFY(!QFile::exists(path("key.dat")));
        QCOMPARE(MessageBox::shown().size(), size_t(3));
        QCOMPARE(MessageBox::shown()[0].title, q(keys::msg::DeleteTitle));
        QCOMPARE(MessageBox::shown()[2].text, q(keys::msg::KeyFileDeleted));
        // No deleted name is left to pick; the key box keeps its key.
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 0);
        QVERIFY(child<QComboBox>("cmbKey")->currentText().isEmpty());
        QCOMPARE(keyBox(), QString::fromLatin1(ZuluKey));
    }

    void restoreReplacesOnYesAndReloadsTheList() {
        const QByteArray incoming = keyRecord("alpha", "111111111111111111") + keyRecord("other", "222222222222222222");
        QVERIFY(writeBytes(stickFile(), incoming));
        QVERIFY(start());
        MessageBox::setNextAnswer(QMessageBox::Yes);
        chooseStickAfter("Command7");
        QCOMPARE(shownTexts(), QStringList({q(keys::msg::restoreQuestion({{"zulu", false}, {"alpha", true}})),
                                            q(keys::msg::KeysRestored)}));
        QCOMPARE(readBytes(path("key.dat")), incoming);
        // The list shows the restored names with the first one's key.
        auto* names = child<QComboBox>("cmbKey");
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->itemText(1), QStringLiteral("other"));
        QCOMPARE(names->currentText(), QStringLiteral("alpha"));
        QCOMPARE(keyBox(), QStringLiteral("111111111111111111"));

        // Nothing to lose: no question.
        MessageBox::clearShown();
        chooseStickAfter("Command7");
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysRestored)});
    }

    void restoreNamesTenKeysItLosesOrChangesThenCounts() {
        QByteArray many = Stored;
        std::vector<keys::RestoreLoss> losses{{"zulu", false}, {"alpha", true}};
        for (int i = 1; i <= 10; ++i) {
            many += keyRecord("key" + QByteArray::number(i), AlphaKey);
            losses.push_back({"key" + std::to_string(i), false});
        }
        QVERIFY(writeBytes(path("key.dat"), many));
        QVERIFY(writeBytes(stickFile(), keyRecord("alpha", OtherKey) + keyRecord("new", OtherKey)));
        QVERIFY(start());
        chooseStickAfter("Command7"); // answered No
        const QString question = q(keys::msg::restoreQuestion(losses));
        QVERIFY(question.contains(QStringLiteral("\n- zulu (lost)\n- alpha (another key)\n")));
        QVERIFY(question.endsWith(QStringLiteral("\n- key8 (lost)\nand 2 more.\nRestore anyway?")));
        expectQuestion(keys::msg::RestoreTitle, question);
        QCOMPARE(readBytes(path("key.dat")), many);
    }

    // Asked when the target holds another key file; the user's key.tmp there is left alone.
    void transferAsksWhenTheTargetHoldsAnotherKeyFile() {
        const QByteArray theirs = keyRecord("backup", OtherKey);
        QVERIFY(writeBytes(stickFile(), theirs));
        QVERIFY(writeBytes(stickFile("key.tmp"), "my own notes"));
        QVERIFY(start());
        const QString question = q(keys::msg::transferQuestion(stickFile().toStdString()));
        QVERIFY(question.contains(stickFile()));
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
        QCOMPARE(QDir(stick_->filePath(QStringLiteral("stick"))).entryList(QDir::Files),
                 QStringList({"key.dat", "key.tmp"}));
    }

    void saveAsksBeforeReplacingAKey_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("file");
        const QString ask = QStringLiteral("A key named alpha is stored. Replace its key?");
        const QString saved = q(keys::msg::KeySaved);
        QTest::newRow("No") << OtherKey << false << QStringList{ask} << Stored;
        QTest::newRow("Yes") << OtherKey << true << QStringList{ask, saved} << Zulu + keyRecord("ALPHA", OtherKey);
        QTest::newRow("same key") << AlphaKey << true << QStringList{saved} << Zulu + keyRecord("ALPHA", AlphaKey);
    }
    void saveAsksBeforeReplacingAKey() {
        QFETCH(QByteArray, key);
        QFETCH(bool, yes);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, file);
        QVERIFY(start());
        type("cmbKey", QStringLiteral("ALPHA"));
        type("txtKey", QString::fromLatin1(key));
        MessageBox::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        click("Command8");
        QCOMPARE(shownTexts(), shown);
        if (key != AlphaKey)
            expectQuestion(keys::msg::ReplaceTitle, shown[0]);
        QCOMPARE(readBytes(path("key.dat")), file);
        // The saved name and its key stay shown; the list holds the name as stored.
        QCOMPARE(child<QComboBox>("cmbKey")->currentText(), QStringLiteral("ALPHA"));
        QCOMPARE(keyBox(), QString::fromLatin1(key));
        QCOMPARE(child<QComboBox>("cmbKey")->itemText(1), QString::fromLatin1(file.mid(58, 5)));
    }

    void removeOfANameNoneMatchesExactlyAsksNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << QStringLiteral("Alpha");
        QTest::newRow("trailing blank") << QStringLiteral("alpha ");
    }
    void removeOfANameNoneMatchesExactlyAsksNothing() {
        QFETCH(QString, name);
        QVERIFY(start());
        type("cmbKey", name);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command9");
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("No key named %1 is stored.").arg(name)});
        QVERIFY(!MessageBox::shown()[0].question);
        QCOMPARE(readBytes(path("key.dat")), Stored);
    }
};

UI_TEST_CLASS(FrmMainKeys);
#include "test_keyframe.moc"
