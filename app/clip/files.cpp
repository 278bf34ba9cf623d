#include "files.h"

#include "kestrel_internal.h"
#include "messages.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace PAGEWRIGHT {
namespace {

// The standard streams carry bytes as they are, with the same line ends on
// every system.
void BINARYMODE(std::FILE* stream) {
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#else
    (void)stream;
#endif
}

bool READSTREAM(std::FILE* file, std::size_t most, std::string& bytes) {
    char buffer[65536];
    std::size_t count;
    while (bytes.size() <= most && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    if (bytes.size() > most) bytes.resize(most + 1);
    return !std::ferror(file);
}

bool WRITESTANDARDOUTPUT(std::string_view bytes, std::string& reason) {
    BINARYMODE(stdout);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        reason = SYSTEMREASON();
        return false;
    }
    return true;
}

// The new file's name ends in random digits, so that two runs writing the
// same path do not write into one file.
bool REPLACEFILE(const std::string& path, std::string_view bytes, std::string& reason) {
    const std::string incoming = path + ".incoming-" + std::to_string(std::random_device()());
    std::FILE* file = std::fopen(incoming.c_str(), "wb");
    if (!file) {
        reason = SYSTEMREASON();
        return false;
    }
    bool done = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!done) reason = SYSTEMREASON();
    if (std::fclose(file) != 0 && done) {
        reason = SYSTEMREASON();
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

} // namespace

bool READINPUT(const char* path, std::size_t most, std::string& bytes, std::string& reason) {
    if (!path) BINARYMODE(stdin);
    std::FILE* file = path ? std::fopen(path, "rb") : stdin;
    bool read = file != nullptr && READSTREAM(file, most, bytes);
    if (!read) reason = SYSTEMREASON();
    if (path && file) std::fclose(file);
    return read;
}

int WRITEOUTPUT(const char* path, std::string_view bytes) {
    std::string reason;
    if (path ? REPLACEFILE(path, bytes, reason) : WRITESTANDARDOUTPUT(bytes, reason)) return 0;
    return REPORTFAILURE(CANNOTWRITE(path ? path : "standard output", reason));
}

int PUTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format, std::string_view bytes) {
    if (KESTREL::WRITECLIPBOARD(bytes, static_cast<std::uint32_t>(format), nullptr)) return 0;
    return REPORTFAILURE(CLIPBOARDWRITEFAILED);
}

} // namespace PAGEWRIGHT
