// A key command killed at every step of its file work: the next command finds what it
// left and finishes it, so no named copy of the keys stays and no removed key stays
// readable in a file that is gone from its folder.
#include "codepage.h"
#include "files.h"
#include "keyfile.h"
#include "process.h"
#include "systemcalls.h"
#include "tempfolder.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

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

const CodePage& codePage() {
    static const CodePage cp = CodePage::fromName("windows-1252");
    return cp;
}

void runCommand(bool removal, const fs::path& dir, const fs::path& stick) {
    if (removal)
        KeyFile(dir, codePage()).removeKeysByName("secret");
    else
        transferKeyFile(dir, stick);
}

// In a child: runs the command and dies (no unwinding, no clean-up, as a killed program)
// at its killAt-th call through the file layer's seam; ends with 0 when it finished first.
[[noreturn]] void dieAt(int killAt, bool removal, const fs::path& dir, const fs::path& stick) {
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
        runCommand(removal, dir, stick);
    } catch (...) {
    }
    ::_exit(0);
}

// Whether the command, killed at its killAt-th file call, was killed (false: it finished).
#ifdef _WIN32
// Windows has no fork: this program runs again with only the child's test, told by the
// environment what to do.
bool killedAt(int killAt, bool removal, const fs::path& dir, const fs::path& stick) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"TALVORA_KILL_AT", std::to_wstring(killAt).c_str());
    SetEnvironmentVariableW(L"TALVORA_KILL_REMOVAL", removal ? L"1" : L"0");
    SetEnvironmentVariableW(L"TALVORA_KILL_DIR", dir.c_str());
    SetEnvironmentVariableW(L"TALVORA_KILL_STICK", stick.c_str());
    return test::finish(test::start({utf8Path(self), "--gtest_also_run_disabled_tests",
                                     "--gtest_filter=KillPoints.DISABLED_Child"})) == 99;
}
#else
bool killedAt(int killAt, bool removal, const fs::path& dir, const fs::path& stick) {
    const pid_t pid = ::fork();
    if (pid == 0)
        dieAt(killAt, removal, dir, stick);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 99;
}
#endif

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    return out;
}

#ifndef _WIN32
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
#endif

} // namespace

#ifdef _WIN32
// The child of killedAt, run only when it asks for it.
TEST(KillPoints, DISABLED_Child) {
    dieAt(std::atoi(std::getenv("TALVORA_KILL_AT")), std::getenv("TALVORA_KILL_REMOVAL")[0] == '1',
          _wgetenv(L"TALVORA_KILL_DIR"), _wgetenv(L"TALVORA_KILL_STICK"));
}
#endif

// Remove, then transfer, killed at each step in turn. After the next key command: the key
// file is exactly the old or the new one, it is alone in its folder, and no file that left
// the folder still holds the removed key.
TEST(KillPoints, TheNextCommandFinishesWhatAKilledOneLeft) {
    const std::string before = rec("keep", "123") + rec("secret", "987654321");
    const std::string after = rec("keep", "123");
    int points = 0;
    for (const bool removal : {true, false}) {
        for (int killAt = 1;; ++killAt, ++points) {
            TempFolder dir, stick;
            dir.write("key.dat", before);
            stick.write("key.dat", after);
            const fs::path folder = removal ? dir.path() : stick.path();
#ifdef _WIN32
            // Windows lets no name go while a file is open: the bytes of files that left
            // the folder cannot be watched here.
            if (!killedAt(killAt, removal, dir.path(), stick.path()))
                break;
#else
            // The old key file too: once replaced, its bytes must not keep the removed key.
            const int original = test::systemOps().open((folder / "key.dat"), O_RDONLY, 0);
            if (!killedAt(killAt, removal, dir.path(), stick.path())) {
                ::close(original);
                break;
            }
            // The scratch files too, whose bytes must not outlive their names.
            std::vector<int> held{original};
            for (const auto& name : namesIn(folder))
                if (name != "key.dat")
                    held.push_back(test::systemOps().open((folder / name), O_RDONLY, 0));
#endif
            if (removal)
                KeyFile(dir.path(), codePage()).listKeyNames();
            else
                runCommand(removal, dir.path(), stick.path());
            const std::string at = (removal ? "remove" : "transfer") + std::to_string(killAt);
            const std::string now = TempFolder::read(folder / "key.dat");
            EXPECT_TRUE(now == before || now == after) << at;
            EXPECT_EQ(namesIn(folder), std::vector<std::string>{"key.dat"}) << at;
#ifndef _WIN32
            for (int fd : held) {
                EXPECT_FALSE(goneButHolds(fd, folder / "key.dat", "987654321"))
                    << at << ": a removed key stays readable";
                ::close(fd);
            }
#endif
        }
    }
    EXPECT_GT(points, 10);
}
