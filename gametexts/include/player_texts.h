// The texts of a game that its player reads, each with its place and what it
// is: what a translator translates, and where a translation is written back.
// Read from the files as they are, byte for byte; names of files, switches
// and variables, comments and editor-only names are no such texts.
#ifndef PAGEWRIGHT_GAMETEXTS_PLAYER_TEXTS_H
#define PAGEWRIGHT_GAMETEXTS_PLAYER_TEXTS_H

#include "game_file.h"
#include "kestrel_internal.h"
#include "map_tree.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace PAGEWRIGHT {

// How a text is held, which says how a translation of it is written.
enum class TEXTROLE : std::uint8_t {
    FIELD,   // a chunk of its own: a database field or term, a map's name
    MESSAGE, // a message box, a command a line
    CHOICE,  // the options of a choice, a command each
    COMMAND, // the string of one command: a hero's new name or title, a name compared
    PICTURE, // the text of a string picture, a part of its command's string
};

// Where the parts of a command that holds a text begin in its file: the
// command, its indent, its string's length, and the end of the string and of
// the command.
struct TEXTCOMMAND {
    std::int64_t start = 0;
    std::int64_t indent = 0;
    std::int64_t text = 0;
    std::int64_t text_end = 0;
    std::int64_t end = 0;
};

struct PLAYERTEXT {
    TEXTROLE role = TEXTROLE::FIELD;
    // The database's list and field for a field ("items.name"), and for the
    // commands that set or compare a field, so that one translation of a
    // hero's name serves everywhere; none for what events say.
    std::optional<std::string> context;
    // In the code page, as the file holds it; a box's lines and a choice's
    // options joined by line ends, and a string picture's lines, which end
    // in "\r\n", ending in a line end alone.
    KESTREL::BYTESTRING bytes;
    // A selector with the command's number as the listing counts its lines
    // from 1 ("map3/event5/page1/commands:12"), or the record and field
    // ("item4/name", "terms/gold", "map3/name").
    std::string place;
    // For the translator: "a message of 2 lines beside a face".
    std::string what;
    // The most columns a line shows, 0 where no one width holds.
    std::size_t width = 0;
    // The chunks that enclose it, outermost first: for a field, its own
    // chunk last; for commands, their list's chunk last, beside the chunk of
    // the list's size (the empty chunk of id 0 where there is none).
    std::vector<KESTREL::CHUNK> enclosing;
    KESTREL::CHUNK size;
    // The commands that hold it: a box's lines, a choice's options, or the one
    // command; and of a choice, the Show Choices command whose string sums
    // the options up for the editor.
    std::vector<TEXTCOMMAND> commands;
    std::optional<TEXTCOMMAND> summary;
    // Of a string picture, where its text lies in the command's string; the
    // rest names the picture's graphic and stays.
    KESTREL::SPAN part;
};

// The texts of a database's lists and terms, list by list in the order of
// their ids, each entry's in the order of its chunks, then the terms. Throws
// GAMEFILEERROR.
std::vector<PLAYERTEXT> FIELDTEXTS(const GAMEFILE& database);

// What the file's events of the kind say, in the order of the events, pages
// and commands; `map` is the number of a map file. Throws GAMEFILEERROR for
// a command list that cannot be read.
std::vector<PLAYERTEXT> EVENTTEXTS(const GAMEFILE& file, ENTRYKIND kind, std::int32_t map);

// The names of the tree's maps and areas, in the editor's order. Each has no
// context: the maps' names are no field of the database.
std::vector<PLAYERTEXT> MAPNAMETEXTS(const MAPTREE& tree);

} // namespace PAGEWRIGHT

#endif
