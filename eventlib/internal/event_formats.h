// The six kinds of event data that the editor copies, and what sets each
// apart: its clipboard format, its name, the field that follows the length of its content, what the
// converter turns it into, and its place in the target dialog. Every program of the project takes
// these facts from here.
//
// The resource compiler reads this file too, for the dialog's fixed line, so
// the names are plain preprocessor definitions and the rest is hidden from it.
#ifndef PAGEWRIGHT_EVENT_FORMATS_H
#define PAGEWRIGHT_EVENT_FORMATS_H

#define KINDNAME_MAPEVENT "Map event"
#define KINDNAME_MAPEVENTPAGE "Map event page"
#define KINDNAME_BATTLEEVENTPAGE "Battle event page"
#define KINDNAME_EVENTCOMMANDS "Event command(s)"
#define KINDNAME_MONSTERGROUP "Monster group"
#define KINDNAME_COMMONEVENT "Common event"

#ifndef RC_INVOKED

#include "kestrel.h"

#include <array>
#include <cstdint>
#include <iterator>

namespace KESTREL {

// What follows the 4-byte length at the start of a content.
enum class FRAMING : std::uint8_t {
    LEADBYTE,   // one byte 0, then the event's chunks
    PAGENUMBER, // the page's number as a 4-byte integer, then the page
    NONE,       // the command list itself
    ID,         // the group's or common event's id as a 4-byte integer
};

// The byte that FRAMING::LEADBYTE puts before a map event's chunks.
constexpr std::uint8_t MAPEVENTLEADBYTE = 0;

// Whether the content carries a 4-byte number after its length.
constexpr bool HASNUMBERFIELD(FRAMING framing) {
    return framing == FRAMING::PAGENUMBER || framing == FRAMING::ID;
}

// A format the converter turns into the user's choice has no fixed target.
constexpr CLIPBOARDCONTENTTYPE CHOSENTARGET{};
// A format that is not offered as a target has no dialog entry.
constexpr int NODIALOGENTRY = -1;

struct EVENTFORMAT {
    CLIPBOARDCONTENTTYPE format;
    const char* name;
    FRAMING framing;
    CLIPBOARDCONTENTTYPE target;
    int dialog_entry;
};

// In the order in which the converter looks for them on the clipboard.
inline constexpr EVENTFORMAT EVENTFORMATS[] = {
    {CB_MAPEVENT, KINDNAME_MAPEVENT, FRAMING::LEADBYTE, CB_MONSTERGROUP, 0},
    {CB_MAPEVENTPAGE, KINDNAME_MAPEVENTPAGE, FRAMING::PAGENUMBER, CB_BATTLEEVENTPAGE, 1},
    {CB_BATTLEEVENTPAGE, KINDNAME_BATTLEEVENTPAGE, FRAMING::PAGENUMBER, CB_MAPEVENTPAGE, 3},
    {CB_EVENTCOMMANDS, KINDNAME_EVENTCOMMANDS, FRAMING::NONE, CHOSENTARGET, NODIALOGENTRY},
    {CB_MONSTERGROUP, KINDNAME_MONSTERGROUP, FRAMING::ID, CB_MAPEVENT, 2},
    {CB_COMMONEVENT, KINDNAME_COMMONEVENT, FRAMING::ID, CB_BATTLEEVENTPAGE, 4},
};

// The event formats' numbers alone, in the same order.
inline constexpr auto EVENTFORMATNUMBERS = [] {
    std::array<CLIPBOARDCONTENTTYPE, std::size(EVENTFORMATS)> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = EVENTFORMATS[i].format;
    return numbers;
}();

// Every format the converter looks for, in the order in which it looks: text
// first, then the event formats.
inline constexpr auto CLIPBOARDFORMATS = [] {
    std::array<CLIPBOARDCONTENTTYPE, 1 + EVENTFORMATNUMBERS.size()> formats{CB_TEXT};
    for (std::size_t i = 0; i < EVENTFORMATNUMBERS.size(); ++i)
        formats[i + 1] = EVENTFORMATNUMBERS[i];
    return formats;
}();

// The target dialog's entries, and the one selected when it opens.
constexpr int DIALOGENTRIES = 5;
constexpr CLIPBOARDCONTENTTYPE DEFAULTDIALOGTARGET = CB_BATTLEEVENTPAGE;

// The entry of an event format, or null for any other number.
constexpr const EVENTFORMAT* EVENTFORMATOF(std::int32_t format) {
    for (const EVENTFORMAT& entry : EVENTFORMATS) {
        if (entry.format == format) return &entry;
    }
    return nullptr;
}

// The name of a format the converter looks for, or null for any other number.
constexpr const char* FORMATNAME(std::int32_t format) {
    if (format == CB_TEXT) return "Text";
    const EVENTFORMAT* entry = EVENTFORMATOF(format);
    return entry ? entry->name : nullptr;
}

// The format offered as the dialog's entry, or null for an index outside it.
constexpr const EVENTFORMAT* DIALOGTARGET(int entry) {
    for (const EVENTFORMAT& format : EVENTFORMATS) {
        if (entry != NODIALOGENTRY && format.dialog_entry == entry) return &format;
    }
    return nullptr;
}

// How the readable forms write an EVENT's kind.
struct KINDWORD {
    EVENTKIND kind;
    const char* word;
};

inline constexpr KINDWORD KINDWORDS[] = {
    {EK_COMMANDS, "commands"},
    {EK_MAP, "map"},
    {EK_COMMON, "common"},
    {EK_BATTLE, "battle"},
};

// The word of the kind, or null for a number no kind has.
constexpr const char* KINDWORDOF(std::int32_t kind) {
    for (const KINDWORD& entry : KINDWORDS) {
        if (entry.kind == kind) return entry.word;
    }
    return nullptr;
}

} // namespace KESTREL

#endif
#endif
