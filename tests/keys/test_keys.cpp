#include "codepage.h"
#include "error.h"
#include "files.h"
#include "keyfile.h"
#include "keygen.h"
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
mode_t modeOf(const fs::path& p) {
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0);
    return st.st_mode & 07777;
}
bool named(const fs::path& p, const char* name) {
    return p.filename() == name;
}
bool isFolder(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}
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
        return ::fsync(fd);
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
    int fd = ::open(leftover.c_str(), O_RDONLY); // sees the bytes after the name is gone
    file.removeKeysByName("a");
    EXPECT_EQ(bytes(), rec("b", "2"));
    EXPECT_EQ(scratchFiles(dir.path()), 0);
    std::string left(RecordSize, '\0');
    EXPECT_EQ(::pread(fd, left.data(), left.size(), 0), static_cast<ssize_t>(RecordSize));
    EXPECT_EQ(left, std::string(RecordSize, '@'));
    ::close(fd);
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
    transferKeyFile(dir.path(), other.path());
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("a", "1"));
    EXPECT_EQ(modeOf(other / "key.dat"), 0600u);
    file.storeKey("b", "2");
    transferKeyFile(dir.path(), other.path());
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("a", "1") + rec("b", "2"));

    other.write("key.dat", rec("old", "9"));
    restoreKeyFile(dir.path(), other.path());
    EXPECT_EQ(bytes(), rec("old", "9"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

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
        return ::fsync(fd);
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
        return !isFolder(fd) && ++flushes == 3 ? (errno = EIO, -1) : ::fsync(fd);
    };
    {
        FileOpsOverride seam(ops);
        expectError([&] { wipeKeyFile(dir.path()); }, {"pass 3 of 21", "next key command"});
    }
    // Cut short: no key file, and the next key command finishes the wipe.
    EXPECT_FALSE(fs::exists(dat()));
    EXPECT_EQ(scratchFiles(dir.path()), 1);
    EXPECT_TRUE(file.listKeyNames().empty());
    file.storeKey("b", "2");
    EXPECT_EQ(scratchFiles(dir.path()), 0);
    EXPECT_EQ(bytes(), rec("b", "2"));
    ops = failing();
    ops.remove = [](const fs::path&) { return errno = EACCES, -1; };
    FileOpsOverride seam(ops);
    expectError([&] { wipeKeyFile(dir.path()); }, {"could not be deleted", "not writable"});
}

} // namespace
