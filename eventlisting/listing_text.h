// The pieces a listing line is made of: numbers, and names and texts, either
// as they stand or quoted. A quoted text is between double quotes; in it \"
// and \\ stand for a quote and a backslash, and \xHH for a byte that the code
// page has no character for (or a control character); everything else is the
// text itself, in UTF-8.
#ifndef PAGEWRIGHT_EVENTLISTING_LISTING_TEXT_H
#define PAGEWRIGHT_EVENTLISTING_LISTING_TEXT_H

#include "codepage.h"
#include "event_listing.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// A text that the code page cannot write, found while a line is read.
class TEXTFAULT : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 text as bytes of the code page; throws TEXTFAULT for a character the
// code page has no place for.
std::string BYTESOFTEXT(std::string_view text, const CODEPAGE& codepage);

// The bytes as they stand, where a line can hold them so and reading them
// back to the line's end gives them again: not empty, no control character,
// no space at either end, no leading quote, and text of the code page.
std::optional<std::string> PLAINTEXT(std::string_view bytes, const CODEPAGE& codepage);

// A line read from left to right. Each reader takes what it reads and moves
// past it, or takes nothing and leaves the position where it was.
class CURSOR {
public:
    CURSOR(std::string_view line, const CODEPAGE& codepage) : line_(line), codepage_(codepage) {}

    const CODEPAGE& CODEPAGEOF() const { return codepage_; }
    std::size_t POSITION() const { return at_; }
    void MOVETO(std::size_t position) { at_ = position; }
    bool END() const { return at_ == line_.size(); }
    std::string_view REST() const { return line_.substr(at_); }

    bool TAKE(std::string_view literal);
    // An optional minus and decimal digits, within 32 bits.
    bool INTEGER(std::int32_t& value);
    // A quoted text's bytes in the code page; throws TEXTFAULT for a
    // character the code page has no place for.
    bool QUOTED(std::string& bytes);
    // The rest of the line: quoted, when it begins with a quote and is one
    // quoted text; else as it stands.
    bool RESTOFLINE(std::string& bytes);

private:
    std::string_view line_;
    const CODEPAGE& codepage_;
    std::size_t at_ = 0;
};

} // namespace PAGEWRIGHT

#endif
