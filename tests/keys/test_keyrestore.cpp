// "Save" refusing what "Process" refuses, and what a restore would lose or change.
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
