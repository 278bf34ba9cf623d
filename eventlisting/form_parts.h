// The parts a command's form is compiled into: literal text, and the slots
// of its parameters, its text, its route and its groups of alternatives.
// Shared by the pattern's writing and reading and by the samples made from it.
#ifndef PAGEWRIGHT_EVENTLISTING_FORM_PARTS_H
#define PAGEWRIGHT_EVENTLISTING_FORM_PARTS_H

#include "event_listing.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace PAGEWRIGHT {

enum class PARTKIND : std::uint8_t {
    LITERAL,
    NUMBER,
    CONSTANT,
    SAME,
    CASEINDEX,
    TEXT,
    QUOTEDTEXT,
    STEPS,
    GROUP,
};

enum class NUMBERSTYLE : std::uint8_t { INT, TENTHS, ID, TARGET, WORDS };

struct PART {
    PARTKIND kind = PARTKIND::LITERAL;
    std::string literal;
    std::size_t index = 0;
    std::size_t other = 0;
    std::int32_t value = 0;
    NUMBERSTYLE style = NUMBERSTYLE::INT;
    IDKIND id = IDKIND::SWITCH;
    bool selected = false;
    std::size_t selector = 0;
    std::vector<std::string> words;
    std::vector<std::vector<PART>> alternatives;
};

} // namespace PAGEWRIGHT

#endif
