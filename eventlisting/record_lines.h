// The lines of a listing that hold the records around the commands: "#event",
// "#extra_chunks", "#page", "#condition" and "#move_route", each followed by
// the record's fields that differ from their defaults, as key=value with the
// keys of the record fields. Names are quoted; a page's own route follows its
// fields after ": ", in words.
#ifndef PAGEWRIGHT_EVENTLISTING_RECORD_LINES_H
#define PAGEWRIGHT_EVENTLISTING_RECORD_LINES_H

#include "codepage.h"
#include "kestrel.h"

#include <optional>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

constexpr std::string_view RECORDMARK = "#";

std::string EVENTLINE(const KESTREL::EVENT& event, const CODEPAGE& codepage);
std::string KEPTCHUNKSLINE(const KESTREL::EXTRACHUNKS& chunks);
std::string PAGELINE(const KESTREL::EVENTPAGE& page, const CODEPAGE& codepage);
std::string CONDITIONLINE(const KESTREL::CONDITION& condition, const CODEPAGE& codepage);
std::string ROUTELINE(const KESTREL::MOVEROUTE& route, const CODEPAGE& codepage);

// Whether every field of the record, but what it owns, holds its default.
bool ATDEFAULTS(const KESTREL::EVENT& event, const CODEPAGE& codepage);
bool ATDEFAULTS(const KESTREL::EVENTPAGE& page, const CODEPAGE& codepage);
bool ATDEFAULTS(const KESTREL::CONDITION& condition, const CODEPAGE& codepage);

// The record a record line names.
enum class RECORDWORD : std::uint8_t { EVENT, KEPTCHUNKS, PAGE, CONDITION, ROUTE };

// The record the line names, after the mark; nothing for no record.
std::optional<RECORDWORD> RECORDOF(std::string_view line);

// Read the line's fields into the record. Each gives what is wrong with the
// line, or nothing. Throws TEXTFAULT.
std::optional<std::string> READEVENTLINE(std::string_view line, const CODEPAGE& codepage,
                                         KESTREL::EVENT& event);
std::optional<std::string> READKEPTCHUNKSLINE(std::string_view line, KESTREL::EXTRACHUNKS& chunks);
std::optional<std::string> READPAGELINE(std::string_view line, const CODEPAGE& codepage,
                                        KESTREL::EVENTPAGE& page);
std::optional<std::string> READCONDITIONLINE(std::string_view line, const CODEPAGE& codepage,
                                             KESTREL::CONDITION& condition);
std::optional<std::string> READROUTELINE(std::string_view line, const CODEPAGE& codepage,
                                         KESTREL::MOVEROUTE& route);

} // namespace PAGEWRIGHT

#endif
