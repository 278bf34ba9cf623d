#include "formats/commandlist.h"

#include "event_codes.h"
#include "formats/fields.h"
#include "records/record_list.h"
#include "records/release.h"

#include <algorithm>
#include <climits>

namespace KESTREL {
namespace {

// Every command takes at least four numbers (code, indent, text length and
// parameter count), every move command at least one.
constexpr std::int64_t LEASTCOMMANDBYTES = 4;
constexpr std::int64_t LEASTMOVECOMMANDBYTES = 1;

// In per-character form each byte is a number of its own; a byte of 0 leaves
// no trace, as the name ends at its first zero byte anyway.
char* READCHARACTERNAME(CHUNKREADER& reader) {
    const std::int32_t length = reader.LENGTH();
    BYTESTRING bytes;
    for (std::int32_t i = 0; i < length && reader.READABLE() > 0; ++i) {
        const auto byte = static_cast<char>(reader.NUMBER());
        if (byte != '\0') bytes.push_back(byte);
    }
    return COPYNAME(bytes);
}

// A move command's numbers in the order the data holds them, each handed to
// `fields`: NUMBER for a number, NAME for a name. The code comes first and
// decides the rest, so a reader that fills it in sees its own choice. The
// reader, the writer and the count in front of a set-move-route command's
// route all go by this one description.
template <typename COMMAND, typename FIELDS>
void MOVECOMMANDLAYOUT(COMMAND& command, FIELDS& fields) {
    fields.NUMBER(command.code);
    switch (command.code) {
    case SWITCHON:
    case SWITCHOFF:
        fields.NUMBER(command.switch_id);
        break;
    case CHANGEGRAPHIC:
        fields.NAME(command.graphic_name);
        fields.NUMBER(command.graphic_index);
        break;
    case PLAYSOUND:
        fields.NAME(command.sound_name);
        fields.NUMBER(command.volume);
        fields.NUMBER(command.tempo);
        fields.NUMBER(command.balance);
        break;
    default:
        break;
    }
}

struct MOVEFIELDREADER {
    CHUNKREADER& reader;
    std::uint8_t per_character;
    void NUMBER(std::int32_t& value) { value = reader.NUMBER(); }
    void NAME(char*& name) {
        name = per_character ? READCHARACTERNAME(reader) : READNAME(reader, reader.LENGTH());
    }
};

std::int32_t* NEWPARAMETERS(std::int32_t count) {
    return new std::int32_t[std::max(count, MINIMUMPARAMETERS)]();
}

// A set-move-route command keeps its four route numbers and its route, in
// per-character form, in a route of its own. The route's extent is the
// remaining parameter count in numbers, measured on a copy of the reader.
void READROUTEPARAMETERS(CHUNKREADER& reader, EVENTCOMMAND& command) {
    const std::int64_t count = reader.NUMBER();
    command.parameters = NEWPARAMETERS(0);
    auto* route = new MOVEROUTE;
    command.move_route = route;
    route->target = reader.NUMBER();
    route->frequency = reader.NUMBER();
    route->repeat = static_cast<std::uint8_t>(reader.NUMBER());
    route->skippable = static_cast<std::uint8_t>(reader.NUMBER());

    CHUNKREADER probe = reader;
    for (std::int64_t i = ROUTEHEADERNUMBERS; i < count && probe.READABLE() > 0; ++i) {
        probe.NUMBER();
    }
    const std::int64_t length =
        std::min<std::int64_t>(probe.POSITION() - reader.POSITION(), INT_MAX);
    READMOVEROUTE(reader, *route, static_cast<std::int32_t>(length), PERCHARACTERFORM);
}

// More parameters than the data holds numbers would only be zeros read past
// its end, so the count is capped by the bytes left. A negative count holds
// none: kept as it is, it would reach every reader of the record as a loop
// bound below zero.
void READPARAMETERS(CHUNKREADER& reader, EVENTCOMMAND& command) {
    const std::int32_t kept = reader.COUNT(1);
    command.parameter_count = kept;
    command.parameters = NEWPARAMETERS(kept);
    for (std::int32_t i = 0; i < kept; ++i)
        command.parameters[i] = reader.NUMBER();
}

void READCOMMAND(CHUNKREADER& reader, EVENTCOMMAND& command) {
    command.code = reader.NUMBER();
    command.indent = reader.NUMBER();
    const std::int32_t text_length = reader.LENGTH();
    if (text_length != 0) command.string_parameter = READNAME(reader, text_length);
    if (command.code == SETMOVEROUTE) {
        READROUTEPARAMETERS(reader, command);
    } else {
        READPARAMETERS(reader, command);
    }
}

struct MOVEFIELDWRITER {
    BYTESTRING& out;
    std::uint8_t per_character;
    void NUMBER(std::int32_t value) { APPENDNUMBER(out, value); }
    void NAME(const char* name) {
        const BYTEVIEW bytes = NAMEVIEW(name);
        APPENDNUMBER(out, static_cast<std::int32_t>(bytes.size()));
        if (!per_character) {
            out.append(bytes);
            return;
        }
        for (const char byte : bytes)
            APPENDNUMBER(out, static_cast<std::uint8_t>(byte));
    }
};

// How many numbers the writer's per-character form holds, where a name is its
// length and one number per byte.
struct PERCHARACTERNUMBERCOUNT {
    std::int64_t numbers = 0;
    void NUMBER(std::int32_t) { ++numbers; }
    void NAME(const char* name) { numbers += 1 + static_cast<std::int64_t>(NAMEVIEW(name).size()); }
};

// A set-move-route command without a route is written with an empty default
// route, so that its parameter count still matches what follows it.
void WRITEROUTEPARAMETERS(BYTESTRING& out, const MOVEROUTE* held) {
    const MOVEROUTE route = held ? *held : MOVEROUTE{};
    PERCHARACTERNUMBERCOUNT count;
    for (std::int32_t i = 0; i < route.command_count; ++i)
        MOVECOMMANDLAYOUT(route.commands[i], count);
    APPENDNUMBER(out, static_cast<std::int32_t>(ROUTEHEADERNUMBERS + count.numbers));
    APPENDNUMBER(out, route.target);
    APPENDNUMBER(out, route.frequency);
    APPENDNUMBER(out, route.repeat);
    APPENDNUMBER(out, route.skippable);
    WRITEMOVEROUTE(out, route, PERCHARACTERFORM);
}

// A command that claims parameters but holds no array is written with zeros,
// so that the list stays readable; one that claims fewer than none, with none.
void WRITEPARAMETERS(BYTESTRING& out, const EVENTCOMMAND& command) {
    const std::int32_t count = std::max(command.parameter_count, 0);
    APPENDNUMBER(out, count);
    for (std::int32_t i = 0; i < count; ++i) {
        APPENDNUMBER(out, command.parameters ? command.parameters[i] : 0);
    }
}

void WRITECOMMAND(BYTESTRING& out, const EVENTCOMMAND& command, std::uint32_t indent_reduction) {
    APPENDNUMBER(out, command.code);
    APPENDNUMBER(out, static_cast<std::int32_t>(static_cast<std::uint32_t>(command.indent) -
                                                indent_reduction));
    APPENDDATACHUNK(out, NAMEVIEW(command.string_parameter), WITHLENGTH, NOID);
    if (command.code == SETMOVEROUTE) {
        WRITEROUTEPARAMETERS(out, command.move_route);
    } else {
        WRITEPARAMETERS(out, command);
    }
}

} // namespace

void READCOMMANDLIST(CHUNKREADER& reader, EVENTPAGE& page, std::int32_t length) {
    const RUN list(reader, length);
    RECORDLIST<EVENTCOMMAND> commands(reader.RUNITEMS(LEASTCOMMANDBYTES));
    while (reader.MORE()) {
        EVENTCOMMAND command;
        READCOMMAND(reader, command);
        if (command.code == ENDCOMMAND) {
            // The end command is not kept, and neither is anything it held.
            RELEASEOWNED(command);
            break;
        }
        commands.APPEND(command);
    }
    commands.MOVEINTO(page.commands, page.command_count);
}

void READMOVEROUTE(CHUNKREADER& reader, MOVEROUTE& route, std::int32_t length,
                   std::uint8_t per_character) {
    const RUN steps(reader, length);
    RECORDLIST<MOVECOMMAND> commands(reader.RUNITEMS(LEASTMOVECOMMANDBYTES));
    while (reader.MORE()) {
        MOVECOMMAND command;
        MOVEFIELDREADER fields{reader, per_character};
        MOVECOMMANDLAYOUT(command, fields);
        commands.APPEND(command);
    }
    commands.MOVEINTO(route.commands, route.command_count);
}

void WRITECOMMANDLIST(BYTESTRING& out, const EVENTPAGE& page) {
    WRITECOMMANDS(out, page.commands, page.command_count, 0);
}

void WRITECOMMANDS(BYTESTRING& out, const EVENTCOMMAND* commands, std::int32_t count,
                   std::uint32_t indent_reduction) {
    for (std::int32_t i = 0; i < count; ++i)
        WRITECOMMAND(out, commands[i], indent_reduction);
    EVENTCOMMAND end;
    end.code = ENDCOMMAND;
    WRITECOMMAND(out, end, 0);
}

void WRITEMOVEROUTE(BYTESTRING& out, const MOVEROUTE& route, std::uint8_t per_character) {
    MOVEFIELDWRITER fields{out, per_character};
    for (std::int32_t i = 0; i < route.command_count; ++i)
        MOVECOMMANDLAYOUT(route.commands[i], fields);
}

} // namespace KESTREL
