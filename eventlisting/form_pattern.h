// A command's form in words, compiled from a pattern: literal text, and
// slots in braces that say where each parameter, the text or the route
// stands. command_forms.cpp has the patterns and explains the notation.
// One pattern both writes a command's line and reads it back.
#ifndef PAGEWRIGHT_EVENTLISTING_FORM_PATTERN_H
#define PAGEWRIGHT_EVENTLISTING_FORM_PATTERN_H

#include "command_value.h"
#include "event_listing.h"
#include "listing_text.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace PAGEWRIGHT {

// What writing a line may use beyond the command itself.
struct LINESETTINGS {
    const CODEPAGE& codepage;
    const IDNAMES* names;
    // Texts quoted even where they could stand as they are.
    bool quote_texts;
    // How many cases the block the line stands in has had before it.
    int cases;
};

struct PART;

class FORMPATTERN {
public:
    // Throws std::logic_error for a pattern that breaks the notation.
    explicit FORMPATTERN(std::string_view pattern);
    ~FORMPATTERN();
    FORMPATTERN(FORMPATTERN&&) noexcept;

    // The text of the line, or nothing when the form cannot say the command.
    // Where the tail is allowed, parameters past the form's own are written
    // after it as " +[...]".
    std::optional<std::string> WRITE(const COMMANDVALUE& command, const LINESETTINGS& settings,
                                     bool with_tail) const;

    // Reads the whole rest of the line into the command's text, parameters
    // and route; false when it does not match.
    bool READ(CURSOR& cursor, int cases, COMMANDVALUE& command) const;

    // The literal text every line of the form begins with.
    const std::string& LEAD() const { return lead_; }

    // Commands the form says, one for each way through its groups and words,
    // as many as MAXSAMPLES: their numbers are the ones given, in the order
    // the form names numbers, then 1; their text is "Text", their route has no
    // steps. Their code is the caller's.
    std::vector<COMMANDVALUE> SAMPLES(const std::vector<std::int32_t>& numbers) const;
    static constexpr std::size_t MAXSAMPLES = 256;

private:
    std::vector<PART> parts_;
    std::size_t count_ = 0;
    bool tail_allowed_ = true;
    std::string lead_;
};

} // namespace PAGEWRIGHT

#endif
