// The JSON form of event trees: what it keeps, what it leaves out, how it is
// laid out, and how commands are named.
#include "command_table.h"
#include "fixtures.h"
#include "json_trees.h"

#include <gtest/gtest.h>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

// Every encoder writes the imported tree as it writes the original, and the
// imported tree exports as the same JSON again.
void EXPECTROUNDTRIP(CLIPBOARDCONTENTTYPE format, const EVENT* original) {
    const std::string json = EXPORT(original, format);
    const IMPORTEDEVENT imported = IMPORT(json);
    EXPECT_EQ(imported.format, format);
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
        EXPECT_EQ(ENCODE(target, imported.tree.get()), ENCODE(target, original))
            << format << " as " << target;
    }
    EXPECT_EQ(EXPORT(imported.tree.get(), format), json) << format;
}

} // namespace

TEST(JsonForm, TheRichTreeAndEveryFormatDecodedFromItComeBack) {
    const EVENTTREE built = RICHEVENT();
    EXPECTROUNDTRIP(CB_MAPEVENT, built.get());
    for (const auto& [format, content] : RICHCONTENTS()) {
        const EVENTTREE decoded = DECODE(format, content);
        EXPECTROUNDTRIP(format, decoded.get());
    }
}

// The encoders tell these apart (a page's graphic name: null writes no chunk,
// "" an empty one), so the form must too.
TEST(JsonForm, AbsentAndEmptyStayApart) {
    EVENTTREE event = EVENTWITHPAGES(2);
    event->name = COPYNAME("");
    event->extra_chunks = new EXTRACHUNKS;
    EVENTPAGE& empty = event->pages[0];
    empty.graphic_name = COPYNAME("");
    empty.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    empty.move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    ADDCOMMAND(empty, 10110, 0, "", {});
    ADDCOMMAND(event->pages[1], 10110, 0, nullptr, {});

    const IMPORTEDEVENT imported = IMPORT(EXPORT(event.get()));
    const EVENT& back = *imported.tree;
    ASSERT_EQ(back.page_count, 2);
    EXPECT_STREQ(back.name, "");
    ASSERT_NE(back.extra_chunks, nullptr);
    EXPECT_STREQ(back.pages[0].graphic_name, "");
    EXPECT_NE(back.pages[0].condition, nullptr);
    EXPECT_NE(back.pages[0].move_route, nullptr);
    EXPECT_STREQ(back.pages[0].commands[0].string_parameter, "");
    EXPECT_EQ(back.pages[1].graphic_name, nullptr);
    EXPECT_EQ(back.pages[1].condition, nullptr);
    EXPECT_EQ(back.pages[1].move_route, nullptr);
    EXPECT_EQ(back.pages[1].commands[0].string_parameter, nullptr);
}

TEST(JsonForm, DefaultsAreLeftOutAndEachCommandTakesOneLine) {
    EVENTTREE event = EVENTWITHPAGES(1);
    event->kind = EK_COMMANDS;
    EVENTPAGE& page = event->pages[0];
    page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    page.condition->flags = 1;
    ADDCOMMAND(page, 10110, 0, "Hi \"you\"", {});
    ADDCOMMAND(page, 10210, 1, nullptr, {0, 5, 5, 0});
    ADDCOMMAND(page, 10, 1, nullptr, {});
    ADDCOMMAND(page, 30001, 0, nullptr, {});
    ADDCOMMAND(page, 11330, 0, nullptr, {});
    page.commands[4].move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    ADDMOVE(*page.commands[4].move_route, 0);
    ADDMOVE(*page.commands[4].move_route, 35).sound_name = COPYNAME("Bell");

    EXPECT_EQ(EXPORT(event.get(), CB_EVENTCOMMANDS),
              R"({
  "format": 566,
  "pages": [
    {
      "number": 1,
      "condition": {"flags":1},
      "commands": [
        {"command":"ShowMessage","code":10110,"string_parameter":"Hi \"you\""},
        {"command":"ControlSwitches","code":10210,"indent":1,"parameters":[0,5,5,0]},
        {"command":"Empty","code":10,"indent":1},
        {"code":30001},
        {"command":"SetMoveRoute","code":11330,"move_route":{"commands":[{"code":0},{"code":35,"sound_name":"Bell"}]}}
      ]
    }
  ]
}
)");
}

TEST(JsonForm, ACommandMayGiveItsCodeItsNameOrBothAndWithoutEitherIsCode10) {
    const IMPORTEDEVENT imported = IMPORT(R"({"format": 566, "pages": [{"commands": [
        {"code": 10110}, {"command": "ShowMessage"}, {"command": "ShowMessage", "code": 10110},
        {"code": 30001}, {}]}]})");
    const EVENTPAGE& page = imported.tree->pages[0];
    ASSERT_EQ(page.command_count, 5);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(page.commands[i].code, 10110) << i;
    EXPECT_EQ(page.commands[3].code, 30001);
    EXPECT_EQ(page.commands[4].code, 10);
}

TEST(JsonForm, EveryCommandNameLeadsBackToItsCode) {
    int named = 0;
    for (std::int32_t code = 0; code < 40000; ++code) {
        if (const char* name = COMMANDNAME(code)) {
            EXPECT_EQ(COMMANDCODE(name), code) << name;
            ++named;
        }
    }
    EXPECT_GT(named, 100);
}
