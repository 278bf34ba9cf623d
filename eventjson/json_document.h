// JSON text read into a document by nlohmann's parser, with what the event
// reader needs beyond it: duplicate keys are refused (a second value must not
// silently replace the first), nesting is bounded, and every fault becomes a
// JSONERROR naming its line and column or its JSON pointer.
#ifndef PAGEWRIGHT_EVENTJSON_JSON_DOCUMENT_H
#define PAGEWRIGHT_EVENTJSON_JSON_DOCUMENT_H

#include <nlohmann/json.hpp>

#include <string_view>

namespace PAGEWRIGHT {

nlohmann::json PARSEDOCUMENT(std::string_view text);

} // namespace PAGEWRIGHT

#endif
