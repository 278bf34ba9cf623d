#include "formats/commandlist.h"
#include "hex.h"
#include "trees.h"

#include <gtest/gtest.h>

using namespace KESTREL;

namespace {

struct PAGE {
    EVENTPAGE* page = static_cast<EVENTPAGE*>(CREATEOBJECT(OT_EVENTPAGE));
    PAGE() = default;
    PAGE(const PAGE&) = delete;
    PAGE& operator=(const PAGE&) = delete;
    ~PAGE() { DESTROYOBJECT(page, 0, 1); }
    EVENTPAGE* operator->() const { return page; }
};

// Decodes a whole command list and tells where the reader stopped.
std::int64_t READLIST(const std::string& bytes, PAGE& page, std::int32_t length = -2) {
    CHUNKREADER reader(bytes);
    READCOMMANDLIST(reader, *page.page,
                    length == -2 ? static_cast<std::int32_t>(bytes.size()) : length);
    return reader.POSITION();
}

std::string WRITTEN(const EVENTPAGE& page) {
    BYTESTRING out;
    WRITECOMMANDLIST(out, page);
    return TOHEX(out);
}

MOVEROUTE& SETROUTE(EVENTCOMMAND& command) {
    command.code = 11330;
    command.move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    return *command.move_route;
}

// 1; 32 (switch 5); 34 (ab, 2)
void FILLSAMPLEROUTE(MOVEROUTE& route) {
    ADDMOVE(route, 1);
    ADDMOVE(route, 32).switch_id = 5;
    MOVECOMMAND& graphic = ADDMOVE(route, 34);
    graphic.graphic_name = COPYNAME("ab");
    graphic.graphic_index = 2;
}

const char* const SAMPLESETROUTE = "D8 42 00 00 0C CE 15 03 01 00 01 20 05 22 02 61 62 02";

} // namespace

TEST(CommandList, AnEmptyListIsTheEndCommandAlone) {
    PAGE page;
    EXPECT_EQ(WRITTEN(*page.page), "00 00 00 00");
    EXPECT_EQ(READLIST(HEX("00 00 00 00 07"), page, 9), 4);
    EXPECT_EQ(page->command_count, 0);
    EXPECT_EQ(page->commands, nullptr);
    EXPECT_EQ(READLIST(HEX("00 00 00 00"), page, 0), 0);
}

TEST(CommandList, AnOrdinaryCommandRoundTrips) {
    const std::string bytes = "14 01 02 41 42 03 01 00 82 2C";
    PAGE page;
    READLIST(HEX(bytes + " 00 00 00 00"), page);
    ASSERT_EQ(page->command_count, 1);
    const EVENTCOMMAND& command = page->commands[0];
    EXPECT_EQ(command.code, 20);
    EXPECT_EQ(command.indent, 1);
    EXPECT_STREQ(command.string_parameter, "AB");
    ASSERT_EQ(command.parameter_count, 3);
    EXPECT_EQ(command.parameters[2], 300);
    EXPECT_EQ(command.parameters[63], 0) << "room for 64 parameters";
    EXPECT_EQ(command.move_route, nullptr);
    EXPECT_EQ(WRITTEN(*page.page), bytes + " 00 00 00 00");
}

TEST(CommandList, TextAbsentOrEmptyIsWrittenAsLengthZeroAndReadAsAbsent) {
    PAGE page;
    ADDCOMMAND(*page.page, 10, 0, nullptr, {});
    ADDCOMMAND(*page.page, 10, 0, "", {});
    const std::string written = WRITTEN(*page.page);
    EXPECT_EQ(written, "0A 00 00 00 0A 00 00 00 00 00 00 00");
    PAGE again;
    READLIST(HEX(written), again);
    ASSERT_EQ(again->command_count, 2);
    EXPECT_EQ(again->commands[1].string_parameter, nullptr);
}

