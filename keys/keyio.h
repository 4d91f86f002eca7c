#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// File helpers shared by the key file operations; every call goes through fileOps().
namespace talvora::keys::io {

// Owns a descriptor; closes it (ignoring errors) unless close() reported first.
class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Fd& operator=(Fd&& other) noexcept;
    ~Fd();
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // 0, or the errno of a failed close (it may report a lost write).
    int close();

  private:
    int fd_ = -1;
};

// 0 or errno. readAll reads from offset 0 to the end.
int readAll(int fd, std::string& out);
int writeAt(int fd, std::string_view bytes, long long offset);

// "The program folder "x" is not writable." and the like, when err is the folder's fault.
std::string folderHint(const std::filesystem::path& folder, int err, const char* label);

// Throws FileError: what + the quoted file + ": " + the reason + "." + hint.
[[noreturn]] void fail(const std::string& what, const std::filesystem::path& file, int err,
                       const std::string& hint = {});

// Replaces target in one step: bytes go to scratch (a leftover is removed first), are
// flushed, then renamed over target. A new target is owner-only; an existing one keeps its
// permissions. On failure target is as it was and scratch is gone.
void replaceFile(const std::filesystem::path& target, const std::filesystem::path& scratch,
                 std::string_view bytes, const std::string& what, const char* folderLabel);

} // namespace talvora::keys::io
