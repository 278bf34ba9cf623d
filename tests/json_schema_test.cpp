// docs/event.schema.json against the reader: the same keys for every record
// and the same command names. (The end-to-end test validates exports with
// it.)
#include "command_names.h"
#include "corpus.h"
#include "event_fields.h"
#include "event_formats.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

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

std::set<std::string> SCHEMAKEYS(const JSON& definition) {
    std::set<std::string> keys;
    const JSON& object = RECORDOBJECT(definition);
    EXPECT_EQ(object["additionalProperties"], false);
    for (const auto& [key, value] : object["properties"].items())
        keys.insert(key);
    return keys;
}

template <typename RECORD, std::size_t SIZE>
std::set<std::string> READERKEYS(const FIELD<RECORD> (&fields)[SIZE],
                                 std::initializer_list<const char*> others) {
    std::set<std::string> keys(others.begin(), others.end());
    for (const FIELD<RECORD>& field : fields)
        keys.insert(field.key);
    return keys;
}

} // namespace

TEST(JsonSchema, EveryRecordHasTheKeysTheReaderTakes) {
    const JSON& definitions = SCHEMA()["$defs"];
    EXPECT_EQ(SCHEMAKEYS(SCHEMA()),
              READERKEYS(EVENTFIELDS, {"format", "kind", "extra_chunks", "pages"}));
    EXPECT_EQ(SCHEMAKEYS(definitions["page"]),
              READERKEYS(EVENTPAGEFIELDS, {"condition", "move_route", "commands"}));
    EXPECT_EQ(SCHEMAKEYS(definitions["condition"]), READERKEYS(CONDITIONFIELDS, {}));
    EXPECT_EQ(SCHEMAKEYS(definitions["command"]),
              READERKEYS(EVENTCOMMANDFIELDS, {"command", "parameters", "move_route"}));
    EXPECT_EQ(SCHEMAKEYS(definitions["moveroute"]), READERKEYS(MOVEROUTEFIELDS, {"commands"}));
    EXPECT_EQ(SCHEMAKEYS(definitions["movecommand"]), READERKEYS(MOVECOMMANDFIELDS, {}));
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
    for (const KESTREL::KINDWORD& entry : KESTREL::KINDWORDS)
        words.push_back(entry.word);
    EXPECT_EQ(SCHEMA()["properties"]["kind"]["anyOf"][0]["enum"], JSON(words));
}
