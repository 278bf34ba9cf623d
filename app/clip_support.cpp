#include "clip_support.h"

#include <cstdio>
#include <cstdlib>

namespace PAGEWRIGHT {
namespace {

const char* const USAGE =
    "usage: pagewright-clip COMMAND\n"
    "  formats              the supported formats on the clipboard, with their sizes\n"
    "  save FORMAT FILE     write the format's content to FILE\n"
    "  load FORMAT FILE     put FILE's bytes on the clipboard under FORMAT, alone\n"
    "  clear                empty the clipboard\n"
    "  dump [FORMAT]        the decoded tree of FORMAT, or of the first supported format\n"
    "  help                 this text\n"
    "FORMAT is a number: 1 (text), 563, 564, 565, 566, 578 or 584.\n";

} // namespace

int FAIL(const std::string& message) {
    std::fprintf(stderr, "pagewright-clip: %s\n", message.c_str());
    return 1;
}

int USAGEERROR() {
    std::fputs(USAGE, stderr);
    return 2;
}

void PRINTUSAGE() {
    std::fputs(USAGE, stdout);
}

bool PARSEFORMAT(const char* text, KESTREL::CLIPBOARDCONTENTTYPE& format) {
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    for (const FORMATNAME& entry : SUPPORTEDFORMATS) {
        if (*text && *end == '\0' && number == entry.format) {
            format = entry.format;
            return true;
        }
    }
    return false;
}

std::string NOTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return "no data of format " + std::to_string(format) + " on the clipboard";
}

bool READFILE(const char* path, std::string& bytes) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

} // namespace PAGEWRIGHT
