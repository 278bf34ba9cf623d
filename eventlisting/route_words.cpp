#include "route_words.h"

#include "event_codes.h"
#include "id_words.h"

#include <algorithm>
#include <iterator>

namespace PAGEWRIGHT {
namespace {

// The steps that carry only their code, by code.
constexpr const char* PLAINSTEPS[] = {
    "Move Up",
    "Move Right",
    "Move Down",
    "Move Left",
    "Move Upper Right",
    "Move Lower Right",
    "Move Lower Left",
    "Move Upper Left",
    "Move Randomly",
    "Move Toward Hero",
    "Move Away from Hero",
    "Move Forward",
    "Face Up",
    "Face Right",
    "Face Down",
    "Face Left",
    "Turn Right",
    "Turn Left",
    "Turn Around",
    "Turn Right or Left",
    "Face Random Direction",
    "Face Hero",
    "Face Away from Hero",
    "Wait",
    "Begin Jump",
    "End Jump",
    "Lock Facing",
    "Unlock Facing",
    "Increase Speed",
    "Decrease Speed",
    "Increase Frequency",
    "Decrease Frequency",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "Phasing ON",
    "Phasing OFF",
    "Stop Animation",
    "Resume Animation",
    "Increase Transparency",
    "Decrease Transparency",
};
constexpr std::int32_t PLAINSTEPCODES = static_cast<std::int32_t>(std::size(PLAINSTEPS));

constexpr const char* SWITCHONWORDS = "Switch ON ";
constexpr const char* SWITCHOFFWORDS = "Switch OFF ";
constexpr const char* GRAPHICWORDS = "Change Graphic ";
constexpr const char* SOUNDWORDS = "Play SE ";
// A code that has no words of its own.
constexpr const char* OTHERSTEP = "Step @";
constexpr const char* SEPARATOR = ", ";
constexpr const char* NOSTEPS = "(no steps)";

std::string STEPTEXT(const STEPVALUE& step, const LINESETTINGS& settings) {
    switch (step.code) {
    case KESTREL::SWITCHON:
    case KESTREL::SWITCHOFF:
        return (step.code == KESTREL::SWITCHON ? SWITCHONWORDS : SWITCHOFFWORDS) +
               IDTEXT(IDKIND::SWITCH, step.number, settings.names);
    case KESTREL::CHANGEGRAPHIC:
        return GRAPHICWORDS + QUOTEDTEXT(step.name, settings.codepage) + " " +
               std::to_string(step.number);
    case KESTREL::PLAYSOUND:
        return SOUNDWORDS + QUOTEDTEXT(step.name, settings.codepage) + " " +
               std::to_string(step.volume) + " " + std::to_string(step.tempo) + " " +
               std::to_string(step.balance);
    default:
        if (step.code >= 0 && step.code < PLAINSTEPCODES && PLAINSTEPS[step.code]) {
            return PLAINSTEPS[step.code];
        }
        return OTHERSTEP + std::to_string(step.code);
    }
}

// The step's arguments after its words, as STEPTEXT writes them.
bool READARGUMENTS(CURSOR& cursor, STEPVALUE& step) {
    switch (step.code) {
    case KESTREL::SWITCHON:
    case KESTREL::SWITCHOFF:
        return READID(cursor, step.number);
    case KESTREL::CHANGEGRAPHIC:
        return cursor.QUOTED(step.name) && cursor.TAKE(" ") && cursor.INTEGER(step.number);
    case KESTREL::PLAYSOUND:
        return cursor.QUOTED(step.name) && cursor.TAKE(" ") && cursor.INTEGER(step.volume) &&
               cursor.TAKE(" ") && cursor.INTEGER(step.tempo) && cursor.TAKE(" ") &&
               cursor.INTEGER(step.balance);
    default:
        return true;
    }
}

// One step, which a separator or the line's end must follow. Longer words go
// first, so that a step is never read as the start of another's words.
bool READSTEP(CURSOR& cursor, STEPVALUE& step) {
    static const auto words = [] {
        std::vector<std::pair<std::string, std::int32_t>> all = {
            {SWITCHONWORDS, KESTREL::SWITCHON},
            {SWITCHOFFWORDS, KESTREL::SWITCHOFF},
            {GRAPHICWORDS, KESTREL::CHANGEGRAPHIC},
            {SOUNDWORDS, KESTREL::PLAYSOUND}};
        for (std::int32_t code = 0; code < PLAINSTEPCODES; ++code) {
            if (PLAINSTEPS[code]) all.emplace_back(PLAINSTEPS[code], code);
        }
        std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
            return a.first.size() > b.first.size();
        });
        return all;
    }();
    const std::size_t start = cursor.POSITION();
    for (const auto& [text, code] : words) {
        cursor.MOVETO(start);
        step = STEPVALUE{};
        step.code = code;
        if (cursor.TAKE(text) && READARGUMENTS(cursor, step) &&
            (cursor.END() || cursor.REST().substr(0, 2) == SEPARATOR)) {
            return true;
        }
    }
    cursor.MOVETO(start);
    step = STEPVALUE{};
    return cursor.TAKE(OTHERSTEP) && cursor.INTEGER(step.code) &&
           (cursor.END() || cursor.REST().substr(0, 2) == SEPARATOR);
}

} // namespace

std::string STEPSTEXT(const STEPS& steps, const LINESETTINGS& settings) {
    if (steps.empty()) return NOSTEPS;
    std::string text;
    for (const STEPVALUE& step : steps) {
        if (!text.empty()) text += SEPARATOR;
        text += STEPTEXT(step, settings);
    }
    return text;
}

bool READSTEPS(CURSOR& cursor, STEPS& steps) {
    steps.clear();
    if (cursor.TAKE(NOSTEPS)) return cursor.END();
    for (;;) {
        STEPVALUE step;
        if (!READSTEP(cursor, step)) return false;
        steps.push_back(std::move(step));
        if (cursor.END()) return true;
        cursor.TAKE(SEPARATOR);
    }
}

} // namespace PAGEWRIGHT
