// Where a game file says its events, pages and command lists lie, checked as
// a writer that replaces one of them relies on it.
#ifndef PAGEWRIGHT_TESTS_GAME_PLACES_H
#define PAGEWRIGHT_TESTS_GAME_PLACES_H

#include "codec/chunk_reader.h"
#include "game_file.h"

#include <cstdint>
#include <string>

inline bool SPANWITHIN(KESTREL::SPAN inner, KESTREL::SPAN outer) {
    return inner.offset >= outer.offset &&
           std::int64_t{inner.offset} + inner.size <= std::int64_t{outer.offset} + outer.size;
}

// Its header and its payload.
inline bool CHUNKWITHIN(const KESTREL::CHUNK& chunk, KESTREL::SPAN outer) {
    const auto whole = static_cast<std::uint32_t>(chunk.payload + chunk.length - chunk.header);
    return chunk.header < chunk.payload &&
           SPANWITHIN({static_cast<std::uint32_t>(chunk.header), whole}, outer);
}

// A command list and its size chunk, each where there is one, lie inside
// what holds them, and the size chunk holds the list's size.
inline std::string COMMANDSFAULT(const PAGEWRIGHT::GAMEFILE& file,
                                 const PAGEWRIGHT::COMMANDCHUNKS& commands, KESTREL::SPAN holder) {
    if (commands.list.id != 0 && !CHUNKWITHIN(commands.list, holder)) return "commands outside";
    if (commands.size.id == 0) return "";
    if (!CHUNKWITHIN(commands.size, holder)) return "command size outside";
    KESTREL::CHUNKREADER size(file.BYTESOF(commands.size.PAYLOAD()));
    if (commands.list.id != 0 && size.NUMBER() != commands.list.length) return "size differs";
    return "";
}

// An entry's id, or a page's number, lies where it begins, and its body
// follows it.
inline bool IDBEFORE(const PAGEWRIGHT::GAMEFILE& file, std::uint32_t start, std::int32_t id,
                     KESTREL::SPAN body) {
    KESTREL::CHUNKREADER reader(file.BYTES(), {start, body.offset - start},
                                KESTREL::OVERRUN::ZEROS);
    return start < body.offset && reader.NUMBER() == id && reader.POSITION() == body.offset;
}

// What does not hold of the first event where anything does not, or the
// empty string: each chunk that encloses a list lies inside the one before
// it, an entry inside its list after its id, a page list inside its entry, a
// page inside the page list after its number, and the command lists as
// COMMANDSFAULT has them.
inline std::string MISPLACED(const PAGEWRIGHT::GAMEFILE& file) {
    using namespace PAGEWRIGHT;
    for (const GAMEENTRY& entry : file.ENTRIES()) {
        const std::vector<KESTREL::CHUNK>& lists = file.LISTCHUNKS(EVENTLIST(entry.kind));
        const ENTRYFACTS facts = file.FACTSOF(entry);
        std::string fault =
            lists.empty() ? "no list" : COMMANDSFAULT(file, facts.commands, entry.body);
        for (std::size_t inner = 1; inner < lists.size(); ++inner) {
            if (!CHUNKWITHIN(lists[inner], lists[inner - 1].PAYLOAD())) fault = "list outside";
        }
        if (!lists.empty() && !SPANWITHIN(entry.body, lists.back().PAYLOAD())) fault = "outside";
        if (!IDBEFORE(file, entry.start, entry.id, entry.body)) fault = "id not before the body";
        if (facts.page_list.id != 0 && !CHUNKWITHIN(facts.page_list, entry.body)) {
            fault = "page list outside";
        }
        for (const GAMEPAGE& page : facts.pages) {
            if (!fault.empty()) break;
            fault = !SPANWITHIN(page.body, facts.page_list.PAYLOAD()) ? "outside"
                    : IDBEFORE(file, page.start, page.number, page.body)
                        ? COMMANDSFAULT(file, page.commands, page.body)
                        : "number not before the body";
            if (!fault.empty()) fault = "page " + std::to_string(page.number) + " " + fault;
        }
        if (!fault.empty()) return "event " + std::to_string(entry.id) + ": " + fault;
    }
    return "";
}

#endif
