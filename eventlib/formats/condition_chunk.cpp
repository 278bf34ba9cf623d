#include "formats/condition_chunk.h"

#include "codec/encoding.h"
#include "event_codes.h"
#include "formats/chunk_ids.h"
#include "formats/fields.h"

namespace KESTREL {
namespace {

// In ascending sub-id order for each page kind: the order they are written in.
// A battle page holds enemy_hp_id and turn_enemy_id as encoded and writes them
// as held.
constexpr CONDITIONFIELD CONDITIONFIELDS[] = {
    {&CONDITION::switch_a_id, CF_SWITCH_A, MAPCONDITIONCHUNK::SWITCHA,
     BATTLECONDITIONCHUNK::SWITCHA},
    {&CONDITION::switch_b_id, CF_SWITCH_B, MAPCONDITIONCHUNK::SWITCHB,
     BATTLECONDITIONCHUNK::SWITCHB},
    {&CONDITION::variable_id, CF_VARIABLE, MAPCONDITIONCHUNK::VARIABLEID,
     BATTLECONDITIONCHUNK::VARIABLEID},
    {&CONDITION::variable_value, CF_VARIABLE, MAPCONDITIONCHUNK::VARIABLEVALUE,
     BATTLECONDITIONCHUNK::VARIABLEVALUE},
    {&CONDITION::item_id, CF_ITEM, MAPCONDITIONCHUNK::ITEMID, NOSUBCHUNK},
    {&CONDITION::actor_id, CF_ACTOR, MAPCONDITIONCHUNK::ACTORID, NOSUBCHUNK},
    {&CONDITION::timer_seconds, CF_TIMER, MAPCONDITIONCHUNK::TIMERSECONDS, NOSUBCHUNK},
    {&CONDITION::timer_2_seconds, CF_TIMER_2, MAPCONDITIONCHUNK::TIMER2SECONDS, NOSUBCHUNK},
    {&CONDITION::variable_compare, CF_VARIABLE, MAPCONDITIONCHUNK::VARIABLECOMPARE, NOSUBCHUNK},
    {&CONDITION::turn_a, CF_TURN, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNA},
    {&CONDITION::turn_b, CF_TURN, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNB},
    {&CONDITION::fatigue_min, CF_FATIGUE, NOSUBCHUNK, BATTLECONDITIONCHUNK::FATIGUEMIN},
    {&CONDITION::fatigue_max, CF_FATIGUE, NOSUBCHUNK, BATTLECONDITIONCHUNK::FATIGUEMAX},
    {&CONDITION::enemy_hp_id, CF_ENEMY_HP, NOSUBCHUNK, BATTLECONDITIONCHUNK::ENEMYHPID},
    {&CONDITION::enemy_hp_min, CF_ENEMY_HP, NOSUBCHUNK, BATTLECONDITIONCHUNK::ENEMYHPMIN},
    {&CONDITION::enemy_hp_max, CF_ENEMY_HP, NOSUBCHUNK, BATTLECONDITIONCHUNK::ENEMYHPMAX},
    {&CONDITION::actor_hp_id, CF_ACTOR_HP, NOSUBCHUNK, BATTLECONDITIONCHUNK::ACTORHPID},
    {&CONDITION::actor_hp_min, CF_ACTOR_HP, NOSUBCHUNK, BATTLECONDITIONCHUNK::ACTORHPMIN},
    {&CONDITION::actor_hp_max, CF_ACTOR_HP, NOSUBCHUNK, BATTLECONDITIONCHUNK::ACTORHPMAX},
    {&CONDITION::turn_enemy_id, CF_TURN_ENEMY, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNENEMYID},
    {&CONDITION::turn_enemy_a, CF_TURN_ENEMY, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNENEMYA},
    {&CONDITION::turn_enemy_b, CF_TURN_ENEMY, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNENEMYB},
    {&CONDITION::turn_actor_id, CF_TURN_ACTOR, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNACTORID},
    {&CONDITION::turn_actor_a, CF_TURN_ACTOR, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNACTORA},
    {&CONDITION::turn_actor_b, CF_TURN_ACTOR, NOSUBCHUNK, BATTLECONDITIONCHUNK::TURNACTORB},
    {&CONDITION::command_actor_id, CF_COMMAND_ACTOR, NOSUBCHUNK,
     BATTLECONDITIONCHUNK::COMMANDACTORID},
    {&CONDITION::command_id, CF_COMMAND_ACTOR, NOSUBCHUNK, BATTLECONDITIONCHUNK::COMMANDID},
};

constexpr bool ASCENDING(std::int32_t CONDITIONFIELD::*id) {
    std::int32_t last = NOSUBCHUNK;
    for (const CONDITIONFIELD& entry : CONDITIONFIELDS) {
        if (entry.*id == NOSUBCHUNK) continue;
        if (entry.*id <= last) return false;
        last = entry.*id;
    }
    return true;
}
static_assert(ASCENDING(&CONDITIONFIELD::map_id) && ASCENDING(&CONDITIONFIELD::battle_id),
              "the writer writes the sub-chunks in the table's order");

// When `id` is a number sub-chunk of the format, reads its value into its
// field and returns true.
bool READCONDITIONFIELD(CHUNKREADER& reader, const CONDITIONFORMAT& format, std::int32_t id,
                        CONDITION& condition) {
    for (const CONDITIONFIELD& entry : CONDITIONFIELDS) {
        if (entry.*format.id == id && id != NOSUBCHUNK) {
            condition.*(entry.field) = reader.NUMBER();
            return true;
        }
    }
    return false;
}

// A chunk that occurs twice replaces the earlier condition, which is released.
CONDITION& RENEWCONDITION(EVENTPAGE& page) {
    DESTROYOBJECT(page.condition, 0, 1);
    page.condition = new CONDITION;
    return *page.condition;
}

} // namespace

void READCONDITIONCHUNK(CHUNKREADER& reader, const CHUNK& chunk, EVENTPAGE& page,
                        const CONDITIONFORMAT& format) {
    const RUN fields(reader, chunk.length);
    CONDITION& condition = RENEWCONDITION(page);
    for (CHUNK field; reader.NEXTCHUNK(field);) {
        if (field.id == format.flags_id) {
            format.read_flags(reader, field, condition);
        } else if (!READCONDITIONFIELD(reader, format, field.id, condition)) {
            reader.SKIP(field);
        }
    }
}

void WRITECONDITIONCHUNK(BYTESTRING& out, const CONDITION& condition, const CONDITIONFORMAT& format,
                         std::int32_t id) {
    BYTESTRING payload;
    APPENDDATACHUNK(payload, format.flag_bytes(condition.flags), WITHLENGTH, format.flags_id);
    for (const CONDITIONFIELD& entry : CONDITIONFIELDS) {
        if (entry.*format.id != NOSUBCHUNK && (condition.flags & entry.guard)) {
            APPENDNUMBERCHUNK(payload, condition.*(entry.field), WITHLENGTH, entry.*format.id);
        }
    }
    APPENDNUMBER(payload, ENDCHUNK);
    APPENDDATACHUNK(out, payload, WITHLENGTH, id);
}

} // namespace KESTREL
