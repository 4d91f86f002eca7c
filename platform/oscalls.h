#pragma once

// The operating system's calls that the file layer and the rest of platform/ make, one
// implementation per system (oscalls_posix.cpp, oscalls_windows.cpp), chosen by the build.
// Failures are reported POSIX style: -1 or false with errno set, or the errno returned.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <sys/types.h>
// Flags of POSIX open() that Windows' C library lacks; oscalls_windows.cpp gives them
// their Windows meaning.
#define O_NOFOLLOW 0x01000000
#define O_NONBLOCK 0x02000000
#define O_CLOEXEC 0x04000000
#define O_DIRECTORY 0x08000000
#ifndef EWOULDBLOCK
#define EWOULDBLOCK EAGAIN
#endif
#else
#include <fcntl.h>
#include <sys/types.h>
#endif

namespace talvora::os {

// A file may be renamed over while a program holds it open (POSIX); Windows refuses that.
#ifdef _WIN32
inline constexpr bool RenameOverOpenFile = false;
#else
inline constexpr bool RenameOverOpenFile = true;
#endif

struct Status {
    enum Kind { Regular, Folder, Link, Other } kind = Other;
    uint64_t size = 0;
    uint64_t links = 1;
    // Together they name the file on this computer (device and inode, or volume and index).
    uint64_t device = 0, id = 0;
    // Owned by the user running the program.
    bool ours = false;
    // Its permission bits (POSIX) or 0444 / 0666 from the read-only attribute (Windows).
    unsigned mode = 0;
};

// The file or link at path itself (links are not followed); 0 or errno.
int statPath(const std::filesystem::path& path, Status& out);
int statOpen(int fd, Status& out);
// Writes to the file would be refused for its permissions, or the file system is read-only.
bool readOnly(const Status& status, const std::filesystem::path& path);
// The user may create and delete files in folder; 0 or errno.
int folderWritable(const std::filesystem::path& folder);
// Gives the new file at fd the permissions (and, where allowed, the owner) of a file.
int copyAccess(int fd, const std::filesystem::path& from, const Status& status);
// The target of a symbolic link (one step), or false.
bool linkTarget(const std::filesystem::path& link, std::filesystem::path& out);

// A second descriptor of the same open file (its lock stays while either is open).
int duplicate(int fd);
// A lock on an open file that only other holders respect; lockNow never waits.
bool lockNow(int fd);
int lockWait(int fd);

// A descriptor of a folder, for flushing its entries through FileOps::fsync; -1 and errno.
int openFolder(const std::filesystem::path& folder);

// An exclusive or shared lock on a folder among the programs of this kind, released when the
// holder ends, even by a crash. tryLockFolder does not wait: 0 when taken, EWOULDBLOCK when
// another holds it, or another errno; holder is then what unlockFolder releases.
int tryLockFolder(const std::filesystem::path& folder, bool shared, intptr_t& holder);
void unlockFolder(intptr_t holder);

// Memory of size bytes (a multiple of LargePage) straight from the system, zero-filled, and
// where the system offers it at a LargePage boundary in large pages; nullptr when there is
// none.
inline constexpr size_t LargePage = size_t(2) << 20;
void* allocatePages(size_t size);
void releasePages(void* p, size_t size) noexcept;

// The operating system's cryptographic random source; 0 or errno.
int randomBytes(void* out, size_t n);
// The running executable's folder, or an empty path.
std::filesystem::path executableFolder();
// A name of an existing file for a library that opens files by a narrow name (fopen): the
// path itself on POSIX; on Windows in the system's code page, or where that cannot write it
// (C:\Users\Łukasz under windows-1252) the short 8.3 name. Empty when neither will do.
std::string narrowPath(const std::filesystem::path& path);
// The language of the user's locale ("cs"), and the system's code page where it names one
// ("windows-1250"), else nothing: the language then chooses it.
std::string localeLanguage();
std::string systemCodePageName();
// A standard stream is a terminal: a person reads it, or can answer a question.
enum StandardStream { StandardInput = 0, StandardOutput = 1, StandardError = 2 };
bool isTerminal(int stream);
// The command line as UTF-8, and standard streams that pass bytes unchanged.
std::vector<std::string> utf8Arguments(int argc, char** argv);
void useBinaryStandardStreams();

} // namespace talvora::os
