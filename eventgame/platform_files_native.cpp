#include "platform_files.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace PAGEWRIGHT {
namespace {

bool SAYSWHY(std::string& reason) {
    reason = std::strerror(errno);
    return false;
}

// The folder that holds the path.
std::string FOLDEROF(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool WRITENEWFILE(const std::string& path, std::string_view bytes, std::string& reason) {
    // A write beyond the file-size limit is a failed write, not the end of
    // the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) return SAYSWHY(reason);
    bool written = true;
    while (written && !bytes.empty()) {
        const ssize_t count = write(file, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        // A write of nothing says no reason of its own.
        if (count == 0) errno = ENOSPC;
        written = count > 0;
        if (written) bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    written = written && fsync(file) == 0;
    if (!written) SAYSWHY(reason);
    if (close(file) != 0 && written) return SAYSWHY(reason);
    return written;
}

// The folder is flushed too, so that the rename is on the disk.
bool RENAMEOVER(const std::string& from, const std::string& to, std::string& reason) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return SAYSWHY(reason);
    const int folder = open(FOLDEROF(to).c_str(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

} // namespace PAGEWRIGHT
