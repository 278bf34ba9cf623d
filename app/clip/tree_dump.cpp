#include "tree_dump.h"

#include "record_fields.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Names are bytes in the game's code page: printable ASCII stays, every other
// byte is escaped.
std::string QUOTEDNAME(const char* name) {
    if (!name) return "null";
    std::string quoted = "\"";
    for (const char* c = name; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte < 0x20 || byte >= 0x7F || byte == '"' || byte == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += *c;
        }
    }
    return quoted + "\"";
}

std::string UPPERHEX(const std::string& bytes) {
    std::string hex;
    for (const char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(byte));
        hex += pair;
    }
    return hex;
}

// One line per record: its type and every value, arrays by their count; the
// records it owns follow on lines of their own, one level deeper.
class DUMPER {
public:
    std::string text;

    template <typename RECORD> void RECORDLINES(const RECORD& record, int depth) {
        LINE(depth, RECORDFIELDS<RECORD>::RECORDNAME);
        FIELDDUMPER<RECORD> fields{*this, record, depth, {}};
        RECORDFIELDS<RECORD>::VISIT(fields);
        for (const auto& owned : fields.owned)
            owned();
    }

private:
    void LINE(int depth, const char* record) {
        if (!text.empty()) text += '\n';
        text.append(static_cast<std::size_t>(depth) * 2, ' ');
        text += record;
    }

    void PAIR(const char* key, const std::string& value) {
        text += ' ';
        text += key;
        text += '=';
        text += value;
    }

    template <typename RECORD> struct FIELDDUMPER {
        DUMPER& dumper;
        const RECORD& record;
        int depth;
        std::vector<std::function<void()>> owned;

        void NUMBER(const char* key, std::int32_t RECORD::*member) {
            dumper.PAIR(key, std::to_string(record.*member));
        }
        void CODE(const char* key, std::int32_t RECORD::*member) { NUMBER(key, member); }
        void KIND(const char* key, std::int32_t RECORD::*member) { NUMBER(key, member); }
        void FLAG(const char* key, std::uint8_t RECORD::*member) {
            dumper.PAIR(key, std::to_string(record.*member));
        }
        void NAME(const char* key, char* RECORD::*member) {
            dumper.PAIR(key, QUOTEDNAME(record.*member));
        }
        template <typename OWNED> void CHILD(const char*, OWNED* RECORD::*member) {
            if (const OWNED* child = record.*member) {
                owned.push_back([this, child] { dumper.RECORDLINES(*child, depth + 1); });
            }
        }
        template <typename ELEMENT>
        void RECORDS(const char* key, ELEMENT* RECORD::*array, std::int32_t RECORD::*count) {
            dumper.PAIR(key, std::to_string(record.*count));
            const ELEMENT* elements = record.*array;
            const std::int32_t size = record.*count;
            owned.push_back([this, elements, size] {
                for (std::int32_t i = 0; i < size; ++i)
                    dumper.RECORDLINES(elements[i], depth + 1);
            });
        }
        void NUMBERS(const char* key, std::int32_t* RECORD::*array, std::int32_t RECORD::*count) {
            std::string numbers = "[";
            for (std::int32_t i = 0; record.*array && i < record.*count; ++i)
                numbers += (i ? "," : "") + std::to_string((record.*array)[i]);
            dumper.PAIR(key, numbers + "]");
        }
        void KEPTCHUNKS(const char* key, EXTRACHUNKS* RECORD::*member) {
            const EXTRACHUNKS* chunks = record.*member;
            if (!chunks) return;
            owned.push_back([this, key, chunks] {
                for (std::size_t id = 0; id < std::size(chunks->entries); ++id) {
                    const std::string& payload = chunks->entries[id];
                    if (payload.empty()) continue;
                    dumper.LINE(depth + 1, key);
                    dumper.PAIR("id", std::to_string(id));
                    dumper.PAIR("payload", UPPERHEX(payload));
                }
            });
        }
    };
};

} // namespace

std::string DUMPTREE(const EVENT& event) {
    DUMPER dumper;
    dumper.RECORDLINES(event, 0);
    return dumper.text + '\n';
}

} // namespace PAGEWRIGHT
