#include "command_lines.h"
#include "event_listing.h"
#include "listing_lines.h"
#include "record_lines.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Bare event commands: one page numbered 1 with a default condition, and
// nothing else. A listing without record lines stands for this shape, so
// that a listing of commands, or of dialogue, needs none.
bool COMMANDSONLY(const EVENT& event, const CODEPAGE& codepage) {
    if (!ATDEFAULTS(event, codepage) || event.extra_chunks || event.page_count != 1) return false;
    EVENTPAGE page = event.pages[0];
    if (page.number != 1 || !page.condition || page.move_route) return false;
    page.number = EVENTPAGE{}.number;
    return ATDEFAULTS(page, codepage) && ATDEFAULTS(*page.condition, codepage);
}

void APPENDLINE(std::string& out, const std::string& line) {
    out += line;
    out += '\n';
}

void APPENDCOMMANDS(std::string& out, const EVENTPAGE& page, const CODEPAGE& codepage,
                    const IDNAMES* names) {
    BLOCKSTACK blocks;
    COMMANDVALUE previous;
    for (std::int32_t i = 0; i < page.command_count; ++i) {
        COMMANDVALUE command = VALUEOF(page.commands[i]);
        const LINEPLACE place{i > 0 ? &previous : nullptr, blocks};
        APPENDLINE(out, INDENTATION(command.indent) + COMMANDLINE(command, place, codepage, names));
        blocks.ADVANCE(command.code, command.indent, 0, false);
        previous = std::move(command);
    }
}

} // namespace

std::string LISTEVENT(CLIPBOARDCONTENTTYPE format, const EVENT& event, const CODEPAGE& codepage,
                      const IDNAMES* names) {
    std::string out;
    APPENDLINE(out, HEADLINE(format));
    const bool records = !COMMANDSONLY(event, codepage);
    if (records) {
        APPENDLINE(out, EVENTLINE(event, codepage));
        if (event.extra_chunks) APPENDLINE(out, KEPTCHUNKSLINE(*event.extra_chunks));
    }
    for (std::int32_t i = 0; i < event.page_count; ++i) {
        const EVENTPAGE& page = event.pages[i];
        if (records) {
            APPENDLINE(out, PAGELINE(page, codepage));
            if (page.condition) APPENDLINE(out, CONDITIONLINE(*page.condition, codepage));
            if (page.move_route) APPENDLINE(out, ROUTELINE(*page.move_route, codepage));
        }
        APPENDCOMMANDS(out, page, codepage, names);
    }
    return out;
}

} // namespace PAGEWRIGHT
