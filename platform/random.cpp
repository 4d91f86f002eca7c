#include "random.h"

#include "error.h"
#include "files.h"
#include "oscalls.h"

#include <cstring>

namespace talvora {

void randomBytes(void* out, size_t n) {
    if (int err = os::randomBytes(out, n))
        throw Error("Cannot draw random numbers from the operating system: " + files::reason(err) +
                    ".");
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
