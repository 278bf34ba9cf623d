// What replacing a file needs of the system beyond the standard library:
// that written bytes are on the disk before the file that holds them takes
// another's place, and that the place is taken at once.
#ifndef PAGEWRIGHT_EVENTGAME_PLATFORM_FILES_H
#define PAGEWRIGHT_EVENTGAME_PLATFORM_FILES_H

#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// The bytes into a new file at the path, which must not be there, flushed to
// disk. False, with the system's reason, when they are not; the file may then
// be left behind.
bool WRITENEWFILE(const std::string& path, std::string_view bytes, std::string& reason);

// The file `from` in place of `to`, at once, and on the disk.
bool RENAMEOVER(const std::string& from, const std::string& to, std::string& reason);

} // namespace PAGEWRIGHT

#endif
