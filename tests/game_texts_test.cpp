// A game's texts, in small map files made here for each rule.
#include "formats/chunk_ids.h"
#include "game_fixtures.h"
#include "player_texts.h"

#include <gtest/gtest.h>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

std::string COMMAND(std::int32_t code, std::int32_t indent, const std::string& text,
                    std::vector<std::int32_t> parameters = {}) {
    std::string bytes = ENCODENUMBER(code) + ENCODENUMBER(indent) +
                        ENCODENUMBER(static_cast<std::int32_t>(text.size())) + text +
                        ENCODENUMBER(static_cast<std::int32_t>(parameters.size()));
    for (const std::int32_t parameter : parameters)
        bytes += ENCODENUMBER(parameter);
    return bytes;
}

// A map file whose event 1 has one page of the commands.
GAMEFILE MAPOF(const std::string& commands) {
    const std::string list = commands + COMMAND(0, 0, "");
    const std::string page =
        GAMECHUNK(MAPPAGECHUNK::COMMANDSIZE, ENCODENUMBER(static_cast<std::int32_t>(list.size()))) +
        GAMECHUNK(MAPPAGECHUNK::COMMANDS, list) + ENCODENUMBER(0);
    const std::string event =
        GAMECHUNK(MAPEVENTCHUNK::PAGES, GAMELIST({{1, page}})) + ENCODENUMBER(0);
    return GAMEFILE(MAPFILEWITHEVENTS(GAMELIST({{1, event}})));
}

const std::string FACE = COMMAND(10130, 0, "Face1", {0, 0, 0});
const std::string BOX = COMMAND(10110, 0, "Hello") + COMMAND(20110, 0, "there");
const std::string CHOICE = COMMAND(10140, 0, "Yes/No/Maybe", {0}) + COMMAND(20140, 0, "Yes", {0}) +
                           COMMAND(10, 1, "") + COMMAND(20140, 0, "No", {1}) + COMMAND(10, 1, "") +
                           COMMAND(20140, 0, "Maybe", {2}) + COMMAND(10, 1, "") +
                           COMMAND(20141, 0, "");

} // namespace

TEST(GameTexts, TextsOfEventsWithTheirPlaces) {
    const GAMEFILE map = MAPOF(FACE + BOX + CHOICE + COMMAND(10610, 0, "Alex", {1}));
    const std::vector<PLAYERTEXT> texts = EVENTTEXTS(map, ENTRYKIND::MAPEVENT, 1);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].bytes, "Hello\nthere");
    EXPECT_EQ(texts[0].place, "map1/event1/page1/commands:2");
    EXPECT_EQ(texts[0].width, 38u);
    EXPECT_EQ(texts[1].bytes, "Yes\nNo\nMaybe");
    EXPECT_EQ(texts[1].what, "a choice of 3 options beside a face");
    EXPECT_EQ(texts[2].context, "actors.name");
    EXPECT_EQ(texts[2].place, "map1/event1/page1/commands:12");
}
