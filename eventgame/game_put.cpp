#include "game_put.h"

#include "codec/encoding.h"
#include "entry_layout.h"
#include "event_formats.h"
#include "file_edits.h"
#include "game_chunk_ids.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// A map without the chunks of its size has the editor's first size.
constexpr std::int32_t DEFAULTMAPWIDTH = 20;
constexpr std::int32_t DEFAULTMAPHEIGHT = 15;

using CHUNKS = std::vector<CHUNK>;

BYTESTRING NUMBERBYTES(std::int32_t value) {
    BYTESTRING bytes;
    APPENDNUMBER(bytes, value);
    return bytes;
}

SPAN WHOLE(BYTEVIEW bytes) {
    return {0, static_cast<std::uint32_t>(bytes.size())};
}

std::int64_t ENDOF(SPAN span) {
    return std::int64_t{span.offset} + span.size;
}

// The number at `at`, which the file holds, and where it ends.
std::int32_t NUMBERAT(BYTEVIEW bytes, std::int64_t at, std::int64_t& end) {
    const auto begin = static_cast<std::uint32_t>(at);
    CHUNKREADER reader(bytes, {begin, static_cast<std::uint32_t>(bytes.size()) - begin},
                       OVERRUN::DAMAGED);
    const std::int32_t number = reader.NUMBER();
    end = reader.POSITION();
    return number;
}

std::int32_t NUMBERIN(BYTEVIEW bytes, const CHUNK& chunk) {
    std::int64_t end = 0;
    return chunk.length > 0 ? NUMBERAT(bytes, chunk.payload, end) : 0;
}

// The chunks of a record in `span`, which the file holds; `end` is where
// they end, at the record's closing chunk id 0 or the span's end.
CHUNKS RECORDCHUNKS(BYTEVIEW bytes, SPAN span, std::int64_t& end) {
    CHUNKS chunks;
    CHUNKREADER reader(bytes, span, OVERRUN::DAMAGED);
    for (CHUNK chunk; reader.MORE(); reader.SKIP(chunk)) {
        end = reader.POSITION();
        if (!reader.NEXTCHUNK(chunk)) return chunks;
        chunks.push_back(chunk);
    }
    end = reader.POSITION();
    return chunks;
}

// The edit that gives a record's chunk of the id the payload: the payload of
// the chunk there (of the last of the id, which is the one a reader keeps),
// or a new chunk where the ids, which ascend, place it.
EDIT SETCHUNK(const CHUNKS& record, std::int64_t end, CHUNKS enclosing, std::int32_t id,
              BYTEVIEW payload) {
    const auto held = std::find_if(record.rbegin(), record.rend(),
                                   [&](const CHUNK& chunk) { return chunk.id == id; });
    if (held != record.rend()) {
        enclosing.push_back(*held);
        return {held->payload,
                held->payload + held->length,
                BYTESTRING(payload),
                std::move(enclosing),
                {}};
    }
    const auto after = std::find_if(record.begin(), record.end(),
                                    [&](const CHUNK& chunk) { return chunk.id > id; });
    if (after != record.end()) end = after->header;
    BYTESTRING bytes;
    APPENDDATACHUNK(bytes, payload, WITHLENGTH, id);
    return {end, end, std::move(bytes), std::move(enclosing), {}};
}

// The edit of a list's count, whose chunk is the last that encloses it.
EDIT COUNTEDIT(BYTEVIEW bytes, const CHUNKS& enclosing, std::int32_t change) {
    const std::int64_t begin = enclosing.back().payload;
    std::int64_t end = 0;
    const std::int32_t count = NUMBERAT(bytes, begin, end);
    return {begin, end, NUMBERBYTES(count + change), enclosing, {}};
}

// What follows a content's length and its framing's fields; nothing for a
// content whose length is not the rest of it.
std::optional<BYTEVIEW> BODYOF(CLIPBOARDCONTENTTYPE format, BYTEVIEW content) {
    const FRAMING framing = EVENTFORMATOF(format)->framing;
    const std::size_t fields = framing == FRAMING::LEADBYTE ? 1
                               : HASNUMBERFIELD(framing)    ? sizeof(std::int32_t)
                                                            : 0;
    const std::size_t head = sizeof(std::int32_t) + fields;
    if (content.size() < head) return std::nullopt;
    if (CHUNKREADER(content).LONG() != static_cast<std::int64_t>(content.size()) - 4) {
        return std::nullopt;
    }
    return content.substr(head);
}

