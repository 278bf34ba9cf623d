// Every field of the event records, named and typed once: one table of rows
// a record. The readable forms of a tree (its JSON, its dump, its listing) all
// go by these rows: a field's name is its name in kestrel.h, and its default
// is the value a default record holds.
//
// RECORDFIELDS<RECORD>::ROWS holds the record's rows in the order in which the
// readable forms write them: the record's own values first, then the records
// and arrays it owns. A row names the field, gives its member and says how the
// field is held:
//   NUMBER     a 32-bit number
//   CODE       a number that says what the record is, so written even at its
//              default
//   FLAG       an 8-bit flag
//   NAME       a zero-terminated name from the C allocator, null when absent
//   KIND       the EVENT's kind, which has words of its own (KINDWORDS)
//   CHILD      an owned record, null when absent
//   RECORDS    an owned record array and the member that counts it
//   NUMBERS    the owned parameter array and the member that counts it
//   KEPTCHUNKS a monster group's kept chunks, null when there are none
// Tags and counts are not fields of their own: an array's count is its length.
//
// RECORDFIELDS<RECORD>::VISIT(visitor) hands the visitor each row in turn as a
// call of the same name, with the field's name and member (and for an array
// the member that counts it).
//
// A row also says where the field lies in each kind of event data that
// carries it (CHUNKIDS), and the chunk lists of the codec read and write the
// fields by these rows alone (formats/chunk_lists.h), in ascending chunk id: a
// field added to a record is one row. A CHILD's chunk holds the child's own
// chunk list; a RECORDS chunk holds a page list, a command list or a route's
// moves.
#ifndef PAGEWRIGHT_RECORD_FIELDS_H
#define PAGEWRIGHT_RECORD_FIELDS_H

#include "../formats/chunk_ids.h"
#include "event_codes.h"
#include "kestrel.h"

#include <cstddef>
#include <cstdint>
#include <tuple>

namespace KESTREL {

enum class HELD : std::uint8_t {
    NUMBER,
    CODE,
    FLAG,
    NAME,
    KIND,
    CHILD,
    RECORDS,
    NUMBERS,
    KEPTCHUNKS,
};

// The id of a field that a kind of event data has no place for: id 0 ends
// every chunk list, so no field has it.
constexpr std::int32_t NOCHUNK = ENDCHUNK;

// The place of a KEPTCHUNKS row: every chunk that no other row of the kind
// claims, whatever its id.
constexpr std::int32_t UNCLAIMEDCHUNKS = -1;

// A value for each kind of event data that has chunks: an EVENT is a map
// event, a monster group or a common event; an EVENTPAGE and its CONDITION
// belong to a map page, a battle page or a common event.
template <typename VALUE> struct BYKIND {
    VALUE map{};
    VALUE battle{};
    VALUE common{};

    constexpr VALUE OF(EVENTKIND kind) const {
        return kind == EK_MAP      ? map
               : kind == EK_BATTLE ? battle
               : kind == EK_COMMON ? common
                                   : VALUE{};
    }
};

// The chunk that holds a field in each kind, NOCHUNK where it has none.
using CHUNKIDS = BYKIND<std::int32_t>;

// A field that a kind holds otherwise than as a plain chunk of how the field
// is held: each is a rule of that kind's data that a row cannot state, and
// the chunk lists read and write the field by the functions of its name in
// formats/field_codings.h instead.
enum class CODING : std::uint8_t {
    PLAIN,
    // A map condition's flags: one byte of the seven map bits, of which only
    // the last byte of the chunk counts.
    MAPFLAGBYTE,
    // A battle condition's flags: a word whose bits stand in an order of
    // their own.
    BATTLEFLAGWORD,
    // A map page's own route: it moves the event itself at the page's move
    // frequency, and is written only for the page's own move type.
    OWNROUTE,
    // A common event's trigger: its start kinds are stored as numbers of
    // their own, and one that is none of them is not read.
    COMMONTRIGGER,
    // A common event's switch flag: 0 or 1 for its condition's switch A, which
    // counts only for a common event that starts by itself, as its trigger
    // read so far says, and is written only when set.
    COMMONSWITCHFLAG,
};
using CODINGS = BYKIND<CODING>;

// A guard of no flag bit: the field is written whatever the flags hold.
constexpr std::int32_t NOGUARD = 0;

// Whether an absent name or record is left out, or written as the empty name
// or a default record.
enum class ABSENT : std::uint8_t { LEFTOUT, WRITTEN };

// One row: a field, its member and, for an array, the member that counts it;
// its chunk in each kind, how a kind codes it where it is not plain, for a
// CONDITION's field the flag bit without which it is not written, for a list
// of records the chunk before it that holds its byte size, and what is
// written for an absent name or record.
template <HELD HOW, typename MEMBER, typename COUNT = std::nullptr_t> struct FIELDROW {
    static constexpr HELD HELDAS = HOW;
    const char* name;
    MEMBER member;
    COUNT count = nullptr;
    CHUNKIDS ids = {};
    CODINGS coded = {};
    std::int32_t guard = NOGUARD;
    CHUNKIDS size_ids = {};
    ABSENT absent = ABSENT::LEFTOUT;

    constexpr FIELDROW CODED(CODINGS codings) const { return WITH(&FIELDROW::coded, codings); }
    constexpr FIELDROW GUARD(std::int32_t flag) const { return WITH(&FIELDROW::guard, flag); }
    constexpr FIELDROW SIZEDBY(CHUNKIDS sizes) const { return WITH(&FIELDROW::size_ids, sizes); }
    constexpr FIELDROW ALWAYSWRITTEN() const { return WITH(&FIELDROW::absent, ABSENT::WRITTEN); }

private:
    template <typename VALUE> constexpr FIELDROW WITH(VALUE FIELDROW::*member, VALUE value) const {
        FIELDROW row = *this;
        row.*member = value;
        return row;
    }
};

template <typename RECORD> struct RECORDFIELDS;

// The base of every record's table: what makes its rows, and the walk over
// them.
template <typename RECORD> struct FIELDTABLE {
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        std::apply([&visit](const auto&... rows) { (VISITROW(rows, visit), ...); },
                   RECORDFIELDS<RECORD>::ROWS);
    }

protected:
    using NUMBERMEMBER = std::int32_t RECORD::*;

    static constexpr FIELDROW<HELD::NUMBER, NUMBERMEMBER>
    NUMBER(const char* name, NUMBERMEMBER member, CHUNKIDS ids = {}) {
        return {name, member, nullptr, ids};
    }
    static constexpr FIELDROW<HELD::CODE, NUMBERMEMBER> CODE(const char* name,
                                                             NUMBERMEMBER member) {
        return {name, member};
    }
    static constexpr FIELDROW<HELD::FLAG, std::uint8_t RECORD::*>
    FLAG(const char* name, std::uint8_t RECORD::*member, CHUNKIDS ids = {}) {
        return {name, member, nullptr, ids};
    }
    static constexpr FIELDROW<HELD::NAME, char * RECORD::*>
    NAME(const char* name, char* RECORD::*member, CHUNKIDS ids = {}) {
        return {name, member, nullptr, ids};
    }
    static constexpr FIELDROW<HELD::KIND, NUMBERMEMBER> KIND(const char* name,
                                                             NUMBERMEMBER member) {
        return {name, member};
    }
    template <typename OWNED>
    static constexpr FIELDROW<HELD::CHILD, OWNED * RECORD::*>
    CHILD(const char* name, OWNED* RECORD::*member, CHUNKIDS ids = {}) {
        return {name, member, nullptr, ids};
    }
    template <typename ELEMENT>
    static constexpr FIELDROW<HELD::RECORDS, ELEMENT * RECORD::*, NUMBERMEMBER>
    RECORDS(const char* name, ELEMENT* RECORD::*array, NUMBERMEMBER count, CHUNKIDS ids = {}) {
        return {name, array, count, ids};
    }
    static constexpr FIELDROW<HELD::NUMBERS, std::int32_t * RECORD::*, NUMBERMEMBER>
    NUMBERS(const char* name, std::int32_t* RECORD::*array, NUMBERMEMBER count) {
        return {name, array, count};
    }
    static constexpr FIELDROW<HELD::KEPTCHUNKS, EXTRACHUNKS * RECORD::*>
    KEPTCHUNKS(const char* name, EXTRACHUNKS* RECORD::*member, CHUNKIDS ids = {}) {
        return {name, member, nullptr, ids};
    }

private:
    template <typename ROW, typename VISITOR> static void VISITROW(const ROW& row, VISITOR& visit) {
        if constexpr (ROW::HELDAS == HELD::NUMBER) {
            visit.NUMBER(row.name, row.member);
        } else if constexpr (ROW::HELDAS == HELD::CODE) {
            visit.CODE(row.name, row.member);
        } else if constexpr (ROW::HELDAS == HELD::FLAG) {
            visit.FLAG(row.name, row.member);
        } else if constexpr (ROW::HELDAS == HELD::NAME) {
            visit.NAME(row.name, row.member);
        } else if constexpr (ROW::HELDAS == HELD::KIND) {
            visit.KIND(row.name, row.member);
        } else if constexpr (ROW::HELDAS == HELD::CHILD) {
            visit.CHILD(row.name, row.member);
        } else if constexpr (ROW::HELDAS == HELD::RECORDS) {
            visit.RECORDS(row.name, row.member, row.count);
        } else if constexpr (ROW::HELDAS == HELD::NUMBERS) {
            visit.NUMBERS(row.name, row.member, row.count);
        } else {
            visit.KEPTCHUNKS(row.name, row.member);
        }
    }
};

