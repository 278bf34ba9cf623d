// The chunk lists of the event data, read and written by the rows of the
// records whose fields they hold (record_fields.h), each row by its chunk id
// for the list's kind of event data. What the rows claim is worked out when
// the library is compiled: the reader compares a chunk's id with the claimed
// ids, which the compiler makes one jump through a table, as for a switch, so
// that a chunk costs the same however many rows there are; the writer calls
// the rows' writers one after the other in ascending chunk id, as the editor
// writes them, then writes chunk id 0.
#ifndef PAGEWRIGHT_FORMATS_CHUNK_LISTS_H
#define PAGEWRIGHT_FORMATS_CHUNK_LISTS_H

#include "codec/chunk_reader.h"
#include "codec/encoding.h"
#include "formats/commandlist.h"
#include "formats/field_codings.h"
#include "formats/fields.h"
#include "formats/pages.h"
#include "record_fields.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>

namespace KESTREL {

// The chunk list of one kind of event data that holds the fields of RECORDS:
// PARTS are the records read into, HELDPARTS those written. Most lists hold
// one record's fields; a common event's holds its page's and its condition's
// too.
template <EVENTKIND KIND, typename... RECORDS> struct CHUNKLIST {
    using PARTS = std::tuple<RECORDS*...>;
    using HELDPARTS = std::tuple<const RECORDS*...>;

    // Reads chunks up to chunk id 0 or the end of the run. A chunk that no row
    // claims is skipped, or kept where a row keeps such chunks.
    static void READ(CHUNKREADER& reader, const PARTS& parts);

    // Writes the fields, then chunk id 0.
    static void WRITE(BYTESTRING& out, const HELDPARTS& parts);

private:
    template <std::size_t K>
    static void READCLAIM(CHUNKREADER& reader, const CHUNK& chunk, const PARTS& parts);
    template <std::size_t... K>
    static bool READCLAIMED(CHUNKREADER& reader, const CHUNK& chunk, const PARTS& parts,
                            std::index_sequence<K...>);
    template <std::size_t K> static void WRITECLAIM(BYTESTRING& out, const HELDPARTS& parts);
    template <std::size_t... K>
    static void WRITEALL(BYTESTRING& out, const HELDPARTS& parts, std::index_sequence<K...>);
};

template <typename RECORD, std::size_t I> constexpr const auto& ROWOF() {
    return std::get<I>(RECORDFIELDS<RECORD>::ROWS);
}

template <typename RECORD>
using ROWINDICES = std::make_index_sequence<
    std::tuple_size_v<std::remove_const_t<decltype(RECORDFIELDS<RECORD>::ROWS)>>>;

// A record of a chunk replaces the one held before, which is released.
template <EVENTKIND KIND, CODING CODED, typename OWNER, typename CHILD>
void READCHILD(CHUNKREADER& reader, const CHUNK& chunk, const OWNER& owner, CHILD*& child) {
    const RUN fields(reader, chunk.length);
    auto* fresh = new CHILD;
    DESTROYOBJECT(child, 0, 1);
    child = fresh;
    if constexpr (CODED == CODING::OWNROUTE) STARTOWNROUTE(*fresh, owner);
    CHUNKLIST<KIND, CHILD>::READ(reader, {fresh});
}

template <EVENTKIND KIND, ABSENT WHENABSENT, typename CHILD>
void WRITECHILD(BYTESTRING& out, const CHILD* child, std::int32_t id) {
    static const CHILD defaults{};
    if (child == nullptr && WHENABSENT == ABSENT::LEFTOUT) return;
    BYTESTRING fields;
    CHUNKLIST<KIND, CHILD>::WRITE(fields, {child ? child : &defaults});
    APPENDDATACHUNK(out, fields, WITHLENGTH, id);
}

// Each record owns at most one list of records: a page its commands, a route
// its moves, an event its pages. Commands and moves are read onto those held.
template <EVENTKIND> void READRECORDS(CHUNKREADER& reader, const CHUNK& chunk, EVENTPAGE& page) {
    READCOMMANDLIST(reader, page, chunk.length);
}
template <EVENTKIND> void READRECORDS(CHUNKREADER& reader, const CHUNK& chunk, MOVEROUTE& route) {
    READMOVEROUTE(reader, route, chunk.length, RAWFORM);
}
template <EVENTKIND KIND> void READRECORDS(CHUNKREADER& reader, const CHUNK& chunk, EVENT& event) {
    READPAGELIST<KIND>(reader, chunk, event);
}

template <EVENTKIND> void WRITERECORDS(BYTESTRING& out, const EVENTPAGE& page) {
    WRITECOMMANDLIST(out, page);
}
template <EVENTKIND> void WRITERECORDS(BYTESTRING& out, const MOVEROUTE& route) {
    WRITEMOVEROUTE(out, route, RAWFORM);
}
template <EVENTKIND KIND> void WRITERECORDS(BYTESTRING& out, const EVENT& event) {
    WRITEPAGELIST<KIND>(out, event);
}

// A number chunk's value is the number at its payload, whatever length the
// chunk declares; a flag keeps bit 0 of it.
template <EVENTKIND KIND, typename PARTS, typename RECORD, std::size_t I>
void READFIELD(CHUNKREADER& reader, const CHUNK& chunk, const PARTS& parts) {
    constexpr const auto& row = ROWOF<RECORD, I>();
    constexpr HELD held = std::decay_t<decltype(row)>::HELDAS;
    constexpr CODING coding = row.coded.OF(KIND);
    RECORD& record = *std::get<RECORD*>(parts);
    auto& field = record.*row.member;
    if constexpr (coding == CODING::MAPFLAGBYTE) {
        READMAPFLAGS(reader, chunk, field);
    } else if constexpr (coding == CODING::BATTLEFLAGWORD) {
        READBATTLEFLAGS(reader, chunk, field);
    } else if constexpr (coding == CODING::COMMONTRIGGER) {
        READCOMMONTRIGGER(reader, field);
    } else if constexpr (coding == CODING::COMMONSWITCHFLAG) {
        READCOMMONSWITCHFLAG(reader, *std::get<EVENTPAGE*>(parts), field);
    } else if constexpr (held == HELD::NUMBER) {
        field = reader.NUMBER();
    } else if constexpr (held == HELD::FLAG) {
        field = static_cast<std::uint8_t>(reader.NUMBER() & 1);
    } else if constexpr (held == HELD::NAME) {
        REPLACENAME(field, READNAME(reader, chunk.length));
    } else if constexpr (held == HELD::CHILD) {
        READCHILD<KIND, coding>(reader, chunk, record, field);
    } else {
        static_assert(held == HELD::RECORDS, "no other field is a chunk of its own");
        READRECORDS<KIND>(reader, chunk, record);
    }
}

// The chunk before a list of records that holds the list's byte size, which
// the list's own length already gives.
inline void READLISTSIZE(CHUNKREADER& reader) {
    reader.NUMBER();
}

// A chunk kept as it is. Ids from 256 on have no entry, but still make the
// record keep chunks.
inline void KEEPCHUNK(CHUNKREADER& reader, const CHUNK& chunk, EXTRACHUNKS*& kept) {
    if (kept == nullptr) kept = new EXTRACHUNKS;
    const BYTEVIEW payload = reader.BYTES(chunk.length);
    if (static_cast<std::uint32_t>(chunk.id) < static_cast<std::uint32_t>(KEPTCHUNKIDS)) {
        kept->entries[chunk.id].assign(payload);
    }
}

// A field with a guard is written only when its record's flags hold it; a flag
// is written as 0 or 1.
template <EVENTKIND KIND, typename HELDPARTS, typename RECORD, std::size_t I>
void WRITEFIELD(BYTESTRING& out, const HELDPARTS& parts) {
    constexpr const auto& row = ROWOF<RECORD, I>();
    constexpr HELD held = std::decay_t<decltype(row)>::HELDAS;
    constexpr std::int32_t id = row.ids.OF(KIND);
    constexpr CODING coding = row.coded.OF(KIND);
    const RECORD& record = *std::get<const RECORD*>(parts);
    if constexpr (row.guard != NOGUARD) {
        if ((record.flags & row.guard) == 0) return;
    }
    const auto& field = record.*row.member;
    if constexpr (coding == CODING::MAPFLAGBYTE) {
        WRITEMAPFLAGS(out, field, id);
    } else if constexpr (coding == CODING::BATTLEFLAGWORD) {
        WRITEBATTLEFLAGS(out, field, id);
    } else if constexpr (coding == CODING::COMMONTRIGGER) {
        WRITECOMMONTRIGGER(out, field, id);
    } else if constexpr (coding == CODING::COMMONSWITCHFLAG) {
        WRITECOMMONSWITCHFLAG(out, field, id);
    } else if constexpr (held == HELD::NUMBER) {
        APPENDNUMBERCHUNK(out, field, WITHLENGTH, id);
    } else if constexpr (held == HELD::FLAG) {
        APPENDNUMBERCHUNK(out, field != 0, WITHLENGTH, id);
    } else if constexpr (held == HELD::NAME) {
        if (field != nullptr || row.absent == ABSENT::WRITTEN) {
            APPENDDATACHUNK(out, NAMEVIEW(field), WITHLENGTH, id);
        }
    } else if constexpr (held == HELD::CHILD) {
        if constexpr (coding == CODING::OWNROUTE) {
            if (!OWNROUTEWRITTEN(record)) return;
        }
        WRITECHILD<KIND, row.absent>(out, field, id);
    } else {
        static_assert(held == HELD::RECORDS, "no other field is a chunk of its own");
        BYTESTRING list;
        WRITERECORDS<KIND>(list, record);
        constexpr std::int32_t size_id = row.size_ids.OF(KIND);
        if constexpr (size_id != NOCHUNK) {
            APPENDNUMBERCHUNK(out, static_cast<std::int32_t>(list.size()), WITHLENGTH, size_id);
        }
        APPENDDATACHUNK(out, list, WITHLENGTH, id);
    }
}

// What a row claims of a chunk list: its own chunk, the chunk of its list's
// byte size, or the rest, every chunk that no other row claims.
enum class CLAIMED : std::uint8_t { OWN, SIZE, REST };

// A claim of a row, with the row as the place of its record among the list's
// records and its place in the record's table. `written_from` orders the
// writing: a row's own chunk is written from its size chunk on, where it has
// one, and the rest is written where its row stands, before the row after it.
struct CLAIM {
    CLAIMED what = CLAIMED::OWN;
    std::int32_t id = NOCHUNK;
    std::size_t record = 0;
    std::size_t row = 0;
    std::int32_t written_from = NOCHUNK;
};

// A row's claims, by its chunk and its size chunk for the kind.
struct ROWCHUNKS {
    std::int32_t id = NOCHUNK;
    std::int32_t size_id = NOCHUNK;

