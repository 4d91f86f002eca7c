#include "files.h"

#include "error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace talvora::files {

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
    default:
        return std::strerror(err);
    }
}

std::string describe(const fs::path& path) { return "\"" + path.string() + "\""; }

[[noreturn]] void fail(const char* what, const fs::path& path, int err) {
    throw FileError(what + describe(path) + ": " + reason(err) + ".", reason(err));
}

std::string read(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail("Cannot read ", path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        fail("Cannot read ", path, EISDIR);
    }
    std::string data;
    if (st.st_size > 0)
        data.reserve(static_cast<size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            fail("Cannot read ", path, err);
        }
        if (n == 0)
            break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

namespace {

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw errno;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace

void syncFolder(const fs::path& folder) {
    int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

void writeAtomic(const fs::path& path, std::string_view bytes, bool ownerOnly) {
    mode_t mode = ownerOnly ? 0600 : 0666;
    struct stat st {};
    bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed)
        mode = st.st_mode & 07777;
    fs::path tmp = path;
    tmp += ".part";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, ownerOnly ? 0600 : 0666);
    if (fd < 0)
        fail("Cannot write ", path, errno);
    try {
        if (existed)
            ::fchmod(fd, mode);
        writeAll(fd, bytes);
        if (::fsync(fd) != 0)
            throw errno;
    } catch (int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        fail("Cannot write ", path, err);
    }
    ::close(fd);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail("Cannot write ", path, err);
    }
    syncFolder(path.parent_path());
}

void appendExisting(const fs::path& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        fail("Cannot add to ", path, errno);
    try {
        writeAll(fd, bytes);
        if (::fsync(fd) != 0)
            throw errno;
    } catch (int err) {
        ::close(fd);
        fail("Cannot add to ", path, err);
    }
    ::close(fd);
}

} // namespace talvora::files
