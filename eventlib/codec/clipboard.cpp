#include "event_formats.h"
#include "kestrel_internal.h"

namespace KESTREL {

// Text comes first: a clipboard that holds text beside event data counts as
// text.
CLIPBOARDCONTENTTYPE CHECKCLIPBOARDCONTENT() {
    for (const CLIPBOARDCONTENTTYPE format : CLIPBOARDFORMATS) {
        if (CLIPBOARDHASFORMAT(format)) return format;
    }
    return CLIPBOARDCONTENTTYPE{};
}

} // namespace KESTREL
