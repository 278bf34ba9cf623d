#include "allocation_count.h"

#include <algorithm>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace PAGEWRIGHTBENCH {
namespace {

// The benchmarks run on one thread.
bool counting = false;
std::int64_t live_bytes = 0;
std::int64_t peak_bytes = 0;

std::int64_t USABLESIZE(void* block) {
    return static_cast<std::int64_t>(malloc_usable_size(block));
}

void* ALLOCATE(std::size_t size) noexcept {
    void* block = std::malloc(std::max<std::size_t>(size, 1));
    if (block != nullptr && counting) {
        live_bytes += USABLESIZE(block);
        peak_bytes = std::max(peak_bytes, live_bytes);
    }
    return block;
}

void RELEASE(void* block) noexcept {
    if (block != nullptr && counting) live_bytes -= USABLESIZE(block);
    std::free(block);
}

} // namespace

void STARTCOUNTING() {
    live_bytes = 0;
    peak_bytes = 0;
    counting = true;
}

std::int64_t STOPCOUNTING() {
    counting = false;
    return peak_bytes;
}

} // namespace PAGEWRIGHTBENCH

using PAGEWRIGHTBENCH::ALLOCATE;
using PAGEWRIGHTBENCH::RELEASE;

void* operator new(std::size_t size) {
    if (void* block = ALLOCATE(size)) return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return ALLOCATE(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return ALLOCATE(size);
}

void operator delete(void* block) noexcept {
    RELEASE(block);
}

void operator delete[](void* block) noexcept {
    RELEASE(block);
}

void operator delete(void* block, std::size_t) noexcept {
    RELEASE(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    RELEASE(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    RELEASE(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    RELEASE(block);
}
