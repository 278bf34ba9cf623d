// Lists of the values a message offers: "one, two or three".
#ifndef PAGEWRIGHT_EVENTTEXT_ALTERNATIVES_H
#define PAGEWRIGHT_EVENTTEXT_ALTERNATIVES_H

#include <string>

namespace PAGEWRIGHT {

// The words of the range's elements, joined by commas and a last "or".
template <typename RANGE, typename WORDOF>
std::string ALTERNATIVES(const RANGE& range, WORDOF word_of) {
    std::string list;
    std::size_t left = std::size(range);
    for (const auto& element : range) {
        list += word_of(element);
        --left;
        list += left > 1 ? ", " : left == 1 ? " or " : "";
    }
    return list;
}

} // namespace PAGEWRIGHT

#endif
