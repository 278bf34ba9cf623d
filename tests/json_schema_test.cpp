// docs/event.schema.json against the records' field descriptions: the same
// keys and types for every record, and the same command names and formats. (The end-to-end test
// validates exports with it.)
#include "command_table.h"
#include "corpus.h"
#include "event_formats.h"
#include "event_words.h"
#include "record_fields.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <string>
#include <type_traits>

using namespace PAGEWRIGHT;
using JSON = nlohmann::json;

namespace {

const JSON& SCHEMA() {
    static const JSON schema = JSON::parse(FILEBYTES(PAGEWRIGHT_SCHEMA));
    return schema;
}

// The object a record's definition allows (the one that is not null).
const JSON& RECORDOBJECT(const JSON& definition) {
    if (!definition.contains("anyOf")) return definition;
    for (const JSON& choice : definition["anyOf"]) {
        if (choice["type"] == "object") return choice;
    }
    return definition;
}

// The name of each record's definition in the schema; the event is the
// top level.
template <typename RECORD> std::string DEFINITIONNAME() {
    static const std::map<std::string, std::string> names = {{"CONDITION", "condition"},
                                                             {"MOVECOMMAND", "movecommand"},
                                                             {"MOVEROUTE", "moveroute"},
                                                             {"EVENTCOMMAND", "command"},
                                                             {"EVENTPAGE", "page"}};
    return names.at(KESTREL::RECORDFIELDS<RECORD>::RECORDNAME);
}

template <typename RECORD> const JSON& DEFINITION() {
    if constexpr (std::is_same_v<RECORD, KESTREL::EVENT>)
        return SCHEMA();
    else
        return SCHEMA()["$defs"][DEFINITIONNAME<RECORD>()];
}

template <typename RECORD> std::string REFERENCE() {
    return "#/$defs/" + DEFINITIONNAME<RECORD>();
}

// Each field of the record with what its property in the schema must refer
// to: the field's type, or for an array the type of its elements.
template <typename RECORD> struct FIELDTYPES {
    std::map<std::string, std::string> types;
    void NUMBER(const char* key, std::int32_t RECORD::*) { types[key] = "#/$defs/int32"; }
    void CODE(const char* key, std::int32_t RECORD::*) { types[key] = "#/$defs/int32"; }
    void FLAG(const char* key, std::uint8_t RECORD::*) { types[key] = "#/$defs/flag"; }
    void NAME(const char* key, char* RECORD::*) { types[key] = "#/$defs/name"; }
    void KIND(const char* key, std::int32_t RECORD::*) { types[key] = "kind"; }
    template <typename OWNED> void CHILD(const char* key, OWNED* RECORD::*) {
        types[key] = REFERENCE<OWNED>();
    }
    template <typename ELEMENT>
    void RECORDS(const char* key, ELEMENT* RECORD::*, std::int32_t RECORD::*) {
        types[key] = REFERENCE<ELEMENT>();
    }
    void NUMBERS(const char* key, std::int32_t* RECORD::*, std::int32_t RECORD::*) {
        types[key] = "#/$defs/int32";
    }
    void KEPTCHUNKS(const char* key, KESTREL::EXTRACHUNKS* RECORD::*) { types[key] = "chunks"; }
};

// What a property of the schema refers to; the kind and the kept chunks have
// definitions of their own in place.
std::string SCHEMATYPE(const std::string& key, const JSON& property) {
    if (key == "kind" || key == "extra_chunks") return key == "kind" ? "kind" : "chunks";
    const JSON& typed = property.value("type", "") == "array" ? property["items"] : property;
    return typed.value("$ref", "");
}

template <typename RECORD>
void EXPECTSCHEMAHOLDSTHEFIELDS(std::initializer_list<const char*> other_keys) {
    FIELDTYPES<RECORD> fields;
    KESTREL::RECORDFIELDS<RECORD>::VISIT(fields);
    const JSON& object = RECORDOBJECT(DEFINITION<RECORD>());
    EXPECT_EQ(object["additionalProperties"], false);
    std::map<std::string, std::string> schema;
    for (const auto& [key, property] : object["properties"].items())
        schema[key] = SCHEMATYPE(key, property);
    for (const char* key : other_keys)
        schema.erase(key);
    EXPECT_EQ(schema, fields.types) << KESTREL::RECORDFIELDS<RECORD>::RECORDNAME;
}

} // namespace

TEST(JsonSchema, EveryRecordHasTheFieldsOfItsDescription) {
    EXPECTSCHEMAHOLDSTHEFIELDS<KESTREL::EVENT>({"format"});
    EXPECTSCHEMAHOLDSTHEFIELDS<KESTREL::EVENTPAGE>({});
    EXPECTSCHEMAHOLDSTHEFIELDS<KESTREL::CONDITION>({});
    EXPECTSCHEMAHOLDSTHEFIELDS<KESTREL::EVENTCOMMAND>({"command"});
    EXPECTSCHEMAHOLDSTHEFIELDS<KESTREL::MOVEROUTE>({});
    EXPECTSCHEMAHOLDSTHEFIELDS<KESTREL::MOVECOMMAND>({});
}

TEST(JsonSchema, ItListsEveryCommandName) {
    std::set<std::string> names;
    for (std::int32_t code = 0; code < 40000; ++code) {
        if (const char* name = COMMANDNAME(code)) names.insert(name);
    }
    const JSON& listed = SCHEMA()["$defs"]["commandname"]["enum"];
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), names);
}

TEST(JsonSchema, ItListsTheEventFormatsAndTheWordsOfKinds) {
    std::vector<int> formats(KESTREL::EVENTFORMATNUMBERS.begin(),
                             KESTREL::EVENTFORMATNUMBERS.end());
    EXPECT_EQ(SCHEMA()["properties"]["format"]["enum"], JSON(formats));
    std::vector<std::string> words;
    for (const KINDWORD& entry : KINDWORDS)
        words.push_back(entry.word);
    EXPECT_EQ(SCHEMA()["properties"]["kind"]["anyOf"][0]["enum"], JSON(words));
}
