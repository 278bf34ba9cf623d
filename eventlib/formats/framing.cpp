#include "codec/chunk_reader.h"
#include "kestrel_internal.h"

#include <algorithm>

namespace KESTREL {
namespace {

constexpr std::int64_t LENGTHFIELDBYTES = 4;

} // namespace

// The clipboard block can be longer than the content its writer meant, and
// the bytes past it are whatever was in that memory. So nothing past the
// content's declared end (4 plus its length field) is read; a length field
// that reaches past the block leaves the block's end as the end.
BYTEVIEW CONTENTOFBLOCK(CLIPBOARDCONTENTTYPE format, BYTEVIEW block) {
    if (format == CB_TEXT) return block.substr(0, block.find('\0'));
    const std::int64_t declared_end = LENGTHFIELDBYTES + CHUNKREADER(block).LONG();
    const auto block_size = static_cast<std::int64_t>(block.size());
    const std::int64_t end = std::min(std::max(declared_end, LENGTHFIELDBYTES), block_size);
    return block.substr(0, static_cast<std::size_t>(end));
}

} // namespace KESTREL
