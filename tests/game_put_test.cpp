// Contents put into game files and events and pages removed from them: what
// is written reads back as put, nothing else of the file changes but the
// lengths around it, a list's count and the save counter, and what cannot be
// written is refused before anything is. With PAGEWRIGHT_GAMES set, on every
// event of the real games.
#include "corpus.h"
#include "game_fixtures.h"
#include "game_put.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

SELECTOR SELECTED(const char* text) {
    return READSELECTOR(text).value();
}

std::string TAKEN(const GAMEFILE& file, const SELECTOR& selector) {
    ABSENT absent{};
    return TAKECONTENT(file, selector, absent).value_or("absent");
}

// The fault a put, or with an empty content a removal, is refused for.
std::optional<PUTFAULT> REFUSED(const GAMEFILE& file, const char* selector,
                                const std::string& content,
                                std::optional<POSITION> at = std::nullopt) {
    try {
        if (content.empty()) {
            REMOVECONTENT(file, SELECTED(selector));
        } else {
            PUTCONTENT(file, SELECTED(selector), content, at);
        }
    } catch (const PUTERROR& error) {
        return error.fault;
    }
    return std::nullopt;
}

GAMEFILE PUT(const GAMEFILE& file, const SELECTOR& selector, BYTEVIEW content,
             std::optional<POSITION> at = std::nullopt) {
    try {
        return GAMEFILE(PUTCONTENT(file, selector, content, at).value().bytes);
    } catch (const PUTERROR& error) {
        ADD_FAILURE() << SELECTORTEXT(selector) << " refused: " << static_cast<int>(error.fault);
    }
    return file;
}

// What differs between two readings of a file, outside the event of the
// selector: the file's kind name, a chunk of its top level other than the
// list of the selector's kind and the chunk of the save counter, or any
// other event.
std::string OTHERCHANGES(const GAMEFILE& before, const GAMEFILE& after, const SELECTOR& changed) {
    const std::int32_t list = before.LISTCHUNKS(EVENTLIST(changed.kind)).front().id;
    const std::int32_t counters[] = {MAPFILECHUNK::LATESAVECOUNT, MAPFILECHUNK::SAVECOUNT,
                                     DATABASESYSTEMCHUNK};
    const auto head = static_cast<std::size_t>(before.TOPCHUNKS().front().header);
    if (before.BYTES().substr(0, head) != after.BYTES().substr(0, head)) return "kind name";
    const auto kept = [&](const GAMEFILE& file) {
        std::vector<std::pair<std::int32_t, BYTEVIEW>> chunks;
        for (const CHUNK& chunk : file.TOPCHUNKS()) {
            if (chunk.id == list ||
                std::count(std::begin(counters), std::end(counters), chunk.id)) {
                continue;
            }
            chunks.emplace_back(chunk.id, file.BYTESOF(chunk.PAYLOAD()));
        }
        return chunks;
    };
    if (kept(before) != kept(after)) return "top level";
    for (const GAMEENTRY& entry : before.ENTRIES()) {
        if (entry.kind == changed.kind && entry.id == changed.id) continue;
        const GAMEENTRY* kept = after.ENTRYOF(entry.kind, entry.id);
        if (!kept || ENTRYCONTENT(before, entry) != ENTRYCONTENT(after, *kept)) {
            return "event " + std::to_string(entry.id);
        }
    }
    return "";
}

// A position where no event stands, among those up to the furthest events,
// which lie inside the map.
std::optional<POSITION> FREEPLACE(const GAMEFILE& map) {
    std::set<std::pair<std::int32_t, std::int32_t>> taken;
    POSITION furthest;
    for (const GAMEENTRY& entry : map.ENTRIES()) {
        const ENTRYFACTS facts = map.FACTSOF(entry);
        taken.insert({facts.x, facts.y});
        furthest = {std::max(furthest.x, facts.x), std::max(furthest.y, facts.y)};
    }
    for (std::int32_t y = 0; y <= furthest.y; ++y) {
        for (std::int32_t x = 0; x <= furthest.x; ++x) {
            if (!taken.count({x, y})) return POSITION{x, y};
        }
    }
    return std::nullopt;
}

} // namespace

