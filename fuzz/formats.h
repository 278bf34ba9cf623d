#ifndef PAGEWRIGHT_FUZZ_FORMATS_H
#define PAGEWRIGHT_FUZZ_FORMATS_H

#include "trees.h"

// The formats a fuzz input can pick with its first byte, in the order of that
// byte's value modulo 7.
constexpr KESTREL::CLIPBOARDCONTENTTYPE FUZZFORMATS[] = {
    KESTREL::CB_TEXT,          KESTREL::CB_MAPEVENT,
    KESTREL::CB_MAPEVENTPAGE,  KESTREL::CB_BATTLEEVENTPAGE,
    KESTREL::CB_EVENTCOMMANDS, KESTREL::CB_MONSTERGROUP,
    KESTREL::CB_COMMONEVENT};

#endif
