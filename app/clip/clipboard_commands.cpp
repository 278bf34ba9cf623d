// The commands that move blocks between the clipboard and files as they are.
#include "commands.h"
#include "event_formats.h"
#include "event_source.h"
#include "files.h"
#include "format_names.h"
#include "kestrel_internal.h"
#include "messages.h"

#include <cstdint>
#include <cstdio>

namespace PAGEWRIGHT {

using namespace KESTREL;

int FORMATSCOMMAND(const ARGUMENTS&) {
    for (const CLIPBOARDCONTENTTYPE format : CLIPBOARDFORMATS) {
        if (!CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(format))) continue;
        const auto block = TRYREADCLIPBOARD(static_cast<std::uint32_t>(format), nullptr);
        const std::string size =
            block ? std::to_string(CONTENTOFBLOCK(format, *block).size()) + " bytes"
                  : "cannot be read";
        std::printf("%d\t%s\t%s\n", format, FORMATNAME(format), size.c_str());
    }
    return 0;
}

int SAVECOMMAND(const ARGUMENTS& arguments) {
    CLIPBOARDCONTENTTYPE format{};
    if (!NAMEDFORMAT(arguments.PLAIN(0), format)) return 1;
    const std::optional<BYTESTRING> block = CLIPBOARDBLOCK(format);
    if (!block) return 1;
    return WRITEOUTPUT(arguments.PLAIN(1), CONTENTOFBLOCK(format, *block));
}

int LOADCOMMAND(const ARGUMENTS& arguments) {
    CLIPBOARDCONTENTTYPE format{};
    if (!NAMEDFORMAT(arguments.PLAIN(0), format)) return 1;
    std::string bytes;
    std::string reason;
    if (!READINPUT(arguments.PLAIN(1), SIZE_MAX, bytes, reason)) {
        return REPORTFAILURE(CANNOTREAD(arguments.PLAIN(1), reason));
    }
    return PUTONCLIPBOARD(format, bytes);
}

int CLEARCOMMAND(const ARGUMENTS&) {
    CLEARCLIPBOARD(nullptr);
    return 0;
}

} // namespace PAGEWRIGHT
