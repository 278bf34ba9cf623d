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
#include "record_fields.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

namespace KESTREL {

// The chunk list of one kind of event data that holds the fields of RECORDS:
// PARTS are the records read into, HELDPARTS those written.
template <EVENTKIND KIND, typename... RECORDS> struct CHUNKLIST {
    using PARTS = std::tuple<RECORDS*...>;
    using HELDPARTS = std::tuple<const RECORDS*...>;

    // Reads chunks up to chunk id 0 or the end of the run. A chunk that no row
    // claims is skipped.
    static void READ(CHUNKREADER& reader, const PARTS& parts);

    // Writes the fields, then chunk id 0.
    static void WRITE(BYTESTRING& out, const HELDPARTS& parts);

private:
    template <std::size_t K>
    static void READCLAIM(CHUNKREADER& reader, const CHUNK& chunk, const PARTS& parts);
    template <std::size_t... K>
    static bool READCLAIMED(CHUNKREADER& reader, const CHUNK& chunk, const PARTS& parts,
                            std::index_sequence<K...>);
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

// A list of records is read onto the records already held.
inline void READRECORDS(CHUNKREADER& reader, const CHUNK& chunk, EVENTPAGE& page) {
    READCOMMANDLIST(reader, page, chunk.length);
}
inline void READRECORDS(CHUNKREADER& reader, const CHUNK& chunk, MOVEROUTE& route) {
    READMOVEROUTE(reader, route, chunk.length, RAWFORM);
}

inline void WRITERECORDS(BYTESTRING& out, const EVENTPAGE& page) {
    WRITECOMMANDLIST(out, page);
}
inline void WRITERECORDS(BYTESTRING& out, const MOVEROUTE& route) {
    WRITEMOVEROUTE(out, route, RAWFORM);
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
        READRECORDS(reader, chunk, record);
    }
}

// The chunk before a list of records that holds the list's byte size, which
// the list's own length already gives.
template <typename PARTS> void READLISTSIZE(CHUNKREADER& reader, const CHUNK&, const PARTS&) {
    reader.NUMBER();
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
        APPENDDATACHUNK(out, MAPFLAGBYTE(field), WITHLENGTH, id);
    } else if constexpr (coding == CODING::BATTLEFLAGWORD) {
        APPENDDATACHUNK(out, BATTLEFLAGWORD(field), WITHLENGTH, id);
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
        BYTESTRING list;
        WRITERECORDS(list, record);
        constexpr std::int32_t size_id = row.size_ids.OF(KIND);
        if constexpr (size_id != NOCHUNK) {
            APPENDNUMBERCHUNK(out, static_cast<std::int32_t>(list.size()), WITHLENGTH, size_id);
        }
        APPENDDATACHUNK(out, list, WITHLENGTH, id);
    }
}

template <EVENTKIND KIND, typename RECORD, std::size_t I> constexpr std::int32_t CHUNKIDOF() {
    return ROWOF<RECORD, I>().ids.OF(KIND);
}

template <EVENTKIND KIND, typename RECORD, std::size_t I> constexpr std::int32_t SIZEIDOF() {
    return ROWOF<RECORD, I>().size_ids.OF(KIND);
}

// A chunk id that a row of a chunk list claims: the row, as the place of its
// record among the list's records and its place in the record's table;
// whether the chunk is the row's size chunk; and for the row's own chunk, the
// id from which on it is written, which is its size chunk's where it has one.
struct CLAIM {
    std::int32_t id = NOCHUNK;
    std::size_t record = 0;
    std::size_t row = 0;
    bool size = false;
    std::int32_t written_from = NOCHUNK;
};

template <EVENTKIND KIND, typename RECORD, std::size_t... I>
constexpr std::size_t CLAIMCOUNTOF(std::index_sequence<I...>) {
    return (((CHUNKIDOF<KIND, RECORD, I>() != NOCHUNK ? 1 : 0) +
             (SIZEIDOF<KIND, RECORD, I>() != NOCHUNK ? 1 : 0)) +
            ... + 0);
}

template <typename CLAIMS>
constexpr void ADDCLAIM(CLAIMS& claims, std::size_t& count, std::size_t record, std::size_t row,
                        std::int32_t id, std::int32_t size_id) {
    if (size_id != NOCHUNK) claims[count++] = {size_id, record, row, true, NOCHUNK};
    if (id != NOCHUNK) {
        claims[count++] = {id, record, row, false, size_id != NOCHUNK ? size_id : id};
    }
}

