#include "files.h"

#include "error.h"
#include "oscalls.h"
#include "random.h"
#include "utf8.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>
#include <thread>

namespace fs = std::filesystem;

namespace talvora::files {

FileOps& fileOps() {
    static FileOps ops = FileOps::system();
    return ops;
}

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

int Fd::close() {
    if (fd_ < 0)
        return 0;
    int fd = std::exchange(fd_, -1);
    return fileOps().close(fd) == 0 ? 0 : errno;
}

std::string reason(int err) {
    switch (err) {
    case ENOENT:
        return "it does not exist";
    case EACCES:
    case EPERM:
        return "permission denied";
    case EROFS:
        return "the file system is read-only";
    case ENOSPC:
        return "the disk is full";
    case EISDIR:
        return "it is a folder";
    case EBUSY:
        return "another program has it open";
    case ENODEV:
        return "it names a device, not a file";
    case ENOTSUP:
        return "the file system does not allow it";
    default:
        return std::strerror(err);
    }
}

std::string describe(const fs::path& path);

} // namespace talvora::files

namespace talvora {

std::string userMessage(const std::exception& e) {
    if (dynamic_cast<const Error*>(&e))
        return e.what();
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return "There is not enough memory for this; nothing more was done.";
    if (auto* f = dynamic_cast<const fs::filesystem_error*>(&e)) {
        std::string m = "Cannot use " + files::describe(f->path1());
        return m + ": " + files::reason(f->code().value()) + ".";
    }
    return "The command stopped on an unexpected failure; nothing more was done.";
}

} // namespace talvora

namespace talvora::files {

std::string describe(const fs::path& path) {
    std::string out = "\"";
    out += utf8Path(path);
    out += '"';
    return out;
}

void failBecause(const std::string& what, const fs::path& path, const std::string& why,
                 const std::string& hint) {
    std::string message = what + describe(path) + ": " + why + ".";
    if (!hint.empty())
        message += " " + hint;
    throw FileError(message, why);
}

void fail(const std::string& what, const fs::path& path, int err, const std::string& hint) {
    failBecause(what, path, reason(err), hint);
}

std::string folderHint(const fs::path& folder, int err, const char* label) {
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
        return std::string(label) + " " + describe(folder) + " is not writable.";
    case ENOENT:
    case ENOTDIR:
        return std::string(label) + " " + describe(folder) + " does not exist.";
    default:
        return {};
    }
}

namespace {
template <class S> int readInto(int fd, S& out, uint64_t limit) {
    out.clear();
    char buf[1 << 16];
    while (out.size() <= limit) {
        ssize_t n = fileOps().pread(fd, buf, sizeof buf, static_cast<off_t>(out.size()));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        out.append(buf, static_cast<size_t>(n));
    }
    return 0;
}
} // namespace

int readAll(int fd, std::string& out, uint64_t limit) { return readInto(fd, out, limit); }

int writeAt(int fd, std::string_view bytes, long long offset) {
    while (!bytes.empty()) {
        ssize_t n = fileOps().pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        bytes.remove_prefix(static_cast<size_t>(n));
        offset += n;
    }
    return 0;
}

