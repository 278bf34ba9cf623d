// The games the corpus was cut from: what taking each manifest row's source
// gives is its file, pagewright-clip events lists every map event that the
// manifests count, and list reads every game file; and, with PAGEWRIGHT_GAMES
// set, maps shows each game's tree in the game's code page.
#include "corpus_fixture.h"
#include "game_folder.h"
#include "game_places.h"
#include "map_tree.h"
#include "processes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

// "Map0001.lmu event 3 'EV0003' (8,8) page 2 commands (+1 identical)",
// "RPG_RT.ldb troop 1 'Grassland 1' page 1", "RPG_RT.ldb common event 5
// 'Show' trigger 5" as the selector of what they name. Names may hold quotes
// and spaces, so what follows the name is what follows its last quote.
std::string SELECTOROFSOURCE(const std::string& source) {
    std::istringstream words(source);
    std::string file;
    std::string kind;
    std::string id;
    words >> file >> kind >> id;
    if (kind == "common") words >> id;
    std::string selector;
    if (const std::optional<std::int32_t> map = MAPNUMBEROFFILE(file)) {
        selector = "map" + std::to_string(*map) + "/event" + id;
    } else {
        selector = kind + id;
    }
    const std::string tail = source.substr(source.rfind('\'') + 1);
    const std::size_t page = tail.find(" page ");
    if (page != std::string::npos) {
        selector += "/page" + std::to_string(std::stoi(tail.substr(page + 6)));
    }
    if (tail.find(" commands") != std::string::npos) selector += "/commands";
    return selector;
}

// How many map events a row stands for: rows of identical contents name one
// source and count the others.
int ROWEVENTS(const std::string& source) {
    const std::size_t plus = source.rfind("(+");
    return 1 + (plus == std::string::npos ? 0 : std::stoi(source.substr(plus + 2)));
}

// What the tool writes on standard output for the arguments.
std::string OUTPUTOF(const std::string& arguments, int& exit_code) {
    return OUTPUTOFCOMMAND(std::string(PAGEWRIGHT_CLIP) + " " + arguments, exit_code);
}

std::size_t LINESSTARTING(const std::string& text, const std::string& start) {
    std::size_t lines = 0;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines += line.rfind(start, 0) == 0;
    return lines;
}

} // namespace

TEST_F(Corpus, TakingEachSourceGivesItsContent) {
    std::map<std::filesystem::path, GAMEFILE> games;
    for (const CORPUSFILE& row : files_) {
        const std::string selector = SELECTOROFSOURCE(row.source);
        const std::optional<SELECTOR> selected = READSELECTOR(selector);
        ASSERT_TRUE(selected) << row.source << " as " << selector;
        EXPECT_EQ(SELECTEDFORMAT(*selected), row.format) << selector;
        ASSERT_EQ(FILEOFSELECTOR(*selected), row.source.substr(0, row.source.find(' ')));
        const std::filesystem::path path = GAMESFOLDER() /
                                           row.path.parent_path().parent_path().filename() /
                                           FILEOFSELECTOR(*selected);
        auto read = games.find(path);
        if (read == games.end()) read = games.emplace(path, GAMEFILE(FILEBYTES(path))).first;
        const GAMEFILE& file = read->second;
        ABSENT absent{};
        const std::optional<BYTESTRING> content = TAKECONTENT(file, *selected, absent);
        ASSERT_TRUE(content) << selector << " of " << path;
        EXPECT_TRUE(*content == FILEBYTES(row.path)) << selector << " of " << path;
    }
}

TEST_F(Corpus, EventsListsEveryMapEvent) {
    std::map<std::string, int> counted;
    for (const CORPUSFILE& row : files_) {
        const std::string game = row.path.parent_path().parent_path().filename().string();
        if (row.format == CB_MAPEVENT) counted[game] += ROWEVENTS(row.source);
    }
    ASSERT_FALSE(counted.empty());
    for (const auto& [game, events] : counted) {
        int exit_code = -1;
        const std::string lines =
            OUTPUTOF("events '" + (GAMESFOLDER() / game).string() + "'", exit_code);
        EXPECT_EQ(LINESSTARTING(lines, "map"), static_cast<std::size_t>(events)) << game;
        EXPECT_EQ(exit_code, 0) << game;
    }
}

// Each file's listing heads each of its events with a note; a second run
// writes the same text. Each event, page and command list lies where the file
// says, inside the chunks it names around it.
TEST_F(Corpus, ListingEveryGameFileIsWholeAndStable) {
    std::size_t files = 0;
    for (const auto& game : std::filesystem::directory_iterator(GAMESFOLDER())) {
        if (!game.is_directory()) continue;
        for (const auto& entry : std::filesystem::directory_iterator(game)) {
            const std::string name = entry.path().filename().string();
            if (!ISDATABASEFILE(name) && !MAPNUMBEROFFILE(name)) continue;
            const std::string path = entry.path().string();
            const GAMEFILE file(FILEBYTES(path));
            const std::size_t events = file.ENTRIES().size();
            EXPECT_EQ(MISPLACED(file), "") << path;
            int exit_code = -1;
            const std::string listing = OUTPUTOF("list '" + path + "'", exit_code);
            ASSERT_EQ(exit_code, 0) << path;
            EXPECT_EQ(LINESSTARTING(listing, "## "), events) << path;
            EXPECT_EQ(OUTPUTOF("list '" + path + "'", exit_code), listing) << path;
            ++files;
        }
    }
    EXPECT_GT(files, 0u);
}

// Every entry but the root once, after a note of the code page the game's
// texts are in; a listing names the maps as the tree does.
TEST(GameMaps, EachGamesTreeIsShownInItsCodePage) {
    const char* folder = GIVENGAMESFOLDER();
    if (!folder) GTEST_SKIP() << "PAGEWRIGHT_GAMES is not set; no games to read";
    for (const auto& [game, codepage] : GAMECODEPAGES) {
        const std::filesystem::path path = std::filesystem::path(folder) / game;
        const MAPTREE tree(FILEBYTES(path / "RPG_RT.lmt"));
        int exit_code = -1;
        const std::string shown = OUTPUTOF("maps '" + path.string() + "'", exit_code);
        EXPECT_EQ(exit_code, 0) << game;
        EXPECT_EQ(shown.rfind("## code page " + std::to_string(codepage) + ",", 0), 0u) << game;
        EXPECT_EQ(LINESSTARTING(shown, "## "), 1u) << game;
        EXPECT_EQ(static_cast<std::size_t>(std::count(shown.begin(), shown.end(), '\n')),
                  tree.ENTRIES().size())
            << game;
    }
    int exit_code = -1;
    const std::filesystem::path itg = std::filesystem::path(folder) / "interpretertestgame";
    const std::string shown = OUTPUTOF("maps '" + itg.string() + "'", exit_code);
    EXPECT_NE(shown.find("  map101\t\"MAP0620 310_SR\u5206\u5BA4\"\tmap86\n"), std::string::npos);
    EXPECT_NE(shown.find("map324\t\"Chinese Bug\"\t-\tno file\n"), std::string::npos);
    const std::string listing = OUTPUTOF(
        "list '" + (std::filesystem::path(folder) / "testgame-2003" / "Map0001.lmu").string() + "'",
        exit_code);
    EXPECT_NE(listing.find("Transfer Player: [0002:Picture events] (1, 4)"), std::string::npos);
}
