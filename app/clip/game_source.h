// A game's files, as the commands that read games take them, saying why they
// cannot be had.
#ifndef PAGEWRIGHT_CLIP_GAME_SOURCE_H
#define PAGEWRIGHT_CLIP_GAME_SOURCE_H

#include "game_folder.h"
#include "map_tree.h"

#include <optional>
#include <string>

namespace PAGEWRIGHT {

// The game file at the path, read whole, or nothing after saying why: it
// cannot be read, is no game file or not one of the kind asked for, or is cut
// short or damaged.
std::optional<GAMEFILE> READGAMEFILE(const std::string& path, std::optional<GAMEFILEKIND> kind);

// The map tree at the path, read whole, or nothing after saying why.
std::optional<MAPTREE> READMAPTREE(const std::string& path);

// The game folder, or nothing after saying why: the folder cannot be read, or
// it holds no database.
std::optional<GAMEFOLDER> OPENGAME(const std::string& folder);

// A game as the commands that read more than one of its files take it: its
// folder, its database and its map tree, which a game may lack.
struct GAME {
    std::string path;
    GAMEFOLDER folder;
    GAMEFILE database;
    std::optional<MAPTREE> tree;
};

// The game in the folder, or nothing after saying why: as OPENGAME, or its
// database or map tree cannot be read.
std::optional<GAME> READGAME(const std::string& folder);

// Where a content taken from a game lies: the file read for it, and the path
// of the game's database, which names what the content refers to.
struct GAMESOURCE {
    GAMEFILE file;
    std::string database_path;
};

// The file of the game folder GAME that holds what SELECTOR names, read
// whole, with the selector, the file's path and the database's path; or
// nothing after saying why it cannot be had.
struct SELECTEDFILE {
    SELECTOR selector;
    std::string path;
    GAMESOURCE source;
};
std::optional<SELECTEDFILE> OPENSELECTED(const std::string& game, const std::string& selector);

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