// A map event's body at the position: its chunks of x and y set, or left
// out for 0 as the editor leaves them out, and every other chunk as it was.
BYTESTRING PLACEDBODY(BYTEVIEW body, POSITION at) {
    std::int64_t end = 0;
    CHUNKS chunks;
    try {
        chunks = RECORDCHUNKS(body, WHOLE(body), end);
    } catch (const DATAERROR&) {
        throw PUTERROR(PUTFAULT::UNREADABLE);
    }
    const std::pair<std::int32_t, std::int32_t> coordinates[] = {{MAPEVENTCHUNK::X, at.x},
                                                                 {MAPEVENTCHUNK::Y, at.y}};
    std::size_t next = 0;
    BYTESTRING placed;
    const auto place_before = [&](std::int32_t id) {
        for (; next < std::size(coordinates) && coordinates[next].first < id; ++next) {
            if (coordinates[next].second != 0) {
                APPENDNUMBERCHUNK(placed, coordinates[next].second, WITHLENGTH,
                                  coordinates[next].first);
            }
        }
    };
    for (const CHUNK& chunk : chunks) {
        place_before(chunk.id);
        if (chunk.id == MAPEVENTCHUNK::X || chunk.id == MAPEVENTCHUNK::Y) continue;
        placed.append(
            body.substr(static_cast<std::size_t>(chunk.header),
                        static_cast<std::size_t>(chunk.payload + chunk.length - chunk.header)));
    }
    place_before(std::numeric_limits<std::int32_t>::max());
    placed.append(body.substr(static_cast<std::size_t>(end)));
    return placed;
}

std::int32_t MAPSIZE(const GAMEFILE& file, std::int32_t id, std::int32_t otherwise) {
    for (const CHUNK& chunk : file.TOPCHUNKS()) {
        if (chunk.id == id) return NUMBERIN(file.BYTES(), chunk);
    }
    return otherwise;
}

// A map event that comes to stand where it did not: inside the map, and
// where no other event stands. One that stays where it stood is not checked,
// so that an event of a file whose events share a place can still be put.
void CHECKPLACE(const GAMEFILE& file, const GAMEENTRY* entry, std::int32_t id,
                const ENTRYFACTS& facts) {
    const POSITION place{facts.x, facts.y};
    if (entry) {
        const ENTRYFACTS held = file.FACTSOF(*entry);
        if (held.x == place.x && held.y == place.y) return;
    }
    const POSITION bounds{MAPSIZE(file, MAPFILECHUNK::WIDTH, DEFAULTMAPWIDTH),
                          MAPSIZE(file, MAPFILECHUNK::HEIGHT, DEFAULTMAPHEIGHT)};
    if (place.x < 0 || place.y < 0 || place.x >= bounds.x || place.y >= bounds.y) {
        throw PUTERROR(PUTFAULT::OUTSIDE, 0, place, bounds);
    }
    for (const GAMEENTRY& other : file.ENTRIES()) {
        if (other.id == id) continue;
        const ENTRYFACTS there = file.FACTSOF(other);
        if (there.x == place.x && there.y == place.y) {
            throw PUTERROR(PUTFAULT::TAKEN, other.id, place);
        }
    }
}

// The plan of a put or a removal: its edits, and what it adds.
struct PLAN {
    std::vector<EDIT> edits;
    bool added = false;
};

