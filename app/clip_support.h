// What the commands of pagewright-clip share: their messages, format numbers
// and files.
#ifndef PAGEWRIGHT_APP_CLIP_SUPPORT_H
#define PAGEWRIGHT_APP_CLIP_SUPPORT_H

#include "event_formats.h"
#include "kestrel.h"
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// "pagewright-clip: MESSAGE" on standard error; returns the exit code 1.
int FAIL(const std::string& message);

// The usage text on standard error; returns the exit code 2.
int USAGEERROR();
// The usage text on standard output.
void PRINTUSAGE();

// The supported format (1 or an event format) that the text names.
bool PARSEFORMAT(const char* text, KESTREL::CLIPBOARDCONTENTTYPE& format);

std::string NOTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format);

// The reason of the last failed call, from errno.
std::string REASON();

// The file's bytes up to its end, or its first `most` + 1 bytes when it holds
// more than `most`.
bool READSTREAM(std::FILE* file, std::size_t most, std::string& bytes);
bool READFILE(const char* path, std::string& bytes, std::size_t most = SIZE_MAX);

// Writes the bytes into a new file beside `path` and renames that to `path`,
// so that `path` holds either all of them or what it held before. On failure
// `reason` says why.
bool REPLACEFILE(const std::string& path, std::string_view bytes, std::string& reason);

} // namespace PAGEWRIGHT

#endif
