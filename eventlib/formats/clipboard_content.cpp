#include "codec/clipboard.h"
#include "formats/content.h"
#include "kestrel.h"

namespace KESTREL {

EVENT* GETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format) {
    return DECODECONTENT(format, READCLIPBOARD(static_cast<std::uint32_t>(format), nullptr));
}

void SETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format, EVENT* event, std::int32_t page,
                         std::int32_t first, std::int32_t last) {
    if (const auto content = ENCODECONTENT(format, event, page, first, last)) {
        WRITECLIPBOARD(*content, static_cast<std::uint32_t>(format), nullptr);
    } else {
        CLEARCLIPBOARD(nullptr);
    }
}

} // namespace KESTREL
