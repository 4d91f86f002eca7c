#include "keyio.h"

#include "error.h"
#include "fileops.h"
#include "files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace talvora::keys::io {

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

Fd::~Fd() {
    close();
}

int Fd::close() {
    if (fd_ < 0)
        return 0;
    int fd = fd_;
    fd_ = -1;
    return fileOps().close(fd) == 0 ? 0 : errno;
}

int readAll(int fd, std::string& out) {
    out.clear();
    char buf[1 << 16];
    for (;;) {
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
}

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

std::string folderHint(const fs::path& folder, int err, const char* label) {
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
        return std::string(label) + " " + files::describe(folder) + " is not writable.";
    case ENOENT:
    case ENOTDIR:
        return std::string(label) + " " + files::describe(folder) + " does not exist.";
    default:
        return {};
    }
}

void fail(const std::string& what, const fs::path& file, int err, const std::string& hint) {
    std::string message = what + files::describe(file) + ": " + files::reason(err) + ".";
    if (!hint.empty())
        message += " " + hint;
    throw FileError(message, files::reason(err));
}

void replaceFile(const fs::path& target, const fs::path& scratch, std::string_view bytes,
                 const std::string& what, const char* folderLabel) {
    auto& ops = fileOps();
    const fs::path folder = target.parent_path();
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;

    // Start from nothing: a leftover may hold anything, even be a link elsewhere.
    if (ops.remove(scratch) != 0 && errno != ENOENT) {
        int err = errno;
        fail(what, target, err, folderHint(folder, err, folderLabel));
    }
    int raw = ops.open(scratch, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (raw < 0) {
        int err = errno;
        fail(what, target, err, folderHint(folder, err, folderLabel));
    }
    Fd fd(raw);
    auto abandon = [&](int err, const std::string& hint = {}) {
        fd.close();
        ops.remove(scratch);
        fail(what, target, err, hint);
    };
    if (existed) {
        if (::fchmod(fd.get(), st.st_mode & 07777) != 0)
            abandon(errno);
        if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
            ::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
            // Not ours to give away: the copy stays with us, readable by us only.
        }
    }
    if (int err = writeAt(fd.get(), bytes, 0))
        abandon(err);
    if (ops.fsync(fd.get()) != 0)
        abandon(errno);
    if (int err = fd.close())
        abandon(err);
    if (ops.rename(scratch, target) != 0) {
        int err = errno;
        abandon(err, folderHint(folder, err, folderLabel));
    }
    files::syncFolder(folder);
}

} // namespace talvora::keys::io
