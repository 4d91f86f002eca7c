// The key file: its records and name rules, Save's checks, generated keys, transfer, restore
// and wipe, one policy for links and read-only files, a fault at any step, and real programs
// at once or killed at any step.
#include "codepage.h"
#include "commands.h"
#include "error.h"
#include "files.h"
#include "keyfile.h"
#include "keygen.h"
#include "keyrestore.h"
#include "systemcalls.h"
#include "tempfolder.h"
#include "utf8.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fs = std::filesystem;
using namespace talvora;
using namespace talvora::keys;
using files::FileOps;
using files::FileOpsOverride;
using namespace talvora::test;
using V = std::vector<std::string>;

namespace {

std::string rec(std::string name, std::string key) {
    name.resize(NameWidth, ' ');
    key.resize(KeyWidth, ' ');
    return name + key;
}

// Scratch files this program made in folder.
int scratchFiles(const fs::path& folder) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        n += e.path().filename().string().find(".talvora-") != std::string::npos;
    return n;
}

const CodePage& codePage() {
    static const CodePage cp = CodePage::fromName("windows-1252");
    return cp;
}

// The program folder and another one (a stick) to transfer to and restore from.
class KeyFileTest : public ::testing::Test {
  protected:
    TempFolder dir, other;
    const CodePage& cp = codePage();
    KeyFile file{dir.path(), cp};
    fs::path dat() const { return dir / "key.dat"; }
    std::string bytes() const { return TempFolder::read(dat()); }
    // The call fails with a message that holds every part.
    static void expectError(const std::function<void()>& f, const V& parts) {
        const std::string e = errorOf(f);
        for (const auto& part : parts)
            EXPECT_NE(e.find(part), std::string::npos) << e;
    }
    // Every command that changes the key file, each on the program folder.
    std::vector<std::function<void()>> changes() {
        return {[&] { file.storeKey("new", "5"); }, [&] { file.removeKeysByName("a"); },
                [&] { restoreKeyFile(dir.path(), other.path()); },
                [&] { wipeKeyFile(dir.path()); }};
    }
};

TEST_F(KeyFileTest, RecordsOfPaddedCodePageBytesCutToTheFieldWidths) {
    dir.write("key.dat", rec("  Alice", "123456789") + rec("Bob Smith", " 99 ") + rec("", ""));
    EXPECT_EQ(file.listKeyNames(), (V{"Alice", "Bob Smith", ""}));
    EXPECT_EQ(file.findKeyByName("Bob Smith"), "99");
    fs::remove(dat());
    file.storeKey("Zo\xC3\xAB", "12");
    file.storeKey(std::string(45, 'n'), std::string(20, '7'));
    const std::string written = rec("Zo\xEB", "12") + std::string(40, 'n') + std::string(18, '7');
    EXPECT_EQ(bytes(), written);
    EXPECT_EQ(file.listKeyNames()[0], "Zo\xC3\xAB");
    // A character the code page lacks is refused before anything is written.
    expectError([&] { file.storeKey("\xCE\xA9mega", "1"); }, {"U+03A9", "windows-1252"});
    expectError([&] { file.storeKey("b", "1\xE2\x82\xAC\xCE\xA9"); }, {"U+03A9"});
    EXPECT_EQ(bytes(), written);
}

// The length rounds to whole records, a half to even; a short last record reads as blanks,
// and an append starts at the record boundary, over an ignored tail.
TEST_F(KeyFileTest, RecordCountRoundsHalvesToEvenAndAppendsAtTheBoundary) {
    const std::pair<size_t, size_t> counts[] = {{0, 0},  {29, 0},  {30, 1},
                                                {87, 2}, {145, 2}, {203, 4}};
    for (const auto& [length, records] : counts) {
        dir.write("key.dat", std::string(length, 'x'));
        EXPECT_EQ(file.listKeyNames().size(), records) << length;
    }
    dir.write("key.dat", rec("a", "1") + "Bob" + std::string(26, ' ')); // 87 bytes: 2 records
    EXPECT_EQ(file.listKeyNames(), (V{"a", "Bob"}));
    EXPECT_EQ(file.findKeyByName("Bob"), "");
    file.storeKey("c", "3");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("Bob", "") + rec("c", "3"));
    dir.write("key.dat", rec("a", "1") + rec("b", "2") + std::string(29, 'z')); // 145: 2
    file.storeKey("c", "3");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("b", "2") + rec("c", "3"));
}

