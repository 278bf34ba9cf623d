// event_roundtrip: a program of its own that uses the record library through
// kestrel.h alone.
//
// It builds a map event, puts it on the clipboard, finds it there and reads
// it back; puts text on the clipboard and reads it back; then adds a command
// to the event it read and leaves three of its commands on the clipboard as
// event commands (format 566), ready to be pasted. Every record, array and
// name goes to and comes from the library by the header's allocation rules.
// It exits with 1 and a message when a check fails.
#include "kestrel.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

using namespace KESTREL;

namespace {

// RPG Maker's codes of the commands used here.
constexpr std::int32_t SHOWMESSAGE = 10110;
constexpr std::int32_t CONTROLSWITCHES = 10210;

void CHECK(bool passed, const char* what) {
    if (passed) return;
    std::fprintf(stderr, "event_roundtrip: %s\n", what);
    std::exit(1);
}

// Names belong to the C allocator: the library releases them with free.
char* NEWNAME(const char* text) {
    char* name = static_cast<char*>(std::malloc(std::strlen(text) + 1));
    CHECK(name != nullptr, "out of memory");
    return std::strcpy(name, text);
}

// Gives the command new parameters; its old ones go back to the library.
void SETPARAMETERS(EVENTCOMMAND& command, std::initializer_list<std::int32_t> values) {
    DESTROYINTARRAY(command.parameters);
    const auto count = static_cast<std::int32_t>(values.size());
    command.parameters = RESIZEINTARRAY(nullptr, 0, count);
    command.parameter_count = count;
    std::int32_t* parameter = command.parameters;
    for (const std::int32_t value : values)
        *parameter++ = value;
}

void SHOWTEXT(EVENTCOMMAND& command, const char* text) {
    command.code = SHOWMESSAGE;
    command.string_parameter = NEWNAME(text);
}

// Switch 7 on (0) or off (1).
void SETLAMPSWITCH(EVENTCOMMAND& command, std::int32_t operation) {
    command.code = CONTROLSWITCHES;
    SETPARAMETERS(command, {0, 7, 7, operation});
}

// Grows an array of records by one; the new last element holds the defaults.
template <typename RECORD> RECORD* GROWN(RECORD* records, OBJECTTYPE type, std::int32_t& count) {
    auto* grown = static_cast<RECORD*>(RESIZEOBJECTARRAY(records, type, count, count + 1));
    CHECK(grown != nullptr, "an array did not grow");
    ++count;
    return grown;
}

EVENT* MAKEMAPEVENT() {
    auto* event = static_cast<EVENT*>(CREATEOBJECT(OT_EVENT));
    CHECK(event != nullptr, "no event record");
    event->name = NEWNAME("Lighthouse Keeper");
    event->x = 12;
    event->y = 7;
    event->pages = GROWN<EVENTPAGE>(nullptr, OT_EVENTPAGE, event->page_count);
    EVENTPAGE& page = event->pages[0];
    page.number = 1;
    page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    page.graphic_name = NEWNAME("People1");
    for (int i = 0; i < 3; ++i)
        page.commands = GROWN(page.commands, OT_EVENTCOMMAND, page.command_count);
    SHOWTEXT(page.commands[0], "The lamp must not go out.");
    SETLAMPSWITCH(page.commands[1], 0);
    SHOWTEXT(page.commands[2], "Bring oil before dusk.");
    return event;
}

bool SAMETEXT(const char* a, const char* b) {
    return std::strcmp(a ? a : "", b ? b : "") == 0;
}

bool SAMECOMMAND(const EVENTCOMMAND& a, const EVENTCOMMAND& b) {
    if (a.code != b.code || a.indent != b.indent ||
        !SAMETEXT(a.string_parameter, b.string_parameter) ||
        a.parameter_count != b.parameter_count) {
        return false;
    }
    for (std::int32_t i = 0; i < a.parameter_count; ++i) {
        if (a.parameters[i] != b.parameters[i]) return false;
    }
    return true;
}

bool SAMECOMMANDS(const EVENTCOMMAND* a, const EVENTCOMMAND* b, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        if (!SAMECOMMAND(a[i], b[i])) return false;
    }
    return true;
}

bool SAMEMAPEVENT(const EVENT& a, const EVENT& b) {
    if (!SAMETEXT(a.name, b.name) || a.x != b.x || a.y != b.y || a.page_count != b.page_count) {
        return false;
    }
    for (std::int32_t i = 0; i < a.page_count; ++i) {
        const EVENTPAGE& p = a.pages[i];
        const EVENTPAGE& q = b.pages[i];
        if (p.number != q.number || !SAMETEXT(p.graphic_name, q.graphic_name) ||
            p.command_count != q.command_count ||
            !SAMECOMMANDS(p.commands, q.commands, p.command_count)) {
            return false;
        }
    }
    return true;
}

// The map event goes on the clipboard and comes back as it was.
EVENT* MAPEVENTROUNDTRIP() {
    EVENT* event = MAKEMAPEVENT();
    SETCLIPBOARDCONTENT(CB_MAPEVENT, event, 1, 0, -1);
    CHECK(CHECKCLIPBOARDCONTENT() == CB_MAPEVENT, "the clipboard does not hold the map event");
    EVENT* copy = GETCLIPBOARDCONTENT(CB_MAPEVENT);
    CHECK(copy != nullptr, "the map event could not be read back");
    CHECK(SAMEMAPEVENT(*event, *copy), "the map event read back differs from the one written");
    DESTROYOBJECT(event, 0, 1);
    return copy;
}

// Text is passed in the event's place; what comes back is the C allocator's.
void TEXTROUNDTRIP() {
    char text[] = "Lighthouse Keeper, page 1";
    SETCLIPBOARDCONTENT(CB_TEXT, reinterpret_cast<EVENT*>(text), 0, 0, -1);
    CHECK(CHECKCLIPBOARDCONTENT() == CB_TEXT, "the clipboard does not hold the text");
    char* copy = reinterpret_cast<char*>(GETCLIPBOARDCONTENT(CB_TEXT));
    CHECK(copy != nullptr && std::strcmp(copy, text) == 0, "the text read back differs");
    std::free(copy);
}

// The lamp is put out and the keeper thanks the player; the commands from the
// switch on go to the clipboard.
void WRITESELECTION(EVENT& event) {
    EVENTPAGE& page = event.pages[0];
    SETLAMPSWITCH(page.commands[1], 1);
    page.commands = GROWN(page.commands, OT_EVENTCOMMAND, page.command_count);
    SHOWTEXT(page.commands[3], "The keeper thanks you.");
    SETCLIPBOARDCONTENT(CB_EVENTCOMMANDS, &event, 1, 1, 3);

    EVENT* selection = GETCLIPBOARDCONTENT(CB_EVENTCOMMANDS);
    CHECK(selection != nullptr && selection->page_count == 1,
          "the event commands could not be read back");
    const EVENTPAGE& written = selection->pages[0];
    CHECK(written.command_count == 3 && SAMECOMMANDS(written.commands, page.commands + 1, 3),
          "the event commands read back differ from the selection");
    DESTROYOBJECT(selection, 0, 1);
}

} // namespace

int main() {
    EVENT* event = MAPEVENTROUNDTRIP();
    TEXTROUNDTRIP();
    WRITESELECTION(*event);
    DESTROYOBJECT(event, 0, 1);
    std::puts("event_roundtrip: the map event and the text came back; the clipboard holds three "
              "event commands");
    return 0;
}
