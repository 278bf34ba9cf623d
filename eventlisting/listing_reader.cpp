#include "command_lines.h"
#include "command_table.h"
#include "event_listing.h"
#include "listing_lines.h"
#include "listing_text.h"
#include "message_width.h"
#include "record_lines.h"

#include <algorithm>
#include <utility>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Whether an opener starts a block that must be closed: a battle, shop or inn
// only does when it branches on its outcome.
bool OPENSCLOSEDBLOCK(const COMMANDVALUE& opener) {
    const auto parameter = [&](std::size_t i) {
        return i < opener.parameters.size() ? opener.parameters[i] : 0;
    };
    switch (opener.code) {
    case STARTBATTLE:
        return parameter(3) == 2 || parameter(4) == 1;
    case OPENSHOP:
    case SHOWINN:
        return parameter(2) == 1;
    default:
        return true;
    }
}

// Records that the reader adds one at a time go into a block that doubles
// when full, so that n of them cost O(n) copying; its spare elements hold the
// defaults, as a record array's may.
template <typename RECORD> RECORD& GROW(RECORD*& records, std::int32_t& count, std::int32_t& room) {
    if (count == room) {
        const std::int32_t larger = std::max(2 * room, 8);
        records = static_cast<RECORD*>(
            RESIZEOBJECTARRAY(records, static_cast<OBJECTTYPE>(RECORD{}.type), room, larger));
        room = larger;
    }
    return records[count++];
}

class LISTINGREADER {
public:
    LISTINGREADER(const CODEPAGE& codepage, LISTEDEVENT& listed)
        : codepage_(codepage), listed_(listed), event_(*listed.tree) {}

    void LINE(std::string_view line, std::size_t number) {
        number_ = number;
        std::int32_t indent = 0;
        const std::string_view rest = TAKEINDENTATION(line, number, indent);
        if (rest.empty()) {
            box_lines_ = 0;
            return;
        }
        if (RECORDOF(rest)) {
            box_lines_ = 0;
            if (rest.size() != line.size()) REJECT("a record line is not indented");
            RECORDLINE(rest);
        } else if (ISCOMMANDLINE(rest)) {
            box_lines_ = 0;
            COMMANDLINE(rest, indent);
        } else if (rest.substr(0, RECORDMARK.size()) == RECORDMARK) {
            REJECT("unknown record line \"" + std::string(rest.substr(0, rest.find(' '))) + "\"");
        } else {
            DIALOGUE(rest, indent);
        }
    }

    void END() { FINISHPAGE(); }

private:
    [[noreturn]] void REJECT(const std::string& what) const { throw LISTINGERROR(number_, what); }

    void WARN(std::size_t line, const std::string& what) {
        listed_.warnings.push_back({line, what});
    }

    void CHECK(const std::optional<std::string>& fault) const {
        if (fault) REJECT(*fault);
    }

    // A listing without record lines holds bare event commands: one page
    // numbered 1 with a default condition.
    EVENTPAGE& CURRENTPAGE() {
        if (event_.page_count == 0) {
            if (records_) REJECT("a command stands before the first #page line");
            EVENTPAGE& page = NEWPAGE();
            page.number = 1;
            page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
        }
        return event_.pages[event_.page_count - 1];
    }

    EVENTPAGE& NEWPAGE() {
        FINISHPAGE();
        command_room_ = 0;
        return GROW(event_.pages, event_.page_count, page_room_);
    }

    void RECORDLINE(std::string_view line) {
        switch (*RECORDOF(line)) {
        case RECORDWORD::EVENT:
            if (records_ || event_.page_count > 0) REJECT("#event stands after other records");
            records_ = true;
            CHECK(READEVENTLINE(line, codepage_, event_));
            break;
        case RECORDWORD::KEPTCHUNKS:
            if (!records_ || event_.page_count > 0 || event_.extra_chunks) {
                REJECT("#extra_chunks stands elsewhere than after #event");
            }
            event_.extra_chunks = new EXTRACHUNKS;
            CHECK(READKEPTCHUNKSLINE(line, *event_.extra_chunks));
            break;
        case RECORDWORD::PAGE:
            if (!records_) REJECT("#page stands before #event");
            CHECK(READPAGELINE(line, codepage_, NEWPAGE()));
            break;
        case RECORDWORD::CONDITION:
            RECORDOFPAGE(line, &EVENTPAGE::condition, READCONDITIONLINE);
            break;
        case RECORDWORD::ROUTE:
            RECORDOFPAGE(line, &EVENTPAGE::move_route, READROUTELINE);
            break;
        }
    }

    template <typename RECORD, typename READER>
    void RECORDOFPAGE(std::string_view line, RECORD* EVENTPAGE::*member, READER read) {
        if (event_.page_count == 0 || event_.pages[event_.page_count - 1].command_count > 0) {
            REJECT("a page's own record stands elsewhere than after its #page line");
        }
        RECORD*& record = event_.pages[event_.page_count - 1].*member;
        if (record) REJECT("the page has this record already");
        record = static_cast<RECORD*>(CREATEOBJECT(static_cast<OBJECTTYPE>(RECORD{}.type)));
        CHECK(read(line, codepage_, *record));
    }

