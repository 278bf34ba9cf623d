// The chunk lists of the event data, read and written by the rows of the
// records whose fields they hold (record_fields.h), each row by its chunk id
// for the list's kind of event data. The reader finds a chunk's row through an
// index from chunk id to row that the compiler builds, so that a chunk costs
// one look-up however many rows there are; the writer writes the rows in
// ascending chunk id, as the editor does, then chunk id 0.
#ifndef PAGEWRIGHT_FORMATS_CHUNK_LISTS_H
#define PAGEWRIGHT_FORMATS_CHUNK_LISTS_H

#include "codec/chunk_reader.h"
#include "codec/encoding.h"
#include "formats/field_codings.h"
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
};

template <typename RECORD, std::size_t I> constexpr const auto& ROWOF() {
    return std::get<I>(RECORDFIELDS<RECORD>::ROWS);
}

template <typename RECORD>
using ROWINDICES = std::make_index_sequence<
    std::tuple_size_v<std::remove_const_t<decltype(RECORDFIELDS<RECORD>::ROWS)>>>;

template <EVENTKIND KIND, typename PARTS, typename RECORD, std::size_t I>
void READFIELD(CHUNKREADER& reader, const CHUNK& chunk, const PARTS& parts) {
    constexpr const auto& row = ROWOF<RECORD, I>();
    constexpr CODING coding = row.coded.OF(KIND);
    auto& field = std::get<RECORD*>(parts)->*row.member;
    if constexpr (coding == CODING::MAPFLAGBYTE) {
        READMAPFLAGS(reader, chunk, field);
    } else if constexpr (coding == CODING::BATTLEFLAGWORD) {
        READBATTLEFLAGS(reader, chunk, field);
    } else {
        field = reader.NUMBER();
    }
}

// A field with a guard is written only when its record's flags hold it.
template <EVENTKIND KIND, typename HELDPARTS, typename RECORD, std::size_t I>
void WRITEFIELD(BYTESTRING& out, const HELDPARTS& parts) {
    constexpr const auto& row = ROWOF<RECORD, I>();
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
    } else {
        APPENDNUMBERCHUNK(out, field, WITHLENGTH, id);
    }
}

template <EVENTKIND KIND, typename RECORD, std::size_t I> constexpr std::int32_t CHUNKIDOF() {
    return ROWOF<RECORD, I>().ids.OF(KIND);
}

template <EVENTKIND KIND, typename RECORD, std::size_t... I>
constexpr std::size_t CLAIMCOUNTOF(std::index_sequence<I...>) {
    return ((CHUNKIDOF<KIND, RECORD, I>() != NOCHUNK ? 1 : 0) + ... + 0);
}

// What the rows of a chunk list claim: each chunk id with what reads and
// writes it, in the order of the rows.
template <EVENTKIND KIND, typename... RECORDS> class CHUNKCLAIMS {
public:
    using LIST = CHUNKLIST<KIND, RECORDS...>;
    using READER = void (*)(CHUNKREADER& reader, const CHUNK& chunk,
                            const typename LIST::PARTS& parts);
    using WRITER = void (*)(BYTESTRING& out, const typename LIST::HELDPARTS& parts);

    struct CLAIM {
        std::int32_t id = NOCHUNK;
        READER read = nullptr;
        WRITER write = nullptr;
    };

    static constexpr std::size_t COUNT = (CLAIMCOUNTOF<KIND, RECORDS>(ROWINDICES<RECORDS>{}) + ...);

    static constexpr std::array<CLAIM, COUNT> ALL() {
        std::array<CLAIM, COUNT> claims{};
        std::size_t count = 0;
        (ADD<RECORDS>(claims, count, ROWINDICES<RECORDS>{}), ...);
        return claims;
    }

    static constexpr bool EACHIDONCE() {
        const std::array<CLAIM, COUNT> claims = ALL();
        for (std::size_t i = 0; i < claims.size(); ++i) {
            for (std::size_t j = i + 1; j < claims.size(); ++j) {
                if (claims[i].id == claims[j].id) return false;
            }
        }
        return true;
    }

    static constexpr std::size_t HIGHESTID() {
        std::int32_t highest = NOCHUNK;
        for (const CLAIM& claim : ALL())
            highest = claim.id > highest ? claim.id : highest;
        return static_cast<std::size_t>(highest);
    }

    // Each chunk id's reader, null for an id that no row claims.
    static constexpr auto READERS() {
        std::array<READER, HIGHESTID() + 1> index{};
        for (const CLAIM& claim : ALL())
            index[static_cast<std::size_t>(claim.id)] = claim.read;
        return index;
    }

    // The writers in ascending chunk id.
    static constexpr std::array<WRITER, COUNT> WRITERS() {
        std::array<CLAIM, COUNT> claims = ALL();
        for (std::size_t i = 1; i < claims.size(); ++i) {
            for (std::size_t j = i; j > 0 && claims[j - 1].id > claims[j].id; --j) {
                const CLAIM later = claims[j - 1];
                claims[j - 1] = claims[j];
                claims[j] = later;
            }
        }
        std::array<WRITER, COUNT> writers{};
        for (std::size_t i = 0; i < claims.size(); ++i)
            writers[i] = claims[i].write;
        return writers;
    }

private:
    template <typename RECORD, std::size_t I>
    static constexpr void ADDONE(std::array<CLAIM, COUNT>& claims, std::size_t& count) {
        if constexpr (CHUNKIDOF<KIND, RECORD, I>() != NOCHUNK) {
            claims[count].id = CHUNKIDOF<KIND, RECORD, I>();
            claims[count].read = &READFIELD<KIND, typename LIST::PARTS, RECORD, I>;
            claims[count].write = &WRITEFIELD<KIND, typename LIST::HELDPARTS, RECORD, I>;
            ++count;
        }
    }

    template <typename RECORD, std::size_t... I>
    static constexpr void ADD(std::array<CLAIM, COUNT>& claims, std::size_t& count,
                              std::index_sequence<I...>) {
        (ADDONE<RECORD, I>(claims, count), ...);
    }
};

template <EVENTKIND KIND, typename... RECORDS>
void CHUNKLIST<KIND, RECORDS...>::READ(CHUNKREADER& reader, const PARTS& parts) {
    using CLAIMS = CHUNKCLAIMS<KIND, RECORDS...>;
    static_assert(CLAIMS::EACHIDONCE(), "two rows of a chunk list claim one chunk id");
    static constexpr auto READERS = CLAIMS::READERS();
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        const auto id = static_cast<std::uint32_t>(chunk.id);
        if (id < READERS.size() && READERS[id] != nullptr) {
            READERS[id](reader, chunk, parts);
        } else {
            reader.SKIP(chunk);
        }
    }
}

template <EVENTKIND KIND, typename... RECORDS>
void CHUNKLIST<KIND, RECORDS...>::WRITE(BYTESTRING& out, const HELDPARTS& parts) {
    static constexpr auto WRITERS = CHUNKCLAIMS<KIND, RECORDS...>::WRITERS();
    for (const auto write : WRITERS)
        write(out, parts);
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL

#endif
