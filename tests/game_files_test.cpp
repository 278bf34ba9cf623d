// Game files made of the sample contents, such files cut short, damaged or
// foreign, and the selectors that name their contents.
#include "game_fixtures.h"
#include "game_names.h"
#include "game_places.h"
#include "hex.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>
#include <unistd.h>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

std::string TAKEN(const GAMEFILE& file, const char* selector) {
    ABSENT absent{};
    const std::optional<BYTESTRING> content =
        TAKECONTENT(file, READSELECTOR(selector).value(), absent);
    if (content) return *content;
    return absent == ABSENT::ENTRY ? "no event" : "no page";
}

std::optional<GAMEFILEFAULT> REFUSAL(const std::string& bytes) {
    try {
        GAMEFILE{bytes};
    } catch (const GAMEFILEERROR& error) {
        return error.fault;
    }
    return std::nullopt;
}

} // namespace

// The tree's first page is what the encoder writes as a lone page and as
// commands, and is page 1 of both the map event and the monster group.
TEST(GameFiles, TakingGivesTheContentsTheFilesHold) {
    const GAMEFILE map(SAMPLEMAPFILE());
    const GAMEFILE database(SAMPLEDATABASE());
    EXPECT_EQ(TAKEN(map, "map1/event1"), SAMPLECONTENT(CB_MAPEVENT));
    EXPECT_EQ(TAKEN(map, "map1/event1/page1"), SAMPLECONTENT(CB_MAPEVENTPAGE));
    EXPECT_EQ(TAKEN(map, "map1/event1/page1/commands"), SAMPLECONTENT(CB_EVENTCOMMANDS));
    EXPECT_EQ(TAKEN(database, "troop1"), SAMPLECONTENT(CB_MONSTERGROUP));
    EXPECT_EQ(TAKEN(database, "troop1/page1"), SAMPLECONTENT(CB_BATTLEEVENTPAGE));
    EXPECT_EQ(TAKEN(database, "troop1/page1/commands"), SAMPLECONTENT(CB_EVENTCOMMANDS));
    EXPECT_EQ(TAKEN(database, "common1"), SAMPLECONTENT(CB_COMMONEVENT));
    EXPECT_EQ(TAKEN(database, "common1/commands"), SAMPLECONTENT(CB_EVENTCOMMANDS));

    EXPECT_EQ(TAKEN(map, "map1/event2"), "no event");
    EXPECT_EQ(TAKEN(map, "map1/event1/page3"), "no page");
    EXPECT_EQ(TAKEN(database, "troop2"), "no event");
    EXPECT_EQ(TAKEN(map, "troop1"), "no event");
    EXPECT_EQ(TAKEN(database, "troop1/page3/commands"), "no page");

    const ENTRYFACTS facts = map.FACTSOF(map.ENTRIES()[0]);
    EXPECT_EQ(map.BYTESOF(facts.name), "Gate \xE9");
    EXPECT_EQ(facts.x, 12);
    EXPECT_EQ(facts.y, 300);
    EXPECT_EQ(facts.pages.size(), 2u);
}

TEST(GameFiles, NamesAreTheFilesListsOwn) {
    const GAMEFILE database(SAMPLEDATABASE());
    EXPECT_EQ(database.NAMEOF(IDKIND::SWITCH, 1), BYTEVIEW(SAMPLESWITCHNAME));
    EXPECT_EQ(database.NAMEOF(IDKIND::VARIABLE, 1), BYTEVIEW(SAMPLEVARIABLENAME));
    EXPECT_EQ(database.NAMEOF(IDKIND::TROOP, 1), BYTEVIEW("Gate \xE9"));
    EXPECT_EQ(database.NAMEOF(IDKIND::COMMONEVENT, 1), BYTEVIEW("Gate \xE9"));
    EXPECT_EQ(database.NAMEOF(IDKIND::SWITCH, 2), std::nullopt);
    EXPECT_EQ(database.NAMEOF(IDKIND::SWITCH, 0), std::nullopt);
    EXPECT_EQ(database.NAMEOF(IDKIND::ITEM, 1), std::nullopt);
    const GAMEFILE map(SAMPLEMAPFILE());
    EXPECT_EQ(map.NAMEOF(IDKIND::MAPEVENT, 1), BYTEVIEW("Gate \xE9"));
    EXPECT_EQ(map.NAMEOF(IDKIND::SWITCH, 1), std::nullopt);

    // The battle commands' list lies among the battle screen's settings.
    const IDLIST& commands = IDLISTOF(IDKIND::BATTLECOMMAND);
    const GAMEFILE later(
        KINDNAMED(DATABASEKINDNAME) + GAMECHUNK(IDLISTOF(IDKIND::COMMONEVENT).chunk, GAMELIST({})) +
        GAMECHUNK(commands.chunk, GAMECHUNK(commands.nested + 1, "\x01") +
                                      GAMECHUNK(commands.nested, SAMPLENAMEDLIST("Attack"))));
    EXPECT_EQ(later.NAMEOF(IDKIND::BATTLECOMMAND, 1), BYTEVIEW("Attack"));
}

