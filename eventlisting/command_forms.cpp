// The forms in words. A pattern is literal text with slots in braces:
//
//   {N:STYLE}  parameter N (from 0) in a style:
//              int         a decimal number
//              tenths      tenths of a second, as seconds with one decimal
//              a list's word in IDLISTS (id_lists.h), such as switch,
//              variable or event
//                          an id of that list: [0003], or [0003:Name]
//              target      Hero, Boat, Ship, Airship, This Event, or an
//                          event's id
//              A|B|C       the word of the value 0, 1, 2...; a word may be
//                          empty
//   {N:STYLE?M}            parameter M says whether N is in the style (0), a
//                          variable's id (1, V[0005]) or the id of the
//                          variable that holds the variable's id (2,
//                          V[V[0005]])
//   {N=V}      parameter N is V; {N=$M}: it equals parameter M; {N=case}: it
//              counts the cases of its block before it
//   {s}        the command's text: to the end of the line, or up to the
//              literal text that ends the pattern; as it stands where it can,
//              else quoted
//   {s:quoted} the text, always quoted (file names)
//   {route}    a set-move-route command's steps in words
//   {>NAME}    one of the alternatives of the named group, first that fits;
//              {>NAME+K} with their parameter numbers raised by K
//
// The command has one parameter more than the highest the pattern names; one
// that the pattern does not name is 0; parameters past the pattern's are
// written as " +[7, 8]" after it. Where one code has several
// forms, a line takes the first that says it exactly.
#include "command_forms.h"

#include "command_table.h"

#include <map>
#include <utility>

