// For each event format: writing what was decoded, then decoding and writing
// that again, gives the same bytes. One round reaches a fixed point.
#include "event_codes.h"
#include "formats.h"
#include "kestrel_internal.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace KESTREL;

namespace {

BYTESTRING ROUND(CLIPBOARDCONTENTTYPE format, BYTEVIEW content) {
    const EVENTTREE tree(DECODECONTENT(format, content));
    return ENCODECONTENT(format, tree.get(), 1, 0, -1).value_or(BYTESTRING());
}

// A common event writes its switch whenever the switch bit is set, but reads
// it back only under an autostart or parallel trigger. A tree that holds the
// bit under any other trigger loses it in the second round, and only then
// stands still.
bool LOSESITSSWITCH(CLIPBOARDCONTENTTYPE format, BYTEVIEW content) {
    if (format != CB_COMMONEVENT) return false;
    const EVENTTREE tree(DECODECONTENT(format, content));
    const EVENTPAGE& page = tree->pages[0];
    return (page.condition->flags & CF_SWITCH_A) && page.trigger != COMMONAUTOSTART &&
           page.trigger != COMMONPARALLEL;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const BYTEVIEW input(reinterpret_cast<const char*>(data), size);
    for (const CLIPBOARDCONTENTTYPE format : EVENTFORMATNUMBERS) {
        BYTESTRING once = ROUND(format, input);
        if (LOSESITSSWITCH(format, input)) once = ROUND(format, once);
        if (ROUND(format, once) != once) {
            std::fprintf(stderr, "format %d: a second round changed the bytes\n", format);
            std::abort();
        }
    }
    return 0;
}
