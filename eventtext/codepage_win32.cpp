#include "codepage.h"

#include <windows.h>

#include <string>

namespace PAGEWRIGHT {
namespace {

bool TOWIDE(UINT codepage, std::string_view in, std::wstring& out) {
    out.clear();
    if (in.empty()) return true;
    const int size = static_cast<int>(in.size());
    const int length =
        MultiByteToWideChar(codepage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
    if (length <= 0) return false;
    out.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codepage, MB_ERR_INVALID_CHARS, in.data(), size, out.data(),
                               length) == length;
}

// UTF-8 takes other flags than the code pages: it has no default character
// to stand in, only invalid input to refuse.
bool FROMWIDE(UINT codepage, const std::wstring& in, std::string& out) {
    out.clear();
    if (in.empty()) return true;
    const bool utf8 = codepage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL defaulted = FALSE;
    BOOL* used_default = utf8 ? nullptr : &defaulted;
    const int size = static_cast<int>(in.size());
    const int length =
        WideCharToMultiByte(codepage, flags, in.data(), size, nullptr, 0, nullptr, used_default);
    if (length <= 0 || defaulted) return false;
    out.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(codepage, flags, in.data(), size, out.data(), length, nullptr,
                               used_default) == length &&
           !defaulted;
}

} // namespace

struct CODEPAGE::TABLES {};

CODEPAGE::CODEPAGE(std::uint32_t number, std::unique_ptr<TABLES> tables)
    : number_(number), tables_(std::move(tables)) {}

CODEPAGE::~CODEPAGE() = default;

std::unique_ptr<CODEPAGE> CODEPAGE::OPEN(std::uint32_t number) {
    if (!LISTEDCODEPAGE(number) || !IsValidCodePage(number)) return nullptr;
    return std::unique_ptr<CODEPAGE>(new CODEPAGE(number, std::make_unique<TABLES>()));
}

bool CODEPAGE::TOUTF8(std::string_view bytes, std::string& text) const {
    std::wstring wide;
    return TOWIDE(number_, bytes, wide) && FROMWIDE(CP_UTF8, wide, text);
}

bool CODEPAGE::FROMUTF8(std::string_view text, std::string& bytes) const {
    std::wstring wide;
    return TOWIDE(CP_UTF8, text, wide) && FROMWIDE(number_, wide, bytes);
}

std::uint32_t SYSTEMCODEPAGE() {
    return GetACP();
}

} // namespace PAGEWRIGHT
