#include "record_lines.h"

#include "command_value.h"
#include "event_words.h"
#include "form_pattern.h"
#include "hex_bytes.h"
#include "kestrel_internal.h"
#include "listing_text.h"
#include "record_fields.h"
#include "route_words.h"

#include <set>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

struct RECORDWORDNAME {
    RECORDWORD record;
    const char* word;
};
constexpr RECORDWORDNAME RECORDWORDS[] = {
    {RECORDWORD::EVENT, "event"},      {RECORDWORD::KEPTCHUNKS, "extra_chunks"},
    {RECORDWORD::PAGE, "page"},        {RECORDWORD::CONDITION, "condition"},
    {RECORDWORD::ROUTE, "move_route"},
};

const char* WORDOF(RECORDWORD record) {
    for (const RECORDWORDNAME& entry : RECORDWORDS) {
        if (entry.record == record) return entry.word;
    }
    return "";
}

// The record's values that differ from their defaults; what it owns is the
// listing's to write.
template <typename RECORD> struct FIELDWRITER {
    const RECORD& record;
    const CODEPAGE& codepage;
    std::string text;

    void PAIR(const char* key, const std::string& value) {
        text += ' ';
        text += key;
        text += '=';
        text += value;
    }
    void NUMBER(const char* key, std::int32_t RECORD::*member) {
        if (record.*member != DEFAULTOF(member)) PAIR(key, std::to_string(record.*member));
    }
    void CODE(const char* key, std::int32_t RECORD::*member) { NUMBER(key, member); }
    void FLAG(const char* key, std::uint8_t RECORD::*member) {
        if (record.*member != DEFAULTOF(member)) PAIR(key, std::to_string(record.*member));
    }
    void NAME(const char* key, char* RECORD::*member) {
        if (const char* name = record.*member) PAIR(key, QUOTEDTEXT(name, codepage));
    }
    void KIND(const char* key, std::int32_t RECORD::*member) {
        if (record.*member == DEFAULTOF(member)) return;
        const char* word = KINDWORDOF(record.*member);
        PAIR(key, word ? word : std::to_string(record.*member));
    }
    template <typename OWNED> void CHILD(const char*, OWNED* RECORD::*) {}
    template <typename ELEMENT>
    void RECORDS(const char*, ELEMENT* RECORD::*, std::int32_t RECORD::*) {}
    void NUMBERS(const char*, std::int32_t* RECORD::*, std::int32_t RECORD::*) {}
    void KEPTCHUNKS(const char*, EXTRACHUNKS* RECORD::*) {}
};

template <typename RECORD>
std::string RECORDLINE(RECORDWORD word, const RECORD& record, const CODEPAGE& codepage) {
    FIELDWRITER<RECORD> fields{record, codepage, {}};
    RECORDFIELDS<RECORD>::VISIT(fields);
    return std::string(RECORDMARK) + WORDOF(word) + fields.text;
}

// Reads the value of the key into the field the key names.
template <typename RECORD> struct FIELDREADER {
    RECORD& record;
    const std::string& key;
    CURSOR& cursor;
    std::optional<std::string> fault;
    bool found = false;

    bool NAMES(const char* field) {
        if (found || key != field) return false;
        found = true;
        return true;
    }
    void INTEGER(std::int32_t& value) {
        if (!cursor.INTEGER(value)) fault = "no number for " + key;
    }
    void NUMBER(const char* field, std::int32_t RECORD::*member) {
        if (NAMES(field)) INTEGER(record.*member);
    }
    void CODE(const char* field, std::int32_t RECORD::*member) { NUMBER(field, member); }
    void FLAG(const char* field, std::uint8_t RECORD::*member) {
        if (!NAMES(field)) return;
        std::int32_t value = 0;
        INTEGER(value);
        if (!fault && (value < 0 || value > UINT8_MAX)) fault = key + " is outside 0 to 255";
        record.*member = static_cast<std::uint8_t>(value);
    }
    void NAME(const char* field, char* RECORD::*member) {
        if (!NAMES(field)) return;
        std::string bytes;
        if (!cursor.QUOTED(bytes)) {
            fault = "no quoted name for " + key;
        } else {
            std::free(record.*member);
            record.*member = COPYNAME(bytes);
        }
    }
    void KIND(const char* field, std::int32_t RECORD::*member) {
        if (!NAMES(field)) return;
        for (const KINDWORD& entry : KINDWORDS) {
            if (cursor.TAKE(entry.word)) {
                record.*member = entry.value;
                return;
            }
        }
        INTEGER(record.*member);
    }
    template <typename OWNED> void CHILD(const char*, OWNED* RECORD::*) {}
    template <typename ELEMENT>
    void RECORDS(const char*, ELEMENT* RECORD::*, std::int32_t RECORD::*) {}
    void NUMBERS(const char*, std::int32_t* RECORD::*, std::int32_t RECORD::*) {}
    void KEPTCHUNKS(const char*, EXTRACHUNKS* RECORD::*) {}
};