// What a writer that replaces a part and rewrites the lengths around it
// needs: the chunks that enclose each part, and a command list's size chunk.
TEST(GameFiles, EachPartSaysWhereTheChunksAroundItLie) {
    const GAMEFILE map(SAMPLEMAPFILE());
    const GAMEFILE database(SAMPLEDATABASE());
    EXPECT_EQ(MISPLACED(map), "");
    EXPECT_EQ(MISPLACED(database), "");
    const std::vector<CHUNK>& events = map.LISTCHUNKS(IDKIND::MAPEVENT);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, IDLISTOF(IDKIND::MAPEVENT).chunk);
    EXPECT_EQ(events[0].header, static_cast<std::int64_t>(1 + MAPFILEKINDNAME.size()));
    const ENTRYFACTS facts = map.FACTSOF(map.ENTRIES()[0]);
    EXPECT_EQ(facts.page_list.id, MAPEVENTCHUNK::PAGES);
    EXPECT_EQ(facts.pages[0].commands.list.id, MAPPAGECHUNK::COMMANDS);
    EXPECT_EQ(facts.pages[0].commands.size.id, MAPPAGECHUNK::COMMANDSIZE);
    const ENTRYFACTS common = database.FACTSOF(*database.ENTRYOF(ENTRYKIND::COMMONEVENT, 1));
    EXPECT_EQ(common.commands.size.id, COMMONEVENTCHUNK::COMMANDSIZE);
    EXPECT_EQ(common.page_list.id, ENDCHUNK);
    EXPECT_TRUE(database.LISTCHUNKS(IDKIND::MAPEVENT).empty());
    // A map's top level ends at its closing chunk id 0, a database's at its
    // last byte.
    EXPECT_EQ(map.TOPCHUNKS().size(), 1u);
    EXPECT_EQ(map.TOPEND(), static_cast<std::int64_t>(map.BYTES().size()) - 1);
    EXPECT_EQ(database.TOPCHUNKS().back().id, IDLISTOF(IDKIND::COMMONEVENT).chunk);
    EXPECT_EQ(database.TOPEND(), static_cast<std::int64_t>(database.BYTES().size()));
}

// A body reads as a file reads it only up to its closing chunk id 0, as its
// last byte.
TEST(GameFiles, BodiesReadAsTheFilesReadThem) {
    for (const auto& [format, kind, page] :
         {std::tuple(CB_MAPEVENT, ENTRYKIND::MAPEVENT, false),
          std::tuple(CB_MONSTERGROUP, ENTRYKIND::TROOP, false),
          std::tuple(CB_COMMONEVENT, ENTRYKIND::COMMONEVENT, false),
          std::tuple(CB_MAPEVENTPAGE, ENTRYKIND::MAPEVENT, true)}) {
        const std::string body = SAMPLEBODY(format);
        EXPECT_TRUE(READABLEBODY(kind, page, body)) << format;
        EXPECT_FALSE(READABLEBODY(kind, page, body.substr(0, body.size() - 1))) << format;
        EXPECT_FALSE(READABLEBODY(kind, page, body + '\0')) << format;
    }
    // A page list that overruns its chunk.
    const std::string pages = GAMECHUNK(MAPEVENTCHUNK::PAGES, ENCODENUMBER(2) + ENCODENUMBER(1));
    EXPECT_FALSE(READABLEBODY(ENTRYKIND::MAPEVENT, false, pages + '\0'));
    EXPECT_TRUE(READABLEBODY(ENTRYKIND::MAPEVENT, true, pages + '\0'));
}

// Each kind is named by the file that holds its list, as text of the code
// page.
TEST(GameFiles, GameNamesComeFromTheFileOfTheirList) {
    const GAMEFILE database(SAMPLEDATABASE());
    const GAMEFILE map(SAMPLEMAPFILE());
    const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(1252);
    const GAMENAMES names(&database, &map, *codepage);
    EXPECT_EQ(*names.NAMEOF(IDKIND::SWITCH, 1), SAMPLESWITCHNAME);
    EXPECT_EQ(*names.NAMEOF(IDKIND::MAPEVENT, 1), "Gate \u00E9");
    EXPECT_EQ(names.NAMEOF(IDKIND::MAP, 1), nullptr);
    EXPECT_EQ(names.NAMEOF(IDKIND::SWITCH, 2), nullptr);
    EXPECT_EQ(GAMENAMES(nullptr, &map, *codepage).NAMEOF(IDKIND::SWITCH, 1), nullptr);
    const MAPTREE tree(SAMPLEMAPTREE());
    const GAMENAMES named(&database, &map, *codepage, &tree);
    EXPECT_EQ(*named.NAMEOF(IDKIND::MAP, 1), "Harbour");
    EXPECT_EQ(named.NAMEOF(IDKIND::MAP, 0), nullptr);
    EXPECT_EQ(named.NAMEOF(IDKIND::MAP, 4), nullptr);
}

