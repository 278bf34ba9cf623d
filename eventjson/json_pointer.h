// JSON pointers (RFC 6901) that say where in a document a fault lies.
#ifndef PAGEWRIGHT_EVENTJSON_JSON_POINTER_H
#define PAGEWRIGHT_EVENTJSON_JSON_POINTER_H

#include <cstddef>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// One step of the way from the top of a document down to a value: a key of
// an object or an index of an array. The chain is built on the stack as a
// reader descends, and spelled out only when a fault is reported.
struct PATH {
    const PATH* parent;
    std::string_view key;
    std::size_t index;
    bool in_array;

    PATH CHILD(std::string_view child_key) const { return {this, child_key, 0, false}; }
    PATH ELEMENT(std::size_t child_index) const { return {this, {}, child_index, true}; }
};

constexpr PATH TOP{nullptr, {}, 0, false};

// Appends "/" and the key, with "~" and "/" escaped as the pointer syntax
// wants, and control characters as \uXXXX, so that messages stay on one line.
void APPENDKEY(std::string& pointer, std::string_view key);

// The pointer, or "top level" for the document itself (the empty pointer).
std::string WHERE(std::string pointer);
std::string WHERE(const PATH& path);

} // namespace PAGEWRIGHT

#endif
