#include "command_table.h"

#include <unordered_map>

namespace PAGEWRIGHT {

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
