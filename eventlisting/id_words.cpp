#include "id_words.h"

#include <algorithm>
#include <cstdio>

namespace PAGEWRIGHT {
namespace {

// A name that would end the brackets early, or break the line, is left out.
bool FITSBRACKETS(const std::string& name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char character) {
        return character == ']' || static_cast<unsigned char>(character) < 0x20;
    });
}

} // namespace

std::string IDTEXT(IDKIND kind, std::int32_t id, const IDNAMES* names) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", static_cast<int>(id));
    std::string text = std::string("[") + digits;
    const std::string* name = names ? names->NAMEOF(kind, id) : nullptr;
    if (name && FITSBRACKETS(*name)) text += ":" + *name;
    return text + "]";
}

bool READID(CURSOR& cursor, std::int32_t& id) {
    const std::size_t start = cursor.POSITION();
    if (cursor.TAKE("[") && cursor.INTEGER(id)) {
        if (cursor.TAKE("]")) return true;
        if (cursor.TAKE(":")) {
            const std::size_t close = cursor.REST().find(']');
            if (close != std::string::npos) {
                cursor.MOVETO(cursor.POSITION() + close + 1);
                return true;
            }
        }
    }
    cursor.MOVETO(start);
    return false;
}

} // namespace PAGEWRIGHT