// A map page's or a battle page's condition chunk, or a common event's
// switch. enemy_hp_id and turn_enemy_id are held as a battle page encodes
// them.
template <> struct RECORDFIELDS<CONDITION> : FIELDTABLE<CONDITION> {
private:
    using MAP = MAPCONDITIONCHUNK;
    using BATTLE = BATTLECONDITIONCHUNK;
    using COMMON = COMMONEVENTCHUNK;

public:
    static constexpr const char* RECORDNAME = "CONDITION";
    static constexpr auto ROWS = std::tuple{
        NUMBER("flags", &CONDITION::flags, {MAP::FLAGS, BATTLE::FLAGS, COMMON::SWITCHFLAG})
            .CODED({CODING::MAPFLAGBYTE, CODING::BATTLEFLAGWORD, CODING::COMMONSWITCHFLAG}),
        NUMBER("switch_a_id", &CONDITION::switch_a_id,
               {MAP::SWITCHA, BATTLE::SWITCHA, COMMON::SWITCHID})
            .GUARD(CF_SWITCH_A),
        NUMBER("switch_b_id", &CONDITION::switch_b_id, {MAP::SWITCHB, BATTLE::SWITCHB})
            .GUARD(CF_SWITCH_B),
        NUMBER("variable_id", &CONDITION::variable_id, {MAP::VARIABLEID, BATTLE::VARIABLEID})
            .GUARD(CF_VARIABLE),
        NUMBER("variable_value", &CONDITION::variable_value,
               {MAP::VARIABLEVALUE, BATTLE::VARIABLEVALUE})
            .GUARD(CF_VARIABLE),
        NUMBER("variable_compare", &CONDITION::variable_compare, {MAP::VARIABLECOMPARE})
            .GUARD(CF_VARIABLE),
        NUMBER("item_id", &CONDITION::item_id, {MAP::ITEMID}).GUARD(CF_ITEM),
        NUMBER("actor_id", &CONDITION::actor_id, {MAP::ACTORID}).GUARD(CF_ACTOR),
        NUMBER("timer_seconds", &CONDITION::timer_seconds, {MAP::TIMERSECONDS}).GUARD(CF_TIMER),
        NUMBER("timer_2_seconds", &CONDITION::timer_2_seconds, {MAP::TIMER2SECONDS})
            .GUARD(CF_TIMER_2),
        NUMBER("turn_a", &CONDITION::turn_a, {NOCHUNK, BATTLE::TURNA}).GUARD(CF_TURN),
        NUMBER("turn_b", &CONDITION::turn_b, {NOCHUNK, BATTLE::TURNB}).GUARD(CF_TURN),
        NUMBER("turn_enemy_id", &CONDITION::turn_enemy_id, {NOCHUNK, BATTLE::TURNENEMYID})
            .GUARD(CF_TURN_ENEMY),
        NUMBER("turn_enemy_a", &CONDITION::turn_enemy_a, {NOCHUNK, BATTLE::TURNENEMYA})
            .GUARD(CF_TURN_ENEMY),
        NUMBER("turn_enemy_b", &CONDITION::turn_enemy_b, {NOCHUNK, BATTLE::TURNENEMYB})
            .GUARD(CF_TURN_ENEMY),
        NUMBER("turn_actor_id", &CONDITION::turn_actor_id, {NOCHUNK, BATTLE::TURNACTORID})
            .GUARD(CF_TURN_ACTOR),
        NUMBER("turn_actor_a", &CONDITION::turn_actor_a, {NOCHUNK, BATTLE::TURNACTORA})
            .GUARD(CF_TURN_ACTOR),
        NUMBER("turn_actor_b", &CONDITION::turn_actor_b, {NOCHUNK, BATTLE::TURNACTORB})
            .GUARD(CF_TURN_ACTOR),
        NUMBER("fatigue_min", &CONDITION::fatigue_min, {NOCHUNK, BATTLE::FATIGUEMIN})
            .GUARD(CF_FATIGUE),
        NUMBER("fatigue_max", &CONDITION::fatigue_max, {NOCHUNK, BATTLE::FATIGUEMAX})
            .GUARD(CF_FATIGUE),
        NUMBER("enemy_hp_id", &CONDITION::enemy_hp_id, {NOCHUNK, BATTLE::ENEMYHPID})
            .GUARD(CF_ENEMY_HP),
        NUMBER("enemy_hp_min", &CONDITION::enemy_hp_min, {NOCHUNK, BATTLE::ENEMYHPMIN})
            .GUARD(CF_ENEMY_HP),
        NUMBER("enemy_hp_max", &CONDITION::enemy_hp_max, {NOCHUNK, BATTLE::ENEMYHPMAX})
            .GUARD(CF_ENEMY_HP),
        NUMBER("actor_hp_id", &CONDITION::actor_hp_id, {NOCHUNK, BATTLE::ACTORHPID})
            .GUARD(CF_ACTOR_HP),
        NUMBER("actor_hp_min", &CONDITION::actor_hp_min, {NOCHUNK, BATTLE::ACTORHPMIN})
            .GUARD(CF_ACTOR_HP),
        NUMBER("actor_hp_max", &CONDITION::actor_hp_max, {NOCHUNK, BATTLE::ACTORHPMAX})
            .GUARD(CF_ACTOR_HP),
        NUMBER("command_actor_id", &CONDITION::command_actor_id, {NOCHUNK, BATTLE::COMMANDACTORID})
            .GUARD(CF_COMMAND_ACTOR),
        NUMBER("command_id", &CONDITION::command_id, {NOCHUNK, BATTLE::COMMANDID})
            .GUARD(CF_COMMAND_ACTOR),
    };
};

