#include "clipboard_text.h"

#include "kestrel_internal.h"
#include "messages.h"

#include <windows.h>

namespace PAGEWRIGHT {
namespace {

// UTF-16 as the system's wide characters, little-endian bytes.
std::string WIDEBYTES(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring characters(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, characters.data(), wide);
    return std::string(reinterpret_cast<const char*>(characters.data()),
                       characters.size() * sizeof(wchar_t));
}

std::string UTF8OF(std::wstring_view characters) {
    if (characters.empty()) return {};
    const int size = static_cast<int>(characters.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, characters.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, characters.data(), size, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace

// The block ends in a wide zero: the writer adds one zero byte, this the other.
bool PUTCLIPBOARDTEXT(std::string_view text) {
    return KESTREL::WRITECLIPBOARD(WIDEBYTES(text) + '\0', CF_UNICODETEXT, nullptr);
}

// Windows gives any program's text as Unicode, converting where it was placed
// in a code page.
std::optional<std::string> CLIPBOARDTEXT() {
    const std::optional<KESTREL::BYTESTRING> block =
        KESTREL::TRYREADCLIPBOARD(CF_UNICODETEXT, nullptr);
    if (!block || block->size() < sizeof(wchar_t)) {
        REPORTFAILURE(block ? NOTEXTONCLIPBOARD : UNREADABLETEXT);
        return std::nullopt;
    }
    const std::wstring_view characters(reinterpret_cast<const wchar_t*>(block->data()),
                                       block->size() / sizeof(wchar_t));
    return UTF8OF(characters.substr(0, characters.find(L'\0')));
}

} // namespace PAGEWRIGHT
