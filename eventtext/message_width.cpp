#include "message_width.h"

#include "name_text.h"

#include <cstdint>

namespace PAGEWRIGHT {
namespace {

// East Asian wide and full-width characters.
bool FULLWIDTH(std::uint32_t point) {
    return (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF) ||
           (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF) ||
           (point >= 0xFE30 && point <= 0xFE4F) || (point >= 0xFF00 && point <= 0xFF60) ||
           (point >= 0xFFE0 && point <= 0xFFE6) || point >= 0x20000;
}

// The editor's control codes with a number in brackets, and those without.
constexpr std::string_view BRACKETEDCODES = "CSNVcsnv";
constexpr std::string_view BARECODES = "$!.|^><_";

} // namespace

std::size_t MESSAGETEXTWIDTH(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '\\' && at + 1 < text.size()) {
            const char code = text[at + 1];
            if (code == '\\') {
                ++width;
                at += 2;
                continue;
            }
            if (BARECODES.find(code) != std::string_view::npos) {
                at += 2;
                continue;
            }
            const std::size_t close = text.find(']', at);
            if (BRACKETEDCODES.find(code) != std::string_view::npos && at + 2 < text.size() &&
                text[at + 2] == '[' && close != std::string_view::npos) {
                at = close + 1;
                continue;
            }
        }
        width += FULLWIDTH(NEXTCODEPOINT(text, at)) ? 2 : 1;
    }
    return width;
}

} // namespace PAGEWRIGHT
