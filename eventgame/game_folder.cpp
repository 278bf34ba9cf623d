#include "game_folder.h"

#include <cctype>
#include <cstdio>

namespace PAGEWRIGHT {
namespace {

// The editor's map files: "Map", four digits, ".lmu".
constexpr std::string_view MAPFILEPREFIX = "map";
constexpr std::string_view MAPFILESUFFIX = ".lmu";
constexpr std::size_t MAPFILEDIGITS = 4;

bool SAMEIGNORINGCASE(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string FILEOFSELECTOR(const SELECTOR& selector) {
    if (selector.kind != ENTRYKIND::MAPEVENT) return DATABASEFILENAME;
    char name[32];
    std::snprintf(name, sizeof name, "Map%04d.lmu", static_cast<int>(selector.map));
    return name;
}

bool ISDATABASEFILE(std::string_view name) {
    return SAMEIGNORINGCASE(name, DATABASEFILENAME);
}

std::optional<std::int32_t> MAPNUMBEROFFILE(std::string_view name) {
    const std::size_t digits_end = MAPFILEPREFIX.size() + MAPFILEDIGITS;
    if (name.size() != digits_end + MAPFILESUFFIX.size() ||
        !SAMEIGNORINGCASE(name.substr(0, MAPFILEPREFIX.size()), MAPFILEPREFIX) ||
        !SAMEIGNORINGCASE(name.substr(digits_end), MAPFILESUFFIX)) {
        return std::nullopt;
    }
    std::int32_t number = 0;
    for (const char digit : name.substr(MAPFILEPREFIX.size(), MAPFILEDIGITS)) {
        if (!std::isdigit(static_cast<unsigned char>(digit))) return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    if (number == 0) return std::nullopt;
    return number;
}

std::optional<std::int32_t> MAPNUMBERATENDOF(std::string_view name) {
    const std::size_t length = MAPFILEPREFIX.size() + MAPFILEDIGITS + MAPFILESUFFIX.size();
    return MAPNUMBEROFFILE(name.substr(name.size() < length ? 0 : name.size() - length));
}

} // namespace PAGEWRIGHT
