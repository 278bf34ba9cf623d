#include "game_source.h"

#include "files.h"
#include "messages.h"

#include <system_error>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// The bytes of a game's file, or nothing after saying why.
std::optional<std::string> BYTESOFGAMEFILE(const std::string& path) {
    std::string bytes;
    std::string reason;
    if (READINPUT(path.c_str(), MAXGAMEFILEBYTES, bytes, reason)) return bytes;
    REPORTFAILURE(CANNOTREAD(path, reason));
    return std::nullopt;
}

} // namespace

std::optional<GAMEFILE> READGAMEFILE(const std::string& path, std::optional<GAMEFILEKIND> kind) {
    std::optional<std::string> bytes = BYTESOFGAMEFILE(path);
    if (!bytes) return std::nullopt;
    try {
        GAMEFILE file(std::move(*bytes));
        if (!kind || file.KIND() == *kind) return file;
        REPORTFAILURE(path + ": " +
                      (*kind == GAMEFILEKIND::MAP ? "not a map file" : "not a database"));
    } catch (const GAMEFILEERROR& fault) {
        REPORTFAILURE(path + ": " + GAMEFILEREFUSAL(fault));
    }
    return std::nullopt;
}

std::optional<MAPTREE> READMAPTREE(const std::string& path) {
    std::optional<std::string> bytes = BYTESOFGAMEFILE(path);
    if (!bytes) return std::nullopt;
    try {
        return MAPTREE(std::move(*bytes));
    } catch (const GAMEFILEERROR& fault) {
        REPORTFAILURE(path + ": " +
                      (fault.fault == GAMEFILEFAULT::FOREIGN ? "not a map tree of a game"
                                                             : GAMEFILEREFUSAL(fault)));
    }
    return std::nullopt;
}

std::optional<GAMEFOLDER> OPENGAME(const std::string& folder) {
    std::error_code error;
    std::optional<GAMEFOLDER> game = GAMEFOLDER::READ(folder, error);
    if (!game) {
        REPORTFAILURE(CANNOTREAD(folder, error.message()));
    } else if (!game->DATABASEPATH()) {
        REPORTFAILURE(NOTAGAMEFOLDER(folder));
        game.reset();
    }
    return game;
}

std::optional<GAME> READGAME(const std::string& folder) {
    std::optional<GAMEFOLDER> opened = OPENGAME(folder);
    if (!opened) return std::nullopt;
    std::optional<GAMEFILE> database =
        READGAMEFILE(*opened->DATABASEPATH(), GAMEFILEKIND::DATABASE);
    if (!database) return std::nullopt;
    std::optional<MAPTREE> tree;
    if (const std::optional<std::string> path = opened->MAPTREEPATH()) {
        tree = READMAPTREE(*path);
        if (!tree) return std::nullopt;
    }
    return GAME{folder, std::move(*opened), std::move(*database), std::move(tree)};
}

std::optional<SELECTEDFILE> OPENSELECTED(const std::string& game, const std::string& selector) {
    const std::optional<SELECTOR> selected = READSELECTOR(selector);
    if (!selected) {
        REPORTFAILURE(NOTASELECTOR(selector));
        return std::nullopt;
    }
    const std::optional<GAMEFOLDER> folder = OPENGAME(game);
    if (!folder) return std::nullopt;
    const std::optional<std::string> path = folder->PATHOF(*selected);
    if (!path) {
        REPORTFAILURE(
            NAMESNOTHING(SELECTORTEXT(*selected), game + " holds no " + FILEOFSELECTOR(*selected)));
        return std::nullopt;
    }
    const bool map = selected->kind == ENTRYKIND::MAPEVENT;
    std::optional<GAMEFILE> file =
        READGAMEFILE(*path, map ? GAMEFILEKIND::MAP : GAMEFILEKIND::DATABASE);
    if (!file) return std::nullopt;
    return SELECTEDFILE{*selected, *path, GAMESOURCE{std::move(*file), *folder->DATABASEPATH()}};
}

std::optional<TAKENCONTENT> TAKEFROMGAME(const std::string& game, const std::string& selector) {
    std::optional<SELECTEDFILE> selected = OPENSELECTED(game, selector);
    if (!selected) return std::nullopt;
    ABSENT absent{};
    std::optional<BYTESTRING> content =
        TAKECONTENT(selected->source.file, selected->selector, absent);
    if (!content) {
        REPORTFAILURE(NAMESNOTHING(SELECTORTEXT(selected->selector),
                                   ABSENCE(selected->selector, absent) + " in " + selected->path));
        return std::nullopt;
    }
    return TAKENCONTENT{SELECTEDFORMAT(selected->selector), std::move(*content),
                        std::move(selected->source)};
}

} // namespace PAGEWRIGHT