bool KEYCHARACTER(char character) {
    return (character >= 'a' && character <= 'z') || (character >= '0' && character <= '9') ||
           character == '_';
}

// " key=" and its key, or nothing where the line has no more pairs.
std::optional<std::string> NEXTKEY(CURSOR& cursor) {
    const std::size_t start = cursor.POSITION();
    if (!cursor.TAKE(" ")) return std::nullopt;
    std::string key;
    while (!cursor.END() && KEYCHARACTER(cursor.REST()[0])) {
        key += cursor.REST()[0];
        cursor.MOVETO(cursor.POSITION() + 1);
    }
    if (key.empty() || !cursor.TAKE("=")) {
        cursor.MOVETO(start);
        return std::nullopt;
    }
    return key;
}

// The line's pairs, up to its end or to the steps of a route.
template <typename RECORD> std::optional<std::string> READFIELDS(CURSOR& cursor, RECORD& record) {
    std::set<std::string> given;
    while (const std::optional<std::string> key = NEXTKEY(cursor)) {
        if (!given.insert(*key).second) return *key + " is given twice";
        FIELDREADER<RECORD> field{record, *key, cursor, std::nullopt};
        RECORDFIELDS<RECORD>::VISIT(field);
        if (!field.found) return "unknown key " + *key;
        if (field.fault) return field.fault;
    }
    return std::nullopt;
}

// The cursor after the line's mark and record word.
CURSOR AFTERWORD(std::string_view line, RECORDWORD word, const CODEPAGE& codepage) {
    CURSOR cursor(line, codepage);
    cursor.TAKE(RECORDMARK);
    cursor.TAKE(WORDOF(word));
    return cursor;
}

template <typename RECORD>
std::optional<std::string> READRECORDLINE(std::string_view line, RECORDWORD word,
                                          const CODEPAGE& codepage, RECORD& record) {
    CURSOR cursor = AFTERWORD(line, word, codepage);
    if (auto fault = READFIELDS(cursor, record)) return fault;
    if (!cursor.END()) return "cannot read \"" + std::string(cursor.REST()) + "\"";
    return std::nullopt;
}

template <typename RECORD> bool FIELDSATDEFAULTS(const RECORD& record, const CODEPAGE& codepage) {
    FIELDWRITER<RECORD> fields{record, codepage, {}};
    RECORDFIELDS<RECORD>::VISIT(fields);
    return fields.text.empty();
}

} // namespace

bool ATDEFAULTS(const EVENT& event, const CODEPAGE& codepage) {
    return FIELDSATDEFAULTS(event, codepage);
}

bool ATDEFAULTS(const EVENTPAGE& page, const CODEPAGE& codepage) {
    return FIELDSATDEFAULTS(page, codepage);
}

bool ATDEFAULTS(const CONDITION& condition, const CODEPAGE& codepage) {
    return FIELDSATDEFAULTS(condition, codepage);
}

std::string EVENTLINE(const EVENT& event, const CODEPAGE& codepage) {
    return RECORDLINE(RECORDWORD::EVENT, event, codepage);
}

std::string PAGELINE(const EVENTPAGE& page, const CODEPAGE& codepage) {
    return RECORDLINE(RECORDWORD::PAGE, page, codepage);
}

