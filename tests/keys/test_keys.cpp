#include "codepage.h"
#include "error.h"
#include "files.h"
#include "keyfile.h"
#include "keygen.h"
#include "systemcalls.h"
#include "tempfolder.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace talvora;
using namespace talvora::keys;
using talvora::files::FileOps;
using talvora::files::FileOpsOverride;

namespace {

std::string pad(std::string s, size_t width) {
    s.resize(width, ' ');
    return s;
}
std::string rec(const std::string& name, const std::string& key) {
    return pad(name, NameWidth) + pad(key, KeyWidth);
}
using test::asStored;
using test::modeOf;
bool named(const fs::path& p, const char* name) {
    return p.filename() == name;
}
using test::isFolder;
// Scratch files this program made in folder.
int scratchFiles(const fs::path& folder) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        n += e.path().filename().string().find(".talvora-") != std::string::npos;
    return n;
}

// The system's calls, one of which tests then replace.
FileOps failing() {
    return FileOps::system();
}

class KeyFileTest : public ::testing::Test {
  protected:
    TempFolder dir;
    CodePage cp = CodePage::fromName("windows-1252");
    KeyFile file{dir.path(), cp};
    fs::path dat() const { return dir / "key.dat"; }
    std::string bytes() const { return TempFolder::read(dat()); }
    void expectError(const std::function<void()>& f, const std::vector<std::string>& parts) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            for (const auto& part : parts)
                EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
        }
    }
};

// --- The record format --------------------------------------------------------------

TEST_F(KeyFileTest, ReadsAHandWrittenFileWithBlanksInsideAndAround) {
    dir.write("key.dat", rec("  Alice", "123456789") + rec("Bob Smith", " 99 ") + rec("", ""));
    EXPECT_EQ(file.listKeyNames(), (std::vector<std::string>{"Alice", "Bob Smith", ""}));
    EXPECT_EQ(file.findKeyByName("Bob Smith"), "99");
}

TEST_F(KeyFileTest, WritesPaddedCodePageBytesCutToTheFieldWidths) {
    file.storeKey("Zo\xC3\xAB", "12");
    file.storeKey(std::string(45, 'n'), std::string(20, '7'));
    EXPECT_EQ(bytes(), rec("Zo\xEB", "12") + std::string(40, 'n') + std::string(18, '7'));
    EXPECT_EQ(file.listKeyNames()[0], "Zo\xC3\xAB");
}

TEST_F(KeyFileTest, RefusesCharactersTheCodePageLacksWithoutWriting) {
    file.storeKey("a", "1");
    expectError([&] { file.storeKey("\xCE\xA9mega", "1"); }, {"U+03A9", "windows-1252"});
    expectError([&] { file.storeKey("b", "1\xE2\x82\xAC\xCE\xA9"); }, {"U+03A9"});
    EXPECT_EQ(bytes(), rec("a", "1"));
}

// --- Counting records ---------------------------------------------------------------

class RecordCount : public KeyFileTest,
                    public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(RecordCount, RoundsTheLengthToNearestWithHalvesToEven) {
    dir.write("key.dat", std::string(static_cast<size_t>(GetParam().first), 'x'));
    EXPECT_EQ(file.listKeyNames().size(), static_cast<size_t>(GetParam().second));
}
INSTANTIATE_TEST_SUITE_P(Lengths, RecordCount,
                         ::testing::Values(std::pair{0, 0}, std::pair{29, 0}, std::pair{30, 1},
                                           std::pair{87, 2}, std::pair{145, 2}, std::pair{203, 4}));

TEST_F(KeyFileTest, ShortLastRecordReadsBlanksAndAppendingStartsAtTheBoundary) {
    dir.write("key.dat", rec("a", "1") + "Bob" + std::string(26, ' ')); // 87 bytes: 2 records
    EXPECT_EQ(file.listKeyNames(), (std::vector<std::string>{"a", "Bob"}));
    EXPECT_EQ(file.findKeyByName("Bob"), "");
    file.storeKey("c", "3");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("Bob", "") + rec("c", "3"));
}

