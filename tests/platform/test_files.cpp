#include "error.h"
#include "errorof.h"
#include "files.h"
#include "lowercase.h"
#include "systemcalls.h"
#include "tempfolder.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/mman.h>
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;
using namespace talvora;
using files::FileOps;
using files::FileOpsOverride;

namespace {

using talvora::test::modeOf;

// Every file of a folder but the ones the test put there, by name.
std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

using test::isFolder;

// The steps of a replace that the seam can fail, each with its errno.
enum class Step { Create, Write, ShortWrite, Flush, Close, Rename };

FileOps failingAt(Step step) {
    FileOps ops = FileOps::system();
    auto real = FileOps::system();
    switch (step) {
    case Step::Create:
        ops.open = [real](const fs::path& p, int flags, mode_t m) {
            return (flags & O_CREAT) ? (errno = EACCES, -1) : real.open(p, flags, m);
        };
        break;
    case Step::Write:
        ops.pwrite = [](int, const void*, size_t, off_t) -> ssize_t { return errno = ENOSPC, -1; };
        break;
    case Step::ShortWrite:
        ops.pwrite = [real, first = true](int fd, const void* b, size_t n,
                                          off_t off) mutable -> ssize_t {
            if (!first)
                return errno = EIO, -1;
            first = false;
            return real.pwrite(fd, b, n > 1 ? n / 2 : n, off);
        };
        break;
    case Step::Flush:
        ops.fsync = [](int fd) { return isFolder(fd) ? test::systemOps().fsync(fd) : (errno = EIO, -1); };
        break;
    case Step::Close:
        ops.close = [](int fd) {
            ::close(fd);
            return errno = EIO, -1;
        };
        break;
    case Step::Rename:
        ops.rename = [](const fs::path&, const fs::path&) { return errno = EXDEV, -1; };
        break;
    }
    return ops;
}

} // namespace

// --- Replacing a file ---------------------------------------------------------------

#ifndef _WIN32 // POSIX modes, links, FIFOs, mmap and fork; Windows' cases are in test_windows.cpp
TEST(Replace, NewFilesAreOwnerOnlyRewritesKeepTheModeAndUsersFilesSurvive) {
    TempFolder dir;
    dir.write("out.txt.part", "mine");
    dir.write("key.tmp", "mine too");
    files::replace(dir / "out.txt", "a");
    EXPECT_EQ(modeOf(dir / "out.txt"), 0600u);
    fs::permissions((dir / "out.txt"), fs::perms(0640));
    files::replace(dir / "out.txt", "b");
    EXPECT_EQ(modeOf(dir / "out.txt"), 0640u);
    EXPECT_EQ(TempFolder::read(dir / "out.txt"), "b");
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"key.tmp", "out.txt", "out.txt.part"}));
    EXPECT_EQ(TempFolder::read(dir / "out.txt.part"), "mine");
}
#endif

TEST(Replace, ScratchIsUniqueExclusiveAndNeverFollowsALink) {
    TempFolder dir;
    std::vector<std::pair<fs::path, int>> created;
    FileOps ops = FileOps::system();
    auto real = FileOps::system();
    ops.open = [&, real](const fs::path& p, int flags, mode_t m) {
        if (flags & O_CREAT)
            created.emplace_back(p, flags);
        return real.open(p, flags, m);
    };
    FileOpsOverride seam(ops);
    files::replace(dir / "x", "1");
    files::replace(dir / "x", "2");
    ASSERT_EQ(created.size(), 2u);
    EXPECT_NE(created[0].first, created[1].first);
    for (const auto& [path, flags] : created) {
        EXPECT_EQ(path.parent_path(), dir.path());
        EXPECT_TRUE(files::isScratchFor(path, "x")) << path;
        EXPECT_EQ(flags & (O_EXCL | O_NOFOLLOW), O_EXCL | O_NOFOLLOW);
    }
}

