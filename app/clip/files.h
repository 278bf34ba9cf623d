// Files, the standard streams and the clipboard, as pagewright-clip reads and
// writes them: bytes as they are, on every system.
#ifndef PAGEWRIGHT_CLIP_FILES_H
#define PAGEWRIGHT_CLIP_FILES_H

#include "kestrel.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// The bytes of the file, or of standard input for a null path, up to their
// end, or their first `most` + 1 bytes when they hold more than `most`. On
// failure `reason` says why.
bool READINPUT(const char* path, std::size_t most, std::string& bytes, std::string& reason);

// The bytes into the file at `path`, or on standard output for a null path;
// the exit code, after saying why on failure. A file is written whole into a
// new file beside it, which is then renamed to it, so that it holds either all
// of the bytes or what it held before, and no file is left beside it.
int WRITEOUTPUT(const char* path, std::string_view bytes);

// The bytes onto the clipboard as the format, alone; the exit code, after
// saying why on failure.
int PUTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format, std::string_view bytes);

} // namespace PAGEWRIGHT

#endif
