// A game's texts out to PO files: small map files made here for each rule,
// and with PAGEWRIGHT_GAMES set, the real games through pagewright-clip, as a
// translator uses it.
#include "codepage_detection.h"
#include "corpus.h"
#include "formats/chunk_ids.h"
#include "game_fixtures.h"
#include "processes.h"
#include "translations.h"

#include <gtest/gtest.h>

#include <filesystem>

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

namespace {

namespace fs = std::filesystem;

std::string CLIP(const std::string& arguments, int& exit_code) {
    return OUTPUTOFCOMMAND(std::string(PAGEWRIGHT_CLIP) + " " + arguments, exit_code, true);
}

std::string QUOTED(const fs::path& path) {
    return '"' + path.string() + '"';
}

// Its database's texts tell the code page, as they tell the tool.
std::uint32_t CODEPAGEOF(const fs::path& game) {
    const GAMEFILE database(FILEBYTES(game / "RPG_RT.ldb"));
    std::vector<PLAYERTEXT> texts = FIELDTEXTS(database);
    for (const ENTRYKIND kind : {ENTRYKIND::TROOP, ENTRYKIND::COMMONEVENT}) {
        for (PLAYERTEXT& text : EVENTTEXTS(database, kind, 0))
            texts.push_back(std::move(text));
    }
    std::vector<std::string_view> views;
    for (const PLAYERTEXT& text : texts)
        views.push_back(text.bytes);
    return DETECTCODEPAGE(views, std::nullopt).number;
}

} // namespace

TEST(GameTexts, OneEntryForEachTextWithAllItsPlaces) {
    const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(1252);
    std::vector<std::string> left_out;
    const POFILE po = TEXTSPOFILE(
        EVENTTEXTS(MAPOF(BOX + COMMAND(10110, 0, "\x81") + BOX), ENTRYKIND::MAPEVENT, 1), *codepage,
        {}, left_out);
    ASSERT_EQ(po.messages.size(), 1u);
    EXPECT_EQ(
        po.messages[0].references,
        (std::vector<std::string>{"map1/event1/page1/commands:1", "map1/event1/page1/commands:4"}));
    EXPECT_EQ(left_out, std::vector<std::string>{"map1/event1/page1/commands:3"});
}

// Every text out, into PO files that gettext's check takes.
TEST(GameTexts, RealGamesExportToPoFiles) {
    const char* games = GIVENGAMESFOLDER();
    if (!games) GTEST_SKIP() << "PAGEWRIGHT_GAMES is not set; no games to export";
    const bool msgfmt = std::system("command -v msgfmt >/dev/null 2>&1") == 0;
    for (const auto& entry : fs::directory_iterator(games)) {
        const fs::path game = entry.path();
        if (!fs::exists(game / "RPG_RT.ldb")) continue;
        SCOPED_TRACE(game.string());
        const fs::path work = fs::path(testing::TempDir()) / "exported" / game.filename();
        fs::remove_all(work);
        const std::string codepage = " --codepage " + std::to_string(CODEPAGEOF(game));
        int exit_code = 0;
        std::string said =
            CLIP("export-texts " + QUOTED(game) + " -o " + QUOTED(work) + codepage, exit_code);
        ASSERT_EQ(exit_code, 0) << said;
        ASSERT_TRUE(fs::exists(work / "RPG_RT.ldb.po"));
        for (const auto& po : fs::directory_iterator(work)) {
            if (!msgfmt) break;
            said = OUTPUTOFCOMMAND("msgfmt --check -o /dev/null " + QUOTED(po.path()), exit_code,
                                   true);
            EXPECT_EQ(exit_code, 0) << said;
        }
    }
}
