#include "alternatives.h"
#include "command_table.h"
#include "event_formats.h"
#include "event_json.h"
#include "event_words.h"
#include "hex_bytes.h"
#include "json_document.h"
#include "json_pointer.h"
#include "name_text.h"
#include "record_fields.h"

#include <type_traits>

namespace PAGEWRIGHT {
namespace {

using namespace KESTREL;
using JSON = nlohmann::json;

[[noreturn]] void REFUSE(const PATH& path, const std::string& what) {
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
    REFUSE(path, std::string("expected ") + expected + ", found " + FOUND(value));
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
        REFUSE(path, value.dump() + " is outside " + std::to_string(least) + " to " +
                         std::to_string(most));
    }
    return value.get<std::int64_t>();
}

std::int32_t INT32(const JSON& value, const PATH& path) {
    return static_cast<std::int32_t>(INTEGER(value, path, INT32_MIN, INT32_MAX));
}

static_assert(MAXJSONBYTES < INT32_MAX, "the length of an array read must fit a count");

[[noreturn]] void UNKNOWNKEY(const PATH& path) {
    REFUSE(path, "unknown key");
}

std::string QUOTED(const std::string& text) {
    return JSON(text).dump();
}

class READER {
public:
    explicit READER(const CODEPAGE& codepage) : codepage_(codepage) {}

    IMPORTEDEVENT DOCUMENT(const JSON& document) const {
        IMPORTEDEVENT imported{CLIPBOARDCONTENTTYPE{}, EVENTTREE(NEWRECORD<EVENT>())};
        RECORDVALUE(document, *imported.tree, TOP,
                    [&](const std::string& key, const JSON& value, const PATH& path) {
                        if (key != "format") return false;
                        imported.format = FORMAT(value, path);
                        return true;
                    });
        if (imported.format == CLIPBOARDCONTENTTYPE{}) REFUSE(TOP, "no \"format\"");
        return imported;
    }

private:
    const CODEPAGE& codepage_;

    // A command may give its code, its name or both; both must agree.
    // `other_key` takes the keys that are not fields of the record, and says
    // whether it took the key.
    template <typename RECORD, typename OTHERKEY>
    void RECORDVALUE(const JSON& value, RECORD& record, const PATH& path,
                     OTHERKEY other_key) const {
        const JSON* command_name = nullptr;
        for (const auto& [key, member] : OBJECT(value, path).items()) {
            const PATH member_path = path.CHILD(key);
            if (other_key(key, member, member_path)) continue;
            if constexpr (std::is_same_v<RECORD, EVENTCOMMAND>) {
                if (key == "command") {
                    if (!member.is_string()) WRONGTYPE(member, member_path, "a command name");
                    command_name = &member;
                    continue;
                }
            }
            FIELDREADER<RECORD> field{*this, record, key, member, member_path};
            RECORDFIELDS<RECORD>::VISIT(field);
            if (!field.found) UNKNOWNKEY(member_path);
        }
        if constexpr (std::is_same_v<RECORD, EVENTCOMMAND>) {
            if (command_name) {
                NAMEDCODE(*command_name, value.contains("code"), record, path.CHILD("command"));
            }
        }
    }

    template <typename RECORD>
    void RECORDVALUE(const JSON& value, RECORD& record, const PATH& path) const {
        RECORDVALUE(value, record, path,
                    [](const std::string&, const JSON&, const PATH&) { return false; });
    }

