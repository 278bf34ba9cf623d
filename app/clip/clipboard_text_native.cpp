#include "clipboard_text.h"

#include "kestrel_internal.h"
#include "messages.h"

namespace PAGEWRIGHT {

bool PUTCLIPBOARDTEXT(std::string_view text) {
    return KESTREL::WRITECLIPBOARD(text, KESTREL::CB_TEXT, nullptr);
}

std::optional<std::string> CLIPBOARDTEXT() {
    const std::optional<KESTREL::BYTESTRING> block =
        KESTREL::TRYREADCLIPBOARD(KESTREL::CB_TEXT, nullptr);
    if (!block || block->empty()) {
        REPORTFAILURE(block ? NOTEXTONCLIPBOARD : UNREADABLETEXT);
        return std::nullopt;
    }
    return std::string(KESTREL::CONTENTOFBLOCK(KESTREL::CB_TEXT, *block));
}

} // namespace PAGEWRIGHT