TEST_F(KeyFileTest, AppendingOverwritesAnIgnoredTail) {
    dir.write("key.dat", rec("a", "1") + rec("b", "2") + std::string(29, 'z')); // 145: 2 records
    file.storeKey("c", "3");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("b", "2") + rec("c", "3"));
}

// --- The two name rules -------------------------------------------------------------

TEST_F(KeyFileTest, FindingNeedsTheExactTrimmedNameAndTakesTheFirst) {
    dir.write("key.dat", rec("Alice", "1") + rec(" Alice ", "2") + rec("alice", "3"));
    EXPECT_EQ(file.findKeyByName("Alice"), "1");
    EXPECT_EQ(file.findKeyByName("alice"), "3");
    EXPECT_EQ(file.findKeyByName("ALICE"), std::nullopt);
    EXPECT_EQ(file.findKeyByName("Alice "), std::nullopt); // the given text is not trimmed
    EXPECT_EQ(file.findKeyByName("Ali"), std::nullopt);
}

TEST_F(KeyFileTest, SavingReplacesTheFirstNameInAnyCaseInPlace) {
    dir.write("key.dat", rec("a", "1") + rec("  \xC9mile", "2") + rec("\xE9mile", "3"));
    file.storeKey("\xC3\xA9MILE", "9");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("\xE9MILE", "9") + rec("\xE9mile", "3"));
}

TEST_F(KeyFileTest, SavingAppendsWhenTheGivenNameHasBlanksOrIsLongerThanTheField) {
    const std::string longName(41, 'L');
    file.storeKey("a", "1");
    file.storeKey("a ", "2");
    file.storeKey(longName, "3");
    file.storeKey(longName, "4");
    EXPECT_EQ(file.listKeyNames().size(), 4u);
    EXPECT_EQ(file.findKeyByName("a"), "1");
    EXPECT_EQ(file.findKeyByName(longName), std::nullopt);
    EXPECT_EQ(file.findKeyByName(longName.substr(0, 40)), "3");
}

TEST_F(KeyFileTest, ReplacesARecordPast32767InPlace) {
    std::string data;
    for (int i = 0; i < 32770; ++i)
        data += rec("n" + std::to_string(i), "1");
    dir.write("key.dat", data);
    file.storeKey("N32768", "55");
    data.replace(32768 * RecordSize, RecordSize, rec("N32768", "55"));
    EXPECT_EQ(bytes(), data);
}

// --- Save, remove -------------------------------------------------------------------

