// How the readable forms write an event's own values that are not plain
// numbers: its kind as a word, and the ids of its kept chunks.
#ifndef PAGEWRIGHT_EVENTTEXT_EVENT_WORDS_H
#define PAGEWRIGHT_EVENTTEXT_EVENT_WORDS_H

#include "kestrel_internal.h"
#include "value_words.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace PAGEWRIGHT {

using KINDWORD = VALUEWORD<KESTREL::EVENTKIND>;

inline constexpr KINDWORD KINDWORDS[] = {
    {KESTREL::EK_COMMANDS, "commands"},
    {KESTREL::EK_MAP, "map"},
    {KESTREL::EK_COMMON, "common"},
    {KESTREL::EK_BATTLE, "battle"},
};

// The word of the kind, or null for a number no kind has.
constexpr const char* KINDWORDOF(std::int32_t kind) {
    return WORDIN(KINDWORDS, kind);
}

// The kept chunk id that the text writes as a decimal number without leading
// zeros, as the readable forms write them; nothing for any other text.
constexpr std::optional<std::int32_t> CHUNKIDOFTEXT(std::string_view text) {
    if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0')) return std::nullopt;
    std::int32_t id = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') return std::nullopt;
        id = id * 10 + (digit - '0');
    }
    if (id >= KESTREL::KEPTCHUNKIDS) return std::nullopt;
    return id;
}

} // namespace PAGEWRIGHT

#endif
