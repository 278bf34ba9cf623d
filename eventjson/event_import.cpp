#include "alternatives.h"
#include "command_names.h"
#include "event_fields.h"
#include "event_formats.h"
#include "event_json.h"
#include "hex_bytes.h"
#include "json_document.h"
#include "json_pointer.h"
#include "name_text.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace PAGEWRIGHT {
namespace {

using namespace KESTREL;
using JSON = nlohmann::json;

[[noreturn]] void FAIL(const PATH& path, const std::string& what) {
    throw JSONERROR(WHERE(path), what);
}

std::string FOUND(const JSON& value) {
    switch (value.type()) {
    case JSON::value_t::object:
        return "an object";
    case JSON::value_t::array:
        return "an array";
    case JSON::value_t::string:
        return "a string";
    case JSON::value_t::boolean:
        return "a boolean";
    case JSON::value_t::null:
        return "null";
    default:
        return value.dump();
    }
}

[[noreturn]] void WRONGTYPE(const JSON& value, const PATH& path, const char* expected) {
    FAIL(path, std::string("expected ") + expected + ", found " + FOUND(value));
}

const JSON& OBJECT(const JSON& value, const PATH& path) {
    if (!value.is_object()) WRONGTYPE(value, path, "an object");
    return value;
}

const JSON& ARRAY(const JSON& value, const PATH& path) {
    if (!value.is_array()) WRONGTYPE(value, path, "an array");
    return value;
}

std::int64_t INTEGER(const JSON& value, const PATH& path, std::int64_t least, std::int64_t most) {
    if (!value.is_number_integer()) WRONGTYPE(value, path, "an integer");
    const bool fits = value.is_number_unsigned()
                          ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(most)
                          : value.get<std::int64_t>() >= least && value.get<std::int64_t>() <= most;
    if (!fits) {
        FAIL(path,
             value.dump() + " is outside " + std::to_string(least) + " to " + std::to_string(most));
    }
    return value.get<std::int64_t>();
}

std::int32_t INT32(const JSON& value, const PATH& path) {
    return static_cast<std::int32_t>(INTEGER(value, path, INT32_MIN, INT32_MAX));
}

static_assert(MAXJSONBYTES < INT32_MAX, "the length of an array read must fit a count");

[[noreturn]] void UNKNOWNKEY(const PATH& path) {
    FAIL(path, "unknown key");
}

std::string QUOTED(const std::string& text) {
    return JSON(text).dump();
}

class READER {
public:
    explicit READER(const CODEPAGE& codepage) : codepage_(codepage) {}

    IMPORTEDEVENT DOCUMENT(const JSON& document) {
        OBJECT(document, TOP);
        IMPORTEDEVENT imported{CLIPBOARDCONTENTTYPE{}, EVENTTREE(NEWRECORD<EVENT>(OT_EVENT))};
        EVENT& event = *imported.tree;
        for (const auto& [key, value] : document.items()) {
            const PATH path = TOP.CHILD(key);
            if (key == "format") {
                imported.format = FORMAT(value, path);
            } else if (key == "kind") {
                event.kind = KIND(value, path);
            } else if (key == "extra_chunks") {
                if (!value.is_null()) CHUNKS(value, event.extra_chunks, path);
            } else if (key == "pages") {
                PAGES(value, event, path);
            } else if (!FIELDVALUE(EVENTFIELDS, key, value, event, path)) {
                UNKNOWNKEY(path);
            }
        }
        if (imported.format == CLIPBOARDCONTENTTYPE{}) FAIL(TOP, "no \"format\"");
        return imported;
    }

private:
    const CODEPAGE& codepage_;

    template <typename RECORD> static RECORD* NEWRECORD(OBJECTTYPE type) {
        return static_cast<RECORD*>(CREATEOBJECT(type));
    }

    // A record array as long as the JSON array, its elements at the defaults.
    // Every element must be an object, which is checked first: an array of
    // small values must not make as many records, which are larger.
    template <typename RECORD>
    static void RECORDARRAY(const JSON& value, const PATH& path, RECORD*& records,
                            std::int32_t& count) {
        ARRAY(value, path);
        for (std::size_t i = 0; i < value.size(); ++i)
            OBJECT(value[i], path.ELEMENT(i));
        const auto size = static_cast<std::int32_t>(value.size());
        const auto type = static_cast<OBJECTTYPE>(RECORD{}.type);
        records = static_cast<RECORD*>(RESIZEOBJECTARRAY(nullptr, type, 0, size));
        count = size;
    }