// The tree's order is its own, not the ids'; an entry's parent and depth are
// as it stores them.
TEST(MapTree, GivesTheEditorsOrderAndRefusesABrokenTree) {
    const MAPTREE tree(SAMPLEMAPTREE());
    std::vector<std::string> shown;
    for (const std::size_t index : tree.TREEORDER()) {
        const MAPENTRY& entry = tree.ENTRIES()[index];
        shown.push_back(std::string(tree.BYTESOF(entry.name)) + " " + std::to_string(entry.parent) +
                        " " + std::to_string(entry.indentation));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Sample game 0 0", "Lighthouse 0 1", "Harbour 0 1",
                                               "Quay 1 2"}));
    EXPECT_EQ(tree.ENTRYOF(2)->type, MAPTYPE::AREA);
    EXPECT_FALSE(tree.NAMEOF(0));

    const std::string whole = SAMPLEMAPTREE();
    const std::size_t named = 1 + static_cast<std::size_t>(whole[0]);
    for (std::size_t cut = named; cut < whole.size(); ++cut) {
        EXPECT_ANY_THROW(MAPTREE{whole.substr(0, cut)}) << "cut at " << cut;
    }
    const std::string entry = MAPTREEENTRY("A", 0, 1, MAPTYPE::MAP);
    const std::string broken[] = {
        // an id twice in the order, an order that leaves one out, and
        // entries out of id order
        MAPTREEFILE({{0, entry}, {1, entry}}, {0, 0}),
        MAPTREEFILE({{0, entry}, {1, entry}}, {0}),
        MAPTREEFILE({{1, entry}, {0, entry}}, {0, 1}),
    };
    for (const std::string& bytes : broken) {
        try {
            MAPTREE{bytes};
            ADD_FAILURE() << TOHEX(bytes);
        } catch (const GAMEFILEERROR& error) {
            EXPECT_EQ(error.fault, GAMEFILEFAULT::DAMAGED) << TOHEX(bytes);
        }
    }
}

// An id listed twice is its first entry, the one that its selector takes; a
// database gives its monster groups before its common events.
TEST(GameFiles, EventsComeInIdOrderEachIdOnce) {
    const std::string body = SAMPLEBODY(CB_MAPEVENT);
    const std::string nothing(1, '\0');
    const GAMEFILE map(
        MAPFILEWITHEVENTS(GAMELIST({{7, body}, {2, body}, {5, body}, {2, nothing}})));
    std::vector<std::int32_t> ids;
    for (const GAMEENTRY& entry : map.ENTRIES())
        ids.push_back(entry.id);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{2, 5, 7}));
    EXPECT_EQ(map.BYTESOF(map.ENTRIES()[0].body), body);
    EXPECT_FALSE(map.INIDORDER(ENTRYKIND::MAPEVENT));
    EXPECT_FALSE(GAMEFILE(MAPFILEWITHEVENTS(GAMELIST({{2, body}, {2, body}})))
                     .INIDORDER(ENTRYKIND::MAPEVENT));
    EXPECT_TRUE(GAMEFILE(SAMPLEMAPFILE()).INIDORDER(ENTRYKIND::MAPEVENT));
    const GAMEFILE database(SAMPLEDATABASE());
    std::vector<ENTRYKIND> kinds;
    for (const GAMEENTRY& entry : database.ENTRIES())
        kinds.push_back(entry.kind);
    EXPECT_EQ(kinds, (std::vector<ENTRYKIND>{ENTRYKIND::TROOP, ENTRYKIND::COMMONEVENT}));
}