    constexpr std::size_t CLAIMS() const {
        return (id != NOCHUNK ? 1 : 0) + (size_id != NOCHUNK ? 1 : 0);
    }
};

template <EVENTKIND KIND, typename RECORD, std::size_t... I>
constexpr std::array<ROWCHUNKS, sizeof...(I)> ROWCHUNKSOF(std::index_sequence<I...>) {
    return {ROWCHUNKS{ROWOF<RECORD, I>().ids.OF(KIND), ROWOF<RECORD, I>().size_ids.OF(KIND)}...};
}

template <EVENTKIND KIND, typename RECORD> constexpr std::size_t CLAIMCOUNTOF() {
    std::size_t count = 0;
    for (const ROWCHUNKS& row : ROWCHUNKSOF<KIND, RECORD>(ROWINDICES<RECORD>{}))
        count += row.CLAIMS();
    return count;
}

template <EVENTKIND KIND, typename RECORD, typename CLAIMS>
constexpr void ADDCLAIMS(CLAIMS& claims, std::size_t& count, std::size_t record) {
    const auto rows = ROWCHUNKSOF<KIND, RECORD>(ROWINDICES<RECORD>{});
    const std::size_t first = count;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const ROWCHUNKS& chunks = rows[row];
        if (chunks.size_id != NOCHUNK) {
            claims[count++] = {CLAIMED::SIZE, chunks.size_id, record, row, NOCHUNK};
        }
        if (chunks.id == UNCLAIMEDCHUNKS) {
            claims[count++] = {CLAIMED::REST, NOCHUNK, record, row, NOCHUNK};
        } else if (chunks.id != NOCHUNK) {
            const std::int32_t from = chunks.size_id != NOCHUNK ? chunks.size_id : chunks.id;
            claims[count++] = {CLAIMED::OWN, chunks.id, record, row, from};
        }
    }
    std::int32_t next = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = count; i > first; --i) {
        CLAIM& claim = claims[i - 1];
        if (claim.what == CLAIMED::OWN) next = claim.written_from;
        if (claim.what == CLAIMED::REST) claim.written_from = next;
    }
}

