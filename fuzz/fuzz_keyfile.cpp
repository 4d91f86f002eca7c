// Every key operation on arbitrary key files, first without a fault, checked against a model
// of the records, then once for every file call of the operation with that one call failing
// (a failing write may land half its bytes first). After a failure the folders hold exactly
// what they held before or what the fault-free run left (contents and modes), and no scratch
// file; only the replaced file's old bytes may be left under a scratch name beside it, and
// the next command (the same wipe or transfer again, or any key command) clears them.

#include "error.h"
#include "files.h"
#include "fuzzsupport.h"
#include "keyfile.h"
#include "utf8.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unicode/uchar.h>

namespace fs = std::filesystem;
using namespace talvora;

namespace {

// Every call through the seam is counted; the one numbered failAt fails. A failing close still
// closes. Flushes are skipped: durability is not checked here, and real ones cost milliseconds.
struct Injector {
    int calls = 0, failAt = 0, err = EIO;
    bool torn = false, hit = false;
    bool fails() {
        if (++calls != failAt)
            return false;
        errno = err;
        return hit = true;
    }
} injector;

template <class Call> Call failing(Call call) {
    return [call](auto... args) {
        return injector.fails() ? decltype(call(args...))(-1) : call(args...);
    };
}

files::FileOps injectingOps() {
    const files::FileOps sys = files::FileOps::system();
    files::FileOps ops = sys; // an operation added later is at least the system's
    ops.open = failing(sys.open);
    ops.pread = failing(sys.pread);
    ops.rename = failing(sys.rename);
    ops.remove = failing(sys.remove);
    ops.ftruncate = failing(sys.ftruncate);
    ops.link = failing(sys.link);
    ops.fsync = failing(decltype(sys.fsync)([](int) { return 0; }));
    ops.close = [sys](int fd) {
        const int r = sys.close(fd);
        return injector.fails() ? -1 : r;
    };
    ops.pwrite = [sys](int fd, const void* buf, size_t n, off_t off) -> ssize_t {
        if (!injector.fails())
            return sys.pwrite(fd, buf, n, off);
        if (injector.torn)
            sys.pwrite(fd, buf, n / 2, off);
        errno = injector.err;
        return -1;
    };
    return ops;
}

// The files of both folders with their bytes and permission bits; an empty owner-only key file
// in the program folder is left out, since every command creates a missing one so.
using Snapshot = std::map<std::string, std::pair<std::string, unsigned>>;

Snapshot snapshot(const fs::path& root) {
    Snapshot s;
    for (const std::string dir : {"program", "other"})
        for (const auto& e : fs::directory_iterator(root / dir)) {
            struct stat st {};
            ::lstat(e.path().c_str(), &st);
            s[dir + "/" + e.path().filename().string()] = {fuzz::readFile(e.path()),
                                                           st.st_mode & 07777};
        }
    std::erase_if(s, [](const auto& f) {
        return f.first == "program/key.dat" &&
               f.second == std::pair<std::string, unsigned>("", 0600);
    });
    return s;
}

std::string describe(const Snapshot& s) {
    std::string out;
    for (const auto& [name, file] : s)
        out += name + " " + std::to_string(file.second) + ": " + fuzz::show(file.first) + "\n";
    return out;
}

enum class Op { List, Store, Remove, Transfer, Restore, Wipe, Count };

struct Input {
    Op op;
    const CodePage* cp;
    std::string name, key;
    std::optional<std::string> files[2]; // key.dat of the program folder and of the other
    unsigned programMode = 0644;
    bool sameFolder = false; // transfer to or restore from the program folder itself
};

// Whether the command succeeded, and its message or what it answered.
using Outcome = std::pair<bool, std::string>;

Outcome run(const fs::path& root, const Input& in) {
    const fs::path program = root / "program", other = in.sameFolder ? program : root / "other";
    keys::KeyFile file(program, *in.cp);
    std::string answer;
    try {
        switch (in.op) {
        case Op::List:
            for (const std::string& name : file.listKeyNames())
                answer += name + "\n";
            break;
        case Op::Store: file.storeKey(in.name, in.key); break;
        case Op::Remove: file.removeKeysByName(in.name); break;
        case Op::Transfer: keys::transferKeyFile(program, other); break;
        case Op::Restore: keys::restoreKeyFile(program, other); break;
        default: keys::wipeKeyFile(program);
        }
    } catch (const Error& e) {
        FUZZ_CHECK(*e.what(), "an empty message");
        return {false, e.what()};
    }
    return {true, answer};
}

std::u32string lowered(std::string_view utf8) {
    std::u32string out;
    for (size_t pos = 0; pos < utf8.size();)
        out += static_cast<char32_t>(u_tolower(static_cast<UChar32>(utf8::next(utf8, pos))));
    return out;
}

std::string padded(std::string s, size_t width) {
    s.resize(width, ' ');
    return s;
}

// The model: what the program's key.dat holds after a fault-free run (nullopt: no file).
std::optional<std::string> model(const Input& in, const Outcome& out) {
    const CodePage& cp = *in.cp;
    const std::string old = in.files[0].value_or("");
    // Records: the length / 58 rounded half to even; missing bytes read as blanks.
    std::vector<std::string> recs(static_cast<size_t>(std::nearbyint(old.size() / 58.0)));
    for (size_t i = 0; i < recs.size(); ++i)
        recs[i] = padded(old.substr(std::min(old.size(), i * 58), 58), 58);
    auto nameOf = [&](const std::string& r) {
        const size_t b = r.find_first_not_of(' '), e = r.find_last_not_of(' ', 39);
        return cp.decode(b < 40 ? r.substr(b, e - b + 1) : "");
    };
    // A line break, tab, escape or other C0 or C1 control character: refused in a key name.
    const std::u32string name = lowered(in.name);
    const bool control = std::any_of(
        name.begin(), name.end(), [](char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); });
    // A read-only key file is refused by every command that would change it.
    const bool readOnly = in.files[0] && (in.programMode & 0222) == 0;
    auto expect = [&](bool ok, std::optional<std::string> file) {
        FUZZ_CHECK(out.first == ok, ok ? out.second : "not refused");
        return ok ? file : in.files[0];
    };
    std::string now;
    switch (in.op) {
    case Op::List:
        for (const auto& r : recs)
            now += nameOf(r) + "\n";
        FUZZ_CHECK(out.second == now, "listed " + fuzz::show(out.second));
        return expect(true, old);
    case Op::Store: {
        // The first record whose name is the given one in any case, or a new one at the end.
        size_t at = 0;
        while (at < recs.size() && lowered(nameOf(recs[at])) != name)
            ++at;
        const bool refused =
            control || cp.firstUnencodable(in.name) || cp.firstUnencodable(in.key) || readOnly;
        now = padded(old, std::max(old.size(), at * 58));
        if (!refused)
            now.replace(at * 58, 58,
                        padded(cp.encode(in.name).substr(0, 40), 40) +
                            padded(cp.encode(in.key).substr(0, 18), 18));
        return expect(!refused, now);
    }
    case Op::Remove:
        for (const auto& r : recs)
            now += nameOf(r) == in.name ? "" : r;
        return expect(!readOnly, now);
    case Op::Transfer: return expect(!in.sameFolder && in.files[0], in.files[0]);
    case Op::Restore: return expect(!in.sameFolder && in.files[1] && !readOnly, in.files[1]);
    default: return expect(!readOnly, std::nullopt); // a wipe
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 2048)
        return -1;
    static files::FileOpsOverride seam(injectingOps());
    static const int errs[] = {EIO, ENOSPC, EACCES, EROFS, EINTR};
    FuzzedDataProvider fdp(data, size);
    Input in;
    in.op = static_cast<Op>(fdp.ConsumeIntegralInRange<int>(0, static_cast<int>(Op::Count) - 1));
    in.cp = &fuzz::codePage(fdp.ConsumeIntegral<uint8_t>());
    const auto flags = fdp.ConsumeIntegral<uint8_t>();
    in.programMode = flags & 4 ? 0600 : flags & 0x40 ? 0444 : 0644;
    in.sameFolder = (flags & 0xC4) == 0xC4;
    in.name = fdp.ConsumeRandomLengthString(60);
    in.key = fdp.ConsumeRandomLengthString(30);
    if (std::string bytes = fdp.ConsumeRandomLengthString(1200); !(flags & 1))
        in.files[0] = bytes;
    if (!(flags & 2))
        in.files[1] = fdp.ConsumeRemainingBytesAsString();

