#include "game_folder.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace PAGEWRIGHT {
namespace {

// The editor's map files: "Map", four digits, ".lmu".
constexpr std::string_view MAPFILEPREFIX = "map";
constexpr std::string_view MAPFILESUFFIX = ".lmu";
constexpr std::size_t MAPFILEDIGITS = 4;
static_assert(MAPFILEPREFIX.size() + MAPFILEDIGITS + MAPFILESUFFIX.size() == MAPFILENAMELENGTH);

std::string LOWERCASE(std::string_view name) {
    std::string lower(name);
    for (char& character : lower)
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    return lower;
}

} // namespace

bool SAMEIGNORINGCASE(std::string_view a, std::string_view b) {
    return LOWERCASE(a) == LOWERCASE(b);
}

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

// Of names that differ only in case, which Windows would not hold side by
// side, the first in byte order counts.
std::optional<GAMEFOLDER> GAMEFOLDER::READ(const std::string& folder, std::error_code& error) {
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    if (error) return std::nullopt;
    std::sort(names.begin(), names.end());
    GAMEFOLDER game;
    for (const std::string& name : names) {
        const std::string path = (std::filesystem::path(folder) / name).string();
        game.paths_.emplace(LOWERCASE(name), path);
        if (const std::optional<std::int32_t> number = MAPNUMBEROFFILE(name)) {
            game.maps_.emplace(*number, path);
        }
    }
    return game;
}

std::optional<std::string> GAMEFOLDER::PATHOF(std::string_view name) const {
    const auto found = paths_.find(LOWERCASE(name));
    if (found == paths_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> GAMEFOLDER::PATHOF(const SELECTOR& selector) const {
    if (selector.kind != ENTRYKIND::MAPEVENT) return DATABASEPATH();
    const auto found = maps_.find(selector.map);
    if (found == maps_.end()) return std::nullopt;
    return found->second;
}

} // namespace PAGEWRIGHT
