// One content written into a game file at the place a selector names, or one
// event or page taken out of it, as edits of the bytes read: only the content
// written, the lengths that enclose it, a list's count and the file's save
// counter change. The bytes written are read back before they are given out,
// and taking the selector from them gives the content put.
#ifndef PAGEWRIGHT_EVENTGAME_GAME_PUT_H
#define PAGEWRIGHT_EVENTGAME_GAME_PUT_H

#include "file_edits.h"
#include "game_selector.h"
#include "kestrel_internal.h"

#include <cstdint>
#include <exception>
#include <optional>

namespace PAGEWRIGHT {

struct POSITION {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Why a put or a removal is refused.
enum class PUTFAULT : std::uint8_t {
    UNREADABLE,   // the content is not one of the selector's format that the file could read
    NOENTRY,      // the event the selector names a part of, or removes, is not there
    NOPAGE,       // the page whose commands are put, or that is removed, is not there
    NOTNEXT,      // a monster group or common event added after a gap; `id` is the last
    PAGENOTNEXT,  // a page added after a gap; `id` is the event's page count
    OUTSIDE,      // the position lies outside the map, which is `bounds` wide and high
    TAKEN,        // the event `id` stands at the position
    ONLYPAGE,     // an event's only page removed
    NOTREMOVABLE, // a removal of a command list, monster group or common event
    NOLIST,       // the file lacks the list the event goes in
    DISORDERED,   // an event removed from a list not in id order, each id once
    UNVERIFIED,   // the bytes made would not read back as put: a fault of this program
};

class PUTERROR : public std::exception {
public:
    explicit PUTERROR(PUTFAULT fault, std::int32_t id = 0, POSITION place = {},
                      POSITION bounds = {})
        : fault(fault), id(id), place(place), bounds(bounds) {}

    PUTFAULT fault;
    std::int32_t id;
    POSITION place;
    POSITION bounds;
};

// A file's new bytes, and its save counter before and after.
struct FILECHANGE {
    KESTREL::BYTESTRING bytes;
    bool added = false; // whether the put added what it names
    std::int32_t counter_before = 0;
    std::int32_t counter_after = 0;
};

// The file with `content` at the place the selector names: a content of the
// selector's format, framed as the clipboard holds it. A map event is placed
// at `at` where it is given, else where its content places it. Nothing when
// the file holds the content already. Throws PUTERROR, and GAMEFILEERROR for
// a part of the file that its reader steps over and the writer finds damaged.
std::optional<FILECHANGE> PUTCONTENT(const GAMEFILE& file, const SELECTOR& selector,
                                     KESTREL::BYTEVIEW content, const std::optional<POSITION>& at);

// The edit that raises the file's save counter by one, as the editor does
// each time it saves the file, and the counter's value before it in
// `before`; nothing for a database without its system record. Throws
// GAMEFILEERROR for a system record that cannot be read.
std::optional<EDIT> RAISESAVECOUNTER(const GAMEFILE& file, std::int32_t& before);

// The file without the map event, or the page of a map event or monster
// group, that the selector names. Throws as PUTCONTENT.
FILECHANGE REMOVECONTENT(const GAMEFILE& file, const SELECTOR& selector);

} // namespace PAGEWRIGHT

#endif