TEST_F(KeyFileTest, RemovingDropsEveryExactMatchAndKeepsTheOthersByteForByte) {
    dir.write("key.dat",
              rec(" a", "1") + rec("x", "2") + rec("b", " 3") + rec("x", "4") + rec("X", "5"));
    file.removeKeysByName("x");
    EXPECT_EQ(bytes(), rec(" a", "1") + rec("b", " 3") + rec("X", "5"));
    file.removeKeysByName("X");
    EXPECT_EQ(bytes().size(), 116u);
    file.storeKey("c", "6");
    EXPECT_EQ(file.listKeyNames(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(KeyFileTest, SaveChecksTheFieldsBeforeStoring) {
    EXPECT_EQ(saveKey(file, "", "12").message, msg::MissingData);
    EXPECT_EQ(saveKey(file, "a", "").message, msg::MissingData);
    SaveResult zero = saveKey(file, "a", "102");
    EXPECT_FALSE(zero.saved);
    EXPECT_EQ(zero.message, msg::KeyHasZero);
    EXPECT_EQ(bytes(), "");
    SaveResult ok = saveKey(file, " a ", "12");
    EXPECT_TRUE(ok.saved);
    EXPECT_EQ(ok.message, msg::KeySaved);
    EXPECT_EQ(file.findKeyByName("a"), "12");
    EXPECT_EQ(msg::removeQuestion("Bob"), "Are you sure you want to remove the Key Bob?");
}

// --- Generated keys -----------------------------------------------------------------

TEST(GenerateKey, DrawsZeroAgainAndRoundsHalfToEven) {
    std::vector<double> draws = {0.0, 0.5 / 9, 0.6 / 9, 8.49 / 9, 8.51 / 9, 0.999999};
    size_t i = 0;
    std::string key = generateKey([&] { return draws[i++ % draws.size()]; });
    EXPECT_EQ(key.substr(0, 4), "1899");
    EXPECT_EQ(keyDigit(0.5 / 9), 0);
}

TEST(GenerateKey, DigitsFollowTwoSeventeenthsAndOneSeventeenthForNine) {
    std::array<double, 10> seen{};
    const int keys = 20000;
    for (int k = 0; k < keys; ++k) {
        std::string key = generateKey();
        ASSERT_EQ(key.size(), 18u);
        for (char c : key) {
            ASSERT_TRUE(c >= '1' && c <= '9') << key;
            seen[static_cast<size_t>(c - '0')] += 1;
        }
    }
    const double n = keys * 18.0;
    double chi2 = 0;
    for (int d = 1; d <= 9; ++d) {
        double expected = n * (d == 9 ? 1.0 : 2.0) / 17.0;
        chi2 += std::pow(seen[static_cast<size_t>(d)] - expected, 2) / expected;
    }
    // 8 degrees of freedom: above 60 happens by chance with p < 1e-9; a uniform 1/9 gives ~20000.
    EXPECT_LT(chi2, 60.0);
}

// --- Faults -------------------------------------------------------------------------

#ifndef _WIN32 // POSIX modes, /proc and symbolic links; Windows' cases are in test_windows.cpp
TEST_F(KeyFileTest, NewFilesAreOwnerOnlyAndRewritesKeepPermissions) {
    EXPECT_TRUE(file.listKeyNames().empty());
    EXPECT_EQ(modeOf(dat()), 0600u);
    fs::permissions(dat(), fs::perms(0644));
    file.storeKey("a", "1");
    file.storeKey("b", "2");
    file.removeKeysByName("a");
    EXPECT_EQ(modeOf(dat()), 0644u);
    EXPECT_EQ(bytes(), rec("b", "2"));
}
#endif

TEST_F(KeyFileTest, EveryWriteIsFlushedBeforeSuccess) {
    int writes = 0, flushedWrites = 0;
    FileOps ops = failing();
    auto realWrite = ops.pwrite;
    ops.pwrite = [&, realWrite](int fd, const void* b, size_t n, off_t off) {
        ++writes;
        return realWrite(fd, b, n, off);
    };
    ops.fsync = [&](int fd) {
        flushedWrites = writes;
        return test::systemOps().fsync(fd);
    };
    FileOpsOverride seam(ops);
    file.storeKey("a", "1");
    file.storeKey("b", "2");
    EXPECT_EQ(flushedWrites, writes);
    file.removeKeysByName("a");
    EXPECT_EQ(flushedWrites, writes);
    EXPECT_GE(writes, 3);
}

TEST_F(KeyFileTest, LeftoverScratchFilesAreOverwrittenAndGoneButTheUsersFilesStay) {
    dir.write("key.dat", rec("a", "1") + rec("b", "2"));
    dir.write("key.tmp", "the user's own");
    dir.write("key.dat.part", "the user's own");
    const fs::path leftover = dir.write(".key.dat.talvora-Ab3dEf6hIj9k", rec("secret", "77"));
    int fd = test::systemOps().open(leftover, O_RDONLY, 0); // sees the bytes after the name is gone
    file.removeKeysByName("a");
    EXPECT_EQ(bytes(), rec("b", "2"));
    std::string left(RecordSize, '\0');
    EXPECT_EQ(test::systemOps().pread(fd, left.data(), left.size(), 0), static_cast<ssize_t>(RecordSize));
#ifdef _WIN32
    // Windows lets a name go only with the file's last handle: while the test holds it, the
    // key file's own write finds it again and overwrites it with its zeros.
    EXPECT_TRUE(left == std::string(RecordSize, '@') || left == std::string(RecordSize, '\0'));
#else
    EXPECT_EQ(scratchFiles(dir.path()), 0);
    EXPECT_EQ(left, std::string(RecordSize, '@'));
#endif
    ::close(fd);
    EXPECT_EQ(scratchFiles(dir.path()), 0);
    EXPECT_EQ(TempFolder::read(dir / "key.tmp"), "the user's own");
    EXPECT_EQ(TempFolder::read(dir / "key.dat.part"), "the user's own");
}

TEST_F(KeyFileTest, FailedRenameOrFlushLeavesTheOldFileReadable) {
    const std::string old = rec("a", "1") + rec("b", "2");
    dir.write("key.dat", old);
    FileOps ops = failing();
    ops.rename = [](const fs::path&, const fs::path&) { return errno = EIO, -1; };
    {
        FileOpsOverride seam(ops);
        expectError([&] { file.removeKeysByName("a"); }, {dat().string(), "Input/output error"});
    }
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(file.findKeyByName("a"), "1");
    EXPECT_EQ(scratchFiles(dir.path()), 0);

    ops = failing();
    ops.fsync = [](int) { return errno = ENOSPC, -1; };
    FileOpsOverride seam(ops);
    expectError([&] { file.removeKeysByName("a"); }, {"the disk is full"});
    expectError([&] { file.storeKey("c", "3"); }, {"the disk is full"});
    EXPECT_EQ(bytes(), old);
}

TEST_F(KeyFileTest, FailedRecordWriteLeavesTheFileAsItWas) {
    const std::string old = rec("a", "1") + "tail";
    dir.write("key.dat", old);
    FileOps ops = failing();
    auto realWrite = ops.pwrite;
    int calls = 0;
    ops.pwrite = [&, realWrite](int fd, const void* b, size_t n, off_t off) -> ssize_t {
        if (calls++ == 0) { // half a record lands, then the disk is full
            realWrite(fd, b, n / 2, off);
            return errno = ENOSPC, -1;
        }
        return realWrite(fd, b, n, off);
    };
    FileOpsOverride seam(ops);
    expectError([&] { file.storeKey("b", "2"); }, {dat().string(), "the disk is full"});
    EXPECT_EQ(bytes(), old);
}

TEST_F(KeyFileTest, UnwritableFolderIsNamedAndListingStillWorks) {
    FileOps ops = failing();
    auto realOpen = ops.open;
    ops.open = [realOpen](const fs::path& p, int flags, mode_t mode) {
        if (flags & O_CREAT)
            return errno = EACCES, -1;
        return realOpen(p, flags, mode);
    };
    {
        FileOpsOverride seam(ops);
        EXPECT_TRUE(file.listKeyNames().empty());
        EXPECT_EQ(file.findKeyByName("a"), std::nullopt);
        expectError([&] { file.storeKey("a", "1"); },
                    {"Cannot write the key file \"" + dat().string() + "\": permission denied.",
                     "program folder", "not writable"});
        EXPECT_FALSE(fs::exists(dat()));
    }

    KeyFile missing(dir / "nowhere", cp);
    EXPECT_TRUE(missing.listKeyNames().empty());
    expectError([&] { missing.storeKey("a", "1"); }, {"nowhere", "does not exist"});
}

TEST_F(KeyFileTest, ReadOnlyKeyFileIsRefusedUnchanged) {
    dir.write("key.dat", rec("a", "1"));
    FileOps ops = failing();
    auto realOpen = ops.open;
    ops.open = [realOpen](const fs::path& p, int flags, mode_t mode) {
        if ((flags & O_ACCMODE) != O_RDONLY && named(p, "key.dat"))
            return errno = EACCES, -1;
        return realOpen(p, flags, mode);
    };
    FileOpsOverride seam(ops);
    expectError([&] { file.storeKey("b", "2"); }, {"permission denied", "read-only"});
    EXPECT_EQ(file.listKeyNames(), std::vector<std::string>{"a"});
    EXPECT_EQ(bytes(), rec("a", "1"));
}

// --- Transfer and restore -----------------------------------------------------------

class KeyCopyTest : public KeyFileTest {
  protected:
    TempFolder other;
};

TEST_F(KeyCopyTest, TransferReplacesTheTargetAndRestoreBringsItBack) {
    dir.write("key.dat", rec("a", "1"));
    other.write("key.tmp", "the user's own"); // a scratch file never takes a user's name
    transferKeyFile(dir.path(), other.path());
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("a", "1"));
    EXPECT_EQ(TempFolder::read(other / "key.tmp"), "the user's own");
    fs::remove(other / "key.tmp");
    EXPECT_EQ(modeOf(other / "key.dat"), asStored(0600));
    file.storeKey("b", "2");
    transferKeyFile(dir.path(), other.path());
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("a", "1") + rec("b", "2"));

    other.write("key.dat", rec("old", "9"));
    restoreKeyFile(dir.path(), other.path());
    EXPECT_EQ(bytes(), rec("old", "9"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

#ifndef _WIN32 // POSIX modes, /proc and symbolic links; Windows' cases are in test_windows.cpp
TEST_F(KeyCopyTest, RefusesTheProgramFolderItselfAndMissingFiles) {
    dir.write("key.dat", rec("a", "1"));
    fs::create_directory_symlink(dir.path(), other / "alias");
    expectError([&] { transferKeyFile(dir.path(), dir.path()); }, {"onto itself"});
    expectError([&] { transferKeyFile(dir.path(), other / "alias"); }, {"onto itself"});
    expectError([&] { restoreKeyFile(dir.path(), dir / "."); }, {"nothing to restore"});
    EXPECT_EQ(bytes(), rec("a", "1"));

    expectError([&] { restoreKeyFile(dir.path(), other.path()); }, {"no key file to restore"});
    EXPECT_EQ(bytes(), rec("a", "1"));
    expectError([&] { transferKeyFile(dir.path(), other / "gone"); }, {"gone", "does not exist"});
    expectError([&] { transferKeyFile(other.path(), dir.path()); }, {"no key file to transfer"});
    EXPECT_EQ(bytes(), rec("a", "1"));
}
#endif

TEST_F(KeyCopyTest, FailedCopyLeavesTheOldTarget) {
    dir.write("key.dat", rec("new", "1"));
    other.write("key.dat", rec("old", "2"));
    FileOps ops = failing();
    ops.pwrite = [](int, const void*, size_t, off_t) -> ssize_t { return errno = ENOSPC, -1; };
    FileOpsOverride seam(ops);
    expectError([&] { transferKeyFile(dir.path(), other.path()); }, {"the disk is full"});
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("old", "2"));
    EXPECT_EQ(scratchFiles(other.path()), 0);
}

// --- Wiping -------------------------------------------------------------------------

#ifndef _WIN32 // POSIX modes, /proc and symbolic links; Windows' cases are in test_windows.cpp
TEST_F(KeyFileTest, WipeOverwritesInPlace21TimesThenLeavesNothing) {
    dir.write("key.dat", rec("a", "1") + "xyz");
    const size_t length = RecordSize + 3;
    size_t atSigns = 0;
    int flushes = 0;
    bool truncated = false;
    FileOps ops = failing();
    auto realOpen = ops.open;
    auto realWrite = ops.pwrite;
    ops.open = [&, realOpen](const fs::path& p, int flags, mode_t mode) {
        truncated |= (flags & O_TRUNC) != 0;
        return realOpen(p, flags, mode);
    };
    ops.pwrite = [&, realWrite](int fd, const void* b, size_t n, off_t off) {
        atSigns += static_cast<size_t>(
            std::count(static_cast<const char*>(b), static_cast<const char*>(b) + n, '@'));
        return realWrite(fd, b, n, off);
    };
    ops.fsync = [&](int fd) {
        if (!isFolder(fd)) { // the descriptor is write-only: read the file through /proc
            EXPECT_EQ(TempFolder::read("/proc/self/fd/" + std::to_string(fd)),
                      std::string(length, '@'));
            EXPECT_FALSE(fs::exists(dat())); // no key file of '@' names at any time
            ++flushes;
        }
        return test::systemOps().fsync(fd);
    };
    {
        FileOpsOverride seam(ops);
        wipeKeyFile(dir.path());
    }
    EXPECT_FALSE(truncated);
    EXPECT_EQ(atSigns, 21 * length);
    EXPECT_EQ(flushes, 21);
    EXPECT_TRUE(fs::is_empty(dir.path()));

    wipeKeyFile(dir.path()); // missing: created empty, then deleted
    EXPECT_TRUE(fs::is_empty(dir.path()));
}
#endif

#ifndef _WIN32 // POSIX modes, /proc and symbolic links; Windows' cases are in test_windows.cpp
TEST_F(KeyFileTest, WipeFollowsASymbolicLinkRefusesHardLinksAndReportsAFailedPass) {
    TempFolder elsewhere;
    const fs::path target = elsewhere.write("keys.dat", rec("a", "1"));
    fs::create_symlink(target, dat());
    wipeKeyFile(dir.path());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
    fs::remove(dat());

    const fs::path real = dir.write("real.dat", rec("a", "1"));
    fs::create_hard_link(real, dat());
    expectError([&] { wipeKeyFile(dir.path()); }, {"hard links", "Nothing was done"});
    EXPECT_EQ(TempFolder::read(real), rec("a", "1"));
    EXPECT_EQ(bytes(), rec("a", "1"));
    fs::remove(real);

    FileOps ops = failing();
    int flushes = 0;
    ops.fsync = [&](int fd) {
        return !isFolder(fd) && ++flushes == 3 ? (errno = EIO, -1) : test::systemOps().fsync(fd);
    };
    {
        FileOpsOverride seam(ops);
        expectError([&] { wipeKeyFile(dir.path()); }, {"pass 3 of 21", "tries again"});
    }
    // Cut short: no key file, and the next key command finishes the wipe.
    EXPECT_FALSE(fs::exists(dat()));
    EXPECT_EQ(scratchFiles(dir.path()), 1);
    EXPECT_TRUE(file.listKeyNames().empty());
    EXPECT_EQ(scratchFiles(dir.path()), 0);
    file.storeKey("b", "2");
    EXPECT_EQ(bytes(), rec("b", "2"));
    ops = failing();
    ops.remove = [](const fs::path&) { return errno = EACCES, -1; };
    FileOpsOverride seam(ops);
    expectError([&] { wipeKeyFile(dir.path()); }, {"could not be deleted", "not writable"});
}
#endif

} // namespace

namespace {

// --- One policy for links and read-only files ------------------------------------------

class KeyPolicyTest : public KeyCopyTest {
  protected:
    // Every command that changes the key file, each on the program folder.
    std::vector<std::pair<const char*, std::function<void()>>> changes() {
        return {{"save", [&] { file.storeKey("new", "5"); }},
                {"remove", [&] { file.removeKeysByName("a"); }},
                {"restore", [&] { restoreKeyFile(dir.path(), other.path()); }},
                {"wipe", [&] { wipeKeyFile(dir.path()); }}};
    }
};

#ifndef _WIN32 // POSIX modes, /proc and symbolic links; Windows' cases are in test_windows.cpp
TEST_F(KeyPolicyTest, ASymbolicLinkIsFollowedAndTheTargetChangedInItsFolder) {
    TempFolder elsewhere;
    const fs::path target = elsewhere.write("real.dat", rec("a", "1") + rec("b", "2"));
    fs::create_symlink(target, dat());
    other.write("key.dat", rec("r", "3"));
    file.storeKey("c", "4");
    file.removeKeysByName("a");
    EXPECT_EQ(TempFolder::read(target), rec("b", "2") + rec("c", "4"));
    restoreKeyFile(dir.path(), other.path());
    EXPECT_TRUE(fs::is_symlink(dat()));
    EXPECT_EQ(TempFolder::read(target), rec("r", "3"));
    EXPECT_EQ(file.listKeyNames(), std::vector<std::string>{"r"});
    EXPECT_EQ(scratchFiles(dir.path()) + scratchFiles(elsewhere.path()), 0);
}
#endif

TEST_F(KeyPolicyTest, OtherHardLinksAndReadOnlyFilesAreRefusedByEveryChange) {
    const std::string old = rec("a", "1");
    dir.write("key.dat", old);
    other.write("key.dat", rec("r", "3"));
    fs::create_hard_link(dat(), dir / "copy.dat");
    for (auto& [name, change] : changes())
        expectError(change, {"hard links"});
    EXPECT_EQ(bytes(), old);
    fs::remove(dir / "copy.dat");

    fs::permissions(dat(), fs::perms(0400));
    for (auto& [name, change] : changes())
        expectError(change, {"read-only"});
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(modeOf(dat()), asStored(0400));
    fs::permissions(dat(), fs::perms(0600));

    // The same for a read-only copy where a transfer would write.
    fs::permissions((other / "key.dat"), fs::perms(0444));
    expectError([&] { transferKeyFile(dir.path(), other.path()); }, {"read-only"});
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("r", "3"));
    EXPECT_EQ(scratchFiles(dir.path()) + scratchFiles(other.path()), 0);
}

TEST_F(KeyPolicyTest, NamesWithControlCharactersAreRefused) {
    dir.write("key.dat", rec("a", "1"));
    for (const char* name : {"two\nlines", "esc\x1b[2J", "tab\there", "c1\xC2\x85"}) {
        SaveResult r = saveKey(file, name, "12");
        EXPECT_FALSE(r.saved);
        EXPECT_EQ(r.message, msg::NameHasControl);
        expectError([&] { file.storeKey(name, "12"); }, {msg::NameHasControl});
    }
    EXPECT_EQ(saveKey(file, "", "0").message, msg::MissingData); // the checks keep their order
    EXPECT_EQ(saveKey(file, "x\n", "0").message, msg::KeyHasZero);
    EXPECT_EQ(bytes(), rec("a", "1"));
}

// --- Faults at every step of every change ---------------------------------------------

// Fails the n-th call of one seam entry (counting from 0), or never.
struct StepFault {
    const char* entry;
    int n;
};

FileOps failingOnce(StepFault f, int& calls) {
    auto real = FileOps::system();
    real.fsync = [](int) { return 0; }; // durability is not under test here, and it is slow
    FileOps ops = real;
    const std::string entry = f.entry;
    auto hit = [&calls, f] { return calls++ == f.n; };
    if (entry == "open")
        ops.open = [=](const fs::path& p, int fl, mode_t m) {
            return hit() ? (errno = EACCES, -1) : real.open(p, fl, m);
        };
    if (entry == "pwrite")
        ops.pwrite = [=](int fd, const void* b, size_t n, off_t o) -> ssize_t {
            if (!hit())
                return real.pwrite(fd, b, n, o);
            real.pwrite(fd, b, n / 2, o); // half lands, then the disk is full
            return errno = ENOSPC, -1;
        };
    if (entry == "fsync")
        ops.fsync = [=](int fd) { return hit() ? (errno = EIO, -1) : real.fsync(fd); };
    if (entry == "close")
        ops.close = [=](int fd) {
            int r = real.close(fd);
            return hit() ? (errno = EIO, -1) : r;
        };
    if (entry == "rename")
        ops.rename = [=](const fs::path& a, const fs::path& b) {
            return hit() ? (errno = EIO, -1) : real.rename(a, b);
        };
    if (entry == "remove")
        ops.remove = [=](const fs::path& p) { return hit() ? (errno = EIO, -1) : real.remove(p); };
    if (entry == "pread")
        ops.pread = [=](int fd, void* b, size_t n, off_t o) {
            return hit() ? (errno = EIO, -1) : real.pread(fd, b, n, o);
        };
    return ops;
}

TEST_F(KeyPolicyTest, AFaultAtAnyStepLeavesTheKeyFileExactlyOldOrExactlyNew) {
    const std::string old = rec("a", "1") + rec("b", "2") + rec("c", "3");
    const std::string restored = rec("r", "9");
    struct Change {
        const char* name;
        std::function<void()> run;
        std::string after; // empty: the file is gone
    };
    std::vector<Change> list = {
        {"save over b", [&] { file.storeKey("B", "7"); }, rec("a", "1") + rec("B", "7") + rec("c", "3")},
        {"save new", [&] { file.storeKey("d", "4"); }, old + rec("d", "4")},
        {"remove", [&] { file.removeKeysByName("b"); }, rec("a", "1") + rec("c", "3")},
        {"restore", [&] { restoreKeyFile(dir.path(), other.path()); }, restored},
        {"wipe", [&] { wipeKeyFile(dir.path()); }, ""},
    };
    FileOps quiet = FileOps::system();
    quiet.fsync = [](int) { return 0; };
    FileOpsOverride fast(quiet);
    int runs = 0, failures = 0;
    for (const auto& change : list) {
        for (const char* entry : {"open", "pread", "pwrite", "fsync", "close", "rename", "remove"}) {
            for (int n = 0;; ++n) {
                dir.write("key.dat", old);
                other.write("key.dat", restored);
                int calls = 0;
                bool failed = false, oldBytesLeft = false;
                {
                    FileOpsOverride seam(failingOnce({entry, n}, calls));
                    try {
                        change.run();
                    } catch (const Error& e) {
                        failed = true;
                        oldBytesLeft = std::string(e.what()).find("could not be overwritten") !=
                                       std::string::npos;
                    }
                }
                ++runs;
                failures += failed;
                const std::string now = fs::exists(dat()) ? bytes() : "";
                const std::string where = std::string(change.name) + ": " + entry + " #" +
                                          std::to_string(n);
                EXPECT_TRUE(now == old || now == change.after) << where;
                if (!failed) {
                    EXPECT_EQ(now, change.after) << where;
                }
                // An interrupted wipe or overwrite of old bytes, or an overwritten old file's
                // second name that could not be removed, is left for the next command; nothing
                // else may be.
                const bool secondName = std::string(entry) == "remove" && !failed;
                if (std::string(change.name) != "wipe" && !oldBytesLeft && !secondName) {
                    EXPECT_EQ(scratchFiles(dir.path()), 0) << where;
                }
                // The next command finishes what was left.
                file.removeKeysByName("nobody");
                EXPECT_EQ(scratchFiles(dir.path()), 0) << where;
                if (n >= calls)
                    break; // this entry was called fewer times than n: every step is covered
            }
        }
    }
    EXPECT_GT(failures, 30);
    EXPECT_GT(runs, failures);
}

#ifndef _WIN32 // Windows renames over no open file
TEST_F(KeyPolicyTest, SaveOverARecordKeepsItsPlaceAndTheOldKeyIsOverwritten) {
    dir.write("key.dat", rec("a", "1") + rec("b", "222222") + rec("c", "3"));
    int watch = test::systemOps().open(dat(), O_RDONLY, 0); // the file being replaced
    file.storeKey("B", "7");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("B", "7") + rec("c", "3"));
    std::string old(3 * RecordSize, 'x');
    ASSERT_EQ(test::systemOps().pread(watch, old.data(), old.size(), 0), static_cast<ssize_t>(old.size()));
    ::close(watch);
    EXPECT_EQ(old.find("222222"), std::string::npos);
    EXPECT_EQ(old.find_first_not_of('\0'), std::string::npos);
}
#endif

} // namespace
