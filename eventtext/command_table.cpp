#include "command_table.h"

#include <algorithm>
#include <unordered_map>

namespace PAGEWRIGHT {

const char* COMMANDNAME(std::int32_t code) {
    const auto* entry = std::lower_bound(
        std::begin(COMMANDTABLE), std::end(COMMANDTABLE), code,
        [](const COMMANDENTRY& entry, std::int32_t wanted) { return entry.code < wanted; });
    return entry != std::end(COMMANDTABLE) && entry->code == code ? entry->name : nullptr;
}

std::optional<std::int32_t> COMMANDCODE(std::string_view name) {
    static const auto codes = [] {
        std::unordered_map<std::string_view, std::int32_t> byname;
        for (const COMMANDENTRY& entry : COMMANDTABLE)
            byname.emplace(entry.name, entry.code);
        return byname;
    }();
    const auto found = codes.find(name);
    if (found == codes.end()) return std::nullopt;
    return found->second;
}

} // namespace PAGEWRIGHT
