#pragma once

#include <cstddef>

namespace talvora {

// Fills out with bytes of the operating system's cryptographic random source; throws Error
// when it cannot. A port provides the system's own source here.
void randomBytes(void* out, size_t n);

} // namespace talvora
