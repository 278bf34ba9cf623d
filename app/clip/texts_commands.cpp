// The commands that carry a game's texts out to PO files, for translators,
// and their translations back into the game.
#include "codepage_choice.h"
#include "commands.h"
#include "file_replace.h"
#include "files.h"
#include "game_put.h"
#include "game_source.h"
#include "messages.h"
#include "name_text.h"
#include "translations.h"
#include "version.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// A file of the game read for its texts: its path, its bytes as read, and
// the game file they are, or null for the map tree.
struct TEXTSOURCE {
    std::string path;
    BYTEVIEW bytes;
    const GAMEFILE* file;
};

// The texts of one PO file, in the file that holds them.
struct TEXTGROUP {
    std::string po;
    const TEXTSOURCE* source;
    std::vector<PLAYERTEXT> texts;
};

// The game's files and their texts by PO file, made in place: the texts and
// sources point into the files.
struct TRANSLATABLEGAME {
    GAME game;
    std::vector<std::unique_ptr<GAMEFILE>> maps;
    std::vector<std::unique_ptr<TEXTSOURCE>> sources;
    std::vector<TEXTGROUP> groups;
};

const TEXTSOURCE* ADDSOURCE(TRANSLATABLEGAME& texts, std::string path, BYTEVIEW bytes,
                            const GAMEFILE* file) {
    texts.sources.push_back(std::make_unique<TEXTSOURCE>(TEXTSOURCE{std::move(path), bytes, file}));
    return texts.sources.back().get();
}

// The game's texts, or nothing after saying why a file cannot be read.
std::unique_ptr<TRANSLATABLEGAME> READTEXTS(GAME game) {
    auto texts = std::make_unique<TRANSLATABLEGAME>(TRANSLATABLEGAME{std::move(game), {}, {}, {}});
    const GAMEFILE& database = texts->game.database;
    std::string path = *texts->game.folder.DATABASEPATH();
    try {
        const TEXTSOURCE* source = ADDSOURCE(*texts, path, database.BYTES(), &database);
        texts->groups.push_back({FIELDSPOFILE, source, FIELDTEXTS(database)});
        texts->groups.push_back(
            {COMMONPOFILE, source, EVENTTEXTS(database, ENTRYKIND::COMMONEVENT, 0)});
        texts->groups.push_back({BATTLEPOFILE, source, EVENTTEXTS(database, ENTRYKIND::TROOP, 0)});
        if (texts->game.tree) {
            path = *texts->game.folder.MAPTREEPATH();
            source = ADDSOURCE(*texts, path, texts->game.tree->BYTES(), nullptr);
            texts->groups.push_back({MAPTREEPOFILE, source, MAPNAMETEXTS(*texts->game.tree)});
        }
        for (const auto& [number, map_path] : texts->game.folder.MAPPATHS()) {
            path = map_path;
            std::optional<GAMEFILE> map = READGAMEFILE(map_path, GAMEFILEKIND::MAP);
            if (!map) return nullptr;
            texts->maps.push_back(std::make_unique<GAMEFILE>(std::move(*map)));
            const GAMEFILE& file = *texts->maps.back();
            source = ADDSOURCE(*texts, map_path, file.BYTES(), &file);
            texts->groups.push_back(
                {MAPPOFILE(number), source, EVENTTEXTS(file, ENTRYKIND::MAPEVENT, number)});
        }
    } catch (const GAMEFILEERROR& fault) {
        REPORTFAILURE(path + ": " + GAMEFILEREFUSAL(fault));
        return nullptr;
    }
    return texts;
}

std::string FOLDERNAME(const std::string& folder) {
    std::filesystem::path path = std::filesystem::absolute(folder).lexically_normal();
    if (path.filename().empty()) path = path.parent_path();
    return path.filename().string();
}

// What the game's translations are named after: its title, as the map
// tree's root holds it, else its folder's name. A header field is one line:
// control characters become spaces.
std::string TITLEOF(const GAME& game, const CODEPAGE& codepage) {
    std::optional<std::string> title;
    if (const MAPENTRY* root = game.tree ? game.tree->ENTRYOF(0) : nullptr) {
        title = TEXTOFNAME(game.tree->BYTESOF(root->name), codepage);
    }
    if (!title || title->empty()) title = FOLDERNAME(game.path);
    for (char& character : *title) {
        if (static_cast<unsigned char>(character) < ' ') character = ' ';
    }
    return *title;
}

void WARN(const std::string& what) {
    std::fprintf(stderr, "pagewright-clip: warning: %s\n", what.c_str());
}

// The PO files of DIR that a game's translation holds, by the names they
// are laid out under, or nothing after saying why one cannot be read.
using POFILES = std::map<std::string, std::unique_ptr<TRANSLATIONS>>;

