#include "tree_dump.h"

#include <cstdio>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

class DUMPER {
public:
    std::string text;

    void EVENTRECORD(const EVENT& event) {
        LINE(0, "EVENT");
        FIELD("kind", event.kind);
        FIELD("id", event.id);
        FIELD("x", event.x);
        FIELD("y", event.y);
        NAME("name", event.name);
        FIELD("page_count", event.page_count);
        for (int i = 0; i < event.page_count; ++i)
            PAGE(event.pages[i]);
        if (event.extra_chunks) KEPTCHUNKS(*event.extra_chunks);
    }

private:
    void LINE(int depth, const char* record) {
        if (!text.empty()) text += '\n';
        text.append(static_cast<std::size_t>(depth) * 2, ' ');
        text += record;
    }

    void FIELD(const char* name, long long value) {
        char number[32];
        std::snprintf(number, sizeof number, "%lld", value);
        PAIR(name, number);
    }

    void PAIR(const char* name, const std::string& value) {
        text += ' ';
        text += name;
        text += '=';
        text += value;
    }

    // Names are bytes in the game's code page: printable ASCII stays, every
    // other byte is escaped.
    void NAME(const char* name, const char* value) {
        if (!value) {
            PAIR(name, "null");
            return;
        }
        std::string quoted = "\"";
        for (const char* c = value; *c; ++c) {
            const auto byte = static_cast<unsigned char>(*c);
            if (byte < 0x20 || byte >= 0x7F || byte == '"' || byte == '\\') {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                quoted += escaped;
            } else {
                quoted += *c;
            }
        }
        PAIR(name, quoted + "\"");
    }

    void PAGE(const EVENTPAGE& page) {
        LINE(1, "EVENTPAGE");
        FIELD("number", page.number);
        NAME("graphic_name", page.graphic_name);
        FIELD("graphic_index", page.graphic_index);
        FIELD("transparent", page.transparent);
        FIELD("graphic_direction", page.graphic_direction);
        FIELD("graphic_pattern", page.graphic_pattern);
        FIELD("trigger", page.trigger);
        FIELD("overlap_forbidden", page.overlap_forbidden);
        FIELD("move_type", page.move_type);
        FIELD("move_speed", page.move_speed);
        FIELD("move_frequency", page.move_frequency);
        FIELD("animation_type", page.animation_type);
        FIELD("layer", page.layer);
        FIELD("command_count", page.command_count);
        if (page.condition) CONDITIONRECORD(*page.condition);
        if (page.move_route) ROUTE(*page.move_route, 2);
        for (int i = 0; i < page.command_count; ++i)
            COMMAND(page.commands[i]);
    }

    void CONDITIONRECORD(const CONDITION& condition) {
        LINE(2, "CONDITION");
        char flags[16];
        std::snprintf(flags, sizeof flags, "0x%04X", static_cast<unsigned>(condition.flags));
        PAIR("flags", flags);
        FIELD("switch_a_id", condition.switch_a_id);
        FIELD("switch_b_id", condition.switch_b_id);
        FIELD("variable_id", condition.variable_id);
        FIELD("variable_value", condition.variable_value);
        FIELD("variable_compare", condition.variable_compare);
        FIELD("item_id", condition.item_id);
        FIELD("actor_id", condition.actor_id);
        FIELD("timer_seconds", condition.timer_seconds);
        FIELD("timer_2_seconds", condition.timer_2_seconds);
        FIELD("turn_a", condition.turn_a);
        FIELD("turn_b", condition.turn_b);
        FIELD("turn_enemy_id", condition.turn_enemy_id);
        FIELD("turn_enemy_a", condition.turn_enemy_a);
        FIELD("turn_enemy_b", condition.turn_enemy_b);
        FIELD("turn_actor_id", condition.turn_actor_id);
        FIELD("turn_actor_a", condition.turn_actor_a);
        FIELD("turn_actor_b", condition.turn_actor_b);
        FIELD("fatigue_min", condition.fatigue_min);
        FIELD("fatigue_max", condition.fatigue_max);
        FIELD("enemy_hp_id", condition.enemy_hp_id);
        FIELD("enemy_hp_min", condition.enemy_hp_min);
        FIELD("enemy_hp_max", condition.enemy_hp_max);
        FIELD("actor_hp_id", condition.actor_hp_id);
        FIELD("actor_hp_min", condition.actor_hp_min);
        FIELD("actor_hp_max", condition.actor_hp_max);
        FIELD("command_actor_id", condition.command_actor_id);
        FIELD("command_id", condition.command_id);
    }

    void ROUTE(const MOVEROUTE& route, int depth) {
        LINE(depth, "MOVEROUTE");
        FIELD("target", route.target);
        FIELD("frequency", route.frequency);
        FIELD("repeat", route.repeat);
        FIELD("skippable", route.skippable);
        FIELD("command_count", route.command_count);
        for (int i = 0; i < route.command_count; ++i) {
            const MOVECOMMAND& move = route.commands[i];
            LINE(depth + 1, "MOVECOMMAND");
            FIELD("code", move.code);
            FIELD("switch_id", move.switch_id);
            NAME("graphic_name", move.graphic_name);
            FIELD("graphic_index", move.graphic_index);
            NAME("sound_name", move.sound_name);
            FIELD("volume", move.volume);
            FIELD("tempo", move.tempo);
            FIELD("balance", move.balance);
        }
    }

    void COMMAND(const EVENTCOMMAND& command) {
        LINE(2, "EVENTCOMMAND");
        FIELD("code", command.code);
        FIELD("indent", command.indent);
        NAME("string_parameter", command.string_parameter);
        FIELD("parameter_count", command.parameter_count);
        std::string parameters = "[";
        for (int i = 0; command.parameters && i < command.parameter_count; ++i) {
            if (i) parameters += ',';
            parameters += std::to_string(command.parameters[i]);
        }
        PAIR("parameters", parameters + "]");
        if (command.move_route) ROUTE(*command.move_route, 3);
    }

    void KEPTCHUNKS(const EXTRACHUNKS& kept) {
        for (int id = 0; id < 256; ++id) {
            const std::string& payload = kept.entries[id];
            if (payload.empty()) continue;
            LINE(1, "EXTRACHUNK");
            FIELD("id", id);
            FIELD("bytes", static_cast<long long>(payload.size()));
            std::string hex;
            for (const char byte : payload) {
                char pair[4];
                std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(byte));
                hex += pair;
            }
            PAIR("payload", hex);
        }
    }
};

} // namespace

std::string DUMPTREE(const EVENT& event) {
    DUMPER dumper;
    dumper.EVENTRECORD(event);
    return dumper.text + '\n';
}

} // namespace PAGEWRIGHT
