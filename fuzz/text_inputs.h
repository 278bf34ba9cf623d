// What the fuzz targets of the text readers share.
#ifndef PAGEWRIGHT_FUZZ_TEXT_INPUTS_H
#define PAGEWRIGHT_FUZZ_TEXT_INPUTS_H

#include "codepage.h"

#include <cstdint>
#include <string_view>

// A code page with multi-byte characters, invalid sequences and bytes that
// only escapes or the bytes form keep.
inline const PAGEWRIGHT::CODEPAGE& FUZZCODEPAGE() {
    static const auto codepage = PAGEWRIGHT::CODEPAGE::OPEN(932);
    return *codepage;
}

inline std::string_view TEXTOF(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

#endif
