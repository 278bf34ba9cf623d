// JSON text through the event reader: it is refused with a JSONERROR, or its
// tree exports as JSON that reads back into a tree exporting the same, and
// every encoder writes the tree.
#include "event_json.h"
#include "formats.h"
#include "text_inputs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace KESTREL;
using namespace PAGEWRIGHT;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CODEPAGE& codepage = FUZZCODEPAGE();
    const std::string_view text = TEXTOF(data, size);
    IMPORTEDEVENT imported;
    try {
        imported = IMPORTEVENT(text, codepage);
    } catch (const JSONERROR&) {
        return 0;
    }
    const std::string json = EXPORTEVENT(imported.format, *imported.tree, codepage);
    const IMPORTEDEVENT again = IMPORTEVENT(json, codepage);
    if (EXPORTEVENT(again.format, *again.tree, codepage) != json) {
        std::fprintf(stderr, "the export of an imported tree read back differently:\n%s",
                     json.c_str());
        std::abort();
    }
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS)
        ENCODECONTENT(target, imported.tree.get(), 1, 0, -1);
    return 0;
}