    void COMMANDLINE(std::string_view line, std::int32_t indent) {
        CURRENTPAGE();
        COMMANDVALUE command;
        command.indent = indent;
        const LINEPLACE place{has_previous_ ? &previous_ : nullptr, blocks_};
        CHECK(READCOMMANDLINE(line, place, codepage_, command));
        ADD(std::move(command));
    }

    // Each line of text is a line of a message box, which holds four: a
    // longer paragraph goes on in a new box.
    void DIALOGUE(std::string_view text, std::int32_t indent) {
        CURRENTPAGE();
        COMMANDVALUE command;
        command.indent = indent;
        command.text = BYTESOFTEXT(text, codepage_);
        const bool same_box = box_lines_ > 0 && box_indent_ == indent;
        if (same_box && box_lines_ == MESSAGELINES) {
            WARN(number_, "a message box shows " + std::to_string(MESSAGELINES) +
                              " lines; this one begins another box");
        }
        const bool continues = same_box && box_lines_ < MESSAGELINES;
        command.code = continues ? MESSAGELINE : SHOWMESSAGE;
        box_lines_ = continues ? box_lines_ + 1 : 1;
        box_indent_ = indent;
        const std::size_t most = face_ ? MESSAGEWIDTHBESIDEFACE : MESSAGEWIDTH;
        const std::size_t width = MESSAGETEXTWIDTH(text);
        if (width > most) {
            WARN(number_, "the line is " + std::to_string(width) +
                              " characters wide; a message box " + "shows " + std::to_string(most) +
                              (face_ ? " beside a face" : ""));
        }
        ADD(std::move(command));
    }

    void ADD(COMMANDVALUE command) {
        if (command.code == SELECTFACE) face_ = !command.text.empty();
        CHECKSTRUCTURE(command);
        EVENTPAGE& page = event_.pages[event_.page_count - 1];
        FILLCOMMAND(GROW(page.commands, page.command_count, command_room_), command);
        previous_ = std::move(command);
        has_previous_ = true;
    }

    // What the editor never makes: a block's part that does not end with its
    // empty command, and a block without the command that closes it.
    void CHECKSTRUCTURE(const COMMANDVALUE& command) {
        const BLOCKROLE role = BLOCKROLEOF(command.code);
        if ((role == BLOCKROLE::DIVIDES || role == BLOCKROLE::CLOSES) &&
            (!has_previous_ || previous_.code != EMPTYCOMMAND ||
             previous_.indent != command.indent + 1)) {
            WARN(number_, "the block's part before this line does not end with its empty "
                          "command \"<>\"");
        }
        const bool must_close = role == BLOCKROLE::OPENS && OPENSCLOSEDBLOCK(command);
        for (const OPENBLOCK& left :
             blocks_.ADVANCE(command.code, command.indent, number_, must_close))
            CHECKCLOSED(left);
    }

    void CHECKCLOSED(const OPENBLOCK& block) {
        if (!block.closed && block.must_close) {
            WARN(block.line, "the block this line opens is not closed by its \": End\"");
        }
    }

    void FINISHPAGE() {
        for (const OPENBLOCK& left : blocks_.END())
            CHECKCLOSED(left);
        box_lines_ = 0;
        face_ = false;
        has_previous_ = false;
    }

    const CODEPAGE& codepage_;
    LISTEDEVENT& listed_;
    EVENT& event_;
    std::size_t number_ = 0;
    bool records_ = false;
    std::int32_t page_room_ = 0;
    std::int32_t command_room_ = 0;
    COMMANDVALUE previous_;
    bool has_previous_ = false;
    BLOCKSTACK blocks_;
    std::size_t box_lines_ = 0;
    std::int32_t box_indent_ = 0;
    bool face_ = false;
};

} // namespace

LISTEDEVENT READLISTING(std::string_view text, const CODEPAGE& codepage) {
    if (text.size() > MAXLISTINGBYTES) {
        throw LISTINGERROR(1, "larger than " + std::to_string(MAXLISTINGBYTES >> 20) + " MiB");
    }
    LISTEDEVENT listed{
        CB_EVENTCOMMANDS, EVENTTREE(static_cast<EVENT*>(CREATEOBJECT(OT_EVENT))), {}};
    LISTINGREADER reader(codepage, listed);
    std::size_t number = 0;
    bool first = true;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        ++number;
        if (ISNOTE(line)) continue;
        try {
            if (std::exchange(first, false)) {
                if (const auto format = FORMATOFHEAD(line, number)) {
                    listed.format = *format;
                    continue;
                }
            }
            reader.LINE(line, number);
        } catch (const TEXTFAULT& fault) {
            throw LISTINGERROR(number, fault.what());
        }
    }
    reader.END();
    return listed;
}

} // namespace PAGEWRIGHT
