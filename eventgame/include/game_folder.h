// A game's folder: the database, RPG_RT.ldb, beside the map files,
// MapNNNN.lmu, the map tree, RPG_RT.lmt, and the game's other files. Names
// are matched without regard to case, as Windows matches them.
#ifndef PAGEWRIGHT_EVENTGAME_GAME_FOLDER_H
#define PAGEWRIGHT_EVENTGAME_GAME_FOLDER_H

#include "game_selector.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace PAGEWRIGHT {

constexpr const char* DATABASEFILENAME = "RPG_RT.ldb";
constexpr const char* MAPTREEFILENAME = "RPG_RT.lmt";
// The game's settings, which may name the code page of its texts.
constexpr const char* GAMEINIFILENAME = "RPG_RT.ini";
// Every map file's name is this long: "Map", four digits, ".lmu".
constexpr std::size_t MAPFILENAMELENGTH = 11;

// The name of the file that holds the selected content, as the editor spells
// it: MapNNNN.lmu or RPG_RT.ldb.
std::string FILEOFSELECTOR(const SELECTOR& selector);
// Whether two names of files are the same, whatever their case.
bool SAMEIGNORINGCASE(std::string_view a, std::string_view b);
// Whether the name is the database's, whatever its case.
bool ISDATABASEFILE(std::string_view name);
// The number of a map file's name, whatever its case; nothing for any other
// name.
std::optional<std::int32_t> MAPNUMBEROFFILE(std::string_view name);

// The names in the folder, as it was when it was read.
class GAMEFOLDER {
public:
    // Nothing, with `error` saying why, when the folder cannot be read.
    static std::optional<GAMEFOLDER> READ(const std::string& folder, std::error_code& error);

    // The path of the folder's file of the name, whatever the case of
    // either; nothing when it holds none.
    std::optional<std::string> PATHOF(std::string_view name) const;
    // Nothing in a folder that is no game's.
    std::optional<std::string> DATABASEPATH() const { return PATHOF(DATABASEFILENAME); }
    std::optional<std::string> MAPTREEPATH() const { return PATHOF(MAPTREEFILENAME); }
    // The paths of the map files by map number.
    const std::map<std::int32_t, std::string>& MAPPATHS() const { return maps_; }
    // The path of the file that holds the selected content; nothing when the
    // folder holds none.
    std::optional<std::string> PATHOF(const SELECTOR& selector) const;

private:
    // By name in lower case.
    std::map<std::string, std::string> paths_;
    std::map<std::int32_t, std::string> maps_;
};

} // namespace PAGEWRIGHT

#endif