template <> struct RECORDFIELDS<MOVECOMMAND> : FIELDTABLE<MOVECOMMAND> {
    static constexpr const char* RECORDNAME = "MOVECOMMAND";
    static constexpr auto ROWS = std::tuple{
        CODE("code", &MOVECOMMAND::code),
        NUMBER("switch_id", &MOVECOMMAND::switch_id),
        NAME("graphic_name", &MOVECOMMAND::graphic_name),
        NUMBER("graphic_index", &MOVECOMMAND::graphic_index),
        NAME("sound_name", &MOVECOMMAND::sound_name),
        NUMBER("volume", &MOVECOMMAND::volume),
        NUMBER("tempo", &MOVECOMMAND::tempo),
        NUMBER("balance", &MOVECOMMAND::balance),
    };
};

// A set-move-route command's route, whose numbers are its command's
// parameters, or a map page's own route chunk. The own route's target and
// frequency are no chunks of it: see OWNROUTE.
template <> struct RECORDFIELDS<MOVEROUTE> : FIELDTABLE<MOVEROUTE> {
private:
    using MAP = PAGEROUTECHUNK;

public:
    static constexpr const char* RECORDNAME = "MOVEROUTE";
    static constexpr auto ROWS = std::tuple{
        NUMBER("target", &MOVEROUTE::target),
        NUMBER("frequency", &MOVEROUTE::frequency),
        FLAG("repeat", &MOVEROUTE::repeat, {MAP::REPEAT}),
        FLAG("skippable", &MOVEROUTE::skippable, {MAP::SKIPPABLE}),
        RECORDS("commands", &MOVEROUTE::commands, &MOVEROUTE::command_count, {MAP::ROUTE})
            .SIZEDBY({MAP::ROUTESIZE}),
    };
};

template <> struct RECORDFIELDS<EVENTCOMMAND> : FIELDTABLE<EVENTCOMMAND> {
    static constexpr const char* RECORDNAME = "EVENTCOMMAND";
    static constexpr auto ROWS = std::tuple{
        CODE("code", &EVENTCOMMAND::code),
        NUMBER("indent", &EVENTCOMMAND::indent),
        NAME("string_parameter", &EVENTCOMMAND::string_parameter),
        NUMBERS("parameters", &EVENTCOMMAND::parameters, &EVENTCOMMAND::parameter_count),
        CHILD("move_route", &EVENTCOMMAND::move_route),
    };
};