TEST(CommandList, SetMoveRouteCarriesItsRouteWithoutAnEndMarker) {
    PAGE page;
    ADDCOMMAND(*page.page, 0, 0, nullptr, {});
    MOVEROUTE& route = SETROUTE(page->commands[0]);
    route.target = 10005;
    route.frequency = 3;
    route.repeat = 1;
    FILLSAMPLEROUTE(route);
    EXPECT_EQ(WRITTEN(*page.page), std::string(SAMPLESETROUTE) + " 00 00 00 00");

    PAGE decoded;
    READLIST(HEX(SAMPLESETROUTE), decoded);
    ASSERT_EQ(decoded->command_count, 1);
    const EVENTCOMMAND& command = decoded->commands[0];
    EXPECT_EQ(command.parameter_count, 0);
    EXPECT_EQ(command.parameters[63], 0);
    ASSERT_NE(command.move_route, nullptr);
    const MOVEROUTE& read = *command.move_route;
    EXPECT_EQ(read.target, 10005);
    EXPECT_EQ(read.frequency, 3);
    EXPECT_EQ(read.repeat, 1);
    ASSERT_EQ(read.command_count, 3) << "no move-up step is added";
    EXPECT_EQ(read.commands[1].switch_id, 5);
    EXPECT_STREQ(read.commands[2].graphic_name, "ab");
    EXPECT_EQ(read.commands[2].graphic_index, 2);

    // Decoding and encoding again changes nothing: routes do not grow.
    EXPECT_EQ(WRITTEN(*decoded.page), std::string(SAMPLESETROUTE) + " 00 00 00 00");
}

TEST(CommandList, SetMoveRouteWithTooFewParametersStillReadsTheRouteNumbers) {
    PAGE page;
    READLIST(HEX("D8 42 00 00 02 07 03 01 01 0A 00 00 00"), page);
    ASSERT_EQ(page->command_count, 2);
    EXPECT_EQ(page->commands[0].move_route->target, 7);
    EXPECT_EQ(page->commands[0].move_route->skippable, 1);
    EXPECT_EQ(page->commands[0].move_route->command_count, 0);
    EXPECT_EQ(page->commands[1].code, 10);
}

TEST(CommandList, ASetMoveRouteWithoutARouteIsWrittenWithAnEmptyOne) {
    PAGE page;
    ADDCOMMAND(*page.page, 11330, 0, nullptr, {9, 9});
    EXPECT_EQ(WRITTEN(*page.page), "D8 42 00 00 04 00 00 00 00 00 00 00 00");
}

TEST(CommandList, AnEndCommandInTheMiddleEndsTheListWhenRead) {
    PAGE page;
    ADDCOMMAND(*page.page, 10, 0, nullptr, {});
    ADDCOMMAND(*page.page, 0, 0, "X", {4});
    ADDCOMMAND(*page.page, 10, 0, nullptr, {});
    const std::string written = WRITTEN(*page.page);
    EXPECT_EQ(written, "0A 00 00 00 00 00 01 58 01 04 0A 00 00 00 00 00 00 00");
    PAGE again;
    // The end command is read whole, text and parameters too, and not kept;
    // the sanitizer build reports a leak if what it held is not released.
    EXPECT_EQ(READLIST(HEX(written), again), 10);
    EXPECT_EQ(again->command_count, 1);
}

TEST(CommandList, ACommandThatBeginsInsideTheLengthIsReadWhole) {
    PAGE page;
    EXPECT_EQ(READLIST(HEX("0A 00 00 02 01 02 0B 00 00 00"), page, 1), 6);
    ASSERT_EQ(page->command_count, 1);
    EXPECT_EQ(page->commands[0].parameters[1], 2);
}

TEST(CommandList, ASecondListAppendsToThePage) {
    PAGE page;
    READLIST(HEX("0A 00 00 00 00 00 00 00"), page);
    READLIST(HEX("0B 00 00 00 0C 00 00 00 00 00 00 00"), page);
    ASSERT_EQ(page->command_count, 3);
    EXPECT_EQ(page->commands[0].code, 10);
    EXPECT_EQ(page->commands[2].code, 12);
}

