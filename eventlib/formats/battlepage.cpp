#include "formats/battlepage.h"

#include "codec/encoding.h"
#include "formats/chunk_ids.h"
#include "formats/codes.h"
#include "formats/commandlist.h"
#include "formats/condition_fields.h"
#include "formats/fields.h"
#include "formats/page_reading.h"

#include <iterator>

namespace KESTREL {
namespace {

// enemy_hp_id and turn_enemy_id are held as encoded and written as held.
constexpr CONDITIONFIELD BATTLECONDITIONFIELDS[] = {
    {BATTLECONDITIONCHUNK::SWITCHA, &CONDITION::switch_a_id, CF_SWITCH_A},
    {BATTLECONDITIONCHUNK::SWITCHB, &CONDITION::switch_b_id, CF_SWITCH_B},
    {BATTLECONDITIONCHUNK::VARIABLEID, &CONDITION::variable_id, CF_VARIABLE},
    {BATTLECONDITIONCHUNK::VARIABLEVALUE, &CONDITION::variable_value, CF_VARIABLE},
    {BATTLECONDITIONCHUNK::TURNA, &CONDITION::turn_a, CF_TURN},
    {BATTLECONDITIONCHUNK::TURNB, &CONDITION::turn_b, CF_TURN},
    {BATTLECONDITIONCHUNK::FATIGUEMIN, &CONDITION::fatigue_min, CF_FATIGUE},
    {BATTLECONDITIONCHUNK::FATIGUEMAX, &CONDITION::fatigue_max, CF_FATIGUE},
    {BATTLECONDITIONCHUNK::ENEMYHPID, &CONDITION::enemy_hp_id, CF_ENEMY_HP},
    {BATTLECONDITIONCHUNK::ENEMYHPMIN, &CONDITION::enemy_hp_min, CF_ENEMY_HP},
    {BATTLECONDITIONCHUNK::ENEMYHPMAX, &CONDITION::enemy_hp_max, CF_ENEMY_HP},
    {BATTLECONDITIONCHUNK::ACTORHPID, &CONDITION::actor_hp_id, CF_ACTOR_HP},
    {BATTLECONDITIONCHUNK::ACTORHPMIN, &CONDITION::actor_hp_min, CF_ACTOR_HP},
    {BATTLECONDITIONCHUNK::ACTORHPMAX, &CONDITION::actor_hp_max, CF_ACTOR_HP},
    {BATTLECONDITIONCHUNK::TURNENEMYID, &CONDITION::turn_enemy_id, CF_TURN_ENEMY},
    {BATTLECONDITIONCHUNK::TURNENEMYA, &CONDITION::turn_enemy_a, CF_TURN_ENEMY},
    {BATTLECONDITIONCHUNK::TURNENEMYB, &CONDITION::turn_enemy_b, CF_TURN_ENEMY},
    {BATTLECONDITIONCHUNK::TURNACTORID, &CONDITION::turn_actor_id, CF_TURN_ACTOR},
    {BATTLECONDITIONCHUNK::TURNACTORA, &CONDITION::turn_actor_a, CF_TURN_ACTOR},
    {BATTLECONDITIONCHUNK::TURNACTORB, &CONDITION::turn_actor_b, CF_TURN_ACTOR},
    {BATTLECONDITIONCHUNK::COMMANDACTORID, &CONDITION::command_actor_id, CF_COMMAND_ACTOR},
    {BATTLECONDITIONCHUNK::COMMANDID, &CONDITION::command_id, CF_COMMAND_ACTOR},
};
constexpr CONDITIONTABLE BATTLECONDITION{std::begin(BATTLECONDITIONFIELDS),
                                         std::end(BATTLECONDITIONFIELDS)};

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
void READBATTLEFLAGS(BYTESTREAM& stream, CONDITION& condition) {
    const BYTEVIEW bytes = READBYTES(stream, READLENGTH(stream));
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        word |= std::uint32_t{static_cast<std::uint8_t>(bytes[i])} << (8 * i % 32);
    }
    condition.flags = FLAGSFROMWORD(word);
}

void READBATTLECONDITION(BYTESTREAM& stream, EVENTPAGE& page) {
    const std::int32_t length = READLENGTH(stream);
    const std::int64_t end = stream.position + length;
    CONDITION& condition = RENEWCONDITION(page);
    while (stream.position < end && !STREAMEND(stream)) {
        const std::int32_t id = READNUMBER(stream);
        if (id == ENDCHUNK) return;
        if (id == BATTLECONDITIONCHUNK::FLAGS) {
            READBATTLEFLAGS(stream, condition);
        } else if (!READCONDITIONFIELD(stream, BATTLECONDITION, id, condition)) {
            SKIPCHUNK(stream);
        }
    }
}

void READBATTLEPAGEBODY(BYTESTREAM& stream, EVENTPAGE& page) {
    for (;;) {
        switch (READNUMBER(stream)) {
        case ENDCHUNK:
            return;
        case BATTLEPAGECHUNK::CONDITION:
            READBATTLECONDITION(stream, page);
            break;
        case BATTLEPAGECHUNK::COMMANDSIZE:
            READNUMBERVALUE(stream);
            break;
        case BATTLEPAGECHUNK::COMMANDS:
            READCOMMANDLIST(stream, page, READLENGTH(stream));
            break;
        default:
            SKIPCHUNK(stream);
        }
    }
}

void WRITEBATTLECONDITION(BYTESTRING& out, const CONDITION& condition) {
    const std::uint32_t word = WORDFROMFLAGS(condition.flags);
    const char word_bytes[2] = {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
    BYTESTRING payload;
    APPENDDATACHUNK(payload, BYTEVIEW(word_bytes, 2), WITHLENGTH, BATTLECONDITIONCHUNK::FLAGS);
    WRITECONDITIONFIELDS(payload, BATTLECONDITION, condition);
    APPENDNUMBER(payload, ENDCHUNK);
    APPENDDATACHUNK(out, payload, WITHLENGTH, BATTLEPAGECHUNK::CONDITION);
}

} // namespace

void READBATTLEPAGE(BYTESTREAM& stream, EVENT& event, std::int32_t number) {
    READPAGEINTOSLOT(stream, event, number, READBATTLEPAGEBODY);
}

void WRITEBATTLEPAGE(BYTESTRING& out, const EVENTPAGE& page, std::uint8_t with_number) {
    if (with_number) APPENDNUMBER(out, page.number);
    WRITEBATTLECONDITION(out, page.condition ? *page.condition : CONDITION{});
    BYTESTRING commands;
    WRITECOMMANDLIST(commands, page);
    APPENDNUMBERCHUNK(out, static_cast<std::int32_t>(commands.size()), WITHLENGTH,
                      BATTLEPAGECHUNK::COMMANDSIZE);
    APPENDDATACHUNK(out, commands, WITHLENGTH, BATTLEPAGECHUNK::COMMANDS);
    APPENDNUMBER(out, ENDCHUNK);
}

} // namespace KESTREL
