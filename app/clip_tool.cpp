// pagewright-clip: event data between the clipboard and files, and a look at
// what is on the clipboard.
#include "clip_json.h"
#include "clip_support.h"
#include "kestrel_internal.h"
#include "tree_dump.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

bool WRITEFILE(const char* path, BYTEVIEW bytes) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

int LISTFORMATS() {
    for (const CLIPBOARDCONTENTTYPE format : CLIPBOARDFORMATS) {
        if (!CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(format))) continue;
        const std::string block = READCLIPBOARD(static_cast<std::uint32_t>(format), nullptr);
        std::printf("%d\t%s\t%zu bytes\n", format, FORMATNAME(format),
                    CONTENTOFBLOCK(format, block).size());
    }
    return 0;
}

int SAVE(CLIPBOARDCONTENTTYPE format, const char* path) {
    if (!CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(format)))
        return FAIL(NOTONCLIPBOARD(format));
    const std::string block = READCLIPBOARD(static_cast<std::uint32_t>(format), nullptr);
    if (!WRITEFILE(path, CONTENTOFBLOCK(format, block))) {
        return FAIL(std::string("cannot write ") + path + ": " + REASON());
    }
    return 0;
}

int LOAD(CLIPBOARDCONTENTTYPE format, const char* path) {
    std::string bytes;
    if (!READFILE(path, bytes)) {
        return FAIL(std::string("cannot read ") + path + ": " + REASON());
    }
    if (!WRITECLIPBOARD(bytes, static_cast<std::uint32_t>(format), nullptr)) {
        return FAIL("could not write to the clipboard");
    }
    return 0;
}

int DUMP(CLIPBOARDCONTENTTYPE format) {
    if (format == CLIPBOARDCONTENTTYPE{}) {
        for (const CLIPBOARDCONTENTTYPE event_format : EVENTFORMATNUMBERS) {
            if (CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(event_format))) {
                format = event_format;
                break;
            }
        }
        if (format == CLIPBOARDCONTENTTYPE{}) return FAIL("no event data on the clipboard");
    }
    EVENT* tree = GETCLIPBOARDCONTENT(format);
    if (!tree) return FAIL(NOTONCLIPBOARD(format));
    if (format == CB_TEXT) {
        std::printf("%s\n", reinterpret_cast<const char*>(tree));
        std::free(tree);
        return 0;
    }
    std::fputs(PAGEWRIGHT::DUMPTREE(*tree).c_str(), stdout);
    DESTROYOBJECT(tree, 0, 1);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit must make a write fail with a message rather than end
    // the process in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::string command = argc > 1 ? argv[1] : "";
    if ((command == "help" || command == "--help") && argc == 2) {
        PRINTUSAGE();
        return 0;
    }
    if (command == "export") return EXPORTCOMMAND(argc - 2, argv + 2);
    if (command == "import") return IMPORTCOMMAND(argc - 2, argv + 2);
    CLIPBOARDCONTENTTYPE format{};
    const bool format_given = argc > 2;
    if (format_given && !PARSEFORMAT(argv[2], format)) {
        FAIL(std::string("unknown format ") + argv[2]);
        USAGEERROR();
        return 1;
    }
    if (command == "formats" && argc == 2) return LISTFORMATS();
    if (command == "clear" && argc == 2) {
        CLEARCLIPBOARD(nullptr);
        return 0;
    }
    if (command == "save" && argc == 4) return SAVE(format, argv[3]);
    if (command == "load" && argc == 4) return LOAD(format, argv[3]);
    if (command == "dump" && argc <= 3) return DUMP(format);
    return USAGEERROR();
}
