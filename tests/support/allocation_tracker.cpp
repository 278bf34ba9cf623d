#include "allocation_tracker.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <unistd.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

enum FAMILY : std::uint32_t { SINGLE = 0x51A61E, ARRAY = 0xA88A7, CALLOCATOR = 0xC0A11C, GONE = 0 };

const char* FAMILYNAME(std::uint32_t family) {
    switch (family) {
    case SINGLE:
        return "operator new";
    case ARRAY:
        return "operator new[]";
    case CALLOCATOR:
        return "malloc";
    case GONE:
        return "an already released block";
    default:
        return "an unknown block";
    }
}

// Sits right before every block handed out.
struct alignas(std::max_align_t) HEADER {
    void* base;
    std::size_t size;
    std::uint32_t family;
};

// The programs that count are single-threaded; plain counters keep the count
// cheap enough for the benchmarks that run beside it.
std::size_t held = 0;
std::size_t peak = 0;

void COUNT(std::size_t size) {
    held += size;
    if (held > peak) peak = held;
}

void* ALLOCATE(std::size_t size, std::size_t alignment, FAMILY family) {
    if (alignment < alignof(HEADER)) alignment = alignof(HEADER);
    const std::size_t front = (sizeof(HEADER) + alignment - 1) / alignment * alignment;
    auto* base =
        static_cast<char*>(alignment == alignof(HEADER) ? __libc_malloc(front + size)
                                                        : __libc_memalign(alignment, front + size));
    if (base == nullptr) return nullptr;
    char* block = base + front;
    HEADER* header = reinterpret_cast<HEADER*>(block) - 1;
    header->base = base;
    header->size = size;
    header->family = family;
    COUNT(size);
    return block;
}

[[noreturn]] void MISMATCH(std::uint32_t made, FAMILY releasing) {
    char message[160];
    const int length = std::snprintf(message, sizeof message,
                                     "allocation family mismatch: a block made by %s "
                                     "released as one made by %s\n",
                                     FAMILYNAME(made), FAMILYNAME(releasing));
    if (write(2, message, static_cast<std::size_t>(length)) < 0) std::abort();
    std::abort();
}

void RELEASE(void* block, FAMILY family) {
    if (block == nullptr) return;
    HEADER* header = static_cast<HEADER*>(block) - 1;
    if (header->family != family) MISMATCH(header->family, family);
    header->family = GONE;
    held -= header->size;
    __libc_free(header->base);
}

void* NEWBLOCK(std::size_t size, FAMILY family) {
    void* block = ALLOCATE(size, alignof(std::max_align_t), family);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

} // namespace

std::size_t ALLOCATEDBYTES() {
    return held;
}
std::size_t PEAKALLOCATEDBYTES() {
    return peak;
}
void RESETPEAKALLOCATEDBYTES() {
    peak = held;
}

void* operator new(std::size_t size) {
    return NEWBLOCK(size, SINGLE);
}
void* operator new[](std::size_t size) {
    return NEWBLOCK(size, ARRAY);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return ALLOCATE(size, alignof(std::max_align_t), SINGLE);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return ALLOCATE(size, alignof(std::max_align_t), ARRAY);
}
void operator delete(void* block) noexcept {
    RELEASE(block, SINGLE);
}
void operator delete[](void* block) noexcept {
    RELEASE(block, ARRAY);
}
void operator delete(void* block, std::size_t) noexcept {
    RELEASE(block, SINGLE);
}
void operator delete[](void* block, std::size_t) noexcept {
    RELEASE(block, ARRAY);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    RELEASE(block, SINGLE);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    RELEASE(block, ARRAY);
}

extern "C" {

void* malloc(std::size_t size) {
    return ALLOCATE(size, alignof(std::max_align_t), CALLOCATOR);
}

void free(void* block) {
    RELEASE(block, CALLOCATOR);
}

void* calloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > SIZE_MAX / size) {
        errno = ENOMEM;
        return nullptr;
    }
    void* block = malloc(count * size);
    if (block) std::memset(block, 0, count * size);
    return block;
}

void* realloc(void* block, std::size_t size) {
    if (block == nullptr) return malloc(size);
    HEADER* header = static_cast<HEADER*>(block) - 1;
    if (header->family != CALLOCATOR) MISMATCH(header->family, CALLOCATOR);
    void* fresh = malloc(size);
    if (fresh == nullptr) return nullptr;
    std::memcpy(fresh, block, header->size < size ? header->size : size);
    free(block);
    return fresh;
}

void* memalign(std::size_t alignment, std::size_t size) {
    return ALLOCATE(size, alignment, CALLOCATOR);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
    return memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
    void* block = memalign(alignment, size);
    if (block == nullptr) return ENOMEM;
    *result = block;
    return 0;
}

void* valloc(std::size_t size) {
    return memalign(static_cast<std::size_t>(getpagesize()), size);
}

std::size_t malloc_usable_size(void* block) {
    return block ? (static_cast<HEADER*>(block) - 1)->size : 0;
}
}
