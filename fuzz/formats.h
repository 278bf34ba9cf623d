#ifndef PAGEWRIGHT_FUZZ_FORMATS_H
#define PAGEWRIGHT_FUZZ_FORMATS_H

#include "trees.h"

// The formats a fuzz input can pick with its first byte, in the order of that
// byte's value modulo their count.
inline constexpr auto& FUZZFORMATS = KESTREL::CLIPBOARDFORMATS;

#endif