// A whole event replaced, or added: a map event at its id's place in the
// list (at its end in a list whose ids do not ascend, which has no such
// place), a monster group or common event only after the last.
void PLANENTRY(const GAMEFILE& file, const SELECTOR& selector, const GAMEENTRY* entry,
               const BYTESTRING& body, PLAN& plan) {
    const CHUNKS& list = file.LISTCHUNKS(EVENTLIST(selector.kind));
    if (entry) {
        plan.edits.push_back({entry->body.offset, ENDOF(entry->body), body, list, {}});
        return;
    }
    std::int64_t place = ENDOF(list.back().PAYLOAD());
    std::int32_t last = 0;
    for (const GAMEENTRY& other : file.ENTRIES()) {
        if (other.kind != selector.kind) continue;
        last = other.id;
        if (other.id > selector.id && file.INIDORDER(selector.kind) &&
            place == ENDOF(list.back().PAYLOAD())) {
            place = other.start;
        }
    }
    if (selector.kind != ENTRYKIND::MAPEVENT && selector.id != std::int64_t{last} + 1) {
        throw PUTERROR(PUTFAULT::NOTNEXT, last);
    }
    plan.edits.push_back(COUNTEDIT(file.BYTES(), list, 1));
    plan.edits.push_back({place, place, NUMBERBYTES(selector.id) + body, list, {}});
    plan.added = true;
}

// The chunks that enclose an entry's pages: its list's and its page list.
CHUNKS PAGESENCLOSING(const GAMEFILE& file, ENTRYKIND kind, const ENTRYFACTS& facts) {
    CHUNKS enclosing = file.LISTCHUNKS(EVENTLIST(kind));
    enclosing.push_back(facts.page_list);
    return enclosing;
}

// A page replaced, or added after the last; an event without a page list is
// given one.
void PLANPAGE(const GAMEFILE& file, const SELECTOR& selector, const GAMEENTRY& entry,
              const BYTESTRING& body, PLAN& plan) {
    const ENTRYFACTS facts = file.FACTSOF(entry);
    for (const GAMEPAGE& page : facts.pages) {
        if (page.number != selector.page) continue;
        plan.edits.push_back({page.body.offset,
                              ENDOF(page.body),
                              body,
                              PAGESENCLOSING(file, selector.kind, facts),
                              {}});
        return;
    }
    const auto count = static_cast<std::int32_t>(facts.pages.size());
    if (selector.page != count + 1 ||
        (!facts.pages.empty() && facts.pages.back().number >= selector.page)) {
        throw PUTERROR(PUTFAULT::PAGENOTNEXT, count);
    }
    plan.added = true;
    const BYTESTRING page = NUMBERBYTES(selector.page) + body;
    if (facts.page_list.id == ENDCHUNK) {
        std::int64_t end = 0;
        const CHUNKS record = RECORDCHUNKS(file.BYTES(), entry.body, end);
        plan.edits.push_back(SETCHUNK(record, end, file.LISTCHUNKS(EVENTLIST(selector.kind)),
                                      LAYOUTOF(selector.kind).pages, NUMBERBYTES(1) + page));
        return;
    }
    const CHUNKS enclosing = PAGESENCLOSING(file, selector.kind, facts);
    const std::int64_t end = ENDOF(facts.page_list.PAYLOAD());
    plan.edits.push_back(COUNTEDIT(file.BYTES(), enclosing, 1));
    plan.edits.push_back({end, end, page, enclosing, {}});
}

// A command list replaced with its size; a page or common event that lacks
// either chunk is given both.
void PLANCOMMANDS(const GAMEFILE& file, const SELECTOR& selector, const GAMEENTRY& entry,
                  const BYTESTRING& body, PLAN& plan) {
    const ENTRYFACTS facts = file.FACTSOF(entry);
    const ENTRYLAYOUT& layout = LAYOUTOF(selector.kind);
    CHUNKS enclosing = file.LISTCHUNKS(EVENTLIST(selector.kind));
    COMMANDCHUNKS commands = facts.commands;
    SPAN holder = entry.body;
    std::int32_t list_id = layout.commands;
    std::int32_t size_id = layout.command_size;
    if (selector.kind != ENTRYKIND::COMMONEVENT) {
        const auto page =
            std::find_if(facts.pages.begin(), facts.pages.end(),
                         [&](const GAMEPAGE& held) { return held.number == selector.page; });
        if (page == facts.pages.end()) throw PUTERROR(PUTFAULT::NOPAGE);
        enclosing.push_back(facts.page_list);
        commands = page->commands;
        holder = page->body;
        list_id = layout.page_commands;
        size_id = layout.page_command_size;
    }
    if (commands.list.id != ENDCHUNK && commands.size.id != ENDCHUNK) {
        enclosing.push_back(commands.list);
        plan.edits.push_back({commands.list.payload, ENDOF(commands.list.PAYLOAD()), body,
                              std::move(enclosing), commands.size});
        return;
    }
    std::int64_t end = 0;
    const CHUNKS record = RECORDCHUNKS(file.BYTES(), holder, end);
    plan.edits.push_back(SETCHUNK(record, end, enclosing, size_id,
                                  NUMBERBYTES(static_cast<std::int32_t>(body.size()))));
    plan.edits.push_back(SETCHUNK(record, end, enclosing, list_id, body));
}

