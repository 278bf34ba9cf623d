// A selector, a content and a game file put together, or the selector's
// event or page removed: refused with a PUTERROR or a GAMEFILEERROR, or the
// new bytes read as a game file, and what was put is what taking the selector
// gives. Bytes made that would not read back as put are a fault.
//
// The input: one byte for the selector's form and one each for its id, its
// page, and a position's x and y; the content's length as 4 bytes, little
// endian; the content; and the game file.
#include "game_put.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

constexpr std::size_t HEADBYTES = 9;

// The selector's form from the bits of a byte: its kind, whether it names a
// page, its commands, whether a position is given and whether it is removed.
SELECTOR SELECTOROF(std::uint8_t form, std::uint8_t id, std::uint8_t page) {
    SELECTOR selector;
    selector.kind = static_cast<ENTRYKIND>((form & 3u) % ENTRYKINDS);
    selector.map = 1;
    selector.id = id + 1;
    if (selector.kind != ENTRYKIND::COMMONEVENT && (form & 4u)) selector.page = page % 8 + 1;
    selector.commands =
        (form & 8u) && (selector.page != 0 || selector.kind == ENTRYKIND::COMMONEVENT);
    return selector;
}

[[noreturn]] void FAULT(const SELECTOR& selector, const char* what) {
    std::fprintf(stderr, "%s: %s\n", SELECTORTEXT(selector).c_str(), what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < HEADBYTES) return 0;
    std::uint32_t length = 0;
    std::memcpy(&length, data + 5, sizeof length);
    if (length > size - HEADBYTES) return 0;
    const SELECTOR selector = SELECTOROF(data[0], data[1], data[2]);
    const BYTEVIEW content(reinterpret_cast<const char*>(data + HEADBYTES), length);
    std::optional<GAMEFILE> file;
    try {
        file.emplace(BYTESTRING(reinterpret_cast<const char*>(data + HEADBYTES + length),
                                size - HEADBYTES - length));
    } catch (const GAMEFILEERROR&) {
        return 0;
    }
    const std::optional<POSITION> at =
        (data[0] & 16u) ? std::optional<POSITION>(POSITION{data[3], data[4]}) : std::nullopt;
    try {
        if (data[0] & 32u) {
            GAMEFILE(REMOVECONTENT(*file, selector).bytes);
            return 0;
        }
        const std::optional<FILECHANGE> change = PUTCONTENT(*file, selector, content, at);
        if (!change) return 0;
        const GAMEFILE written(change->bytes);
        ABSENT absent{};
        const std::optional<BYTESTRING> taken = TAKECONTENT(written, selector, absent);
        if (!taken) FAULT(selector, "put, yet not there");
        // Past its framing, at most 8 bytes, a content is its body; a
        // position given changes a map event's.
        const bool same = taken->size() == content.size() &&
                          BYTEVIEW(*taken).substr(std::min<std::size_t>(8, taken->size())) ==
                              content.substr(std::min<std::size_t>(8, content.size()));
        if (!at && !same) FAULT(selector, "taken other than put");
    } catch (const PUTERROR& error) {
        if (error.fault == PUTFAULT::UNVERIFIED)
            FAULT(selector, "made bytes that do not read back");
    } catch (const GAMEFILEERROR&) {
    }
    return 0;
}
