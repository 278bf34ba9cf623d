// The clipboard on a system without the Windows one: a folder that separate
// runs share, with one file per present format named by its decimal number and
// holding the clipboard block (the data and one zero byte). Files with other
// names are not formats and are left alone.
#include "kestrel_internal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace KESTREL {
namespace {

// A writer's temporary file: this, its process id, a dash and a unique tail.
constexpr char INCOMINGPREFIX[] = ".incoming-";

constexpr int LOCKATTEMPTS = 100;
constexpr useconds_t LOCKPAUSEMICROSECONDS = 10000;

std::string CLIPBOARDFOLDER() {
    if (const char* folder = std::getenv("PAGEWRIGHT_CLIPBOARD_DIR"); folder && *folder) {
        return folder;
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        return std::string(runtime) + "/pagewright/clipboard";
    }
    return "/tmp/pagewright-" + std::to_string(getuid()) + "/clipboard";
}

std::string FORMATPATH(const std::string& folder, std::uint32_t format) {
    return folder + "/" + std::to_string(format);
}

bool ISFORMATNAME(const char* name) {
    if (*name == '\0') return false;
    for (const char* c = name; *c; ++c) {
        if (*c < '0' || *c > '9') return false;
    }
    return true;
}

// Creates the folder and any missing parent, each with mode 0700.
bool MAKEFOLDER(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat status {};
    return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool WRITEALL(int file, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(file, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The rest of the file, or nothing when a read fails.
std::optional<BYTESTRING> READALL(int file) {
    BYTESTRING bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(file, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return std::nullopt;
        if (count == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

// Removes every format file but `keep` (pass 0 to remove them all).
void REMOVEFORMATS(const std::string& folder, std::uint32_t keep) {
    DIR* entries = opendir(folder.c_str());
    if (!entries) return;
    const std::string kept = keep ? std::to_string(keep) : std::string();
    while (const dirent* entry = readdir(entries)) {
        if (ISFORMATNAME(entry->d_name) && kept != entry->d_name) {
            unlink((folder + "/" + entry->d_name).c_str());
        }
    }
    closedir(entries);
}

// A writer that was ended in the middle of its write (by a signal, say) has
// left its temporary file behind. The next writer removes the temporary files
// of writers that no longer run.
void REMOVEABANDONED(const std::string& folder) {
    DIR* entries = opendir(folder.c_str());
    if (!entries) return;
    constexpr std::size_t prefix = sizeof INCOMINGPREFIX - 1;
    while (const dirent* entry = readdir(entries)) {
        if (std::strncmp(entry->d_name, INCOMINGPREFIX, prefix) != 0) continue;
        const long writer = std::strtol(entry->d_name + prefix, nullptr, 10);
        if (writer > 0 && kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH) {
            unlink((folder + "/" + entry->d_name).c_str());
        }
    }
    closedir(entries);
}

// Writers and clearers take this lock, so that two at once still leave exactly
// one format behind. Readers need none: a format file is replaced by rename.
// Like the Windows clipboard, a holder that does not let go within about a
// second makes the operation fail instead of wait.
class FOLDERLOCK {
public:
    explicit FOLDERLOCK(const std::string& folder)
        : file_(open((folder + "/.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (file_ < 0) return;
        for (int attempt = 0; flock(file_, LOCK_EX | LOCK_NB) != 0; ++attempt) {
            if (attempt == LOCKATTEMPTS) {
                close(file_);
                file_ = -1;
                return;
            }
            usleep(LOCKPAUSEMICROSECONDS);
        }
    }
    ~FOLDERLOCK() {
        if (file_ >= 0) close(file_);
    }
    FOLDERLOCK(const FOLDERLOCK&) = delete;
    FOLDERLOCK& operator=(const FOLDERLOCK&) = delete;
    bool HELD() const { return file_ >= 0; }

private:
    int file_;
};

// Writes the block to a new temporary file in the folder and returns its path,
// or an empty string when that failed (nothing is left behind then).
std::string WRITETEMPORARY(const std::string& folder, BYTEVIEW data) {
    std::string path = folder + "/" + INCOMINGPREFIX + std::to_string(getpid()) + "-XXXXXX";
    const int file = mkstemp(path.data());
    if (file < 0) return {};
    const bool written = WRITEALL(file, data.data(), data.size()) && WRITEALL(file, "", 1);
    if (close(file) != 0 || !written) {
        unlink(path.c_str());
        return {};
    }
    return path;
}

} // namespace

bool CLIPBOARDHASFORMAT(std::uint32_t format) {
    struct stat status {};
    return stat(FORMATPATH(CLIPBOARDFOLDER(), format).c_str(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

// A missing file is an absent format; one that is there but cannot be opened
// (for its permissions, say) or read holds data out of reach. So does anything
// but a regular file in its place: a pipe would keep the reader waiting, and
// a device could be read without end. Opening does not wait for a pipe's
// writer.
std::optional<BYTESTRING> TRYREADCLIPBOARD(std::uint32_t format, void*) {
    const int file =
        open(FORMATPATH(CLIPBOARDFOLDER(), format).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return BYTESTRING();
        return std::nullopt;
    }
    struct stat status {};
    std::optional<BYTESTRING> block;
    if (fstat(file, &status) == 0 && S_ISREG(status.st_mode)) block = READALL(file);
    close(file);
    return block;
}

bool WRITECLIPBOARD(BYTEVIEW data, std::uint32_t format, void*) {
    const std::string folder = CLIPBOARDFOLDER();
    if (!MAKEFOLDER(folder)) return false;
    FOLDERLOCK lock(folder);
    if (!lock.HELD()) return false;
    REMOVEABANDONED(folder);
    const std::string incoming = WRITETEMPORARY(folder, data);
    if (incoming.empty()) return false;
    if (rename(incoming.c_str(), FORMATPATH(folder, format).c_str()) != 0) {
        unlink(incoming.c_str());
        return false;
    }
    REMOVEFORMATS(folder, format);
    return true;
}

void CLEARCLIPBOARD(void*) {
    const std::string folder = CLIPBOARDFOLDER();
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return;
    FOLDERLOCK lock(folder);
    if (lock.HELD()) REMOVEFORMATS(folder, 0);
}

} // namespace KESTREL