// What the rows of a chunk list claim, in the order of the rows, and the
// claims that write, in the order of writing.
template <EVENTKIND KIND, typename... RECORDS> struct CHUNKCLAIMS {
    static constexpr std::size_t COUNT = (CLAIMCOUNTOF<KIND, RECORDS>() + ... + 0);

    template <std::size_t... R>
    static constexpr std::array<CLAIM, COUNT> COLLECT(std::index_sequence<R...>) {
        std::array<CLAIM, COUNT> claims{};
        std::size_t count = 0;
        (ADDCLAIMS<KIND, RECORDS>(claims, count, R), ...);
        return claims;
    }

    static constexpr std::array<CLAIM, COUNT> ALL = COLLECT(std::index_sequence_for<RECORDS...>{});

    static constexpr std::size_t WRITERCOUNT() {
        std::size_t count = 0;
        for (const CLAIM& claim : ALL)
            count += claim.what == CLAIMED::SIZE ? 0 : 1;
        return count;
    }

    static constexpr std::array<CLAIM, WRITERCOUNT()> WRITEORDER() {
        std::array<CLAIM, WRITERCOUNT()> claims{};
        std::size_t count = 0;
        for (const CLAIM& claim : ALL) {
            if (claim.what != CLAIMED::SIZE) claims[count++] = claim;
        }
        for (std::size_t i = 1; i < claims.size(); ++i) {
            for (std::size_t j = i; j > 0 && claims[j - 1].written_from > claims[j].written_from;
                 --j) {
                const CLAIM later = claims[j - 1];
                claims[j - 1] = claims[j];
                claims[j] = later;
            }
        }
        return claims;
    }

    // The row that takes the rest, or COUNT where no row does.
    static constexpr std::size_t REST() {
        for (std::size_t i = 0; i < ALL.size(); ++i) {
            if (ALL[i].what == CLAIMED::REST) return i;
        }
        return COUNT;
    }

    // Whether a chunk id below KEPTCHUNKIDS is claimed, so that kept chunks of
    // that id are not written.
    static constexpr std::array<bool, KEPTCHUNKIDS> CLAIMEDIDS() {
        std::array<bool, KEPTCHUNKIDS> claimed{};
        claimed[ENDCHUNK] = true;
        for (const CLAIM& claim : ALL) {
            if (claim.what != CLAIMED::REST && claim.id < KEPTCHUNKIDS) claimed[claim.id] = true;
        }
        return claimed;
    }

    static constexpr bool EACHIDONCE() {
        for (std::size_t i = 0; i < ALL.size(); ++i) {
            for (std::size_t j = i + 1; j < ALL.size(); ++j) {
                const bool rest = ALL[i].what == CLAIMED::REST || ALL[j].what == CLAIMED::REST;
                if (ALL[i].id == ALL[j].id && !rest) return false;
            }
        }
        return true;
    }
};

