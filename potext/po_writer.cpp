#include "po_file.h"
#include "po_quote.h"
#include "po_rules.h"

#include <unordered_set>

namespace PAGEWRIGHT {
namespace {

// gettext's line width, which its tools wrap strings to.
constexpr std::size_t PAGEWIDTH = 79;
// What no line may begin with in Unicode's line breaking, even after spaces:
// closing brackets and punctuation, and the slash.
constexpr std::string_view NOLINESTART = ")]}!?,.:;/";

bool CONTINUATIONBYTE(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// An escaped string broken into lines of at most `room` characters where it
// can be: after spaces, before a character that may begin a line. A word
// longer than a line stays whole. gettext breaks there too, and also after
// hyphens and between CJK characters, where these lines stay longer.
std::vector<std::string_view> LINESOF(std::string_view escaped, std::size_t room) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t columns = 0;
    std::size_t last_break = 0;
    std::size_t columns_at_break = 0;
    for (std::size_t at = 0; at < escaped.size(); ++at) {
        if (CONTINUATIONBYTE(escaped[at])) continue;
        if (at > start && escaped[at - 1] == ' ' && escaped[at] != ' ' &&
            NOLINESTART.find(escaped[at]) == std::string_view::npos) {
            last_break = at;
            columns_at_break = columns;
        }
        ++columns;
        if (columns > room && last_break > start) {
            lines.push_back(escaped.substr(start, last_break - start));
            start = last_break;
            columns -= columns_at_break;
        }
    }
    lines.push_back(escaped.substr(start));
    return lines;
}

// `keyword "text"` on one line when the text holds no line end before its
// last character and fits or cannot be broken; otherwise `keyword ""` and the
// text escaped on lines of its own, a line end ending each.
void WRITESTRING(std::string& out, std::string_view prefix, std::string_view keyword,
                 std::string_view text) {
    std::vector<std::string> pieces;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        APPENDESCAPED(pieces.emplace_back(), text.substr(start, end - start));
        start = end;
    }
    const std::size_t keyword_room = PAGEWIDTH - prefix.size() - keyword.size() - 3;
    if (pieces.size() <= 1 && (pieces.empty() || LINESOF(pieces[0], keyword_room).size() == 1)) {
        ((out += prefix) += keyword) += " \"";
        if (!pieces.empty()) out += pieces[0];
        out += "\"\n";
        return;
    }
    ((out += prefix) += keyword) += " \"\"\n";
    for (const std::string& piece : pieces) {
        for (const std::string_view line : LINESOF(piece, PAGEWIDTH - prefix.size() - 2)) {
            (((out += prefix) += '"') += line) += "\"\n";
        }
    }
}

void WRITECOMMENTS(std::string& out, std::string_view mark,
                   const std::vector<std::string>& comments) {
    for (const std::string& comment : comments) {
        out += mark;
        if (!comment.empty()) (out += ' ') += comment;
        out += '\n';
    }
}

void WRITEENTRY(std::string& out, const POENTRY& entry) {
    WRITECOMMENTS(out, "#", entry.translator_comments);
    WRITECOMMENTS(out, "#.", entry.extracted_comments);
    for (const std::string& reference : entry.references)
        ((out += "#: ") += reference) += '\n';
    for (std::size_t index = 0; index < entry.flags.size(); ++index) {
        (out += index == 0 ? "#, " : ", ") += entry.flags[index];
    }
    if (!entry.flags.empty()) out += '\n';
    if (entry.previous_msgctxt) WRITESTRING(out, "#| ", "msgctxt", *entry.previous_msgctxt);
    if (entry.previous_msgid) WRITESTRING(out, "#| ", "msgid", *entry.previous_msgid);
    if (entry.previous_msgid_plural)
        WRITESTRING(out, "#| ", "msgid_plural", *entry.previous_msgid_plural);
    if (entry.msgctxt) WRITESTRING(out, "", "msgctxt", *entry.msgctxt);
    WRITESTRING(out, "", "msgid", entry.msgid);
    if (!entry.msgid_plural) {
        WRITESTRING(out, "", "msgstr", entry.msgstr);
        return;
    }
    WRITESTRING(out, "", "msgid_plural", *entry.msgid_plural);
    for (std::size_t index = 0; index < entry.plural_msgstr.size(); ++index) {
        WRITESTRING(out, "", "msgstr[" + std::to_string(index) + "]", entry.plural_msgstr[index]);
    }
}

[[noreturn]] void REFUSE(const POENTRY& entry, const std::string& what) {
    throw std::invalid_argument("the PO entry of msgid \"" + entry.msgid.substr(0, 40) + "\" " +
                                what);
}

// Text of the file holds no zero byte and is UTF-8; a comment, a reference
// and a flag hold no line end, nor the separators of their lists.
void CHECKTEXT(const POENTRY& entry, std::string_view text, std::string_view forbidden = {},
               const char* fault = "") {
    if (text.find('\0') != std::string_view::npos) REFUSE(entry, "holds a zero byte");
    if (INVALIDUTF8AT(text) != std::string_view::npos) REFUSE(entry, "holds text that is no UTF-8");
    if (text.find_first_of(forbidden) != std::string_view::npos) REFUSE(entry, fault);
}

void CHECKENTRY(const POENTRY& entry) {
    for (const auto* comments : {&entry.translator_comments, &entry.extracted_comments}) {
        for (const std::string& comment : *comments)
            CHECKTEXT(entry, comment, "\r\n", "has a comment of more than one line");
    }
    for (const std::string& reference : entry.references) {
        if (reference.empty()) REFUSE(entry, "has an empty reference");
        CHECKTEXT(entry, reference, " \t\r\n", "has a reference with white space in it");
    }
    for (const std::string& flag : entry.flags) {
        if (flag.empty()) REFUSE(entry, "has an empty flag");
        CHECKTEXT(entry, flag, ", \t\r\n", "has a flag with a comma or white space in it");
    }
    for (const auto* optional :
         {&entry.previous_msgctxt, &entry.previous_msgid, &entry.previous_msgid_plural,
          &entry.msgctxt, &entry.msgid_plural}) {
        if (optional->has_value()) CHECKTEXT(entry, **optional);
    }
    CHECKTEXT(entry, entry.msgid);
    CHECKTEXT(entry, entry.msgstr);
    for (const std::string& translation : entry.plural_msgstr)
        CHECKTEXT(entry, translation);
    if (entry.msgid_plural && (entry.plural_msgstr.empty() || !entry.msgstr.empty()))
        REFUSE(entry, "has msgid_plural, and its translations are not msgstr[0], ... alone");
    if (!entry.msgid_plural && !entry.plural_msgstr.empty())
        REFUSE(entry, "has plural translations without msgid_plural");
}

} // namespace

std::string WRITEPO(const POFILE& file) {
    std::string out;
    if (file.header) {
        const POENTRY& header = *file.header;
        CHECKENTRY(header);
        if (header.msgctxt || !header.msgid.empty() || header.msgid_plural)
            REFUSE(header, "is a header, which has msgid \"\" alone");
        if (const std::optional<std::string> charset = FOREIGNCHARSET(header))
            REFUSE(header, "is a header that names the charset " + *charset + ", not UTF-8");
        WRITEENTRY(out, header);
    }
    std::unordered_set<std::string> keys;
    for (const POENTRY& message : file.messages) {
        CHECKENTRY(message);
        if (!message.msgctxt && message.msgid.empty())
            REFUSE(message, "has neither a context nor a msgid, which only the header has");
        if (!keys.insert(MESSAGEKEY(message)).second)
            REFUSE(message, "defines a message that another entry defines too");
        if (!out.empty()) out += '\n';
        WRITEENTRY(out, message);
    }
    return out;
}

} // namespace PAGEWRIGHT
