// What the writer and the reader of listings share: the first line, and the
// indentation of command lines.
#ifndef PAGEWRIGHT_EVENTLISTING_LISTING_LINES_H
#define PAGEWRIGHT_EVENTLISTING_LISTING_LINES_H

#include "event_listing.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// "# Pagewright listing: Map event (563)".
std::string HEADLINE(KESTREL::CLIPBOARDCONTENTTYPE format);

// The format the first line (the first that is no note) names, or nothing for a line that is no
// head. Throws LISTINGERROR, with the line's number, for a head that names no event format.
std::optional<KESTREL::CLIPBOARDCONTENTTYPE> FORMATOFHEAD(std::string_view line,
                                                          std::size_t number);

inline bool ISNOTE(std::string_view line) {
    return line.substr(0, NOTEMARK.size()) == NOTEMARK;
}

// Two spaces a level; an indent that spaces cannot say, or that would make
// the line too long, is written "(indent N)" instead.
std::string INDENTATION(std::int32_t indent);

// Takes the indentation off the front of the line into `indent`. Throws
// LISTINGERROR, with the line's number, for spaces that are no whole level.
std::string_view TAKEINDENTATION(std::string_view line, std::size_t number, std::int32_t& indent);

} // namespace PAGEWRIGHT

#endif
