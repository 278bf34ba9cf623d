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

int EXPORTCOMMAND(const ARGUMENTS& arguments) {
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    const std::optional<SOURCEDEVENT> event = EVENTOFARGUMENTS(arguments);
    if (!event) return 1;
    return WRITEOUTPUT(arguments.VALUE("-o"), EXPORTEVENT(event->format, *event->tree, *codepage));
}

} // namespace PAGEWRIGHT
