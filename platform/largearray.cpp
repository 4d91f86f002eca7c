#include "largearray.h"

#include <sys/mman.h>

#include <cstdint>

namespace talvora {

namespace {

constexpr size_t LargePage = size_t(2) << 20;
constexpr size_t Smallest = size_t(1) << 20; // below this the heap serves

size_t roundUp(size_t n, size_t to) { return (n + to - 1) / to * to; }

} // namespace

void* allocateLarge(size_t bytes) {
    if (bytes < Smallest)
        return ::operator new(bytes);
    if (bytes > static_cast<size_t>(-1) - 2 * LargePage)
        throw std::bad_alloc();
    const size_t size = roundUp(bytes, LargePage);
    // One large page more, so that the block can start on a boundary; the rest goes back.
    void* raw = ::mmap(nullptr, size + LargePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto base = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t start = roundUp(base, LargePage);
    if (start > base)
        ::munmap(raw, start - base);
    ::munmap(reinterpret_cast<void*>(start + size), LargePage - (start - base));
#ifdef MADV_HUGEPAGE
    // Only a hint: without it the block is the same, in small pages.
    ::madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(start);
}

void releaseLarge(void* p, size_t bytes) noexcept {
    if (bytes < Smallest) {
        ::operator delete(p);
        return;
    }
    ::munmap(p, roundUp(bytes, LargePage));
}

} // namespace talvora
