// A file replaced so that nothing is lost: the new bytes go into a new file
// beside it, which is flushed to disk and then renamed over it, after the
// file is checked to hold still what was read and, where asked, its bytes are
// kept beside it as NAME.bak. A failure at any step leaves the file as it was
// and no new file behind.
#ifndef PAGEWRIGHT_EVENTGAME_FILE_REPLACE_H
#define PAGEWRIGHT_EVENTGAME_FILE_REPLACE_H

#include "kestrel_internal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace PAGEWRIGHT {

// What NAME.bak is called beside NAME.
constexpr const char* BACKUPSUFFIX = ".bak";

// The step that failed.
enum class REPLACEFAULT : std::uint8_t {
    WRITE,   // writing the new file
    CHANGED, // the file no longer holds what was read, or cannot be read again
    BACKUP,  // keeping the old bytes as NAME.bak
    RENAME,  // renaming the new file over the file
};

struct REPLACEFAILURE {
    REPLACEFAULT fault;
    // As the system says it, where it says anything.
    std::string reason;
};

// Replaces the file at `path`, read as `before`, with `after`; nothing when it
// did.
std::optional<REPLACEFAILURE> REPLACEFILE(const std::string& path, KESTREL::BYTEVIEW before,
                                          KESTREL::BYTEVIEW after, bool backup);

} // namespace PAGEWRIGHT

#endif
