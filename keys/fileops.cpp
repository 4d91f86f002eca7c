#include "fileops.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace talvora::keys {

FileOps FileOps::system() {
    FileOps ops;
    ops.open = [](const std::filesystem::path& path, int flags, mode_t mode) {
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
    ops.rename = [](const std::filesystem::path& from, const std::filesystem::path& to) {
        return ::rename(from.c_str(), to.c_str());
    };
    ops.remove = [](const std::filesystem::path& path) { return ::unlink(path.c_str()); };
    return ops;
}

FileOps& fileOps() {
    static FileOps ops = FileOps::system();
    return ops;
}

} // namespace talvora::keys
