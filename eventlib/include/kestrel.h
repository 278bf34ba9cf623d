// The record library's public interface: the event tree, its enumerations and
// the eight operations the program file exports for other programs.
//
// Layouts, field order and widths are binding: outside programs build, read and
// free trees through these structures. Every block goes back to the family that
// made it:
//   - single records and the EXTRACHUNKS table: operator new / delete;
//   - record arrays and integer arrays: operator new[] / delete[]
//     (get them from RESIZEOBJECTARRAY and RESIZEINTARRAY);
//   - names: the C allocator (malloc or calloc / free).
#ifndef PAGEWRIGHT_KESTREL_H
#define PAGEWRIGHT_KESTREL_H

#include <cstdint>
#include <string>

// On Windows, programs that call kestrel.dll import the functions. A program
// that holds the library's code itself defines KESTREL_STATIC, and the library
// defines KESTREL_BUILDING where it exports them.
#if defined(_WIN32)
#if defined(KESTREL_BUILDING)
#define KESTREL_API __declspec(dllexport)
#elif defined(KESTREL_STATIC)
#define KESTREL_API
#else
#define KESTREL_API __declspec(dllimport)
#endif
#else
#define KESTREL_API __attribute__((visibility("default")))
#endif

namespace KESTREL {

enum OBJECTTYPE : std::int32_t {
    OT_CONDITION = 1,
    OT_MOVECOMMAND = 2,
    OT_MOVEROUTE = 3,
    OT_EVENTCOMMAND = 4,
    OT_EVENTPAGE = 5,
    OT_EVENT = 6,
};

// The family of data a tree was decoded from; the encoder never reads it.
enum EVENTKIND : std::int32_t {
    EK_COMMANDS = 0,
    EK_MAP = 1,
    EK_COMMON = 2,
    EK_BATTLE = 3,
};

// Clipboard format numbers. The event formats are fixed numbers in the private
// range 0x0200..0x02FF and are never registered by name.
enum CLIPBOARDCONTENTTYPE : std::int32_t {
    CB_TEXT = 1,
    CB_MAPEVENT = 563,
    CB_MAPEVENTPAGE = 564,
    CB_BATTLEEVENTPAGE = 565,
    CB_EVENTCOMMANDS = 566,
    CB_MONSTERGROUP = 578,
    CB_COMMONEVENT = 584,
};

// Start conditions of a page. One record serves map pages, battle pages and
// common events; each uses its own fields and leaves the rest at the defaults.
// enemy_hp_id and turn_enemy_id hold the battle page's numbers as encoded (not
// plus 1) and are written back as held.
struct CONDITION {
    std::int32_t type = OT_CONDITION;
    std::int32_t flags = 0;
    std::int32_t switch_a_id = 1;
    std::int32_t switch_b_id = 1;
    std::int32_t variable_id = 1;
    std::int32_t variable_value = 0;
    std::int32_t variable_compare = 1;
    std::int32_t item_id = 1;
    std::int32_t actor_id = 1;
    std::int32_t timer_seconds = 0;
    std::int32_t timer_2_seconds = 0;
    std::int32_t turn_a = 0;
    std::int32_t turn_b = 0;
    std::int32_t turn_enemy_id = 0;
    std::int32_t turn_enemy_a = 0;
    std::int32_t turn_enemy_b = 0;
    std::int32_t turn_actor_id = 0;
    std::int32_t turn_actor_a = 0;
    std::int32_t turn_actor_b = 0;
    std::int32_t fatigue_min = 0;
    std::int32_t fatigue_max = 0;
    std::int32_t enemy_hp_id = 0;
    std::int32_t enemy_hp_min = 0;
    std::int32_t enemy_hp_max = 0;
    std::int32_t actor_hp_id = 0;
    std::int32_t actor_hp_min = 0;
    std::int32_t actor_hp_max = 0;
    std::int32_t command_actor_id = 0;
    std::int32_t command_id = 0;
};

// One step of a move route. Codes 32/33 use switch_id, 34 the graphic, 35 the
// sound; every other code carries only its code.
struct MOVECOMMAND {
    std::int32_t type = OT_MOVECOMMAND;
    std::int32_t code = 0;
    std::int32_t switch_id = 1;
    char* graphic_name = nullptr;
    std::int32_t graphic_index = 0;
    char* sound_name = nullptr;
    std::int32_t volume = 100;
    std::int32_t tempo = 100;
    std::int32_t balance = 50;
};

struct MOVEROUTE {
    std::int32_t type = OT_MOVEROUTE;
    std::int32_t target = 0;
    std::int32_t frequency = 0;
    std::uint8_t repeat = 0;
    std::uint8_t skippable = 0;
    std::int32_t command_count = 0;
    MOVECOMMAND* commands = nullptr;
};

// One event command. A command with code 11330 (set move route) keeps its
// route in move_route and leaves parameter_count at 0.
struct EVENTCOMMAND {
    std::int32_t type = OT_EVENTCOMMAND;
    std::int32_t code = 10;
    std::int32_t indent = 0;
    char* string_parameter = nullptr;
    std::int32_t parameter_count = 0;
    std::int32_t* parameters = nullptr;
    MOVEROUTE* move_route = nullptr;
};

struct EVENTPAGE {
    std::int32_t type = OT_EVENTPAGE;
    std::int32_t number = 0;
    CONDITION* condition = nullptr;
    char* graphic_name = nullptr;
    std::int32_t graphic_index = 0;
    std::uint8_t transparent = 0;
    std::int32_t graphic_direction = 0;
    std::int32_t graphic_pattern = 1;
    std::int32_t trigger = 0;
    std::uint8_t overlap_forbidden = 0;
    std::int32_t move_type = 0;
    MOVEROUTE* move_route = nullptr;
    std::int32_t move_speed = 3;
    std::int32_t move_frequency = 3;
    std::int32_t animation_type = 0;
    std::int32_t layer = 0;
    std::int32_t command_count = 0;
    EVENTCOMMAND* commands = nullptr;
};

// A monster group's chunks kept undecoded, indexed by chunk id. Entries are
// counted byte strings and may hold zero bytes; an empty entry is no chunk.
struct EXTRACHUNKS {
    std::string entries[256];
};

struct EVENT {
    std::int32_t type = OT_EVENT;
    std::int32_t kind = EK_COMMANDS;
    std::int32_t id = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    char* name = nullptr;
    std::int32_t page_count = 0;
    EVENTPAGE* pages = nullptr;
    EXTRACHUNKS* extra_chunks = nullptr;
};

// A new default record of the type, or null for a type outside 1..6.
KESTREL_API void* CREATEOBJECT(OBJECTTYPE type);

// Releases a record (array flag 0, count 1) or a record array (array flag
// non-zero, count its elements) with everything it owns. Null is ignored.
KESTREL_API void DESTROYOBJECT(void* object, unsigned char array, std::int32_t count);

// Replaces an array of MOVECOMMAND, EVENTCOMMAND or EVENTPAGE records with one
// of new_count elements: the first elements are kept bit for bit, added ones
// hold the defaults, dropped ones are not released. Other types return array.
KESTREL_API void* RESIZEOBJECTARRAY(void* array, OBJECTTYPE type, std::int32_t old_count,
                                    std::int32_t new_count);

KESTREL_API std::int32_t* RESIZEINTARRAY(std::int32_t* array, std::int32_t old_count,
                                         std::int32_t new_count);
KESTREL_API void DESTROYINTARRAY(std::int32_t* array);

// The first of the formats 1, 563, 564, 565, 566, 578, 584 on the clipboard,
// or 0 when none of them is there.
KESTREL_API CLIPBOARDCONTENTTYPE CHECKCLIPBOARDCONTENT();

// A new tree decoded from the clipboard's data of the format, or null when the
// format is empty or unsupported. For CB_TEXT the result is a malloc'd
// zero-terminated copy of the text instead, released with free.
KESTREL_API EVENT* GETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format);

// Replaces the clipboard content with the tree written as the format. page
// (1-based) selects the page of the single-page formats; first and last
// (0-based, last -1 for the end) select the commands written as format 566.
// For CB_TEXT, event points to zero-terminated text.
KESTREL_API void SETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format, EVENT* event, std::int32_t page,
                                     std::int32_t first, std::int32_t last);

} // namespace KESTREL

#endif
