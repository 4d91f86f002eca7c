// Real programs at once on one key file, killed at any step, and what a removed key leaves
// on a disk: the next command finishes what a killed one left, so no named copy of the keys
// stays and no removed key stays readable in a file that is gone from its folder.
#include "codepage.h"
#include "files.h"
#include "keyfile.h"
#include "process.h"
#include "systemcalls.h"
#include "tempfolder.h"
#include "utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace talvora;
using namespace talvora::keys;
using namespace talvora::test;
using files::FileOps;

namespace {

std::string rec(std::string name, std::string key) {
    name.resize(NameWidth, ' ');
    key.resize(KeyWidth, ' ');
    return name + key;
}

std::vector<std::string> cli(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {TALVORA_CLI, "--folder", utf8Path(folder), "keys"});
    return args;
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
    return finish(start({utf8Path(self), "--gtest_also_run_disabled_tests",
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
    bytes.resize(static_cast<size_t>(
        std::max<ssize_t>(systemOps().pread(fd, bytes.data(), bytes.size(), 0), 0)));
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
            const int original = systemOps().open((folder / "key.dat"), O_RDONLY, 0);
            if (!killedAt(killAt, removal, dir.path(), stick.path())) {
                ::close(original);
                break;
            }
            // The scratch files too, whose bytes must not outlive their names.
            std::vector<int> held{original};
            for (const auto& name : namesIn(folder))
                if (name != "key.dat")
                    held.push_back(systemOps().open((folder / name), O_RDONLY, 0));
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

// Saves beside removals, in several programs at once: every save stays, every removal holds,
// every program reports success.
TEST(Processes, NeverLoseAnUpdateNorBringARemovedKeyBack) {
    const int rounds = 12;
    for (int round = 0; round < rounds; ++round) {
        TempFolder dir;
        dir.write("key.dat", rec("r1", "1") + rec("r2", "2") + rec("r3", "3") + rec("keep", "4"));
        std::vector<Process> pids;
        for (int i = 0; i < 4; ++i)
            pids.push_back(start(cli(dir.path(), {"save", "s" + std::to_string(i), "5"})));
        for (int i = 1; i <= 3; ++i)
            pids.push_back(start(cli(dir.path(), {"remove", "--yes", "r" + std::to_string(i)})));
        for (Process pid : pids)
            ASSERT_EQ(finish(pid), 0) << "round " << round;
        KeyFile file(dir.path(), codePage());
        auto names = file.listKeyNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"keep", "s0", "s1", "s2", "s3"}))
            << "round " << round;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "round " << round;
    }
}

// A listing started while a save is between its rename and the overwriting of the old
// file waits for the save, and then lists the new names: a reader never has the old file
// open while its bytes are being overwritten.
TEST(Processes, AListingWaitsForAChangeInProgress) {
    TempFolder dir, out;
    dir.write("key.dat", rec("a", "1"));
    KeyFile file(dir.path(), codePage());
    const std::string listing = utf8Path(out / "list.txt");
    Process reader{};
    bool waited = false;
    auto real = files::FileOps::system();
    files::FileOps ops = real;
    ops.rename = [&](const fs::path& from, const fs::path& to) {
        int r = real.rename(from, to);
        reader = start(cli(dir.path(), {"list"}), listing);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        waited = TempFolder::read(listing).empty(); // it has not listed yet
        return r;
    };
    {
        files::FileOpsOverride seam(ops);
        file.storeKey("b", "2");
    }
    EXPECT_EQ(finish(reader), 0);
    EXPECT_TRUE(waited);
    EXPECT_EQ(TempFolder::read(listing), "a\nb\n");
}

#ifndef _WIN32 // a loop device of Linux

// Removed, replaced and wiped keys must not stay readable on the device (ext4, default mode).
TEST(Processes, NoChangedKeyIsLeftOnTheDevice) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to attach and mount a loop device";
    TempFolder dir;
    const std::string image = (dir / "disk.img").string(), mount = (dir / "mnt").string();
    auto run = [](const std::string& command) {
        return std::system(("timeout 30 " + command + " >/dev/null 2>&1").c_str()) == 0;
    };
    if (!run("truncate -s 16M '" + image + "'") || !run("mkfs.ext4 -q -F '" + image + "'") ||
        !run("mkdir '" + mount + "'") || !run("mount -o loop '" + image + "' '" + mount + "'"))
        GTEST_SKIP() << "no ext4 file system could be made and mounted on a loop device";
    struct Unmount {
        std::function<void()> f;
        ~Unmount() { f(); }
    } unmount{[&] { run("umount '" + mount + "'"); }};

    // Names and digits that occur nowhere else on the device.
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"Qzvname-alpha", "918273645546372819"},
        {"Qzvname-bravo", "827364554637281991"},
        {"Qzvname-charlie", "736455463728199182"},
        {"Qzvname-delta", "645546372819918273"}};
    std::vector<std::string> secrets = {"554637281991827364", "Qzvname-echo", "463728199182736455"};
    {
        const fs::path folder = fs::path(mount) / "program";
        fs::create_directories(folder);
        KeyFile file(folder, codePage());
        for (const auto& [name, key] : keys) {
            file.storeKey(name, key);
            secrets.insert(secrets.end(), {name, key});
        }
        file.storeKey(keys[1].first, secrets[0]);
        file.removeKeysByName(keys[0].first);
        TempFolder source; // off the device
        source.write("key.dat", rec(secrets[1], secrets[2]));
        restoreKeyFile(folder, source.path());
        EXPECT_EQ(file.listKeyNames(), std::vector<std::string>{secrets[1]});
        wipeKeyFile(folder);
        EXPECT_FALSE(fs::exists(folder / "key.dat"));
    }
    unmount.f();
    unmount.f = [] {};

    const std::string raw = TempFolder::read(image);
    ASSERT_EQ(raw.size(), size_t{16} << 20);
    for (const auto& secret : secrets)
        EXPECT_EQ(raw.find(secret), std::string::npos) << secret << " is still on the device";
}

#endif
