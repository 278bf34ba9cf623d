#include "platform_files.h"

#include <windows.h>

#include <string>

namespace PAGEWRIGHT {
namespace {

// Paths are in the system's ANSI code page, as the C library opens them.
std::wstring WIDEPATH(const std::string& path) {
    const int size =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
    return wide;
}

bool SAYSWHY(std::string& reason) {
    const DWORD error = GetLastError();
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    reason = text ? text : "error " + std::to_string(error);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == '.' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return false;
}

} // namespace

bool WRITENEWFILE(const std::string& path, std::string_view bytes, std::string& reason) {
    const HANDLE file = CreateFileW(WIDEPATH(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return SAYSWHY(reason);
    bool written = true;
    while (written && !bytes.empty()) {
        const DWORD chunk =
            bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
        DWORD count = 0;
        written = WriteFile(file, bytes.data(), chunk, &count, nullptr) && count > 0;
        if (written) bytes.remove_prefix(count);
    }
    written = written && FlushFileBuffers(file);
    if (!written) SAYSWHY(reason);
    if (!CloseHandle(file) && written) return SAYSWHY(reason);
    return written;
}

bool RENAMEOVER(const std::string& from, const std::string& to, std::string& reason) {
    if (MoveFileExW(WIDEPATH(from).c_str(), WIDEPATH(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    return SAYSWHY(reason);
}

} // namespace PAGEWRIGHT
