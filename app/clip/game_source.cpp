#include "game_source.h"

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

std::optional<TAKENCONTENT> TAKEFROMGAME(const std::string& game, const std::string& selector) {
    const std::optional<SELECTOR> selected = READSELECTOR(selector);
    if (!selected) {
        REPORTFAILURE(NOTASELECTOR(selector));
        return std::nullopt;
    }
    const std::optional<GAMEFOLDER> folder = GAMEFOLDER::OPEN(game);
    if (!folder) return std::nullopt;
    const std::string text = SELECTORTEXT(*selected);
    std::string path = folder->DATABASEPATH();
    GAMEFILEKIND kind = GAMEFILEKIND::DATABASE;
    if (selected->kind == ENTRYKIND::MAPEVENT) {
        const auto found = folder->MAPPATHS().find(selected->map);
        if (found == folder->MAPPATHS().end()) {
            REPORTFAILURE(NAMESNOTHING(text, game + " holds no " + FILEOFSELECTOR(*selected)));
            return std::nullopt;
        }
        path = found->second;
        kind = GAMEFILEKIND::MAP;
    }
    std::optional<GAMEFILE> file = READGAMEFILE(path, kind);
    if (!file) return std::nullopt;
    std::string missing;
    std::optional<BYTESTRING> content = TAKECONTENT(*file, *selected, missing);
    if (!content) {
        REPORTFAILURE(NAMESNOTHING(text, missing + " in " + path));
        return std::nullopt;
    }
    return TAKENCONTENT{SELECTEDFORMAT(*selected), std::move(*content),
                        GAMESOURCE{std::move(*file), folder->DATABASEPATH()}};
}

} // namespace PAGEWRIGHT
