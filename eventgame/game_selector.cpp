#include "game_selector.h"

#include <cctype>
#include <limits>
#include <vector>

namespace PAGEWRIGHT {
namespace {

// A list's word and an entry's number name the entry, "troop4".
constexpr std::string_view MAPWORD = IDLISTOF(IDKIND::MAP).word;
constexpr std::string_view EVENTWORD = IDLISTOF(IDKIND::MAPEVENT).word;
constexpr std::string_view TROOPWORD = IDLISTOF(IDKIND::TROOP).word;
constexpr std::string_view COMMONWORD = IDLISTOF(IDKIND::COMMONEVENT).word;
constexpr std::string_view PAGEWORD = "page";
constexpr std::string_view COMMANDSWORD = "commands";

// `word` followed by a number from 1 on without leading zeros.
bool NUMBERED(std::string_view part, std::string_view word, std::int32_t& number) {
    if (part.substr(0, word.size()) != word) return false;
    const std::string_view digits = part.substr(word.size());
    if (digits.empty() || digits.front() == '0') return false;
    std::int64_t value = 0;
    for (const char digit : digits) {
        if (!std::isdigit(static_cast<unsigned char>(digit))) return false;
        value = value * 10 + (digit - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return false;
    }
    number = static_cast<std::int32_t>(value);
    return true;
}

std::vector<std::string_view> PARTSOF(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t slash; (slash = text.find('/')) != std::string_view::npos;) {
        parts.push_back(text.substr(0, slash));
        text.remove_prefix(slash + 1);
    }
    parts.push_back(text);
    return parts;
}

} // namespace

std::optional<SELECTOR> READSELECTOR(std::string_view text) {
    const std::vector<std::string_view> parts = PARTSOF(text);
    SELECTOR selector;
    std::size_t next = 1;
    if (NUMBERED(parts[0], MAPWORD, selector.map)) {
        if (parts.size() < 2 || !NUMBERED(parts[1], EVENTWORD, selector.id)) return std::nullopt;
        next = 2;
    } else if (NUMBERED(parts[0], TROOPWORD, selector.id)) {
        selector.kind = ENTRYKIND::TROOP;
    } else if (NUMBERED(parts[0], COMMONWORD, selector.id)) {
        selector.kind = ENTRYKIND::COMMONEVENT;
    } else {
        return std::nullopt;
    }
    if (selector.kind != ENTRYKIND::COMMONEVENT && next < parts.size() &&
        NUMBERED(parts[next], PAGEWORD, selector.page)) {
        ++next;
    }
    if ((selector.kind == ENTRYKIND::COMMONEVENT || selector.page != 0) && next < parts.size() &&
        parts[next] == COMMANDSWORD) {
        selector.commands = true;
        ++next;
    }
    if (next != parts.size()) return std::nullopt;
    return selector;
}

std::string SELECTORTEXT(const SELECTOR& selector) {
    std::string text;
    switch (selector.kind) {
    case ENTRYKIND::MAPEVENT:
        if (selector.map != 0) text = std::string(MAPWORD) + std::to_string(selector.map) + '/';
        text += EVENTWORD;
        break;
    case ENTRYKIND::TROOP:
        text = TROOPWORD;
        break;
    case ENTRYKIND::COMMONEVENT:
        text = COMMONWORD;
        break;
    }
    text += std::to_string(selector.id);
    if (selector.page != 0) text += '/' + std::string(PAGEWORD) + std::to_string(selector.page);
    if (selector.commands) text += '/' + std::string(COMMANDSWORD);
    return text;
}

KESTREL::CLIPBOARDCONTENTTYPE SELECTEDFORMAT(const SELECTOR& selector) {
    if (selector.commands) return KESTREL::CB_EVENTCOMMANDS;
    switch (selector.kind) {
    case ENTRYKIND::MAPEVENT:
        return selector.page != 0 ? KESTREL::CB_MAPEVENTPAGE : KESTREL::CB_MAPEVENT;
    case ENTRYKIND::TROOP:
        return selector.page != 0 ? KESTREL::CB_BATTLEEVENTPAGE : KESTREL::CB_MONSTERGROUP;
    case ENTRYKIND::COMMONEVENT:
        break;
    }
    return KESTREL::CB_COMMONEVENT;
}

} // namespace PAGEWRIGHT
