// Text on the clipboard, as the system keeps it: Unicode on Windows, so that
// names in any script survive on any system; elsewhere UTF-8 in format 1,
// zero-terminated.
#ifndef PAGEWRIGHT_CLIP_CLIPBOARD_TEXT_H
#define PAGEWRIGHT_CLIP_CLIPBOARD_TEXT_H

#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// Puts the UTF-8 text on the clipboard in place of what it held; false when
// it could not be placed.
bool PUTCLIPBOARDTEXT(std::string_view text);

// The clipboard's text as UTF-8, or nothing after saying why: there is none,
// or it cannot be read.
std::optional<std::string> CLIPBOARDTEXT();

} // namespace PAGEWRIGHT

#endif
