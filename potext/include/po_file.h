// Translations as gettext PO files: a file's entries read from its bytes, and
// written as gettext's own tools write them, so that msgfmt, msgmerge and the
// translators' editors take the file, and what they write is read. Text is
// UTF-8 throughout.
#ifndef PAGEWRIGHT_POTEXT_PO_FILE_H
#define PAGEWRIGHT_POTEXT_PO_FILE_H

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace PAGEWRIGHT {

// One message and what is said about it. Comments, references and flags hold
// their text without the mark that begins their lines ("# ", "#. ", "#: ",
// "#, "); a reference holds no white space and a flag neither white space nor
// a comma, since their lines list several.
struct POENTRY {
    std::vector<std::string> translator_comments;
    std::vector<std::string> extracted_comments;
    std::vector<std::string> references;
    std::vector<std::string> flags;
    // What msgmerge found the message was before it changed ("#| ").
    std::optional<std::string> previous_msgctxt;
    std::optional<std::string> previous_msgid;
    std::optional<std::string> previous_msgid_plural;
    // An empty context is a context: it differs from none.
    std::optional<std::string> msgctxt;
    std::string msgid;
    // A message with plural forms has msgid_plural and its translations in
    // plural_msgstr (msgstr[0], msgstr[1], ...) instead of msgstr. A game's
    // texts have none, but a translator's tools may add such a message: it is
    // read and written whole, and whoever takes translations from the file
    // refuses it, naming its line.
    std::optional<std::string> msgid_plural;
    std::string msgstr;
    std::vector<std::string> plural_msgstr;
    // Where the entry begins in the file it was read from, counted from 1.
    std::size_t line = 0;
};

// The same message with the same comments, whatever lines they were read from.
bool operator==(const POENTRY& left, const POENTRY& right);
bool operator!=(const POENTRY& left, const POENTRY& right);

constexpr std::string_view FUZZYFLAG = "fuzzy";

bool HASPOFLAG(const POENTRY& entry, std::string_view flag);

struct POFILE {
    // The entry of msgid "" without a context, whose msgstr holds the header
    // fields; a file need not have one.
    std::optional<POENTRY> header;
    std::vector<POENTRY> messages;
};

bool operator==(const POFILE& left, const POFILE& right);
bool operator!=(const POFILE& left, const POFILE& right);

// A header field, "Name: value".
struct POHEADERFIELD {
    std::string name;
    std::string value;
};

// The header entry of these fields, one line each, in this order. A file
// that msgfmt --check-header takes names Project-Id-Version, PO-Revision-Date,
// Last-Translator, Language-Team, Language, MIME-Version, Content-Type
// ("text/plain; charset=UTF-8") and Content-Transfer-Encoding ("8bit").
POENTRY POHEADER(const std::vector<POHEADERFIELD>& fields);

// The value of the header's first field of that name.
std::optional<std::string> POHEADERVALUE(const POENTRY& header, std::string_view name);

// What a PO file that cannot be read gets: the line (counted from 1) and what
// is wrong with it. The reader of a file names it before: "Map0001.po:12: ...".
class POERROR : public std::runtime_error {
public:
    POERROR(std::size_t line, const std::string& what)
        : std::runtime_error(std::to_string(line) + ": " + what), line(line) {}
    std::size_t line;
};

// Inputs larger than this are refused before they are read, as JSON and
// listings are: a game's texts take a few megabytes, and a file of the
// smallest entries takes up to 40 times its size in memory once read.
constexpr std::size_t MAXPOBYTES = std::size_t{16} << 20;

// The entries of a PO file in UTF-8, with or without a byte order mark, with
// line ends of either kind. Obsolete entries ("#~") and comments after the
// last entry are left out, as gettext's tools leave them. A file is refused
// that names another charset in its header, holds bytes that are no UTF-8 or
// a string with a zero byte, or defines a message twice; C's escapes are read
// but for \x with more than two digits, which C would read on over the text
// after it. Throws POERROR.
POFILE READPO(std::string_view bytes);

// The file as gettext's tools write it: the header, then each message after a
// blank line; its comments, a reference a line, its flags on one line. A
// string holding line ends, or too long for a line of 79 columns, is written
// after an empty first string on lines of its own, broken after each line end
// and at spaces. The file reads back to the same entries. Throws
// std::invalid_argument for what no PO file says that way: a zero byte, text
// that is no UTF-8, a line end in a comment, white space in a reference or
// flag, a comma in a flag, a message defined twice, a message of msgid ""
// without a context (only the header is one), a header that is not, or
// plural translations without msgid_plural or the other way round.
std::string WRITEPO(const POFILE& file);

} // namespace PAGEWRIGHT

#endif