// The bytes with the plan's edits and the raised counter, read back whole.
std::pair<FILECHANGE, GAMEFILE> APPLYPLAN(const GAMEFILE& file, PLAN plan) {
    FILECHANGE change;
    change.added = plan.added;
    if (std::optional<EDIT> raised = RAISESAVECOUNTER(file, change.counter_before)) {
        plan.edits.push_back(std::move(*raised));
        change.counter_after =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(change.counter_before) + 1u);
    }
    std::optional<BYTESTRING> bytes = APPLYEDITS(file.BYTES(), plan.edits);
    if (!bytes) throw PUTERROR(PUTFAULT::UNVERIFIED);
    change.bytes = *bytes;
    try {
        return {std::move(change), GAMEFILE(std::move(*bytes))};
    } catch (const GAMEFILEERROR&) {
        throw PUTERROR(PUTFAULT::UNVERIFIED);
    }
}

const GAMEPAGE* PAGEOF(const ENTRYFACTS& facts, std::int32_t number) {
    for (const GAMEPAGE& page : facts.pages) {
        if (page.number == number) return &page;
    }
    return nullptr;
}

} // namespace

// A map keeps the one of the two counters that it has, and is given the
// older where it has none.
std::optional<EDIT> RAISESAVECOUNTER(const GAMEFILE& file, std::int32_t& before) {
    const BYTEVIEW bytes = file.BYTES();
    const CHUNKS* record = &file.TOPCHUNKS();
    std::int64_t end = file.TOPEND();
    CHUNKS enclosing;
    CHUNKS system;
    std::int32_t id = MAPFILECHUNK::SAVECOUNT;
    if (file.KIND() == GAMEFILEKIND::MAP) {
        for (const CHUNK& chunk : *record) {
            if (chunk.id == MAPFILECHUNK::LATESAVECOUNT) id = chunk.id;
        }
    } else {
        const auto found = std::find_if(record->begin(), record->end(), [](const CHUNK& chunk) {
            return chunk.id == DATABASESYSTEMCHUNK;
        });
        if (found == record->end()) return std::nullopt;
        enclosing = {*found};
        // The file's reader steps over the system record.
        try {
            system = RECORDCHUNKS(bytes, found->PAYLOAD(), end);
        } catch (const DATAERROR& error) {
            throw GAMEFILEERROR(GAMEFILEFAULT::DAMAGED, error.position);
        }
        record = &system;
        id = SYSTEMCHUNK::SAVECOUNT;
    }
    before = 0;
    for (const CHUNK& chunk : *record) {
        if (chunk.id == id) before = NUMBERIN(bytes, chunk);
    }
    // A counter at the largest number goes on from the smallest, as the
    // 32-bit number the editor keeps would.
    const auto raised =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(before) + std::uint32_t{1});
    return SETCHUNK(*record, end, std::move(enclosing), id, NUMBERBYTES(raised));
}

