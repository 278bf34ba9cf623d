// The strings of a PO file between their quotes: C's backslash escapes both
// ways, and the UTF-8 that every text of the file is.
#ifndef PAGEWRIGHT_POTEXT_PO_QUOTE_H
#define PAGEWRIGHT_POTEXT_PO_QUOTE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// Appends the text as it stands between quotes: the quote, the backslash and
// the control characters escaped (\n, \t and the other letters of C, octal
// for the rest), everything else as it is.
void APPENDESCAPED(std::string& out, std::string_view text);

// Reads the string whose opening quote is at line[at], appending what its
// escapes stand for to `out`; returns the index just after its closing quote.
// Throws POERROR at `number` for a string without its closing quote, an
// unknown escape, or one that stands for a zero byte or for none.
std::size_t READQUOTED(std::string_view line, std::size_t at, std::size_t number, std::string& out);

// The index of the first byte that begins no well-formed UTF-8 character, or
// npos when there is none.
std::size_t INVALIDUTF8AT(std::string_view text);

} // namespace PAGEWRIGHT

#endif