std::optional<POFILES> READPOFILES(const std::string& folder_path, const TRANSLATABLEGAME& game) {
    std::error_code error;
    const std::optional<GAMEFOLDER> folder = GAMEFOLDER::READ(folder_path, error);
    if (!folder) {
        REPORTFAILURE(CANNOTREAD(folder_path, error.message()));
        return std::nullopt;
    }
    POFILES files;
    for (const TEXTGROUP& group : game.groups) {
        const std::optional<std::string> path = folder->PATHOF(group.po);
        if (!path || files.count(group.po)) continue;
        std::string bytes;
        std::string reason;
        if (!READINPUT(path->c_str(), MAXPOBYTES, bytes, reason)) {
            REPORTFAILURE(CANNOTREAD(*path, reason));
            return std::nullopt;
        }
        if (bytes.size() > MAXPOBYTES) {
            REPORTFAILURE(CANNOTREAD(*path, "larger than any game's translation"));
            return std::nullopt;
        }
        try {
            files.emplace(group.po, std::make_unique<TRANSLATIONS>(*path, bytes));
        } catch (const POERROR& refusal) {
            REPORTFAILURE(*path + ":" + refusal.what());
            return std::nullopt;
        }
    }
    if (files.empty()) {
        REPORTFAILURE(folder_path + " holds no PO file of a game's texts (" + FIELDSPOFILE + ", " +
                      COMMONPOFILE + ", " + BATTLEPOFILE + ", " + MAPTREEPOFILE +
                      " or MapNNNN.po)");
        return std::nullopt;
    }
    return files;
}

// The PO files of the folder for maps, or a map tree, that the game does not
// have, whose entries therefore match nothing.
std::vector<std::string> STRAYFILES(const std::string& folder_path, const TRANSLATABLEGAME& game) {
    constexpr std::string_view SUFFIX = ".po";
    std::vector<std::string> stray;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder_path, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= SUFFIX.size() ||
            !SAMEIGNORINGCASE(std::string_view(name).substr(name.size() - SUFFIX.size()), SUFFIX)) {
            continue;
        }
        const std::string stem = name.substr(0, name.size() - SUFFIX.size());
        const std::optional<std::int32_t> map = MAPNUMBEROFFILE(stem + ".lmu");
        const bool lacked = map ? game.game.folder.MAPPATHS().count(*map) == 0
                                : !game.game.tree && SAMEIGNORINGCASE(name, MAPTREEPOFILE);
        if (!lacked) continue;
        stray.push_back(entry->path().string() + ": the game has no " +
                        (map ? stem + ".lmu" : MAPTREEFILENAME) + "; no entry of it matches");
    }
    return stray;
}

TRANSLATIONS* FOUND(POFILES& files, const std::string& name) {
    const auto found = files.find(name);
    return found == files.end() ? nullptr : found->second.get();
}

// The game files that take translations, with their new bytes, or nothing
// after saying what keeps the translations out: every error, in the order of
// the files, before anything is written.
std::optional<std::map<const TEXTSOURCE*, BYTESTRING>>
TRANSLATEDFILES(const TRANSLATABLEGAME& game, POFILES& files, const CODEPAGE& codepage) {
    TRANSLATIONS* fields = FOUND(files, FIELDSPOFILE);
    std::map<const TEXTSOURCE*, TRANSLATED> translated;
    for (const TEXTGROUP& group : game.groups) {
        TRANSLATIONS* own = FOUND(files, group.po);
        TRANSLATE(group.source->bytes, group.texts, own, own == fields ? nullptr : fields, codepage,
                  translated[group.source]);
    }
    bool refused = false;
    std::map<const TEXTSOURCE*, BYTESTRING> changed;
    for (const std::unique_ptr<TEXTSOURCE>& held : game.sources) {
        const TEXTSOURCE* source = held.get();
        TRANSLATED& result = translated[source];
        for (const std::string& error : result.errors)
            REPORTFAILURE(error);
        for (const std::string& warning : result.warnings)
            WARN(warning);
        refused = refused || !result.errors.empty();
        if (refused || result.edits.empty()) continue;
        if (source->file) {
            std::int32_t before = 0;
            try {
                if (std::optional<EDIT> raised = RAISESAVECOUNTER(*source->file, before)) {
                    result.edits.push_back(std::move(*raised));
                }
            } catch (const GAMEFILEERROR&) {
                // A system record that cannot be read keeps its counter as it is.
            }
        }
        std::optional<BYTESTRING> bytes = APPLYEDITS(source->bytes, result.edits);
        try {
            if (bytes && source->file) GAMEFILE check(*bytes);
            if (bytes && !source->file) MAPTREE check(*bytes);
        } catch (const GAMEFILEERROR&) {
            bytes.reset();
        }
        if (!bytes) {
            REPORTFAILURE(source->path + ": the translations cannot be written into it");
            refused = true;
            continue;
        }
        changed.emplace(source, std::move(*bytes));
    }
    if (refused) return std::nullopt;
    return changed;
}

