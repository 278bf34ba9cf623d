#include "codec/chunk_reader.h"
#include "codec/encoding.h"
#include "command_table.h"
#include "message_width.h"
#include "name_text.h"
#include "text_key.h"
#include "translations.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// What a message says of an entry: its text's first line, cut short.
std::string EXCERPT(const std::string& text) {
    constexpr std::size_t MOST = 40;
    std::string line = text.substr(0, text.find('\n'));
    if (line.size() > MOST || line.size() < text.size()) {
        std::size_t cut = std::min(line.size(), MOST);
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        line = line.substr(0, cut) + "...";
    }
    return '"' + line + '"';
}

std::vector<std::string> LINESOF(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t begin = 0;;) {
        const std::size_t end = text.find('\n', begin);
        lines.push_back(text.substr(begin, end - begin));
        if (end == std::string::npos) return lines;
        begin = end + 1;
    }
}

// A command's string as a list holds it: its length, then its bytes.
BYTESTRING LENGTHED(BYTEVIEW bytes) {
    BYTESTRING out;
    APPENDDATACHUNK(out, bytes, WITHLENGTH, NOID);
    return out;
}

BYTEVIEW STRINGOF(BYTEVIEW file, const TEXTCOMMAND& command) {
    CHUNKREADER reader(file,
                       {static_cast<std::uint32_t>(command.text),
                        static_cast<std::uint32_t>(command.text_end - command.text)},
                       OVERRUN::DAMAGED);
    return reader.BYTES(reader.LENGTH());
}

std::string JOINED(const std::vector<BYTESTRING>& parts, std::string_view separator) {
    std::string joined;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        if (index) joined += separator;
        joined += parts[index];
    }
    return joined;
}

class TEXTWRITER {
public:
    TEXTWRITER(BYTEVIEW file, const CODEPAGE& codepage, TRANSLATED& translated)
        : file_(file), codepage_(codepage), translated_(translated) {}

    void WRITE(const PLAYERTEXT& text, const POENTRY& entry, const std::string& po) {
        where_ = po + ':' + std::to_string(entry.line) + ": ";
        entry_ = &entry;
        text_ = &text;
        const std::vector<std::string> lines = LINESOF(entry.msgstr);
        if ((text.role == TEXTROLE::FIELD || text.role == TEXTROLE::COMMAND) && lines.size() > 1) {
            REFUSE("holds " + std::to_string(lines.size()) + " lines; " + text.what + " holds one");
            return;
        }
        if (text.role == TEXTROLE::CHOICE && lines.size() != text.commands.size()) {
            REFUSE("has " + std::to_string(lines.size()) + " lines for the " +
                   std::to_string(text.commands.size()) + " options of the choice");
            return;
        }
        if (text.role == TEXTROLE::PICTURE && entry.msgstr.find('\x01') != std::string::npos) {
            REFUSE("holds the character that ends a string picture's text");
            return;
        }
        std::vector<BYTESTRING> encoded;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            std::uint32_t missing = 0;
            BYTESTRING bytes;
            if (!NAMEOFTEXT(lines[index], codepage_, bytes, missing)) {
                REFUSE("holds a character that cannot be written: " +
                       NOPLACEFOR(missing, codepage_));
                return;
            }
            WIDTHCHECK(lines[index], index);
            encoded.push_back(std::move(bytes));
        }
        switch (text.role) {
        case TEXTROLE::FIELD:
            EDITOF(text.enclosing.back().payload,
                   text.enclosing.back().payload + text.enclosing.back().length, encoded[0]);
            break;
        case TEXTROLE::COMMAND:
            EDITOF(text.commands[0].text, text.commands[0].text_end, LENGTHED(encoded[0]));
            break;
        case TEXTROLE::CHOICE:
            CHOICE(encoded);
            break;
        case TEXTROLE::MESSAGE:
            MESSAGE(encoded);
            break;
        case TEXTROLE::PICTURE:
            PICTURE(encoded);
            break;
        }
    }

