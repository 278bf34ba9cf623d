// Every chunk id of the event data formats, one table per record. No other
// file spells a chunk id as a number.
#ifndef PAGEWRIGHT_FORMATS_CHUNK_IDS_H
#define PAGEWRIGHT_FORMATS_CHUNK_IDS_H

#include <cstdint>

namespace KESTREL {

// Id 0 closes every chunk list.
constexpr std::int32_t ENDCHUNK = 0;

// Top level of a map event (563).
struct MAPEVENTCHUNK {
    enum : std::int32_t { NAME = 1, X = 2, Y = 3, PAGES = 5 };
};

// Top level of a monster group (578). Every other id below KEPTCHUNKIDS is
// kept undecoded in the event's EXTRACHUNKS.
struct MONSTERGROUPCHUNK {
    enum : std::int32_t { NAME = 1, PAGES = 11 };
};

// Top level of a common event (584).
struct COMMONEVENTCHUNK {
    enum : std::int32_t {
        NAME = 1,
        TRIGGER = 11,
        SWITCHFLAG = 12,
        SWITCHID = 13,
        COMMANDSIZE = 21,
        COMMANDS = 22,
    };
};

// One map event page.
struct MAPPAGECHUNK {
    enum : std::int32_t {
        CONDITION = 2,
        GRAPHICNAME = 21,
        GRAPHICINDEX = 22,
        GRAPHICDIRECTION = 23,
        GRAPHICPATTERN = 24,
        TRANSPARENT = 25,
        MOVETYPE = 31,
        MOVEFREQUENCY = 32,
        TRIGGER = 33,
        LAYER = 34,
        OVERLAPFORBIDDEN = 35,
        ANIMATIONTYPE = 36,
        MOVESPEED = 37,
        MOVEROUTE = 41,
        COMMANDSIZE = 51,
        COMMANDS = 52,
    };
};

// Inside a map page's condition chunk.
struct MAPCONDITIONCHUNK {
    enum : std::int32_t {
        FLAGS = 1,
        SWITCHA = 2,
        SWITCHB = 3,
        VARIABLEID = 4,
        VARIABLEVALUE = 5,
        ITEMID = 6,
        ACTORID = 7,
        TIMERSECONDS = 8,
        TIMER2SECONDS = 9,
        VARIABLECOMPARE = 10,
    };
};

// Inside a map page's own move route chunk.
struct PAGEROUTECHUNK {
    enum : std::int32_t { ROUTESIZE = 11, ROUTE = 12, REPEAT = 21, SKIPPABLE = 22 };
};

// One battle event page.
struct BATTLEPAGECHUNK {
    enum : std::int32_t { CONDITION = 2, COMMANDSIZE = 11, COMMANDS = 12 };
};

// Inside a battle page's condition chunk.
struct BATTLECONDITIONCHUNK {
    enum : std::int32_t {
        FLAGS = 1,
        SWITCHA = 2,
        SWITCHB = 3,
        VARIABLEID = 4,
        VARIABLEVALUE = 5,
        TURNA = 6,
        TURNB = 7,
        FATIGUEMIN = 8,
        FATIGUEMAX = 9,
        ENEMYHPID = 10,
        ENEMYHPMIN = 11,
        ENEMYHPMAX = 12,
        ACTORHPID = 13,
        ACTORHPMIN = 14,
        ACTORHPMAX = 15,
        TURNENEMYID = 16,
        TURNENEMYA = 17,
        TURNENEMYB = 18,
        TURNACTORID = 19,
        TURNACTORA = 20,
        TURNACTORB = 21,
        COMMANDACTORID = 22,
        COMMANDID = 23,
    };
};

} // namespace KESTREL

#endif
