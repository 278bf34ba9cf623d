// How an EVENT's kind is written: by its name, or as a number for a value
// that no decoder sets (a tree built by another program may hold any).
#ifndef PAGEWRIGHT_EVENTJSON_EVENT_KINDS_H
#define PAGEWRIGHT_EVENTJSON_EVENT_KINDS_H

#include "kestrel.h"

namespace PAGEWRIGHT {

struct KINDNAME {
    KESTREL::EVENTKIND kind;
    const char* name;
};

inline constexpr KINDNAME KINDNAMES[] = {
    {KESTREL::EK_COMMANDS, "commands"},
    {KESTREL::EK_MAP, "map"},
    {KESTREL::EK_COMMON, "common"},
    {KESTREL::EK_BATTLE, "battle"},
};

} // namespace PAGEWRIGHT

#endif
