#include "command_lines.h"

#include "command_forms.h"
#include "event_codes.h"
#include "nearest_form.h"
#include "route_words.h"

#include <algorithm>
#include <map>

namespace PAGEWRIGHT {
namespace {

constexpr std::string_view COMMANDMARK = "<>";
constexpr std::string_view CONTINUEDMARK = ":";
constexpr std::string_view FALLBACKMARK = "<>@";

// How far the forms' leading words are compared when candidates are picked.
constexpr std::size_t INDEXEDLEAD = 4;

bool STANDSHERE(const COMMANDFORM& form, std::int32_t indent, const LINEPLACE& place) {
    switch (form.place) {
    case PLACE::ANYWHERE:
        return true;
    case PLACE::AFTER:
        return place.previous && place.previous->indent == indent &&
               (place.previous->code == form.opener || place.previous->code == form.code);
    case PLACE::INBLOCK: {
        const OPENBLOCK* block = place.blocks.AT(indent);
        return block && block->opener == form.opener;
    }
    }
    return false;
}

int CASESHERE(std::int32_t indent, const LINEPLACE& place) {
    const OPENBLOCK* block = place.blocks.AT(indent);
    return block ? block->cases : 0;
}

// The forms whose lines begin as the text does, in the order of the table:
// of commands' own lines, or of continuing lines.
std::vector<const COMMANDFORM*> CANDIDATES(std::string_view text, bool continued) {
    static const auto index = [] {
        std::map<std::pair<bool, std::string>, std::vector<const COMMANDFORM*>> forms;
        for (const COMMANDFORM& form : COMMANDFORMS()) {
            const std::string& lead = form.pattern.LEAD();
            forms[{form.place != PLACE::ANYWHERE, lead.substr(0, INDEXEDLEAD)}].push_back(&form);
        }
        return forms;
    }();
    std::vector<const COMMANDFORM*> found;
    for (std::size_t length = 0; length <= std::min(INDEXEDLEAD, text.size()); ++length) {
        const auto bucket = index.find({continued, std::string(text.substr(0, length))});
        if (bucket == index.end()) continue;
        for (const COMMANDFORM* form : bucket->second) {
            if (text.substr(0, form->pattern.LEAD().size()) == form->pattern.LEAD()) {
                found.push_back(form);
            }
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string FALLBACKLINE(const COMMANDVALUE& command, const CODEPAGE& codepage) {
    std::string line = std::string(FALLBACKMARK) + std::to_string(command.code) + " " +
                       QUOTEDTEXT(command.text, codepage) + " [";
    for (std::size_t i = 0; i < command.parameters.size(); ++i)
        line += (i ? ", " : "") + std::to_string(command.parameters[i]);
    line += "]";
    if (command.steps) {
        const LINESETTINGS settings{codepage, nullptr, true, 0};
        line += std::string(STEPSLEAD) + STEPSTEXT(*command.steps, settings);
    }
    return line;
}

std::optional<std::string> READFALLBACK(CURSOR& cursor, COMMANDVALUE& command) {
    const std::optional<std::string> bad = "bad fallback parameters";
    if (!cursor.INTEGER(command.code) || !cursor.TAKE(" ") || !cursor.QUOTED(command.text) ||
        !cursor.TAKE(" [")) {
        return bad;
    }
    command.parameters.clear();
    for (bool first = true; !cursor.TAKE("]"); first = false) {
        std::int32_t value = 0;
        if ((!first && !cursor.TAKE(", ")) || !cursor.INTEGER(value)) return bad;
        command.parameters.push_back(value);
    }
    command.steps.reset();
    if (command.code == KESTREL::SETMOVEROUTE) {
        command.steps.emplace();
        if (cursor.TAKE(STEPSLEAD) && !READSTEPS(cursor, *command.steps)) return bad;
    }
    if (!cursor.END()) return bad;
    return std::nullopt;
}

// Whether one of the forms reads the line, wherever it stands.
bool READSWITHOUTPLACE(std::string_view text, bool continued, const CODEPAGE& codepage) {
    for (const COMMANDFORM* form : CANDIDATES(text, continued)) {
        CURSOR cursor(text, codepage);
        COMMANDVALUE ignored;
        if (form->pattern.READ(cursor, 0, ignored)) return true;
    }
    return false;
}

// Whether a line whose command's name is `name` names the form's command:
// whether the form's lines begin with it, in one of the ways their words can
// be chosen ("Conditional Branch (with Else)").
bool NAMESFORM(const std::string& name, const COMMANDFORM& form, const CODEPAGE& codepage) {
    if (form.pattern.LEAD().rfind(name, 0) == 0) return true;
    const LINESETTINGS settings{codepage, nullptr, false, 0};
    for (const COMMANDVALUE& sample : form.pattern.SAMPLES({})) {
        const std::optional<std::string> line = form.pattern.WRITE(sample, settings, false);
        if (line && line->rfind(name, 0) == 0) return true;
    }
    return false;
}

// Why no form reads the line.
std::string WHYUNREAD(std::string_view line, std::string_view text, bool continued,
                      const CODEPAGE& codepage) {
    if (std::count(line.begin(), line.end(), '"') % 2 != 0) return "a quote is not closed";
    std::size_t digits = 0;
    for (const char character : line) {
        digits = character >= '0' && character <= '9' ? digits + 1 : 0;
        if (digits > 10) return "a number is out of range";
    }
    if (READSWITHOUTPLACE(text, continued, codepage)) {
        return "\"" + std::string(line) + "\" stands outside the command or block it belongs to";
    }
    const std::string name(text.substr(0, text.find(':', continued ? 1 : 0)));
    std::vector<const COMMANDFORM*> forms;
    for (const COMMANDFORM* form : CANDIDATES(text, continued)) {
        if (NAMESFORM(name, *form, codepage)) forms.push_back(form);
    }
    if (forms.empty()) return "unknown command \"" + name + "\"";
    std::string why = "the parameters of \"" + name + "\" cannot be read";
    if (const std::optional<std::string> nearest = NEARESTLINE(text, forms, codepage)) {
        const std::string lead = name + ": ";
        why += "; expected, for example: ";
        why += nearest->rfind(lead, 0) == 0
                   ? nearest->substr(lead.size())
                   : (continued ? "" : std::string(COMMANDMARK)) + *nearest;
    }
    return why;
}

} // namespace

bool ISCOMMANDLINE(std::string_view line) {
    return line.substr(0, COMMANDMARK.size()) == COMMANDMARK ||
           line.substr(0, CONTINUEDMARK.size()) == CONTINUEDMARK;
}

std::string COMMANDLINE(const COMMANDVALUE& command, const LINEPLACE& place,
                        const CODEPAGE& codepage, const IDNAMES* names) {
    const IDNAMES* const namings[] = {names, nullptr};
    for (const bool with_tail : {false, true}) {
        for (const bool quote_texts : {false, true}) {
            for (const IDNAMES* naming : namings) {
                if (naming != names && !names) continue;
                const LINESETTINGS settings{codepage, naming, quote_texts,
                                            CASESHERE(command.indent, place)};
                for (const COMMANDFORM* form : FORMSOF(command.code)) {
                    if (!STANDSHERE(*form, command.indent, place)) continue;
                    const std::optional<std::string> text =
                        form->pattern.WRITE(command, settings, with_tail);
                    if (!text) continue;
                    const std::string line =
                        (form->place == PLACE::ANYWHERE ? std::string(COMMANDMARK) : "") + *text;
                    COMMANDVALUE back;
                    back.indent = command.indent;
                    if (!READCOMMANDLINE(line, place, codepage, back) && back == command) {
                        return line;
                    }
                }
            }
        }
    }
    return FALLBACKLINE(command, codepage);
}

std::optional<std::string> READCOMMANDLINE(std::string_view line, const LINEPLACE& place,
                                           const CODEPAGE& codepage, COMMANDVALUE& command) {
    if (line.substr(0, FALLBACKMARK.size()) == FALLBACKMARK) {
        CURSOR cursor(line.substr(FALLBACKMARK.size()), codepage);
        return READFALLBACK(cursor, command);
    }
    const bool continued = line.substr(0, COMMANDMARK.size()) != COMMANDMARK;
    const std::string_view text = continued ? line : line.substr(COMMANDMARK.size());
    for (const COMMANDFORM* form : CANDIDATES(text, continued)) {
        if (!STANDSHERE(*form, command.indent, place)) continue;
        CURSOR cursor(text, codepage);
        if (form->pattern.READ(cursor, CASESHERE(command.indent, place), command)) {
            command.code = form->code;
            return std::nullopt;
        }
    }
    return WHYUNREAD(line, text, continued, codepage);
}

} // namespace PAGEWRIGHT
