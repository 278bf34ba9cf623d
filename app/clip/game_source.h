// A game's folder, as the commands that read games take it: the folder that
// holds the database, RPG_RT.ldb, beside the map files, MapNNNN.lmu. Names
// are matched without regard to case, as Windows matches them.
#ifndef PAGEWRIGHT_CLIP_GAME_SOURCE_H
#define PAGEWRIGHT_CLIP_GAME_SOURCE_H

#include "game_folder.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace PAGEWRIGHT {

// The game file at the path, read whole, or nothing after saying why: it
// cannot be read, is no game file or not one of the kind asked for, or is cut
// short or damaged.
std::optional<GAMEFILE> READGAMEFILE(const std::string& path, std::optional<GAMEFILEKIND> kind);

class GAMEFOLDER {
public:
    // Nothing after saying why: the folder cannot be read, or it holds no
    // database.
    static std::optional<GAMEFOLDER> OPEN(const std::string& folder);

    const std::string& DATABASEPATH() const { return database_; }
    // The paths of the map files by map number.
    const std::map<std::int32_t, std::string>& MAPPATHS() const { return maps_; }

private:
    std::string database_;
    std::map<std::int32_t, std::string> maps_;
};

// Where a content taken from a game lies: the file read for it, and the path
// of the game's database, which names what the content refers to.
struct GAMESOURCE {
    GAMEFILE file;
    std::string database_path;
};

// The content that SELECTOR names in the game folder GAME, framed, with its
// format and source, or nothing after saying why it cannot be had.
struct TAKENCONTENT {
    KESTREL::CLIPBOARDCONTENTTYPE format{};
    KESTREL::BYTESTRING content;
    GAMESOURCE source;
};
std::optional<TAKENCONTENT> TAKEFROMGAME(const std::string& game, const std::string& selector);

} // namespace PAGEWRIGHT

#endif
