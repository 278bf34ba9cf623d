// Text through the listing reader: it is refused with a LISTINGERROR, or its
// tree lists as a listing that reads back into a tree that every encoder
// writes as the first.
#include "event_listing.h"
#include "formats.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace KESTREL;
using namespace PAGEWRIGHT;

// A code page with multi-byte characters, invalid sequences and bytes that
// only escapes keep.
const std::uint32_t FUZZCODEPAGE = 932;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(FUZZCODEPAGE);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LISTEDEVENT listed;
    try {
        listed = READLISTING(text, *codepage);
    } catch (const LISTINGERROR&) {
        return 0;
    }
    const std::string listing = LISTEVENT(listed.format, *listed.tree, *codepage);
    const LISTEDEVENT again = READLISTING(listing, *codepage);
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
