#ifndef PAGEWRIGHT_RECORDS_READABLE_H
#define PAGEWRIGHT_RECORDS_READABLE_H

#include <cstddef>

namespace KESTREL {

// Whether `bytes` bytes at `pointer` may be read. Windows asks the memory
// manager; elsewhere only the null pointer is known to be unreadable.
bool POINTERREADABLE(const void* pointer, std::size_t bytes);

} // namespace KESTREL

#endif
