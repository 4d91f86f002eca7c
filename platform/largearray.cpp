#include "largearray.h"

#include "oscalls.h"

namespace talvora {

namespace {

constexpr size_t Smallest = size_t(1) << 20; // below this the heap serves

size_t roundUp(size_t n, size_t to) { return (n + to - 1) / to * to; }

} // namespace

void* allocateLarge(size_t bytes) {
    if (bytes < Smallest)
        return ::operator new(bytes);
    if (bytes > static_cast<size_t>(-1) - 2 * os::LargePage)
        throw std::bad_alloc();
    void* p = os::allocatePages(roundUp(bytes, os::LargePage));
    if (!p)
        throw std::bad_alloc();
    return p;
}

void releaseLarge(void* p, size_t bytes) noexcept {
    if (bytes < Smallest) {
        ::operator delete(p);
        return;
    }
    os::releasePages(p, roundUp(bytes, os::LargePage));
}

} // namespace talvora
