#include "codepage_choice.h"

#include "alternatives.h"
#include "codepage_detection.h"
#include "files.h"
#include "game_ini.h"
#include "game_texts.h"
#include "messages.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

namespace PAGEWRIGHT {

namespace {

// No RPG_RT.ini is larger; the key is looked for in the first bytes of one
// that is.
constexpr std::size_t MOSTINIBYTES = std::size_t{1} << 20;
constexpr std::size_t MOSTSAMPLEDMAPS = 16;

// A map that cannot be read tells nothing here; the command that reads it
// says why.
void ADDMAPTEXTS(const std::string& path, GAMETEXTS& texts) {
    std::string bytes;
    std::string reason;
    if (!READINPUT(path.c_str(), MAXGAMEFILEBYTES, bytes, reason)) return;
    try {
        texts.ADD(GAMEFILE(std::move(bytes)));
    } catch (const GAMEFILEERROR&) {
    }
}

// Of a game's maps, a few spread over them all in number order, as many as
// the sample takes: reading every map of a large game would take longer than
// what a command does with it.
CODEPAGEFINDING GAMEFINDING(const GAME& game) {
    GAMETEXTS texts;
    if (game.tree) texts.ADD(*game.tree);
    texts.ADD(game.database);
    const std::map<std::int32_t, std::string>& maps = game.folder.MAPPATHS();
    const std::size_t step =
        std::max<std::size_t>(1, (maps.size() + MOSTSAMPLEDMAPS - 1) / MOSTSAMPLEDMAPS);
    std::size_t index = 0;
    for (const auto& map : maps) {
        if (texts.FULL()) break;
        if (index++ % step == 0) ADDMAPTEXTS(map.second, texts);
    }
    std::optional<std::uint32_t> ini;
    if (const std::optional<std::string> path = game.folder.PATHOF(GAMEINIFILENAME)) {
        std::string bytes;
        std::string reason;
        if (READINPUT(path->c_str(), MOSTINIBYTES, bytes, reason)) ini = INICODEPAGE(bytes);
    }
    return DETECTCODEPAGE(texts.VIEWS(), ini);
}

} // namespace

std::string CODEPAGELIST() {
    return ALTERNATIVES(CODEPAGES, [](std::uint32_t number) { return std::to_string(number); });
}

CODEPAGECHOICE CHOOSECODEPAGE(const ARGUMENTS& arguments, const GAME* game) {
    const char* option = arguments.VALUE("--codepage");
    const char* variable = std::getenv("PAGEWRIGHT_CODEPAGE");
    const char* given = option ? option : variable && *variable ? variable : nullptr;
    CODEPAGEFINDING finding{SYSTEMCODEPAGE(), "the system's default"};
    if (given) {
        char* end = nullptr;
        const unsigned long parsed = std::strtoul(given, &end, 10);
        finding.number =
            *end == '\0' && parsed <= UINT32_MAX ? static_cast<std::uint32_t>(parsed) : 0;
        finding.reason = option ? "given by --codepage" : "given by PAGEWRIGHT_CODEPAGE";
    } else if (game) {
        finding = GAMEFINDING(*game);
    }
    CODEPAGECHOICE choice{CODEPAGE::OPEN(finding.number), finding.reason};
    if (!choice.codepage) {
        const char* source = option  ? "--codepage"
                             : given ? "PAGEWRIGHT_CODEPAGE"
                             : game  ? "the game"
                                     : "the system";
        REPORTFAILURE(std::string(source) + ": " +
                      (given ? given : std::to_string(finding.number)) +
                      " is not a supported code page (" + CODEPAGELIST() + ")");
    } else if (arguments.SWITCH("--verbose")) {
        std::fprintf(stderr, "pagewright-clip: code page %u, %s\n",
                     static_cast<unsigned>(finding.number), finding.reason.c_str());
    }
    return choice;
}

std::unique_ptr<CODEPAGE> CHOSENCODEPAGE(const ARGUMENTS& arguments) {
    return CHOOSECODEPAGE(arguments, nullptr).codepage;
}

} // namespace PAGEWRIGHT
