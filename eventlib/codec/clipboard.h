#ifndef PAGEWRIGHT_CODEC_CLIPBOARD_H
#define PAGEWRIGHT_CODEC_CLIPBOARD_H

#include "codec/bytestring.h"

#include <cstdint>

namespace KESTREL {

// The system clipboard, moved as byte strings under numeric formats. Each call
// opens and closes the clipboard itself; nothing is held between calls.
// `owner` is the window handle the clipboard is opened for (always null here).

bool CLIPBOARDHASFORMAT(std::uint32_t format);

// The format's whole block, which may be longer than what its writer meant; the
// empty byte string when the format is not there.
BYTESTRING READCLIPBOARD(std::uint32_t format, void* owner);

// Empties the clipboard and places `data` followed by one zero byte under the
// format. Non-zero when the clipboard was closed again as usual.
int WRITECLIPBOARD(BYTEVIEW data, std::uint32_t format, void* owner);

void CLEARCLIPBOARD(void* owner);

} // namespace KESTREL

#endif
