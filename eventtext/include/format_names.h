// The formats' names as people read them: in the converter's messages and
// target dialog, in the clipboard tool's list of formats, and in a listing's
// first line.
//
// The resource compiler reads this file too, for the dialog's fixed line, so
// the names are plain preprocessor definitions and the rest is hidden from it.
#ifndef PAGEWRIGHT_EVENTTEXT_FORMAT_NAMES_H
#define PAGEWRIGHT_EVENTTEXT_FORMAT_NAMES_H

#define KINDNAME_MAPEVENT "Map event"
#define KINDNAME_MAPEVENTPAGE "Map event page"
#define KINDNAME_BATTLEEVENTPAGE "Battle event page"
#define KINDNAME_EVENTCOMMANDS "Event command(s)"
#define KINDNAME_MONSTERGROUP "Monster group"
#define KINDNAME_COMMONEVENT "Common event"

#ifndef RC_INVOKED

#include "event_formats.h"
#include "value_words.h"

#include <cstdint>
#include <iterator>

namespace PAGEWRIGHT {

// One for each of CLIPBOARDFORMATS.
inline constexpr VALUEWORD<KESTREL::CLIPBOARDCONTENTTYPE> FORMATNAMES[] = {
    {KESTREL::CB_TEXT, "Text"},
    {KESTREL::CB_MAPEVENT, KINDNAME_MAPEVENT},
    {KESTREL::CB_MAPEVENTPAGE, KINDNAME_MAPEVENTPAGE},
    {KESTREL::CB_BATTLEEVENTPAGE, KINDNAME_BATTLEEVENTPAGE},
    {KESTREL::CB_EVENTCOMMANDS, KINDNAME_EVENTCOMMANDS},
    {KESTREL::CB_MONSTERGROUP, KINDNAME_MONSTERGROUP},
    {KESTREL::CB_COMMONEVENT, KINDNAME_COMMONEVENT},
};

// The name of a format of CLIPBOARDFORMATS, or null for any other number.
constexpr const char* FORMATNAME(std::int32_t format) {
    return WORDIN(FORMATNAMES, format);
}

constexpr bool NAMESEVERYFORMAT() {
    for (const KESTREL::CLIPBOARDCONTENTTYPE format : KESTREL::CLIPBOARDFORMATS) {
        if (!FORMATNAME(format)) return false;
    }
    return std::size(FORMATNAMES) == KESTREL::CLIPBOARDFORMATS.size();
}
static_assert(NAMESEVERYFORMAT(), "every format on the clipboard has a name, and only they");

} // namespace PAGEWRIGHT

#endif
#endif
