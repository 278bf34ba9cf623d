// What the converter turns each event format into, and the formats its target
// dialog offers when the user chooses.
#ifndef PAGEWRIGHT_APP_CONVERSIONS_H
#define PAGEWRIGHT_APP_CONVERSIONS_H

#include "event_formats.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace PAGEWRIGHT {

// A format the converter turns into the user's choice has no fixed target.
constexpr KESTREL::CLIPBOARDCONTENTTYPE CHOSENTARGET{};
// A format that is not offered as a target has no dialog entry.
constexpr int NODIALOGENTRY = -1;

struct CONVERSION {
    KESTREL::CLIPBOARDCONTENTTYPE format;
    KESTREL::CLIPBOARDCONTENTTYPE target;
    int dialog_entry;
};

// One for each event format, in the order of EVENTFORMATS.
inline constexpr CONVERSION CONVERSIONS[] = {
    {KESTREL::CB_MAPEVENT, KESTREL::CB_MONSTERGROUP, 0},
    {KESTREL::CB_MAPEVENTPAGE, KESTREL::CB_BATTLEEVENTPAGE, 1},
    {KESTREL::CB_BATTLEEVENTPAGE, KESTREL::CB_MAPEVENTPAGE, 3},
    {KESTREL::CB_EVENTCOMMANDS, CHOSENTARGET, NODIALOGENTRY},
    {KESTREL::CB_MONSTERGROUP, KESTREL::CB_MAPEVENT, 2},
    {KESTREL::CB_COMMONEVENT, KESTREL::CB_BATTLEEVENTPAGE, 4},
};

// The target dialog's entries, and the one selected when it opens.
constexpr int DIALOGENTRIES = 5;
constexpr KESTREL::CLIPBOARDCONTENTTYPE DEFAULTDIALOGTARGET = KESTREL::CB_BATTLEEVENTPAGE;

// The conversion of an event format, or null for any other number.
constexpr const CONVERSION* CONVERSIONOF(std::int32_t format) {
    for (const CONVERSION& conversion : CONVERSIONS) {
        if (conversion.format == format) return &conversion;
    }
    return nullptr;
}

// The format offered as the dialog's entry, or null for an index outside it.
constexpr const CONVERSION* DIALOGTARGET(int entry) {
    for (const CONVERSION& conversion : CONVERSIONS) {
        if (entry != NODIALOGENTRY && conversion.dialog_entry == entry) return &conversion;
    }
    return nullptr;
}

constexpr bool CONVERTSEVERYEVENTFORMAT() {
    if (std::size(CONVERSIONS) != std::size(KESTREL::EVENTFORMATS)) return false;
    for (std::size_t i = 0; i < std::size(CONVERSIONS); ++i) {
        if (CONVERSIONS[i].format != KESTREL::EVENTFORMATS[i].format) return false;
    }
    return true;
}
static_assert(CONVERTSEVERYEVENTFORMAT(), "every event format converts, and only they");

} // namespace PAGEWRIGHT

#endif
