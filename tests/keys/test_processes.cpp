// Several real programs on one key file at once, and what a removed key leaves on a disk.
#include "codepage.h"
#include "files.h"
#include "keyfile.h"
#include "process.h"
#include "tempfolder.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>

namespace fs = std::filesystem;
using namespace talvora;
using namespace talvora::keys;
using namespace talvora::test;

namespace {

std::vector<std::string> cli(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {TALVORA_CLI, "--folder", utf8Path(folder), "keys"});
    return args;
}

std::string rec(const std::string& name, const std::string& key) {
    std::string r = name;
    r.resize(NameWidth, ' ');
    std::string k = key;
    k.resize(KeyWidth, ' ');
    return r + k;
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

namespace {

bool run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

// A small ext4 file system on a loop device, mounted for one test; always taken down.
class LoopDisk {
  public:
    explicit LoopDisk(const TempFolder& dir) : image_(dir / "disk.img"), mount_(dir / "mnt") {
        fs::create_directories(mount_);
        if (!run("truncate -s 16M '" + image_.string() + "'") ||
            !run("timeout 30 mkfs.ext4 -q -F '" + image_.string() + "'")) {
            why_ = "mkfs.ext4 failed";
            return;
        }
        device_ = output("timeout 30 losetup --find --show '" + image_.string() + "' 2>/dev/null");
        if (device_.rfind("/dev/loop", 0) != 0) {
            why_ = "no loop device could be attached";
            device_.clear();
            return;
        }
        if (!run("timeout 30 mount -t ext4 " + device_ + " '" + mount_.string() + "'")) {
            why_ = "the loop device could not be mounted";
            return;
        }
        mounted_ = true;
    }
    ~LoopDisk() { takeDown(); }
    void takeDown() {
        if (mounted_)
            run("timeout 30 umount '" + mount_.string() + "'");
        mounted_ = false;
        if (!device_.empty())
            run("timeout 30 losetup -d " + device_);
        device_.clear();
    }
    bool ready() const { return mounted_; }
    const std::string& why() const { return why_; }
    const fs::path& mount() const { return mount_; }
    const fs::path& image() const { return image_; }

  private:
    fs::path image_, mount_;
    std::string device_, why_;
    bool mounted_ = false;
};

} // namespace

// Removed, replaced and wiped keys must not stay readable on the device (ext4, default mode).
TEST(Processes, NoChangedKeyIsLeftOnTheDevice) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to attach and mount a loop device";
    if (!run("command -v losetup") || !run("command -v mkfs.ext4") || !run("command -v mount"))
        GTEST_SKIP() << "losetup, mkfs.ext4 or mount is missing";
    TempFolder dir;
    LoopDisk disk(dir);
    if (!disk.ready())
        GTEST_SKIP() << disk.why();

    // Names and digits that occur nowhere else on the device.
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"Qzvname-alpha", "918273645546372819"}, {"Qzvname-bravo", "827364554637281991"},
        {"Qzvname-charlie", "736455463728199182"}, {"Qzvname-delta", "645546372819918273"}};
    const std::string replacedKey = "554637281991827364"; // bravo's second key
    const std::string restoredName = "Qzvname-echo", restoredKey = "463728199182736455";
    {
        const CodePage cp = CodePage::fromName("windows-1252");
        const fs::path folder = disk.mount() / "program";
        fs::create_directories(folder);
        KeyFile file(folder, cp);
        for (const auto& [name, key] : keys)
            file.storeKey(name, key);
        file.storeKey(keys[1].first, replacedKey);
        file.removeKeysByName(keys[0].first);
        TempFolder source; // off the device
        source.write("key.dat", rec(restoredName, restoredKey));
        restoreKeyFile(folder, source.path());
        EXPECT_EQ(file.listKeyNames(), std::vector<std::string>{restoredName});
        wipeKeyFile(folder);
        EXPECT_FALSE(fs::exists(folder / "key.dat"));
    }
    disk.takeDown();

    std::ifstream in(disk.image(), std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(raw.size(), size_t{16} << 20);
    std::vector<std::string> secrets = {replacedKey, restoredName, restoredKey};
    for (const auto& [name, key] : keys) {
        secrets.push_back(name);
        secrets.push_back(key);
    }
    for (const auto& secret : secrets)
        EXPECT_EQ(raw.find(secret), std::string::npos) << secret << " is still on the device";
}

#endif