TEST(MoveRoute, TheRawFormRoundTrips) {
    MOVEROUTE route;
    FILLSAMPLEROUTE(route);
    BYTESTRING raw;
    WRITEMOVEROUTE(raw, route, RAWFORM);
    EXPECT_EQ(TOHEX(raw), "01 20 05 22 02 61 62 02");

    MOVEROUTE read;
    CHUNKREADER reader(raw);
    READMOVEROUTE(reader, read, static_cast<std::int32_t>(raw.size()), RAWFORM);
    BYTESTRING again;
    WRITEMOVEROUTE(again, read, RAWFORM);
    EXPECT_EQ(again, raw);

    DESTROYOBJECT(route.commands, 1, route.command_count);
    DESTROYOBJECT(read.commands, 1, read.command_count);
}

TEST(MoveRoute, WideValuesInBothForms) {
    // A switch id of 200 takes two bytes but counts as one number; a name byte
    // of 233 is one raw byte or one two-byte number.
    PAGE page;
    ADDCOMMAND(*page.page, 0, 0, nullptr, {});
    MOVEROUTE& wide = SETROUTE(page->commands[0]);
    ADDMOVE(wide, 33).switch_id = 200;
    ADDMOVE(wide, 35).sound_name = COPYNAME("\xE9");
    BYTESTRING raw;
    WRITEMOVEROUTE(raw, wide, RAWFORM);
    EXPECT_EQ(TOHEX(raw), "21 81 48 23 01 E9 64 64 32");
    BYTESTRING numbers;
    WRITEMOVEROUTE(numbers, wide, PERCHARACTERFORM);
    EXPECT_EQ(TOHEX(numbers), "21 81 48 23 01 81 69 64 64 32");
    EXPECT_EQ(WRITTEN(*page.page).substr(0, 17), "D8 42 00 00 0C 00") << "4 + 2 + 6 numbers";
}

TEST(MoveRoute, AZeroByteInAPerCharacterNameLeavesNoTrace) {
    PAGE page;
    READLIST(HEX("D8 42 00 00 0A 00 00 00 00 22 03 61 00 62 00"), page);
    const MOVEROUTE& route = *page->commands[0].move_route;
    ASSERT_EQ(route.command_count, 1);
    EXPECT_STREQ(route.commands[0].graphic_name, "ab");
}

TEST(HostileCounts, AParameterCountBeyondTheDataIsCappedByIt) {
    PAGE page;
    READLIST(HEX("0A 00 00 87 FF FF FF 7F 05 06"), page, 100);
    ASSERT_EQ(page->command_count, 1);
    EXPECT_LE(page->commands[0].parameter_count, 3);
    EXPECT_EQ(page->commands[0].parameters[0], 5);
}

// Read from the data or left by an outside program, a negative parameter
// count holds no parameters and is written as 0.
TEST(HostileCounts, ANegativeParameterCountIsNone) {
    PAGE page;
    READLIST(HEX("0A 00 00 8F FF FF FF 7F 0B 00 00 00 00 00 00 00"), page);
    ASSERT_EQ(page->command_count, 2);
    EXPECT_EQ(page->commands[0].parameter_count, 0);
    EXPECT_EQ(WRITTEN(*page.page), "0A 00 00 00 0B 00 00 00 00 00 00 00");
    page->commands[0].parameter_count = -3;
    EXPECT_EQ(WRITTEN(*page.page), "0A 00 00 00 0B 00 00 00 00 00 00 00");
}

TEST(HostileCounts, ANegativeLengthEndsTheData) {
    PAGE page;
    const std::string bytes = HEX("0A 00 8F FF FF FF 7F 41 42 00 0B 00 00 00");
    EXPECT_EQ(READLIST(bytes, page), static_cast<std::int64_t>(bytes.size()) + 1);
    ASSERT_EQ(page->command_count, 1);
    EXPECT_EQ(page->commands[0].string_parameter, nullptr);
    EXPECT_EQ(page->commands[0].parameter_count, 0);
}

TEST(HostileCounts, AHugeRouteNameLengthOnlyTakesWhatIsThere) {
    PAGE page;
    READLIST(HEX("D8 42 00 00 87 FF FF FF 7F 00 00 00 00 22 87 FF FF FF 7F 61 62"), page);
    const MOVEROUTE& route = *page->commands[0].move_route;
    ASSERT_EQ(route.command_count, 1);
    EXPECT_STREQ(route.commands[0].graphic_name, "ab");
}
