#include "command_table.h"
#include "event_json.h"
#include "event_words.h"
#include "hex_bytes.h"
#include "json_layout.h"
#include "name_text.h"
#include "record_fields.h"

#include <cstring>
#include <type_traits>

namespace PAGEWRIGHT {
namespace {

using namespace KESTREL;
using ORDERED = nlohmann::ordered_json;

class WRITER {
public:
    explicit WRITER(const CODEPAGE& codepage) : codepage_(codepage) {}

    // A command leads with the name of its code, for the reader's sake.
    template <typename RECORD> ORDERED RECORDVALUE(const RECORD& record) const {
        ORDERED value = ORDERED::object();
        if constexpr (std::is_same_v<RECORD, EVENTCOMMAND>) {
            if (const char* name = COMMANDNAME(record.code)) value["command"] = name;
        }
        FIELDWRITER<RECORD> fields{*this, record, value};
        RECORDFIELDS<RECORD>::VISIT(fields);
        return value;
    }

private:
    const CODEPAGE& codepage_;

    // A field equal to its default is left out, except a code; so is a record
    // or name that is absent, and an empty array.
    template <typename RECORD> struct FIELDWRITER {
        const WRITER& writer;
        const RECORD& record;
        ORDERED& value;

        void NUMBER(const char* key, std::int32_t RECORD::*member) {
            if (record.*member != DEFAULTOF(member)) value[key] = record.*member;
        }
        void CODE(const char* key, std::int32_t RECORD::*member) { value[key] = record.*member; }
        void FLAG(const char* key, std::uint8_t RECORD::*member) {
            if (record.*member != DEFAULTOF(member)) value[key] = record.*member;
        }
        void NAME(const char* key, char* RECORD::*member) {
            if (const char* name = record.*member) value[key] = writer.JSONOFNAME(name);
        }
        void KIND(const char* key, std::int32_t RECORD::*member) {
            if (record.*member != DEFAULTOF(member)) value[key] = KINDVALUE(record.*member);
        }
        template <typename OWNED> void CHILD(const char* key, OWNED* RECORD::*member) {
            if (const OWNED* child = record.*member) value[key] = writer.RECORDVALUE(*child);
        }
        template <typename ELEMENT>
        void RECORDS(const char* key, ELEMENT* RECORD::*array, std::int32_t RECORD::*count) {
            if (record.*count <= 0) return;
            ORDERED& elements = value[key] = ORDERED::array();
            for (std::int32_t i = 0; i < record.*count; ++i)
                elements.push_back(writer.RECORDVALUE((record.*array)[i]));
        }
        // Only the counted values are data; the block may be longer.
        void NUMBERS(const char* key, std::int32_t* RECORD::*array, std::int32_t RECORD::*count) {
            if (record.*count <= 0) return;
            ORDERED& numbers = value[key] = ORDERED::array();
            for (std::int32_t i = 0; i < record.*count; ++i)
                numbers.push_back(record.*array ? (record.*array)[i] : 0);
        }
        // Empty entries are no chunks.
        void KEPTCHUNKS(const char* key, EXTRACHUNKS* RECORD::*member) {
            const EXTRACHUNKS* chunks = record.*member;
            if (!chunks) return;
            ORDERED& kept = value[key] = ORDERED::object();
            for (std::size_t id = 0; id < std::size(chunks->entries); ++id) {
                if (!chunks->entries[id].empty()) {
                    kept[std::to_string(id)] = HEXOF(chunks->entries[id]);
                }
            }
        }
    };

    // A name ends at its first zero byte.
    ORDERED JSONOFNAME(const char* name) const {
        const std::string_view bytes(name, std::strlen(name));
        if (auto text = TEXTOFNAME(bytes, codepage_)) return std::move(*text);
        return ORDERED{{"bytes", HEXOF(bytes)}};
    }

    static ORDERED KINDVALUE(std::int32_t kind) {
        if (const char* word = KINDWORDOF(kind)) return word;
        return kind;
    }
};

} // namespace

std::string EXPORTEVENT(CLIPBOARDCONTENTTYPE format, const EVENT& event, const CODEPAGE& codepage) {
    ORDERED document = ORDERED::object();
    document["format"] = static_cast<std::int32_t>(format);
    document.update(WRITER(codepage).RECORDVALUE(event));
    return LAYOUT(document) + '\n';
}

} // namespace PAGEWRIGHT
