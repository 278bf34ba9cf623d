// The forms in words. A pattern is literal text with slots in braces:
//
//   {N:STYLE}  parameter N (from 0) in a style:
//              int         a decimal number
//              tenths      tenths of a second, as seconds with one decimal
//              switch, variable, item, actor, skill, troop, enemy, state,
//              animation, tileset, terrain, attribute, common, battlecommand,
//              class, event, map
//                          an id of that kind: [0003], or [0003:Name]
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
    PLACE place;
    std::int32_t opener;
    const char* pattern;
};

constexpr FORMROW COMMAND(std::int32_t code, const char* pattern) {
    return {code, PLACE::ANYWHERE, 0, pattern};
}
constexpr FORMROW AFTER(std::int32_t code, std::int32_t opener, const char* pattern) {
    return {code, PLACE::AFTER, opener, pattern};
}
constexpr FORMROW INBLOCK(std::int32_t code, std::int32_t opener, const char* pattern) {
    return {code, PLACE::INBLOCK, opener, pattern};
}

// The continuation of a message or a comment: its text under the first line's.
constexpr const char* CONTINUEDTEXT = ":        : {s}";

constexpr FORMROW FORMROWS[] = {
    COMMAND(10, ""),
    // Messages.
    COMMAND(10110, "Message: {s}"),
    AFTER(20110, 10110, CONTINUEDTEXT),
    COMMAND(10120, "Message Options: {0:Normal|Transparent}, {1:Top|Middle|Bottom}, "
                   "{2:Fixed Position|Avoid the Hero}, {3:Events Wait|Events Move}"),
    COMMAND(10130, "Select Face: {s:quoted} {0:int}{1:| Right}{2:| Flipped}"),
    COMMAND(10140, "Show Choices{0: (Cancel Not Allowed)| (Cancel: Choice 1)| (Cancel: Choice 2)"
                   "| (Cancel: Choice 3)| (Cancel: Choice 4)| (Cancel: Branch)}: {s}"),
    INBLOCK(20140, 10140, ": [{s}] Case{0=case}"),
    INBLOCK(20140, 10140, ": Cancel Case{0=4}"),
    INBLOCK(20140, 10140, ": [{s}] Cancel Case{0=4}"),
    INBLOCK(20141, 10140, ": End"),
    COMMAND(10150, "Input Number: {0:int} Digits, {1:variable}"),
    // Switches, variables and the timer.
    COMMAND(10210, "Control Switches: {>switches} {3:ON|OFF|Toggle}"),
    COMMAND(10220, "Control Variables: {>variables} {3:=|+=|-=|*=|/=|%=} {>operand+4}"),
    COMMAND(10230, "Timer Operation: {>timer}"),
    COMMAND(10230, "Timer Operation: Timer {5:1|2} {>timer}"),
    // The party.
    COMMAND(10310, "Change Money: {0:+|-}{2:int?1}"),
    COMMAND(10320, "Change Items: {0:+|-}{4:int?3} {2:item?1}"),
    COMMAND(10330, "Change Party Members: {0:Add|Remove} {2:actor?1}"),
    COMMAND(10410, "Change Experience: {>member} {2:+|-}{4:int?3}{5:|, Level Up Message}"),
    COMMAND(10420, "Change Level: {>member} {2:+|-}{4:int?3}{5:|, Level Up Message}"),
    COMMAND(10430, "Change Parameters: {>member} {3:Max HP|Max MP|Attack|Defense|Mind|Agility} "
                   "{2:+|-}{5:int?4}"),
    COMMAND(10440, "Change Skills: {>member} {2:Learn|Forget} {4:skill?3}"),
    COMMAND(10450, "Change Equipment: {>member} {>equipment+2}"),
    COMMAND(10460, "Change HP: {>member} {2:+|-}{4:int?3}{5:|, May Die}"),
    COMMAND(10470, "Change MP: {>member} {2:+|-}{4:int?3}"),
    COMMAND(10480, "Change Condition: {>member} {2:Inflict|Remove} {3:state}"),
    COMMAND(10490, "Full Recovery: {>member}"),
    COMMAND(10500, "Simulated Attack: {>member}, Attack {2:int}, Defense {3:int}, Mind {4:int}, "
                   "Variance {5:int}{>damage+6}"),
    COMMAND(10610, "Change Hero Name: {0:actor} {s}"),
    COMMAND(10620, "Change Hero Title: {0:actor} {s}"),
    COMMAND(10630, "Change Hero Graphic: {0:actor} {s:quoted} {1:int}{2:| Transparent}"),
    COMMAND(10640, "Change Hero Face: {0:actor} {s:quoted} {1:int}"),
    COMMAND(10650, "Change Vehicle Graphic: {0:Boat|Ship|Airship} {s:quoted} {1:int}"),
    // System settings.
    COMMAND(10660, "Change System BGM: {0:Battle|Victory|Inn|Boat|Ship|Airship|Game Over} "
                   "{>music+1}"),
    COMMAND(10670,
            "Change System Sound Effect: {0:Cursor|Decision|Cancel|Buzzer|Battle Start|Escape|"
            "Enemy Attack|Enemy Damaged|Ally Damaged|Evasion|Enemy Dies|Item Used} {>sound+1}"),
    COMMAND(10680, "Change System Graphics: {s:quoted}, {0:Stretch|Tile}, {1:Font 1|Font 2}"),
    COMMAND(10690, "Change Screen Transitions: {0:Teleport Erase|Teleport Show|Battle Start "
                   "Erase|Battle Start Show|Battle End Erase|Battle End Show}, Transition "
                   "{1:int}"),
    // Battles, shops and inns, and their outcomes.
    COMMAND(10710, "Start Battle: {1:troop?0}{>background+2}, Escape {3:Not Allowed|Ends "
                   "Event|Branch}, Defeat {4:Game Over|Branch}{5:|, First Strike}"),
    INBLOCK(20710, 10710, ": Victory"),
    INBLOCK(20711, 10710, ": Escape"),
    INBLOCK(20712, 10710, ": Defeat"),
    INBLOCK(20713, 10710, ": End"),
    COMMAND(10720, "Open Shop: {0:Buy and Sell|Buy Only|Sell Only}, Style {1:int}{2:|, Branch}"),
    INBLOCK(20720, 10720, ": Transaction"),
    INBLOCK(20721, 10720, ": No Transaction"),
    INBLOCK(20722, 10720, ": End"),
    COMMAND(10730, "Show Inn: Style {0:int}, Price {1:int}{2:|, Branch}"),
    INBLOCK(20730, 10730, ": Stay"),
    INBLOCK(20731, 10730, ": No Stay"),
    INBLOCK(20732, 10730, ": End"),
    COMMAND(10740, "Enter Hero Name: {0:actor}, {1:Letters|Symbols}{2:|, Shows the Name}"),
    // Places.
    COMMAND(10810, "Transfer Player: {0:map} ({1:int}, {2:int})"),
    COMMAND(10810, "Transfer Player: {0:map} ({1:int}, {2:int}), {>facing+3}"),
    COMMAND(10820, "Memorize Location: Map V{0:variable}, X V{1:variable}, Y V{2:variable}"),
    COMMAND(10830, "Recall to Location: Map V{0:variable}, X V{1:variable}, Y V{2:variable}"),
    COMMAND(10840, "Enter/Exit Vehicle"),
    COMMAND(10850, "Set Vehicle Location: {0:Boat|Ship|Airship} {>place+1}"),
    COMMAND(10850, "Set Vehicle Location: {0:Boat|Ship|Airship} {>place+1}, {>facing+5}"),
    COMMAND(10860, "Set Event Location: {0:target} {>position+1}"),
    COMMAND(10860, "Set Event Location: {0:target} {>position+1}, {>facing+4}"),
    COMMAND(10870, "Swap Event Locations: {0:target}, {1:target}"),
    COMMAND(10910, "Store Terrain ID: {>position}, {3:variable}"),
    COMMAND(10920, "Store Event ID: {>position}, {3:variable}"),
    // The screen.
    COMMAND(11010, "Erase Screen: Transition {0:int}"),
    COMMAND(11020, "Show Screen: Transition {0:int}"),
    COMMAND(11030, "Tint Screen: {>tint}, {4:tenths} s{5:|, Wait}"),
    COMMAND(11040, "Flash Screen: {>tint}, {4:tenths} s{5:|, Wait}"),
    COMMAND(11040, "Flash Screen: {>tint}, {4:tenths} s{5:|, Wait}, {6:Once|Begin|Stop}"),
    COMMAND(11050, "Shake Screen: Strength {0:int}, Speed {1:int}, {2:tenths} s{3:|, Wait}"),
    COMMAND(11050, "Shake Screen: Strength {0:int}, Speed {1:int}, {2:tenths} s{3:|, Wait}, "
                   "{4:Once|Begin|Stop}"),
    COMMAND(11060, "Pan Screen: {>pan}"),
    COMMAND(11070, "Weather Effects: {0:None|Rain|Snow|Fog|Sandstorm}, {1:Weak|Medium|Strong}"),
    COMMAND(11110, "Show Picture: {0:int}, {s:quoted}, {>position+1}{4:|, Scrolls with the Map}, "
                   "Zoom {5:int}%, Transparency {6:int}%{7:|, Transparent Color}, {>tint+8}, "
                   "{12:No Effect|Rotation|Ripple} {13:int}"),
    COMMAND(11120,
            "Move Picture: {0:int}, {>position+1}{4:|, Scrolls with the Map}, Zoom {5:int}%, "
            "Transparency {6:int}%{7:|, Transparent Color}, {>tint+8}, "
            "{12:No Effect|Rotation|Ripple} {13:int}, {14:tenths} s{15:|, Wait}"),
    COMMAND(11130, "Erase Picture: {0:int}"),
    COMMAND(11210, "Show Animation: {0:animation}, {1:target}{2:|, Wait}{3:|, Whole Map}"),
    COMMAND(11310, "Set Hero Transparency: {0:Transparent|Visible}"),
    COMMAND(11320, "Flash Event: {0:target}, {>tint+1}, {5:tenths} s{6:|, Wait}"),
    COMMAND(11330,
            "Set Move Route: {0:target}, Frequency {1:int}{2:|, Repeat}{3:|, Skip}: {route}"),
    COMMAND(11340, "Proceed with Movement"),
    COMMAND(11350, "Halt All Movement"),
    COMMAND(11410, "Wait: {0:tenths} s"),
    COMMAND(11410, "Wait: Until Key Pressed{0=0}{1=1}"),
    // Sound and video.
    COMMAND(11510, "Play BGM: {>music}"),
    COMMAND(11520, "Fade Out BGM: {0:int} ms"),
    COMMAND(11530, "Memorize BGM"),
    COMMAND(11540, "Play Memorized BGM"),
    COMMAND(11550, "Play Sound Effect: {>sound}"),
    COMMAND(11560, "Play Movie: {s:quoted}, {>position}, {3:int}x{4:int}"),
    COMMAND(11610, "Key Input Processing: {0:variable}{1:|, Wait}"),
    // The map.
    COMMAND(11710, "Change Tileset: {0:tileset}"),
    COMMAND(11720, "Change Parallax Background: {s:quoted}, Horizontal {0:Fixed|Scroll}{2:| Auto} "
                   "{3:int}, Vertical {1:Fixed|Scroll}{4:| Auto} {5:int}"),
    COMMAND(11740, "Change Encounter Rate: {0:int} Steps"),
    COMMAND(11750, "Change Tile: {0:Lower|Upper} Layer, {1:int} -> {2:int}"),
    COMMAND(11810, "Set Teleport Target: {0:Add|Remove} {1:map} ({2:int}, {3:int}){>switchflag+4}"),
    COMMAND(11820, "Change Teleport Access: {0:Disabled|Enabled}"),
    COMMAND(11830, "Set Escape Location: {0:map} ({1:int}, {2:int}){>switchflag+3}"),
    COMMAND(11840, "Change Escape Access: {0:Disabled|Enabled}"),
    COMMAND(11910, "Open Save Menu"),
    COMMAND(11930, "Change Save Access: {0:Disabled|Enabled}"),
    COMMAND(11950, "Open Main Menu"),
    COMMAND(11960, "Change Main Menu Access: {0:Disabled|Enabled}"),
    // The flow of the event.
    COMMAND(12010, "Conditional Branch{5:| (with Else)}: {>branch}"),
    INBLOCK(22010, 12010, ": Else"),
    INBLOCK(22011, 12010, ": End"),
    COMMAND(12110, "Label: {0:int}"),
    COMMAND(12120, "Jump to Label: {0:int}"),
    COMMAND(12210, "Loop"),
    INBLOCK(22210, 12210, ": End Loop"),
    COMMAND(12220, "Break Loop"),
    COMMAND(12310, "End Event Processing"),
    COMMAND(12320, "Erase Event"),
    COMMAND(12330, "Call Event: {>call}"),
    COMMAND(12410, "Comment: {s}"),
    AFTER(22410, 12410, CONTINUEDTEXT),
    COMMAND(12420, "Game Over"),
    COMMAND(12510, "Return to Title Screen"),
    // Battle events.
    COMMAND(13110, "Change Monster HP: {0:int}, {1:+|-}{3:int?2}{4:|, May Die}"),
    COMMAND(13120, "Change Monster MP: {0:int}, {1:+|-}{3:int?2}"),
    COMMAND(13130, "Change Monster Condition: {0:int}, {1:Inflict|Remove} {2:state}"),
    COMMAND(13150, "Show Hidden Monster: {0:int}"),
    COMMAND(13210, "Change Battle Background: {s:quoted}"),
    COMMAND(13260, "Show Battle Animation: {0:animation}, {1:int}{2:|, Wait}{3:|, Whole Party}"),
    COMMAND(13310, "Battle Branch{5:| (with Else)}: {>battlebranch}"),
    INBLOCK(23310, 13310, ": Else"),
    INBLOCK(23311, 13310, ": End"),
    COMMAND(13410, "End Battle"),
    // RPG Maker 2003's own.
    COMMAND(1005, "Call Common Event in Battle: {0:common}"),
    COMMAND(1006, "Force Escape: {0:int}, {1:int}, {2:int}"),
    COMMAND(1007, "Enable Combo: {0:actor}, {1:battlecommand}, {2:int} Times"),
    COMMAND(1008, "Change Class: {0:int}, {1:actor}, {2:class}"),
    COMMAND(1009, "Change Battle Commands: {0:int}, {1:actor}, {2:battlecommand}, {3:Add|Remove}"),
    COMMAND(5001, "Open Load Menu"),
    COMMAND(5002, "Exit Game"),
    COMMAND(5003, "Toggle ATB Mode"),
    COMMAND(5004, "Toggle Fullscreen"),
    COMMAND(5005, "Open Video Options"),
};

const std::vector<BLOCKSHAPE> BLOCKSHAPES = {
    {12010, 22011, {22010}},
    {10140, 20141, {20140}},
    {10710, 20713, {20710, 20711, 20712}},
    {10720, 20722, {20720, 20721}},
    {10730, 20732, {20730, 20731}},
    {12210, 22210, {}},
    {13310, 23311, {23310}},
};

} // namespace

const std::vector<COMMANDFORM>& COMMANDFORMS() {
    static const std::vector<COMMANDFORM> forms = [] {
        std::vector<COMMANDFORM> compiled;
        for (const FORMROW& row : FORMROWS)
            compiled.push_back({row.code, row.place, row.opener, FORMPATTERN(row.pattern)});
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

const BLOCKSHAPE* BLOCKOF(std::int32_t code) {
    for (const BLOCKSHAPE& shape : BLOCKSHAPES) {
        if (shape.opener == code || shape.closer == code) return &shape;
        for (const std::int32_t divider : shape.dividers) {
            if (divider == code) return &shape;
        }
    }
    return nullptr;
}

} // namespace PAGEWRIGHT
