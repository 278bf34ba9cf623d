// Files and the standard streams, as pagewright-clip reads and writes them:
// bytes as they are, on every system.
#ifndef PAGEWRIGHT_CLIP_FILES_H
#define PAGEWRIGHT_CLIP_FILES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// The bytes of the file, or of standard input for a null path, up to their
// end, or their first `most` + 1 bytes when they hold more than `most`. On
// failure `reason` says why.
bool READINPUT(const char* path, std::size_t most, std::string& bytes, std::string& reason);

// The bytes on standard output.
bool WRITESTANDARDOUTPUT(std::string_view bytes, std::string& reason);

// Writes the bytes into a new file beside `path` and renames that to `path`,
// so that `path` holds either all of them or what it held before, and no
// file is left beside it.
bool REPLACEFILE(const std::string& path, std::string_view bytes, std::string& reason);

// The bytes into OUT as REPLACEFILE writes them, or on standard output for a
// null path; the exit code, after saying why on failure.
int WRITEOUTPUT(const char* path, std::string_view bytes);

} // namespace PAGEWRIGHT

#endif
