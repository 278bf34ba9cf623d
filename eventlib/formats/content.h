// Clipboard content as a whole: the framing of each format around the pages
// and command lists, in both directions. The clipboard itself is not touched
// here.
#ifndef PAGEWRIGHT_FORMATS_CONTENT_H
#define PAGEWRIGHT_FORMATS_CONTENT_H

#include "codec/bytestring.h"
#include "kestrel.h"

#include <cstdint>
#include <optional>

namespace KESTREL {

// A new tree decoded from the content of the format, or null for empty
// content or a format that is none of the seven. For CB_TEXT the result is a
// copy of the text from the C allocator, zero-terminated.
EVENT* DECODECONTENT(CLIPBOARDCONTENTTYPE format, BYTEVIEW content);

// The tree written as the format; for CB_TEXT, `event` points to text instead.
// Nothing when the clipboard is to be emptied instead: for a format that is
// none of the seven, or a pointer that is not a readable EVENT.
std::optional<BYTESTRING> ENCODECONTENT(CLIPBOARDCONTENTTYPE format, const EVENT* event,
                                        std::int32_t page, std::int32_t first, std::int32_t last);

} // namespace KESTREL

#endif
