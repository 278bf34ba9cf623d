// How wide a line of a message box shows: in half-width characters, a
// full-width one counting 2, the editor's control codes counting as what they
// show (\\ a backslash, the others nothing that can be counted here).
#ifndef PAGEWRIGHT_EVENTTEXT_MESSAGE_WIDTH_H
#define PAGEWRIGHT_EVENTTEXT_MESSAGE_WIDTH_H

#include <cstddef>
#include <string_view>

namespace PAGEWRIGHT {

// What a message box line holds: beside a face, less.
constexpr std::size_t MESSAGEWIDTH = 50;
constexpr std::size_t MESSAGEWIDTHBESIDEFACE = 38;
// A message box shows this many lines.
constexpr std::size_t MESSAGELINES = 4;

// The width of UTF-8 text.
std::size_t MESSAGETEXTWIDTH(std::string_view text);

} // namespace PAGEWRIGHT

#endif
