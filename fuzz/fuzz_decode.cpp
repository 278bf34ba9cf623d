// The first byte picks a format, the rest is its content: decode it, write the
// tree as every event format and as page and command selections taken from the
// input, and release it.
#include "formats.h"
#include "kestrel_internal.h"

#include <cstdint>
#include <cstdlib>

using namespace KESTREL;

namespace {

// A small signed number from the input's last bytes, so that selections reach
// below, inside and past the page and command ranges.
std::int32_t SELECTOR(const std::uint8_t* data, std::size_t size, std::size_t back) {
    return size > back ? static_cast<std::int8_t>(data[size - 1 - back]) : 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const CLIPBOARDCONTENTTYPE format = FUZZFORMATS[data[0] % std::size(FUZZFORMATS)];
    const BYTEVIEW content(reinterpret_cast<const char*>(data + 1), size - 1);
    EVENT* tree = DECODECONTENT(format, content);
    if (format == CB_TEXT) {
        ENCODECONTENT(CB_TEXT, tree, 1, 0, -1);
        std::free(tree);
        return 0;
    }
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS)
        ENCODECONTENT(target, tree, 1, 0, -1);
    const std::int32_t page = SELECTOR(data, size, 0);
    const std::int32_t first = SELECTOR(data, size, 1);
    const std::int32_t last = SELECTOR(data, size, 2);
    for (const CLIPBOARDCONTENTTYPE target :
         {CB_MAPEVENTPAGE, CB_BATTLEEVENTPAGE, CB_EVENTCOMMANDS, CB_COMMONEVENT}) {
        ENCODECONTENT(target, tree, page, first, last);
    }
    DESTROYOBJECT(tree, 0, 1);
    return 0;
}
