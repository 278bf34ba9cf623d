// JSON text through the event reader: it is refused with a JSONERROR, or its
// tree exports as JSON that reads back into a tree exporting the same, and
// every encoder writes the tree.
#include "event_json.h"
#include "formats.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace KESTREL;
using namespace PAGEWRIGHT;

// A code page with multi-byte characters, invalid sequences and bytes that
// only the bytes form keeps.
const std::uint32_t FUZZCODEPAGE = 932;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(FUZZCODEPAGE);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IMPORTEDEVENT imported;
    try {
        imported = IMPORTEVENT(text, *codepage);
    } catch (const JSONERROR&) {
        return 0;
    }
    const std::string json = EXPORTEVENT(imported.format, *imported.tree, *codepage);
    const IMPORTEDEVENT again = IMPORTEVENT(json, *codepage);
    if (EXPORTEVENT(again.format, *again.tree, *codepage) != json) {
        std::fprintf(stderr, "the export of an imported tree read back differently:\n%s",
                     json.c_str());
        std::abort();
    }
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS)
        ENCODECONTENT(target, imported.tree.get(), 1, 0, -1);
    return 0;
}
