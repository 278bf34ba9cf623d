#include "game_file.h"

#include "codec/chunk_reader.h"
#include "entry_list.h"
#include "formats/chunk_ids.h"
#include "game_chunk_ids.h"

#include <algorithm>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Where each kind of entry holds what ENTRYFACTS gives; ENDCHUNK where it has
// no such chunk, since no chunk of a list has id 0.
struct ENTRYLAYOUT {
    std::int32_t name, x, y, trigger, commands, pages, page_commands;
};

constexpr ENTRYLAYOUT ENTRYLAYOUTS[ENTRYKINDS] = {
    {MAPEVENTCHUNK::NAME, MAPEVENTCHUNK::X, MAPEVENTCHUNK::Y, ENDCHUNK, ENDCHUNK,
     MAPEVENTCHUNK::PAGES, MAPPAGECHUNK::COMMANDS},
    {MONSTERGROUPCHUNK::NAME, ENDCHUNK, ENDCHUNK, ENDCHUNK, ENDCHUNK, MONSTERGROUPCHUNK::PAGES,
     BATTLEPAGECHUNK::COMMANDS},
    {COMMONEVENTCHUNK::NAME, ENDCHUNK, ENDCHUNK, COMMONEVENTCHUNK::TRIGGER,
     COMMONEVENTCHUNK::COMMANDS, ENDCHUNK, ENDCHUNK},
};

// The database's lists at its top level; the battle commands' list lies
// inside a chunk of its own.
struct LISTCHUNK {
    NAMEDLIST list;
    std::int32_t chunk;
};

constexpr LISTCHUNK TOPLEVELLISTS[] = {
    {NAMEDLIST::ACTORS, DATABASECHUNK::ACTORS},
    {NAMEDLIST::SKILLS, DATABASECHUNK::SKILLS},
    {NAMEDLIST::ITEMS, DATABASECHUNK::ITEMS},
    {NAMEDLIST::ENEMIES, DATABASECHUNK::ENEMIES},
    {NAMEDLIST::TROOPS, DATABASECHUNK::TROOPS},
    {NAMEDLIST::TERRAINS, DATABASECHUNK::TERRAINS},
    {NAMEDLIST::ATTRIBUTES, DATABASECHUNK::ATTRIBUTES},
    {NAMEDLIST::STATES, DATABASECHUNK::STATES},
    {NAMEDLIST::ANIMATIONS, DATABASECHUNK::ANIMATIONS},
    {NAMEDLIST::TILESETS, DATABASECHUNK::TILESETS},
    {NAMEDLIST::SWITCHES, DATABASECHUNK::SWITCHES},
    {NAMEDLIST::VARIABLES, DATABASECHUNK::VARIABLES},
    {NAMEDLIST::COMMONEVENTS, DATABASECHUNK::COMMONEVENTS},
    {NAMEDLIST::CLASSES, DATABASECHUNK::CLASSES},
    {NAMEDLIST::BATTLERANIMATIONS, DATABASECHUNK::BATTLERANIMATIONS},
};

using LISTSPANS = std::array<std::optional<SPAN>, NAMEDLISTS>;

constexpr std::size_t INDEX(NAMEDLIST list) {
    return static_cast<std::size_t>(list);
}

NAMEDLIST NAMEDLISTOF(ENTRYKIND kind) {
    if (kind == ENTRYKIND::TROOP) return NAMEDLIST::TROOPS;
    if (kind == ENTRYKIND::COMMONEVENT) return NAMEDLIST::COMMONEVENTS;
    return NAMEDLIST::MAPEVENTS;
}

std::vector<GAMEPAGE> READPAGES(BYTEVIEW file, SPAN list, std::int32_t commands_chunk) {
    std::vector<GAMEPAGE> pages;
    ENTRYLIST entries(file, list);
    for (std::int32_t number; entries.NEXTENTRY(number);) {
        GAMEPAGE page;
        page.number = number;
        for (CHUNK chunk; entries.NEXTCHUNK(chunk);) {
            if (chunk.id == commands_chunk) page.commands = chunk.PAYLOAD();
        }
        page.body = entries.ENTRYBODY();
        pages.push_back(page);
    }
    return pages;
}

