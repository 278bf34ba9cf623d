#include "winetool.h"

namespace WINETOOL {

int LOCKFILE(const std::string& path, DWORD milliseconds, const std::string& readyfile,
             bool readable) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, readable ? FILE_SHARE_READ : 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FAIL("cannot open " + path);
    if (!WRITEFILE(readyfile, "locked")) {
        CloseHandle(file);
        return FAIL("cannot write " + readyfile);
    }
    Sleep(milliseconds);
    CloseHandle(file);
    return 0;
}

} // namespace WINETOOL