#ifndef _WIN32 // POSIX modes, links, FIFOs, mmap and fork; Windows' cases are in test_windows.cpp
TEST(Replace, FollowsSymbolicLinksAndRefusesHardLinksAndReadOnlyFiles) {
    TempFolder dir, elsewhere;
    const fs::path target = elsewhere.write("real.txt", "old");
    fs::create_symlink(target, dir / "link.txt");
    files::replace(dir / "link.txt", "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(TempFolder::read(target), "new");
    EXPECT_EQ(names(dir.path()), std::vector<std::string>{"link.txt"});

    fs::create_hard_link(target, dir / "hard.txt");
    std::string e = errorOf([&] { files::replace(dir / "hard.txt", "x"); });
    EXPECT_NE(e.find("hard.txt\": it has other hard links"), std::string::npos) << e;
    EXPECT_EQ(TempFolder::read(target), "new");
    fs::remove(dir / "hard.txt");

    fs::permissions(target, fs::perms(0444));
    e = errorOf([&] { files::replace(dir / "link.txt", "x"); });
    EXPECT_NE(e.find("link.txt\": it is read-only."), std::string::npos) << e;
    EXPECT_EQ(TempFolder::read(target), "new");
    EXPECT_EQ(names(elsewhere.path()), std::vector<std::string>{"real.txt"});
}
#endif

class ReplaceFault : public ::testing::TestWithParam<Step> {};

TEST_P(ReplaceFault, LeavesTheTargetExactlyAsItWasAndNoScratch) {
    TempFolder dir;
    dir.write("t.txt", "old contents");
    files::ReplaceOptions options;
    options.overwriteOld = true;
    {
        FileOpsOverride seam(failingAt(GetParam()));
        std::string e = errorOf([&] { files::replace(dir / "t.txt", "new contents", options); });
        EXPECT_NE(e.find("Cannot write \"" + (dir / "t.txt").string() + "\": "),
                  std::string::npos)
            << e;
    }
    EXPECT_EQ(TempFolder::read(dir / "t.txt"), "old contents");
    EXPECT_EQ(names(dir.path()), std::vector<std::string>{"t.txt"});
}
INSTANTIATE_TEST_SUITE_P(EachStep, ReplaceFault,
                         ::testing::Values(Step::Create, Step::Write, Step::ShortWrite,
                                           Step::Flush, Step::Close, Step::Rename));

#ifndef _WIN32 // Windows renames over no open file: the old bytes are reached through their second name there
TEST(Replace, OverwritesTheOldBytesThroughTheDescriptorHeldAcrossTheRename) {
    TempFolder dir;
    const fs::path t = dir.write("t.txt", "secret");
    int watch = test::systemOps().open(t, O_RDONLY, 0); // still the old file after the rename
    files::ReplaceOptions options;
    options.overwriteOld = true;
    files::replace(t, "new", options);
    std::string old(6, 'x');
    ASSERT_EQ(test::systemOps().pread(watch, old.data(), old.size(), 0), 6);
    ::close(watch);
    EXPECT_EQ(old, std::string(6, '\0'));
    EXPECT_EQ(TempFolder::read(t), "new");
}
#endif

#ifndef _WIN32 // POSIX modes, links, FIFOs, mmap and fork; Windows' cases are in test_windows.cpp
TEST(Replace, CopyGoesThroughAScratchFileAndRefusesAPipe) {
    TempFolder dir, other;
    dir.write("a.txt", "contents");
    other.write("a.txt", "old");
    fs::permissions((other / "a.txt"), fs::perms(0640));
    files::copy(dir / "a.txt", other / "a.txt");
    EXPECT_EQ(TempFolder::read(other / "a.txt"), "contents");
    EXPECT_EQ(modeOf(other / "a.txt"), 0640u);
    ASSERT_EQ(::mkfifo((dir / "p").c_str(), 0600), 0);
    EXPECT_NE(errorOf([&] { files::copy(dir / "p", other / "a.txt"); }).find("not a regular file"),
              std::string::npos);
    EXPECT_EQ(TempFolder::read(other / "a.txt"), "contents");
    EXPECT_EQ(names(other.path()), std::vector<std::string>{"a.txt"});
}
#endif

// --- Appending ----------------------------------------------------------------------

TEST(Append, AnyFailureCutsTheFileBackToItsOldLength) {
    TempFolder dir;
    const fs::path f = dir.write("d.dic", "one\r\ntwo\r\n");
    for (Step step : {Step::Write, Step::ShortWrite, Step::Flush}) {
        FileOpsOverride seam(failingAt(step));
        std::string e = errorOf([&] { files::append(f, "three\r\n"); });
        EXPECT_NE(e.find("Cannot add to \"" + f.string() + "\""), std::string::npos) << e;
        EXPECT_EQ(TempFolder::read(f), "one\r\ntwo\r\n");
    }
    files::append(f, "three\r\n");
    EXPECT_EQ(TempFolder::read(f), "one\r\ntwo\r\nthree\r\n");
    EXPECT_NE(errorOf([&] { files::append(dir / "gone.dic", "x"); }).find("does not exist"),
              std::string::npos);
}

// --- Reading ------------------------------------------------------------------------

#ifndef _WIN32 // POSIX modes, links, FIFOs, mmap and fork; Windows' cases are in test_windows.cpp
TEST(Read, RefusesPipesDevicesFoldersAndFilesOverTheLimitBeforeReading) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::string e = errorOf([&] { files::read(dir / "fifo"); }); // must not wait for a writer
    EXPECT_NE(e.find("fifo\": it is not a regular file but a pipe or a device."),
              std::string::npos)
        << e;
    EXPECT_NE(errorOf([&] { files::read("/dev/zero"); }).find("not a regular file"),
              std::string::npos);
    EXPECT_NE(errorOf([&] { files::read(dir.path()); }).find("it is a folder"), std::string::npos);

    int reads = 0;
    FileOps ops = FileOps::system();
    ops.pread = [&](int fd, void* b, size_t n, off_t off) {
        ++reads;
        return test::systemOps().pread(fd, b, n, off);
    };
    FileOpsOverride seam(ops);
    dir.write("big.txt", std::string(3 << 20, 'a'));
    e = errorOf([&] { files::read(dir / "big.txt", 2 << 20); });
    EXPECT_NE(e.find("big.txt\": it is larger than 2 MB, the most the program reads."),
              std::string::npos)
        << e;
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(files::read(dir / "big.txt", 3 << 20).size(), size_t{3} << 20);
    EXPECT_EQ(files::readIfExists(dir / "none", 10), std::nullopt);
}
#endif

