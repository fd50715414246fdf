// Counts every allocation of the benchmark program, so a benchmark can check
// that the code it measures allocates nothing. This replaces the global
// allocator of the benchmark program only.

#include <atomic>
#include <cstdlib>
#include <new>

namespace torvik::bench {

namespace {
std::atomic<long> gAllocations{0};
}

long AllocationCount() { return gAllocations.load(std::memory_order_relaxed); }

}  // namespace torvik::bench

void* operator new(std::size_t size) {
    torvik::bench::gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    torvik::bench::gAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return ::operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
