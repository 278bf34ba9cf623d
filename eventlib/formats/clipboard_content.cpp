#include "kestrel_internal.h"

namespace KESTREL {

EVENT* GETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format) {
    return TRYGETCLIPBOARDCONTENT(format).value_or(nullptr);
}

std::optional<EVENT*> TRYGETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format) {
    const auto block = TRYREADCLIPBOARD(static_cast<std::uint32_t>(format), nullptr);
    if (!block) return std::nullopt;
    return DECODECONTENT(format, *block);
}

bool PUTCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format, const EVENT* event, std::int32_t page,
                         std::int32_t first, std::int32_t last) {
    if (const auto content = ENCODECONTENT(format, event, page, first, last)) {
        return WRITECLIPBOARD(*content, static_cast<std::uint32_t>(format), nullptr);
    }
    CLEARCLIPBOARD(nullptr);
    return false;
}

void SETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format, EVENT* event, std::int32_t page,
                         std::int32_t first, std::int32_t last) {
    PUTCLIPBOARDCONTENT(format, event, page, first, last);
}

} // namespace KESTREL
