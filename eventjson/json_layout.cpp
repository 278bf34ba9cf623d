#include "json_layout.h"

#include <algorithm>

namespace PAGEWRIGHT {
namespace {

using ORDERED = nlohmann::ordered_json;

// The value on one line, as compact as the library writes it.
void APPENDINLINE(std::string& out, const ORDERED& value) {
    out += value.dump(-1, ' ', false, ORDERED::error_handler_t::strict);
}

void APPENDLINEBREAK(std::string& out, int depth) {
    out += '\n';
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

void APPENDVALUE(std::string& out, const ORDERED& value, int depth, bool elements_inline);

// The braces or brackets on lines of their own, a member or element a line
// between them.
void APPENDSPREAD(std::string& out, const ORDERED& value, int depth, bool elements_inline) {
    const bool object = value.is_object();
    out += object ? '{' : '[';
    const char* separator = "";
    for (const auto& member : value.items()) {
        out += separator;
        APPENDLINEBREAK(out, depth + 1);
        const bool commands = object && member.key() == "commands";
        if (object) {
            APPENDINLINE(out, member.key());
            out += ": ";
        }
        if (elements_inline) {
            APPENDINLINE(out, member.value());
        } else {
            APPENDVALUE(out, member.value(), depth + 1, commands);
        }
        separator = ",";
    }
    APPENDLINEBREAK(out, depth);
    out += object ? '}' : ']';
}

void APPENDVALUE(std::string& out, const ORDERED& value, int depth, bool elements_inline) {
    const bool spreads = std::any_of(value.begin(), value.end(),
                                     [](const ORDERED& member) { return member.is_structured(); });
    if (spreads) {
        APPENDSPREAD(out, value, depth, elements_inline);
    } else {
        APPENDINLINE(out, value);
    }
}

} // namespace

std::string LAYOUT(const nlohmann::ordered_json& document) {
    std::string out;
    if (document.is_structured() && !document.empty()) {
        APPENDSPREAD(out, document, 0, false);
    } else {
        APPENDINLINE(out, document);
    }
    return out;
}

} // namespace PAGEWRIGHT
