// Text through the listing reader: it is refused with a LISTINGERROR, or its
// tree lists as a listing that reads back into a tree that every encoder
// writes as the first.
#include "event_listing.h"
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
    LISTEDEVENT listed;
    try {
        listed = READLISTING(text, codepage);
    } catch (const LISTINGERROR&) {
        return 0;
    }
    const std::string listing = LISTEVENT(listed.format, *listed.tree, codepage);
    const LISTEDEVENT again = READLISTING(listing, codepage);
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
        if (ENCODECONTENT(target, listed.tree.get(), 1, 0, -1) !=
            ENCODECONTENT(target, again.tree.get(), 1, 0, -1)) {
            std::fprintf(stderr, "format %d: the listing of a tree read back differently:\n%s",
                         target, listing.c_str());
            std::abort();
        }
    }
    return 0;
}
