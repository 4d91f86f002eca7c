#pragma once

#include <cstddef>
#include <cstdint>

namespace talvora {

// Fills out with bytes of the operating system's cryptographic random source; throws Error
// when it cannot. A port provides the system's own source here.
void randomBytes(void* out, size_t n);

// Numbers in [0, bound) without bias (bound at least 1) from randomBytes, buffered so that a
// long run of draws costs few system calls.
class RandomSource {
public:
    uint32_t below(uint32_t bound);

private:
    uint32_t next();
    unsigned char buffer_[256];
    size_t used_ = sizeof buffer_;
};

} // namespace talvora
