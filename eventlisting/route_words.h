// A move route's steps in words, separated by commas: "Move Down, Wait,
// Switch ON [0007], Change Graphic "Actor1" 2, Play SE "Open1" 100 100 50".
// A route without steps is "(no steps)".
#ifndef PAGEWRIGHT_EVENTLISTING_ROUTE_WORDS_H
#define PAGEWRIGHT_EVENTLISTING_ROUTE_WORDS_H

#include "command_value.h"
#include "form_pattern.h"

#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// What stands between a route's settings and its steps.
constexpr std::string_view STEPSLEAD = ": ";

std::string STEPSTEXT(const STEPS& steps, const LINESETTINGS& settings);

// Reads steps up to the end of the line; false when the rest is no steps.
bool READSTEPS(CURSOR& cursor, STEPS& steps);

} // namespace PAGEWRIGHT

#endif