// Finding needs the exact trimmed name and takes the first, removing drops every exact match;
// saving replaces the first name in any case, in place, and appends when the given name has
// blanks or is too long.
TEST_F(KeyFileTest, TheTwoNameRules) {
    dir.write("key.dat", rec("Alice", "1") + rec(" Alice ", "2") + rec("alice", "3"));
    EXPECT_EQ(file.findKeyByName("Alice"), "1");
    EXPECT_EQ(file.findKeyByName("alice"), "3");
    for (const char* missing : {"ALICE", "Alice ", "Ali"}) // the given text is not trimmed
        EXPECT_EQ(file.findKeyByName(missing), std::nullopt) << missing;
    file.removeKeysByName("Alice");
    EXPECT_EQ(bytes(), rec("alice", "3")); // the others byte for byte

    dir.write("key.dat", rec("a", "1") + rec("  \xC9mile", "2") + rec("\xE9mile", "3"));
    file.storeKey("\xC3\xA9MILE", "9");
    EXPECT_EQ(bytes(), rec("a", "1") + rec("\xE9MILE", "9") + rec("\xE9mile", "3"));

    const std::string longName(41, 'L');
    file.storeKey("a ", "2");
    file.storeKey(longName, "3");
    file.storeKey(longName, "4");
    EXPECT_EQ(file.listKeyNames().size(), 6u);
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

// Save's checks in their order, each with its message; nothing is written until all pass.
TEST_F(KeyFileTest, SaveChecksTheFieldsInOrderBeforeStoring) {
    const std::tuple<const char*, const char*, std::string> refused[] = {
        {"", "12", keys::msg::MissingData},
        {"a", "", keys::msg::MissingData},
        {"", "0", keys::msg::MissingData},
        {"", "ab cd", keys::msg::MissingData},
        {"a", "102", keys::msg::KeyHasZero},
        {"x\n", "0", keys::msg::KeyHasZero},
        {"friend", "ab cd", talvora::msg::KeyUnusable}, // a key that Process would refuse
        {"two\nlines", "12", keys::msg::NameHasControl},
        {"esc\x1b[2J", "12", keys::msg::NameHasControl},
        {"tab\there", "12", keys::msg::NameHasControl},
        {"c1\xC2\x85", "12", keys::msg::NameHasControl}};
    for (const auto& [name, key, message] : refused) {
        const SaveResult r = saveKey(file, name, key);
        EXPECT_FALSE(r.saved) << name << "/" << key;
        EXPECT_EQ(r.message, message) << name << "/" << key;
    }
    expectError([&] { file.storeKey("tab\there", "12"); }, {keys::msg::NameHasControl});
    EXPECT_EQ(bytes(), "");
    EXPECT_EQ(talvora::msg::KeyUnusable,
              "This key cannot be used.  Use a key made of the digits 1 to 9, or generate one.");
    EXPECT_EQ(saveKey(file, " a ", "12").message, keys::msg::KeySaved);
    EXPECT_EQ(file.findKeyByName("a"), "12");
    EXPECT_TRUE(saveKey(file, "friend", "918273645546372819").saved);
}

TEST(GenerateKey, DrawsZeroAgainAndRoundsHalfToEven) {
    std::vector<double> draws = {0.0, 0.5 / 9, 0.6 / 9, 8.49 / 9, 8.51 / 9, 0.999999};
    size_t i = 0;
    EXPECT_EQ(generateKey([&] { return draws[i++ % draws.size()]; }), "189918991899189918");
}

TEST(GenerateKey, DigitsFollowTwoSeventeenthsAndOneSeventeenthForNine) {
    std::array<double, 10> seen{};
    const int keys = 5000;
    for (int k = 0; k < keys; ++k)
        for (char c : generateKey())
            seen.at(static_cast<size_t>(c - '0')) += 1; // no other character
    EXPECT_EQ(seen[0], 0);
    double chi2 = 0;
    for (int d = 1; d <= 9; ++d) {
        const double expected = keys * 18.0 * (d == 9 ? 1.0 : 2.0) / 17.0;
        chi2 += std::pow(seen[static_cast<size_t>(d)] - expected, 2) / expected;
    }
    // 8 degrees of freedom: above 60 happens by chance with p < 1e-9; a uniform 1/9 gives ~4500.
    EXPECT_LT(chi2, 60.0);
}

// A lookup makes a missing key file, owner-only; where the folder lets nothing be made, or is
// missing, a lookup still works and a change says why it failed. The causes of the other
// failed steps are checked by the test of a fault at any step.
TEST_F(KeyFileTest, FailuresNameTheFileAndTheirCause) {
    EXPECT_TRUE(file.listKeyNames().empty());
    EXPECT_EQ(modeOf(dat()), asStored(0600));
    fs::remove(dat());
    FileOps ops = FileOps::system();
    ops.open = [](const fs::path& p, int flags, mode_t mode) {
        return flags & O_CREAT ? (errno = EACCES, -1) : test::systemOps().open(p, flags, mode);
    };
    {
        FileOpsOverride seam(ops);
        EXPECT_TRUE(file.listKeyNames().empty());
        expectError([&] { file.storeKey("a", "1"); },
                    {"Cannot write the key file \"" + dat().string() + "\": permission denied.",
                     "program folder", "not writable"});
    }
    KeyFile missing(dir / "nowhere", cp);
    EXPECT_TRUE(missing.listKeyNames().empty());
    expectError([&] { missing.storeKey("a", "1"); }, {"nowhere", "does not exist"});
}

// Exact trimmed names, each once, judged by the first record of the name as a lookup is.
TEST_F(KeyFileTest, RestoreNamesTheStoredKeysTheIncomingFileLacksOrChanges) {
    dir.write("key.dat", rec("zulu", "1") + rec("  alpha", "2") + rec("Zulu", "3") +
                             rec("alpha", "4") + rec("same", "5"));
    other.write("key.dat",
                rec("alpha", "9") + rec("other", "8") + rec("same", "5") + rec("alpha", "2"));
    EXPECT_EQ(keysLostByRestore(dir.path(), other.path(), cp),
              (std::vector<RestoreLoss>{{"zulu", false}, {"alpha", true}, {"Zulu", false}}));
    // No key file in the chosen folder: nothing to ask, and none is made there. None in the
    // program folder: nothing to lose.
    TempFolder empty;
    EXPECT_TRUE(keysLostByRestore(dir.path(), empty.path(), cp).empty());
    EXPECT_FALSE(fs::exists(empty / "key.dat"));
    EXPECT_TRUE(keysLostByRestore(empty.path(), other.path(), cp).empty());
}

#ifndef _WIN32 // POSIX modes, /proc and symbolic links; Windows' cases are in test_windows.cpp
TEST_F(KeyFileTest, RefusesTheProgramFolderItselfAndMissingFiles) {
    dir.write("key.dat", rec("a", "1"));
    fs::create_directory_symlink(dir.path(), other / "alias");
    expectError([&] { transferKeyFile(dir.path(), dir.path()); }, {"onto itself"});
    expectError([&] { transferKeyFile(dir.path(), other / "alias"); }, {"onto itself"});
    expectError([&] { restoreKeyFile(dir.path(), dir / "."); }, {"nothing to restore"});
    expectError([&] { restoreKeyFile(dir.path(), other.path()); }, {"no key file to restore"});
    expectError([&] { transferKeyFile(other.path(), dir.path()); }, {"no key file to transfer"});
    EXPECT_EQ(bytes(), rec("a", "1"));
}

// In place, 21 times under a scratch name, then deleted; through a symbolic link, its target.
TEST_F(KeyFileTest, WipeOverwritesInPlace21TimesThenLeavesNothing) {
    const fs::path target = other.write("keys.dat", rec("a", "1") + "xyz");
    fs::create_symlink(target, dat());
    int flushes = 0;
    bool truncated = false;
    FileOps ops = FileOps::system();
    ops.open = [&](const fs::path& p, int flags, mode_t mode) {
        truncated |= (flags & O_TRUNC) != 0;
        return test::systemOps().open(p, flags, mode);
    };
    ops.fsync = [&](int fd) {
        if (!test::isFolder(fd)) { // the descriptor is write-only: read the file through /proc
            EXPECT_EQ(TempFolder::read("/proc/self/fd/" + std::to_string(fd)),
                      std::string(RecordSize + 3, '@'));
            EXPECT_FALSE(fs::exists(dat())); // no key file of '@' names at any time
            ++flushes;
        }
        return test::systemOps().fsync(fd);
    };
    {
        FileOpsOverride seam(ops);
        wipeKeyFile(dir.path());
    }
    EXPECT_FALSE(truncated);
    EXPECT_EQ(flushes, 21);
    EXPECT_TRUE(fs::is_empty(other.path()));
    fs::remove(dat());
    wipeKeyFile(dir.path()); // missing: nothing to do
    EXPECT_TRUE(fs::is_empty(dir.path()));

    dir.write("key.dat", rec("a", "1"));
    ops = FileOps::system();
    ops.fsync = [&](int fd) {
        return !test::isFolder(fd) && ++flushes == 21 + 3 ? (errno = EIO, -1)
                                                          : test::systemOps().fsync(fd);
    };
    {
        FileOpsOverride seam(ops);
        expectError([&] { wipeKeyFile(dir.path()); }, {"pass 3 of 21", "tries again"});
    }
    // Cut short: no key file; the next key command finishes the wipe (its scratch file is
    // checked by the test of a fault at any step).
    EXPECT_FALSE(fs::exists(dat()));
    EXPECT_TRUE(file.listKeyNames().empty());
    ops = FileOps::system();
    ops.remove = [](const fs::path&) { return errno = EACCES, -1; };
    FileOpsOverride seam(ops);
    expectError([&] { wipeKeyFile(dir.path()); }, {"could not be deleted", "not writable"});
}

TEST_F(KeyFileTest, ASymbolicLinkIsFollowedAndTheTargetChangedInItsFolder) {
    TempFolder elsewhere;
    const fs::path target = elsewhere.write("real.dat", rec("a", "1") + rec("b", "2"));
    fs::create_symlink(target, dat());
    other.write("key.dat", rec("r", "3"));
    file.storeKey("c", "4");
    file.removeKeysByName("a");
    EXPECT_EQ(TempFolder::read(target), rec("b", "2") + rec("c", "4"));
    restoreKeyFile(dir.path(), other.path());
    EXPECT_TRUE(fs::is_symlink(dat()));
    EXPECT_EQ(TempFolder::read(target), rec("r", "3"));
    EXPECT_EQ(file.listKeyNames(), V{"r"});
    EXPECT_EQ(scratchFiles(dir.path()) + scratchFiles(elsewhere.path()), 0);
}
#endif

TEST_F(KeyFileTest, OtherHardLinksAndReadOnlyFilesAreRefusedByEveryChange) {
    const std::string old = rec("a", "1");
    dir.write("key.dat", old);
    other.write("key.dat", rec("r", "3"));
    fs::create_hard_link(dat(), dir / "copy.dat");
    for (auto& change : changes())
        expectError(change, {"hard links"});
    EXPECT_EQ(bytes(), old);
    fs::remove(dir / "copy.dat");

    fs::permissions(dat(), fs::perms(0400));
    for (auto& change : changes())
        expectError(change, {"read-only"});
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(modeOf(dat()), asStored(0400));
    fs::permissions(dat(), fs::perms(0600));

    // The same for a read-only copy where a transfer would write.
    fs::permissions((other / "key.dat"), fs::perms(0444));
    expectError([&] { transferKeyFile(dir.path(), other.path()); }, {"read-only"});
    EXPECT_EQ(TempFolder::read(other / "key.dat"), rec("r", "3"));
    EXPECT_EQ(scratchFiles(dir.path()) + scratchFiles(other.path()), 0);
}

// Fails the n-th call through the seam (counting from 0), or none; entry names the one
// that failed. A failed write lands half, then finds the disk full; a failed close closes.
FileOps failingAt(int n, int& calls, std::string& entry) {
    FileOps real = FileOps::system(), ops = real;
    real.fsync = [](int) { return 0; }; // durability is not under test here, and it is slow
    auto hit = [&calls, &entry, n](const char* name, int error = EIO) {
        return calls++ == n ? (entry = name, errno = error, true) : false;
    };
    auto failing = [hit](auto call, const char* name, int error = EIO) {
        return [=](auto... args) {
            return hit(name, error) ? decltype(call(args...))(-1) : call(args...);
        };
    };
    ops.open = failing(real.open, "open", EACCES);
    ops.pread = failing(real.pread, "pread");
    ops.fsync = failing(real.fsync, "fsync");
    ops.rename = failing(real.rename, "rename");
    ops.link = failing(real.link, "link");
    ops.remove = failing(real.remove, "remove");
    ops.pwrite = [=](int fd, const void* b, size_t k, off_t o) -> ssize_t {
        if (!hit("pwrite"))
            return real.pwrite(fd, b, k, o);
        real.pwrite(fd, b, k / 2, o);
        return errno = ENOSPC, -1;
    };
    ops.close = [=](int fd) {
        const int r = real.close(fd);
        return hit("close") ? -1 : r;
    };
    return ops;
}

TEST_F(KeyFileTest, AFaultAtAnyStepLeavesTheKeyFileExactlyOldOrExactlyNew) {
    const std::string old = rec("a", "1") + rec("b", "2") + rec("c", "3");
    const std::string restored = rec("r", "9");
    const std::tuple<const char*, std::function<void()>, std::string> list[] = {
        // After: empty when the file is gone.
        {"save over b", [&] { file.storeKey("B", "7"); },
         rec("a", "1") + rec("B", "7") + rec("c", "3")},
        {"remove", [&] { file.removeKeysByName("b"); }, rec("a", "1") + rec("c", "3")},
        {"restore", [&] { restoreKeyFile(dir.path(), other.path()); }, restored},
        {"wipe", [&] { wipeKeyFile(dir.path()); }, ""},
    };
    FileOps quiet = FileOps::system();
    quiet.fsync = [](int) { return 0; };
    FileOpsOverride fast(quiet);
    int failures = 0;
    for (const auto& [name, run, after] : list) {
        // Until the n-th call is past the last: every step fails once, then none does.
        for (int n = 0, calls = 0; n <= calls; ++n) {
            dir.write("key.dat", old);
            other.write("key.dat", restored);
            calls = 0;
            std::string entry, error;
            {
                FileOpsOverride seam(failingAt(n, calls, entry));
                error = errorOf(run);
            }
            const bool failed = error != "no error";
            failures += failed;
            const std::string now = fs::exists(dat()) ? bytes() : "";
            const std::string where = std::string(name) + ": " + entry + " #" + std::to_string(n);
            EXPECT_TRUE(now == old || now == after) << where;
            if (!failed) {
                EXPECT_EQ(now, after) << where;
            }
            // A failure names the file and its cause.
            const char* cause = entry == "pwrite" ? "the disk is full"
                                : entry == "open" ? "permission denied"
#ifdef _WIN32
                                // Windows refuses a second name where its file system has none.
                                : entry == "link" ? "the file system does not allow it"
#endif
                                                  : "Input/output error";
            for (const char* part : {"key.dat", cause})
                EXPECT_TRUE(!failed || error.find(part) != std::string::npos)
                    << where << ": " << error;
            // An interrupted wipe or overwrite of old bytes, or an overwritten old file's
            // second name that could not be removed, is left for the next command; nothing
            // else may be.
            const bool oldBytesLeft = error.find("could not be overwritten") != std::string::npos;
            if (std::string(name) != "wipe" && !oldBytesLeft && !(entry == "remove" && !failed)) {
                EXPECT_EQ(scratchFiles(dir.path()), 0) << where;
            }
            // The next command, even a lookup, finishes what was left.
            file.listKeyNames();
            EXPECT_EQ(scratchFiles(dir.path()), 0) << where;
        }
    }
    EXPECT_GT(failures, 30);
}

// --- Real programs: the command-line program several at once, and key commands killed ---

#ifdef _WIN32
using Process = HANDLE;

// Quotes one argument the way the C library's command-line parsing reads it back.
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    size_t slashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, L'\\');
    return out + L"\"";
}

