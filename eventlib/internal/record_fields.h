// Every field of the event records, named and typed once. The readable forms
// of a tree (its JSON, its dump, its listing) all go by these descriptions:
// a field's name is its name in kestrel.h, and its default is the value a
// default record holds.
//
// RECORDFIELDS<RECORD>::VISIT(visitor) hands the visitor each field of the
// record, in the order in which the readable forms write them: the record's
// own values first, then the records and arrays it owns. Each call names the
// field and gives its member; the call says how the field is held:
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
#ifndef PAGEWRIGHT_RECORD_FIELDS_H
#define PAGEWRIGHT_RECORD_FIELDS_H

#include "kestrel.h"

namespace KESTREL {

template <typename RECORD> struct RECORDFIELDS;

template <> struct RECORDFIELDS<CONDITION> {
    static constexpr const char* RECORDNAME = "CONDITION";
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        visit.NUMBER("flags", &CONDITION::flags);
        visit.NUMBER("switch_a_id", &CONDITION::switch_a_id);
        visit.NUMBER("switch_b_id", &CONDITION::switch_b_id);
        visit.NUMBER("variable_id", &CONDITION::variable_id);
        visit.NUMBER("variable_value", &CONDITION::variable_value);
        visit.NUMBER("variable_compare", &CONDITION::variable_compare);
        visit.NUMBER("item_id", &CONDITION::item_id);
        visit.NUMBER("actor_id", &CONDITION::actor_id);
        visit.NUMBER("timer_seconds", &CONDITION::timer_seconds);
        visit.NUMBER("timer_2_seconds", &CONDITION::timer_2_seconds);
        visit.NUMBER("turn_a", &CONDITION::turn_a);
        visit.NUMBER("turn_b", &CONDITION::turn_b);
        visit.NUMBER("turn_enemy_id", &CONDITION::turn_enemy_id);
        visit.NUMBER("turn_enemy_a", &CONDITION::turn_enemy_a);
        visit.NUMBER("turn_enemy_b", &CONDITION::turn_enemy_b);
        visit.NUMBER("turn_actor_id", &CONDITION::turn_actor_id);
        visit.NUMBER("turn_actor_a", &CONDITION::turn_actor_a);
        visit.NUMBER("turn_actor_b", &CONDITION::turn_actor_b);
        visit.NUMBER("fatigue_min", &CONDITION::fatigue_min);
        visit.NUMBER("fatigue_max", &CONDITION::fatigue_max);
        visit.NUMBER("enemy_hp_id", &CONDITION::enemy_hp_id);
        visit.NUMBER("enemy_hp_min", &CONDITION::enemy_hp_min);
        visit.NUMBER("enemy_hp_max", &CONDITION::enemy_hp_max);
        visit.NUMBER("actor_hp_id", &CONDITION::actor_hp_id);
        visit.NUMBER("actor_hp_min", &CONDITION::actor_hp_min);
        visit.NUMBER("actor_hp_max", &CONDITION::actor_hp_max);
        visit.NUMBER("command_actor_id", &CONDITION::command_actor_id);
        visit.NUMBER("command_id", &CONDITION::command_id);
    }
};

template <> struct RECORDFIELDS<MOVECOMMAND> {
    static constexpr const char* RECORDNAME = "MOVECOMMAND";
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        visit.CODE("code", &MOVECOMMAND::code);
        visit.NUMBER("switch_id", &MOVECOMMAND::switch_id);
        visit.NAME("graphic_name", &MOVECOMMAND::graphic_name);
        visit.NUMBER("graphic_index", &MOVECOMMAND::graphic_index);
        visit.NAME("sound_name", &MOVECOMMAND::sound_name);
        visit.NUMBER("volume", &MOVECOMMAND::volume);
        visit.NUMBER("tempo", &MOVECOMMAND::tempo);
        visit.NUMBER("balance", &MOVECOMMAND::balance);
    }
};

template <> struct RECORDFIELDS<MOVEROUTE> {
    static constexpr const char* RECORDNAME = "MOVEROUTE";
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        visit.NUMBER("target", &MOVEROUTE::target);
        visit.NUMBER("frequency", &MOVEROUTE::frequency);
        visit.FLAG("repeat", &MOVEROUTE::repeat);
        visit.FLAG("skippable", &MOVEROUTE::skippable);
        visit.RECORDS("commands", &MOVEROUTE::commands, &MOVEROUTE::command_count);
    }
};

template <> struct RECORDFIELDS<EVENTCOMMAND> {
    static constexpr const char* RECORDNAME = "EVENTCOMMAND";
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        visit.CODE("code", &EVENTCOMMAND::code);
        visit.NUMBER("indent", &EVENTCOMMAND::indent);
        visit.NAME("string_parameter", &EVENTCOMMAND::string_parameter);
        visit.NUMBERS("parameters", &EVENTCOMMAND::parameters, &EVENTCOMMAND::parameter_count);
        visit.CHILD("move_route", &EVENTCOMMAND::move_route);
    }
};

template <> struct RECORDFIELDS<EVENTPAGE> {
    static constexpr const char* RECORDNAME = "EVENTPAGE";
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        visit.NUMBER("number", &EVENTPAGE::number);
        visit.NAME("graphic_name", &EVENTPAGE::graphic_name);
        visit.NUMBER("graphic_index", &EVENTPAGE::graphic_index);
        visit.FLAG("transparent", &EVENTPAGE::transparent);
        visit.NUMBER("graphic_direction", &EVENTPAGE::graphic_direction);
        visit.NUMBER("graphic_pattern", &EVENTPAGE::graphic_pattern);
        visit.NUMBER("trigger", &EVENTPAGE::trigger);
        visit.FLAG("overlap_forbidden", &EVENTPAGE::overlap_forbidden);
        visit.NUMBER("move_type", &EVENTPAGE::move_type);
        visit.NUMBER("move_speed", &EVENTPAGE::move_speed);
        visit.NUMBER("move_frequency", &EVENTPAGE::move_frequency);
        visit.NUMBER("animation_type", &EVENTPAGE::animation_type);
        visit.NUMBER("layer", &EVENTPAGE::layer);
        visit.CHILD("condition", &EVENTPAGE::condition);
        visit.CHILD("move_route", &EVENTPAGE::move_route);
        visit.RECORDS("commands", &EVENTPAGE::commands, &EVENTPAGE::command_count);
    }
};

template <> struct RECORDFIELDS<EVENT> {
    static constexpr const char* RECORDNAME = "EVENT";
    template <typename VISITOR> static void VISIT(VISITOR& visit) {
        visit.KIND("kind", &EVENT::kind);
        visit.NUMBER("id", &EVENT::id);
        visit.NUMBER("x", &EVENT::x);
        visit.NUMBER("y", &EVENT::y);
        visit.NAME("name", &EVENT::name);
        visit.KEPTCHUNKS("extra_chunks", &EVENT::extra_chunks);
        visit.RECORDS("pages", &EVENT::pages, &EVENT::page_count);
    }
};

// The default of a field: what a default record holds.
template <typename RECORD, typename VALUE> VALUE DEFAULTOF(VALUE RECORD::*member) {
    static const RECORD defaults{};
    return defaults.*member;
}

} // namespace KESTREL

#endif
