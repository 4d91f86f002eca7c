// The file layer beside other programs' clean-ups, failing flushes and closes, and library
// failures told in the program's words.
#include "error.h"
#include "errorof.h"
#include "files.h"
#include "systemcalls.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace talvora;
using files::FileOps;

namespace {

using test::isFolder;

} // namespace

// Another program's clean-up running while this one writes leaves the scratch file alone:
// it is locked until renamed, so the new contents arrive whole.
TEST(Hostile, ACleanUpMeanwhileLeavesALiveScratchFileAlone) {
    TempFolder dir;
    const fs::path target = dir.write("key.dat", "old");
    FileOps ops = FileOps::system();
    ops.rename = [target](const fs::path& from, const fs::path& to) {
        files::shredScratchFiles(target, '@', 1);
        return test::systemOps().rename(from, to);
    };
    {
        files::FileOpsOverride seam(ops);
        files::replace(target, "new contents");
    }
    EXPECT_EQ(TempFolder::read(target), "new contents");
}

// A failed flush of the folder after the rename is a failure, and a failed close after an
// append's flush says the bytes are there.
TEST(Hostile, LateFailuresNameWhatFailed) {
    TempFolder dir;
    FileOps ops = FileOps::system();
    ops.fsync = [](int fd) { return isFolder(fd) ? (errno = EIO, -1) : test::systemOps().fsync(fd); };
    const fs::path out = dir / "out.txt";
    EXPECT_EQ(errorOf([&] {
                  files::FileOpsOverride seam(ops);
                  files::replace(out, "text");
              }),
              files::describe(out) + " was written, but its folder " + files::describe(dir.path()) +
                  " could not be flushed: Input/output error.  The change may be lost if the "
                  "computer stops now.");

    const fs::path dic = dir.write("a.dic", "alpha\r\n");
    ops = FileOps::system();
    ops.close = [](int fd) { return ::close(fd), errno = EIO, -1; };
    EXPECT_EQ(errorOf([&] {
                  files::FileOpsOverride seam(ops);
                  files::append(dic, "beta\r\n");
              }),
              "The addition to " + files::describe(dic) +
                  " was written and flushed, but closing the file then failed: Input/output "
                  "error.");
    EXPECT_EQ(TempFolder::read(dic), "alpha\r\nbeta\r\n");
}

TEST(Hostile, LibraryFailuresAreToldInTheProgramsWords) {
    EXPECT_EQ(userMessage(std::bad_alloc()),
              "There is not enough memory for this; nothing more was done.");
    EXPECT_EQ(userMessage(fs::filesystem_error("directory iterator cannot advance", "/d",
                                               std::error_code(EIO, std::generic_category()))),
              "Cannot use \"/d\": Input/output error.");
    EXPECT_EQ(userMessage(Error("As it is.")), "As it is.");
}