// The sample map has no save counter, which is then added as 1; the
// database's has its system record.
TEST(Put, AddedAndReplacedContentsReadBackAndNothingElseChanges) {
    const GAMEFILE map(SAMPLEMAPFILE());
    const SELECTOR added = SELECTED("map1/event7");
    const FILECHANGE change =
        PUTCONTENT(map, added, SAMPLECONTENT(CB_MAPEVENT), POSITION{3, 0}).value();
    const GAMEFILE written(change.bytes);
    EXPECT_TRUE(change.added);
    EXPECT_EQ(change.counter_after, 1);
    EXPECT_EQ(written.TOPCHUNKS().back().id, MAPFILECHUNK::SAVECOUNT);
    EXPECT_EQ(OTHERCHANGES(map, written, added), "");
    const ENTRYFACTS facts = written.FACTSOF(*written.ENTRYOF(ENTRYKIND::MAPEVENT, 7));
    EXPECT_EQ(std::make_pair(facts.x, facts.y), std::make_pair(3, 0));

    const SELECTOR page = SELECTED("map1/event7/page2");
    const GAMEFILE paged = PUT(written, page, SAMPLECONTENT(CB_MAPEVENTPAGE));
    EXPECT_EQ(TAKEN(paged, page), FRAMEDCONTENT(CB_MAPEVENTPAGE, 2, SAMPLEBODY(CB_MAPEVENTPAGE)));
    const SELECTOR commands = SELECTED("map1/event7/page2/commands");
    // The sample's commands five times over, then the end command, 4 bytes.
    const std::string once = SAMPLECONTENT(CB_EVENTCOMMANDS).substr(4);
    std::string repeated;
    for (int times = 0; times < 5; ++times) {
        repeated += once.substr(0, once.size() - 4);
    }
    const std::string longer =
        FRAMEDCONTENT(CB_EVENTCOMMANDS, 0, repeated + once.substr(once.size() - 4));
    const GAMEFILE replaced = PUT(paged, commands, longer);
    EXPECT_EQ(TAKEN(replaced, commands), longer);
    EXPECT_EQ(TAKEN(replaced, SELECTED("map1/event1")), SAMPLECONTENT(CB_MAPEVENT));

    const GAMEFILE database(SAMPLEDATABASE());
    const SELECTOR common = SELECTED("common2");
    const GAMEFILE grown = PUT(database, common, SAMPLECONTENT(CB_COMMONEVENT));
    EXPECT_EQ(TAKEN(grown, common), FRAMEDCONTENT(CB_COMMONEVENT, 2, SAMPLEBODY(CB_COMMONEVENT)));
    EXPECT_EQ(OTHERCHANGES(database, grown, common), "");
    EXPECT_FALSE(PUTCONTENT(grown, common, TAKEN(grown, common), std::nullopt));

    // Commands without their size, after a chunk of a larger id: the list
    // there is replaced, and the size added where the ids place it.
    const std::string unordered =
        KINDNAMED(DATABASEKINDNAME) +
        GAMECHUNK(
            IDLISTOF(IDKIND::COMMONEVENT).chunk,
            GAMELIST({{1, GAMECHUNK(0x20, "x") +
                              GAMECHUNK(COMMONEVENTCHUNK::COMMANDS, SAMPLEBODY(CB_EVENTCOMMANDS)) +
                              ENCODENUMBER(ENDCHUNK)}}));
    const SELECTOR listed = SELECTED("common1/commands");
    EXPECT_EQ(TAKEN(PUT(GAMEFILE(unordered), listed, longer), listed), longer);
}

