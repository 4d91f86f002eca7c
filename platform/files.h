#pragma once

// The program's one file layer: every file it reads or changes goes through here.
//
// Each system fills FileOps::system() and the calls of oscalls.h (oscalls_posix.cpp,
// oscalls_windows.cpp): open (create-exclusive and do-not-follow-links flags), pread,
// pwrite, fsync (also of a folder, or nothing where folders need none), close, rename over
// an existing file, unlink, hard link (may fail: the old bytes are then overwritten without
// a second name), ftruncate, the status of a file (type, size, link count, mode, owner),
// its permissions, a link's target, an advisory lock on a folder (shared or exclusive) and
// a non-waiting exclusive one on an open file, a source of random bytes, and memory
// straight from the system.

#include "largearray.h"
#include "oscalls.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvora::files {

// The calls that change files, POSIX style: -1 and errno on failure. Tests swap single
// entries to make one step of any writer fail at a chosen moment.
struct FileOps {
    std::function<int(const std::filesystem::path& path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, void* buf, size_t size, off_t offset)> pread;
    std::function<ssize_t(int fd, const void* buf, size_t size, off_t offset)> pwrite;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const std::filesystem::path& from, const std::filesystem::path& to)> rename;
    std::function<int(const std::filesystem::path& path)> remove;
    std::function<int(int fd, off_t length)> ftruncate;
    // A second name for a file (a hard link); never replaces an existing name.
    std::function<int(const std::filesystem::path& from, const std::filesystem::path& to)> link;

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

// Owns a descriptor; closes it (ignoring errors) unless close() reported first.
class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept;
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // 0, or the errno of a failed close (it may report a lost write).
    int close();

  private:
    int fd_ = -1;
};

// The largest text file read or written whole (Get Text, encode/decode input). Even after
// conversion to UTF-8 (at most three bytes per byte) every position stays far below 2^31.
inline constexpr uint64_t MaxTextBytes = uint64_t{256} << 20;
// The largest dictionary file.
inline constexpr uint64_t MaxDictionaryBytes = uint64_t{1} << 30;

// "the reason" part of a message, from errno.
std::string reason(int err);
std::string describe(const std::filesystem::path& path);
// Throws FileError: what + the quoted path + ": " + the reason + "." and the hint, if any.
[[noreturn]] void fail(const std::string& what, const std::filesystem::path& path, int err,
                       const std::string& hint = {});
[[noreturn]] void failBecause(const std::string& what, const std::filesystem::path& path,
                              const std::string& why, const std::string& hint = {});
// "The program folder "x" is not writable." and the like, when err is the folder's fault.
std::string folderHint(const std::filesystem::path& folder, int err, const char* label);

// 0 or errno. readAll reads from offset 0 to the end, or stops once it holds more than
// limit bytes; writeAt writes everything.
int readAll(int fd, std::string& out, uint64_t limit = UINT64_MAX);
int writeAt(int fd, std::string_view bytes, long long offset);

// Whole-file read of a regular file no larger than limit; a folder, FIFO or device and a
// larger file are refused before anything is read. Throws FileError naming the file.
std::string read(const std::filesystem::path& path, uint64_t limit = MaxTextBytes);
// The same into memory for large arrays, for files of many megabytes.
LargeString readLarge(const std::filesystem::path& path, uint64_t limit);
// The same, but nothing when the file does not exist.
std::optional<std::string> readIfExists(const std::filesystem::path& path, uint64_t limit);
// The first line (ending at CR or LF) of a regular file, reading no further than needed;
// a line of more than maxChars characters is refused.
std::string readFirstLine(const std::filesystem::path& path, size_t maxChars);

// Where a change of path really lands: a symbolic link is followed to its target (the
// change is made there, in the target's folder).
std::filesystem::path resolveLinks(const std::filesystem::path& path);

struct ReplaceOptions {
    // Overwrite the replaced file's old bytes after the rename (a key file).
    bool overwriteOld = false;
    // A symbolic link at path is followed; otherwise it is refused, naming it.
    bool followLinks = true;
    // Start of the message on failure; the file's name and the reason follow.
    std::string what = "Cannot write ";
    // Names the folder in hints ("The folder", "The program folder").
    const char* folderLabel = "The folder";
};

