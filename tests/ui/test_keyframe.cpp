// The "Key Management" frame of the main window: names as typed, Save's checks, and
// Restore's confirmation, by real key and mouse events.
#include "commands.h"
#include "keyfile.h"
#include "keyrestore.h"
#include "uitest.h"

#include <QDir>
#include <QRegularExpression>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {
const QByteArray ZuluKey = "123456789123456789";
const QByteArray AlphaKey = "987654321987654321";
} // namespace

class FrmMainKeys : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> stick_;

    std::function<void(QDialog*)> chooseStick() { return chooseSubfolder(QStringLiteral("stick")); }

  private slots:
    void init() {
        initFolder();
        QVERIFY(writeBytes(path("key.dat"), keyRecord("zulu", ZuluKey) + keyRecord("alpha", AlphaKey)));
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
        QCOMPARE(readBytes(path("key.dat")), keyRecord("zulu", ZuluKey) + keyRecord("alpha", AlphaKey) +
                                                 keyRecord("al", "555666777888999111"));
        QCOMPARE(names->count(), 3);

        // A full name typed and entered is still only typed: the key box keeps its key.
        MessageBox::clearShown();
        type("txtKey", QStringLiteral("111"));
        type("cmbKey", QStringLiteral("alpha"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(keyBox(), QStringLiteral("111"));

        // "Remove" asks about the name as typed.
        type("cmbKey", QStringLiteral("al"));
        click("Command9");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("Are you sure you want to remove the Key al?"));
        QCOMPARE(names->count(), 3);

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
        QVERIFY(!QFile::exists(path("key.dat")));
    }

    void restoreAsksBeforeDroppingKeysAndReloadsTheList() {
        const QString stickFile = stick_->filePath(QStringLiteral("stick/key.dat"));
        const QByteArray incoming = keyRecord("alpha", "111111111111111111") + keyRecord("other", "222222222222222222");
        QVERIFY(writeBytes(stickFile, incoming));
        const QByteArray before = readBytes(path("key.dat"));
        const QString question = q(keys::msg::restoreQuestion({{"zulu", false}, {"alpha", true}}));
        QVERIFY(start());

        // No: nothing changes.
        UI_MODAL([&] { click("Command7"); }, chooseStick());
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Restore Confirm"));
        QCOMPARE(MessageBox::shown()[0].text, question);
        QVERIFY(MessageBox::shown()[0].question);
        QCOMPARE(readBytes(path("key.dat")), before);
        QCOMPARE(child<QComboBox>("cmbKey")->itemText(0), QStringLiteral("zulu"));

        // Yes: replaced, and the list shows the restored names with the first one's key.
        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        UI_MODAL([&] { click("Command7"); }, chooseStick());
        QCOMPARE(shownTexts(), QStringList({question, q(keys::msg::KeysRestored)}));
        QCOMPARE(readBytes(path("key.dat")), incoming);
        auto* names = child<QComboBox>("cmbKey");
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->itemText(1), QStringLiteral("other"));
        QCOMPARE(names->currentText(), QStringLiteral("alpha"));
        QCOMPARE(keyBox(), QStringLiteral("111111111111111111"));

        // Nothing to lose: no question.
        MessageBox::clearShown();
        UI_MODAL([&] { click("Command7"); }, chooseStick());
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysRestored)});
    }

    void transferLeavesTheUsersScratchNameAlone() {
        const QString userFile = stick_->filePath(QStringLiteral("stick/key.tmp"));
        QVERIFY(writeBytes(userFile, "my own notes"));
        QVERIFY(start());
        UI_MODAL([&] { click("Command12"); }, chooseStick());
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysTransferred)});
        QCOMPARE(readBytes(stick_->filePath(QStringLiteral("stick/key.dat"))), readBytes(path("key.dat")));
        QCOMPARE(readBytes(userFile), QByteArray("my own notes"));
        QCOMPARE(QDir(stick_->filePath(QStringLiteral("stick"))).entryList(QDir::Files),
                 QStringList({"key.dat", "key.tmp"}));
    }
};

UI_TEST_CLASS(FrmMainKeys);
#include "test_keyframe.moc"
