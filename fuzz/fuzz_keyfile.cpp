// The key file reader and every key operation on arbitrary key files, first without a
// fault, then once for every file call of the operation with that one call failing.
// After a failure the folders hold exactly what they held before or exactly what the
// fault-free run left (contents and modes), and no scratch file; only a wipe cut short
// may leave its scratch file, which the next wipe clears. The fault-free run is checked
// against a model of the records.

#include "codepage.h"
#include "commands.h"
#include "error.h"
#include "files.h"
#include "fuzzsupport.h"
#include "keyexpansion.h"
#include "keyfile.h"
#include "keyquestions.h"
#include "utf8.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <unicode/uchar.h>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace talvora;

namespace {

enum class Op { List, Find, Store, Save, Remove, Transfer, Restore, Wipe, Count };
const char* const OpNames[] = {"list", "find", "store", "save", "remove", "transfer", "restore", "wipe"};

// Every call through the seam is counted; the one numbered failAt fails with err. A failing
// write may land half its bytes first; a failing close still closes. Flushes are skipped:
// durability is not what is checked here, and real ones would cost milliseconds per input.
struct Injector {
    int calls = 0;
    int failAt = 0; // 0: none
    int err = EIO;
    bool torn = false;
    bool hit = false;

    bool fails() {
        if (++calls != failAt)
            return false;
        hit = true;
        return true;
    }
};

Injector injector;

files::FileOps injectingOps() {
    files::FileOps sys = files::FileOps::system();
    files::FileOps ops = sys; // an operation added later is at least the system's
    ops.open = [sys](const fs::path& p, int flags, mode_t mode) {
        return injector.fails() ? (errno = injector.err, -1) : sys.open(p, flags, mode);
    };
    ops.pread = [sys](int fd, void* buf, size_t n, off_t off) -> ssize_t {
        return injector.fails() ? (errno = injector.err, -1) : sys.pread(fd, buf, n, off);
    };
    ops.pwrite = [sys](int fd, const void* buf, size_t n, off_t off) -> ssize_t {
        if (!injector.fails())
            return sys.pwrite(fd, buf, n, off);
        if (injector.torn)
            sys.pwrite(fd, buf, n / 2, off);
        errno = injector.err;
        return -1;
    };
    ops.fsync = [](int) { return injector.fails() ? (errno = injector.err, -1) : 0; };
    ops.close = [sys](int fd) {
        int r = sys.close(fd);
        return injector.fails() ? (errno = injector.err, -1) : r;
    };
    ops.rename = [sys](const fs::path& from, const fs::path& to) {
        return injector.fails() ? (errno = injector.err, -1) : sys.rename(from, to);
    };
    ops.remove = [sys](const fs::path& p) {
        return injector.fails() ? (errno = injector.err, -1) : sys.remove(p);
    };
    ops.ftruncate = [sys](int fd, off_t length) {
        return injector.fails() ? (errno = injector.err, -1) : sys.ftruncate(fd, length);
    };
    ops.link = [sys](const fs::path& from, const fs::path& to) {
        return injector.fails() ? (errno = injector.err, -1) : sys.link(from, to);
    };
    return ops;
}

// The files of a folder with their bytes and permission bits.
using Snapshot = std::map<std::string, std::pair<std::string, unsigned>>;

Snapshot snapshot(const fs::path& folder) {
    Snapshot s;
    for (const auto& e : fs::directory_iterator(folder)) {
        struct stat st {};
        ::lstat(e.path().c_str(), &st);
        s[e.path().filename().string()] = {fuzz::readFile(e.path()), st.st_mode & 07777};
    }
    return s;
}

std::string describe(const Snapshot& s) {
    std::string out;
    for (const auto& [name, file] : s)
        out += "  " + name + " (" + std::to_string(file.second) + "): " + fuzz::show(file.first) + "\n";
    return out.empty() ? "  (empty)\n" : out;
}

struct Input {
    Op op;
    const CodePage* cp;
    std::string name, key;
    std::optional<std::string> programFile, otherFile;
    unsigned programMode = 0644, otherMode = 0644;
    bool sameFolder = false; // transfer to or restore from the program folder itself
};

struct Outcome {
    bool ok = true;
    std::string error;
    std::vector<std::string> names;
    std::optional<std::string> found;
    std::string saveMessage;
};

struct Folders {
    fs::path program = fuzz::Scratch::path() / "program";
    fs::path other = fuzz::Scratch::path() / "other";
};

void reset(const Folders& f, const Input& in) {
    for (const auto& [dir, file, mode] : {std::tuple{f.program, in.programFile, in.programMode},
                                          std::tuple{f.other, in.otherFile, in.otherMode}}) {
        fs::create_directories(dir);
        fuzz::Scratch::empty(dir);
        if (file) {
            fuzz::writeFile(dir / "key.dat", *file);
            ::chmod((dir / "key.dat").c_str(), mode);
        }
    }
}

Outcome run(const Folders& f, const Input& in) {
    Outcome out;
    keys::KeyFile file(f.program, *in.cp);
    try {
        switch (in.op) {
        case Op::List: out.names = file.listKeyNames(); break;
        case Op::Find: out.found = file.findKeyByName(in.name); break;
        case Op::Store: file.storeKey(in.name, in.key); break;
        case Op::Save: out.saveMessage = keys::saveKey(file, in.name, in.key, true).message; break;
        case Op::Remove: file.removeKeysByName(in.name); break;
        case Op::Transfer: keys::transferKeyFile(f.program, in.sameFolder ? f.program : f.other); break;
        case Op::Restore: keys::restoreKeyFile(f.program, in.sameFolder ? f.program : f.other); break;
        case Op::Wipe: keys::wipeKeyFile(f.program); break;
        case Op::Count: break;
        }
    } catch (const Error& e) {
        out.ok = false;
        out.error = e.what();
        FUZZ_CHECK(!out.error.empty(), "an empty message");
    }
    return out;
}

// --- The model: the records as the key file defines them --------------------------------

std::string trimmed(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

std::u32string lowered(std::string_view utf8) {
    std::u32string out;
    for (size_t pos = 0; pos < utf8.size();)
        out += static_cast<char32_t>(u_tolower(static_cast<UChar32>(talvora::utf8::next(utf8, pos))));
    return out;
}

// A line break, tab, escape or other C0 or C1 control character: refused in a key name.
bool holdsControl(std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t c = talvora::utf8::next(utf8, pos);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return true;
    }
    return false;
}

std::string padded(std::string s, size_t width) {
    s.resize(width, ' ');
    return s;
}

// Records of a file: the length / 58 rounded half to even; missing bytes read as blanks.
std::vector<std::string> records(const std::string& bytes) {
    const auto count = static_cast<size_t>(std::nearbyint(static_cast<double>(bytes.size()) / 58.0));
    std::string all = bytes;
    if (all.size() < count * 58)
        all.resize(count * 58, ' ');
    std::vector<std::string> out;
    for (size_t i = 0; i < count; ++i)
        out.push_back(all.substr(i * 58, 58));
    return out;
}

// What the program's key.dat holds after a fault-free run; nullopt: no file.
std::optional<std::string> modelProgramFile(const Input& in, const Outcome& out) {
    const CodePage& cp = *in.cp;
    const std::string old = in.programFile.value_or("");
    const auto recs = records(old);
    auto nameOf = [&](const std::string& r) { return cp.decode(trimmed(r.substr(0, 40))); };
    // A read-only key file is refused by every command that would change it.
    const bool readOnly = in.programFile && (in.programMode & 0222) == 0;
    auto refusedReadOnly = [&] {
        FUZZ_CHECK(!out.ok, "a read-only key file was changed");
        return in.programFile;
    };
    switch (in.op) {
    case Op::List: {
        FUZZ_CHECK(out.ok, out.error);
        FUZZ_CHECK(out.names.size() == recs.size(), "list count");
        for (size_t i = 0; i < recs.size(); ++i)
            FUZZ_CHECK(out.names[i] == nameOf(recs[i]), "list name " + std::to_string(i + 1));
        return old;
    }
    case Op::Find: {
        FUZZ_CHECK(out.ok, out.error);
        std::optional<std::string> want;
        for (const auto& r : recs)
            if (nameOf(r) == in.name) {
                want = cp.decode(trimmed(r.substr(40)));
                break;
            }
        FUZZ_CHECK(out.found == want, "find " + fuzz::show(in.name));
        return old;
    }
    case Op::Save:
        if (in.name.empty() || in.key.empty()) {
            FUZZ_CHECK(out.ok && out.saveMessage == keys::msg::MissingData, out.saveMessage);
            return in.programFile;
        }
        if (keys::characterCount(in.key) > 18) {
            FUZZ_CHECK(out.ok && out.saveMessage == keys::msg::keyTooLong(keys::characterCount(in.key)),
                       out.saveMessage);
            return in.programFile;
        }
        if (in.key.find('0') != std::string::npos) {
            FUZZ_CHECK(out.ok && out.saveMessage == keys::msg::KeyHasZero, out.saveMessage);
            return in.programFile;
        }
        if (!usableAsStrides(expandKey(in.key))) {
            FUZZ_CHECK(out.ok && out.saveMessage == talvora::msg::KeyUnusable, out.saveMessage);
            return in.programFile;
        }
        if (holdsControl(in.name)) {
            FUZZ_CHECK(out.ok && out.saveMessage == keys::msg::NameHasControl, out.saveMessage);
            return in.programFile;
        }
        FUZZ_CHECK(!out.ok || out.saveMessage == keys::msg::KeySaved, out.saveMessage);
        [[fallthrough]];
    case Op::Store: {
        if (holdsControl(in.name)) {
            FUZZ_CHECK(!out.ok && out.error == keys::msg::NameHasControl, "stored " + fuzz::show(in.name));
            return in.programFile;
        }
        if (cp.firstUnencodable(in.name) || cp.firstUnencodable(in.key)) {
            FUZZ_CHECK(!out.ok, "an unencodable name or key was stored");
            return in.programFile;
        }
        if (readOnly)
            return refusedReadOnly();
        FUZZ_CHECK(out.ok, out.error);
        const std::string rec =
            padded(cp.encode(in.name).substr(0, 40), 40) + padded(cp.encode(in.key).substr(0, 18), 18);
        size_t position = recs.size();
        for (size_t i = 0; i < recs.size(); ++i)
            if (lowered(nameOf(recs[i])) == lowered(in.name)) {
                position = i;
                break;
            }
        std::string now = old;
        if (now.size() < position * 58)
            now.resize(position * 58, ' ');
        now.replace(position * 58, 58, rec);
        return now;
    }
    case Op::Remove: {
        if (readOnly)
            return refusedReadOnly();
        FUZZ_CHECK(out.ok, out.error);
        std::string now;
        for (const auto& r : recs)
            if (nameOf(r) != in.name)
                now += r;
        return now;
    }
    case Op::Transfer:
    case Op::Restore:
        if (in.sameFolder) {
            FUZZ_CHECK(!out.ok, "the key file was copied onto itself");
            return in.programFile;
        }
        if (in.op == Op::Restore) {
            if (readOnly && in.otherFile)
                return refusedReadOnly();
            FUZZ_CHECK(out.ok == in.otherFile.has_value(), out.error);
            return in.otherFile ? in.otherFile : in.programFile;
        }
        FUZZ_CHECK(out.ok == in.programFile.has_value(), out.error);
        return in.programFile;
    case Op::Wipe:
        if (readOnly)
            return refusedReadOnly();
        FUZZ_CHECK(out.ok, out.error);
        return std::nullopt;
    case Op::Count: break;
    }
    return std::nullopt;
}

// Every operation creates a missing key file empty; an empty owner-only key file and none
// at all hold the same (no keys), so a run may leave either.
Snapshot normalized(Snapshot s) {
    const std::string file = "program/key.dat";
    if (s.count(file) && s[file] == std::pair<std::string, unsigned>{"", 0600})
        s.erase(file);
    return s;
}

// A wipe that fails once the key file is gone, or a change that fails while it overwrites
// the replaced file's old bytes, leaves those bytes under a scratch name beside that file
// for the next key command to overwrite and delete. Only that state is let through here; the caller then
// checks that the next command clears it.
bool oldBytesLeft(const Input& in, const Snapshot& now, const Snapshot& before,
                  const Snapshot& after) {
    Snapshot rest;
    int scratch = 0;
    for (const auto& [name, file] : now) {
        const size_t slash = name.find('/');
        if (files::isScratchFor(name.substr(slash + 1), "key.dat"))
            ++scratch;
        else
            rest[name] = file;
    }
    if (scratch != 1)
        return false;
    if (in.op != Op::Wipe)
        return normalized(rest) == normalized(after);
    Snapshot expected = before;
    expected.erase("program/key.dat");
    return normalized(rest) == normalized(expected);
}

Snapshot snapshotAll(const Folders& f) {
    Snapshot all;
    for (const auto& [label, dir] : {std::pair{"program/", f.program}, std::pair{"other/", f.other}})
        for (auto& [name, file] : snapshot(dir))
            all[label + name] = std::move(file);
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2048)
        return -1;
    static files::FileOpsOverride seam(injectingOps());
    FuzzedDataProvider fdp(data, size);
    Input in;
    in.op = static_cast<Op>(fdp.ConsumeIntegralInRange<int>(0, static_cast<int>(Op::Count) - 1));
    in.cp = &fuzz::programCodePage(fdp.ConsumeIntegral<uint8_t>());
    const auto flags = fdp.ConsumeIntegral<uint8_t>();
    static const int errs[] = {EIO, ENOSPC, EACCES, EROFS, EINTR};
    const int err = errs[(flags >> 4) % std::size(errs)];
    const bool torn = flags & 8;
    if (flags & 4)
        in.programMode = 0600;
    else if (flags & 0x40)
        in.programMode = 0444;
    in.sameFolder = (flags & 0xC4) == 0xC4;
    in.name = fdp.ConsumeRandomLengthString(60);
    in.key = fdp.ConsumeRandomLengthString(30);
    std::string programBytes = fdp.ConsumeRandomLengthString(1200);
    if (!(flags & 1))
        in.programFile = std::move(programBytes);
    if (!(flags & 2))
        in.otherFile = fdp.ConsumeRemainingBytesAsString();