std::optional<FILECHANGE> PUTCONTENT(const GAMEFILE& file, const SELECTOR& selector,
                                     BYTEVIEW content, const std::optional<POSITION>& at) {
    const CLIPBOARDCONTENTTYPE format = SELECTEDFORMAT(selector);
    const std::optional<BYTEVIEW> framed = BODYOF(format, content);
    if (!framed) throw PUTERROR(PUTFAULT::UNREADABLE);
    const bool whole = selector.page == 0 && !selector.commands;
    const bool map_event = whole && selector.kind == ENTRYKIND::MAPEVENT;
    const BYTESTRING body = map_event && at ? PLACEDBODY(*framed, *at) : BYTESTRING(*framed);
    std::optional<ENTRYFACTS> facts;
    if (whole) facts = FACTSOFBODY(selector.kind, body);
    const bool readable = whole               ? facts.has_value()
                          : selector.commands ? READABLECOMMANDS(body)
                                              : READABLEBODY(selector.kind, true, body);
    if (!readable) throw PUTERROR(PUTFAULT::UNREADABLE);
    const std::int32_t number = selector.commands ? 0 : whole ? selector.id : selector.page;
    const BYTESTRING expected = FRAMEDCONTENT(format, number, body);
    ABSENT absent{};
    if (TAKECONTENT(file, selector, absent) == expected) return std::nullopt;
    if (file.LISTCHUNKS(EVENTLIST(selector.kind)).empty()) throw PUTERROR(PUTFAULT::NOLIST);

    const GAMEENTRY* entry = file.ENTRYOF(selector.kind, selector.id);
    PLAN plan;
    if (whole) {
        if (map_event) CHECKPLACE(file, entry, selector.id, *facts);
        PLANENTRY(file, selector, entry, body, plan);
    } else if (!entry) {
        throw PUTERROR(PUTFAULT::NOENTRY);
    } else if (selector.commands) {
        PLANCOMMANDS(file, selector, *entry, body, plan);
    } else {
        PLANPAGE(file, selector, *entry, body, plan);
    }
    auto [change, written] = APPLYPLAN(file, std::move(plan));
    const GAMEENTRY* put = written.ENTRYOF(selector.kind, selector.id);
    const EVENTTREE tree(
        put ? DECODECONTENT(SELECTEDFORMAT({selector.kind}), ENTRYCONTENT(written, *put))
            : nullptr);
    if (!tree || TAKECONTENT(written, selector, absent) != expected) {
        throw PUTERROR(PUTFAULT::UNVERIFIED);
    }
    return std::move(change);
}

// Later pages take the numbers of their places, 1 up, as the editor numbers
// them.
FILECHANGE REMOVECONTENT(const GAMEFILE& file, const SELECTOR& selector) {
    if (selector.commands || (selector.page == 0 && selector.kind != ENTRYKIND::MAPEVENT)) {
        throw PUTERROR(PUTFAULT::NOTREMOVABLE);
    }
    const GAMEENTRY* entry = file.ENTRYOF(selector.kind, selector.id);
    if (!entry) throw PUTERROR(PUTFAULT::NOENTRY);
    const CHUNKS& list = file.LISTCHUNKS(EVENTLIST(selector.kind));
    PLAN plan;
    std::size_t pages = 0;
    if (selector.page == 0) {
        // An id listed twice would come back with its second entry.
        if (!file.INIDORDER(selector.kind)) throw PUTERROR(PUTFAULT::DISORDERED);
        plan.edits.push_back(COUNTEDIT(file.BYTES(), list, -1));
        plan.edits.push_back({entry->start, ENDOF(entry->body), {}, list, {}});
    } else {
        const ENTRYFACTS facts = file.FACTSOF(*entry);
        const GAMEPAGE* removed = PAGEOF(facts, selector.page);
        if (!removed) throw PUTERROR(PUTFAULT::NOPAGE);
        pages = facts.pages.size();
        if (pages == 1) throw PUTERROR(PUTFAULT::ONLYPAGE);
        const CHUNKS enclosing = PAGESENCLOSING(file, selector.kind, facts);
        plan.edits.push_back(COUNTEDIT(file.BYTES(), enclosing, -1));
        plan.edits.push_back({removed->start, ENDOF(removed->body), {}, enclosing, {}});
        for (std::size_t index = static_cast<std::size_t>(removed - facts.pages.data()) + 1;
             index < pages; ++index) {
            const GAMEPAGE& later = facts.pages[index];
            const auto number = static_cast<std::int32_t>(index);
            if (later.number == number) continue;
            plan.edits.push_back(
                {later.start, later.body.offset, NUMBERBYTES(number), enclosing, {}});
        }
    }
    auto [change, written] = APPLYPLAN(file, std::move(plan));
    const GAMEENTRY* left = written.ENTRYOF(selector.kind, selector.id);
    const bool removed =
        selector.page == 0 ? !left : left && written.FACTSOF(*left).pages.size() == pages - 1;
    if (!removed) throw PUTERROR(PUTFAULT::UNVERIFIED);
    return std::move(change);
}

} // namespace PAGEWRIGHT
