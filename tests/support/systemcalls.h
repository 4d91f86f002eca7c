#pragma once

// The system's own file calls and environment for tests on either system: the seams of the
// file layer's tests wrap these, and the tests look at files through them.
#include "files.h"

#include <cstdlib>
#include <filesystem>

namespace talvora::test {

inline const files::FileOps& systemOps() {
    static const files::FileOps ops = files::FileOps::system();
    return ops;
}

// Sets (or, with nullptr, clears) an environment variable.
inline void setEnv(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
#endif
}

inline bool isFolder(int fd) {
    os::Status st;
    return os::statOpen(fd, st) == 0 && st.kind == os::Status::Folder;
}

// The permission bits; Windows has only the read-only attribute (0444 or 0666).
inline unsigned modeOf(const std::filesystem::path& path) {
    os::Status st;
    return os::statPath(path, st) == 0 ? st.mode : 0u;
}

// The bits modeOf reads back after a file was given posix: Windows keeps only whether the
// owner may write.
constexpr unsigned asStored(unsigned posix) {
#ifdef _WIN32
    return posix & 0200 ? 0666u : 0444u;
#else
    return posix;
#endif
}

} // namespace talvora::test
