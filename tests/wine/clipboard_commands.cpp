#include "winetool.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace WINETOOL {
namespace {

// A holder that is never told to let go gives up after a minute, so that a
// failed test does not keep the clipboard from the next.
constexpr DWORD HOLDPOLLMILLISECONDS = 2;
constexpr DWORD HOLDLIMITMILLISECONDS = 60000;

// The converter may still be closing the clipboard when a command starts.
bool OPENCLIPBOARD(HWND owner = nullptr) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

} // namespace

int SAVECLIPBOARD(const std::string& folder) {
    if (!OPENCLIPBOARD()) return FAIL("cannot open the clipboard");
    CreateDirectoryA(folder.c_str(), nullptr);
    int result = 0;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        std::string block;
        if (HANDLE handle = GetClipboardData(format)) {
            const SIZE_T size = GlobalSize(handle);
            if (const auto* bytes = static_cast<const char*>(GlobalLock(handle))) {
                block.assign(bytes, size);
                GlobalUnlock(handle);
            }
        }
        if (!WRITEFILE(folder + "/" + std::to_string(format), block)) {
            result = FAIL("cannot write into " + folder);
        }
    }
    CloseClipboard();
    return result;
}

int PUTCLIPBOARD(int count, char** pairs) {
    std::vector<std::pair<UINT, std::string>> blocks;
    for (int i = 0; i < count; i += 2) {
        std::string bytes;
        if (!LOADFILE(pairs[i + 1], bytes)) return FAIL(std::string("cannot read ") + pairs[i + 1]);
        blocks.emplace_back(static_cast<UINT>(std::atol(pairs[i])), bytes);
    }
    if (!OPENCLIPBOARD()) return FAIL("cannot open the clipboard");
    EmptyClipboard();
    int result = 0;
    for (const auto& [format, bytes] : blocks) {
        if (bytes.empty()) {
            // Announced for rendering later, by nobody: the format is listed,
            // but asking for it gives no data. (The system refuses blocks of
            // zero bytes.)
            SetClipboardData(format, nullptr);
            continue;
        }
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size());
        if (void* address = GlobalLock(block)) {
            std::memcpy(address, bytes.data(), bytes.size());
            GlobalUnlock(block);
        }
        if (!block || !SetClipboardData(format, block)) {
            result = FAIL("cannot place format " + std::to_string(format));
        }
    }
    CloseClipboard();
    return result;
}

int HOLDCLIPBOARD(const std::string& readyfile, const std::string& releasefile) {
    // Opened for a window of its own: Wine lets anyone open the clipboard
    // again for the same window, the null one included.
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window) return FAIL("cannot make a window");
    if (!OPENCLIPBOARD(window)) return FAIL("cannot open the clipboard");
    WRITEFILE(readyfile, "");
    DWORD waited = 0;
    while (GetFileAttributesA(releasefile.c_str()) == INVALID_FILE_ATTRIBUTES &&
           waited < HOLDLIMITMILLISECONDS) {
        Sleep(HOLDPOLLMILLISECONDS);
        waited += HOLDPOLLMILLISECONDS;
    }
    CloseClipboard();
    return waited < HOLDLIMITMILLISECONDS ? 0 : FAIL("nobody said to let go of the clipboard");
}

} // namespace WINETOOL