template <EVENTKIND KIND, typename RECORD, typename CLAIMS, std::size_t... I>
constexpr void ADDCLAIMS(CLAIMS& claims, std::size_t& count, std::size_t record,
                         std::index_sequence<I...>) {
    (ADDCLAIM(claims, count, record, I, CHUNKIDOF<KIND, RECORD, I>(), SIZEIDOF<KIND, RECORD, I>()),
     ...);
}

// What the rows of a chunk list claim, in the order of the rows, and the
// claims that write, in the order of writing: ascending chunk id.
template <EVENTKIND KIND, typename... RECORDS> struct CHUNKCLAIMS {
    static constexpr std::size_t COUNT =
        (CLAIMCOUNTOF<KIND, RECORDS>(ROWINDICES<RECORDS>{}) + ... + 0);

    template <std::size_t... R>
    static constexpr std::array<CLAIM, COUNT> COLLECT(std::index_sequence<R...>) {
        std::array<CLAIM, COUNT> claims{};
        std::size_t count = 0;
        (ADDCLAIMS<KIND, RECORDS>(claims, count, R, ROWINDICES<RECORDS>{}), ...);
        return claims;
    }

    static constexpr std::array<CLAIM, COUNT> ALL = COLLECT(std::index_sequence_for<RECORDS...>{});

    static constexpr std::size_t WRITERCOUNT() {
        std::size_t count = 0;
        for (const CLAIM& claim : ALL)
            count += claim.size ? 0 : 1;
        return count;
    }

    static constexpr std::array<CLAIM, WRITERCOUNT()> WRITEORDER() {
        std::array<CLAIM, WRITERCOUNT()> claims{};
        std::size_t count = 0;
        for (const CLAIM& claim : ALL) {
            if (!claim.size) claims[count++] = claim;
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

    static constexpr bool EACHIDONCE() {
        for (std::size_t i = 0; i < ALL.size(); ++i) {
            for (std::size_t j = i + 1; j < ALL.size(); ++j) {
                if (ALL[i].id == ALL[j].id) return false;
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
    if constexpr (claim.size) {
        READLISTSIZE(reader, chunk, parts);
    } else {
        using RECORD = std::tuple_element_t<claim.record, std::tuple<RECORDS...>>;
        READFIELD<KIND, PARTS, RECORD, claim.row>(reader, chunk, parts);
    }
}

template <EVENTKIND KIND, typename... RECORDS>
template <std::size_t... K>
bool CHUNKLIST<KIND, RECORDS...>::READCLAIMED(CHUNKREADER& reader, const CHUNK& chunk,
                                              const PARTS& parts, std::index_sequence<K...>) {
    return ((chunk.id == CHUNKCLAIMS<KIND, RECORDS...>::ALL[K].id &&
             (READCLAIM<K>(reader, chunk, parts), true)) ||
            ...);
}

template <EVENTKIND KIND, typename... RECORDS>
void CHUNKLIST<KIND, RECORDS...>::READ(CHUNKREADER& reader, const PARTS& parts) {
    using CLAIMS = CHUNKCLAIMS<KIND, RECORDS...>;
    static_assert(CLAIMS::EACHIDONCE(), "two rows of a chunk list claim one chunk id");
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        if (!READCLAIMED(reader, chunk, parts, std::make_index_sequence<CLAIMS::COUNT>{})) {
            reader.SKIP(chunk);
        }
    }
}

template <EVENTKIND KIND, typename... RECORDS>
template <std::size_t... K>
void CHUNKLIST<KIND, RECORDS...>::WRITEALL(BYTESTRING& out, const HELDPARTS& parts,
                                           std::index_sequence<K...>) {
    constexpr auto ORDER = CHUNKCLAIMS<KIND, RECORDS...>::WRITEORDER();
    (WRITEFIELD<KIND, HELDPARTS, std::tuple_element_t<ORDER[K].record, std::tuple<RECORDS...>>,
                ORDER[K].row>(out, parts),
     ...);
}

template <EVENTKIND KIND, typename... RECORDS>
void CHUNKLIST<KIND, RECORDS...>::WRITE(BYTESTRING& out, const HELDPARTS& parts) {
    WRITEALL(out, parts, std::make_index_sequence<CHUNKCLAIMS<KIND, RECORDS...>::WRITERCOUNT()>{});
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL

#endif
