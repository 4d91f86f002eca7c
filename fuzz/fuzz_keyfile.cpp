// Every key operation on arbitrary key files, first without a fault, then once for every file
// call of the operation with that one call failing (a failing write may land half its bytes
// first). After a failure the folders hold exactly what they held before or what the fault-free
// run left (contents and modes), and no scratch file; only the replaced file's old bytes may be
// left under a scratch name beside it, and the next command (the same wipe or transfer again,
// or any key command) clears them. What each operation does without a fault is the unit tests'.

#include "error.h"
#include "files.h"
#include "fuzzsupport.h"
#include "keyfile.h"

#include <cerrno>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <optional>
#include <sys/stat.h>

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

Snapshot snapshot() {
    Snapshot s;
    for (const std::string dir : {"program", "other"})
        for (const auto& e : fs::directory_iterator(fuzz::scratch() / dir)) {
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
};

// Whether the command succeeded, and its message or what it answered.
using Outcome = std::pair<bool, std::string>;

Outcome run(const Input& in, Op op) {
    const fs::path program = fuzz::scratch() / "program", other = fuzz::scratch() / "other";
    keys::KeyFile file(program, *in.cp);
    std::string answer;
    try {
        switch (op) {
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
        return {false, e.what()};
    }
    return {true, answer};
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
    in.name = fdp.ConsumeRandomLengthString(60);
    in.key = fdp.ConsumeRandomLengthString(30);
    if (std::string bytes = fdp.ConsumeRandomLengthString(1200); !(flags & 1))
        in.files[0] = bytes;
    if (!(flags & 2))
        in.files[1] = fdp.ConsumeRemainingBytesAsString();

    auto reset = [&] {
        for (int i = 0; i < 2; ++i) {
            const fs::path dir = fuzz::emptyFolder(i ? "other" : "program");
            if (in.files[i]) {
                fuzz::writeFile(dir / "key.dat", *in.files[i]);
                ::chmod((dir / "key.dat").c_str(), i ? 0644 : in.programMode);
            }
        }
    };
    injector = Injector{};
    reset();
    const Snapshot before = snapshot();
    const Outcome clean = run(in, in.op);
    const int steps = injector.calls;
    const Snapshot after = snapshot();
    const std::string context = fuzz::show(in.name) + " " + fuzz::show(in.key) + ", op " +
                                std::to_string(int(in.op)) + "\nbefore:\n" + describe(before) +
                                "after:\n" + describe(after);
    for (const auto& [name, file] : after)
        FUZZ_CHECK(name == "program/key.dat" || name == "other/key.dat", context);

    for (int k = 1; k <= steps; ++k) {
        reset();
        injector = Injector{0, k, errs[((flags >> 4) + k) % std::size(errs)], (flags & 8) != 0};
        const Outcome faulty = run(in, in.op);
        const Snapshot now = snapshot();
        const std::string detail = context + "call " + std::to_string(k) + " of " +
                                   std::to_string(steps) + " failing, errno " +
                                   std::to_string(injector.err) + (injector.torn ? " (torn)" : "") +
                                   ": " + faulty.second + "\nnow:\n" + describe(now);
        FUZZ_CHECK(injector.hit && (!faulty.first || faulty == clean), detail);
        // A wipe that fails once the key file is gone, or a change that fails while it
        // overwrites the replaced file's old bytes, leaves them under one scratch name beside
        // that file for the next key command to overwrite and delete.
        Snapshot rest = now;
        std::erase_if(rest, [](const auto& f) {
            return files::isScratchFor(f.first.substr(f.first.find('/') + 1), "key.dat");
        });
        const bool left = rest.size() + 1 == now.size() && rest == after;
        FUZZ_CHECK(left || now == after || (!faulty.first && now == before), detail);
        if (left) { // the same wipe or transfer again, or any other key command
            injector = Injector{};
            run(in, in.op == Op::Wipe || in.op == Op::Transfer ? in.op : Op::List);
            FUZZ_CHECK(snapshot() == after,
                       detail + "the next command left:\n" + describe(snapshot()));
        }
    }
    return 0;
}