TEST(Read, FirstLineStopsAtItsEndAndRefusesALongLine) {
    TempFolder dir;
    int bytesRead = 0;
    FileOps ops = FileOps::system();
    ops.pread = [&](int fd, void* b, size_t n, off_t off) {
        ssize_t got = test::systemOps().pread(fd, b, n, off);
        bytesRead += static_cast<int>(got > 0 ? got : 0);
        return got;
    };
    FileOpsOverride seam(ops);
    dir.write("key.txt", "123456789\r\n" + std::string(1 << 20, 'x'));
    EXPECT_EQ(files::readFirstLine(dir / "key.txt", 1000), "123456789");
    EXPECT_LE(bytesRead, 4096);
    dir.write("k2.txt", std::string(998, 'a') + "\xC3\xA9\xC3\xA9\n"); // 1000 characters
    EXPECT_EQ(files::readFirstLine(dir / "k2.txt", 1000).size(), 1002u);
    dir.write("k3.txt", std::string(999, 'a') + "\xC3\xA9\xC3\xA9");
    EXPECT_NE(errorOf([&] { files::readFirstLine(dir / "k3.txt", 1000); })
                  .find("its first line is longer than 1000 characters"),
              std::string::npos);
    bytesRead = 0;
    dir.write("k5.txt", std::string(50 << 20, '1'));
    EXPECT_NE(errorOf([&] { files::readFirstLine(dir / "k5.txt", 1000); }).find("longer than"),
              std::string::npos);
    EXPECT_LE(bytesRead, 8192);
}

// --- Text positions past 32 bits ----------------------------------------------------

#ifndef _WIN32 // POSIX modes, links, FIFOs, mmap and fork; Windows' cases are in test_windows.cpp
TEST(Utf8, DecodesPastTwoGigabytes) {
    const size_t size = (size_t{9} << 30) / 4; // 2.25 GB of untouched zero pages
    void* p = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        GTEST_SKIP() << "cannot map 2.25 GB of address space here";
    std::string_view text(static_cast<const char*>(p), size);
    size_t pos = size - 3;
    EXPECT_EQ(utf8::next(text, pos), U'\0');
    EXPECT_EQ(pos, size - 2);
    pos = size - 1;
    utf8::next(text, pos);
    EXPECT_EQ(pos, size);
    ::munmap(p, size);

    std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xC3";
    pos = 1;
    EXPECT_EQ(utf8::next(s, pos), U'\u00E9');
    EXPECT_EQ(utf8::next(s, pos), U'\u20AC');
    EXPECT_EQ(utf8::next(s, pos), U'\U0001F600');
    EXPECT_EQ(utf8::next(s, pos), U'\uFFFD'); // cut short at the end
    EXPECT_EQ(pos, s.size());
    EXPECT_FALSE(utf8::isValid(s));
    EXPECT_TRUE(utf8::isValid(s.substr(0, s.size() - 1)));
    EXPECT_EQ(toLower("\xC3\x89MILE \xCE\xA9"), "\xC3\xA9mile \xCF\x89");
}
#endif

// --- The folder lock ----------------------------------------------------------------

#ifndef _WIN32 // POSIX modes, links, FIFOs, mmap and fork; Windows' cases are in test_windows.cpp
TEST(FolderLock, ASecondHolderWaitsThenGivesUpWithAMessage) {
    TempFolder dir;
    {
        files::FolderLock first(dir.path());
        pid_t child = ::fork();
        if (child == 0) {
            try {
                files::FolderLock second(dir.path(), 0);
                ::_exit(1);
            } catch (const Error& e) {
                ::_exit(std::string(e.what()).find("Another program") == 0 ? 0 : 2);
            }
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    files::FolderLock again(dir.path(), 0); // released with its holder
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_NE(errorOf([&] { files::FolderLock gone(dir / "gone"); }).find("does not exist"),
              std::string::npos);
}
#endif
