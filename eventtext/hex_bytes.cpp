#include "hex_bytes.h"

namespace PAGEWRIGHT {
namespace {

int DIGITVALUE(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

} // namespace

std::string HEXOF(std::string_view bytes) {
    static constexpr char DIGITS[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        hex.push_back(DIGITS[value >> 4]);
        hex.push_back(DIGITS[value & 0x0F]);
    }
    return hex;
}

bool BYTESOFHEX(std::string_view hex, std::string& bytes, std::size_t& bad_at) {
    bytes.clear();
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); ++i) {
        if (DIGITVALUE(hex[i]) < 0) {
            bad_at = i;
            return false;
        }
    }
    if (hex.size() % 2 != 0) {
        bad_at = hex.size();
        return false;
    }
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(DIGITVALUE(hex[i]) << 4 | DIGITVALUE(hex[i + 1])));
    }
    return true;
}

} // namespace PAGEWRIGHT