// Replaces path in one step: a symbolic link is followed (unless followLinks is off); a file
// with other hard links or a read-only file is refused. Scratch files of the target that
// an interrupted run left behind are removed first (see shred). The bytes go to a unique
// scratch file beside the target (created exclusively, never through a link, owner-only,
// locked while this run owns it), are flushed, renamed over the target and the folder is
// flushed. A new file stays owner-only, a rewrite keeps the old file's mode. With
// overwriteOld the old file first gets a second, scratch name; after the rename its bytes
// are overwritten and that name removed, so a run killed in between leaves the old bytes
// under a scratch name for the next run to overwrite. On failure the target is exactly as
// it was and no scratch file is left.
void replace(const std::filesystem::path& path, std::string_view bytes,
             const ReplaceOptions& options = {});

// Appends bytes to an existing regular file and flushes it; on any failure the file is cut
// back to its old length.
void append(const std::filesystem::path& path, std::string_view bytes);
// The same under the file's lock, held from the read to the flush: addition gets the whole
// file (at most limit bytes) and returns what to append; nothing when it returns nothing.
// A failed close after the flush is reported as such: the bytes are in the file.
void appendChecked(const std::filesystem::path& path, uint64_t limit,
                   const std::function<std::string(std::string_view current)>& addition);

// Writes bytes over the start of an open file and flushes, rounds times; 0 or errno.
int overwrite(int fd, char fill, uint64_t length, int rounds = 1);

// Copies a regular file through a scratch file beside the target (replace's rules).
void copy(const std::filesystem::path& from, const std::filesystem::path& to,
          const ReplaceOptions& options = {}, uint64_t limit = MaxTextBytes);

// Creates an empty owner-only file where there is none (never through a link); false when
// it cannot.
bool createEmpty(const std::filesystem::path& path);

// Tidying up after an interrupted command. Only a regular file owned by the user, opened
// without following a link and without waiting (a planted pipe or device is never opened
// for writing, nor another user's file touched), and only when no running program holds
// its lock (every writer locks its scratch file from creation until it is renamed). Its
// bytes are overwritten rounds times with fill when it has no other link, then it is
// deleted. Errors are ignored.
void shred(const std::filesystem::path& path, char fill, int rounds);
// Shreds every scratch file of target (see isScratchFor) in target's folder. 0 or the
// errno of a failed folder listing.
int shredScratchFiles(const std::filesystem::path& target, char fill, int rounds);

// The entries of a folder; 0 or errno.
int listFolder(const std::filesystem::path& folder, std::vector<std::filesystem::path>& out);

// Overwrites a file's bytes rounds times with fill, each round flushed, then deletes it.
// It first moves the file to a scratch name, so an interruption leaves nothing under its
// name, only a scratch file for shred. A symbolic link is followed (the link stays); a
// file with other hard links, a read-only file or one that is not regular is refused.
// A missing file is no error. Messages call the file "the " + label.
void wipe(const std::filesystem::path& path, char fill, int rounds, const std::string& label);

// Scratch names of this layer for a file: "." + name + ".talvora-" + 12 letters or digits.
bool isScratchFor(const std::filesystem::path& scratch, const std::string& fileName);
std::filesystem::path scratchName(const std::filesystem::path& target);

// Flushes a folder's entries, so a rename into it survives a crash; 0 or errno.
int syncFolder(const std::filesystem::path& folder);

// An advisory lock on a folder, held while it lives. A program that changes files there in
// several steps takes it exclusively; one that only reads takes it shared, so that it never
// reads a replaced file while its old bytes are being overwritten. Waits up to waitSeconds
// for other holders, then throws Error.
class FolderLock {
  public:
    enum Mode { Exclusive, Shared };
    explicit FolderLock(const std::filesystem::path& folder, int waitSeconds = 20,
                        Mode mode = Exclusive);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    intptr_t holder_ = 0;
};

} // namespace talvora::files
