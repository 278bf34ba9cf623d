#include "po_quote.h"

#include "po_file.h"

#include <cstdint>
#include <cstring>

namespace PAGEWRIGHT {
namespace {

// The control characters that C names by a letter, and their letters.
constexpr std::string_view NAMEDCONTROLS = "\a\b\f\n\r\t\v";
constexpr std::string_view CONTROLLETTERS = "abfnrtv";

int DIGITVALUE(char digit, int base) {
    int value = -1;
    if (digit >= '0' && digit <= '9') value = digit - '0';
    if (digit >= 'a' && digit <= 'f') value = digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') value = digit - 'A' + 10;
    return value < base ? value : -1;
}

// Reads the escape whose backslash is at line[at]; returns the index after it.
std::size_t READESCAPE(std::string_view line, std::size_t at, std::size_t number,
                       std::string& out) {
    const std::size_t letter = at + 1;
    if (letter == line.size()) throw POERROR(number, "a string without its closing quote");
    const char escaped = line[letter];
    if (escaped == '"' || escaped == '\\') {
        out.push_back(escaped);
        return letter + 1;
    }
    if (const std::size_t named = CONTROLLETTERS.find(escaped); named != std::string_view::npos) {
        out.push_back(NAMEDCONTROLS[named]);
        return letter + 1;
    }
    // Up to three octal digits, or one or two hexadecimal ones after "x". C
    // reads on over any further hexadecimal digits, which would make the text
    // after the escape part of it: more than two is refused, not guessed at.
    const bool hex = escaped == 'x';
    const int base = hex ? 16 : 8;
    const std::size_t most_digits = hex ? 2 : 3;
    const std::size_t first = hex ? letter + 1 : letter;
    std::size_t end = first;
    int value = 0;
    while (end < line.size() && end - first < most_digits && DIGITVALUE(line[end], base) >= 0) {
        value = value * base + DIGITVALUE(line[end], base);
        ++end;
    }
    if (end == first) {
        throw POERROR(number, std::string("an unknown escape \\") + escaped +
                                  " (the escapes are \\n \\t \\\" \\\\ \\r \\a \\b \\f \\v, "
                                  "octal \\ooo and \\xhh)");
    }
    if (hex && end < line.size() && DIGITVALUE(line[end], 16) >= 0)
        throw POERROR(number, "a \\x escape of more than two digits");
    if (value > 0xFF) throw POERROR(number, "an octal escape beyond \\377");
    if (value == 0) throw POERROR(number, "an escape of a zero byte, which no text holds");
    out.push_back(static_cast<char>(value));
    return end;
}

// The length of the character that `lead` begins, 0 for no lead byte.
std::size_t UTF8LENGTH(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Whether the bytes after the lead are continuation bytes of the shortest
// form of a character up to U+10FFFF that is no surrogate.
bool WELLFORMED(std::string_view character) {
    const auto byte = [&](std::size_t index) {
        return static_cast<unsigned char>(character[index]);
    };
    for (std::size_t index = 1; index < character.size(); ++index) {
        if ((byte(index) & 0xC0) != 0x80) return false;
    }
    if (character.size() < 3) return true;
    const unsigned char lead = byte(0);
    const unsigned char second = byte(1);
    if (lead == 0xE0) return second >= 0xA0;
    if (lead == 0xED) return second < 0xA0;
    if (lead == 0xF0) return second >= 0x90;
    if (lead == 0xF4) return second < 0x90;
    return true;
}

} // namespace

void APPENDESCAPED(std::string& out, std::string_view text) {
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '"' || character == '\\') {
            out.push_back('\\');
            out.push_back(character);
        } else if (const std::size_t named = NAMEDCONTROLS.find(character);
                   named != std::string_view::npos) {
            out.push_back('\\');
            out.push_back(CONTROLLETTERS[named]);
        } else if (byte < 0x20 || byte == 0x7F) {
            out.push_back('\\');
            out.push_back(static_cast<char>('0' + (byte >> 6)));
            out.push_back(static_cast<char>('0' + ((byte >> 3) & 7)));
            out.push_back(static_cast<char>('0' + (byte & 7)));
        } else {
            out.push_back(character);
        }
    }
}

std::size_t READQUOTED(std::string_view line, std::size_t at, std::size_t number,
                       std::string& out) {
    std::size_t index = at + 1;
    while (index < line.size()) {
        const std::size_t stop = line.find_first_of("\"\\", index);
        if (stop == std::string_view::npos) break;
        out.append(line.substr(index, stop - index));
        if (line[stop] == '"') return stop + 1;
        index = READESCAPE(line, stop, number, out);
    }
    throw POERROR(number, "a string without its closing quote");
}

std::size_t INVALIDUTF8AT(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size()) {
        // Most text is ASCII: eight bytes of it at a time.
        std::uint64_t eight = 0;
        if (text.size() - index >= sizeof eight) {
            std::memcpy(&eight, text.data() + index, sizeof eight);
            if ((eight & 0x8080808080808080u) == 0) {
                index += sizeof eight;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(text[index]);
        if (lead < 0x80) {
            ++index;
            continue;
        }
        const std::size_t length = UTF8LENGTH(lead);
        if (length == 0 || length > text.size() - index ||
            !WELLFORMED(text.substr(index, length))) {
            return index;
        }
        index += length;
    }
    return std::string_view::npos;
}

} // namespace PAGEWRIGHT
