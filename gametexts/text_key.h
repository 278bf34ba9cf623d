// How a text is known among a PO file's entries.
#ifndef PAGEWRIGHT_GAMETEXTS_TEXT_KEY_H
#define PAGEWRIGHT_GAMETEXTS_TEXT_KEY_H

#include <optional>
#include <string>

namespace PAGEWRIGHT {

// The context, or that there is none, and the text; a PO file's strings hold
// no zero byte.
std::string TEXTKEY(const std::optional<std::string>& context, const std::string& text);

} // namespace PAGEWRIGHT

#endif
