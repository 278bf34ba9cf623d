// Event data as JSON text and back (docs/event-json.md).
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
    CLIPBOARDCONTENTTYPE format{};
    if (!NAMEDFORMAT(arguments.PLAIN(0), format)) return 1;
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    const std::optional<SOURCEDEVENT> event = READEVENT(format, arguments.VALUE("--from"));
    if (!event) return 1;
    return WRITEOUTPUT(arguments.VALUE("-o"), EXPORTEVENT(event->format, *event->tree, *codepage));
}

// The tree is written by the converter's encoder: the first page, and of
// event commands all of them.
int IMPORTCOMMAND(const ARGUMENTS& arguments) {
    CLIPBOARDCONTENTTYPE target{};
    if (!NAMEDFORMAT(arguments.VALUE("--as"), target)) return 1;
    if (target == CB_TEXT) return REPORTFAILURE(TEXTISNOTEVENTDATA());
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;

    const char* path = arguments.PLAIN(0);
    const std::string source = path ? path : "standard input";
    std::string json;
    std::string reason;
    if (!READINPUT(path, MAXJSONBYTES, json, reason)) {
        return REPORTFAILURE(CANNOTREAD(source, reason));
    }
    IMPORTEDEVENT imported;
    try {
        imported = IMPORTEVENT(json, *codepage);
    } catch (const JSONERROR& fault) {
        return REPORTFAILURE(source + ": " + fault.what());
    }
    if (target == CLIPBOARDCONTENTTYPE{}) target = imported.format;
    const BYTESTRING content = ENCODECONTENT(target, imported.tree.get(), 1, 0, -1).value();

    if (const char* to = arguments.VALUE("--to")) return WRITEOUTPUT(to, content);
    if (!WRITECLIPBOARD(content, static_cast<std::uint32_t>(target), nullptr)) {
        return REPORTFAILURE(CLIPBOARDWRITEFAILED);
    }
    return 0;
}

} // namespace PAGEWRIGHT
