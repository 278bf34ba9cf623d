// Byte strings as hexadecimal text, two digits a byte, no separators.
#ifndef PAGEWRIGHT_EVENTTEXT_HEX_BYTES_H
#define PAGEWRIGHT_EVENTTEXT_HEX_BYTES_H

#include <cstddef>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// Lower-case digits.
std::string HEXOF(std::string_view bytes);

// Reads digits of either case. On failure `bad_at` is the index of the first
// character that is no digit, or the length of an odd-length text.
bool BYTESOFHEX(std::string_view hex, std::string& bytes, std::size_t& bad_at);

} // namespace PAGEWRIGHT

#endif