template <EVENTKIND KIND, typename... RECORDS>
template <std::size_t K>
void CHUNKLIST<KIND, RECORDS...>::READCLAIM(CHUNKREADER& reader, const CHUNK& chunk,
                                            const PARTS& parts) {
    constexpr CLAIM claim = CHUNKCLAIMS<KIND, RECORDS...>::ALL[K];
    using RECORD = std::tuple_element_t<claim.record, std::tuple<RECORDS...>>;
    if constexpr (claim.what == CLAIMED::SIZE) {
        READLISTSIZE(reader);
    } else if constexpr (claim.what == CLAIMED::REST) {
        KEEPCHUNK(reader, chunk, std::get<RECORD*>(parts)->*ROWOF<RECORD, claim.row>().member);
    } else {
        READFIELD<KIND, PARTS, RECORD, claim.row>(reader, chunk, parts);
    }
}

template <EVENTKIND KIND, typename... RECORDS>
template <std::size_t... K>
bool CHUNKLIST<KIND, RECORDS...>::READCLAIMED(CHUNKREADER& reader, const CHUNK& chunk,
                                              const PARTS& parts, std::index_sequence<K...>) {
    using CLAIMS = CHUNKCLAIMS<KIND, RECORDS...>;
    return ((CLAIMS::ALL[K].what != CLAIMED::REST && chunk.id == CLAIMS::ALL[K].id &&
             (READCLAIM<K>(reader, chunk, parts), true)) ||
            ...);
}

