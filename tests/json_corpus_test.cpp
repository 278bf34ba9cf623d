// Real event data through the JSON form: every file of the corpus, exported
// in a code page and imported again, gives the bytes that the encoders write
// for the decoded tree, as its own format and as every other.
#include "corpus_fixture.h"
#include "json_trees.h"

#include "name_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

// The code pages of the round trips: the two of the real games, and five
// that read many of their names as something else. PAGEWRIGHT_CORPUS_CODEPAGES
// (numbers separated by spaces) narrows them where a run has no time for all.
const std::vector<std::uint32_t>& ROUNDTRIPCODEPAGES() {
    static const std::vector<std::uint32_t> codepages = [] {
        std::vector<std::uint32_t> chosen = {932, 936, 949, 950, 1250, 1251, 1252};
        if (const char* narrowed = std::getenv("PAGEWRIGHT_CORPUS_CODEPAGES")) {
            std::istringstream numbers(narrowed);
            chosen.assign(std::istream_iterator<std::uint32_t>(numbers), {});
        }
        return chosen;
    }();
    return codepages;
}

void EACHROUTENAME(const MOVEROUTE* route, void (*visit)(const char*, void*), void* context) {
    for (std::int32_t i = 0; route && i < route->command_count; ++i) {
        visit(route->commands[i].graphic_name, context);
        visit(route->commands[i].sound_name, context);
    }
}

// Every name of the tree, null ones included.
void EACHNAME(const EVENT& event, void (*visit)(const char*, void*), void* context) {
    visit(event.name, context);
    for (std::int32_t p = 0; p < event.page_count; ++p) {
        const EVENTPAGE& page = event.pages[p];
        visit(page.graphic_name, context);
        EACHROUTENAME(page.move_route, visit, context);
        for (std::int32_t c = 0; c < page.command_count; ++c) {
            visit(page.commands[c].string_parameter, context);
            EACHROUTENAME(page.commands[c].move_route, visit, context);
        }
    }
}

std::string GAMEOF(const CORPUSFILE& file) {
    return file.path.parent_path().parent_path().filename().string();
}

// How many names of a game need the bytes form, per code page.
struct BYTESFORMS {
    long names = 0;
    std::map<std::uint32_t, long> per_codepage;
};

void COUNTBYTESFORMS(const char* name, void* context) {
    if (name == nullptr) return;
    auto& counts = *static_cast<BYTESFORMS*>(context);
    ++counts.names;
    for (const std::uint32_t codepage : ROUNDTRIPCODEPAGES()) {
        if (!TEXTOFNAME({name, std::strlen(name)}, OPENCODEPAGE(codepage))) {
            ++counts.per_codepage[codepage];
        }
    }
}

} // namespace

// Every game's names must read as text in one of the code pages: its own.
TEST_F(Corpus, EveryFileComesBackThroughJsonInEveryCodePageAsItsOwnFormatAndEveryOther) {
    std::map<std::string, BYTESFORMS> games;
    long round_trips = 0;
    for (const CORPUSFILE& file : files_) {
        const auto format = static_cast<CLIPBOARDCONTENTTYPE>(file.format);
        const EVENTTREE tree = DECODE(format, FILEBYTES(file.path));
        EACHNAME(*tree, COUNTBYTESFORMS, &games[GAMEOF(file)]);
        for (const std::uint32_t codepage : ROUNDTRIPCODEPAGES()) {
            const IMPORTEDEVENT imported = IMPORT(EXPORT(tree.get(), format, codepage), codepage);
            ASSERT_EQ(imported.format, format) << file.path;
            EXPECT_EQ(imported.tree->kind, tree->kind) << file.path;
            EXPECT_EQ(imported.tree->id, tree->id) << file.path;
            for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
                EXPECT_EQ(ENCODE(target, imported.tree.get()), ENCODE(target, tree.get()))
                    << file.path << " in " << codepage << " as " << target;
                ++round_trips;
            }
        }
    }
    std::printf("%zu files, %ld round trips (every code page, own format and every other)\n",
                files_.size(), round_trips);
    std::printf("names that needed the bytes form, per code page:\n");
    for (auto& [game, counts] : games) {
        std::printf("  %-20s %6ld names:", game.c_str(), counts.names);
        long fewest = counts.names;
        for (const std::uint32_t codepage : ROUNDTRIPCODEPAGES()) {
            std::printf(" %u: %ld", codepage, counts.per_codepage[codepage]);
            fewest = std::min(fewest, counts.per_codepage[codepage]);
        }
        std::printf("\n");
        EXPECT_EQ(fewest, 0) << game;
    }
}
