// Command codes and values that the formats give a meaning of their own.
#ifndef PAGEWRIGHT_EVENT_CODES_H
#define PAGEWRIGHT_EVENT_CODES_H

#include <cstdint>

namespace KESTREL {

// Event command codes.
constexpr std::int32_t ENDCOMMAND = 0;
constexpr std::int32_t SETMOVEROUTE = 11330;

// Move command codes that carry data.
constexpr std::int32_t SWITCHON = 32;
constexpr std::int32_t SWITCHOFF = 33;
constexpr std::int32_t CHANGEGRAPHIC = 34;
constexpr std::int32_t PLAYSOUND = 35;

// A set-move-route command's parameters start with these four numbers.
constexpr std::int32_t ROUTEHEADERNUMBERS = 4;

// The parameter array of a decoded command has room for at least this many.
constexpr std::int32_t MINIMUMPARAMETERS = 64;

// A page's move type that selects its own route, and the target by which a
// route names the event that owns it.
constexpr std::int32_t CUSTOMMOVETYPE = 6;
constexpr std::int32_t OWNEVENTTARGET = 10005;

// A common event's start kinds as stored, and as held in a page's trigger.
constexpr std::int32_t COMMONAUTOSTART = 3;
constexpr std::int32_t COMMONPARALLEL = 4;
constexpr std::int32_t COMMONCALLED = 5;
constexpr std::int32_t COMMONCALLEDTRIGGER = 0;

// Condition flag bits of the records.
constexpr std::int32_t CF_SWITCH_A = 0x0001;
constexpr std::int32_t CF_SWITCH_B = 0x0002;
constexpr std::int32_t CF_VARIABLE = 0x0004;
constexpr std::int32_t CF_ITEM = 0x0008;
constexpr std::int32_t CF_ACTOR = 0x0010;
constexpr std::int32_t CF_TIMER = 0x0020;
constexpr std::int32_t CF_TIMER_2 = 0x0040;
constexpr std::int32_t CF_TURN = 0x0080;
constexpr std::int32_t CF_TURN_ENEMY = 0x0100;
constexpr std::int32_t CF_TURN_ACTOR = 0x0200;
constexpr std::int32_t CF_FATIGUE = 0x0400;
constexpr std::int32_t CF_ENEMY_HP = 0x0800;
constexpr std::int32_t CF_ACTOR_HP = 0x1000;
constexpr std::int32_t CF_COMMAND_ACTOR = 0x2000;

// The map page's flag byte holds the seven map bits as they are.
constexpr std::int32_t MAPFLAGBITS = 0x7F;

} // namespace KESTREL

#endif
