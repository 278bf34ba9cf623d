#include "game_folder.h"

#include "files.h"
#include "messages.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace PAGEWRIGHT {

using namespace KESTREL;

std::optional<GAMEFILE> READGAMEFILE(const std::string& path, std::optional<GAMEFILEKIND> kind) {
    std::string bytes;
    std::string reason;
    if (!READINPUT(path.c_str(), MAXGAMEFILEBYTES, bytes, reason)) {
        REPORTFAILURE(CANNOTREAD(path, reason));
        return std::nullopt;
    }
    try {
        GAMEFILE file(std::move(bytes));
        if (!kind || file.KIND() == *kind) return file;
        REPORTFAILURE(path + ": " +
                      (*kind == GAMEFILEKIND::MAP ? "not a map file" : "not a database"));
    } catch (const GAMEFILEERROR& fault) {
        REPORTFAILURE(path + ": " + fault.what());
    }
    return std::nullopt;
}

// Of names that differ only in case, which Windows would not hold side by
// side, the first in byte order counts.
std::optional<GAMEFOLDER> GAMEFOLDER::OPEN(const std::string& folder) {
    std::error_code error;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    if (error) {
        REPORTFAILURE(CANNOTREAD(folder, error.message()));
        return std::nullopt;
    }
    std::sort(names.begin(), names.end());
    GAMEFOLDER game;
    game.folder_ = folder;
    for (const std::string& name : names) {
        const std::string path = (std::filesystem::path(folder) / name).string();
        if (ISDATABASEFILE(name)) {
            if (game.database_.empty()) game.database_ = path;
        } else if (const std::optional<std::int32_t> number = MAPNUMBEROFFILE(name)) {
            game.maps_.emplace(*number, path);
        }
    }
    if (game.database_.empty()) {
        REPORTFAILURE(NOTAGAMEFOLDER(folder));
        return std::nullopt;
    }
    return game;
}

std::optional<BYTESTRING> GAMEFOLDER::TAKE(const SELECTOR& selector) const {
    const std::string text = SELECTORTEXT(selector);
    std::string path = database_;
    GAMEFILEKIND kind = GAMEFILEKIND::DATABASE;
    if (selector.kind == ENTRYKIND::MAPEVENT) {
        const auto found = maps_.find(selector.map);
        if (found == maps_.end()) {
            REPORTFAILURE(NAMESNOTHING(text, folder_ + " holds no " + FILEOFSELECTOR(selector)));
            return std::nullopt;
        }
        path = found->second;
        kind = GAMEFILEKIND::MAP;
    }
    const std::optional<GAMEFILE> file = READGAMEFILE(path, kind);
    if (!file) return std::nullopt;
    std::string missing;
    std::optional<BYTESTRING> content = TAKECONTENT(*file, selector, missing);
    if (!content) REPORTFAILURE(NAMESNOTHING(text, missing + " in " + path));
    return content;
}

std::optional<SELECTOR> SELECTOROFTEXT(const std::string& text) {
    const std::optional<SELECTOR> selector = READSELECTOR(text);
    if (!selector) REPORTFAILURE(NOTASELECTOR(text));
    return selector;
}

std::optional<TAKENCONTENT> TAKEFROMGAME(const std::string& game, const std::string& selector) {
    const std::optional<SELECTOR> selected = SELECTOROFTEXT(selector);
    if (!selected) return std::nullopt;
    const std::optional<GAMEFOLDER> folder = GAMEFOLDER::OPEN(game);
    if (!folder) return std::nullopt;
    std::optional<BYTESTRING> content = folder->TAKE(*selected);
    if (!content) return std::nullopt;
    return TAKENCONTENT{SELECTEDFORMAT(*selected), std::move(*content)};
}

} // namespace PAGEWRIGHT
