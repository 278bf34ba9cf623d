// A replacement for the global allocation functions of one test binary (never
// of a sanitizer build, whose runtime owns them): every block remembers its
// family (operator new, operator new[], the C allocator) and its size, so that
//   - a block released by another family than the one that made it stops the
//     program with a message naming both, and
//   - the bytes held at once can be counted.
#ifndef PAGEWRIGHT_TESTS_ALLOCATION_TRACKER_H
#define PAGEWRIGHT_TESTS_ALLOCATION_TRACKER_H

#include <cstddef>

// Bytes held now, in blocks of every family, as their callers asked for them.
std::size_t ALLOCATEDBYTES();

// The most bytes held at once since the last reset, and the reset.
std::size_t PEAKALLOCATEDBYTES();
void RESETPEAKALLOCATEDBYTES();

#endif