template <EVENTKIND KIND, typename... RECORDS>
void CHUNKLIST<KIND, RECORDS...>::READ(CHUNKREADER& reader, const PARTS& parts) {
    using CLAIMS = CHUNKCLAIMS<KIND, RECORDS...>;
    static_assert(CLAIMS::EACHIDONCE(), "two rows of a chunk list claim one chunk id");
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        if (READCLAIMED(reader, chunk, parts, std::make_index_sequence<CLAIMS::COUNT>{})) continue;
        if constexpr (CLAIMS::REST() != CLAIMS::COUNT) {
            READCLAIM<CLAIMS::REST()>(reader, chunk, parts);
        } else {
            reader.SKIP(chunk);
        }
    }
}

// Kept chunks are written in ascending id, but for those of ids that rows
// claim, which the rows write.
template <EVENTKIND KIND, typename... RECORDS>
template <std::size_t K>
void CHUNKLIST<KIND, RECORDS...>::WRITECLAIM(BYTESTRING& out, const HELDPARTS& parts) {
    using CLAIMS = CHUNKCLAIMS<KIND, RECORDS...>;
    constexpr CLAIM claim = CLAIMS::WRITEORDER()[K];
    using RECORD = std::tuple_element_t<claim.record, std::tuple<RECORDS...>>;
    if constexpr (claim.what == CLAIMED::REST) {
        static constexpr auto CLAIMEDIDS = CLAIMS::CLAIMEDIDS();
        const EXTRACHUNKS* kept =
            std::get<const RECORD*>(parts)->*ROWOF<RECORD, claim.row>().member;
        if (kept == nullptr) return;
        for (std::int32_t id = 0; id < KEPTCHUNKIDS; ++id) {
            const BYTESTRING& payload = kept->entries[id];
            if (!CLAIMEDIDS[id] && !payload.empty()) APPENDDATACHUNK(out, payload, WITHLENGTH, id);
        }
    } else {
        WRITEFIELD<KIND, HELDPARTS, RECORD, claim.row>(out, parts);
    }
}

template <EVENTKIND KIND, typename... RECORDS>
template <std::size_t... K>
void CHUNKLIST<KIND, RECORDS...>::WRITEALL(BYTESTRING& out, const HELDPARTS& parts,
                                           std::index_sequence<K...>) {
    (WRITECLAIM<K>(out, parts), ...);
}

template <EVENTKIND KIND, typename... RECORDS>
void CHUNKLIST<KIND, RECORDS...>::WRITE(BYTESTRING& out, const HELDPARTS& parts) {
    WRITEALL(out, parts, std::make_index_sequence<CHUNKCLAIMS<KIND, RECORDS...>::WRITERCOUNT()>{});
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL

#endif
