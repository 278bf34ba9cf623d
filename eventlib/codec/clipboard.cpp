#include "event_formats.h"
#include "kestrel_internal.h"

namespace KESTREL {

BYTESTRING READCLIPBOARD(std::uint32_t format, void* owner) {
    return TRYREADCLIPBOARD(format, owner).value_or(BYTESTRING());
}

// Text comes first: a clipboard that holds text beside event data counts as
// text.
CLIPBOARDCONTENTTYPE CHECKCLIPBOARDCONTENT() {
    for (const CLIPBOARDCONTENTTYPE format : CLIPBOARDFORMATS) {
        if (CLIPBOARDHASFORMAT(format)) return format;
    }
    return CLIPBOARDCONTENTTYPE{};
}

} // namespace KESTREL