std::optional<SPAN> BATTLECOMMANDLIST(BYTEVIEW file, SPAN settings) {
    std::optional<SPAN> list;
    CHUNKREADER reader(file, settings, OVERRUN::DAMAGED);
    for (CHUNK chunk; reader.MORE() && reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
        if (chunk.id == BATTLECOMMANDSCHUNK::LIST) list = chunk.PAYLOAD();
    }
    return list;
}

// The value of the number chunk whose payload the reader stands at, which the
// payload must hold.
std::int32_t NUMBERIN(CHUNKREADER& reader, const CHUNK& chunk) {
    const RUN payload(reader, chunk.length);
    return reader.NUMBER();
}

// In id order, each id once. An id listed twice, which the editor never
// writes, counts as its first entry: every entry listed is then one that a
// look-up by its id finds.
template <typename ENTRY> void ORDERBYID(std::vector<ENTRY>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ENTRY& a, const ENTRY& b) { return a.id < b.id; });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const ENTRY& a, const ENTRY& b) { return a.id == b.id; }),
                  entries.end());
}

template <typename ENTRY>
const ENTRY* FIRSTWITHID(const std::vector<ENTRY>& entries, std::int32_t id) {
    const auto found =
        std::lower_bound(entries.begin(), entries.end(), id,
                         [](const ENTRY& entry, std::int32_t key) { return entry.id < key; });
    return found != entries.end() && found->id == id ? &*found : nullptr;
}

} // namespace

GAMEFILE::GAMEFILE(BYTESTRING bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() > MAXGAMEFILEBYTES) throw GAMEFILEERROR(GAMEFILEFAULT::LARGE);
    try {
        READ();
    } catch (const DATAERROR& error) {
        throw GAMEFILEERROR(error.fault == OVERRUN::CUTSHORT ? GAMEFILEFAULT::CUTSHORT
                                                             : GAMEFILEFAULT::DAMAGED,
                            error.position);
    }
}

void GAMEFILE::READ() {
    CHUNKREADER header(bytes_);
    const BYTEVIEW name = header.BYTES(header.NUMBER());
    if (name == MAPFILEKINDNAME) {
        kind_ = GAMEFILEKIND::MAP;
    } else if (name == DATABASEKINDNAME) {
        kind_ = GAMEFILEKIND::DATABASE;
    } else {
        throw GAMEFILEERROR(GAMEFILEFAULT::FOREIGN);
    }
    const auto end = static_cast<std::uint32_t>(bytes_.size());
    const auto start = static_cast<std::uint32_t>(header.POSITION());
    CHUNKREADER top(bytes_, {start, end - start}, OVERRUN::CUTSHORT);
    std::optional<SPAN> events;
    LISTSPANS lists;
    bool closed = false;
    for (CHUNK chunk; top.MORE(); top.SKIP(chunk)) {
        if (!top.NEXTCHUNK(chunk)) {
            closed = true;
            break;
        }
        if (chunk.id == MAPFILECHUNK::EVENTS) events = chunk.PAYLOAD();
        if (chunk.id == DATABASECHUNK::BATTLECOMMANDS) {
            lists[INDEX(NAMEDLIST::BATTLECOMMANDS)] = BATTLECOMMANDLIST(bytes_, chunk.PAYLOAD());
        }
        for (const LISTCHUNK& entry : TOPLEVELLISTS) {
            if (entry.chunk == chunk.id) lists[INDEX(entry.list)] = chunk.PAYLOAD();
        }
    }
    // A map ends in chunk id 0; a database has no end of its own, but no
    // database lacks its common events, the last list that every one has.
    if (kind_ == GAMEFILEKIND::MAP) {
        if (!closed) top.FAULTAT(end);
        if (events) READEVENTLIST(ENTRYKIND::MAPEVENT, *events);
    } else {
        if (!lists[INDEX(NAMEDLIST::COMMONEVENTS)]) top.FAULTAT(end);
        READDATABASE(lists);
    }
}

