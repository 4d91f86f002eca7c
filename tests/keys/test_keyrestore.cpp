// "Save" refusing what "Process" refuses and asking before it replaces, and what a restore would change.
#include "codepage.h"
#include "commands.h"
#include "keyfile.h"
#include "keyrestore.h"
#include "keyspace.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace talvora;
using namespace talvora::keys;

namespace {

std::string rec(std::string name, std::string key) {
    name.resize(NameWidth, ' ');
    key.resize(KeyWidth, ' ');
    return name + key;
}

} // namespace

TEST(SaveKey, RefusesAKeyProcessWouldRefuseAfterTheEmptyAndZeroChecks) {
    TempFolder dir;
    CodePage cp = CodePage::fromName("windows-1252");
    KeyFile file(dir.path(), cp);
    ASSERT_FALSE(processKey(*std::make_unique<Keyspace>(), "ab cd").started);
    SaveResult unusable = saveKey(file, "friend", "ab cd");
    EXPECT_FALSE(unusable.saved);
    EXPECT_EQ(unusable.message, talvora::msg::KeyUnusable);
    EXPECT_EQ(unusable.message, "This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.");
    // The older checks come first with their own texts.
    EXPECT_EQ(saveKey(file, "", "ab cd").message, keys::msg::MissingData);
    EXPECT_EQ(saveKey(file, "friend", "ab c0").message, keys::msg::KeyHasZero);
    EXPECT_EQ(TempFolder::read(dir / "key.dat"), "");
    EXPECT_TRUE(saveKey(file, "friend", "918273645546372819").saved);
}

TEST(SaveKey, AsksBeforeGivingAStoredNameAnotherKey) {
    TempFolder dir;
    CodePage cp = CodePage::fromName("windows-1252");
    KeyFile file(dir.path(), cp);
    dir.write("key.dat", rec("alpha", "918273645546372819"));
    SaveResult ask = saveKey(file, "ALPHA", "123456789123456789");
    EXPECT_EQ(ask.kind, SaveResult::AskReplace);
    EXPECT_EQ(ask.message, "A key named alpha is stored. Replace its key?");
    EXPECT_EQ(TempFolder::read(dir / "key.dat"), rec("alpha", "918273645546372819"));
    // The same key, or the answer given: stored in place.
    EXPECT_EQ(saveKey(file, "Alpha", "918273645546372819").kind, SaveResult::Saved);
    EXPECT_TRUE(saveKey(file, "ALPHA", "123456789123456789", true).saved);
    EXPECT_EQ(TempFolder::read(dir / "key.dat"), rec("ALPHA", "123456789123456789"));
    // More than a record holds is refused, not cut.
    SaveResult tooLong = saveKey(file, "beta", std::string(200, '1'), true);
    EXPECT_EQ(tooLong.kind, SaveResult::KeyTooLong);
    EXPECT_EQ(tooLong.message, "A key has at most 18 characters; this one has 200.  Nothing was stored.");
    EXPECT_EQ(file.listKeyNames(), std::vector<std::string>{"ALPHA"});
}

TEST(RestoreLoss, NamesTheStoredKeysTheIncomingFileLacksOrChanges) {
    TempFolder program, stick;
    CodePage cp = CodePage::fromName("windows-1252");
    program.write("key.dat", rec("zulu", "1") + rec("  alpha", "2") + rec("Zulu", "3") + rec("alpha", "4") +
                                 rec("same", "5"));
    stick.write("key.dat", rec("alpha", "9") + rec("other", "8") + rec("same", "5") + rec("alpha", "2"));
    // Exact trimmed names, each once, judged by the first record of the name as a lookup is.
    EXPECT_EQ(keysLostByRestore(program.path(), stick.path(), cp),
              (std::vector<RestoreLoss>{{"zulu", false}, {"alpha", true}, {"Zulu", false}}));
    EXPECT_EQ(keys::msg::RestoreTitle, "Restore Confirm");

    // No key file in the chosen folder: nothing to ask, and none is made there.
    TempFolder empty;
    EXPECT_TRUE(keysLostByRestore(program.path(), empty.path(), cp).empty());
    EXPECT_FALSE(std::filesystem::exists(empty / "key.dat"));
    // No key file in the program folder: nothing to lose.
    EXPECT_TRUE(keysLostByRestore(empty.path(), stick.path(), cp).empty());
}

TEST(RestoreLoss, QuestionNamesTenThenCountsTheRest) {
    EXPECT_EQ(keys::msg::restoreQuestion({{"alpha", true}}),
              "Restoring the key file of the chosen folder loses or changes 1 key stored now:\n"
              "- alpha (another key)\nRestore anyway?");
    std::vector<RestoreLoss> many;
    for (char c = 'a'; c <= 'l'; ++c)
        many.push_back({std::string(1, c), false});
    const std::string text = keys::msg::restoreQuestion(many);
    EXPECT_NE(text.find("changes 12 keys stored now:\n- a (lost)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("- j (lost)\nand 2 more.\nRestore anyway?"), std::string::npos) << text;
    EXPECT_EQ(text.find("- k"), std::string::npos) << text;
}
