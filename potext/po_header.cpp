#include "po_file.h"
#include "po_rules.h"

#include <algorithm>
#include <cctype>

namespace PAGEWRIGHT {
namespace {

bool SAMEIGNORINGCASE(std::string_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

POENTRY POHEADER(const std::vector<POHEADERFIELD>& fields) {
    POENTRY header;
    for (const POHEADERFIELD& field : fields) {
        header.msgstr += field.name + ": " + field.value + "\n";
    }
    return header;
}

std::optional<std::string> POHEADERVALUE(const POENTRY& header, std::string_view name) {
    std::string_view rest = header.msgstr;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || line.substr(0, colon) != name) continue;
        const std::string_view value = line.substr(colon + 1);
        return std::string(value.substr(std::min(value.find_first_not_of(' '), value.size())));
    }
    return std::nullopt;
}

std::optional<std::string> FOREIGNCHARSET(const POENTRY& header) {
    const std::optional<std::string> type = POHEADERVALUE(header, "Content-Type");
    if (!type) return std::nullopt;
    constexpr std::string_view KEY = "charset=";
    const std::string_view text = *type;
    for (std::size_t at = 0; at + KEY.size() <= text.size(); ++at) {
        if (!SAMEIGNORINGCASE(text.substr(at, KEY.size()), KEY)) continue;
        const std::string_view rest = text.substr(at + KEY.size());
        const std::string_view charset = rest.substr(0, rest.find_first_of("; \t"));
        if (SAMEIGNORINGCASE(charset, "UTF-8")) return std::nullopt;
        return std::string(charset);
    }
    return std::nullopt;
}

} // namespace PAGEWRIGHT