std::string CONDITIONLINE(const CONDITION& condition, const CODEPAGE& codepage) {
    return RECORDLINE(RECORDWORD::CONDITION, condition, codepage);
}

std::string ROUTELINE(const MOVEROUTE& route, const CODEPAGE& codepage) {
    const LINESETTINGS settings{codepage, nullptr, true, 0};
    return RECORDLINE(RECORDWORD::ROUTE, route, codepage) + std::string(STEPSLEAD) +
           STEPSTEXT(STEPSOF(route), settings);
}

// The ids of the kept chunks in ascending order, their payloads in hex.
std::string KEPTCHUNKSLINE(const EXTRACHUNKS& chunks) {
    std::string line = std::string(RECORDMARK) + WORDOF(RECORDWORD::KEPTCHUNKS);
    for (std::size_t id = 0; id < std::size(chunks.entries); ++id) {
        if (!chunks.entries[id].empty()) {
            line += " " + std::to_string(id) + "=" + HEXOF(chunks.entries[id]);
        }
    }
    return line;
}

std::optional<RECORDWORD> RECORDOF(std::string_view line) {
    if (line.substr(0, RECORDMARK.size()) != RECORDMARK) return std::nullopt;
    const std::string_view rest = line.substr(RECORDMARK.size());
    const std::string_view word = rest.substr(0, rest.find_first_of(" :"));
    for (const RECORDWORDNAME& entry : RECORDWORDS) {
        if (word == entry.word) return entry.record;
    }
    return std::nullopt;
}

std::optional<std::string> READEVENTLINE(std::string_view line, const CODEPAGE& codepage,
                                         EVENT& event) {
    return READRECORDLINE(line, RECORDWORD::EVENT, codepage, event);
}

std::optional<std::string> READPAGELINE(std::string_view line, const CODEPAGE& codepage,
                                        EVENTPAGE& page) {
    return READRECORDLINE(line, RECORDWORD::PAGE, codepage, page);
}

std::optional<std::string> READCONDITIONLINE(std::string_view line, const CODEPAGE& codepage,
                                             CONDITION& condition) {
    return READRECORDLINE(line, RECORDWORD::CONDITION, codepage, condition);
}

std::optional<std::string> READROUTELINE(std::string_view line, const CODEPAGE& codepage,
                                         MOVEROUTE& route) {
    CURSOR cursor = AFTERWORD(line, RECORDWORD::ROUTE, codepage);
    if (auto fault = READFIELDS(cursor, route)) return fault;
    STEPS steps;
    if (!cursor.TAKE(STEPSLEAD) || !READSTEPS(cursor, steps)) {
        return "cannot read the route's steps";
    }
    FILLSTEPS(route, steps);
    return std::nullopt;
}

std::optional<std::string> READKEPTCHUNKSLINE(std::string_view line, EXTRACHUNKS& chunks) {
    std::string_view rest =
        line.substr(RECORDMARK.size() + std::string_view(WORDOF(RECORDWORD::KEPTCHUNKS)).size());
    std::set<long> given;
    while (!rest.empty()) {
        if (rest.front() != ' ') return "cannot read \"" + std::string(rest) + "\"";
        rest.remove_prefix(1);
        const std::size_t equals = rest.find('=');
        const std::size_t end = std::min(rest.find(' '), rest.size());
        if (equals == std::string_view::npos || equals > end)
            return "no chunk id in " + std::string(rest.substr(0, end));
        const std::string key(rest.substr(0, equals));
        const std::optional<std::int32_t> id = CHUNKIDOFTEXT(key);
        if (!id) {
            return key + " is not a chunk id (0 to " + std::to_string(KEPTCHUNKIDS - 1) + ")";
        }
        if (!given.insert(*id).second) return "chunk " + key + " is given twice";
        std::size_t bad_at = 0;
        if (!BYTESOFHEX(rest.substr(equals + 1, end - equals - 1), chunks.entries[*id], bad_at)) {
            return "chunk " + key + " is not hex";
        }
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

} // namespace PAGEWRIGHT