TEST(GameFiles, CutShortDamagedAndForeignFilesAreRefused) {
    for (const std::string& whole : {SAMPLEMAPFILE(), SAMPLEDATABASE()}) {
        // What is cut inside the kind's name is no game file at all.
        const std::size_t named = 1 + static_cast<std::size_t>(whole[0]);
        for (std::size_t cut = 0; cut < whole.size(); ++cut) {
            EXPECT_EQ(REFUSAL(whole.substr(0, cut)),
                      cut < named ? GAMEFILEFAULT::FOREIGN : GAMEFILEFAULT::CUTSHORT)
                << "cut at " << cut;
        }
    }
    const std::string body = SAMPLEBODY(CB_MAPEVENT);
    const std::string damaged[] = {
        // a count beyond the entries, one beyond what the list can hold, and
        // bytes after the last entry
        MAPFILEWITHEVENTS(ENCODENUMBER(2) + ENCODENUMBER(1) + body),
        MAPFILEWITHEVENTS(ENCODENUMBER(0x40000000) + ENCODENUMBER(1) + body),
        MAPFILEWITHEVENTS(GAMELIST({{1, body}}) + "\x01"),
        // an event whose chunk runs past the list, and one without its end
        MAPFILEWITHEVENTS(ENCODENUMBER(1) + ENCODENUMBER(1) + GAMECHUNK(1, "ab").substr(0, 3)),
        MAPFILEWITHEVENTS(GAMELIST({{1, body.substr(0, body.size() - 1)}})),
    };
    for (const std::string& bytes : damaged) {
        EXPECT_EQ(REFUSAL(bytes), GAMEFILEFAULT::DAMAGED) << TOHEX(bytes.substr(0, 40));
    }
    for (const std::string& bytes : {std::string(), SAMPLECONTENT(CB_MAPEVENT),
                                     KINDNAMED("LcfSaveData") + ENCODENUMBER(ENDCHUNK),
                                     KINDNAMED("lcfmapunit") + ENCODENUMBER(ENDCHUNK)}) {
        EXPECT_EQ(REFUSAL(bytes), GAMEFILEFAULT::FOREIGN) << TOHEX(bytes.substr(0, 40));
    }
}

TEST(Selectors, EachFormOfTheTableAndNoOther) {
    const std::pair<const char*, CLIPBOARDCONTENTTYPE> forms[] = {
        {"map1/event3", CB_MAPEVENT},
        {"map12/event3/page2", CB_MAPEVENTPAGE},
        {"map1/event3/page2/commands", CB_EVENTCOMMANDS},
        {"troop4", CB_MONSTERGROUP},
        {"troop4/page1", CB_BATTLEEVENTPAGE},
        {"troop4/page1/commands", CB_EVENTCOMMANDS},
        {"common5", CB_COMMONEVENT},
        {"common2147483647/commands", CB_EVENTCOMMANDS},
    };
    for (const auto& [text, format] : forms) {
        const std::optional<SELECTOR> selector = READSELECTOR(text);
        ASSERT_TRUE(selector) << text;
        EXPECT_EQ(SELECTEDFORMAT(*selector), format) << text;
        EXPECT_EQ(SELECTORTEXT(*selector), text);
    }
    for (const char* text :
         {"", "map1", "map1/event", "map01/event3", "map0/event3", "map1/event3/page0",
          "map1/event3/commands", "troop4/commands", "common5/page1", "common5/commands/page1",
          "Map1/event3", "map1/event3/", "map1//event3", "troop2147483648", "troop-1", "troop+1",
          "troop 4"}) {
        EXPECT_FALSE(READSELECTOR(text)) << text;
    }
    EXPECT_EQ(FILEOFSELECTOR(*READSELECTOR("map12/event3")), "Map0012.lmu");
    EXPECT_EQ(FILEOFSELECTOR(*READSELECTOR("common5")), DATABASEFILENAME);
    EXPECT_EQ(MAPNUMBEROFFILE("mAP0012.LMU"), 12);
    for (const char* name : {"Map0000.lmu", "Map12.lmu", "Map00012.lmu", "Map0012.lmu.bak"}) {
        EXPECT_FALSE(MAPNUMBEROFFILE(name)) << name;
    }
    EXPECT_TRUE(ISDATABASEFILE("rpg_rt.LDB"));
}

// Names in any case, and of two that differ only in case the first in byte
// order, as Windows would hold only one of them.
TEST(GameFolder, FindsFilesWhateverTheirCase) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("pagewright-folder-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const char* name : {"rpg_rt.LDB", "map0002.LMU", "Map0002.lmu", "RPG_RT.LMT", "Map7.lmu"})
        std::ofstream(folder / name).put('x');
    std::error_code error;
    const std::optional<GAMEFOLDER> game = GAMEFOLDER::READ(folder.string(), error);
    ASSERT_TRUE(game) << error.message();
    EXPECT_EQ(game->DATABASEPATH(), (folder / "rpg_rt.LDB").string());
    EXPECT_EQ(game->PATHOF("rpg_rt.lmt"), (folder / "RPG_RT.LMT").string());
    EXPECT_EQ(game->PATHOF(*READSELECTOR("map2/event1")), (folder / "Map0002.lmu").string());
    EXPECT_EQ(game->PATHOF(*READSELECTOR("common1")), game->DATABASEPATH());
    EXPECT_EQ(game->MAPPATHS().size(), 1u);
    EXPECT_FALSE(game->PATHOF(*READSELECTOR("map7/event1")));
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(GAMEFOLDER::READ(folder.string(), error));
    EXPECT_TRUE(error);
}
