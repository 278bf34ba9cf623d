#include "records/readable.h"

#include <windows.h>

namespace KESTREL {

bool POINTERREADABLE(const void* pointer, std::size_t bytes) {
    return pointer != nullptr && !IsBadReadPtr(pointer, bytes);
}

} // namespace KESTREL
