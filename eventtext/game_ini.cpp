#include "game_ini.h"

#include <algorithm>
#include <cctype>

namespace PAGEWRIGHT {
namespace {

constexpr std::string_view BYTEORDERMARK = "\xEF\xBB\xBF";
constexpr std::string_view SECTION = "EasyRPG";
constexpr std::string_view KEY = "Encoding";
constexpr std::size_t MOSTDIGITS = 9;

std::string_view TRIMMED(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

bool SAMENAME(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::uint32_t> NUMBEROF(std::string_view value) {
    if (value.empty() || value.size() > MOSTDIGITS ||
        value.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char digit : value)
        number = number * 10 + static_cast<std::uint32_t>(digit - '0');
    return number;
}

} // namespace

std::optional<std::uint32_t> INICODEPAGE(std::string_view ini) {
    if (ini.substr(0, BYTEORDERMARK.size()) == BYTEORDERMARK)
        ini.remove_prefix(BYTEORDERMARK.size());
    bool in_section = false;
    while (!ini.empty()) {
        const std::size_t end = std::min(ini.find('\n'), ini.size());
        const std::string_view line = TRIMMED(ini.substr(0, end));
        ini.remove_prefix(std::min(end + 1, ini.size()));
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.find(']');
            in_section = close != std::string_view::npos &&
                         SAMENAME(TRIMMED(line.substr(1, close - 1)), SECTION);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (in_section && equals != std::string_view::npos &&
            SAMENAME(TRIMMED(line.substr(0, equals)), KEY)) {
            return NUMBEROF(TRIMMED(line.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

} // namespace PAGEWRIGHT
