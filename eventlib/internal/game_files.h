// The files of a game, read only: a map file (MapNNNN.lmu) holds one map's
// events; the database (RPG_RT.ldb) holds the monster groups, the common
// events and the names of everything the editor numbers. Their events come
// out as clipboard contents, each body byte for byte as the file holds it.
#ifndef PAGEWRIGHT_GAME_FILES_H
#define PAGEWRIGHT_GAME_FILES_H

#include "event_codes.h"
#include "kestrel_internal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KESTREL {

// No game file is larger; a larger one is refused before it is read.
constexpr std::size_t MAXGAMEFILEBYTES = std::size_t{64} << 20;

// What a file that is no game file, or one cut short or damaged, gets.
using GAMEFILEERROR = DATAERROR;

enum class GAMEFILEKIND : std::uint8_t { MAP, DATABASE };

// Each file begins with its kind's name, as a length and its bytes.
constexpr BYTEVIEW MAPFILEKINDNAME = "LcfMapUnit";
constexpr BYTEVIEW DATABASEKINDNAME = "LcfDataBase";

// The three kinds of events a game file lists.
enum class ENTRYKIND : std::uint8_t { MAPEVENT, TROOP, COMMONEVENT };
// How many, counted from the last.
constexpr std::size_t ENTRYKINDS = static_cast<std::size_t>(ENTRYKIND::COMMONEVENT) + 1;

// An event as its file lists it: its id, and its chunks up to and with the
// closing chunk id 0.
struct GAMEENTRY {
    std::int32_t id = 0;
    SPAN body;
};

// A page of a map event or monster group: its number as the page list gives
// it, its chunks up to and with the closing chunk id 0, and its command list
// (empty where the page has none).
struct GAMEPAGE {
    std::int32_t number = 0;
    SPAN body;
    SPAN commands;
};

// What an entry's chunks say of it, as far as anything here needs. What an
// entry has no chunk for reads as the decoder reads it: a map event at 0 for
// the position it leaves out, a common event called.
struct ENTRYFACTS {
    SPAN name;
    std::int32_t x = 0;                  // of a map event
    std::int32_t y = 0;                  // of a map event
    std::int32_t trigger = COMMONCALLED; // of a common event, as stored
    SPAN commands;                       // of a common event
    std::vector<GAMEPAGE> pages;         // of a map event or monster group
};

// The lists whose entries have names: the database's, and a map file's list
// of its events.
enum class NAMEDLIST : std::uint8_t {
    ACTORS,
    SKILLS,
    ITEMS,
    ENEMIES,
    TROOPS,
    TERRAINS,
    ATTRIBUTES,
    STATES,
    ANIMATIONS,
    TILESETS,
    SWITCHES,
    VARIABLES,
    COMMONEVENTS,
    BATTLECOMMANDS,
    CLASSES,
    BATTLERANIMATIONS,
    MAPEVENTS,
};
// How many, counted from the last.
constexpr std::size_t NAMEDLISTS = static_cast<std::size_t>(NAMEDLIST::MAPEVENTS) + 1;

// A map file or a database, read whole when it is made, so that every later
// look-up holds. The work and the memory grow linearly with the file.
class GAMEFILE {
public:
    // Throws GAMEFILEERROR for bytes that are neither kind of file, or a file
    // of either kind that is cut short or damaged.
    explicit GAMEFILE(BYTESTRING bytes);

    GAMEFILEKIND KIND() const { return kind_; }
    BYTEVIEW BYTESOF(SPAN span) const { return BYTEVIEW(bytes_).substr(span.offset, span.size); }

    // The events of the kind in id order: a map file's map events, a
    // database's monster groups and common events; none of a kind the file
    // does not hold.
    const std::vector<GAMEENTRY>& ENTRIES(ENTRYKIND kind) const {
        return entries_[static_cast<std::size_t>(kind)];
    }
    // The first entry of the kind with the id, or null.
    const GAMEENTRY* ENTRYOF(ENTRYKIND kind, std::int32_t id) const;
    ENTRYFACTS FACTSOF(ENTRYKIND kind, const GAMEENTRY& entry) const;

    // The name the file gives the id in the list (empty for an entry without
    // one); nothing for an id the list does not reach, and for a list the
    // file does not hold.
    std::optional<BYTEVIEW> NAMEOF(NAMEDLIST list, std::int32_t id) const;

private:
    struct NAMEDENTRY {
        std::int32_t id;
        SPAN name;
    };

    BYTESTRING bytes_;
    GAMEFILEKIND kind_{};
    std::array<std::vector<GAMEENTRY>, ENTRYKINDS> entries_;
    std::array<std::vector<NAMEDENTRY>, NAMEDLISTS> names_;

    void READDATABASE(const std::array<std::optional<SPAN>, NAMEDLISTS>& lists);
    void READNAMES(NAMEDLIST list, SPAN span);
    void READEVENTLIST(ENTRYKIND kind, SPAN span);
};

// One content of a game, as the user names it: map1/event3,
// map1/event3/page2, map1/event3/page2/commands, troop4, troop4/page1,
// troop4/page1/commands, common5 or common5/commands.
struct SELECTOR {
    ENTRYKIND kind = ENTRYKIND::MAPEVENT;
    std::int32_t map = 0; // of a map event
    std::int32_t id = 0;
    std::int32_t page = 0; // 0 for the whole event
    bool commands = false;
};

// Nothing for text that is no selector. Numbers are from 1 on, written
// without leading zeros.
std::optional<SELECTOR> READSELECTOR(std::string_view text);
// A map event's selector with the map 0, which names no map, leaves out
// the map ("event3"): it stands for an event of a map file whose number its
// name does not give.
std::string SELECTORTEXT(const SELECTOR& selector);
CLIPBOARDCONTENTTYPE SELECTEDFORMAT(const SELECTOR& selector);

constexpr const char* DATABASEFILENAME = "RPG_RT.ldb";
// The name of the file that holds the selected content, as the editor spells
// it: MapNNNN.lmu or RPG_RT.ldb.
std::string FILEOFSELECTOR(const SELECTOR& selector);
// Whether the name is the database's, whatever its case, as Windows matches
// file names.
bool ISDATABASEFILE(std::string_view name);
// The number of a map file's name, whatever its case; nothing for any other
// name.
std::optional<std::int32_t> MAPNUMBEROFFILE(std::string_view name);
// The number of the map file's name that the name ends in, as the name of a
// copy ends that has something in front ("1a2b_Map0003.lmu").
std::optional<std::int32_t> MAPNUMBERATENDOF(std::string_view name);

// The selected content of the file, framed as the clipboard holds it; nothing,
// with `missing` saying what the file lacks, when it holds no such content.
std::optional<BYTESTRING> TAKECONTENT(const GAMEFILE& file, const SELECTOR& selector,
                                      std::string& missing);

// An entry's whole content, as TAKECONTENT gives it for the entry's selector.
BYTESTRING ENTRYCONTENT(const GAMEFILE& file, ENTRYKIND kind, const GAMEENTRY& entry);

} // namespace KESTREL

#endif
