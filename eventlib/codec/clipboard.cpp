#include "kestrel_internal.h"

namespace KESTREL {

BYTESTRING READCLIPBOARD(std::uint32_t format, void* owner) {
    return TRYREADCLIPBOARD(format, owner).value_or(BYTESTRING());
}

CLIPBOARDCONTENTTYPE CHECKCLIPBOARDCONTENT() {
    // Text first: a clipboard that holds text beside event data counts as text.
    for (const CLIPBOARDCONTENTTYPE format :
         {CB_TEXT, CB_MAPEVENT, CB_MAPEVENTPAGE, CB_BATTLEEVENTPAGE, CB_EVENTCOMMANDS,
          CB_MONSTERGROUP, CB_COMMONEVENT}) {
        if (CLIPBOARDHASFORMAT(format)) return format;
    }
    return CLIPBOARDCONTENTTYPE{};
}

} // namespace KESTREL
