#pragma once

#include <cstddef>
#include <cstdint>

namespace talvora::osrandom {

// Fills data with bytes of the operating system's random source. Throws Error when the
// source cannot be read.
void fill(void* data, size_t size);

// A number in [0, bound) without bias; bound must be at least 1. Buffers its bytes so that a
// long run of draws costs few system calls.
class Source {
  public:
    uint32_t below(uint32_t bound);

  private:
    uint32_t next();
    unsigned char buffer_[256];
    size_t used_ = sizeof buffer_;
};

} // namespace talvora::osrandom
