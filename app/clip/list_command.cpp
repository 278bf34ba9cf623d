// Event data as a listing (docs/event-listing.md).
#include "clipboard_text.h"
#include "codepage_choice.h"
#include "commands.h"
#include "event_listing.h"
#include "event_source.h"
#include "files.h"
#include "messages.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

int LISTCOMMAND(const ARGUMENTS& arguments) {
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    const std::optional<SOURCEDEVENT> event = EVENTOFARGUMENTS(arguments);
    if (!event) return 1;
    const std::string listing = LISTEVENT(event->format, *event->tree, *codepage);
    if (arguments.SWITCH("--as-text")) {
        if (arguments.VALUE("-o")) return REPORTFAILURE("--as-text and -o are each a place for it");
        if (!PUTCLIPBOARDTEXT(listing)) return REPORTFAILURE(CLIPBOARDWRITEFAILED);
        return 0;
    }
    return WRITEOUTPUT(arguments.VALUE("-o"), listing);
}

} // namespace PAGEWRIGHT
