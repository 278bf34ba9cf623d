#ifndef PAGEWRIGHT_TESTS_NUMBERS_H
#define PAGEWRIGHT_TESTS_NUMBERS_H

#include "codec/encoding.h"

// A number's compressed form by itself.
inline KESTREL::BYTESTRING ENCODENUMBER(std::int32_t value) {
    KESTREL::BYTESTRING encoded;
    KESTREL::APPENDNUMBER(encoded, value);
    return encoded;
}

#endif
