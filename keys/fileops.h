#pragma once

#include <filesystem>
#include <functional>
#include <sys/types.h>
#include <utility>

namespace talvora::keys {

// The file calls the key file goes through, POSIX style: -1 and errno on failure.
// Tests swap single entries to make one operation fail at a chosen moment.
struct FileOps {
    std::function<int(const std::filesystem::path& path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, void* buf, size_t size, off_t offset)> pread;
    std::function<ssize_t(int fd, const void* buf, size_t size, off_t offset)> pwrite;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const std::filesystem::path& from, const std::filesystem::path& to)> rename;
    std::function<int(const std::filesystem::path& path)> remove;

    // The operating system's calls.
    static FileOps system();
};

// The table in use.
FileOps& fileOps();

// Installs a table for one scope and puts the previous one back afterwards.
class FileOpsOverride {
  public:
    explicit FileOpsOverride(FileOps ops) : saved_(std::exchange(fileOps(), std::move(ops))) {}
    ~FileOpsOverride() { fileOps() = std::move(saved_); }
    FileOpsOverride(const FileOpsOverride&) = delete;
    FileOpsOverride& operator=(const FileOpsOverride&) = delete;

  private:
    FileOps saved_;
};

} // namespace talvora::keys