namespace {

std::string sizeText(uint64_t bytes) {
    return std::to_string(bytes >> 20) + " MB";
}

// A regular file opened for reading (or with flags); a FIFO is opened without waiting for
// the other end so that it can be refused.
Fd openRegular(const fs::path& path, const std::string& what, bool mayBeMissing = false,
               int flags = O_RDONLY) {
    int raw = fileOps().open(path, flags | O_NONBLOCK | O_CLOEXEC, 0);
    if (raw < 0 && mayBeMissing && errno == ENOENT)
        return Fd();
    if (raw < 0)
        fail(what, path, errno);
    Fd fd(raw);
    os::Status st;
    if (os::statOpen(fd.get(), st) != 0)
        fail(what, path, errno);
    if (st.kind == os::Status::Folder)
        fail(what, path, EISDIR);
    if (st.kind != os::Status::Regular)
        failBecause(what, path, "it is not a regular file but a pipe or a device");
    return fd;
}

template <class S = std::string> S readOpen(Fd& fd, const fs::path& path, uint64_t limit) {
    os::Status st;
    os::statOpen(fd.get(), st);
    if (st.size > limit)
        failBecause("Cannot read ", path,
                    "it is larger than " + sizeText(limit) + ", the most the program reads");
    S data;
    data.reserve(static_cast<size_t>(st.size));
    if (int err = readInto(fd.get(), data, limit))
        fail("Cannot read ", path, err);
    if (data.size() > limit) // it grew while being read
        failBecause("Cannot read ", path,
                    "it is larger than " + sizeText(limit) + ", the most the program reads");
    return data;
}

const char* const ScratchMark = ".talvora-";
constexpr size_t ScratchRandom = 12;

// A new scratch file for target, locked by this run until the returned holder closes: a
// clean-up in another program leaves it alone (see shred). The lock rides on a second
// descriptor, so the writer can still close (and check) its own before the rename.
struct Scratch {
    fs::path path;
    Fd fd, hold;
};
int createScratch(const fs::path& target, Scratch& out) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        out.path = scratchName(target);
        int raw = fileOps().open(out.path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                 0600);
        if (raw < 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        out.fd = Fd(raw);
        out.hold = Fd(os::duplicate(raw));
        // A clean-up that took it first deletes it: try another name.
        if (out.hold && os::lockNow(out.hold.get()))
            return 0;
        out.fd.close();
        out.hold.close();
    }
    return EEXIST;
}

} // namespace

std::string read(const fs::path& path, uint64_t limit) {
    Fd fd = openRegular(path, "Cannot read ");
    return readOpen(fd, path, limit);
}

LargeString readLarge(const fs::path& path, uint64_t limit) {
    Fd fd = openRegular(path, "Cannot read ");
    return readOpen<LargeString>(fd, path, limit);
}

std::optional<std::string> readIfExists(const fs::path& path, uint64_t limit) {
    Fd fd = openRegular(path, "Cannot read ", true);
    if (!fd)
        return std::nullopt;
    return readOpen(fd, path, limit);
}

std::string readFirstLine(const fs::path& path, size_t maxChars) {
    Fd fd = openRegular(path, "Cannot read ");
    // A character is at most four bytes of UTF-8.
    const size_t maxBytes = maxChars * 4;
    std::string line;
    char buf[512];
    for (;;) {
        ssize_t n = fileOps().pread(fd.get(), buf, sizeof buf, static_cast<off_t>(line.size()));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot read ", path, errno);
        }
        if (n == 0)
            break;
        line.append(buf, static_cast<size_t>(n));
        size_t end = line.find_first_of("\r\n");
        if (end != std::string::npos) {
            line.resize(end);
            break;
        }
        if (line.size() > maxBytes)
            break;
    }
    size_t chars = static_cast<size_t>(std::count_if(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
    if (chars > maxChars)
        failBecause("Cannot read ", path,
                    "its first line is longer than " + std::to_string(maxChars) + " characters");
    return line;
}

fs::path resolveLinks(const fs::path& path) {
    fs::path p = path;
    for (int depth = 0; depth < 40; ++depth) {
        os::Status st;
        fs::path to;
        if (os::statPath(p, st) != 0 || st.kind != os::Status::Link || !os::linkTarget(p, to))
            return p;
        p = to.is_absolute() ? to : (p.parent_path() / to).lexically_normal();
    }
    return p;
}

bool isScratchFor(const fs::path& scratch, const std::string& fileName) {
    const std::string name = utf8Path(scratch.filename());
    std::string prefix = ".";
    prefix += fileName;
    prefix += ScratchMark;
    if (name.size() != prefix.size() + ScratchRandom || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

fs::path scratchName(const fs::path& target) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[ScratchRandom];
    randomBytes(bytes, sizeof bytes);
    std::string name = ".";
    name += utf8Path(target.filename());
    name += ScratchMark;
    for (unsigned char b : bytes)
        name += letters[b % (sizeof letters - 1)];
    return target.parent_path() / pathFromUtf8(name);
}

int syncFolder(const fs::path& folder) {
    Fd dfd(os::openFolder(folder.empty() ? fs::path(".") : folder));
    if (!dfd)
        return errno;
    return fileOps().fsync(dfd.get()) == 0 ? 0 : errno;
}

int listFolder(const fs::path& folder, std::vector<fs::path>& out) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec), end;
    for (; !ec && it != end; it.increment(ec))
        out.push_back(it->path());
    return ec.value();
}

