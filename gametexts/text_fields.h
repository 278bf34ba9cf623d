// The chunks of the database that hold texts a player reads, each with the
// context a translation of it carries: the list's and the field's names, the
// words by which translations of games name them.
#ifndef PAGEWRIGHT_GAMETEXTS_TEXT_FIELDS_H
#define PAGEWRIGHT_GAMETEXTS_TEXT_FIELDS_H

#include "game_chunk_ids.h"
#include "id_lists.h"

#include <cstdint>
#include <string_view>

namespace PAGEWRIGHT {

struct FIELDTEXT {
    IDKIND list;
    std::int32_t chunk;
    std::string_view context;
    std::string_view what;
    // The most columns of a description's line in the help window; 0 for a
    // name, whose room differs from screen to screen.
    std::size_t width;
};

// Troops', terrains' and attributes' names are shown rarely, but shown.
// Animations', tilesets', battler animations', common events', switches' and
// variables' names are the editor's alone.
inline constexpr FIELDTEXT FIELDTEXTTABLE[] = {
    {IDKIND::ACTOR, DATABASEENTRYCHUNK::NAME, "actors.name", "a hero's name", 0},
    {IDKIND::ACTOR, ACTORTEXTCHUNK::TITLE, "actors.title", "a hero's title", 0},
    {IDKIND::ACTOR, ACTORTEXTCHUNK::SKILLCOMMAND, "actors.skill_name",
     "a hero's word for the skill command", 0},
    {IDKIND::SKILL, DATABASEENTRYCHUNK::NAME, "skills.name", "a skill's name", 0},
    {IDKIND::SKILL, SKILLTEXTCHUNK::DESCRIPTION, "skills.description", "a skill's description", 50},
    {IDKIND::SKILL, SKILLTEXTCHUNK::USINGMESSAGE1, "skills.using_message1",
     "what a battle says when a skill is used", 0},
    {IDKIND::SKILL, SKILLTEXTCHUNK::USINGMESSAGE2, "skills.using_message2",
     "what a battle says next when a skill is used", 0},
    {IDKIND::ITEM, DATABASEENTRYCHUNK::NAME, "items.name", "an item's name", 0},
    {IDKIND::ITEM, ITEMTEXTCHUNK::DESCRIPTION, "items.description", "an item's description", 50},
    {IDKIND::ENEMY, DATABASEENTRYCHUNK::NAME, "enemies.name", "an enemy's name", 0},
    {IDKIND::TROOP, DATABASEENTRYCHUNK::NAME, "troops.name", "a monster group's name", 0},
    {IDKIND::TERRAIN, DATABASEENTRYCHUNK::NAME, "terrains.name", "a terrain's name", 0},
    {IDKIND::ATTRIBUTE, DATABASEENTRYCHUNK::NAME, "attributes.name", "an attribute's name", 0},
    {IDKIND::STATE, DATABASEENTRYCHUNK::NAME, "states.name", "a condition's name", 0},
    {IDKIND::STATE, STATETEXTCHUNK::ACTORMESSAGE, "states.message_actor",
     "what a battle says when a hero gets the condition", 0},
    {IDKIND::STATE, STATETEXTCHUNK::ENEMYMESSAGE, "states.message_enemy",
     "what a battle says when an enemy gets the condition", 0},
    {IDKIND::STATE, STATETEXTCHUNK::ALREADYMESSAGE, "states.message_already",
     "what a battle says of one who has the condition already", 0},
    {IDKIND::STATE, STATETEXTCHUNK::TURNMESSAGE, "states.message_affected",
     "what a battle says each turn of the condition", 0},
    {IDKIND::STATE, STATETEXTCHUNK::RECOVEREDMESSAGE, "states.message_recovery",
     "what a battle says when the condition ends", 0},
    {IDKIND::BATTLECOMMAND, DATABASEENTRYCHUNK::NAME, "battlecommands.name",
     "a battle command's name", 0},
    {IDKIND::CLASS, DATABASEENTRYCHUNK::NAME, "classes.name", "a class's name", 0},
};

// The row of a chunk of an entry of the list, or null for a chunk that holds
// no text a player reads.
inline const FIELDTEXT* FIELDTEXTOF(IDKIND list, std::int32_t chunk) {
    for (const FIELDTEXT& field : FIELDTEXTTABLE) {
        if (field.list == list && field.chunk == chunk) return &field;
    }
    return nullptr;
}

struct TERMTEXT {
    std::int32_t chunk;
    std::string_view name;
};

// Each chunk of the terms by the name of its field.
inline constexpr TERMTEXT TERMTABLE[] = {
    {1, "encounter"},
    {2, "special_combat"},
    {3, "escape_success"},
    {4, "escape_failure"},
    {5, "victory"},
    {6, "defeat"},
    {7, "exp_received"},
    {8, "gold_recieved_a"},
    {9, "gold_recieved_b"},
    {10, "item_recieved"},
    {11, "attacking"},
    {12, "enemy_critical"},
    {13, "actor_critical"},
    {14, "defending"},
    {15, "observing"},
    {16, "focus"},
    {17, "autodestruction"},
    {18, "enemy_escape"},
    {19, "enemy_transform"},
    {20, "enemy_damaged"},
    {21, "enemy_undamaged"},
    {22, "actor_damaged"},
    {23, "actor_undamaged"},
    {24, "skill_failure_a"},
    {25, "skill_failure_b"},
    {26, "skill_failure_c"},
    {27, "dodge"},
    {28, "use_item"},
    {29, "hp_recovery"},
    {30, "parameter_increase"},
    {31, "parameter_decrease"},
    {32, "enemy_hp_absorbed"},
    {33, "actor_hp_absorbed"},
    {34, "resistance_increase"},
    {35, "resistance_decrease"},
    {36, "level_up"},
    {37, "skill_learned"},
    {38, "battle_start"},
    {39, "miss"},
    {41, "shop_greeting1"},
    {42, "shop_regreeting1"},
    {43, "shop_buy1"},
    {44, "shop_sell1"},
    {45, "shop_leave1"},
    {46, "shop_buy_select1"},
    {47, "shop_buy_number1"},
    {48, "shop_purchased1"},
    {49, "shop_sell_select1"},
    {50, "shop_sell_number1"},
    {51, "shop_sold1"},
    {54, "shop_greeting2"},
    {55, "shop_regreeting2"},
    {56, "shop_buy2"},
    {57, "shop_sell2"},
    {58, "shop_leave2"},
    {59, "shop_buy_select2"},
    {60, "shop_buy_number2"},
    {61, "shop_purchased2"},
    {62, "shop_sell_select2"},
    {63, "shop_sell_number2"},
    {64, "shop_sold2"},
    {67, "shop_greeting3"},
    {68, "shop_regreeting3"},
    {69, "shop_buy3"},
    {70, "shop_sell3"},
    {71, "shop_leave3"},
    {72, "shop_buy_select3"},
    {73, "shop_buy_number3"},
    {74, "shop_purchased3"},
    {75, "shop_sell_select3"},
    {76, "shop_sell_number3"},
    {77, "shop_sold3"},
    {80, "inn_a_greeting_1"},
    {81, "inn_a_greeting_2"},
    {82, "inn_a_greeting_3"},
    {83, "inn_a_accept"},
    {84, "inn_a_cancel"},
    {85, "inn_b_greeting_1"},
    {86, "inn_b_greeting_2"},
    {87, "inn_b_greeting_3"},
    {88, "inn_b_accept"},
    {89, "inn_b_cancel"},
    {92, "possessed_items"},
    {93, "equipped_items"},
    {95, "gold"},
    {101, "battle_fight"},
    {102, "battle_auto"},
    {103, "battle_escape"},
    {104, "command_attack"},
    {105, "command_defend"},
    {106, "command_item"},
    {107, "command_skill"},
    {108, "menu_equipment"},
    {110, "menu_save"},
    {112, "menu_quit"},
    {114, "new_game"},
    {115, "load_game"},
    {117, "exit_game"},
    {118, "status"},
    {119, "row"},
    {120, "order"},
    {121, "wait_on"},
    {122, "wait_off"},
    {123, "level"},
    {124, "health_points"},
    {125, "spirit_points"},
    {126, "normal_status"},
    {127, "exp_short"},
    {128, "lvl_short"},
    {129, "hp_short"},
    {130, "sp_short"},
    {131, "sp_cost"},
    {132, "attack"},
    {133, "defense"},
    {134, "spirit"},
    {135, "agility"},
    {136, "weapon"},
    {137, "shield"},
    {138, "armor"},
    {139, "helmet"},
    {140, "accessory"},
    {146, "save_game_message"},
    {147, "load_game_message"},
    {148, "file"},
    {151, "exit_game_message"},
    {152, "yes"},
    {153, "no"},
};

} // namespace PAGEWRIGHT

#endif
