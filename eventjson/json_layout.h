// JSON text laid out for reading and for line-by-line diffs.
#ifndef PAGEWRIGHT_EVENTJSON_JSON_LAYOUT_H
#define PAGEWRIGHT_EVENTJSON_JSON_LAYOUT_H

#include <nlohmann/json.hpp>

#include <string>

namespace PAGEWRIGHT {

// The document, and every object or array in it that holds objects or arrays,
// takes a line for each of its members or elements, indented by two spaces a
// level; every other value takes a single line, and so does each element of a
// "commands" array: an event command, with its parameters and any move route
// it sets, is one line of text. Ends without a line end.
std::string LAYOUT(const nlohmann::ordered_json& document);

} // namespace PAGEWRIGHT

#endif
