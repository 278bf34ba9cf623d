#include "command_value.h"

#include "event_codes.h"
#include "kestrel_internal.h"

#include <algorithm>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

std::string NAMEBYTES(const char* name) {
    return name ? std::string(name) : std::string();
}

// The fields a move command's code writes beside the code, each as the step
// value's field and the record's.
template <typename PAIR> void WRITTENFIELDS(std::int32_t code, PAIR pair) {
    switch (code) {
    case SWITCHON:
    case SWITCHOFF:
        pair(&STEPVALUE::number, &MOVECOMMAND::switch_id);
        break;
    case CHANGEGRAPHIC:
        pair(&STEPVALUE::name, &MOVECOMMAND::graphic_name);
        pair(&STEPVALUE::number, &MOVECOMMAND::graphic_index);
        break;
    case PLAYSOUND:
        pair(&STEPVALUE::name, &MOVECOMMAND::sound_name);
        pair(&STEPVALUE::volume, &MOVECOMMAND::volume);
        pair(&STEPVALUE::tempo, &MOVECOMMAND::tempo);
        pair(&STEPVALUE::balance, &MOVECOMMAND::balance);
        break;
    default:
        break;
    }
}

void ASSIGN(std::int32_t& to, std::int32_t from) {
    to = from;
}
void ASSIGN(std::string& to, const char* from) {
    to = NAMEBYTES(from);
}
void ASSIGN(char*& to, const std::string& from) {
    to = COPYNAME(from);
}

// Only what the step's code writes is kept; the rest stays at the defaults.
STEPVALUE STEPOF(const MOVECOMMAND& step) {
    STEPVALUE value;
    value.code = step.code;
    WRITTENFIELDS(step.code, [&](auto value_field, auto record_field) {
        ASSIGN(value.*value_field, step.*record_field);
    });
    return value;
}

void FILLSTEP(MOVECOMMAND& step, const STEPVALUE& value) {
    step.code = value.code;
    WRITTENFIELDS(value.code, [&](auto value_field, auto record_field) {
        ASSIGN(step.*record_field, value.*value_field);
    });
}

} // namespace

bool STEPVALUE::operator==(const STEPVALUE& other) const {
    return code == other.code && number == other.number && name == other.name &&
           volume == other.volume && tempo == other.tempo && balance == other.balance;
}

bool COMMANDVALUE::operator==(const COMMANDVALUE& other) const {
    return code == other.code && indent == other.indent && text == other.text &&
           parameters == other.parameters && steps == other.steps;
}

STEPS STEPSOF(const MOVEROUTE& route) {
    STEPS steps;
    steps.reserve(static_cast<std::size_t>(std::max(route.command_count, 0)));
    for (std::int32_t i = 0; i < route.command_count; ++i)
        steps.push_back(STEPOF(route.commands[i]));
    return steps;
}

// A set-move-route command without a route is written with an empty one; any
// other command with its counted parameters, zeros where it holds no array.
COMMANDVALUE VALUEOF(const EVENTCOMMAND& command) {
    COMMANDVALUE value;
    value.code = command.code;
    value.indent = command.indent;
    value.text = NAMEBYTES(command.string_parameter);
    if (command.code == SETMOVEROUTE) {
        const MOVEROUTE route = command.move_route ? *command.move_route : MOVEROUTE{};
        value.parameters = {route.target, route.frequency, route.repeat, route.skippable};
        value.steps = STEPSOF(route);
        return value;
    }
    const std::int32_t count = std::max(command.parameter_count, 0);
    value.parameters.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        value.parameters.push_back(command.parameters ? command.parameters[i] : 0);
    return value;
}

void FILLSTEPS(MOVEROUTE& route, const STEPS& steps) {
    const auto count = static_cast<std::int32_t>(steps.size());
    route.commands =
        static_cast<MOVECOMMAND*>(RESIZEOBJECTARRAY(nullptr, OT_MOVECOMMAND, 0, count));
    route.command_count = count;
    for (std::int32_t i = 0; i < count; ++i)
        FILLSTEP(route.commands[i], steps[static_cast<std::size_t>(i)]);
}

// An empty text is held as no text, as the decoder holds it. The parameter
// block is as long as the parameters. The four route numbers keep their low 8
// bits where the route holds a byte, as the decoder keeps them.
void FILLCOMMAND(EVENTCOMMAND& command, const COMMANDVALUE& value) {
    command.code = value.code;
    command.indent = value.indent;
    if (!value.text.empty()) command.string_parameter = COPYNAME(value.text);
    if (value.code == SETMOVEROUTE && value.steps) {
        auto* route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
        command.move_route = route;
        const auto number = [&](std::size_t i) {
            return i < value.parameters.size() ? value.parameters[i] : 0;
        };
        route->target = number(0);
        route->frequency = number(1);
        route->repeat = static_cast<std::uint8_t>(number(2));
        route->skippable = static_cast<std::uint8_t>(number(3));
        FILLSTEPS(*route, *value.steps);
        return;
    }
    const auto count = static_cast<std::int32_t>(value.parameters.size());
    command.parameter_count = count;
    command.parameters = RESIZEINTARRAY(nullptr, 0, count);
    std::copy(value.parameters.begin(), value.parameters.end(), command.parameters);
}

} // namespace PAGEWRIGHT
