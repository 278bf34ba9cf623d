#include "formats/fields.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace KESTREL {

std::int32_t READLENGTH(BYTESTREAM& stream) {
    const std::int32_t length = READNUMBER(stream);
    if (length >= 0) return length;
    READBYTES(stream, length);
    return 0;
}

void SKIPCHUNK(BYTESTREAM& stream) {
    READBYTES(stream, READLENGTH(stream));
}

std::int32_t READNUMBERVALUE(BYTESTREAM& stream) {
    READNUMBER(stream);
    return READNUMBER(stream);
}

char* COPYNAME(BYTEVIEW bytes) {
    auto* name = static_cast<char*>(std::malloc(bytes.size() + 1));
    if (name == nullptr) throw std::bad_alloc();
    if (!bytes.empty()) std::memcpy(name, bytes.data(), bytes.size());
    name[bytes.size()] = '\0';
    return name;
}

char* READNAME(BYTESTREAM& stream) {
    return COPYNAME(READBYTES(stream, READLENGTH(stream)));
}

void REPLACENAME(char*& name, char* fresh) {
    std::free(name);
    name = fresh;
}

BYTEVIEW NAMEVIEW(const char* name) {
    return name ? BYTEVIEW(name) : BYTEVIEW();
}

std::int64_t ITEMSTHATFIT(const BYTESTREAM& stream, std::int64_t length, std::int64_t item_bytes) {
    const std::int64_t bytes = std::clamp<std::int64_t>(length, 0, STREAMREMAINING(stream));
    return (bytes + item_bytes - 1) / item_bytes;
}

} // namespace KESTREL
