#include "command_table.h"
#include "command_walk.h"
#include "game_selector.h"
#include "message_width.h"
#include "player_texts.h"

#include <string>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

constexpr std::int32_t SHOWCHOICES = CODENAMED("ShowChoices");
constexpr std::int32_t CHOICECASE = CODENAMED("ChoiceCase");
constexpr std::int32_t CHOICESEND = CODENAMED("ChoicesEnd");
constexpr std::int32_t CHANGEHERONAME = CODENAMED("ChangeHeroName");
constexpr std::int32_t CHANGEHEROTITLE = CODENAMED("ChangeHeroTitle");
constexpr std::int32_t CONDITIONALBRANCH = CODENAMED("ConditionalBranch");
// A command of the patched engine that shows a text as a picture: its string
// is the text, the picture's graphic and more, each after this byte.
constexpr std::int32_t STRINGPICTURE = 3007;
constexpr char PICTUREPART = '\x01';
// A choice's branch of this index is taken when the player cancels: it
// shows no option.
constexpr std::int32_t CANCELBRANCH = 4;
// A branch on a hero (its first parameter) that compares the hero's name
// (its third).
constexpr std::int32_t HEROCONDITION = 5;
constexpr std::int32_t NAMECOMPARED = 1;

// Where a command list lies and what names it.
struct COMMANDLIST {
    std::vector<CHUNK> enclosing;
    CHUNK size;
    std::string selector;
};

class LISTTEXTS {
public:
    LISTTEXTS(const GAMEFILE& file, const COMMANDLIST& list, std::vector<PLAYERTEXT>& texts)
        : list_(list), texts_(texts) {
        COMMANDWALK walk(file.BYTES(), list.enclosing.back().PAYLOAD());
        for (WALKEDCOMMAND command; walk.NEXT(command);)
            commands_.push_back(command);
    }

    // A face shown stays for the boxes after it, in the order the list holds
    // them, as the editor previews them.
    void GATHER() {
        bool face = false;
        for (std::size_t index = 0; index < commands_.size(); ++index) {
            const WALKEDCOMMAND& command = commands_[index];
            if (command.code == SELECTFACE) {
                face = !command.string.empty();
            } else if (command.code == SHOWMESSAGE) {
                MESSAGE(index, face);
            } else if (command.code == SHOWCHOICES) {
                CHOICE(index, face);
            } else if (command.code == CHANGEHERONAME) {
                ONE(index, "actors.name", "a hero's new name");
            } else if (command.code == CHANGEHEROTITLE) {
                ONE(index, "actors.title", "a hero's new title");
            } else if (command.code == CONDITIONALBRANCH && command.parameter_count >= 3 &&
                       command.parameters[0] == HEROCONDITION &&
                       command.parameters[2] == NAMECOMPARED) {
                ONE(index, "actors.name", "a hero's name that a branch compares");
            } else if (command.code == STRINGPICTURE) {
                PICTURE(index);
            }
        }
    }

private:
    const COMMANDLIST& list_;
    std::vector<PLAYERTEXT>& texts_;
    std::vector<WALKEDCOMMAND> commands_;

    // Nothing for a text with no more than line ends, which needs no
    // translation.
    void ADD(PLAYERTEXT text, std::size_t index) {
        if (text.bytes.find_first_not_of('\n') == BYTESTRING::npos) return;
        text.place = list_.selector + ':' + std::to_string(index + 1);
        text.enclosing = list_.enclosing;
        text.size = list_.size;
        texts_.push_back(std::move(text));
    }

    static std::string LINES(std::size_t count, const char* one, const char* many) {
        return std::to_string(count) + ' ' + (count == 1 ? one : many);
    }

    // The lines of a box are the message lines right after it at its indent.
    void MESSAGE(std::size_t index, bool face) {
        PLAYERTEXT text;
        text.role = TEXTROLE::MESSAGE;
        const std::int32_t indent = commands_[index].indent;
        for (std::size_t line = index; line < commands_.size(); ++line) {
            const WALKEDCOMMAND& command = commands_[line];
            if (line > index && (command.code != MESSAGELINE || command.indent != indent)) break;
            if (line > index) text.bytes += '\n';
            text.bytes += command.string;
            text.commands.push_back(command.at);
        }
        FINISH(text, "a message of " + LINES(text.commands.size(), "line", "lines"), face);
        ADD(std::move(text), index);
    }

