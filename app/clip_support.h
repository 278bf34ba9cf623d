// What the commands of pagewright-clip share: their messages, format numbers
// and files.
#ifndef PAGEWRIGHT_APP_CLIP_SUPPORT_H
#define PAGEWRIGHT_APP_CLIP_SUPPORT_H

#include "kestrel.h"

#include <cstdint>
#include <string>

namespace PAGEWRIGHT {

struct FORMATNAME {
    KESTREL::CLIPBOARDCONTENTTYPE format;
    const char* name;
};

inline constexpr FORMATNAME SUPPORTEDFORMATS[] = {
    {KESTREL::CB_TEXT, "text"},
    {KESTREL::CB_MAPEVENT, "map event"},
    {KESTREL::CB_MAPEVENTPAGE, "map event page"},
    {KESTREL::CB_BATTLEEVENTPAGE, "battle event page"},
    {KESTREL::CB_EVENTCOMMANDS, "event commands"},
    {KESTREL::CB_MONSTERGROUP, "monster group"},
    {KESTREL::CB_COMMONEVENT, "common event"},
};

// "pagewright-clip: MESSAGE" on standard error; returns the exit code 1.
int FAIL(const std::string& message);

// The usage text on standard error; returns the exit code 2.
int USAGEERROR();
// The usage text on standard output.
void PRINTUSAGE();

// The supported format (1 or an event format) that the text names.
bool PARSEFORMAT(const char* text, KESTREL::CLIPBOARDCONTENTTYPE& format);

std::string NOTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format);

bool READFILE(const char* path, std::string& bytes);

} // namespace PAGEWRIGHT

#endif
