// Tables of the words people read for the values of one of the record
// library's enumerations.
#ifndef PAGEWRIGHT_EVENTTEXT_VALUE_WORDS_H
#define PAGEWRIGHT_EVENTTEXT_VALUE_WORDS_H

#include <cstddef>
#include <cstdint>

namespace PAGEWRIGHT {

template <typename VALUE> struct VALUEWORD {
    VALUE value;
    const char* word;
};

// The word the table gives the number, or null when it gives none.
template <typename VALUE, std::size_t COUNT>
constexpr const char* WORDIN(const VALUEWORD<VALUE> (&table)[COUNT], std::int32_t number) {
    for (const VALUEWORD<VALUE>& entry : table) {
        if (entry.value == number) return entry.word;
    }
    return nullptr;
}

} // namespace PAGEWRIGHT

#endif
