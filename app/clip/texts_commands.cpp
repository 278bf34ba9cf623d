// The command that carries a game's texts out to PO files, for translators.
#include "codepage_choice.h"
#include "commands.h"
#include "files.h"
#include "game_source.h"
#include "messages.h"
#include "translations.h"
#include "version.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// A game file read for its texts.
struct TEXTSOURCE {
    std::string path;
    GAMEFILE file;
};

// The texts of one PO file, in the file that holds them.
struct TEXTGROUP {
    std::string po;
    const TEXTSOURCE* source;
    std::vector<PLAYERTEXT> texts;
};

// The game's files and their texts by PO file, or nothing after saying why
// a file cannot be read.
struct GAMETEXTS {
    GAMEFOLDER folder;
    std::vector<std::unique_ptr<TEXTSOURCE>> sources;
    std::vector<TEXTGROUP> groups;
};

const TEXTSOURCE* ADDSOURCE(GAMETEXTS& game, const std::string& path, GAMEFILEKIND kind) {
    std::optional<GAMEFILE> file = READGAMEFILE(path, kind);
    if (!file) return nullptr;
    game.sources.push_back(std::make_unique<TEXTSOURCE>(TEXTSOURCE{path, std::move(*file)}));
    return game.sources.back().get();
}

std::optional<GAMETEXTS> READTEXTS(const std::string& folder_path) {
    std::optional<GAMEFOLDER> folder = OPENGAME(folder_path);
    if (!folder) return std::nullopt;
    GAMETEXTS game{std::move(*folder), {}, {}};
    const std::string database_path = *game.folder.DATABASEPATH();
    const TEXTSOURCE* database = ADDSOURCE(game, database_path, GAMEFILEKIND::DATABASE);
    if (!database) return std::nullopt;
    std::string path = database_path;
    try {
        const GAMEFILE& file = database->file;
        game.groups.push_back({FIELDSPOFILE, database, FIELDTEXTS(file)});
        game.groups.push_back(
            {COMMONPOFILE, database, EVENTTEXTS(file, ENTRYKIND::COMMONEVENT, 0)});
        game.groups.push_back({BATTLEPOFILE, database, EVENTTEXTS(file, ENTRYKIND::TROOP, 0)});
        for (const auto& [number, map_path] : game.folder.MAPPATHS()) {
            path = map_path;
            const TEXTSOURCE* map = ADDSOURCE(game, map_path, GAMEFILEKIND::MAP);
            if (!map) return std::nullopt;
            game.groups.push_back(
                {MAPPOFILE(number), map, EVENTTEXTS(map->file, ENTRYKIND::MAPEVENT, number)});
        }
    } catch (const GAMEFILEERROR& fault) {
        REPORTFAILURE(path + ": " + GAMEFILEREFUSAL(fault));
        return std::nullopt;
    }
    return game;
}

std::string FOLDERNAME(const std::string& folder) {
    std::filesystem::path path = std::filesystem::absolute(folder).lexically_normal();
    if (path.filename().empty()) path = path.parent_path();
    return path.filename().string();
}

void WARN(const std::string& what) {
    std::fprintf(stderr, "pagewright-clip: warning: %s\n", what.c_str());
}

} // namespace

// Every PO file is made before the first is written, so that a game file
// that cannot be read leaves none written.
int EXPORTTEXTSCOMMAND(const ARGUMENTS& arguments) {
    const char* out = arguments.VALUE("-o");
    if (!out) return REPORTFAILURE("export-texts: -o DIR names the folder for the PO files");
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    const std::optional<GAMETEXTS> game = READTEXTS(arguments.PLAIN(0));
    if (!game) return 1;
    const std::vector<POHEADERFIELD> header = {
        {"Project-Id-Version", FOLDERNAME(arguments.PLAIN(0))},
        {"Report-Msgid-Bugs-To", ""},
        {"POT-Creation-Date", ""},
        {"PO-Revision-Date", ""},
        {"Last-Translator", ""},
        {"Language-Team", ""},
        {"Language", ""},
        {"MIME-Version", "1.0"},
        {"Content-Type", "text/plain; charset=UTF-8"},
        {"Content-Transfer-Encoding", "8bit"},
        {"X-Generator", std::string("pagewright-clip ") + PAGEWRIGHT_VERSION},
    };
    std::vector<std::pair<std::string, std::string>> written;
    for (const TEXTGROUP& group : game->groups) {
        std::vector<std::string> left_out;
        const POFILE po = TEXTSPOFILE(group.texts, *codepage, header, left_out);
        for (const std::string& place : left_out) {
            WARN(group.source->path + ": " + place + " is no text of code page " +
                 std::to_string(codepage->NUMBER()) + "; it is left out");
        }
        if (!po.messages.empty()) written.emplace_back(group.po, WRITEPO(po));
    }
    std::error_code error;
    std::filesystem::create_directories(out, error);
    if (error) return REPORTFAILURE(CANNOTWRITE(out, error.message()));
    for (const auto& [name, bytes] : written) {
        const std::string path = (std::filesystem::path(out) / name).string();
        if (WRITEOUTPUT(path.c_str(), bytes) != 0) return 1;
    }
    return 0;
}

} // namespace PAGEWRIGHT
