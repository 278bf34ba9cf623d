#include "records/readable.h"

namespace KESTREL {

bool POINTERREADABLE(const void* pointer, std::size_t) {
    return pointer != nullptr;
}

} // namespace KESTREL