// Where the translated game goes: NEWGAME, else a new folder beside the game
// named after the PO files' folder ("Game (German)").
std::string TARGETOF(const ARGUMENTS& arguments) {
    if (const char* target = arguments.VALUE("-o")) return target;
    const std::filesystem::path game =
        std::filesystem::absolute(arguments.PLAIN(0)).lexically_normal();
    const std::filesystem::path parent =
        game.filename().empty() ? game.parent_path().parent_path() : game.parent_path();
    return (parent / (FOLDERNAME(arguments.PLAIN(0)) + " (" + FOLDERNAME(arguments.PLAIN(1)) + ")"))
        .string();
}

bool SAMEFOLDER(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

// In place, each changed file is replaced so that nothing is lost, its old
// bytes kept as NAME.bak; into another folder, every file of the game's
// events is written, changed or not.
int WRITETRANSLATED(const TRANSLATABLEGAME& game,
                    const std::map<const TEXTSOURCE*, BYTESTRING>& changed,
                    const std::string& game_path, const std::string& target) {
    if (SAMEFOLDER(game_path, target)) {
        // In the game's order, so that what one failure leaves translated is
        // said and the same each time.
        std::string replaced;
        for (const auto& held : game.sources) {
            const auto found = changed.find(held.get());
            if (found == changed.end()) continue;
            const std::string& path = held->path;
            const std::optional<REPLACEFAILURE> failure =
                REPLACEFILE(path, held->bytes, found->second, true);
            if (!failure) {
                replaced += (replaced.empty() ? "" : ", ") + path;
                continue;
            }
            std::string refusal = REPLACEREFUSAL(*failure, path);
            if (!replaced.empty()) {
                refusal += "; translated before it, each old file kept as NAME.bak: " + replaced;
            }
            return REPORTFAILURE(refusal);
        }
        return 0;
    }
    std::error_code error;
    std::filesystem::create_directories(target, error);
    if (error) return REPORTFAILURE(CANNOTWRITE(target, error.message()));
    const auto into = [&](const std::string& path) {
        return (std::filesystem::path(target) / std::filesystem::path(path).filename()).string();
    };
    for (const auto& source : game.sources) {
        const auto found = changed.find(source.get());
        const BYTEVIEW bytes = found == changed.end() ? source->bytes : found->second;
        if (WRITEOUTPUT(into(source->path).c_str(), bytes) != 0) return 1;
    }
    const std::optional<std::string> ini = game.game.folder.PATHOF(GAMEINIFILENAME);
    if (!ini) return 0;
    std::string bytes;
    std::string reason;
    if (!READINPUT(ini->c_str(), MAXGAMEFILEBYTES, bytes, reason)) {
        return REPORTFAILURE(CANNOTREAD(*ini, reason));
    }
    return WRITEOUTPUT(into(*ini).c_str(), bytes);
}

} // namespace

// Every translation is checked before anything is written.
int IMPORTTEXTSCOMMAND(const ARGUMENTS& arguments) {
    const std::string game_path = arguments.PLAIN(0);
    std::optional<GAME> read = READGAME(game_path);
    if (!read) return 1;
    const std::unique_ptr<CODEPAGE> codepage = CHOOSECODEPAGE(arguments, &*read).codepage;
    if (!codepage) return 1;
    const std::unique_ptr<TRANSLATABLEGAME> game = READTEXTS(std::move(*read));
    if (!game) return 1;
    std::optional<POFILES> files = READPOFILES(arguments.PLAIN(1), *game);
    if (!files) return 1;
    const std::optional<std::map<const TEXTSOURCE*, BYTESTRING>> changed =
        TRANSLATEDFILES(*game, *files, *codepage);
    if (!changed) return 1;
    const std::string target = TARGETOF(arguments);
    if (!arguments.VALUE("-o") && std::filesystem::exists(target)) {
        return REPORTFAILURE(target + " exists; -o \"" + target + "\" writes into it");
    }
    if (WRITETRANSLATED(*game, *changed, game_path, target) != 0) return 1;
    for (const auto& [name, file] : *files) {
        for (const std::string& unmatched : file->UNMATCHED())
            WARN(unmatched);
    }
    for (const std::string& stray : STRAYFILES(arguments.PLAIN(1), *game))
        WARN(stray);
    std::printf("%zu %s translated into %s\n", changed->size(),
                changed->size() == 1 ? "file" : "files", target.c_str());
    return 0;
}

// Every PO file is made before the first is written, so that a game file
// that cannot be read leaves none written.
int EXPORTTEXTSCOMMAND(const ARGUMENTS& arguments) {
    const char* out = arguments.VALUE("-o");
    std::optional<GAME> read = READGAME(arguments.PLAIN(0));
    if (!read) return 1;
    const std::unique_ptr<CODEPAGE> codepage = CHOOSECODEPAGE(arguments, &*read).codepage;
    if (!codepage) return 1;
    const std::unique_ptr<TRANSLATABLEGAME> game = READTEXTS(std::move(*read));
    if (!game) return 1;
    const std::vector<POHEADERFIELD> header = {
        {"Project-Id-Version", TITLEOF(game->game, *codepage)},
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
