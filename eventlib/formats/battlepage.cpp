#include "formats/battlepage.h"

#include "codec/encoding.h"
#include "event_codes.h"
#include "formats/chunk_ids.h"
#include "formats/commandlist.h"
#include "formats/condition_chunk.h"
#include "formats/fields.h"
#include "formats/page_reading.h"

#include <iterator>

namespace KESTREL {
namespace {

// The battle page's flag word numbers its bits its own way: bit i of the word
// is the flags bit beside it.
constexpr std::int32_t FLAGWORDBITS[] = {
    CF_SWITCH_A, CF_SWITCH_B, CF_VARIABLE,   CF_TURN,       CF_FATIGUE,
    CF_ENEMY_HP, CF_ACTOR_HP, CF_TURN_ENEMY, CF_TURN_ACTOR, CF_COMMAND_ACTOR,
};

std::int32_t FLAGSFROMWORD(std::uint32_t word) {
    std::int32_t flags = 0;
    for (std::size_t bit = 0; bit < std::size(FLAGWORDBITS); ++bit) {
        if (word & (1u << bit)) flags |= FLAGWORDBITS[bit];
    }
    return flags;
}

std::uint32_t WORDFROMFLAGS(std::int32_t flags) {
    std::uint32_t word = 0;
    for (std::size_t bit = 0; bit < std::size(FLAGWORDBITS); ++bit) {
        if (flags & FLAGWORDBITS[bit]) word |= 1u << bit;
    }
    return word;
}

// The word's bytes come least significant first; a fifth byte and every fourth
// after it fold back onto the low byte. The flags are replaced, not added to.
void READBATTLEFLAGS(CHUNKREADER& reader, const CHUNK& chunk, CONDITION& condition) {
    const BYTEVIEW bytes = reader.BYTES(chunk.length);
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        word |= std::uint32_t{static_cast<std::uint8_t>(bytes[i])} << (8 * i % 32);
    }
    condition.flags = FLAGSFROMWORD(word);
}

BYTESTRING BATTLEFLAGWORD(std::int32_t flags) {
    const std::uint32_t word = WORDFROMFLAGS(flags);
    return BYTESTRING{static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
}

// The flag word is written in two bytes, also when its high byte is 0.
constexpr CONDITIONFORMAT BATTLECONDITION{BATTLECONDITIONCHUNK::FLAGS, READBATTLEFLAGS,
                                          BATTLEFLAGWORD, &CONDITIONFIELD::battle_id};

void READBATTLEPAGEBODY(CHUNKREADER& reader, EVENTPAGE& page) {
    for (CHUNK chunk; reader.NEXTCHUNK(chunk);) {
        switch (chunk.id) {
        case BATTLEPAGECHUNK::CONDITION:
            READCONDITIONCHUNK(reader, chunk, page, BATTLECONDITION);
            break;
        case BATTLEPAGECHUNK::COMMANDSIZE:
            reader.NUMBER();
            break;
        case BATTLEPAGECHUNK::COMMANDS:
            READCOMMANDLIST(reader, page, chunk.length);
            break;
        default:
            reader.SKIP(chunk);
        }
    }
}

} // namespace

void READBATTLEPAGE(CHUNKREADER& reader, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(reader, event, number, READBATTLEPAGEBODY);
}

void WRITEBATTLEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    if (with_number) APPENDNUMBER(out, page.number);
    WRITECONDITIONCHUNK(out, page.condition ? *page.condition : CONDITION{}, BATTLECONDITION,
                        BATTLEPAGECHUNK::CONDITION);
    WRITECOMMANDCHUNKS(out, page, BATTLEPAGECHUNK::COMMANDSIZE, BATTLEPAGECHUNK::COMMANDS);
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL
