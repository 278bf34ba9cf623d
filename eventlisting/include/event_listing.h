// Event trees as listings: the command list as the editor shows it, one line
// per command, which reads back to exactly the bytes the encoders write for
// the tree; and plain dialogue, which is already a listing.
// docs/event-listing.md describes the form.
#ifndef PAGEWRIGHT_EVENTLISTING_EVENT_LISTING_H
#define PAGEWRIGHT_EVENTLISTING_EVENT_LISTING_H

#include "codepage.h"
#include "id_lists.h"
#include "kestrel_internal.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace PAGEWRIGHT {

// A name or text as a listing quotes it: between double quotes, with a
// backslash before a quote or backslash inside, \xHH for a byte that the code
// page has no character for (or a control character), and the rest as UTF-8.
std::string QUOTEDTEXT(std::string_view bytes, const CODEPAGE& codepage);

// The tree, decoded from `format`, as a listing ending in a line end.
std::string LISTEVENT(KESTREL::CLIPBOARDCONTENTTYPE format, const KESTREL::EVENT& event,
                      const CODEPAGE& codepage, const IDNAMES* names = nullptr);

// What begins a line for the reader alone, which import skips: "## map1/event3"
// heads each event in the listing of a game file.
constexpr std::string_view NOTEMARK = "##";

// What a listing that cannot be read gets: the line (counted from 1) and what
// is wrong with it.
class LISTINGERROR : public std::runtime_error {
public:
    LISTINGERROR(std::size_t line, const std::string& what)
        : std::runtime_error(std::to_string(line) + ": " + what) {}
};

struct LISTINGWARNING {
    std::size_t line;
    std::string what;
};

struct LISTEDEVENT {
    KESTREL::CLIPBOARDCONTENTTYPE format{};
    KESTREL::EVENTTREE tree;
    // What the listing says that the editor never makes, or a message box
    // that the game cannot show as written; the tree holds it as written.
    std::vector<LISTINGWARNING> warnings;
};

// Inputs larger than this are refused before they are read, as JSON is.
constexpr std::size_t MAXLISTINGBYTES = std::size_t{16} << 20;

// The tree a listing describes, built from the allocation families of
// kestrel.h. Throws LISTINGERROR.
LISTEDEVENT READLISTING(std::string_view text, const CODEPAGE& codepage);

} // namespace PAGEWRIGHT

#endif