    static CLIPBOARDCONTENTTYPE FORMAT(const JSON& value, const PATH& path) {
        const std::int32_t number = INT32(value, path);
        if (const EVENTFORMAT* format = EVENTFORMATOF(number)) return format->format;
        FAIL(path, std::to_string(number) + " is no event format (" +
                       ALTERNATIVES(EVENTFORMATNUMBERS,
                                    [](std::int32_t format) { return std::to_string(format); }) +
                       ")");
    }

    static std::int32_t KIND(const JSON& value, const PATH& path) {
        if (!value.is_string()) return INT32(value, path);
        for (const KINDWORD& entry : KINDWORDS) {
            if (value.get_ref<const std::string&>() == entry.word) return entry.kind;
        }
        FAIL(path, "no kind is named " + QUOTED(value.get<std::string>()) + " (" +
                       ALTERNATIVES(KINDWORDS, [](const KINDWORD& entry) { return entry.word; }) +
                       ")");
    }

    static std::string HEXBYTES(const JSON& value, const PATH& path) {
        if (!value.is_string()) WRONGTYPE(value, path, "a hex string");
        std::string bytes;
        std::size_t bad_at = 0;
        const auto& hex = value.get_ref<const std::string&>();
        if (!BYTESOFHEX(hex, bytes, bad_at)) {
            FAIL(path, bad_at == hex.size()
                           ? "odd number of hex digits"
                           : "not a hex digit at character " + std::to_string(bad_at + 1));
        }
        return bytes;
    }

    // Chunk ids are written as decimal numbers without leading zeros.
    static void CHUNKS(const JSON& value, EXTRACHUNKS*& chunks, const PATH& path) {
        OBJECT(value, path);
        chunks = new EXTRACHUNKS;
        for (const auto& [key, payload] : value.items()) {
            const PATH chunk_path = path.CHILD(key);
            char* end = nullptr;
            const long id = std::strtol(key.c_str(), &end, 10);
            if (key.empty() || *end != '\0' || id < 0 || id >= 256 || key != std::to_string(id)) {
                FAIL(chunk_path, "not a chunk id (0 to 255)");
            }
            chunks->entries[id] = HEXBYTES(payload, chunk_path);
        }
    }

    // Names are allocated as kestrel.h wants them, from the C allocator.
    char* NAME(const JSON& value, const PATH& path) const {
        if (value.is_null()) return nullptr;
        std::string bytes;
        if (value.is_string()) {
            std::uint32_t missing = 0;
            if (!NAMEOFTEXT(value.get_ref<const std::string&>(), codepage_, bytes, missing)) {
                char character[16];
                std::snprintf(character, sizeof character, "U+%04X", missing);
                FAIL(path, std::string(character) + " has no place in code page " +
                               std::to_string(codepage_.NUMBER()));
            }
        } else if (value.is_object()) {
            for (const auto& [key, hex] : value.items()) {
                if (key != "bytes") UNKNOWNKEY(path.CHILD(key));
                bytes = HEXBYTES(hex, path.CHILD(key));
            }
            if (!value.contains("bytes")) FAIL(path, "a bytes form needs \"bytes\"");
        } else {
            WRONGTYPE(value, path, "a string, {\"bytes\": hex} or null");
        }
        if (bytes.find('\0') != std::string::npos) {
            FAIL(path, "a name ends at its first zero byte and cannot hold one");
        }
        auto* name = static_cast<char*>(std::malloc(bytes.size() + 1));
        if (name == nullptr) throw std::bad_alloc();
        std::memcpy(name, bytes.c_str(), bytes.size() + 1);
        return name;
    }

    template <typename RECORD, std::size_t SIZE>
    bool FIELDVALUE(const FIELD<RECORD> (&fields)[SIZE], const std::string& key, const JSON& value,
                    RECORD& record, const PATH& path) const {
        for (const FIELD<RECORD>& field : fields) {
            if (key != field.key) continue;
            if (field.number) {
                record.*field.number = INT32(value, path);
            } else if (field.flag) {
                record.*field.flag = static_cast<std::uint8_t>(INTEGER(value, path, 0, UINT8_MAX));
            } else {
                record.*field.name = NAME(value, path);
            }
            return true;
        }
        return false;
    }

    template <typename RECORD, std::size_t SIZE>
    void RECORDVALUE(const JSON& value, RECORD& record, const FIELD<RECORD> (&fields)[SIZE],
                     const PATH& path) const {
        for (const auto& [key, member] : OBJECT(value, path).items()) {
            if (!FIELDVALUE(fields, key, member, record, path.CHILD(key))) {
                UNKNOWNKEY(path.CHILD(key));
            }
        }
    }

