#include "formats/fields.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace KESTREL {

char* COPYNAME(BYTEVIEW bytes) {
    auto* name = static_cast<char*>(std::malloc(bytes.size() + 1));
    if (name == nullptr) throw std::bad_alloc();
    if (!bytes.empty()) std::memcpy(name, bytes.data(), bytes.size());
    name[bytes.size()] = '\0';
    return name;
}

char* READNAME(CHUNKREADER& reader, std::int32_t length) {
    return COPYNAME(reader.BYTES(length));
}

void REPLACENAME(char*& name, char* fresh) {
    std::free(name);
    name = fresh;
}

BYTEVIEW NAMEVIEW(const char* name) {
    return name ? BYTEVIEW(name) : BYTEVIEW();
}

} // namespace KESTREL