TEST(Put, WhatCannotBeWrittenIsRefused) {
    const GAMEFILE map(SAMPLEMAPFILE());
    const GAMEFILE database(SAMPLEDATABASE());
    const std::string event = SAMPLECONTENT(CB_MAPEVENT);
    const GAMEFILE placed = PUT(map, SELECTED("map1/event2"), event, POSITION{2, 4});
    const std::string page = SAMPLECONTENT(CB_MAPEVENTPAGE);
    const std::string cut = event.substr(0, event.size() - 1);
    const std::string commands = SAMPLECONTENT(CB_EVENTCOMMANDS);
    const std::pair<std::optional<PUTFAULT>, PUTFAULT> cases[] = {
        {REFUSED(placed, "map1/event3", event, POSITION{2, 4}), PUTFAULT::TAKEN},
        {REFUSED(map, "map1/event2", event, POSITION{20, 0}), PUTFAULT::OUTSIDE},
        {REFUSED(map, "map1/event2", cut), PUTFAULT::UNREADABLE},
        {REFUSED(map, "map1/event2",
                 FRAMEDCONTENT(CB_MAPEVENT, 0,
                               "\x01\x05"
                               "ab")),
         PUTFAULT::UNREADABLE},
        {REFUSED(map, "map1/event1/page1/commands",
                 FRAMEDCONTENT(CB_EVENTCOMMANDS, 0, event.substr(4))),
         PUTFAULT::UNREADABLE},
        {REFUSED(map, "map1/event1/page1/commands",
                 FRAMEDCONTENT(CB_EVENTCOMMANDS, 0, commands.substr(4, commands.size() - 8))),
         PUTFAULT::UNREADABLE},
        {REFUSED(map, "map1/event1/page4", page), PUTFAULT::PAGENOTNEXT},
        {REFUSED(map, "map1/event2/page1", page), PUTFAULT::NOENTRY},
        {REFUSED(database, "troop3", SAMPLECONTENT(CB_MONSTERGROUP)), PUTFAULT::NOTNEXT},
        {REFUSED(database, "troop1/page9/commands", SAMPLECONTENT(CB_EVENTCOMMANDS)),
         PUTFAULT::NOPAGE},
        {REFUSED(map, "map1/event1/page3", ""), PUTFAULT::NOPAGE},
        {REFUSED(map, "map1/event2", ""), PUTFAULT::NOENTRY},
        {REFUSED(database, "common1", ""), PUTFAULT::NOTREMOVABLE},
        {REFUSED(database, "troop1/page1/commands", ""), PUTFAULT::NOTREMOVABLE},
        {REFUSED(GAMEFILE(MAPFILEWITHEVENTS(
                     GAMELIST({{1, SAMPLEBODY(CB_MAPEVENT)}, {1, SAMPLEBODY(CB_MAPEVENT)}}))),
                 "map1/event1", ""),
         PUTFAULT::DISORDERED},
    };
    for (std::size_t index = 0; index < std::size(cases); ++index) {
        EXPECT_EQ(cases[index].first, cases[index].second) << "case " << index;
    }
}

// Removing a page numbers the later ones from 1 up; removing an event takes
// out its bytes and its count alone.
TEST(Put, RemovalsTakeOutWhatTheyNameAndRenumberLaterPages) {
    const GAMEFILE database(SAMPLEDATABASE());
    GAMEFILE paged = database;
    for (const char* page : {"troop1/page2", "troop1/page3"}) {
        paged = PUT(paged, SELECTED(page), SAMPLECONTENT(CB_BATTLEEVENTPAGE));
    }
    const GAMEFILE removed(REMOVECONTENT(paged, SELECTED("troop1/page1")).bytes);
    const ENTRYFACTS facts = removed.FACTSOF(*removed.ENTRYOF(ENTRYKIND::TROOP, 1));
    ASSERT_EQ(facts.pages.size(), 2u);
    EXPECT_EQ(facts.pages[0].number, 1);
    EXPECT_EQ(facts.pages[1].number, 2);
    const GAMEFILE single(REMOVECONTENT(removed, SELECTED("troop1/page2")).bytes);
    EXPECT_EQ(REFUSED(single, "troop1/page1", ""), PUTFAULT::ONLYPAGE);

    const GAMEFILE map(SAMPLEMAPFILE());
    const GAMEFILE two = PUT(map, SELECTED("map1/event2"), SAMPLECONTENT(CB_MAPEVENT), {{5, 5}});
    const FILECHANGE change = REMOVECONTENT(two, SELECTED("map1/event2"));
    const std::string counter = GAMECHUNK(MAPFILECHUNK::SAVECOUNT, ENCODENUMBER(2));
    EXPECT_EQ(change.bytes, SAMPLEMAPFILE().substr(0, SAMPLEMAPFILE().size() - 1) + counter +
                                ENCODENUMBER(ENDCHUNK));
}