// Starts a program; its standard output goes to the file output (nothing when empty).
Process start(const std::vector<std::string>& args, const std::string& output = {}) {
    std::wstring line;
    for (const auto& a : args)
        line += (line.empty() ? L"" : L" ") + quoted(pathFromUtf8(a).native());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileW(output.empty() ? L"NUL" : pathFromUtf8(output).c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    BOOL ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &info);
    CloseHandle(out);
    if (!ok)
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

// The exit status, or -1.
int finish(Process p) {
    if (!p || WaitForSingleObject(p, INFINITE) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(p, &code);
    CloseHandle(p);
    return static_cast<int>(code);
}
#else
using Process = pid_t;

// Starts a program; its standard output goes to the file output (nothing when empty).
Process start(const std::vector<std::string>& args, const std::string& output = {}) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.empty() ? "/dev/null" : output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return err == 0 ? pid : -1;
}

// The exit status, 128 + the signal that ended it, or -1.
int finish(Process p) {
    int status = 0;
    if (p < 0 || ::waitpid(p, &status, 0) != p)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
#endif

std::vector<std::string> cli(const fs::path& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {TALVORA_CLI, "--folder", utf8Path(folder), "keys"});
    return args;
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
bool killedAt(int killAt, bool removal, const fs::path& dir, const fs::path& stick) {
#ifdef _WIN32
    // Windows has no fork: this program runs again with only the child's test, told by the
    // environment what to do.
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"TALVORA_KILL_AT", std::to_wstring(killAt).c_str());
    SetEnvironmentVariableW(L"TALVORA_KILL_REMOVAL", removal ? L"1" : L"0");
    SetEnvironmentVariableW(L"TALVORA_KILL_DIR", dir.c_str());
    SetEnvironmentVariableW(L"TALVORA_KILL_STICK", stick.c_str());
    return finish(start({utf8Path(self), "--gtest_also_run_disabled_tests",
                         "--gtest_filter=KillPoints.DISABLED_Child"})) == 99;
#else
    const pid_t pid = ::fork();
    if (pid == 0)
        dieAt(killAt, removal, dir, stick);
    return finish(pid) == 99;
#endif
}

#ifndef _WIN32
// Whether an open file that is no longer the key file still holds text.
bool goneButHolds(int fd, const fs::path& keyFile, const std::string& text) {
    struct stat st = {}, now = {};
    ::fstat(fd, &st);
    if (::stat(keyFile.c_str(), &now) == 0 && now.st_ino == st.st_ino)
        return false;
    std::string bytes(1 << 12, '\0');
    bytes.resize(static_cast<size_t>(
        std::max<ssize_t>(systemOps().pread(fd, bytes.data(), bytes.size(), 0), 0)));
    return bytes.find(text) != std::string::npos;
}
#endif

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
            for (const auto& e : fs::directory_iterator(folder))
                if (e.path().filename() != "key.dat")
                    held.push_back(systemOps().open(e.path(), O_RDONLY, 0));
#endif
            if (removal)
                KeyFile(dir.path(), codePage()).listKeyNames();
            else
                runCommand(removal, dir.path(), stick.path());
            const std::string at = (removal ? "remove" : "transfer") + std::to_string(killAt);
            const std::string now = TempFolder::read(folder / "key.dat");
            EXPECT_TRUE(now == before || now == after) << at;
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << at; // alone
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
    for (int round = 0; round < 12; ++round) {
        TempFolder dir;
        dir.write("key.dat", rec("r1", "1") + rec("r2", "2") + rec("r3", "3") + rec("keep", "4"));
        std::vector<Process> pids;
        for (int i = 0; i < 4; ++i)
            pids.push_back(start(cli(dir.path(), {"save", "s" + std::to_string(i), "5"})));
        for (int i = 1; i <= 3; ++i)
            pids.push_back(start(cli(dir.path(), {"remove", "--yes", "r" + std::to_string(i)})));
        for (Process pid : pids)
            ASSERT_EQ(finish(pid), 0) << "round " << round;
        auto names = KeyFile(dir.path(), codePage()).listKeyNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"keep", "s0", "s1", "s2", "s3"}))
            << "round " << round;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "round " << round;
    }
}

// A listing started while a save is between its rename and the overwriting of the old
// file waits for the save, and then lists the new names: a reader never has the old file
// open while its bytes are being overwritten.
TEST_F(KeyFileTest, AListingWaitsForAChangeInProgress) {
    dir.write("key.dat", rec("a", "1"));
    const std::string listing = utf8Path(other / "list.txt");
    Process reader{};
    bool waited = false;
    FileOps ops = FileOps::system();
    ops.rename = [&](const fs::path& from, const fs::path& to) {
        int r = systemOps().rename(from, to);
        reader = start(cli(dir.path(), {"list"}), listing);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        waited = TempFolder::read(listing).empty(); // it has not listed yet
        return r;
    };
    {
        FileOpsOverride seam(ops);
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
        {"Qzvname-alpha", "918273645546372819"}, {"Qzvname-bravo", "827364554637281991"}};
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

} // namespace
