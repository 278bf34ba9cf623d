#include "command_names.h"
#include "event_fields.h"
#include "event_formats.h"
#include "event_json.h"
#include "hex_bytes.h"
#include "json_layout.h"
#include "name_text.h"

#include <cstring>

namespace PAGEWRIGHT {
namespace {

using namespace KESTREL;
using ORDERED = nlohmann::ordered_json;

class WRITER {
public:
    explicit WRITER(const CODEPAGE& codepage) : codepage_(codepage) {}

    ORDERED EVENTVALUE(CLIPBOARDCONTENTTYPE format, const EVENT& event) const {
        ORDERED value = ORDERED::object();
        value["format"] = static_cast<std::int32_t>(format);
        if (event.kind != EVENT{}.kind) value["kind"] = KINDVALUE(event.kind);
        FIELDS(value, event, EVENTFIELDS);
        if (event.extra_chunks) value["extra_chunks"] = CHUNKSVALUE(*event.extra_chunks);
        if (event.page_count > 0) {
            ORDERED& pages = value["pages"] = ORDERED::array();
            for (std::int32_t i = 0; i < event.page_count; ++i)
                pages.push_back(PAGEVALUE(event.pages[i]));
        }
        return value;
    }

private:
    const CODEPAGE& codepage_;

    // A name ends at its first zero byte.
    ORDERED NAMEVALUE(const char* name) const {
        const std::string_view bytes(name, std::strlen(name));
        if (auto text = TEXTOFNAME(bytes, codepage_)) return std::move(*text);
        return ORDERED{{"bytes", HEXOF(bytes)}};
    }

    template <typename RECORD, std::size_t SIZE>
    void FIELDS(ORDERED& value, const RECORD& record, const FIELD<RECORD> (&fields)[SIZE]) const {
        static const RECORD defaults{};
        for (const FIELD<RECORD>& field : fields) {
            if (field.number) {
                const std::int32_t number = record.*field.number;
                if (field.always || number != defaults.*field.number) value[field.key] = number;
            } else if (field.flag) {
                const std::uint8_t flag = record.*field.flag;
                if (flag != defaults.*field.flag) value[field.key] = flag;
            } else if (const char* name = record.*field.name) {
                value[field.key] = NAMEVALUE(name);
            }
        }
    }

    static ORDERED KINDVALUE(std::int32_t kind) {
        for (const KINDWORD& entry : KINDWORDS) {
            if (entry.kind == kind) return entry.word;
        }
        return kind;
    }

    // Empty entries are no chunks.
    static ORDERED CHUNKSVALUE(const EXTRACHUNKS& chunks) {
        ORDERED value = ORDERED::object();
        for (std::size_t id = 0; id < std::size(chunks.entries); ++id) {
            if (!chunks.entries[id].empty()) {
                value[std::to_string(id)] = HEXOF(chunks.entries[id]);
            }
        }
        return value;
    }

    ORDERED ROUTEVALUE(const MOVEROUTE& route) const {
        ORDERED value = ORDERED::object();
        FIELDS(value, route, MOVEROUTEFIELDS);
        if (route.command_count > 0) {
            ORDERED& commands = value["commands"] = ORDERED::array();
            for (std::int32_t i = 0; i < route.command_count; ++i) {
                ORDERED step = ORDERED::object();
                FIELDS(step, route.commands[i], MOVECOMMANDFIELDS);
                commands.push_back(std::move(step));
            }
        }
        return value;
    }

    // Only parameter_count values are data; the block may be longer.
    ORDERED COMMANDVALUE(const EVENTCOMMAND& command) const {
        ORDERED value = ORDERED::object();
        if (const char* name = COMMANDNAME(command.code)) value["command"] = name;
        FIELDS(value, command, EVENTCOMMANDFIELDS);
        if (command.parameter_count > 0) {
            ORDERED& parameters = value["parameters"] = ORDERED::array();
            for (std::int32_t i = 0; i < command.parameter_count; ++i)
                parameters.push_back(command.parameters ? command.parameters[i] : 0);
        }
        if (command.move_route) value["move_route"] = ROUTEVALUE(*command.move_route);
        return value;
    }

    ORDERED PAGEVALUE(const EVENTPAGE& page) const {
        ORDERED value = ORDERED::object();
        FIELDS(value, page, EVENTPAGEFIELDS);
        if (page.condition) {
            ORDERED& condition = value["condition"] = ORDERED::object();
            FIELDS(condition, *page.condition, CONDITIONFIELDS);
        }
        if (page.move_route) value["move_route"] = ROUTEVALUE(*page.move_route);
        if (page.command_count > 0) {
            ORDERED& commands = value["commands"] = ORDERED::array();
            for (std::int32_t i = 0; i < page.command_count; ++i)
                commands.push_back(COMMANDVALUE(page.commands[i]));
        }
        return value;
    }
};

} // namespace

std::string EXPORTEVENT(CLIPBOARDCONTENTTYPE format, const EVENT& event, const CODEPAGE& codepage) {
    return LAYOUT(WRITER(codepage).EVENTVALUE(format, event)) + '\n';
}

} // namespace PAGEWRIGHT
