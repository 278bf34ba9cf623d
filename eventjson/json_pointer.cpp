#include "json_pointer.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace PAGEWRIGHT {

void APPENDKEY(std::string& pointer, std::string_view key) {
    pointer += '/';
    for (const char c : key) {
        if (c == '~') {
            pointer += "~0";
        } else if (c == '/') {
            pointer += "~1";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            pointer += escaped;
        } else {
            pointer += c;
        }
    }
}

std::string WHERE(std::string pointer) {
    return pointer.empty() ? "top level" : pointer;
}

std::string WHERE(const PATH& path) {
    std::vector<const PATH*> steps;
    for (const PATH* step = &path; step->parent != nullptr; step = step->parent)
        steps.push_back(step);
    std::string pointer;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if ((*step)->in_array) {
            pointer += '/' + std::to_string((*step)->index);
        } else {
            APPENDKEY(pointer, (*step)->key);
        }
    }
    return WHERE(std::move(pointer));
}

} // namespace PAGEWRIGHT
