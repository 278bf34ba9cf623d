#include "game_file.h"

#include "codec/chunk_reader.h"
#include "entry_layout.h"
#include "entry_list.h"
#include "event_codes.h"
#include "formats/chunk_ids.h"
#include "game_chunk_ids.h"

#include <algorithm>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

constexpr std::size_t INDEX(IDKIND kind) {
    return static_cast<std::size_t>(kind);
}

// The kind of the events that the list holds, where it holds events.
std::optional<ENTRYKIND> EVENTSIN(IDKIND list) {
    for (std::size_t index = 0; index < ENTRYKINDS; ++index) {
        const auto kind = static_cast<ENTRYKIND>(index);
        if (EVENTLIST(kind) == list) return kind;
    }
    return std::nullopt;
}

// Keeps the chunk where it is one of the command list's.
void ADDCOMMANDCHUNK(COMMANDCHUNKS& commands, const CHUNK& chunk, std::int32_t list,
                     std::int32_t size) {
    if (chunk.id == list) commands.list = chunk;
    if (chunk.id == size) commands.size = chunk;
}

std::vector<GAMEPAGE> READPAGES(BYTEVIEW file, SPAN list, const ENTRYLAYOUT& layout) {
    std::vector<GAMEPAGE> pages;
    ENTRYLIST entries(file, list);
    for (std::int32_t number; entries.NEXTENTRY(number);) {
        GAMEPAGE page;
        page.number = number;
        page.start = entries.ENTRYSTART();
        for (CHUNK chunk; entries.NEXTCHUNK(chunk);) {
            ADDCOMMANDCHUNK(page.commands, chunk, layout.page_commands, layout.page_command_size);
        }
        page.body = entries.ENTRYBODY();
        pages.push_back(page);
    }
    return pages;
}

// The last chunk of the id among the chunks of `outer`, which no chunk id 0
// ends; nothing when there is none.
std::optional<CHUNK> NESTEDCHUNK(BYTEVIEW file, SPAN outer, std::int32_t id) {
    std::optional<CHUNK> nested;
    CHUNKREADER reader(file, outer, OVERRUN::DAMAGED);
    for (CHUNK chunk; reader.MORE() && reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
        if (chunk.id == id) nested = chunk;
    }
    return nested;
}

// The value of the number chunk whose payload the reader stands at, which the
// payload must hold.
std::int32_t NUMBERIN(CHUNKREADER& reader, const CHUNK& chunk) {
    const RUN payload(reader, chunk.length);
    return reader.NUMBER();
}

// In id order, each id once. An id listed twice, which the editor never
// writes, counts as its first entry: every entry listed is then one that a
// look-up by its id finds. Whether they were so already.
template <typename ENTRY> bool ORDERBYID(std::vector<ENTRY>& entries) {
    const bool ordered =
        std::adjacent_find(entries.begin(), entries.end(), [](const ENTRY& a, const ENTRY& b) {
            return a.id >= b.id;
        }) == entries.end();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ENTRY& a, const ENTRY& b) { return a.id < b.id; });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const ENTRY& a, const ENTRY& b) { return a.id == b.id; }),
                  entries.end());
    return ordered;
}

// The entry's facts, read from its chunks in `bytes`; `closed` is where the
// reading ended, after the closing chunk id 0.
ENTRYFACTS FACTSIN(BYTEVIEW bytes, ENTRYKIND kind, SPAN body, std::int64_t& closed) {
    const ENTRYLAYOUT& layout = LAYOUTOF(kind);
    ENTRYFACTS facts;
    CHUNKREADER reader(bytes, body, OVERRUN::DAMAGED);
    for (CHUNK chunk; reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
        if (chunk.id == layout.name) {
            facts.name = chunk.PAYLOAD();
        } else if (chunk.id == layout.x) {
            facts.x = NUMBERIN(reader, chunk);
        } else if (chunk.id == layout.y) {
            facts.y = NUMBERIN(reader, chunk);
        } else if (chunk.id == layout.trigger) {
            facts.trigger = NUMBERIN(reader, chunk);
        } else if (chunk.id == layout.pages) {
            facts.page_list = chunk;
            facts.pages = READPAGES(bytes, chunk.PAYLOAD(), layout);
        } else {
            ADDCOMMANDCHUNK(facts.commands, chunk, layout.commands, layout.command_size);
        }
    }
    closed = reader.POSITION();
    return facts;
}

// In entries in id order, or of kinds in the order of their kinds and then in
// id order.
template <typename ENTRY, typename KEY, typename KEYOF>
const ENTRY* FIRSTWITH(const std::vector<ENTRY>& entries, KEY key, KEYOF key_of) {
    const auto found = std::lower_bound(
        entries.begin(), entries.end(), key,
        [&](const ENTRY& entry, const KEY& sought) { return key_of(entry) < sought; });
    return found != entries.end() && key_of(*found) == key ? &*found : nullptr;
}

} // namespace

bool READABLEBODY(ENTRYKIND kind, bool page, BYTEVIEW body) {
    if (!page) return FACTSOFBODY(kind, body).has_value();
    CHUNKREADER reader(body, {0, static_cast<std::uint32_t>(body.size())}, OVERRUN::DAMAGED);
    try {
        for (CHUNK chunk; reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
        }
    } catch (const DATAERROR&) {
        return false;
    }
    return reader.POSITION() == static_cast<std::int64_t>(body.size());
}

