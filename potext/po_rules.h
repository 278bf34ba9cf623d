// What the reader and the writer agree a file holds: each message once, and
// text in UTF-8.
#ifndef PAGEWRIGHT_POTEXT_PO_RULES_H
#define PAGEWRIGHT_POTEXT_PO_RULES_H

#include "po_file.h"

#include <optional>
#include <string>

namespace PAGEWRIGHT {

// What tells a message from the others of its file: its context, or that it
// has none, and its msgid. Neither can hold a zero byte, which parts them.
std::string MESSAGEKEY(const POENTRY& entry);

// The charset that the header's Content-Type names when it is not UTF-8.
std::optional<std::string> FOREIGNCHARSET(const POENTRY& header);

} // namespace PAGEWRIGHT

#endif
