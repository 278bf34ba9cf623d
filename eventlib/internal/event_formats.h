// The six kinds of event data that the editor copies, and what sets each
// apart: its clipboard format and the field that follows the length of its
// content. Every program of the project takes these facts from here.
#ifndef PAGEWRIGHT_EVENT_FORMATS_H
#define PAGEWRIGHT_EVENT_FORMATS_H

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

struct EVENTFORMAT {
    CLIPBOARDCONTENTTYPE format;
    FRAMING framing;
};

// In the order in which CHECKCLIPBOARDCONTENT looks for them.
inline constexpr EVENTFORMAT EVENTFORMATS[] = {
    {CB_MAPEVENT, FRAMING::LEADBYTE},
    {CB_MAPEVENTPAGE, FRAMING::PAGENUMBER},
    {CB_BATTLEEVENTPAGE, FRAMING::PAGENUMBER},
    {CB_EVENTCOMMANDS, FRAMING::NONE},
    {CB_MONSTERGROUP, FRAMING::ID},
    {CB_COMMONEVENT, FRAMING::ID},
};

// The event formats' numbers alone, in the same order.
inline constexpr auto EVENTFORMATNUMBERS = [] {
    std::array<CLIPBOARDCONTENTTYPE, std::size(EVENTFORMATS)> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = EVENTFORMATS[i].format;
    return numbers;
}();

// Every format CHECKCLIPBOARDCONTENT looks for, in the order in which it
// looks: text first, then the event formats.
inline constexpr auto CLIPBOARDFORMATS = [] {
    std::array<CLIPBOARDCONTENTTYPE, 1 + EVENTFORMATNUMBERS.size()> formats{CB_TEXT};
    for (std::size_t i = 0; i < EVENTFORMATNUMBERS.size(); ++i)
        formats[i + 1] = EVENTFORMATNUMBERS[i];
    return formats;
}();

// The entry of an event format, or null for any other number.
constexpr const EVENTFORMAT* EVENTFORMATOF(std::int32_t format) {
    for (const EVENTFORMAT& entry : EVENTFORMATS) {
        if (entry.format == format) return &entry;
    }
    return nullptr;
}

} // namespace KESTREL

#endif