private:
    BYTEVIEW file_;
    const CODEPAGE& codepage_;
    TRANSLATED& translated_;
    std::string where_;
    const POENTRY* entry_ = nullptr;
    const PLAYERTEXT* text_ = nullptr;

    void REFUSE(const std::string& what) {
        translated_.errors.push_back(where_ + "the translation of " + EXCERPT(entry_->msgid) +
                                     " (" + text_->place + ") " + what);
    }

    void WIDTHCHECK(const std::string& line, std::size_t index) {
        if (!text_->width) return;
        const std::size_t width = MESSAGETEXTWIDTH(line);
        if (width <= text_->width) return;
        const bool box = text_->role != TEXTROLE::FIELD;
        translated_.warnings.push_back(
            where_ + text_->place + ": line " + std::to_string(index + 1) + " is " +
            std::to_string(width) + " columns wide; " +
            (box ? "a message box shows " : "its window shows ") + std::to_string(text_->width) +
            (text_->width == MESSAGEWIDTHBESIDEFACE && box ? " beside a face" : ""));
    }

    // A translation that says what the file holds already is no change, so
    // that a file whose texts all stand as they were keeps its save counter.
    void EDITOF(std::int64_t begin, std::int64_t end, BYTESTRING bytes) {
        if (file_.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)) ==
            bytes)
            return;
        translated_.edits.push_back({begin, end, std::move(bytes), text_->enclosing, text_->size});
    }

    // The editor sums the options up as they stand joined by one of these;
    // a summary of its own making stays as it is.
    void CHOICE(const std::vector<BYTESTRING>& options) {
        std::vector<BYTESTRING> original;
        for (const TEXTCOMMAND& option : text_->commands) {
            original.emplace_back(STRINGOF(file_, option));
        }
        for (std::size_t index = 0; index < options.size(); ++index) {
            const TEXTCOMMAND& option = text_->commands[index];
            EDITOF(option.text, option.text_end, LENGTHED(options[index]));
        }
        const BYTEVIEW summary = STRINGOF(file_, *text_->summary);
        for (const std::string_view separator : {"/", ", "}) {
            if (summary != JOINED(original, separator)) continue;
            EDITOF(text_->summary->text, text_->summary->text_end,
                   LENGTHED(JOINED(options, separator)));
            return;
        }
    }

    void PICTURE(const std::vector<BYTESTRING>& lines) {
        const TEXTCOMMAND& command = text_->commands[0];
        const BYTEVIEW string = STRINGOF(file_, command);
        const BYTESTRING bytes = BYTESTRING(string.substr(0, text_->part.offset)) +
                                 JOINED(lines, "\r\n") +
                                 BYTESTRING(string.substr(text_->part.offset + text_->part.size));
        EDITOF(command.text, command.text_end, LENGTHED(bytes));
    }

    // Each line keeps its command where the box had one; the lines beyond
    // go on in boxes of their own, which show the same face and options.
    void MESSAGE(const std::vector<BYTESTRING>& lines) {
        const std::vector<TEXTCOMMAND>& commands = text_->commands;
        const TEXTCOMMAND& first = commands.front();
        const BYTEVIEW indent = file_.substr(static_cast<std::size_t>(first.indent),
                                             static_cast<std::size_t>(first.text - first.indent));
        BYTESTRING bytes;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            if (index < commands.size()) {
                const TEXTCOMMAND& line = commands[index];
                bytes += file_.substr(static_cast<std::size_t>(line.start),
                                      static_cast<std::size_t>(line.text - line.start));
                bytes += LENGTHED(lines[index]);
                bytes += file_.substr(static_cast<std::size_t>(line.text_end),
                                      static_cast<std::size_t>(line.end - line.text_end));
                continue;
            }
            APPENDNUMBER(bytes, index % MESSAGELINES == 0 ? SHOWMESSAGE : MESSAGELINE);
            bytes += indent;
            bytes += LENGTHED(lines[index]);
            APPENDNUMBER(bytes, 0);
        }
        EDITOF(first.start, commands.back().end, std::move(bytes));
    }
};

} // namespace

TRANSLATIONS::TRANSLATIONS(std::string name, std::string_view bytes)
    : name_(std::move(name)), file_(READPO(bytes)), matched_(file_.messages.size()) {
    for (std::size_t index = 0; index < file_.messages.size(); ++index) {
        const POENTRY& entry = file_.messages[index];
        if (entry.msgid_plural) {
            throw POERROR(entry.line, "a message with plural forms, which no game's text has");
        }
        index_.emplace(TEXTKEY(entry.msgctxt, entry.msgid), index);
    }
}

const POENTRY* TRANSLATIONS::FIND(const std::optional<std::string>& context,
                                  const std::string& text) {
    const auto found = index_.find(TEXTKEY(context, text));
    if (found == index_.end()) return nullptr;
    matched_[found->second] = true;
    return &file_.messages[found->second];
}

std::vector<std::string> TRANSLATIONS::UNMATCHED() const {
    std::vector<std::string> unmatched;
    for (std::size_t index = 0; index < matched_.size(); ++index) {
        if (matched_[index]) continue;
        const POENTRY& entry = file_.messages[index];
        unmatched.push_back(name_ + ':' + std::to_string(entry.line) +
                            ": matches no text of the game: " + EXCERPT(entry.msgid));
    }
    return unmatched;
}

void TRANSLATE(BYTEVIEW file, const std::vector<PLAYERTEXT>& texts, TRANSLATIONS* own,
               TRANSLATIONS* shared, const CODEPAGE& codepage, TRANSLATED& translated) {
    TEXTWRITER writer(file, codepage, translated);
    const auto usable = [](const POENTRY* entry) {
        return entry && !entry->msgstr.empty() && !HASPOFLAG(*entry, FUZZYFLAG);
    };
    for (const PLAYERTEXT& text : texts) {
        const std::optional<std::string> msgid = TEXTOFNAME(text.bytes, codepage);
        if (!msgid) continue;
        TRANSLATIONS* from = own;
        const POENTRY* entry = own ? own->FIND(text.context, *msgid) : nullptr;
        if (!usable(entry) && text.context && shared) {
            from = shared;
            entry = shared->FIND(text.context, *msgid);
        }
        if (usable(entry)) writer.WRITE(text, *entry, from->NAME());
    }
}

} // namespace PAGEWRIGHT
