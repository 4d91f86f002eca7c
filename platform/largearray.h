#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <vector>

namespace talvora {

// Memory for the arrays of many megabytes that loading a dictionary fills at once: at a
// large-page boundary and, where the system offers it, in large pages. Filling such arrays a
// 4 KB page fault at a time cost about a sixth of loading the largest dictionaries. Smaller
// requests come from the ordinary heap. allocateLarge throws std::bad_alloc.
void* allocateLarge(size_t bytes);
void releaseLarge(void* p, size_t bytes) noexcept;

template <class T> struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U>&) noexcept {}
    T* allocate(size_t n) {
        if (n > static_cast<size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateLarge(n * sizeof(T)));
    }
    void deallocate(T* p, size_t n) noexcept { releaseLarge(p, n * sizeof(T)); }
    template <class U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};

template <class T> using LargeVector = std::vector<T, LargeAllocator<T>>;
using LargeString = std::basic_string<char, std::char_traits<char>, LargeAllocator<char>>;

} // namespace talvora
