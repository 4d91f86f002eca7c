#include "random.h"

#include "error.h"
#include "files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace talvora {

namespace {

[[noreturn]] void randomFailed(int err) {
    throw Error("Cannot draw random numbers from the operating system: " + files::reason(err) +
                ".");
}

// For kernels without getrandom(2).
void readUrandom(unsigned char* p, size_t n) {
    int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        randomFailed(errno);
    while (n > 0) {
        ssize_t got = ::read(fd, p, n);
        if (got <= 0) {
            if (got < 0 && errno == EINTR)
                continue;
            int err = got < 0 ? errno : EIO;
            ::close(fd);
            randomFailed(err);
        }
        p += got;
        n -= static_cast<size_t>(got);
    }
    ::close(fd);
}

} // namespace

void randomBytes(void* out, size_t n) {
    auto* p = static_cast<unsigned char*>(out);
    while (n > 0) {
        ssize_t got = ::getrandom(p, n, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (errno == ENOSYS) {
                readUrandom(p, n);
                return;
            }
            randomFailed(errno);
        }
        p += got;
        n -= static_cast<size_t>(got);
    }
}

uint32_t RandomSource::next() {
    if (used_ + 4 > sizeof buffer_) {
        randomBytes(buffer_, sizeof buffer_);
        used_ = 0;
    }
    uint32_t v;
    std::memcpy(&v, buffer_ + used_, 4);
    used_ += 4;
    return v;
}

uint32_t RandomSource::below(uint32_t bound) {
    if (bound <= 1)
        return 0;
    // Reject the top partial range so every result is equally likely.
    const uint32_t limit = UINT32_MAX - UINT32_MAX % bound;
    uint32_t v;
    do
        v = next();
    while (v >= limit);
    return v % bound;
}

} // namespace talvora