// A map page, a battle page or a common event's page. The number is no chunk
// of the page: a page list leads each page with it, and a lone page's content
// holds it in its 4-byte field.
template <> struct RECORDFIELDS<EVENTPAGE> : FIELDTABLE<EVENTPAGE> {
private:
    using MAP = MAPPAGECHUNK;
    using BATTLE = BATTLEPAGECHUNK;
    using COMMON = COMMONEVENTCHUNK;

public:
    static constexpr const char* RECORDNAME = "EVENTPAGE";
    static constexpr auto ROWS = std::tuple{
        NUMBER("number", &EVENTPAGE::number),
        NAME("graphic_name", &EVENTPAGE::graphic_name, {MAP::GRAPHICNAME}),
        NUMBER("graphic_index", &EVENTPAGE::graphic_index, {MAP::GRAPHICINDEX}),
        FLAG("transparent", &EVENTPAGE::transparent, {MAP::TRANSPARENT}),
        NUMBER("graphic_direction", &EVENTPAGE::graphic_direction, {MAP::GRAPHICDIRECTION}),
        NUMBER("graphic_pattern", &EVENTPAGE::graphic_pattern, {MAP::GRAPHICPATTERN}),
        NUMBER("trigger", &EVENTPAGE::trigger, {MAP::TRIGGER, NOCHUNK, COMMON::TRIGGER})
            .CODED({CODING::PLAIN, CODING::PLAIN, CODING::COMMONTRIGGER}),
        FLAG("overlap_forbidden", &EVENTPAGE::overlap_forbidden, {MAP::OVERLAPFORBIDDEN}),
        NUMBER("move_type", &EVENTPAGE::move_type, {MAP::MOVETYPE}),
        NUMBER("move_speed", &EVENTPAGE::move_speed, {MAP::MOVESPEED}),
        NUMBER("move_frequency", &EVENTPAGE::move_frequency, {MAP::MOVEFREQUENCY}),
        NUMBER("animation_type", &EVENTPAGE::animation_type, {MAP::ANIMATIONTYPE}),
        NUMBER("layer", &EVENTPAGE::layer, {MAP::LAYER}),
        CHILD("condition", &EVENTPAGE::condition, {MAP::CONDITION, BATTLE::CONDITION})
            .ALWAYSWRITTEN(),
        CHILD("move_route", &EVENTPAGE::move_route, {MAP::MOVEROUTE}).CODED({CODING::OWNROUTE}),
        RECORDS("commands", &EVENTPAGE::commands, &EVENTPAGE::command_count,
                {MAP::COMMANDS, BATTLE::COMMANDS, COMMON::COMMANDS})
            .SIZEDBY({MAP::COMMANDSIZE, BATTLE::COMMANDSIZE, COMMON::COMMANDSIZE}),
    };
};

// A map event, a monster group or a common event. The kind and a group's or
// common event's id are no chunks: the content's format and its 4-byte field
// give them. A monster group keeps the chunks it does not know, and writes
// them where their row stands: after its name, before its page list, whatever
// their ids. A common event's page and condition are no chunks of their own:
// their rows for a common event lie in the event's own chunk list.
template <> struct RECORDFIELDS<EVENT> : FIELDTABLE<EVENT> {
private:
    using MAP = MAPEVENTCHUNK;
    using BATTLE = MONSTERGROUPCHUNK;
    using COMMON = COMMONEVENTCHUNK;

public:
    static constexpr const char* RECORDNAME = "EVENT";
    static constexpr auto ROWS = std::tuple{
        KIND("kind", &EVENT::kind),
        NUMBER("id", &EVENT::id),
        NUMBER("x", &EVENT::x, {MAP::X}),
        NUMBER("y", &EVENT::y, {MAP::Y}),
        NAME("name", &EVENT::name, {MAP::NAME, BATTLE::NAME, COMMON::NAME}).ALWAYSWRITTEN(),
        KEPTCHUNKS("extra_chunks", &EVENT::extra_chunks, {NOCHUNK, UNCLAIMEDCHUNKS}),
        RECORDS("pages", &EVENT::pages, &EVENT::page_count, {MAP::PAGES, BATTLE::PAGES}),
    };
};

// The default of a field: what a default record holds.
template <typename RECORD, typename VALUE> VALUE DEFAULTOF(VALUE RECORD::*member) {
    static const RECORD defaults{};
    return defaults.*member;
}

} // namespace KESTREL

#endif