    // Reads the value into the field that its key names, if the key names one.
    template <typename RECORD> struct FIELDREADER {
        const READER& reader;
        RECORD& record;
        const std::string& key;
        const JSON& value;
        const PATH& path;
        bool found = false;

        bool NAMES(const char* field) {
            if (found || key != field) return false;
            found = true;
            return true;
        }

        void NUMBER(const char* field, std::int32_t RECORD::*member) {
            if (NAMES(field)) record.*member = INT32(value, path);
        }
        void CODE(const char* field, std::int32_t RECORD::*member) { NUMBER(field, member); }
        void FLAG(const char* field, std::uint8_t RECORD::*member) {
            if (NAMES(field)) {
                record.*member = static_cast<std::uint8_t>(INTEGER(value, path, 0, UINT8_MAX));
            }
        }
        void NAME(const char* field, char* RECORD::*member) {
            if (NAMES(field)) record.*member = reader.NAMEOFJSON(value, path);
        }
        void KIND(const char* field, std::int32_t RECORD::*member) {
            if (NAMES(field)) record.*member = KINDVALUE(value, path);
        }
        // null is an absent record.
        template <typename OWNED> void CHILD(const char* field, OWNED* RECORD::*member) {
            if (!NAMES(field) || value.is_null()) return;
            record.*member = NEWRECORD<OWNED>();
            reader.RECORDVALUE(value, *(record.*member), path);
        }
        template <typename ELEMENT>
        void RECORDS(const char* field, ELEMENT* RECORD::*array, std::int32_t RECORD::*count) {
            if (!NAMES(field)) return;
            RECORDARRAY(value, path, record.*array, record.*count);
            for (std::int32_t i = 0; i < record.*count; ++i)
                reader.RECORDVALUE(value[i], (record.*array)[i], path.ELEMENT(i));
        }
        void NUMBERS(const char* field, std::int32_t* RECORD::*array, std::int32_t RECORD::*count) {
            if (!NAMES(field)) return;
            ARRAY(value, path);
            const auto size = static_cast<std::int32_t>(value.size());
            record.*array = RESIZEINTARRAY(nullptr, 0, size);
            record.*count = size;
            for (std::int32_t i = 0; i < size; ++i)
                (record.*array)[i] = INT32(value[i], path.ELEMENT(i));
        }
        void KEPTCHUNKS(const char* field, EXTRACHUNKS* RECORD::*member) {
            if (NAMES(field) && !value.is_null()) CHUNKS(value, record.*member, path);
        }
    };

    template <typename RECORD> static RECORD* NEWRECORD() {
        return static_cast<RECORD*>(CREATEOBJECT(static_cast<OBJECTTYPE>(RECORD{}.type)));
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
        REFUSE(path, std::to_string(number) + " is no event format (" +
                         ALTERNATIVES(EVENTFORMATNUMBERS,
                                      [](std::int32_t format) { return std::to_string(format); }) +
                         ")");
    }

    static std::int32_t KINDVALUE(const JSON& value, const PATH& path) {
        if (!value.is_string()) return INT32(value, path);
        for (const KINDWORD& entry : KINDWORDS) {
            if (value.get_ref<const std::string&>() == entry.word) return entry.value;
        }
        REFUSE(path, "no kind is named " + QUOTED(value.get<std::string>()) + " (" +
                         ALTERNATIVES(KINDWORDS, [](const KINDWORD& entry) { return entry.word; }) +
                         ")");
    }

    static std::string HEXSTRINGBYTES(const JSON& value, const PATH& path) {
        if (!value.is_string()) WRONGTYPE(value, path, "a hex string");
        std::string bytes;
        std::size_t bad_at = 0;
        const auto& hex = value.get_ref<const std::string&>();
        if (!BYTESOFHEX(hex, bytes, bad_at)) {
            REFUSE(path, bad_at == hex.size()
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
            const std::optional<std::int32_t> id = CHUNKIDOFTEXT(key);
            if (!id) {
                REFUSE(chunk_path,
                       "not a chunk id (0 to " + std::to_string(KEPTCHUNKIDS - 1) + ")");
            }
            chunks->entries[*id] = HEXSTRINGBYTES(payload, chunk_path);
        }
    }

    char* NAMEOFJSON(const JSON& value, const PATH& path) const {
        if (value.is_null()) return nullptr;
        std::string bytes;
        if (value.is_string()) {
            std::uint32_t missing = 0;
            if (!NAMEOFTEXT(value.get_ref<const std::string&>(), codepage_, bytes, missing)) {
                REFUSE(path, NOPLACEFOR(missing, codepage_));
            }
        } else if (value.is_object()) {
            for (const auto& [key, hex] : value.items()) {
                if (key != "bytes") UNKNOWNKEY(path.CHILD(key));
                bytes = HEXSTRINGBYTES(hex, path.CHILD(key));
            }
            if (!value.contains("bytes")) REFUSE(path, "a bytes form needs \"bytes\"");
        } else {
            WRONGTYPE(value, path, "a string, {\"bytes\": hex} or null");
        }
        if (bytes.find('\0') != std::string::npos) {
            REFUSE(path, "a name ends at its first zero byte and cannot hold one");
        }
        return COPYNAME(bytes);
    }

    static void NAMEDCODE(const JSON& name, bool code_given, EVENTCOMMAND& command,
                          const PATH& path) {
        const std::string& text = name.get_ref<const std::string&>();
        const std::optional<std::int32_t> code = COMMANDCODE(text);
        if (!code) REFUSE(path, "no command is named " + QUOTED(text));
        if (code_given && *code != command.code) {
            REFUSE(path, QUOTED(text) + " is code " + std::to_string(*code) + ", not " +
                             std::to_string(command.code));
        }
        command.code = *code;
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
