#include "files.h"
#include "oscalls.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace talvora::files {

FileOps FileOps::system() {
    FileOps ops;
    ops.open = [](const fs::path& path, int flags, mode_t mode) {
        return ::open(path.c_str(), flags, mode);
    };
    ops.pread = [](int fd, void* buf, size_t size, off_t offset) {
        return ::pread(fd, buf, size, offset);
    };
    ops.pwrite = [](int fd, const void* buf, size_t size, off_t offset) {
        return ::pwrite(fd, buf, size, offset);
    };
    ops.fsync = [](int fd) { return ::fsync(fd); };
    ops.close = [](int fd) { return ::close(fd); };
    ops.rename = [](const fs::path& from, const fs::path& to) {
        return ::rename(from.c_str(), to.c_str());
    };
    ops.remove = [](const fs::path& path) { return ::unlink(path.c_str()); };
    ops.ftruncate = [](int fd, off_t length) { return ::ftruncate(fd, length); };
    ops.link = [](const fs::path& from, const fs::path& to) {
        return ::link(from.c_str(), to.c_str());
    };
    return ops;
}

} // namespace talvora::files

namespace talvora::os {

namespace {

void fill(const struct stat& st, Status& out) {
    out.kind = S_ISREG(st.st_mode)   ? Status::Regular
               : S_ISDIR(st.st_mode) ? Status::Folder
               : S_ISLNK(st.st_mode) ? Status::Link
                                     : Status::Other;
    out.size = static_cast<uint64_t>(st.st_size);
    out.links = st.st_nlink;
    out.device = st.st_dev;
    out.id = st.st_ino;
    out.ours = st.st_uid == ::geteuid();
    out.mode = st.st_mode & 07777;
}

} // namespace

int statPath(const fs::path& path, Status& out) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return -1;
    fill(st, out);
    return 0;
}

int statOpen(int fd, Status& out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return -1;
    fill(st, out);
    return 0;
}

bool readOnly(const Status& status, const fs::path& path) {
    if ((status.mode & 0222) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

int folderWritable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0 ? 0 : errno;
}

int copyAccess(int fd, const fs::path& from, const Status& status) {
    if (::fchmod(fd, status.mode) != 0)
        return errno;
    struct stat st {};
    if (::lstat(from.c_str(), &st) == 0 && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
        // Not ours to give away: the copy stays with us.
        [[maybe_unused]] int ignored = ::fchown(fd, st.st_uid, st.st_gid);
    }
    return 0;
}

bool linkTarget(const fs::path& link, fs::path& out) {
    std::error_code ec;
    out = fs::read_symlink(link, ec);
    return !ec;
}

int duplicate(int fd) { return ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }

bool lockNow(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

int lockWait(int fd) {
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR)
            return errno;
    return 0;
}

int openFolder(const fs::path& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int tryLockFolder(const fs::path& folder, bool shared, intptr_t& holder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    if (::flock(fd, (shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        int err = errno;
        ::close(fd);
        return err;
    }
    holder = fd;
    return 0;
}

void unlockFolder(intptr_t holder) {
    if (holder > 0)
        ::close(static_cast<int>(holder)); // releases the lock
}

void* allocatePages(size_t size) {
    // One large page more, so that the block can start on a boundary; the rest goes back.
    void* raw = ::mmap(nullptr, size + LargePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto base = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t start = (base + LargePage - 1) / LargePage * LargePage;
    if (start > base)
        ::munmap(raw, start - base);
    ::munmap(reinterpret_cast<void*>(start + size), LargePage - (start - base));
#ifdef MADV_HUGEPAGE
    // Only a hint: without it the block is the same, in small pages.
    ::madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(start);
}

void releasePages(void* p, size_t size) noexcept { ::munmap(p, size); }

namespace {

// For kernels without getrandom(2).
int readUrandom(unsigned char* p, size_t n) {
    int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    while (n > 0) {
        ssize_t got = ::read(fd, p, n);
        if (got <= 0) {
            if (got < 0 && errno == EINTR)
                continue;
            int err = got < 0 ? errno : EIO;
            ::close(fd);
            return err;
        }
        p += got;
        n -= static_cast<size_t>(got);
    }
    ::close(fd);
    return 0;
}

} // namespace

int randomBytes(void* out, size_t n) {
    auto* p = static_cast<unsigned char*>(out);
    while (n > 0) {
        ssize_t got = ::getrandom(p, n, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno == ENOSYS ? readUrandom(p, n) : errno;
        }
        p += got;
        n -= static_cast<size_t>(got);
    }
    return 0;
}

fs::path executableFolder() {
    std::error_code ec;
    auto exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

std::string narrowPath(const fs::path& path) {
    return path.string();
}

std::string localeLanguage() {
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v) {
            std::string s(v);
            return s.substr(0, s.find_first_of("_.@"));
        }
    }
    return {};
}

// The locale's code set is UTF-8 or ASCII here; the language picks the code page.
std::string systemCodePageName() { return {}; }

bool isTerminal(int stream) { return ::isatty(stream) != 0; }

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void useBinaryStandardStreams() {}

} // namespace talvora::os
