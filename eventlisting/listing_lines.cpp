#include "listing_lines.h"

#include "event_formats.h"
#include "event_listing.h"
#include "format_names.h"

namespace PAGEWRIGHT {
namespace {

constexpr std::string_view HEADLEAD = "# Pagewright listing: ";
constexpr std::int32_t MOSTSPACEDINDENT = 100;
constexpr std::string_view INDENTLEAD = "(indent ";
constexpr std::string_view INDENTEND = ")";

} // namespace

std::string HEADLINE(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return std::string(HEADLEAD) + FORMATNAME(format) + " (" + std::to_string(format) + ")";
}

std::optional<KESTREL::CLIPBOARDCONTENTTYPE> FORMATOFHEAD(std::string_view line,
                                                          std::size_t number) {
    if (line.substr(0, HEADLEAD.size()) != HEADLEAD) return std::nullopt;
    const std::size_t open = line.rfind('(');
    std::int32_t format_number = 0;
    if (open != std::string_view::npos && line.back() == ')') {
        std::string_view digits = line.substr(open + 1, line.size() - open - 2);
        format_number = digits.empty() || digits.size() > 9 ||
                                digits.find_first_not_of("0123456789") != std::string_view::npos
                            ? 0
                            : std::stoi(std::string(digits));
    }
    const KESTREL::EVENTFORMAT* format = KESTREL::EVENTFORMATOF(format_number);
    if (!format) throw LISTINGERROR(number, "the first line names no event format");
    return format->format;
}

std::string INDENTATION(std::int32_t indent) {
    if (indent >= 0 && indent <= MOSTSPACEDINDENT) {
        return std::string(2 * static_cast<std::size_t>(indent), ' ');
    }
    return std::string(INDENTLEAD) + std::to_string(indent) + std::string(INDENTEND);
}

std::string_view TAKEINDENTATION(std::string_view line, std::size_t number, std::int32_t& indent) {
    if (line.substr(0, INDENTLEAD.size()) == INDENTLEAD) {
        const std::size_t end = line.find(INDENTEND);
        std::string_view digits = line.substr(INDENTLEAD.size(), end - INDENTLEAD.size());
        std::int64_t value = 0;
        const bool negative = !digits.empty() && digits.front() == '-';
        if (negative) digits.remove_prefix(1);
        if (end == std::string_view::npos || digits.empty() || digits.size() > 10 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos ||
            (value = std::stoll(std::string(digits)) * (negative ? -1 : 1)) < INT32_MIN ||
            value > INT32_MAX) {
            throw LISTINGERROR(number, "cannot read the indent");
        }
        indent = static_cast<std::int32_t>(value);
        return line.substr(end + INDENTEND.size());
    }
    const std::size_t spaces = std::min(line.find_first_not_of(' '), line.size());
    if (spaces % 2 != 0) {
        throw LISTINGERROR(number, "an indent of " + std::to_string(spaces) +
                                       " spaces is not a whole level");
    }
    if (spaces / 2 > static_cast<std::size_t>(INT32_MAX)) throw LISTINGERROR(number, "too deep");
    indent = static_cast<std::int32_t>(spaces / 2);
    return line.substr(spaces);
}

} // namespace PAGEWRIGHT
