// A PO file is read line by line. An entry is its comments, then msgctxt,
// msgid, msgid_plural and msgstr, each string continued on the lines that
// hold only a string; it ends where the next one's comments or keywords
// begin. Blank lines may stand anywhere, as gettext reads them.
#include "po_file.h"
#include "po_quote.h"
#include "po_rules.h"

#include <unordered_map>

namespace PAGEWRIGHT {
namespace {

constexpr std::string_view BYTEORDERMARK = "\xEF\xBB\xBF";
constexpr std::string_view SPACES = " \t";
// Enough for any number of plural forms a language has.
constexpr std::size_t MAXPLURALDIGITS = 3;

std::string_view AFTERSPACES(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of(SPACES), text.size()));
}

// The items of a list, between any of the separators.
void APPENDITEMS(std::string_view list, std::string_view separators,
                 std::vector<std::string>& items) {
    while (!list.empty()) {
        const std::size_t end = std::min(list.find_first_of(separators), list.size());
        if (end > 0) items.emplace_back(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
}

// How far an entry has come, which the keywords that may follow depend on.
enum class STAGE { COMMENTS, CONTEXT, MSGID, PLURALID, TRANSLATED };

class POREADER {
public:
    void READLINE(std::string_view line, std::size_t number);
    POFILE END();

private:
    void READCOMMENT(std::string_view line, std::size_t number);
    void READPREVIOUS(std::string_view text, std::size_t number);
    void READKEYWORD(std::string_view line, std::size_t number);
    std::string& TRANSLATIONOF(std::string_view keyword, std::size_t number);
    void READSTRING(std::string_view text, std::size_t number, std::string& into);
    // Keeps a whole entry before a line that begins another; refuses one that
    // is not whole.
    void ENDENTRY();
    void KEEPENTRY();
    [[noreturn]] void UNFINISHED() const;

    POFILE file_;
    POENTRY entry_;
    STAGE stage_ = STAGE::COMMENTS;
    // Where an unfinished entry is reported: at its last keyword.
    std::size_t keyword_line_ = 0;
    // What a line holding only a string continues, and whether that is a
    // string of "#|" lines.
    std::string* continued_ = nullptr;
    bool continued_previous_ = false;
    std::unordered_map<std::string, std::size_t> lines_of_messages_;
};

void POREADER::READLINE(std::string_view line, std::size_t number) {
    const std::string_view text = AFTERSPACES(line);
    if (text.empty()) return;
    if (text[0] == '#') {
        READCOMMENT(text, number);
    } else if (text[0] == '"') {
        if (!continued_ || continued_previous_)
            throw POERROR(number, "a string that continues no keyword");
        READSTRING(text, number, *continued_);
    } else {
        READKEYWORD(text, number);
    }
}

void POREADER::READCOMMENT(std::string_view line, std::size_t number) {
    ENDENTRY();
    const char kind = line.size() > 1 ? line[1] : ' ';
    // An obsolete entry, which msgmerge keeps for a message the program no
    // longer has; the comments before it are its own.
    if (kind == '~') {
        entry_ = POENTRY{};
        continued_ = nullptr;
        return;
    }
    if (entry_.line == 0) entry_.line = number;
    if (kind == '|') {
        READPREVIOUS(AFTERSPACES(line.substr(2)), number);
        return;
    }
    continued_ = nullptr;
    const bool marked = kind == '.' || kind == ':' || kind == ',';
    std::string_view text = line.substr(marked ? 2 : 1);
    if (!text.empty() && text[0] == ' ') text.remove_prefix(1);
    if (kind == '.') {
        entry_.extracted_comments.emplace_back(text);
    } else if (kind == ':') {
        APPENDITEMS(text, SPACES, entry_.references);
    } else if (kind == ',') {
        APPENDITEMS(text, ", \t", entry_.flags);
    } else {
        entry_.translator_comments.emplace_back(text);
    }
}

void POREADER::READPREVIOUS(std::string_view text, std::size_t number) {
    if (!text.empty() && text[0] == '"') {
        if (!continued_ || !continued_previous_)
            throw POERROR(number, "a string that continues no keyword");
        READSTRING(text, number, *continued_);
        continued_previous_ = true;
        return;
    }
    const std::string_view keyword = text.substr(0, text.find_first_of(" \t\""));
    std::optional<std::string>* field = nullptr;
    if (keyword == "msgctxt") field = &entry_.previous_msgctxt;
    if (keyword == "msgid") field = &entry_.previous_msgid;
    if (keyword == "msgid_plural") field = &entry_.previous_msgid_plural;
    if (!field) throw POERROR(number, "\"#|\" before no msgctxt, msgid or msgid_plural");
    if (field->has_value()) throw POERROR(number, "a second \"#| " + std::string(keyword) + "\"");
    READSTRING(text.substr(keyword.size()), number, field->emplace());
    continued_previous_ = true;
}

void POREADER::READKEYWORD(std::string_view line, std::size_t number) {
    const std::string_view keyword = line.substr(0, line.find_first_of(" \t\""));
    const std::string_view text = line.substr(keyword.size());
    if (keyword == "msgctxt") {
        ENDENTRY();
        if (entry_.line == 0) entry_.line = number;
        READSTRING(text, number, entry_.msgctxt.emplace());
        stage_ = STAGE::CONTEXT;
    } else if (keyword == "msgid") {
        if (stage_ != STAGE::CONTEXT) ENDENTRY();
        if (entry_.line == 0) entry_.line = number;
        READSTRING(text, number, entry_.msgid);
        stage_ = STAGE::MSGID;
    } else if (keyword == "msgid_plural") {
        if (stage_ == STAGE::PLURALID) throw POERROR(number, "a second msgid_plural");
        if (stage_ != STAGE::MSGID) throw POERROR(number, "msgid_plural that follows no msgid");
        READSTRING(text, number, entry_.msgid_plural.emplace());
        stage_ = STAGE::PLURALID;
    } else if (keyword.substr(0, 6) == "msgstr") {
        READSTRING(text, number, TRANSLATIONOF(keyword, number));
        stage_ = STAGE::TRANSLATED;
    } else {
        throw POERROR(number, "neither a comment, a keyword nor a string");
    }
    keyword_line_ = number;
}

// The string that msgstr or msgstr[N] gives.
std::string& POREADER::TRANSLATIONOF(std::string_view keyword, std::size_t number) {
    const auto refuse = [&](const std::string& what) { throw POERROR(number, what); };
    const std::string_view index = keyword.substr(6);
    const std::string_view digits =
        index.size() < 2 ? std::string_view() : index.substr(1, index.size() - 2);
    const bool numbered = index.size() >= 3 && index.front() == '[' && index.back() == ']' &&
                          digits.size() <= MAXPLURALDIGITS &&
                          digits.find_first_not_of("0123456789") == std::string_view::npos;
    if (!index.empty() && !numbered) refuse("neither a comment, a keyword nor a string");
    const std::string shown(keyword);
    if (stage_ == STAGE::COMMENTS || stage_ == STAGE::CONTEXT) refuse(shown + " without msgid");
    const bool plural = entry_.msgid_plural.has_value();
    if (index.empty()) {
        if (stage_ == STAGE::TRANSLATED) refuse("a second msgstr");
        if (plural) refuse("msgstr in a message with msgid_plural, which takes msgstr[0], ...");
        return entry_.msgstr;
    }
    if (!plural) refuse(shown + " in a message without msgid_plural");
    const std::string due = std::to_string(entry_.plural_msgstr.size());
    if (digits != due) refuse(shown + " where msgstr[" + due + "] is due");
    return entry_.plural_msgstr.emplace_back();
}

void POREADER::READSTRING(std::string_view text, std::size_t number, std::string& into) {
    const std::string_view quoted = AFTERSPACES(text);
    if (quoted.empty() || quoted[0] != '"') throw POERROR(number, "a keyword without its string");
    const std::size_t end = READQUOTED(quoted, 0, number, into);
    if (!AFTERSPACES(quoted.substr(end)).empty())
        throw POERROR(number, "text after the string's closing quote");
    continued_ = &into;
    continued_previous_ = false;
}

void POREADER::ENDENTRY() {
    if (stage_ == STAGE::TRANSLATED) {
        KEEPENTRY();
    } else if (stage_ != STAGE::COMMENTS) {
        UNFINISHED();
    }
}

void POREADER::UNFINISHED() const {
    throw POERROR(keyword_line_,
                  stage_ == STAGE::CONTEXT ? "msgctxt without msgid" : "msgid without msgstr");
}

void POREADER::KEEPENTRY() {
    const auto refuse = [&](const std::string& what) { throw POERROR(entry_.line, what); };
    // The lines were UTF-8; what escapes stand for may not be.
    const auto check = [&](const std::string& text) {
        if (INVALIDUTF8AT(text) != std::string::npos)
            refuse("an escape in this entry makes a string that is no UTF-8");
    };
    check(entry_.msgid);
    check(entry_.msgstr);
    for (const auto* optional : {&entry_.msgctxt, &entry_.msgid_plural, &entry_.previous_msgctxt,
                                 &entry_.previous_msgid, &entry_.previous_msgid_plural}) {
        if (optional->has_value()) check(**optional);
    }
    for (const std::string& translation : entry_.plural_msgstr)
        check(translation);
    const auto [first, added] = lines_of_messages_.emplace(MESSAGEKEY(entry_), entry_.line);
    if (!added) refuse("a message defined before, at line " + std::to_string(first->second));
    if (!entry_.msgctxt && entry_.msgid.empty()) {
        if (entry_.msgid_plural) refuse("a header (msgid \"\" without msgctxt) with msgid_plural");
        if (const std::optional<std::string> charset = FOREIGNCHARSET(entry_)) {
            refuse("the header names the charset " + *charset +
                   "; a PO file is read as UTF-8 alone");
        }
        file_.header = std::move(entry_);
    } else {
        file_.messages.push_back(std::move(entry_));
    }
    entry_ = POENTRY{};
    stage_ = STAGE::COMMENTS;
    continued_ = nullptr;
}

POFILE POREADER::END() {
    ENDENTRY();
    return std::move(file_);
}

// Each line is whole UTF-8 text; a carriage return may only end it.
void CHECKLINE(std::string_view line, std::size_t number) {
    if (line.find('\r') != std::string_view::npos)
        throw POERROR(number, "a carriage return inside a line");
    if (line.find('\0') != std::string_view::npos) throw POERROR(number, "a zero byte");
    if (const std::size_t bad = INVALIDUTF8AT(line); bad != std::string_view::npos)
        throw POERROR(number, "bytes that are no UTF-8, at column " + std::to_string(bad + 1));
}

} // namespace

POFILE READPO(std::string_view bytes) {
    if (bytes.size() > MAXPOBYTES) {
        throw POERROR(1, "larger than the " + std::to_string(MAXPOBYTES >> 20) +
                             " MB that a PO file may take");
    }
    if (bytes.substr(0, BYTEORDERMARK.size()) == BYTEORDERMARK)
        bytes.remove_prefix(BYTEORDERMARK.size());
    POREADER reader;
    std::size_t number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        CHECKLINE(line, number);
        reader.READLINE(line, number);
    }
    return reader.END();
}

} // namespace PAGEWRIGHT