// A set-move-route command's route is numbers like any parameters, so every
// command is read alike.
bool READABLECOMMANDS(BYTEVIEW body) {
    CHUNKREADER reader(body, {0, static_cast<std::uint32_t>(body.size())}, OVERRUN::DAMAGED);
    try {
        while (reader.MORE()) {
            const std::int32_t code = reader.NUMBER();
            reader.NUMBER(); // the indent
            reader.BYTES(reader.LENGTH());
            for (std::int32_t left = reader.COUNT(1); left > 0; --left) {
                reader.NUMBER();
            }
            if (code == ENDCOMMAND) {
                return reader.POSITION() == static_cast<std::int64_t>(body.size());
            }
        }
    } catch (const DATAERROR&) {
    }
    return false;
}

std::optional<ENTRYFACTS> FACTSOFBODY(ENTRYKIND kind, BYTEVIEW body) {
    std::int64_t closed = 0;
    try {
        ENTRYFACTS facts =
            FACTSIN(body, kind, {0, static_cast<std::uint32_t>(body.size())}, closed);
        if (closed == static_cast<std::int64_t>(body.size())) return facts;
    } catch (const DATAERROR&) {
    }
    return std::nullopt;
}

GAMEFILE::GAMEFILE(BYTESTRING bytes) : bytes_(std::move(bytes)) {
    READGAMEBYTES(bytes_, [this] { READ(); });
}

void GAMEFILE::READ() {
    in_order_.fill(true);
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
    const LISTHOME home = kind_ == GAMEFILEKIND::MAP ? LISTHOME::MAPFILE : LISTHOME::DATABASE;
    bool closed = false;
    top_end_ = end;
    for (CHUNK chunk; top.MORE(); top.SKIP(chunk)) {
        const std::int64_t next = top.POSITION();
        if (!top.NEXTCHUNK(chunk)) {
            closed = true;
            top_end_ = next;
            break;
        }
        top_.push_back(chunk);
        for (const IDLIST& list : IDLISTS) {
            if (list.home != home || list.chunk != chunk.id) continue;
            std::vector<CHUNK>& chunks = lists_[INDEX(list.kind)];
            chunks = {chunk};
            if (!list.nested) continue;
            const std::optional<CHUNK> nested = NESTEDCHUNK(bytes_, chunk.PAYLOAD(), list.nested);
            if (nested) {
                chunks.push_back(*nested);
            } else {
                chunks.clear();
            }
        }
    }
    // A map ends in chunk id 0; a database has no end of its own, but no
    // database lacks its common events, the last list that every one has.
    if (kind_ == GAMEFILEKIND::MAP ? !closed : LISTCHUNKS(IDKIND::COMMONEVENT).empty()) {
        top.FAULTAT(end);
    }
    READLISTS();
}

// In the order of the kinds, which is the database's.
void GAMEFILE::READLISTS() {
    for (const IDLIST& list : IDLISTS) {
        const std::vector<CHUNK>& chunks = LISTCHUNKS(list.kind);
        if (chunks.empty()) continue;
        const SPAN span = chunks.back().PAYLOAD();
        if (const std::optional<ENTRYKIND> events = EVENTSIN(list.kind)) {
            READEVENTLIST(*events, span);
        } else {
            READNAMES(list.kind, span);
        }
    }
    // Each kind's entries are in id order already.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const GAMEENTRY& a, const GAMEENTRY& b) { return a.kind < b.kind; });
}

void GAMEFILE::READNAMES(IDKIND kind, SPAN span) {
    std::vector<NAMEDENTRY>& names = names_[INDEX(kind)];
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
    std::vector<GAMEENTRY> entries;
    ENTRYLIST list(bytes_, span);
    for (std::int32_t id; list.NEXTENTRY(id);) {
        for (CHUNK chunk; list.NEXTCHUNK(chunk);) {
        }
        entries.push_back({kind, id, list.ENTRYSTART(), list.ENTRYBODY()});
    }
    in_order_[static_cast<std::size_t>(kind)] = ORDERBYID(entries);
    std::vector<NAMEDENTRY>& names = names_[INDEX(EVENTLIST(kind))];
    for (const GAMEENTRY& entry : entries) {
        names.push_back({entry.id, FACTSOF(entry).name});
    }
    entries_.insert(entries_.end(), entries.begin(), entries.end());
}

ENTRYFACTS GAMEFILE::FACTSOF(const GAMEENTRY& entry) const {
    std::int64_t closed = 0;
    return FACTSIN(bytes_, entry.kind, entry.body, closed);
}

const GAMEENTRY* GAMEFILE::ENTRYOF(ENTRYKIND kind, std::int32_t id) const {
    return FIRSTWITH(entries_, std::pair(kind, id),
                     [](const GAMEENTRY& entry) { return std::pair(entry.kind, entry.id); });
}

std::optional<BYTEVIEW> GAMEFILE::NAMEOF(IDKIND kind, std::int32_t id) const {
    const NAMEDENTRY* named =
        FIRSTWITH(names_[INDEX(kind)], id, [](const NAMEDENTRY& entry) { return entry.id; });
    if (!named) return std::nullopt;
    return BYTESOF(named->name);
}

} // namespace PAGEWRIGHT
