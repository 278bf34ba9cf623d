#include "commands.h"
#include "event_source.h"
#include "tree_dump.h"

#include <cstdio>

namespace PAGEWRIGHT {

using namespace KESTREL;

// Text is shown as it is, up to its terminator.
int DUMPCOMMAND(const ARGUMENTS& arguments) {
    CLIPBOARDCONTENTTYPE format{};
    if (!NAMEDFORMAT(arguments.PLAIN(0), format)) return 1;
    if (format == CB_TEXT && !arguments.VALUE("--game")) {
        const std::optional<BYTESTRING> block = CLIPBOARDBLOCK(format);
        if (!block) return 1;
        const BYTEVIEW text = CONTENTOFBLOCK(format, *block);
        std::printf("%.*s\n", static_cast<int>(text.size()), text.data());
        return 0;
    }
    const std::optional<SOURCEDEVENT> event = EVENTOFARGUMENTS(arguments);
    if (!event) return 1;
    std::fputs(DUMPTREE(*event->tree).c_str(), stdout);
    return 0;
}

} // namespace PAGEWRIGHT
