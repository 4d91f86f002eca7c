// The file layer: new files, scratch files and rewrites, beside other programs' clean-ups and
// failing calls, and failures told in the program's words. A replace failing at any step, links
// and read-only files are checked through every key command in tests/keys; an append cut back
// after a failure through Add in tests/dictionary.
#include "error.h"
#include "files.h"
#include "systemcalls.h"
#include "tempfolder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <new>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace talvora;
using files::FileOps;
using files::FileOpsOverride;
using test::isFolder;
using test::modeOf;
using V = std::vector<std::string>;

namespace {

// Every file of a folder, by name.
V names(const fs::path& folder) {
    V out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

// A new file and the empty key file a look-up creates are the owner's only; the scratch file
// of a replace is unique, created exclusively and never through a link; a wipe leaves nothing
// (the key tests count its passes).
TEST(Files, NewFilesAreOwnerOnlyScratchFilesExclusiveAndWipesLeaveNothing) {
    TempFolder dir;
    ASSERT_TRUE(files::createEmpty(dir / "key.dat"));
    EXPECT_EQ(modeOf(dir / "key.dat"), test::asStored(0600));
    EXPECT_FALSE(files::createEmpty(dir / "key.dat"));
    std::vector<std::pair<fs::path, int>> created;
    FileOps ops = FileOps::system();
    ops.open = [&](const fs::path& p, int flags, mode_t m) {
        if (flags & O_CREAT)
            created.emplace_back(p, flags);
        return test::systemOps().open(p, flags, m);
    };
    FileOpsOverride seam(ops);
    files::replace(dir / "x", "1");
    EXPECT_EQ(modeOf(dir / "x"), test::asStored(0600));
    files::replace(dir / "x", "two");
    ASSERT_EQ(created.size(), 2u);
    EXPECT_NE(created[0].first, created[1].first);
    for (const auto& [path, flags] : created) {
        EXPECT_EQ(path.parent_path(), dir.path());
        EXPECT_TRUE(files::isScratchFor(path, "x")) << path;
        EXPECT_EQ(flags & (O_EXCL | O_NOFOLLOW), O_EXCL | O_NOFOLLOW);
    }
    files::wipe(dir / "x", '@', 3, "key file");
    EXPECT_EQ(names(dir.path()), V{"key.dat"});
}

TEST(Files, FirstLineStopsAtItsEndAndRefusesALongLine) {
    TempFolder dir;
    int bytesRead = 0;
    FileOps ops = FileOps::system();
    ops.pread = [&](int fd, void* b, size_t n, off_t at) {
        ssize_t got = test::systemOps().pread(fd, b, n, at);
        bytesRead += static_cast<int>(got > 0 ? got : 0);
        return got;
    };
    FileOpsOverride seam(ops);
    dir.write("key.txt", "123456789\r\n" + std::string(1 << 20, 'x'));
    EXPECT_EQ(files::readFirstLine(dir / "key.txt", 1000), "123456789");
    EXPECT_LE(bytesRead, 4096);
    dir.write("k2.txt", std::string(998, 'a') + "\xC3\xA9\xC3\xA9\n"); // 1000 characters
    EXPECT_EQ(files::readFirstLine(dir / "k2.txt", 1000).size(), 1002u);
    bytesRead = 0; // a line one character longer is refused: cli_test
    const fs::path line = dir.write("k3.txt", std::string(50 << 20, '1'));
    EXPECT_TRUE(has(errorOf([&] { files::readFirstLine(line, 1000); }), "longer than"));
    EXPECT_LE(bytesRead, 8192);
}

// Other programs, played by another thread and by a clean-up run meanwhile: the folder lock
// belongs to its holder, and a live scratch file is locked until renamed, so the new contents
// arrive whole.
TEST(Hostile, OthersWaitForTheFolderLockAndLeaveALiveScratchFileAlone) {
    TempFolder dir;
    std::string second;
    {
        files::FolderLock first(dir.path());
        std::thread([&] {
            second = errorOf([&] { files::FolderLock other(dir.path(), 0); });
        }).join();
    }
    EXPECT_TRUE(has(second, "Another program")) << second;
    std::thread([&] { second = errorOf([&] { files::FolderLock again(dir.path(), 0); }); }).join();
    EXPECT_EQ(second, "no error");
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_TRUE(has(errorOf([&] { files::FolderLock gone(dir / "gone"); }), "does not exist"));

    const fs::path target = dir.write("key.dat", "old");
    FileOps ops = FileOps::system();
    ops.rename = [target](const fs::path& from, const fs::path& to) {
        files::shredScratchFiles(target, '@', 1);
        return test::systemOps().rename(from, to);
    };
    FileOpsOverride seam(ops);
    files::replace(target, "new contents");
    EXPECT_EQ(TempFolder::read(target), "new contents");
}

// A failed flush of the folder after the rename is a failure, a failed close after an
// append's flush says the bytes are there, and library failures reach no one raw.
TEST(Hostile, LateAndLibraryFailuresAreToldInTheProgramsWords) {
    TempFolder dir;
    FileOps ops = FileOps::system();
    ops.fsync = [](int fd) {
        return isFolder(fd) ? (errno = EIO, -1) : test::systemOps().fsync(fd);
    };
    const fs::path out = dir / "out.txt";
    EXPECT_EQ(errorOf([&] {
                  FileOpsOverride seam(ops);
                  files::replace(out, "text");
              }),
              files::describe(out) + " was written, but its folder " + files::describe(dir.path()) +
                  " could not be flushed: Input/output error.  The change may be lost if the "
                  "computer stops now.");
    const fs::path dic = dir.write("a.dic", "alpha\r\n");
    ops = FileOps::system();
    ops.close = [](int fd) { return ::close(fd), errno = EIO, -1; };
    EXPECT_EQ(errorOf([&] {
                  FileOpsOverride seam(ops);
                  files::append(dic, "beta\r\n");
              }),
              "The addition to " + files::describe(dic) +
                  " was written and flushed, but closing the file then failed: Input/output "
                  "error.");
    EXPECT_EQ(TempFolder::read(dic), "alpha\r\nbeta\r\n");
    EXPECT_EQ(userMessage(std::bad_alloc()),
              "There is not enough memory for this; nothing more was done.");
    EXPECT_EQ(userMessage(fs::filesystem_error("directory iterator cannot advance", "/d",
                                               std::error_code(EIO, std::generic_category()))),
              "Cannot use \"/d\": Input/output error.");
}

// --- POSIX modes, FIFOs and descriptors held across a rename; see test_windows.cpp --------
#ifndef _WIN32
TEST(Files, RewritesKeepTheModeAndOverwriteTheOldBytesLeavingTheUsersFiles) {
    TempFolder dir;
    dir.write("t.txt.part", "mine");
    const fs::path t = dir.write("t.txt", "secret");
    fs::permissions(t, fs::perms(0640));
    int watch = test::systemOps().open(t, O_RDONLY, 0); // still the old file after the rename
    files::replace(t, "new", {.overwriteOld = true});
    std::string old(6, 'x');
    ASSERT_EQ(test::systemOps().pread(watch, old.data(), old.size(), 0), 6);
    ::close(watch);
    EXPECT_EQ(old, std::string(6, '\0'));
    EXPECT_EQ(TempFolder::read(t), "new");
    EXPECT_EQ(modeOf(t), 0640u);
    EXPECT_EQ(names(dir.path()), (V{"t.txt", "t.txt.part"}));
}

TEST(Files, ReadRefusesDevicesFoldersAndFilesOverTheLimitBeforeReading) {
    TempFolder dir; // a pipe: see the dictionary and command-line tests
    EXPECT_TRUE(has(errorOf([&] { files::read("/dev/zero"); }),
                    "\": it is not a regular file but a pipe or a device."));
    EXPECT_TRUE(has(errorOf([&] { files::read(dir.path()); }), "it is a folder"));
    int reads = 0;
    FileOps ops = FileOps::system();
    ops.pread = [&](int fd, void* b, size_t n, off_t at) {
        ++reads;
        return test::systemOps().pread(fd, b, n, at);
    };
    FileOpsOverride seam(ops);
    dir.write("big.txt", std::string(3 << 20, 'a'));
    std::string e = errorOf([&] { files::read(dir / "big.txt", 2 << 20); });
    EXPECT_TRUE(has(e, "big.txt\": it is larger than 2 MB, the most the program reads.")) << e;
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(files::read(dir / "big.txt", 3 << 20).size(), size_t{3} << 20);
    EXPECT_EQ(files::readIfExists(dir / "none", 10), std::nullopt);
}
#endif
