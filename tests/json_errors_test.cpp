// JSON that describes no event tree: each fault is reported once, where it
// lies, and hostile input stays bounded.
#include "json_trees.h"

#include <gtest/gtest.h>

using namespace PAGEWRIGHT;

namespace {

std::string IMPORTERROR(const std::string& json) {
    try {
        IMPORT(json);
    } catch (const JSONERROR& error) {
        return error.what();
    }
    return "no error";
}

struct BADINPUT {
    const char* json;
    const char* error;
};

} // namespace

TEST(JsonErrors, EachFaultIsNamedWithItsPlace) {
    const BADINPUT inputs[] = {
        {"{\"format\": 563,\n \"x\": 1,}", "line 2, column 9: syntax error while parsing object "
                                           "key - unexpected '}'; expected string literal"},
        {"[]", "top level: expected an object, found an array"},
        {"{}", "top level: no \"format\""},
        {R"({"format": "563"})", "/format: expected an integer, found a string"},
        {R"({"format": 600})", "/format: 600 is no event format (563, 564, 565, 566, 578 or 584)"},
        {R"({"format": 563, "nmae": "Gate"})", "/nmae: unknown key"},
        {R"({"format": 563, "x": 1, "x": 2})", "/x: the key comes twice"},
        {R"({"format": 563, "x": 2147483648})",
         "/x: 2147483648 is outside -2147483648 to 2147483647"},
        {R"({"format": 563, "y": 1.5})", "/y: expected an integer, found 1.5"},
        {R"({"format": 563, "kind": "town"})",
         "/kind: no kind is named \"town\" (commands, map, common or battle)"},
        {R"({"format": 563, "pages": [{"transparent": 256}]})",
         "/pages/0/transparent: 256 is outside 0 to 255"},
        {R"({"format": 563, "pages": [{"condition": {"flags": 1, "swich_a_id": 2}}]})",
         "/pages/0/condition/swich_a_id: unknown key"},
        {R"({"format": 566, "pages": [{"commands": [{}, {"command": "ShowMesage"}]}]})",
         "/pages/0/commands/1/command: no command is named \"ShowMesage\""},
        {R"({"format": 566, "pages": [{"commands": [{"command": "ShowMessage", "code": 10120}]}]})",
         "/pages/0/commands/0/command: \"ShowMessage\" is code 10110, not 10120"},
        {R"({"format": 566, "pages": [{"commands": [{"parameters": [1, "2"]}]}]})",
         "/pages/0/commands/0/parameters/1: expected an integer, found a string"},
        {R"({"format": 578, "extra_chunks": {"2": "0g"}})",
         "/extra_chunks/2: not a hex digit at character 2"},
        {R"({"format": 578, "extra_chunks": {"02": "00"}})",
         "/extra_chunks/02: not a chunk id (0 to 255)"},
        {R"({"format": 563, "name": {"bytes": "abc"}})", "/name/bytes: odd number of hex digits"},
        {R"({"format": 563, "name": {"bytes": "6100"}})",
         "/name: a name ends at its first zero byte and cannot hold one"},
        {R"({"format": 563, "name": "a\u0000"})",
         "/name: a name ends at its first zero byte and cannot hold one"},
        {R"({"format": 563, "name": 7})", "/name: expected a string, {\"bytes\": hex} or null, "
                                          "found 7"},
        {R"({"format": 563, "pages": [{"move_route": {"commands": [{"code": 35,
            "sound_name": "日本"}]}}]})",
         "/pages/0/move_route/commands/0/sound_name: U+65E5 has no place in code page 1252"},
    };
    for (const BADINPUT& input : inputs)
        EXPECT_EQ(IMPORTERROR(input.json), input.error) << input.json;
}

TEST(JsonErrors, DeepOrHugeInputIsRefusedAtOnce) {
    const std::string deep = R"({"format": 563, "name": )" + std::string(1000000, '[');
    const std::string error = IMPORTERROR(deep);
    EXPECT_EQ(error.substr(error.find(':')), ": nested deeper than 32 levels");
    EXPECT_EQ(error.rfind("/name/0/0/", 0), 0u) << error;
    EXPECT_EQ(IMPORTERROR(std::string(MAXJSONBYTES + 1, ' ')), "top level: larger than 16 MiB");
}
