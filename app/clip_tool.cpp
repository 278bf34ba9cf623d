// pagewright-clip: event data between the clipboard and files, and a look at
// what is on the clipboard.
#include "kestrel_internal.h"
#include "tree_dump.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace KESTREL;

namespace {

struct FORMATNAME {
    CLIPBOARDCONTENTTYPE format;
    const char* name;
};

constexpr FORMATNAME SUPPORTEDFORMATS[] = {
    {CB_TEXT, "text"},
    {CB_MAPEVENT, "map event"},
    {CB_MAPEVENTPAGE, "map event page"},
    {CB_BATTLEEVENTPAGE, "battle event page"},
    {CB_EVENTCOMMANDS, "event commands"},
    {CB_MONSTERGROUP, "monster group"},
    {CB_COMMONEVENT, "common event"},
};

const char* const USAGE =
    "usage: pagewright-clip COMMAND\n"
    "  formats              the supported formats on the clipboard, with their sizes\n"
    "  save FORMAT FILE     write the format's content to FILE\n"
    "  load FORMAT FILE     put FILE's bytes on the clipboard under FORMAT, alone\n"
    "  clear                empty the clipboard\n"
    "  dump [FORMAT]        the decoded tree of FORMAT, or of the first supported format\n"
    "  help                 this text\n"
    "FORMAT is a number: 1 (text), 563, 564, 565, 566, 578 or 584.\n";

int FAIL(const std::string& message) {
    std::fprintf(stderr, "pagewright-clip: %s\n", message.c_str());
    return 1;
}

bool PARSEFORMAT(const char* text, CLIPBOARDCONTENTTYPE& format) {
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

bool WRITEFILE(const char* path, BYTEVIEW bytes) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string NOTONCLIPBOARD(CLIPBOARDCONTENTTYPE format) {
    return "no data of format " + std::to_string(format) + " on the clipboard";
}

int LISTFORMATS() {
    for (const FORMATNAME& entry : SUPPORTEDFORMATS) {
        if (!CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(entry.format))) continue;
        const std::string block = READCLIPBOARD(static_cast<std::uint32_t>(entry.format), nullptr);
        std::printf("%d\t%s\t%zu bytes\n", entry.format, entry.name,
                    CONTENTOFBLOCK(entry.format, block).size());
    }
    return 0;
}

int SAVE(CLIPBOARDCONTENTTYPE format, const char* path) {
    if (!CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(format)))
        return FAIL(NOTONCLIPBOARD(format));
    const std::string block = READCLIPBOARD(static_cast<std::uint32_t>(format), nullptr);
    if (!WRITEFILE(path, CONTENTOFBLOCK(format, block))) {
        return FAIL(std::string("cannot write ") + path + ": " + std::strerror(errno));
    }
    return 0;
}

int LOAD(CLIPBOARDCONTENTTYPE format, const char* path) {
    std::string bytes;
    if (!READFILE(path, bytes)) {
        return FAIL(std::string("cannot read ") + path + ": " + std::strerror(errno));
    }
    if (!WRITECLIPBOARD(bytes, static_cast<std::uint32_t>(format), nullptr)) {
        return FAIL("could not write to the clipboard");
    }
    return 0;
}

int DUMP(CLIPBOARDCONTENTTYPE format) {
    if (format == CLIPBOARDCONTENTTYPE{}) {
        for (const FORMATNAME& entry : SUPPORTEDFORMATS) {
            if (entry.format != CB_TEXT &&
                CLIPBOARDHASFORMAT(static_cast<std::uint32_t>(entry.format))) {
                format = entry.format;
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
        std::fputs(USAGE, stdout);
        return 0;
    }
    CLIPBOARDCONTENTTYPE format{};
    const bool format_given = argc > 2;
    if (format_given && !PARSEFORMAT(argv[2], format)) {
        return FAIL(std::string("unknown format ") + argv[2] + "\n" + USAGE);
    }
    if (command == "formats" && argc == 2) return LISTFORMATS();
    if (command == "clear" && argc == 2) {
        CLEARCLIPBOARD(nullptr);
        return 0;
    }
    if (command == "save" && argc == 4) return SAVE(format, argv[3]);
    if (command == "load" && argc == 4) return LOAD(format, argv[3]);
    if (command == "dump" && argc <= 3) return DUMP(format);
    std::fputs(USAGE, stderr);
    return 2;
}