    const fs::path root = fuzz::scratch();
    auto reset = [&] {
        for (int i = 0; i < 2; ++i) {
            const fs::path dir = root / (i ? "other" : "program");
            fs::remove_all(dir);
            fs::create_directory(dir);
            if (in.files[i]) {
                fuzz::writeFile(dir / "key.dat", *in.files[i]);
                ::chmod((dir / "key.dat").c_str(), i ? 0644 : in.programMode);
            }
        }
    };
    injector = Injector{};
    reset();
    const Snapshot before = snapshot(root);
    const Outcome clean = run(root, in);
    const int steps = injector.calls;
    const Snapshot after = snapshot(root);
    const std::string context = fuzz::show(in.name) + " " + fuzz::show(in.key) + ", op " +
                                std::to_string(int(in.op)) + "\nbefore:\n" + describe(before) +
                                "after:\n" + describe(after);
    const std::optional<std::string> want = model(in, clean);
    const auto file = after.find("program/key.dat");
    FUZZ_CHECK(file == after.end() ? !want || want == "" : want == file->second.first,
               context + "model: " + (want ? fuzz::show(*want) : "no file"));
    FUZZ_CHECK(in.op != Op::Transfer || !clean.first || after.at("other/key.dat").first == *want,
               context);
    for (const auto& [name, file] : after)
        FUZZ_CHECK(name == "program/key.dat" || name == "other/key.dat", context);

