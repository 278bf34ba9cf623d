// Names of the tree (bytes in the game's code page) as JSON text and back.
#ifndef PAGEWRIGHT_EVENTTEXT_NAME_TEXT_H
#define PAGEWRIGHT_EVENTTEXT_NAME_TEXT_H

#include "codepage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// The code point that starts at `at` in valid UTF-8; moves `at` past it.
std::uint32_t NEXTCODEPOINT(std::string_view text, std::size_t& at);

// The name's bytes as UTF-8 text, or nothing when the text would not give the
// same bytes back, or would not read the same on every platform: then the
// bytes themselves must be written.
std::optional<std::string> TEXTOFNAME(std::string_view bytes, const CODEPAGE& codepage);

// UTF-8 text as a name's bytes. On failure `missing` is the first character
// that the code page has no place for.
bool NAMEOFTEXT(std::string_view text, const CODEPAGE& codepage, std::string& bytes,
                std::uint32_t& missing);

// What the readable forms say of a character the code page has no place for.
std::string NOPLACEFOR(std::uint32_t missing, const CODEPAGE& codepage);

} // namespace PAGEWRIGHT

#endif
