// The event commands this project names, each code once, with its name in
// the JSON form. The names follow the list of RPG Maker 2000/2003 command
// codes that the community keeps; codes outside it have no name.
#ifndef PAGEWRIGHT_EVENTTEXT_COMMAND_TABLE_H
#define PAGEWRIGHT_EVENTTEXT_COMMAND_TABLE_H

#include "event_codes.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

namespace PAGEWRIGHT {

struct COMMANDENTRY {
    std::int32_t code;
    const char* name;
};

// In ascending code order. The lines that continue or close a block (a
// message, choices, a battle, shop or inn, a branch or loop) are named after
// the block.
inline constexpr COMMANDENTRY COMMANDTABLE[] = {
    {10, "Empty"},
    {1005, "CallCommonEvent"},
    {1006, "ForceEscape"},
    {1007, "EnableCombo"},
    {1008, "ChangeClass"},
    {1009, "ChangeBattleCommands"},
    {5001, "OpenLoadMenu"},
    {5002, "ExitGame"},
    {5003, "ToggleAtbMode"},
    {5004, "ToggleFullscreen"},
    {5005, "OpenVideoOptions"},
    {10110, "ShowMessage"},
    {10120, "MessageOptions"},
    {10130, "SelectFace"},
    {10140, "ShowChoices"},
    {10150, "InputNumber"},
    {10210, "ControlSwitches"},
    {10220, "ControlVariables"},
    {10230, "TimerOperation"},
    {10310, "ChangeMoney"},
    {10320, "ChangeItems"},
    {10330, "ChangePartyMembers"},
    {10410, "ChangeExperience"},
    {10420, "ChangeLevel"},
    {10430, "ChangeParameters"},
    {10440, "ChangeSkills"},
    {10450, "ChangeEquipment"},
    {10460, "ChangeHp"},
    {10470, "ChangeSp"},
    {10480, "ChangeCondition"},
    {10490, "FullRecovery"},
    {10500, "SimulatedAttack"},
    {10610, "ChangeHeroName"},
    {10620, "ChangeHeroTitle"},
    {10630, "ChangeHeroGraphic"},
    {10640, "ChangeHeroFace"},
    {10650, "ChangeVehicleGraphic"},
    {10660, "ChangeSystemMusic"},
    {10670, "ChangeSystemSound"},
    {10680, "ChangeSystemGraphics"},
    {10690, "ChangeScreenTransitions"},
    {10710, "StartBattle"},
    {10720, "OpenShop"},
    {10730, "ShowInn"},
    {10740, "EnterHeroName"},
    {10810, "TransferPlayer"},
    {10820, "MemorizeLocation"},
    {10830, "RecallToLocation"},
    {10840, "EnterExitVehicle"},
    {10850, "SetVehicleLocation"},
    {10860, "SetEventLocation"},
    {10870, "SwapEventLocations"},
    {10910, "StoreTerrainId"},
    {10920, "StoreEventId"},
    {11010, "EraseScreen"},
    {11020, "ShowScreen"},
    {11030, "TintScreen"},
    {11040, "FlashScreen"},
    {11050, "ShakeScreen"},
    {11060, "PanScreen"},
    {11070, "WeatherEffects"},
    {11110, "ShowPicture"},
    {11120, "MovePicture"},
    {11130, "ErasePicture"},
    {11210, "ShowAnimation"},
    {11310, "SetHeroTransparency"},
    {11320, "FlashEvent"},
    {KESTREL::SETMOVEROUTE, "SetMoveRoute"},
    {11340, "ProceedWithMovement"},
    {11350, "HaltAllMovement"},
    {11410, "Wait"},
    {11510, "PlayMusic"},
    {11520, "FadeOutMusic"},
    {11530, "MemorizeMusic"},
    {11540, "PlayMemorizedMusic"},
    {11550, "PlaySoundEffect"},
    {11560, "PlayMovie"},
    {11610, "KeyInputProcessing"},
    {11710, "ChangeTileset"},
    {11720, "ChangeParallaxBackground"},
    {11740, "ChangeEncounterRate"},
    {11750, "ChangeTile"},
    {11810, "SetTeleportTarget"},
    {11820, "ChangeTeleportAccess"},
    {11830, "SetEscapeLocation"},
    {11840, "ChangeEscapeAccess"},
    {11910, "OpenSaveMenu"},
    {11930, "ChangeSaveAccess"},
    {11950, "OpenMainMenu"},
    {11960, "ChangeMainMenuAccess"},
    {12010, "ConditionalBranch"},
    {12110, "Label"},
    {12120, "JumpToLabel"},
    {12210, "Loop"},
    {12220, "BreakLoop"},
    {12310, "EndEventProcessing"},
    {12320, "EraseEvent"},
    {12330, "CallEvent"},
    {12410, "Comment"},
    {12420, "GameOver"},
    {12510, "ReturnToTitle"},
    {13110, "ChangeMonsterHp"},
    {13120, "ChangeMonsterSp"},
    {13130, "ChangeMonsterCondition"},
    {13150, "ShowHiddenMonster"},
    {13210, "ChangeBattleBackground"},
    {13260, "ShowBattleAnimation"},
    {13310, "BattleConditionalBranch"},
    {13410, "EndBattle"},
    {20110, "MessageLine"},
    {20140, "ChoiceCase"},
    {20141, "ChoicesEnd"},
    {20710, "VictoryCase"},
    {20711, "EscapeCase"},
    {20712, "DefeatCase"},
    {20713, "BattleCasesEnd"},
    {20720, "TransactionCase"},
    {20721, "NoTransactionCase"},
    {20722, "ShopCasesEnd"},
    {20730, "StayCase"},
    {20731, "NoStayCase"},
    {20732, "InnCasesEnd"},
    {22010, "ElseBranch"},
    {22011, "BranchEnd"},
    {22210, "LoopEnd"},
    {22410, "CommentLine"},
    {23310, "BattleElseBranch"},
    {23311, "BattleBranchEnd"},
};

constexpr bool ASCENDING() {
    for (std::size_t i = 1; i < std::size(COMMANDTABLE); ++i) {
        if (COMMANDTABLE[i - 1].code >= COMMANDTABLE[i].code) return false;
    }
    return true;
}
static_assert(ASCENDING(), "COMMANDNAME searches the table by halves");

// The code's name, or null.
const char* COMMANDNAME(std::int32_t code);

// The code of the name, or nothing for a name not in the table.
std::optional<std::int32_t> COMMANDCODE(std::string_view name);

} // namespace PAGEWRIGHT

#endif
