#include "name_text.h"

#include <algorithm>
#include <cstdio>

namespace PAGEWRIGHT {
namespace {

// Every code page of CODEPAGES holds ASCII as it is, and most names are ASCII.
bool ASCII(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// C1 controls and private-use characters are what the code page tables of
// Windows and iconv give for bytes that one of them leaves unmapped (or
// reserves for the user); such a name reads differently per platform.
bool UNSETTLED(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::uint32_t point = NEXTCODEPOINT(text, at);
        if ((point >= 0x80 && point <= 0x9F) || (point >= 0xE000 && point <= 0xF8FF)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::uint32_t NEXTCODEPOINT(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    const int following = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    std::uint32_t point = following == 0 ? lead : lead & (0x3F >> following);
    for (int i = 0; i < following && at < text.size(); ++i)
        point = point << 6 | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return point;
}

std::optional<std::string> TEXTOFNAME(std::string_view bytes, const CODEPAGE& codepage) {
    if (ASCII(bytes)) return std::string(bytes);
    std::string text;
    std::string back;
    if (!codepage.TOUTF8(bytes, text) || UNSETTLED(text) || !codepage.FROMUTF8(text, back) ||
        back != bytes) {
        return std::nullopt;
    }
    return text;
}

bool NAMEOFTEXT(std::string_view text, const CODEPAGE& codepage, std::string& bytes,
                std::uint32_t& missing) {
    if (ASCII(text)) {
        bytes.assign(text);
        return true;
    }
    if (codepage.FROMUTF8(text, bytes)) return true;
    std::string alone;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        missing = NEXTCODEPOINT(text, at);
        if (!codepage.FROMUTF8(text.substr(start, at - start), alone)) break;
    }
    return false;
}

std::string NOPLACEFOR(std::uint32_t missing, const CODEPAGE& codepage) {
    char character[16];
    std::snprintf(character, sizeof character, "U+%04X", static_cast<unsigned>(missing));
    return std::string(character) + " has no place in code page " +
           std::to_string(codepage.NUMBER());
}

} // namespace PAGEWRIGHT
