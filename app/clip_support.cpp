#include "clip_support.h"

#include "alternatives.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

const char* const USAGE =
    "usage: pagewright-clip COMMAND\n"
    "  formats              the supported formats on the clipboard, with their sizes\n"
    "  save FORMAT FILE     write the format's content to FILE\n"
    "  load FORMAT FILE     put FILE's bytes on the clipboard under FORMAT, alone\n"
    "  clear                empty the clipboard\n"
    "  dump [FORMAT]        the decoded tree of FORMAT, or of the first supported format\n"
    "  export [FORMAT] [--codepage CP] [--from FILE] [-o OUT]\n"
    "                       the decoded tree as JSON, on standard output or into OUT:\n"
    "                       of FORMAT, or of the first event format on the clipboard;\n"
    "                       with --from, of FILE, a content as save writes it\n"
    "  import [FILE] [--as FORMAT] [--codepage CP] [--to OUT]\n"
    "                       the JSON of FILE (or of standard input) onto the clipboard,\n"
    "                       alone, as the format it names or as FORMAT; with --to,\n"
    "                       into OUT as save writes it\n"
    "  help                 this text\n"
    "FORMAT is a number: %s.\n"
    "CP is the code page of names and texts: 874, 932, 936, 949, 950 or 1250 to\n"
    "1258; without --codepage, PAGEWRIGHT_CODEPAGE, else the system's ANSI code\n"
    "page on Windows and 1252 elsewhere. docs/event-json.md describes the JSON.\n";

} // namespace

int FAIL(const std::string& message) {
    std::fprintf(stderr, "pagewright-clip: %s\n", message.c_str());
    return 1;
}

// The numbers in the usage text come from the table of formats.
void WRITEUSAGE(std::FILE* stream) {
    const std::string formats =
        ALTERNATIVES(CLIPBOARDFORMATS, [](KESTREL::CLIPBOARDCONTENTTYPE format) {
            return std::to_string(format) + (format == KESTREL::CB_TEXT ? " (text)" : "");
        });
    std::fprintf(stream, USAGE, formats.c_str());
}

int USAGEERROR() {
    WRITEUSAGE(stderr);
    return 2;
}

void PRINTUSAGE() {
    WRITEUSAGE(stdout);
}

bool PARSEFORMAT(const char* text, KESTREL::CLIPBOARDCONTENTTYPE& format) {
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (!*text || *end != '\0' || number != static_cast<std::int32_t>(number) ||
        !FORMATNAME(static_cast<std::int32_t>(number))) {
        return false;
    }
    format = static_cast<KESTREL::CLIPBOARDCONTENTTYPE>(number);
    return true;
}

std::string NOTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return "no data of format " + std::to_string(format) + " on the clipboard";
}

std::string REASON() {
    return std::strerror(errno);
}

bool READSTREAM(std::FILE* file, std::size_t most, std::string& bytes) {
    char buffer[65536];
    std::size_t count;
    while (bytes.size() <= most && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    if (bytes.size() > most) bytes.resize(most + 1);
    return !std::ferror(file);
}

bool READFILE(const char* path, std::string& bytes, std::size_t most) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    const bool read = READSTREAM(file, most, bytes);
    std::fclose(file);
    return read;
}

// The new file's name ends in random digits, so that two runs writing the
// same path do not write into one file.
bool REPLACEFILE(const std::string& path, std::string_view bytes, std::string& reason) {
    const std::string incoming = path + ".incoming-" + std::to_string(std::random_device()());
    std::FILE* file = std::fopen(incoming.c_str(), "wb");
    if (!file) {
        reason = REASON();
        return false;
    }
    bool done = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!done) reason = REASON();
    if (std::fclose(file) != 0 && done) {
        reason = REASON();
        done = false;
    }
    std::error_code error;
    if (done) {
        std::filesystem::rename(incoming, path, error);
        if (!error) return true;
        reason = error.message();
    }
    std::filesystem::remove(incoming, error);
    return false;
}

} // namespace PAGEWRIGHT
