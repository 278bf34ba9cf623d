// Event data as JSON text (docs/event-json.md).
#include "codepage_choice.h"
#include "commands.h"
#include "event_json.h"
#include "event_source.h"
#include "files.h"
#include "messages.h"

#include <cstdint>

namespace PAGEWRIGHT {

using namespace KESTREL;

// An event of --game is written in the game's code page.
int EXPORTCOMMAND(const ARGUMENTS& arguments) {
    std::optional<GAME> game;
    if (const char* folder = arguments.VALUE("--game")) {
        game = READGAME(folder);
        if (!game) return 1;
    }
    const CODEPAGECHOICE choice = CHOOSECODEPAGE(arguments, game ? &*game : nullptr);
    if (!choice.codepage) return 1;
    const std::optional<SOURCEDEVENT> event = EVENTOFARGUMENTS(arguments);
    if (!event) return 1;
    return WRITEOUTPUT(arguments.VALUE("-o"),
                       EXPORTEVENT(event->format, *event->tree, *choice.codepage));
}

} // namespace PAGEWRIGHT
