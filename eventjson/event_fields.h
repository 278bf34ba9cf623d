// The record fields that the JSON form holds as plain values, per record, in
// the order of the records: numbers, 8-bit flags and names, each under its
// field's name. The writer and the reader of the form share these tables;
// nested records and arrays are theirs to handle.
#ifndef PAGEWRIGHT_EVENTJSON_EVENT_FIELDS_H
#define PAGEWRIGHT_EVENTJSON_EVENT_FIELDS_H

#include "kestrel.h"

#include <cstdint>

namespace PAGEWRIGHT {

// Exactly one of the member pointers is set. A field equal to the record's
// default is left out of the JSON, except a code, which says what a command
// is.
template <typename RECORD> struct FIELD {
    const char* key;
    std::int32_t RECORD::*number = nullptr;
    std::uint8_t RECORD::*flag = nullptr;
    char* RECORD::*name = nullptr;
    bool always = false;
};

template <typename RECORD>
constexpr FIELD<RECORD> NUMBER(const char* key, std::int32_t RECORD::*member) {
    return {key, member, nullptr, nullptr, false};
}
template <typename RECORD>
constexpr FIELD<RECORD> CODE(const char* key, std::int32_t RECORD::*member) {
    return {key, member, nullptr, nullptr, true};
}
template <typename RECORD>
constexpr FIELD<RECORD> FLAG(const char* key, std::uint8_t RECORD::*member) {
    return {key, nullptr, member, nullptr, false};
}
template <typename RECORD> constexpr FIELD<RECORD> NAME(const char* key, char* RECORD::*member) {
    return {key, nullptr, nullptr, member, false};
}

inline constexpr FIELD<KESTREL::CONDITION> CONDITIONFIELDS[] = {
    NUMBER("flags", &KESTREL::CONDITION::flags),
    NUMBER("switch_a_id", &KESTREL::CONDITION::switch_a_id),
    NUMBER("switch_b_id", &KESTREL::CONDITION::switch_b_id),
    NUMBER("variable_id", &KESTREL::CONDITION::variable_id),
    NUMBER("variable_value", &KESTREL::CONDITION::variable_value),
    NUMBER("variable_compare", &KESTREL::CONDITION::variable_compare),
    NUMBER("item_id", &KESTREL::CONDITION::item_id),
    NUMBER("actor_id", &KESTREL::CONDITION::actor_id),
    NUMBER("timer_seconds", &KESTREL::CONDITION::timer_seconds),
    NUMBER("timer_2_seconds", &KESTREL::CONDITION::timer_2_seconds),
    NUMBER("turn_a", &KESTREL::CONDITION::turn_a),
    NUMBER("turn_b", &KESTREL::CONDITION::turn_b),
    NUMBER("turn_enemy_id", &KESTREL::CONDITION::turn_enemy_id),
    NUMBER("turn_enemy_a", &KESTREL::CONDITION::turn_enemy_a),
    NUMBER("turn_enemy_b", &KESTREL::CONDITION::turn_enemy_b),
    NUMBER("turn_actor_id", &KESTREL::CONDITION::turn_actor_id),
    NUMBER("turn_actor_a", &KESTREL::CONDITION::turn_actor_a),
    NUMBER("turn_actor_b", &KESTREL::CONDITION::turn_actor_b),
    NUMBER("fatigue_min", &KESTREL::CONDITION::fatigue_min),
    NUMBER("fatigue_max", &KESTREL::CONDITION::fatigue_max),
    NUMBER("enemy_hp_id", &KESTREL::CONDITION::enemy_hp_id),
    NUMBER("enemy_hp_min", &KESTREL::CONDITION::enemy_hp_min),
    NUMBER("enemy_hp_max", &KESTREL::CONDITION::enemy_hp_max),
    NUMBER("actor_hp_id", &KESTREL::CONDITION::actor_hp_id),
    NUMBER("actor_hp_min", &KESTREL::CONDITION::actor_hp_min),
    NUMBER("actor_hp_max", &KESTREL::CONDITION::actor_hp_max),
    NUMBER("command_actor_id", &KESTREL::CONDITION::command_actor_id),
    NUMBER("command_id", &KESTREL::CONDITION::command_id),
};

inline constexpr FIELD<KESTREL::MOVECOMMAND> MOVECOMMANDFIELDS[] = {
    CODE("code", &KESTREL::MOVECOMMAND::code),
    NUMBER("switch_id", &KESTREL::MOVECOMMAND::switch_id),
    NAME("graphic_name", &KESTREL::MOVECOMMAND::graphic_name),
    NUMBER("graphic_index", &KESTREL::MOVECOMMAND::graphic_index),
    NAME("sound_name", &KESTREL::MOVECOMMAND::sound_name),
    NUMBER("volume", &KESTREL::MOVECOMMAND::volume),
    NUMBER("tempo", &KESTREL::MOVECOMMAND::tempo),
    NUMBER("balance", &KESTREL::MOVECOMMAND::balance),
};

// Followed by "commands".
inline constexpr FIELD<KESTREL::MOVEROUTE> MOVEROUTEFIELDS[] = {
    NUMBER("target", &KESTREL::MOVEROUTE::target),
    NUMBER("frequency", &KESTREL::MOVEROUTE::frequency),
    FLAG("repeat", &KESTREL::MOVEROUTE::repeat),
    FLAG("skippable", &KESTREL::MOVEROUTE::skippable),
};

// Led by "command", the code's name; followed by "parameters" and
// "move_route".
inline constexpr FIELD<KESTREL::EVENTCOMMAND> EVENTCOMMANDFIELDS[] = {
    CODE("code", &KESTREL::EVENTCOMMAND::code),
    NUMBER("indent", &KESTREL::EVENTCOMMAND::indent),
    NAME("string_parameter", &KESTREL::EVENTCOMMAND::string_parameter),
};

// Followed by "condition", "move_route" and "commands".
inline constexpr FIELD<KESTREL::EVENTPAGE> EVENTPAGEFIELDS[] = {
    NUMBER("number", &KESTREL::EVENTPAGE::number),
    NAME("graphic_name", &KESTREL::EVENTPAGE::graphic_name),
    NUMBER("graphic_index", &KESTREL::EVENTPAGE::graphic_index),
    FLAG("transparent", &KESTREL::EVENTPAGE::transparent),
    NUMBER("graphic_direction", &KESTREL::EVENTPAGE::graphic_direction),
    NUMBER("graphic_pattern", &KESTREL::EVENTPAGE::graphic_pattern),
    NUMBER("trigger", &KESTREL::EVENTPAGE::trigger),
    FLAG("overlap_forbidden", &KESTREL::EVENTPAGE::overlap_forbidden),
    NUMBER("move_type", &KESTREL::EVENTPAGE::move_type),
    NUMBER("move_speed", &KESTREL::EVENTPAGE::move_speed),
    NUMBER("move_frequency", &KESTREL::EVENTPAGE::move_frequency),
    NUMBER("animation_type", &KESTREL::EVENTPAGE::animation_type),
    NUMBER("layer", &KESTREL::EVENTPAGE::layer),
};

// Led by "format" and "kind"; followed by "extra_chunks" and "pages".
inline constexpr FIELD<KESTREL::EVENT> EVENTFIELDS[] = {
    NUMBER("id", &KESTREL::EVENT::id),
    NUMBER("x", &KESTREL::EVENT::x),
    NUMBER("y", &KESTREL::EVENT::y),
    NAME("name", &KESTREL::EVENT::name),
};

} // namespace PAGEWRIGHT

#endif