    const Folders f;
    injector = Injector{};
    reset(f, in);
    const Snapshot before = snapshotAll(f);
    const Outcome clean = run(f, in);
    const int steps = injector.calls;
    const Snapshot after = snapshotAll(f);
    const std::string context = std::string(OpNames[static_cast<int>(in.op)]) + " name " +
                                fuzz::show(in.name) + " key " + fuzz::show(in.key) + "\nbefore:\n" +
                                describe(before) + "after:\n" + describe(after);

    const std::optional<std::string> want = modelProgramFile(in, clean);
    FUZZ_CHECK(after.count("program/key.dat") == want.has_value() &&
                   (!want || after.at("program/key.dat").first == *want),
               context + "model: " + (want ? fuzz::show(*want) : "no file"));
    if (in.op == Op::Transfer && clean.ok)
        FUZZ_CHECK(after.at("other/key.dat").first == *in.programFile, context);
    for (const auto& [name, file] : after)
        FUZZ_CHECK(name == "program/key.dat" || name == "other/key.dat", context);

    for (int k = 1; k <= steps; ++k) {
        reset(f, in);
        injector = Injector{};
        injector.failAt = k;
        injector.err = err;
        injector.torn = torn;
        const Outcome faulty = run(f, in);
        const Snapshot now = snapshotAll(f);
        const std::string detail = context + "call " + std::to_string(k) + " of " +
                                   std::to_string(steps) + " failing with errno " +
                                   std::to_string(err) + (torn ? " (torn)" : "") + ": " +
                                   (faulty.ok ? "reported success" : faulty.error) + "\nnow:\n" +
                                   describe(now);
        FUZZ_CHECK(injector.hit, detail);
        const bool left = oldBytesLeft(in, now, before, after);
        if (faulty.ok) {
            FUZZ_CHECK(normalized(now) == normalized(after) || left, detail);
            FUZZ_CHECK(faulty.names == clean.names && faulty.found == clean.found &&
                           faulty.saveMessage == clean.saveMessage,
                       detail);
        } else {
            FUZZ_CHECK(normalized(now) == normalized(before) ||
                           normalized(now) == normalized(after) || left,
                       detail);
        }
        if (left) {
            injector = Injector{};
            // The wipe or transfer again, as the user would; after any other change, the next
            // key command.
            if (in.op == Op::Wipe)
                keys::wipeKeyFile(f.program);
            else if (in.op == Op::Transfer)
                keys::transferKeyFile(f.program, in.sameFolder ? f.program : f.other);
            else
                keys::KeyFile(f.program, *in.cp).listKeyNames();
            FUZZ_CHECK(normalized(snapshotAll(f)) == normalized(after),
                       detail + "the next command left:\n" + describe(snapshotAll(f)));
        }
    }
    return 0;
}
