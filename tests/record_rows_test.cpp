// The rows of the records as the codec goes by them: every field that a kind
// of event data holds as a plain chunk comes back from a content of that
// kind, whichever row it is, so that a field added as a row is tested too.
#include "event_codes.h"
#include "record_fields.h"
#include "trees.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

using namespace KESTREL;

namespace {

// Every flag bit that a battle condition's flag word holds.
constexpr std::int32_t BATTLEFLAGBITS = CF_SWITCH_A | CF_SWITCH_B | CF_VARIABLE | CF_TURN |
                                        CF_FATIGUE | CF_ENEMY_HP | CF_ACTOR_HP | CF_TURN_ENEMY |
                                        CF_TURN_ACTOR | CF_COMMAND_ACTOR;

template <typename ROW> bool PLAININ(EVENTKIND kind, const ROW& row) {
    return row.ids.OF(kind) != NOCHUNK && row.coded.OF(kind) == CODING::PLAIN;
}

// Numbers from 1000 on take more than one byte, and differ from every
// default.
template <typename RECORD> void FILL(EVENTKIND kind, RECORD& record) {
    std::int32_t value = 1000;
    const auto fill = [&](const auto& row) {
        using ROW = std::decay_t<decltype(row)>;
        ++value;
        if (!PLAININ(kind, row)) return;
        if constexpr (ROW::HELDAS == HELD::NUMBER) {
            record.*row.member = value;
        } else if constexpr (ROW::HELDAS == HELD::FLAG) {
            record.*row.member = 1;
        } else if constexpr (ROW::HELDAS == HELD::NAME) {
            std::free(record.*row.member);
            record.*row.member = COPYNAME(row.name);
        }
    };
    std::apply([&](const auto&... rows) { (fill(rows), ...); }, RECORDFIELDS<RECORD>::ROWS);
}

template <typename RECORD>
void EXPECTSAME(EVENTKIND kind, const RECORD& written, const RECORD& read) {
    const auto expect = [&](const auto& row) {
        using ROW = std::decay_t<decltype(row)>;
        if (!PLAININ(kind, row)) return;
        if constexpr (ROW::HELDAS == HELD::NUMBER || ROW::HELDAS == HELD::FLAG) {
            EXPECT_EQ(read.*row.member, written.*row.member) << row.name << " of kind " << kind;
        } else if constexpr (ROW::HELDAS == HELD::NAME) {
            EXPECT_STREQ(read.*row.member, written.*row.member) << row.name << " of kind " << kind;
        }
    };
    std::apply([&](const auto&... rows) { (expect(rows), ...); }, RECORDFIELDS<RECORD>::ROWS);
}

// An event with one page and a condition, every plain field of the kind set,
// and the condition's flags set to those given.
EVENTTREE FILLEDEVENT(EVENTKIND kind, std::int32_t flags) {
    EVENTTREE event = EVENTWITHPAGES(1);
    EVENTPAGE& page = event->pages[0];
    page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    FILL(kind, *event);
    FILL(kind, page);
    FILL(kind, *page.condition);
    page.condition->flags = flags;
    return event;
}

// A lone page's content holds no event's fields.
void EXPECTROUNDTRIP(CLIPBOARDCONTENTTYPE format, EVENTKIND kind, const EVENT& event) {
    const EVENTTREE read = DECODE(format, ENCODE(format, &event));
    ASSERT_EQ(read->page_count, 1) << format;
    if (EVENTFORMATOF(format)->framing != FRAMING::PAGENUMBER) EXPECTSAME(kind, event, *read);
    EXPECTSAME(kind, event.pages[0], read->pages[0]);
    EXPECTSAME(kind, *event.pages[0].condition, *read->pages[0].condition);
    if (event.pages[0].move_route) {
        EXPECTSAME(kind, *event.pages[0].move_route, *read->pages[0].move_route);
    }
}

} // namespace

TEST(RecordRows, EveryPlainFieldOfAKindComesBackFromItsContent) {
    const EVENTTREE map = FILLEDEVENT(EK_MAP, MAPFLAGBITS);
    EVENTPAGE& page = map->pages[0];
    page.move_type = CUSTOMMOVETYPE;
    page.move_route = static_cast<MOVEROUTE*>(CREATEOBJECT(OT_MOVEROUTE));
    FILL(EK_MAP, *page.move_route);
    EXPECTROUNDTRIP(CB_MAPEVENT, EK_MAP, *map);
    EXPECTROUNDTRIP(CB_MAPEVENTPAGE, EK_MAP, *map);

    const EVENTTREE group = FILLEDEVENT(EK_BATTLE, BATTLEFLAGBITS);
    EXPECTROUNDTRIP(CB_MONSTERGROUP, EK_BATTLE, *group);
    EXPECTROUNDTRIP(CB_BATTLEEVENTPAGE, EK_BATTLE, *group);

    const EVENTTREE common = FILLEDEVENT(EK_COMMON, CF_SWITCH_A);
    common->pages[0].trigger = COMMONAUTOSTART;
    EXPECTROUNDTRIP(CB_COMMONEVENT, EK_COMMON, *common);
}
