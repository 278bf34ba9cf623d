// The Windows clipboard. Blocks are movable global memory shared for DDE, one
// byte longer than the data, which is followed by a zero byte. Format numbers
// are used as they are: the event formats are fixed private numbers, never
// registered by name.
#include "kestrel_internal.h"

#include <windows.h>

#include <cstring>

namespace KESTREL {
namespace {

// Another program may hold the clipboard open for a moment (clipboard viewers,
// the editor itself). Waiting about a second rides that out; past it the
// operation gives up and leaves the clipboard as it is.
constexpr int OPENATTEMPTS = 100;
constexpr DWORD OPENPAUSEMILLISECONDS = 10;

bool OPENCLIPBOARD(void* owner) {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(static_cast<HWND>(owner))) return true;
        if (attempt == OPENATTEMPTS) return false;
        Sleep(OPENPAUSEMILLISECONDS);
    }
}

// A block holding the data and one zero byte, or null when memory ran out.
HGLOBAL MAKEBLOCK(BYTEVIEW data) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, data.size() + 1);
    if (block == nullptr) return nullptr;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, data.data(), data.size());
    bytes[data.size()] = '\0';
    GlobalUnlock(block);
    return block;
}

} // namespace

bool CLIPBOARDHASFORMAT(std::uint32_t format) {
    return IsClipboardFormatAvailable(format) != 0;
}

// A format that went between the caller's check and the opening is absent.
// One that is listed without a handle (announced for rendering later, by a
// program that then did not render it) holds data that cannot be had.
std::optional<BYTESTRING> TRYREADCLIPBOARD(std::uint32_t format, void* owner) {
    if (!OPENCLIPBOARD(owner)) return std::nullopt;
    std::optional<BYTESTRING> block;
    if (!IsClipboardFormatAvailable(format)) {
        block.emplace();
    } else if (HANDLE handle = GetClipboardData(format)) {
        const SIZE_T size = GlobalSize(handle);
        if (const auto* bytes = static_cast<const char*>(GlobalLock(handle))) {
            block.emplace(bytes, size);
            GlobalUnlock(handle);
        }
    }
    CloseClipboard();
    return block;
}

// The block is filled before the clipboard is opened, so that running out of
// memory leaves the clipboard's content in place instead of emptying it.
bool WRITECLIPBOARD(BYTEVIEW data, std::uint32_t format, void* owner) {
    HGLOBAL block = MAKEBLOCK(data);
    if (block == nullptr) return false;
    if (!OPENCLIPBOARD(owner)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    // The clipboard takes the block only when it accepts it; a refused block
    // is still ours and is freed here rather than leaked.
    const bool placed = SetClipboardData(format, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

void CLEARCLIPBOARD(void* owner) {
    if (!OPENCLIPBOARD(owner)) return;
    EmptyClipboard();
    CloseClipboard();
}

} // namespace KESTREL