int shredScratchFiles(const fs::path& target, char fill, int rounds) {
    std::vector<fs::path> entries;
    int err = listFolder(target.parent_path(), entries);
    for (const auto& entry : entries)
        if (isScratchFor(entry, utf8Path(target.filename())))
            shred(entry, fill, rounds);
    return err;
}

int overwrite(int fd, char fill, uint64_t length, int rounds) {
    const std::string block(static_cast<size_t>(std::min<uint64_t>(length, 1 << 16)), fill);
    for (int round = 0; round < rounds; ++round) {
        for (uint64_t offset = 0; offset < length;) {
            auto n = static_cast<size_t>(std::min<uint64_t>(length - offset, block.size()));
            if (int err = writeAt(fd, std::string_view(block).substr(0, n),
                                  static_cast<long long>(offset)))
                return err;
            offset += n;
        }
        if (fileOps().fsync(fd) != 0)
            return errno;
    }
    return 0;
}

void replace(const fs::path& path, std::string_view bytes, const ReplaceOptions& options) {
    auto& ops = fileOps();
    const std::string& what = options.what;
    os::Status st;
    if (!options.followLinks && os::statPath(path, st) == 0 && st.kind == os::Status::Link)
        failBecause(what, path, "it is a symbolic link, and nothing is written through one");
    const fs::path target = resolveLinks(path);
    const fs::path folder = target.parent_path();

    const bool existed = os::statPath(target, st) == 0;
    if (!existed && errno != ENOENT)
        fail(what, path, errno, folderHint(folder, errno, options.folderLabel));
    // What a killed run of this kind left here: nothing else would ever remove it.
    shredScratchFiles(target, '\0', 1);
    Fd old;
    fs::path oldName; // the old file's second name while its bytes wait to be overwritten
    if (existed) {
        if (st.kind != os::Status::Regular)
            failBecause(what, path, "it is not a regular file");
        if (st.links > 1)
            failBecause(what, path,
                        "it has other hard links, which would keep the old contents");
        if (os::readOnly(st, target))
            failBecause(what, path, "it is read-only");
        if (options.overwriteOld) {
            int raw = ops.open(target, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
            if (raw < 0) {
                int err = errno;
                fail(what, path, err,
                     err == EACCES || err == EPERM ? "The file is read-only." : "");
            }
            old = Fd(raw);
            os::Status now;
            if (os::statOpen(old.get(), now) != 0)
                fail("Cannot read the status of ", path, errno);
            if (now.id != st.id || now.device != st.device || now.links > 1)
                failBecause(what, path, "it was changed by another program meanwhile");
            // A second name keeps the old bytes findable until they are overwritten, so a
            // run killed after the rename leaves them to the next run's clean-up rather than
            // to free disk blocks. Where the file system has no hard links the overwrite
            // still happens, only not resumably.
            for (int attempt = 0; attempt < 5 && oldName.empty(); ++attempt) {
                fs::path name = scratchName(target);
                if (ops.link(target, name) == 0)
                    oldName = name;
                else if (errno != EEXIST)
                    break;
            }
        }
    }

    Scratch scratch;
    if (int err = createScratch(target, scratch)) {
        if (!oldName.empty())
            ops.remove(oldName);
        fail(what, path, err, folderHint(folder, err, options.folderLabel));
    }
    Fd& fd = scratch.fd;
    auto abandon = [&](int err, const std::string& hint = {}) {
        fd.close();
        scratch.hold.close();
        // A key file's scratch holds keys too: its blocks are not freed readable.
        if (options.overwriteOld)
            shred(scratch.path, '\0', 1);
        else
            ops.remove(scratch.path);
        if (!oldName.empty())
            ops.remove(oldName); // only a second name of the file that stays
        fail(what, path, err, hint);
    };
    if (existed)
        if (int err = os::copyAccess(fd.get(), target, st))
            abandon(err);
    if (int err = writeAt(fd.get(), bytes, 0))
        abandon(err);
    if (ops.fsync(fd.get()) != 0)
        abandon(errno);
    if (int err = fd.close())
        abandon(err);
    // Where no file may be renamed over while it is open, the old one is let go first and
    // reached again through its second name.
    const bool reopen = old && !os::RenameOverOpenFile;
    if (reopen)
        old.close();
    if (ops.rename(scratch.path, target) != 0) {
        int err = errno;
        abandon(err, folderHint(folder, err, options.folderLabel));
    }
    scratch.hold.close();
    const int syncErr = syncFolder(folder);

    int reopenErr = 0;
    if (reopen) {
        int raw = oldName.empty() ? (errno = ENOTSUP, -1)
                                  : ops.open(oldName, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
        if (raw >= 0)
            old = Fd(raw);
        else
            reopenErr = errno;
    }
    if (old || reopenErr) {
        os::Status now;
        int err = reopenErr;
        if (err == 0)
            err = os::statOpen(old.get(), now) != 0 ? errno : 0;
        if (err == 0)
            err = overwrite(old.get(), '\0', now.size);
        if (int closeErr = old.close(); err == 0)
            err = closeErr;
        if (err != 0)
            throw FileError(describe(path) + " was written, but the old contents it replaced "
                                             "could not be overwritten: " +
                                reason(err) + "." +
                                (oldName.empty() ? "" : "  The next change of the file finishes that."),
                            reason(err));
        if (!oldName.empty()) {
            ops.remove(oldName);
            syncFolder(folder);
        }
    }
    if (syncErr != 0)
        throw FileError(describe(path) + " was written, but its folder " + describe(folder) +
                            " could not be flushed: " + reason(syncErr) +
                            ".  The change may be lost if the computer stops now.",
                        reason(syncErr));
}

bool createEmpty(const fs::path& path) {
    auto& ops = fileOps();
    int fd = ops.open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = ops.fsync(fd) == 0;
    ok = ops.close(fd) == 0 && ok;
    syncFolder(path.parent_path());
    return ok;
}

void shred(const fs::path& path, char fill, int rounds) {
    auto& ops = fileOps();
    os::Status st;
    if (os::statPath(path, st) != 0 || st.kind != os::Status::Regular || !st.ours)
        return;
    // Never waits: a pipe swapped in after the look is opened without blocking.
    int raw = ops.open(path, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
    if (raw < 0)
        return;
    Fd fd(raw);
    os::Status now, named;
    if (os::statOpen(fd.get(), now) != 0 || now.kind != os::Status::Regular || now.id != st.id ||
        !now.ours)
        return;
    // A running writer holds it; once we hold it, the writer is gone or done, and the name
    // must still be this file (a finished writer renamed it away).
    if (!os::lockNow(fd.get()) || os::statPath(path, named) != 0 || named.id != now.id ||
        named.device != now.device)
        return;
    if (now.links == 1)
        overwrite(fd.get(), fill, now.size, rounds);
    ops.remove(path);
    syncFolder(path.parent_path());
}

void wipe(const fs::path& path, char fill, int rounds, const std::string& label) {
    auto& ops = fileOps();
    const fs::path file = resolveLinks(path);
    const fs::path folder = file.parent_path();
    const std::string what = "Cannot delete the " + label + " ";
    const std::string The = "The " + label + " " + describe(path);
    constexpr const char* Untouched = " Nothing was done.";

    // Overwriting a file that cannot then be deleted would only ruin it.
    if (int err = os::folderWritable(folder.empty() ? fs::path(".") : folder))
        fail(what, path, err, folderHint(folder, err, "The folder") + Untouched);
    os::Status st;
    if (os::statPath(file, st) != 0) {
        if (errno != ENOENT)
            fail(what, path, errno);
        return; // nothing left to wipe
    }
    if (st.kind != os::Status::Regular)
        throw Error(The + " is not a regular file." + Untouched);
    if (st.links > 1)
        throw Error(The + " has other hard links: its contents would survive under the other "
                          "names." +
                    Untouched);
    if (os::readOnly(st, file))
        throw Error(The + " is read-only." + Untouched);
    int raw = ops.open(file, O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0);
    if (raw < 0) {
        int err = errno;
        fail(what, path, err,
             err == EACCES || err == EPERM ? std::string("The file is read-only.") + Untouched
                                           : std::string(Untouched));
    }
    Fd fd(raw);
    // Checked on the open file too, so a swap after the first look is caught.
    os::Status now;
    if (os::statOpen(fd.get(), now) != 0)
        fail("Cannot read the status of ", path, errno);
    os::lockNow(fd.get()); // its scratch name is then left to us by other clean-ups
    if (now.kind != os::Status::Regular || now.id != st.id || now.links > 1)
        throw Error(The + " was changed by another program meanwhile." + Untouched);

    // From here on the name is gone: a wipe cut short leaves only a scratch file.
    const fs::path scratch = scratchName(file);
    if (ops.rename(file, scratch) != 0) {
        int err = errno;
        fail(what, path, err, folderHint(folder, err, "The folder") + Untouched);
    }
    syncFolder(folder);

    for (int round = 1; round <= rounds; ++round)
        if (int err = overwrite(fd.get(), fill, now.size))
            throw FileError("Cannot overwrite the " + label + " " + describe(path) + " (pass " +
                                std::to_string(round) + " of " + std::to_string(rounds) +
                                "): " + reason(err) +
                                ". It is gone from its folder, but its old bytes were not all "
                                "overwritten; the next command on it tries again.",
                            reason(err));
    fd.close();
    if (ops.remove(scratch) != 0) {
        int err = errno;
        fail("The " + label + " was overwritten but could not be deleted: ", scratch, err,
             folderHint(folder, err, "The folder"));
    }
    syncFolder(folder);
}

void appendChecked(const fs::path& path, uint64_t limit,
                   const std::function<std::string(std::string_view current)>& addition) {
    auto& ops = fileOps();
    const char* what = "Cannot add to ";
    Fd fd = openRegular(path, what, false, O_RDWR);
    // Two programs adding at once would write over each other's line, or both add the word:
    // the check and the write happen under one lock.
    if (int err = os::lockWait(fd.get()))
        fail(what, path, err);
    std::string current = readOpen(fd, path, limit);
    const std::string bytes = addition(current);
    if (bytes.empty())
        return;
    const auto length = static_cast<off_t>(current.size());
    int err = writeAt(fd.get(), bytes, length);
    if (err == 0 && ops.fsync(fd.get()) != 0)
        err = errno;
    if (err != 0) {
        // Cut back, so the file is exactly as before.
        if (ops.ftruncate(fd.get(), length) == 0)
            ops.fsync(fd.get());
        fail(what, path, err);
    }
    if (int closeErr = fd.close())
        throw FileError("The addition to " + describe(path) +
                            " was written and flushed, but closing the file then failed: " +
                            reason(closeErr) + ".",
                        reason(closeErr));
}

void append(const fs::path& path, std::string_view bytes) {
    appendChecked(path, UINT64_MAX, [&](std::string_view) { return std::string(bytes); });
}

void copy(const fs::path& from, const fs::path& to, const ReplaceOptions& options,
          uint64_t limit) {
    replace(to, read(from, limit), options);
}

FolderLock::FolderLock(const fs::path& folder, int waitSeconds, Mode mode) {
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(waitSeconds);
    while (int err = os::tryLockFolder(where, mode == Shared, holder_)) {
        if (err != EWOULDBLOCK && err != EINTR)
            fail("Cannot lock the folder ", folder, err, folderHint(folder, err, "The folder"));
        if (std::chrono::steady_clock::now() > until)
            throw Error("Another program has been changing the files in " + describe(folder) +
                        " for " + std::to_string(waitSeconds) +
                        " seconds; nothing was changed.  Try again when it has finished.");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

FolderLock::~FolderLock() { os::unlockFolder(holder_); }

} // namespace talvora::files