namespace PAGEWRIGHT {
namespace {

const std::map<std::string_view, std::vector<const char*>> NAMEDGROUPS = {
    // A switch, a range of them, or the one a variable names.
    // The editor sets the range's end to its start where it is not a range.
    {"switches",
     {"{0=0}{1:switch}{2=$1}", "{0=1}{1:switch}..{2:switch}", "{0=2}V{1:variable}{2=$1}",
      "{0=2}V{1:variable}, End {2:int}"}},
    {"variables",
     {"{0=0}{1:variable}{2=$1}", "{0=1}{1:variable}..{2:variable}", "{0=2}V{1:variable}{2=$1}",
      "{0=2}V{1:variable}, End {2:int}"}},
    // What a variable is set to, added to it, and so on.
    {"operand",
     {"{0=0}{1:int}", "{0=1}V{1:variable}", "{0=2}V[V{1:variable}]", "{0=3}Random {1:int}..{2:int}",
      "{0=4}Item {1:item} {2:Held|Equipped}",
      "{0=5}Hero {1:actor} {2:Level|Experience|HP|MP|Max HP|Max MP|Attack|Defense|Mind|Agility|"
      "Weapon|Shield|Armor|Helmet|Accessory}",
      "{0=6}{1:target} {2:Map ID|X|Y|Direction|Screen X|Screen Y}",
      "{0=7}{1:Money|Timer 1 Seconds|Party Size|Save Count|Battle Count|Victories|Defeats|"
      "Escapes|MIDI Tick|Timer 2 Seconds}",
      "{0=8}Monster {1:int} {2:HP|MP|Max HP|Max MP|Attack|Defense|Mind|Agility}"}},
    // The heroes a command works on.
    {"member", {"{0=0}Entire Party", "{0=1}{1:actor}", "{0=2}V{1:variable}"}},
    // A place on the map, or the variables that hold it.
    {"position", {"{0=0}({1:int}, {2:int})", "{0=1}(V{1:variable}, V{2:variable})"}},
    {"place",
     {"{0=0}{1:map} ({2:int}, {3:int})", "{0=1}V{1:variable} (V{2:variable}, V{3:variable})"}},
    {"facing", {"{0:Retain Facing|Face Up|Face Right|Face Down|Face Left}"}},
    {"music", {"{s:quoted}, Fade In {0:int} ms, Volume {1:int}, Tempo {2:int}, Balance {3:int}"}},
    {"sound", {"{s:quoted}, Volume {0:int}, Tempo {1:int}, Balance {2:int}"}},
    // The switch is kept where the flag is off; the editor's is 1.
    {"switchflag", {"{0=0}{1=1}", "{0=1}, Switch {1:switch}", "{0=0}, Unused Switch {1:switch}"}},
    {"herocheck",
     {"{0=0}in Party", "{0=1}Name is {s}", "{0=2}Level >= {1:int}", "{0=3}HP >= {1:int}",
      "{0=4}Can Use {1:skill}", "{0=5}Has {1:item} Equipped", "{0=6}Has Condition {1:state}"}},
    // What both kinds of branch test.
    {"switchorvariable",
     {"{0=0}Switch {1:switch} is {2:ON|OFF}",
      "{0=1}Variable {1:variable} {4:==|>=|<=|>|<|!=} {3:int?2}"}},
    {"branch",
     {"{>switchorvariable}", "{0=2}Timer {2:>=|<=} {1:int} s", "{0=3}Money {2:>=|<=} {1:int}",
      "{0=4}Item {1:item} {2:Held|Not Held}", "{0=5}Hero {1:actor} {>herocheck+2}",
      "{0=6}{1:target} Faces {2:Up|Right|Down|Left}", "{0=7}{1:Boat|Ship|Airship} in Use",
      "{0=8}Started by the Decision Key", "{0=9}BGM Played Through Once",
      "{0=10}Timer 2 {2:>=|<=} {1:int} s", "{0=11}Other Condition {1:int}"}},
    {"battlebranch",
     {"{>switchorvariable}", "{0=2}Hero {1:actor} Can Act", "{0=3}Monster {1:int} Can Act",
      "{0=4}Monster {1:int} Is Targeted", "{0=5}Hero {1:actor} Uses {2:battlecommand}"}},
    {"pan",
     {"{0:Lock|Unlock|Pan|Reset}, {1:Up|Right|Down|Left} {2:int}, Speed {3:int}{4:|, Wait}"}},
    {"call",
     {"{0=0}{1:common}", "{0=1}{1:target} Page {2:int}", "{0=2}V{1:variable} Page V{2:variable}"}},
    {"equipment",
     {"{0=0}Equip {2:item?1}", "{0=1}Remove {1:Weapon|Shield|Armor|Helmet|Accessory|All}"}},
    {"timer", {"{0:Set|Start|Stop}, {2:int?1} s{3:|, Visible}{4:|, In Battle}"}},
    {"background", {"{0=0}", "{0=1}, Background {s:quoted}"}},
    {"damage", {"{0=0}", "{0=1}, Damage into V{1:variable}"}},
    {"tint", {"({0:int}, {1:int}, {2:int}, {3:int})"}},
};

struct FORMROW {
    std::int32_t code;
    const char* pattern;
};

// A form of the command that the command table names so.
constexpr FORMROW FORM(std::string_view command, const char* pattern) {
    return {CODENAMED(command), pattern};
}

// The continuation of a message or a comment: its text under the first line's.
constexpr const char* CONTINUEDTEXT = ":        : {s}";

constexpr FORMROW FORMROWS[] = {
    FORM("Empty", ""),
    // Messages.
    FORM("ShowMessage", "Message: {s}"),
    FORM("MessageLine", CONTINUEDTEXT),
    FORM("MessageOptions", "Message Options: {0:Normal|Transparent}, {1:Top|Middle|Bottom}, "
                           "{2:Fixed Position|Avoid the Hero}, {3:Events Wait|Events Move}"),
    FORM("SelectFace", "Select Face: {s:quoted} {0:int}{1:| Right}{2:| Flipped}"),
    FORM("ShowChoices",
         "Show Choices{0: (Cancel Not Allowed)| (Cancel: Choice 1)| (Cancel: Choice 2)"
         "| (Cancel: Choice 3)| (Cancel: Choice 4)| (Cancel: Branch)}: {s}"),
    FORM("ChoiceCase", ": [{s}] Case{0=case}"),
    FORM("ChoiceCase", ": Cancel Case{0=4}"),
    FORM("ChoiceCase", ": [{s}] Cancel Case{0=4}"),
    FORM("ChoicesEnd", ": End"),
    FORM("InputNumber", "Input Number: {0:int} Digits, {1:variable}"),
    // Switches, variables and the timer.
    FORM("ControlSwitches", "Control Switches: {>switches} {3:ON|OFF|Toggle}"),
    FORM("ControlVariables", "Control Variables: {>variables} {3:=|+=|-=|*=|/=|%=} {>operand+4}"),
    FORM("TimerOperation", "Timer Operation: {>timer}"),
    FORM("TimerOperation", "Timer Operation: Timer {5:1|2} {>timer}"),
    // The party.
    FORM("ChangeMoney", "Change Money: {0:+|-}{2:int?1}"),
    FORM("ChangeItems", "Change Items: {0:+|-}{4:int?3} {2:item?1}"),
    FORM("ChangePartyMembers", "Change Party Members: {0:Add|Remove} {2:actor?1}"),
    FORM("ChangeExperience",
         "Change Experience: {>member} {2:+|-}{4:int?3}{5:|, Level Up Message}"),
    FORM("ChangeLevel", "Change Level: {>member} {2:+|-}{4:int?3}{5:|, Level Up Message}"),
    FORM("ChangeParameters",
         "Change Parameters: {>member} {3:Max HP|Max MP|Attack|Defense|Mind|Agility} "
         "{2:+|-}{5:int?4}"),
    FORM("ChangeSkills", "Change Skills: {>member} {2:Learn|Forget} {4:skill?3}"),
    FORM("ChangeEquipment", "Change Equipment: {>member} {>equipment+2}"),
    FORM("ChangeHp", "Change HP: {>member} {2:+|-}{4:int?3}{5:|, May Die}"),
    FORM("ChangeSp", "Change MP: {>member} {2:+|-}{4:int?3}"),
    FORM("ChangeCondition", "Change Condition: {>member} {2:Inflict|Remove} {3:state}"),
    FORM("FullRecovery", "Full Recovery: {>member}"),
    FORM("SimulatedAttack",
         "Simulated Attack: {>member}, Attack {2:int}, Defense {3:int}, Mind {4:int}, "
         "Variance {5:int}{>damage+6}"),
    FORM("ChangeHeroName", "Change Hero Name: {0:actor} {s}"),
    FORM("ChangeHeroTitle", "Change Hero Title: {0:actor} {s}"),
    FORM("ChangeHeroGraphic", "Change Hero Graphic: {0:actor} {s:quoted} {1:int}{2:| Transparent}"),
    FORM("ChangeHeroFace", "Change Hero Face: {0:actor} {s:quoted} {1:int}"),
    FORM("ChangeVehicleGraphic",
         "Change Vehicle Graphic: {0:Boat|Ship|Airship} {s:quoted} {1:int}"),
    // System settings.
    FORM("ChangeSystemMusic",
         "Change System BGM: {0:Battle|Victory|Inn|Boat|Ship|Airship|Game Over} "
         "{>music+1}"),
    FORM("ChangeSystemSound",
         "Change System Sound Effect: {0:Cursor|Decision|Cancel|Buzzer|Battle Start|Escape|"
         "Enemy Attack|Enemy Damaged|Ally Damaged|Evasion|Enemy Dies|Item Used} {>sound+1}"),
    FORM("ChangeSystemGraphics",
         "Change System Graphics: {s:quoted}, {0:Stretch|Tile}, {1:Font 1|Font 2}"),
    FORM("ChangeScreenTransitions",
         "Change Screen Transitions: {0:Teleport Erase|Teleport Show|Battle Start "
         "Erase|Battle Start Show|Battle End Erase|Battle End Show}, Transition "
         "{1:int}"),
    // Battles, shops and inns, and their outcomes.
    FORM("StartBattle", "Start Battle: {1:troop?0}{>background+2}, Escape {3:Not Allowed|Ends "
                        "Event|Branch}, Defeat {4:Game Over|Branch}{5:|, First Strike}"),
    FORM("VictoryCase", ": Victory"),
    FORM("EscapeCase", ": Escape"),
    FORM("DefeatCase", ": Defeat"),
    FORM("BattleCasesEnd", ": End"),
    FORM("OpenShop", "Open Shop: {0:Buy and Sell|Buy Only|Sell Only}, Style {1:int}{2:|, Branch}"),
    FORM("TransactionCase", ": Transaction"),
    FORM("NoTransactionCase", ": No Transaction"),
    FORM("ShopCasesEnd", ": End"),
    FORM("ShowInn", "Show Inn: Style {0:int}, Price {1:int}{2:|, Branch}"),
    FORM("StayCase", ": Stay"),
    FORM("NoStayCase", ": No Stay"),
    FORM("InnCasesEnd", ": End"),
    FORM("EnterHeroName", "Enter Hero Name: {0:actor}, {1:Letters|Symbols}{2:|, Shows the Name}"),
    // Places.
    FORM("TransferPlayer", "Transfer Player: {0:map} ({1:int}, {2:int})"),
    FORM("TransferPlayer", "Transfer Player: {0:map} ({1:int}, {2:int}), {>facing+3}"),
    FORM("MemorizeLocation",
         "Memorize Location: Map V{0:variable}, X V{1:variable}, Y V{2:variable}"),
    FORM("RecallToLocation",
         "Recall to Location: Map V{0:variable}, X V{1:variable}, Y V{2:variable}"),
    FORM("EnterExitVehicle", "Enter/Exit Vehicle"),
    FORM("SetVehicleLocation", "Set Vehicle Location: {0:Boat|Ship|Airship} {>place+1}"),
    FORM("SetVehicleLocation",
         "Set Vehicle Location: {0:Boat|Ship|Airship} {>place+1}, {>facing+5}"),
    FORM("SetEventLocation", "Set Event Location: {0:target} {>position+1}"),
    FORM("SetEventLocation", "Set Event Location: {0:target} {>position+1}, {>facing+4}"),
    FORM("SwapEventLocations", "Swap Event Locations: {0:target}, {1:target}"),
    FORM("StoreTerrainId", "Store Terrain ID: {>position}, {3:variable}"),
    FORM("StoreEventId", "Store Event ID: {>position}, {3:variable}"),
    // The screen.
    FORM("EraseScreen", "Erase Screen: Transition {0:int}"),
    FORM("ShowScreen", "Show Screen: Transition {0:int}"),
    FORM("TintScreen", "Tint Screen: {>tint}, {4:tenths} s{5:|, Wait}"),
    FORM("FlashScreen", "Flash Screen: {>tint}, {4:tenths} s{5:|, Wait}"),
    FORM("FlashScreen", "Flash Screen: {>tint}, {4:tenths} s{5:|, Wait}, {6:Once|Begin|Stop}"),
    FORM("ShakeScreen", "Shake Screen: Strength {0:int}, Speed {1:int}, {2:tenths} s{3:|, Wait}"),
    FORM("ShakeScreen", "Shake Screen: Strength {0:int}, Speed {1:int}, {2:tenths} s{3:|, Wait}, "
                        "{4:Once|Begin|Stop}"),
    FORM("PanScreen", "Pan Screen: {>pan}"),
    FORM("WeatherEffects",
         "Weather Effects: {0:None|Rain|Snow|Fog|Sandstorm}, {1:Weak|Medium|Strong}"),
    FORM("ShowPicture",
         "Show Picture: {0:int}, {s:quoted}, {>position+1}{4:|, Scrolls with the Map}, "
         "Zoom {5:int}%, Transparency {6:int}%{7:|, Transparent Color}, {>tint+8}, "
         "{12:No Effect|Rotation|Ripple} {13:int}"),
    FORM("MovePicture",
         "Move Picture: {0:int}, {>position+1}{4:|, Scrolls with the Map}, Zoom {5:int}%, "
         "Transparency {6:int}%{7:|, Transparent Color}, {>tint+8}, "
         "{12:No Effect|Rotation|Ripple} {13:int}, {14:tenths} s{15:|, Wait}"),
    FORM("ErasePicture", "Erase Picture: {0:int}"),
    FORM("ShowAnimation", "Show Animation: {0:animation}, {1:target}{2:|, Wait}{3:|, Whole Map}"),
    FORM("SetHeroTransparency", "Set Hero Transparency: {0:Transparent|Visible}"),
    FORM("FlashEvent", "Flash Event: {0:target}, {>tint+1}, {5:tenths} s{6:|, Wait}"),
    FORM("SetMoveRoute",
         "Set Move Route: {0:target}, Frequency {1:int}{2:|, Repeat}{3:|, Skip}: {route}"),
    FORM("ProceedWithMovement", "Proceed with Movement"),
    FORM("HaltAllMovement", "Halt All Movement"),
    FORM("Wait", "Wait: {0:tenths} s"),
    FORM("Wait", "Wait: Until Key Pressed{0=0}{1=1}"),
    // Sound and video.
    FORM("PlayMusic", "Play BGM: {>music}"),
    FORM("FadeOutMusic", "Fade Out BGM: {0:int} ms"),
    FORM("MemorizeMusic", "Memorize BGM"),
    FORM("PlayMemorizedMusic", "Play Memorized BGM"),
    FORM("PlaySoundEffect", "Play Sound Effect: {>sound}"),
    FORM("PlayMovie", "Play Movie: {s:quoted}, {>position}, {3:int}x{4:int}"),
    FORM("KeyInputProcessing", "Key Input Processing: {0:variable}{1:|, Wait}"),
    // The map.
    FORM("ChangeTileset", "Change Tileset: {0:tileset}"),
    FORM("ChangeParallaxBackground",
         "Change Parallax Background: {s:quoted}, Horizontal {0:Fixed|Scroll}{2:| Auto} "
         "{3:int}, Vertical {1:Fixed|Scroll}{4:| Auto} {5:int}"),
    FORM("ChangeEncounterRate", "Change Encounter Rate: {0:int} Steps"),
    FORM("ChangeTile", "Change Tile: {0:Lower|Upper} Layer, {1:int} -> {2:int}"),
    FORM("SetTeleportTarget",
         "Set Teleport Target: {0:Add|Remove} {1:map} ({2:int}, {3:int}){>switchflag+4}"),
    FORM("ChangeTeleportAccess", "Change Teleport Access: {0:Disabled|Enabled}"),
    FORM("SetEscapeLocation", "Set Escape Location: {0:map} ({1:int}, {2:int}){>switchflag+3}"),
    FORM("ChangeEscapeAccess", "Change Escape Access: {0:Disabled|Enabled}"),
    FORM("OpenSaveMenu", "Open Save Menu"),
    FORM("ChangeSaveAccess", "Change Save Access: {0:Disabled|Enabled}"),
    FORM("OpenMainMenu", "Open Main Menu"),
    FORM("ChangeMainMenuAccess", "Change Main Menu Access: {0:Disabled|Enabled}"),
    // The flow of the event.
    FORM("ConditionalBranch", "Conditional Branch{5:| (with Else)}: {>branch}"),
    FORM("ElseBranch", ": Else"),
    FORM("BranchEnd", ": End"),
    FORM("Label", "Label: {0:int}"),
    FORM("JumpToLabel", "Jump to Label: {0:int}"),
    FORM("Loop", "Loop"),
    FORM("LoopEnd", ": End Loop"),
    FORM("BreakLoop", "Break Loop"),
    FORM("EndEventProcessing", "End Event Processing"),
    FORM("EraseEvent", "Erase Event"),
    FORM("CallEvent", "Call Event: {>call}"),
    FORM("Comment", "Comment: {s}"),
    FORM("CommentLine", CONTINUEDTEXT),
    FORM("GameOver", "Game Over"),
    FORM("ReturnToTitle", "Return to Title Screen"),
    // Battle events.
    FORM("ChangeMonsterHp", "Change Monster HP: {0:int}, {1:+|-}{3:int?2}{4:|, May Die}"),
    FORM("ChangeMonsterSp", "Change Monster MP: {0:int}, {1:+|-}{3:int?2}"),
    FORM("ChangeMonsterCondition",
         "Change Monster Condition: {0:int}, {1:Inflict|Remove} {2:state}"),
    FORM("ShowHiddenMonster", "Show Hidden Monster: {0:int}"),
    FORM("ChangeBattleBackground", "Change Battle Background: {s:quoted}"),
    FORM("ShowBattleAnimation",
         "Show Battle Animation: {0:animation}, {1:int}{2:|, Wait}{3:|, Whole Party}"),
    FORM("BattleConditionalBranch", "Battle Branch{5:| (with Else)}: {>battlebranch}"),
    FORM("BattleElseBranch", ": Else"),
    FORM("BattleBranchEnd", ": End"),
    FORM("EndBattle", "End Battle"),
    // RPG Maker 2003's own.
    FORM("CallCommonEvent", "Call Common Event in Battle: {0:common}"),
    FORM("ForceEscape", "Force Escape: {0:int}, {1:int}, {2:int}"),
    FORM("EnableCombo", "Enable Combo: {0:actor}, {1:battlecommand}, {2:int} Times"),
    FORM("ChangeClass", "Change Class: {0:int}, {1:actor}, {2:class}"),
    FORM("ChangeBattleCommands",
         "Change Battle Commands: {0:int}, {1:actor}, {2:battlecommand}, {3:Add|Remove}"),
    FORM("OpenLoadMenu", "Open Load Menu"),
    FORM("ExitGame", "Exit Game"),
    FORM("ToggleAtbMode", "Toggle ATB Mode"),
    FORM("ToggleFullscreen", "Toggle Fullscreen"),
    FORM("OpenVideoOptions", "Open Video Options"),
};

// A command's own line stands anywhere; the others where their part in a
// block puts them.
PLACE PLACEOF(BLOCKROLE role) {
    switch (role) {
    case BLOCKROLE::CONTINUES:
        return PLACE::AFTER;
    case BLOCKROLE::DIVIDES:
    case BLOCKROLE::CLOSES:
        return PLACE::INBLOCK;
    default:
        return PLACE::ANYWHERE;
    }
}

} // namespace

const std::vector<COMMANDFORM>& COMMANDFORMS() {
    static const std::vector<COMMANDFORM> forms = [] {
        std::vector<COMMANDFORM> compiled;
        for (const FORMROW& row : FORMROWS) {
            const COMMANDENTRY& command = *COMMANDENTRYOF(row.code);
            compiled.push_back(
                {row.code, PLACEOF(command.role), command.opener, FORMPATTERN(row.pattern)});
        }
        return compiled;
    }();
    return forms;
}

const std::vector<const COMMANDFORM*>& FORMSOF(std::int32_t code) {
    static const std::map<std::int32_t, std::vector<const COMMANDFORM*>> bycode = [] {
        std::map<std::int32_t, std::vector<const COMMANDFORM*>> forms;
        for (const COMMANDFORM& form : COMMANDFORMS())
            forms[form.code].push_back(&form);
        return forms;
    }();
    static const std::vector<const COMMANDFORM*> none;
    const auto found = bycode.find(code);
    return found == bycode.end() ? none : found->second;
}

const std::vector<const char*>* NAMEDGROUP(std::string_view name) {
    const auto found = NAMEDGROUPS.find(name);
    return found == NAMEDGROUPS.end() ? nullptr : &found->second;
}

} // namespace PAGEWRIGHT