    void ROUTE(const JSON& value, MOVEROUTE*& route, const PATH& path) const {
        if (value.is_null()) return;
        route = NEWRECORD<MOVEROUTE>(OT_MOVEROUTE);
        for (const auto& [key, member] : OBJECT(value, path).items()) {
            const PATH member_path = path.CHILD(key);
            if (key == "commands") {
                RECORDARRAY(member, member_path, route->commands, route->command_count);
                for (std::int32_t i = 0; i < route->command_count; ++i) {
                    RECORDVALUE(member[i], route->commands[i], MOVECOMMANDFIELDS,
                                member_path.ELEMENT(i));
                }
            } else if (!FIELDVALUE(MOVEROUTEFIELDS, key, member, *route, member_path)) {
                UNKNOWNKEY(member_path);
            }
        }
    }

    static void PARAMETERS(const JSON& value, EVENTCOMMAND& command, const PATH& path) {
        ARRAY(value, path);
        const auto count = static_cast<std::int32_t>(value.size());
        command.parameters = RESIZEINTARRAY(nullptr, 0, count);
        command.parameter_count = count;
        for (std::int32_t i = 0; i < command.parameter_count; ++i)
            command.parameters[i] = INT32(value[i], path.ELEMENT(i));
    }

    // A command may give its code, its name or both; both must agree.
    void COMMAND(const JSON& value, EVENTCOMMAND& command, const PATH& path) const {
        const JSON* name = nullptr;
        for (const auto& [key, member] : OBJECT(value, path).items()) {
            const PATH member_path = path.CHILD(key);
            if (key == "command") {
                if (!member.is_string()) WRONGTYPE(member, member_path, "a command name");
                name = &member;
            } else if (key == "parameters") {
                PARAMETERS(member, command, member_path);
            } else if (key == "move_route") {
                ROUTE(member, command.move_route, member_path);
            } else if (!FIELDVALUE(EVENTCOMMANDFIELDS, key, member, command, member_path)) {
                UNKNOWNKEY(member_path);
            }
        }
        if (name) NAMEDCODE(*name, value.contains("code"), command, path.CHILD("command"));
    }

    static void NAMEDCODE(const JSON& name, bool code_given, EVENTCOMMAND& command,
                          const PATH& path) {
        const std::string& text = name.get_ref<const std::string&>();
        const std::optional<std::int32_t> code = COMMANDCODE(text);
        if (!code) FAIL(path, "no command is named " + QUOTED(text));
        if (code_given && *code != command.code) {
            FAIL(path, QUOTED(text) + " is code " + std::to_string(*code) + ", not " +
                           std::to_string(command.code));
        }
        command.code = *code;
    }

    void PAGE(const JSON& value, EVENTPAGE& page, const PATH& path) const {
        for (const auto& [key, member] : OBJECT(value, path).items()) {
            const PATH member_path = path.CHILD(key);
            if (key == "condition") {
                if (member.is_null()) continue;
                page.condition = NEWRECORD<CONDITION>(OT_CONDITION);
                RECORDVALUE(member, *page.condition, CONDITIONFIELDS, member_path);
            } else if (key == "move_route") {
                ROUTE(member, page.move_route, member_path);
            } else if (key == "commands") {
                RECORDARRAY(member, member_path, page.commands, page.command_count);
                for (std::int32_t i = 0; i < page.command_count; ++i)
                    COMMAND(member[i], page.commands[i], member_path.ELEMENT(i));
            } else if (!FIELDVALUE(EVENTPAGEFIELDS, key, member, page, member_path)) {
                UNKNOWNKEY(member_path);
            }
        }
    }

    void PAGES(const JSON& value, EVENT& event, const PATH& path) const {
        RECORDARRAY(value, path, event.pages, event.page_count);
        for (std::int32_t i = 0; i < event.page_count; ++i)
            PAGE(value[i], event.pages[i], path.ELEMENT(i));
    }
};

} // namespace

IMPORTEDEVENT IMPORTEVENT(std::string_view json, const CODEPAGE& codepage) {
    if (json.size() > MAXJSONBYTES) {
        throw JSONERROR(WHERE(TOP), "larger than " + std::to_string(MAXJSONBYTES >> 20) + " MiB");
    }
    return READER(codepage).DOCUMENT(PARSEDOCUMENT(json));
}

} // namespace PAGEWRIGHT