    // The options are the branches of the choice at its indent up to its end,
    // or up to another choice at its indent where a list lacks the end, so
    // that no option is two choices'.
    void CHOICE(std::size_t index, bool face) {
        PLAYERTEXT text;
        text.role = TEXTROLE::CHOICE;
        text.summary = commands_[index].at;
        const std::int32_t indent = commands_[index].indent;
        for (std::size_t at = index + 1; at < commands_.size(); ++at) {
            const WALKEDCOMMAND& command = commands_[at];
            const bool same_level = command.indent == indent;
            if (command.indent < indent ||
                (same_level && (command.code == CHOICESEND || command.code == SHOWCHOICES)))
                break;
            if (command.code != CHOICECASE || command.indent != indent ||
                command.parameters[0] == CANCELBRANCH)
                continue;
            if (!text.commands.empty()) text.bytes += '\n';
            text.bytes += command.string;
            text.commands.push_back(command.at);
        }
        if (text.commands.empty()) return;
        FINISH(text, "a choice of " + LINES(text.commands.size(), "option", "options"), face);
        ADD(std::move(text), index);
    }

    static void FINISH(PLAYERTEXT& text, std::string what, bool face) {
        text.width = face ? MESSAGEWIDTHBESIDEFACE : MESSAGEWIDTH;
        text.what = std::move(what) + (face ? " beside a face" : "");
    }

    void PICTURE(std::size_t index) {
        const BYTEVIEW string = commands_[index].string;
        const std::size_t end = string.find(PICTUREPART, 1);
        if (string.empty() || string[0] != PICTUREPART || end == BYTEVIEW::npos) return;
        PLAYERTEXT text;
        text.role = TEXTROLE::PICTURE;
        text.part = {1, static_cast<std::uint32_t>(end - 1)};
        for (const char byte : string.substr(1, end - 1)) {
            if (byte == '\n' && !text.bytes.empty() && text.bytes.back() == '\r') {
                text.bytes.back() = '\n';
            } else {
                text.bytes += byte;
            }
        }
        text.what = "a string picture's text";
        text.commands.push_back(commands_[index].at);
        ADD(std::move(text), index);
    }

    void ONE(std::size_t index, const char* context, const char* what) {
        PLAYERTEXT text;
        text.role = TEXTROLE::COMMAND;
        text.context.emplace(context);
        text.bytes = commands_[index].string;
        text.what = what;
        text.commands.push_back(commands_[index].at);
        ADD(std::move(text), index);
    }
};

void GATHER(const GAMEFILE& file, COMMANDLIST list, const COMMANDCHUNKS& commands,
            std::vector<PLAYERTEXT>& texts) {
    if (commands.list.id == ENDCHUNK) return;
    list.enclosing.push_back(commands.list);
    list.size = commands.size;
    LISTTEXTS(file, list, texts).GATHER();
}

} // namespace

std::vector<PLAYERTEXT> EVENTTEXTS(const GAMEFILE& file, ENTRYKIND kind, std::int32_t map) {
    std::vector<PLAYERTEXT> texts;
    const std::vector<CHUNK>& lists = file.LISTCHUNKS(EVENTLIST(kind));
    try {
        for (const GAMEENTRY& entry : file.ENTRIES()) {
            if (entry.kind != kind) continue;
            const ENTRYFACTS facts = file.FACTSOF(entry);
            SELECTOR selector{kind, map, entry.id, 0, true};
            if (kind == ENTRYKIND::COMMONEVENT) {
                GATHER(file, {lists, {}, SELECTORTEXT(selector)}, facts.commands, texts);
                continue;
            }
            std::vector<CHUNK> enclosing = lists;
            enclosing.push_back(facts.page_list);
            for (const GAMEPAGE& page : facts.pages) {
                selector.page = page.number;
                GATHER(file, {enclosing, {}, SELECTORTEXT(selector)}, page.commands, texts);
            }
        }
    } catch (const DATAERROR& error) {
        throw REFUSALOF(error);
    }
    return texts;
}

} // namespace PAGEWRIGHT
