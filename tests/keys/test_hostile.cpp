// A key command killed at every step of its file work: the next command finds what it
// left and finishes it, so no named copy of the keys stays and no removed key stays
// readable in a file that is gone from its folder.
#include "codepage.h"
#include "files.h"
#include "keyfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

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
        FileOps ops = FileOps::system();
        int calls = 0;
        auto step = [&] {
            if (++calls == killAt)
                ::_exit(99);
        };
        auto real = FileOps::system();
        ops.open = [=](const fs::path& p, int f, mode_t m) mutable { step(); return real.open(p, f, m); };
        ops.pwrite = [=](int fd, const void* b, size_t n, off_t o) mutable { step(); return real.pwrite(fd, b, n, o); };
        ops.fsync = [=](int fd) mutable { step(); return real.fsync(fd); };
        ops.close = [=](int fd) mutable { step(); return real.close(fd); };
        ops.rename = [=](const fs::path& a, const fs::path& b) mutable { step(); return real.rename(a, b); };
        ops.remove = [=](const fs::path& p) mutable { step(); return real.remove(p); };
        ops.link = [=](const fs::path& a, const fs::path& b) mutable { step(); return real.link(a, b); };
        files::FileOpsOverride seam(ops);
        try {
            work();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 99;
}

// Descriptors on every scratch file of folder, so their bytes can be read after the next
// command removed their names.
std::vector<int> holdScratchFiles(const fs::path& folder) {
    std::vector<int> fds;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".talvora-") != std::string::npos)
            fds.push_back(::open(e.path().c_str(), O_RDONLY));
    return fds;
}

std::string bytesOf(int fd) {
    std::string out(1 << 12, '\0');
    ssize_t n = ::pread(fd, out.data(), out.size(), 0);
    out.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return out;
}

ino_t inodeOf(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    return out;
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
            const int original = ::open((folder / "key.dat").c_str(), O_RDONLY);
            if (!killedAt(killAt, command)) {
                ::close(original);
                break;
            }
            std::vector<int> held = holdScratchFiles(folder);
            held.push_back(original);
            if (removal)
                KeyFile(dir.path(), cp).listKeyNames();
            else
                command();
            const std::string at = (removal ? "remove" : "transfer") + std::to_string(killAt);
            const std::string now = TempFolder::read(folder / "key.dat");
            EXPECT_TRUE(now == before || now == after) << at;
            EXPECT_EQ(namesIn(folder), std::vector<std::string>{"key.dat"}) << at;
            for (int fd : held) {
                struct stat st {};
                ::fstat(fd, &st);
                if (st.st_ino != inodeOf(folder / "key.dat")) {
                    EXPECT_EQ(bytesOf(fd).find("987654321"), std::string::npos)
                        << at << ": a removed key stays readable";
                }
                ::close(fd);
            }
        }
    }
    EXPECT_GT(points, 10);
}