void GAMEFILE::READDATABASE(const LISTSPANS& lists) {
    for (std::size_t index = 0; index < NAMEDLISTS; ++index) {
        if (!lists[index]) continue;
        const auto list = static_cast<NAMEDLIST>(index);
        if (list == NAMEDLIST::TROOPS) {
            READEVENTLIST(ENTRYKIND::TROOP, *lists[index]);
        } else if (list == NAMEDLIST::COMMONEVENTS) {
            READEVENTLIST(ENTRYKIND::COMMONEVENT, *lists[index]);
        } else {
            READNAMES(list, *lists[index]);
        }
    }
}

void GAMEFILE::READNAMES(NAMEDLIST list, SPAN span) {
    std::vector<NAMEDENTRY>& names = names_[INDEX(list)];
    ENTRYLIST entries(bytes_, span);
    for (std::int32_t id; entries.NEXTENTRY(id);) {
        NAMEDENTRY named{id, {}};
        for (CHUNK chunk; entries.NEXTCHUNK(chunk);) {
            if (chunk.id == DATABASEENTRYCHUNK::NAME) named.name = chunk.PAYLOAD();
        }
        names.push_back(named);
    }
    ORDERBYID(names);
}

// Reading every entry's facts once checks what later look-ups read.
void GAMEFILE::READEVENTLIST(ENTRYKIND kind, SPAN span) {
    std::vector<GAMEENTRY>& entries = entries_[static_cast<std::size_t>(kind)];
    ENTRYLIST list(bytes_, span);
    for (std::int32_t id; list.NEXTENTRY(id);) {
        for (CHUNK chunk; list.NEXTCHUNK(chunk);) {
        }
        entries.push_back({id, list.ENTRYBODY()});
    }
    ORDERBYID(entries);
    std::vector<NAMEDENTRY>& names = names_[INDEX(NAMEDLISTOF(kind))];
    for (const GAMEENTRY& entry : entries) {
        names.push_back({entry.id, FACTSOF(kind, entry).name});
    }
}

ENTRYFACTS GAMEFILE::FACTSOF(ENTRYKIND kind, const GAMEENTRY& entry) const {
    const ENTRYLAYOUT& layout = ENTRYLAYOUTS[static_cast<std::size_t>(kind)];
    ENTRYFACTS facts;
    CHUNKREADER reader(bytes_, entry.body, OVERRUN::DAMAGED);
    for (CHUNK chunk; reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
        if (chunk.id == layout.name) {
            facts.name = chunk.PAYLOAD();
        } else if (chunk.id == layout.x) {
            facts.x = NUMBERIN(reader, chunk);
        } else if (chunk.id == layout.y) {
            facts.y = NUMBERIN(reader, chunk);
        } else if (chunk.id == layout.trigger) {
            facts.trigger = NUMBERIN(reader, chunk);
        } else if (chunk.id == layout.commands) {
            facts.commands = chunk.PAYLOAD();
        } else if (chunk.id == layout.pages) {
            facts.pages = READPAGES(bytes_, chunk.PAYLOAD(), layout.page_commands);
        }
    }
    return facts;
}

const GAMEENTRY* GAMEFILE::ENTRYOF(ENTRYKIND kind, std::int32_t id) const {
    return FIRSTWITHID(ENTRIES(kind), id);
}

std::optional<BYTEVIEW> GAMEFILE::NAMEOF(NAMEDLIST list, std::int32_t id) const {
    const NAMEDENTRY* named = FIRSTWITHID(names_[INDEX(list)], id);
    if (!named) return std::nullopt;
    return BYTESOF(named->name);
}

} // namespace PAGEWRIGHT
