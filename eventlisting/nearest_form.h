// What a line that no form reads comes nearest to: a line of one of the forms
// of its command, with sample values, that a person can mend theirs by. Only
// worked out when a line fails.
#ifndef PAGEWRIGHT_EVENTLISTING_NEAREST_FORM_H
#define PAGEWRIGHT_EVENTLISTING_NEAREST_FORM_H

#include "command_forms.h"
#include "event_listing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace PAGEWRIGHT {

// Of the lines the forms write for their samples, filled with the numbers of
// `text` where they fit, the one whose words are fewest edits away from the
// words of `text`; the first of those that are as near. Nothing when no form
// writes a line.
std::optional<std::string> NEARESTLINE(std::string_view text,
                                       const std::vector<const COMMANDFORM*>& forms,
                                       const CODEPAGE& codepage);

} // namespace PAGEWRIGHT

#endif
