// The games the corpus was cut from: what taking each manifest row's source
// gives is its file, and pagewright-clip events lists every map event that the
// manifests count.
#include "corpus_fixture.h"
#include "game_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <sstream>

using namespace KESTREL;

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

int EVENTSLINESOFMAPS(const std::filesystem::path& game, int& exit_code) {
    const std::string command = std::string(PAGEWRIGHT_CLIP) + " events '" + game.string() + "'";
    FILE* output = popen(command.c_str(), "r");
    int lines = 0;
    char line[4096];
    while (std::fgets(line, sizeof line, output)) {
        if (std::string(line).rfind("map", 0) == 0) ++lines;
    }
    exit_code = pclose(output);
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
        std::string missing;
        const std::optional<BYTESTRING> content = TAKECONTENT(file, *selected, missing);
        ASSERT_TRUE(content) << selector << " of " << path << ": " << missing;
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
        EXPECT_EQ(EVENTSLINESOFMAPS(GAMESFOLDER() / game, exit_code), events) << game;
        EXPECT_EQ(exit_code, 0) << game;
    }
}