    for (int k = 1; k <= steps; ++k) {
        reset();
        injector = Injector{0, k, errs[((flags >> 4) + k) % std::size(errs)], (flags & 8) != 0};
        const Outcome faulty = run(root, in);
        const Snapshot now = snapshot(root);
        const std::string detail = context + "call " + std::to_string(k) + " of " +
                                   std::to_string(steps) + " failing, errno " +
                                   std::to_string(injector.err) + (injector.torn ? " (torn)" : "") +
                                   ": " + faulty.second + "\nnow:\n" + describe(now);
        FUZZ_CHECK(injector.hit && (!faulty.first || faulty == clean), detail);
        // A wipe that fails once the key file is gone, or a change that fails while it
        // overwrites the replaced file's old bytes, leaves them under one scratch name beside
        // that file for the next key command to overwrite and delete.
        Snapshot rest, wiped = before;
        wiped.erase("program/key.dat");
        for (const auto& [name, file] : now)
            if (!files::isScratchFor(name.substr(name.find('/') + 1), "key.dat"))
                rest[name] = file;
        const bool left =
            rest.size() + 1 == now.size() && rest == (in.op == Op::Wipe ? wiped : after);
        FUZZ_CHECK(left || now == after || (!faulty.first && now == before), detail);
        if (left) { // the same wipe or transfer again, or any other key command
            injector = Injector{};
            Input next = in;
            next.op = in.op == Op::Wipe || in.op == Op::Transfer ? in.op : Op::List;
            run(root, next);
            FUZZ_CHECK(snapshot(root) == after,
                       detail + "the next command left:\n" + describe(snapshot(root)));
        }
    }
    return 0;
}
