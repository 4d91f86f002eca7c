// The questions before a stored key is replaced or lost (Save, Restore Keys, Transfer Keys,
// Remove), No their default, and the name list after Save; by real key and mouse events.
#include "keyfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "uitest.h"

#include <QDir>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {
const QByteArray Zulu = keyRecord("zulu", "123456789123456789");
const QByteArray AlphaKey = "987654321987654321", OtherKey = "555666777888999111";
const QByteArray Stored = Zulu + keyRecord("alpha", AlphaKey);
} // namespace

class TestKeyQuestions : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work_; // where the folder window starts, holding "stick"
    QString stickFile() const { return work_->filePath(QStringLiteral("stick/key.dat")); }
    void chooseStickAfter(const char* button) {
        UI_MODAL([&] { click(button); }, chooseSubfolder(QStringLiteral("stick")));
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
        QVERIFY(QDir(work_->path()).mkdir(QStringLiteral("stick")));
        QDir::setCurrent(work_->path());
        QVERIFY(start());
    }
    void cleanup() {
        QDir::setCurrent(QDir::tempPath());
        work_.reset();
        cleanupFolder();
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

    void restoreNamesTenKeysItLosesOrChangesThenCounts() {
        QByteArray many = Stored;
        std::vector<keys::RestoreLoss> losses{{"zulu", false}, {"alpha", true}};
        for (int i = 1; i <= 10; ++i) {
            many += keyRecord("key" + QByteArray::number(i), AlphaKey);
            losses.push_back({"key" + std::to_string(i), false});
        }
        QVERIFY(writeBytes(path("key.dat"), many));
        QVERIFY(writeBytes(stickFile(), keyRecord("alpha", OtherKey) + keyRecord("new", OtherKey)));
        chooseStickAfter("Command7"); // answered No
        const QString question = q(keys::msg::restoreQuestion(losses));
        QVERIFY(question.contains(QStringLiteral("\n- zulu (lost)\n- alpha (another key)\n")));
        QVERIFY(question.endsWith(QStringLiteral("\n- key8 (lost)\nand 2 more.\nRestore anyway?")));
        expectQuestion(keys::msg::RestoreTitle, question);
        QCOMPARE(readBytes(path("key.dat")), many);
    }

    void transferAsksWhenTheTargetHoldsAnotherKeyFile() {
        const QByteArray theirs = keyRecord("backup", OtherKey);
        QVERIFY(writeBytes(stickFile(), theirs));
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
    }

    void removeOfANameNoneMatchesExactlyAsksNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << QStringLiteral("Alpha");
        QTest::newRow("trailing blank") << QStringLiteral("alpha ");
    }
    void removeOfANameNoneMatchesExactlyAsksNothing() {
        QFETCH(QString, name);
        type("cmbKey", name);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command9");
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("No key named %1 is stored.").arg(name)});
        QVERIFY(!MessageBox::shown()[0].question);
        QCOMPARE(readBytes(path("key.dat")), Stored);
    }
};

QTEST_MAIN(TestKeyQuestions)
#include "test_keyquestions.moc"
