// The files of a game's folder: the database, RPG_RT.ldb, beside the map
// files, MapNNNN.lmu. Names are matched without regard to case, as Windows
// matches them.
#ifndef PAGEWRIGHT_EVENTGAME_GAME_FOLDER_H
#define PAGEWRIGHT_EVENTGAME_GAME_FOLDER_H

#include "game_selector.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

constexpr const char* DATABASEFILENAME = "RPG_RT.ldb";
// The name of the file that holds the selected content, as the editor spells
// it: MapNNNN.lmu or RPG_RT.ldb.
std::string FILEOFSELECTOR(const SELECTOR& selector);
// Whether the name is the database's, whatever its case.
bool ISDATABASEFILE(std::string_view name);
// The number of a map file's name, whatever its case; nothing for any other
// name.
std::optional<std::int32_t> MAPNUMBEROFFILE(std::string_view name);
// The number of the map file's name that the name ends in, as the name of a
// copy ends that has something in front ("1a2b_Map0003.lmu").
std::optional<std::int32_t> MAPNUMBERATENDOF(std::string_view name);

} // namespace PAGEWRIGHT

#endif
