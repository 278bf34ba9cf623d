#include "file_replace.h"

#include "platform_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// A new file's name beside the one it will replace ends in random digits, so
// that two runs writing one file do not write into one new file.
std::string INCOMINGPATH(const std::string& path) {
    return path + ".incoming-" + std::to_string(std::random_device()());
}

// The file written new, to be renamed to the path, with the permissions of
// the file it replaces, if any, so that the file keeps them; nothing left
// beside it when that fails.
std::optional<std::string> WRITEBESIDE(const std::string& path, BYTEVIEW bytes,
                                       std::string& incoming) {
    incoming = INCOMINGPATH(path);
    std::string reason;
    if (!WRITENEWFILE(incoming, bytes, reason)) {
        std::error_code ignored;
        std::filesystem::remove(incoming, ignored);
        return reason;
    }
    std::error_code absent;
    const std::filesystem::perms kept = std::filesystem::status(path, absent).permissions();
    if (!absent) std::filesystem::permissions(incoming, kept, absent);
    return std::nullopt;
}

bool HOLDS(const std::string& path, BYTEVIEW bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const std::string held((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    return !file.bad() && held == bytes;
}

std::optional<REPLACEFAILURE> FAILURE(REPLACEFAULT fault, const std::string& reason,
                                      const std::string& incoming) {
    std::error_code ignored;
    std::filesystem::remove(incoming, ignored);
    return REPLACEFAILURE{fault, reason};
}

} // namespace

std::optional<REPLACEFAILURE> REPLACEFILE(const std::string& path, BYTEVIEW before, BYTEVIEW after,
                                          bool backup) {
    std::string incoming;
    if (std::optional<std::string> reason = WRITEBESIDE(path, after, incoming)) {
        return REPLACEFAILURE{REPLACEFAULT::WRITE, *reason};
    }
    if (!HOLDS(path, before)) return FAILURE(REPLACEFAULT::CHANGED, "", incoming);
    std::string reason;
    if (backup) {
        const std::string kept = path + BACKUPSUFFIX;
        std::string kept_incoming;
        if (std::optional<std::string> failed = WRITEBESIDE(kept, before, kept_incoming)) {
            return FAILURE(REPLACEFAULT::BACKUP, *failed, incoming);
        }
        if (!RENAMEOVER(kept_incoming, kept, reason)) {
            std::error_code ignored;
            std::filesystem::remove(kept_incoming, ignored);
            return FAILURE(REPLACEFAULT::BACKUP, reason, incoming);
        }
    }
    if (!RENAMEOVER(incoming, path, reason)) return FAILURE(REPLACEFAULT::RENAME, reason, incoming);
    return std::nullopt;
}

} // namespace PAGEWRIGHT
