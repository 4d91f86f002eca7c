#include "keygen.h"

#include "error.h"
#include "files.h"
#include "keyfile.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace talvora::keys {

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

void fillRandom(unsigned char* p, size_t n) {
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

} // namespace

double randomUnit() {
    unsigned char bytes[8];
    fillRandom(bytes, sizeof bytes);
    uint64_t v = 0;
    for (unsigned char b : bytes)
        v = (v << 8) | b;
    return static_cast<double>(v >> 11) * 0x1.0p-53;
}

// The default rounding mode rounds an exact half to even.
int keyDigit(double r) {
    return static_cast<int>(std::nearbyint(r * 9.0));
}

std::string generateKey(const std::function<double()>& draw) {
    std::string key;
    key.reserve(KeyWidth);
    while (key.size() < KeyWidth) {
        int d = keyDigit(draw());
        if (d != 0)
            key += static_cast<char>('0' + d);
    }
    return key;
}

std::string generateKey() {
    return generateKey(randomUnit);
}

} // namespace talvora::keys
