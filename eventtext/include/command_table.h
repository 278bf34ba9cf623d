// The event commands this project names, each code once, with its name in
// the JSON form and the part it plays in a block. The names follow the list
// of RPG Maker 2000/2003 command codes that the community keeps; codes outside
// it have no name. The listing's forms in words name their commands by these
// names, and its blocks follow from the parts.
#ifndef PAGEWRIGHT_EVENTTEXT_COMMAND_TABLE_H
#define PAGEWRIGHT_EVENTTEXT_COMMAND_TABLE_H

#include "event_codes.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace PAGEWRIGHT {

// The part a command plays among the lines around it: it opens a block, or
// divides or closes the block its opener opened (an Else, a case, the End),
// or continues the command before it (a message's or a comment's next line).
enum class BLOCKROLE : std::uint8_t { NONE, OPENS, DIVIDES, CLOSES, CONTINUES };

struct COMMANDENTRY {
    std::int32_t code;
    const char* name;
    BLOCKROLE role = BLOCKROLE::NONE;
    // The command that opened the block it divides or closes, or that it
    // continues.
    std::int32_t opener = 0;
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
    {10140, "ShowChoices", BLOCKROLE::OPENS},
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
    {10710, "StartBattle", BLOCKROLE::OPENS},
    {10720, "OpenShop", BLOCKROLE::OPENS},
    {10730, "ShowInn", BLOCKROLE::OPENS},
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
    {12010, "ConditionalBranch", BLOCKROLE::OPENS},
    {12110, "Label"},
    {12120, "JumpToLabel"},
    {12210, "Loop", BLOCKROLE::OPENS},
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
    {13310, "BattleConditionalBranch", BLOCKROLE::OPENS},
    {13410, "EndBattle"},
    {20110, "MessageLine", BLOCKROLE::CONTINUES, 10110},
    {20140, "ChoiceCase", BLOCKROLE::DIVIDES, 10140},
    {20141, "ChoicesEnd", BLOCKROLE::CLOSES, 10140},
    {20710, "VictoryCase", BLOCKROLE::DIVIDES, 10710},
    {20711, "EscapeCase", BLOCKROLE::DIVIDES, 10710},
    {20712, "DefeatCase", BLOCKROLE::DIVIDES, 10710},
    {20713, "BattleCasesEnd", BLOCKROLE::CLOSES, 10710},
    {20720, "TransactionCase", BLOCKROLE::DIVIDES, 10720},
    {20721, "NoTransactionCase", BLOCKROLE::DIVIDES, 10720},
    {20722, "ShopCasesEnd", BLOCKROLE::CLOSES, 10720},
    {20730, "StayCase", BLOCKROLE::DIVIDES, 10730},
    {20731, "NoStayCase", BLOCKROLE::DIVIDES, 10730},
    {20732, "InnCasesEnd", BLOCKROLE::CLOSES, 10730},
    {22010, "ElseBranch", BLOCKROLE::DIVIDES, 12010},
    {22011, "BranchEnd", BLOCKROLE::CLOSES, 12010},
    {22210, "LoopEnd", BLOCKROLE::CLOSES, 12210},
    {22410, "CommentLine", BLOCKROLE::CONTINUES, 12410},
    {23310, "BattleElseBranch", BLOCKROLE::DIVIDES, 13310},
    {23311, "BattleBranchEnd", BLOCKROLE::CLOSES, 13310},
};

constexpr bool ASCENDING() {
    for (std::size_t i = 1; i < std::size(COMMANDTABLE); ++i) {
        if (COMMANDTABLE[i - 1].code >= COMMANDTABLE[i].code) return false;
    }
    return true;
}
static_assert(ASCENDING(), "COMMANDINDEX searches the table by halves");

// Where the code stands in the table; the table's size for a code it does not
// name. (An index rather than a pointer, because GCC's null-pointer sanitizer
// takes a pointer's comparison out of the compile-time checks below.)
constexpr std::size_t COMMANDINDEX(std::int32_t code) {
    std::size_t low = 0;
    std::size_t high = std::size(COMMANDTABLE);
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (COMMANDTABLE[middle].code < code) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < std::size(COMMANDTABLE) && COMMANDTABLE[low].code == code
               ? low
               : std::size(COMMANDTABLE);
}

// The entry of the code, or null for a code the table does not name.
constexpr const COMMANDENTRY* COMMANDENTRYOF(std::int32_t code) {
    const std::size_t index = COMMANDINDEX(code);
    return index < std::size(COMMANDTABLE) ? &COMMANDTABLE[index] : nullptr;
}

// The code's name, or null.
constexpr const char* COMMANDNAME(std::int32_t code) {
    const COMMANDENTRY* entry = COMMANDENTRYOF(code);
    return entry ? entry->name : nullptr;
}

// The part the code's command plays; NONE for a code the table does not name.
constexpr BLOCKROLE BLOCKROLEOF(std::int32_t code) {
    const COMMANDENTRY* entry = COMMANDENTRYOF(code);
    return entry ? entry->role : BLOCKROLE::NONE;
}

// Whether the entry's part fits the rest of the table: a block has one
// closer, a divider or closer names a command that opens blocks, and a
// continued line one that plays no part in a block.
constexpr bool PARTFITS(const COMMANDENTRY& entry) {
    const std::size_t opener = COMMANDINDEX(entry.opener);
    const bool named = opener < std::size(COMMANDTABLE);
    switch (entry.role) {
    case BLOCKROLE::OPENS: {
        int closers = 0;
        for (const COMMANDENTRY& other : COMMANDTABLE)
            closers += other.role == BLOCKROLE::CLOSES && other.opener == entry.code;
        return closers == 1;
    }
    case BLOCKROLE::DIVIDES:
    case BLOCKROLE::CLOSES:
        return named && COMMANDTABLE[opener].role == BLOCKROLE::OPENS;
    case BLOCKROLE::CONTINUES:
        return named && COMMANDTABLE[opener].role == BLOCKROLE::NONE;
    case BLOCKROLE::NONE:
        return true;
    }
    return false;
}

constexpr bool PARTSFIT() {
    for (const COMMANDENTRY& entry : COMMANDTABLE) {
        if (!PARTFITS(entry)) return false;
    }
    return true;
}
static_assert(PARTSFIT(), "the blocks' parts name their openers, and each block has its closer");

// The code of the command the table names so. Only for constants: a name the
// table does not hold stops the compilation.
constexpr std::int32_t CODENAMED(std::string_view name) {
    for (const COMMANDENTRY& entry : COMMANDTABLE) {
        if (name == entry.name) return entry.code;
    }
    throw std::invalid_argument("no command has the name");
}

// The commands that the readable forms treat by their meaning.
inline constexpr std::int32_t EMPTYCOMMAND = CODENAMED("Empty");
inline constexpr std::int32_t SHOWMESSAGE = CODENAMED("ShowMessage");
inline constexpr std::int32_t MESSAGELINE = CODENAMED("MessageLine");
inline constexpr std::int32_t SELECTFACE = CODENAMED("SelectFace");
inline constexpr std::int32_t STARTBATTLE = CODENAMED("StartBattle");
inline constexpr std::int32_t OPENSHOP = CODENAMED("OpenShop");
inline constexpr std::int32_t SHOWINN = CODENAMED("ShowInn");

// The code of the name, or nothing for a name not in the table.
std::optional<std::int32_t> COMMANDCODE(std::string_view name);

} // namespace PAGEWRIGHT

#endif
