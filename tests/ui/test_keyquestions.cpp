// The questions asked before a stored key is replaced or lost (Save, Restore Keys, Transfer
// Keys, Remove), all with No as the default, and the name list after Save; by real key and
// mouse events.
#include "keyfile.h"
#include "keyquestions.h"
#include "keyrestore.h"
#include "uitest.h"

#include <QDir>

using namespace talvora;
using namespace talvora::ui;
using namespace uitest;

namespace {
const QByteArray ZuluKey = "123456789123456789";
const QByteArray AlphaKey = "987654321987654321";
const QByteArray OtherKey = "555666777888999111";
const QByteArray Stored = keyRecord("zulu", ZuluKey) + keyRecord("alpha", AlphaKey);
using Answer = QMessageBox::StandardButton;
} // namespace

class TestKeyQuestions : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work_; // the folder window's start, holding "stick"
    QString stickFile() const { return work_->filePath(QStringLiteral("stick/key.dat")); }

    // Every question of these commands defaults to No.
    void expectQuestion(size_t index, const QString& title, const QString& text) {
        QVERIFY(MessageBox::shown().size() > index);
        const MessageBox::Shown& box = MessageBox::shown()[index];
        QVERIFY(box.question);
        QCOMPARE(box.defaultButton, QMessageBox::No);
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, text);
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
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("another key, No") << OtherKey << int(QMessageBox::No) << Stored;
        QTest::newRow("another key, Yes")
            << OtherKey << int(QMessageBox::Yes) << keyRecord("zulu", ZuluKey) + keyRecord("ALPHA", OtherKey);
        QTest::newRow("the same key") << AlphaKey << -1 << keyRecord("zulu", ZuluKey) + keyRecord("ALPHA", AlphaKey);
    }
    void saveAsksBeforeReplacingAKey() {
        QFETCH(QByteArray, key);
        QFETCH(int, answer);
        QFETCH(QByteArray, file);
        type("cmbKey", QStringLiteral("ALPHA"));
        type("txtKey", QString::fromLatin1(key));
        if (answer >= 0)
            MessageBox::setNextAnswer(Answer(answer));
        click("Command8");
        QStringList expected;
        if (answer >= 0) {
            expectQuestion(0, q(keys::msg::ReplaceTitle), QStringLiteral("A key named alpha is stored. Replace its key?"));
            expected << shownTexts().first();
        }
        if (answer != QMessageBox::No)
            expected << q(keys::msg::KeySaved);
        QCOMPARE(shownTexts(), expected);
        QCOMPARE(readBytes(path("key.dat")), file);
        // The saved name and its key stay shown, and the list holds the name as saved.
        auto* names = child<QComboBox>("cmbKey");
        QCOMPARE(names->currentText(), QStringLiteral("ALPHA"));
        QCOMPARE(keyBox(), QString::fromLatin1(key));
        QCOMPARE(names->itemText(1), answer == QMessageBox::No ? QStringLiteral("alpha") : QStringLiteral("ALPHA"));
    }

    void restoreNamesEveryKeyItLosesOrChanges() {
        QByteArray many = Stored;
        std::vector<keys::RestoreLoss> losses{{"zulu", false}, {"alpha", true}};
        for (int i = 1; i <= 10; ++i) {
            const QByteArray name = "key" + QByteArray::number(i);
            many += keyRecord(name, ZuluKey);
            losses.push_back({name.toStdString(), false});
        }
        QVERIFY(writeBytes(path("key.dat"), many));
        QVERIFY(writeBytes(stickFile(), keyRecord("alpha", OtherKey) + keyRecord("new", OtherKey)));
        UI_MODAL([&] { click("Command7"); }, chooseSubfolder(QStringLiteral("stick")));
        const QString question = q(keys::msg::restoreQuestion(losses));
        QVERIFY(question.contains(QStringLiteral("\n- zulu (lost)\n- alpha (another key)\n")));
        QVERIFY(question.contains(QStringLiteral("\n- key8 (lost)\nand 2 more.\n")));
        expectQuestion(0, q(keys::msg::RestoreTitle), question);
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(readBytes(path("key.dat")), many);
    }

    void transferAsksWhenTheTargetHoldsAnotherKeyFile() {
        const QByteArray theirs = keyRecord("backup", OtherKey);
        QVERIFY(writeBytes(stickFile(), theirs));
        const QString question = q(keys::msg::transferQuestion(stickFile().toStdString()));
        QVERIFY(question.contains(stickFile()));
        UI_MODAL([&] { click("Command12"); }, chooseSubfolder(QStringLiteral("stick")));
        expectQuestion(0, q(keys::msg::TransferTitle), question);
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QCOMPARE(readBytes(stickFile()), theirs);

        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        UI_MODAL([&] { click("Command12"); }, chooseSubfolder(QStringLiteral("stick")));
        QCOMPARE(shownTexts(), QStringList({question, q(keys::msg::KeysTransferred)}));
        QCOMPARE(readBytes(stickFile()), Stored);

        // The same file there: nothing to ask.
        MessageBox::clearShown();
        UI_MODAL([&] { click("Command12"); }, chooseSubfolder(QStringLiteral("stick")));
        QCOMPARE(shownTexts(), QStringList{q(keys::msg::KeysTransferred)});
    }

    void removeOfANameNoneMatchesExactlyAsksNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << QStringLiteral("Alpha");
        QTest::newRow("trailing blank") << QStringLiteral("alpha ");
        QTest::newRow("prefix") << QStringLiteral("alp");
    }
    void removeOfANameNoneMatchesExactlyAsksNothing() {
        QFETCH(QString, name);
        type("cmbKey", name);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Command9");
        QCOMPARE(MessageBox::shown().size(), size_t(1));
        QVERIFY(!MessageBox::shown()[0].question);
        QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("No key named %1 is stored.").arg(name));
        QCOMPARE(readBytes(path("key.dat")), Stored);
        QCOMPARE(child<QComboBox>("cmbKey")->count(), 2);
    }
};

QTEST_MAIN(TestKeyQuestions)
#include "test_keyquestions.moc"