// Each game's events, pages and command lists put back where they were taken
// change nothing; in each file a command list of the game's first common
// event, a page from another game and a new event added, and a page removed,
// change no other event or chunk and read back as put.
TEST(Put, RealGamesTakeBackWhatTheyGiveAndWhatTheyAreGiven) {
    const char* folder = GIVENGAMESFOLDER();
    if (!folder) GTEST_SKIP() << "PAGEWRIGHT_GAMES is not set; no games to read";
    std::vector<std::filesystem::path> files;
    for (const auto& game : std::filesystem::directory_iterator(folder)) {
        if (!game.is_directory()) continue;
        for (const auto& file : std::filesystem::directory_iterator(game.path())) {
            const std::string name = file.path().filename().string();
            if (ISDATABASEFILE(name) || MAPNUMBEROFFILE(name)) files.push_back(file.path());
        }
    }
    ASSERT_GT(files.size(), 400u);
    std::string commands;
    std::string foreign_page;
    std::size_t puts = 0;
    for (const std::filesystem::path& path : files) {
        const GAMEFILE file(FILEBYTES(path));
        for (const GAMEENTRY& entry : file.ENTRIES()) {
            std::vector<SELECTOR> selectors{{entry.kind, 0, entry.id}};
            const ENTRYFACTS facts = file.FACTSOF(entry);
            if (entry.kind == ENTRYKIND::COMMONEVENT) {
                selectors.push_back({entry.kind, 0, entry.id, 0, true});
            }
            for (const GAMEPAGE& page : facts.pages) {
                selectors.push_back({entry.kind, 0, entry.id, page.number});
                selectors.push_back({entry.kind, 0, entry.id, page.number, true});
            }
            for (const SELECTOR& selector : selectors) {
                ++puts;
                EXPECT_FALSE(PUTCONTENT(file, selector, TAKEN(file, selector), std::nullopt))
                    << path << " " << SELECTORTEXT(selector);
            }
        }
        if (file.KIND() == GAMEFILEKIND::DATABASE) {
            if (commands.empty()) commands = TAKEN(file, SELECTED("common1/commands"));
            continue;
        }
        const auto first =
            std::find_if(file.ENTRIES().begin(), file.ENTRIES().end(), [&](const GAMEENTRY& entry) {
                return !file.FACTSOF(entry).pages.empty();
            });
        if (first == file.ENTRIES().end() || commands.empty()) continue;
        const std::vector<GAMEPAGE> pages = file.FACTSOF(*first).pages;
        const SELECTOR first_page{ENTRYKIND::MAPEVENT, 0, first->id, pages.front().number};
        if (foreign_page.empty()) foreign_page = TAKEN(file, first_page);
        const auto added_page = static_cast<std::int32_t>(pages.size()) + 1;
        const std::pair<SELECTOR, std::string> changes[] = {
            {{ENTRYKIND::MAPEVENT, 0, first->id, first_page.page, true}, commands},
            {{ENTRYKIND::MAPEVENT, 0, first->id, added_page},
             FRAMEDCONTENT(CB_MAPEVENTPAGE, added_page, foreign_page.substr(8))},
            {{ENTRYKIND::MAPEVENT, 0, file.ENTRIES().back().id + 1}, ENTRYCONTENT(file, *first)},
        };
        for (const auto& [selector, content] : changes) {
            const std::optional<POSITION> at = selector.page == 0 ? FREEPLACE(file) : std::nullopt;
            if (selector.page == 0 && !at) continue;
            const GAMEFILE written = PUT(file, selector, content, at);
            EXPECT_EQ(OTHERCHANGES(file, written, selector), "")
                << path << " " << SELECTORTEXT(selector);
            if (!at) {
                EXPECT_EQ(TAKEN(written, selector), content) << path;
            }
        }
        if (pages.size() > 1) {
            const GAMEFILE removed(REMOVECONTENT(file, first_page).bytes);
            EXPECT_EQ(OTHERCHANGES(file, removed, first_page), "") << path;
        }
        foreign_page = TAKEN(file, first_page);
    }
    EXPECT_GT(puts, 10000u);
}
