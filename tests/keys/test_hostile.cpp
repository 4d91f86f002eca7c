// A key command killed at every step of its file work: the next command finds what it
// left and finishes it, so no named copy of the keys stays and no removed key stays
// readable in a file that is gone from its folder.
#include "codepage.h"
#include "files.h"
#include "keyfile.h"
#include "systemcalls.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace talvora;
using namespace talvora::keys;
using files::FileOps;

namespace {

std::string rec(std::string name, std::string key) {
    name.resize(NameWidth, ' ');
    key.resize(KeyWidth, ' ');
    return name + key;
}

// Runs work in a child that dies (as by SIGKILL: no unwinding, no clean-up) at its
// killAt-th call through the file layer's seam; false when it finished first.
bool killedAt(int killAt, const std::function<void()>& work) {
    pid_t pid = ::fork();
    if (pid == 0) {
        int calls = 0;
        auto dying = [&](auto real) {
            return [real, &calls, killAt](auto... args) {
                if (++calls == killAt)
                    ::_exit(99);
                return real(args...);
            };
        };
        FileOps ops = FileOps::system();
        ops.open = dying(ops.open);
        ops.pwrite = dying(ops.pwrite);
        ops.fsync = dying(ops.fsync);
        ops.close = dying(ops.close);
        ops.rename = dying(ops.rename);
        ops.remove = dying(ops.remove);
        ops.link = dying(ops.link);
        files::FileOpsOverride seam(ops);
        try {
            work();
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 99;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    return out;
}

// Whether an open file that is no longer the key file still holds text.
bool goneButHolds(int fd, const fs::path& keyFile, const std::string& text) {
    struct stat st {}, now {};
    ::fstat(fd, &st);
    if (::stat(keyFile.c_str(), &now) == 0 && now.st_ino == st.st_ino)
        return false;
    std::string bytes(1 << 12, '\0');
    bytes.resize(static_cast<size_t>(std::max<ssize_t>(test::systemOps().pread(fd, bytes.data(), bytes.size(), 0), 0)));
    return bytes.find(text) != std::string::npos;
}

} // namespace

// Remove, then transfer, killed at each step in turn. After the next key command: the key
// file is exactly the old or the new one, it is alone in its folder, and no file that left
// the folder still holds the removed key.
TEST(KillPoints, TheNextCommandFinishesWhatAKilledOneLeft) {
    const CodePage cp = CodePage::fromName("windows-1252");
    const std::string before = rec("keep", "123") + rec("secret", "987654321");
    const std::string after = rec("keep", "123");
    int points = 0;
    for (const bool removal : {true, false}) {
        for (int killAt = 1;; ++killAt, ++points) {
            TempFolder dir, stick;
            dir.write("key.dat", before);
            stick.write("key.dat", after);
            const fs::path folder = removal ? dir.path() : stick.path();
            auto command = [&] {
                if (removal)
                    KeyFile(dir.path(), cp).removeKeysByName("secret");
                else
                    transferKeyFile(dir.path(), stick.path());
            };
            // The old key file too: once replaced, its bytes must not keep the removed key.
            const int original = test::systemOps().open((folder / "key.dat"), O_RDONLY, 0);
            if (!killedAt(killAt, command)) {
                ::close(original);
                break;
            }
            // The scratch files too, whose bytes must not outlive their names.
            std::vector<int> held{original};
            for (const auto& name : namesIn(folder))
                if (name != "key.dat")
                    held.push_back(test::systemOps().open((folder / name), O_RDONLY, 0));
            if (removal)
                KeyFile(dir.path(), cp).listKeyNames();
            else
                command();
            const std::string at = (removal ? "remove" : "transfer") + std::to_string(killAt);
            const std::string now = TempFolder::read(folder / "key.dat");
            EXPECT_TRUE(now == before || now == after) << at;
            EXPECT_EQ(namesIn(folder), std::vector<std::string>{"key.dat"}) << at;
            for (int fd : held) {
                EXPECT_FALSE(goneButHolds(fd, folder / "key.dat", "987654321"))
                    << at << ": a removed key stays readable";
                ::close(fd);
            }
        }
    }
    EXPECT_GT(points, 10);
}
