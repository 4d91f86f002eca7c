// Several real programs on one key file at once, and what a removed key leaves on a disk.
#include "codepage.h"
#include "files.h"
#include "keyfile.h"
#include "process.h"
#include "tempfolder.h"
#include "utf8.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace talvora;
using namespace talvora::keys;
using namespace talvora::test;

namespace {

std::vector<std::string> cli(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {TALVORA_CLI, "--folder", utf8Path(folder), "keys"});
    return args;
}

std::string rec(std::string name, std::string key) {
    name.resize(NameWidth, ' ');
    key.resize(KeyWidth, ' ');
    return name + key;
}

} // namespace

// Saves beside removals, in several programs at once: every save stays, every removal holds,
// every program reports success.
TEST(Processes, NeverLoseAnUpdateNorBringARemovedKeyBack) {
    const CodePage cp = CodePage::fromName("windows-1252");
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
        KeyFile file(dir.path(), cp);
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
    const CodePage cp = CodePage::fromName("windows-1252");
    TempFolder dir, out;
    dir.write("key.dat", rec("a", "1"));
    KeyFile file(dir.path(), cp);
    const std::string listing = utf8Path(out / "list.txt");
    Process reader{};
    bool waited = false;
    auto real = files::FileOps::system();
    files::FileOps ops = real;
    ops.rename = [&](const fs::path& from, const fs::path& to) {
        int r = real.rename(from, to);
        reader = start(cli(dir.path(), {"list"}), listing);
        pause(300);
        waited = running(reader);
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
        const CodePage cp = CodePage::fromName("windows-1252");
        KeyFile file(folder, cp);
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
