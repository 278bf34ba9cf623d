// What this project's own programs need of the record library beyond its
// public interface: the clipboard as raw blocks, the framing of a content, and
// the content decoder and encoder apart from the clipboard. Only the project's
// programs and tests see this header; it is not part of the library's SDK.
#ifndef PAGEWRIGHT_KESTREL_INTERNAL_H
#define PAGEWRIGHT_KESTREL_INTERNAL_H

#include "kestrel.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace KESTREL {

// Encoded data, clipboard content and chunk payloads: counted bytes that may
// hold zero bytes.
using BYTESTRING = std::string;
using BYTEVIEW = std::string_view;

// Where a piece lies in bytes: a chunk's payload, an entry of a list.
struct SPAN {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// The ids a monster group's kept chunks can have: 0 up to one below this.
constexpr std::int32_t KEPTCHUNKIDS =
    static_cast<std::int32_t>(std::extent_v<decltype(EXTRACHUNKS::entries)>);

// The owner of a whole tree, which releases it with DESTROYOBJECT.
struct TREERELEASER {
    void operator()(EVENT* event) const { DESTROYOBJECT(event, 0, 1); }
};
using EVENTTREE = std::unique_ptr<EVENT, TREERELEASER>;

// A new name from the C allocator holding the bytes and a terminating zero,
// as a record's names are held.
char* COPYNAME(BYTEVIEW bytes);

// The system clipboard, moved as byte strings under numeric formats. Each call
// opens and closes the clipboard itself; nothing is held between calls.
// `owner` is the window handle the clipboard is opened for (always null here).

bool CLIPBOARDHASFORMAT(std::uint32_t format);

// The format's whole block, which may be longer than what its writer meant; the
// empty byte string when the format is not there.
BYTESTRING READCLIPBOARD(std::uint32_t format, void* owner);

// READCLIPBOARD that tells a block out of reach from an absent one: nothing
// when the clipboard stayed busy past the retries, or the format is there but
// its data cannot be had (Windows gives no handle for it, or its file cannot
// be read); READCLIPBOARD gives the empty byte string for these too.
std::optional<BYTESTRING> TRYREADCLIPBOARD(std::uint32_t format, void* owner);

// Empties the clipboard and places `data` followed by one zero byte under the
// format, alone. False when nothing was placed; the clipboard then keeps what
// it held.
bool WRITECLIPBOARD(BYTEVIEW data, std::uint32_t format, void* owner);

void CLEARCLIPBOARD(void* owner);

// The content inside a clipboard block: for an event format its 4-byte length
// field and the bytes it declares, as far as the block holds them (a negative
// length declares none); for text, the bytes up to the terminator. What lies
// past is the block's padding.
BYTEVIEW CONTENTOFBLOCK(CLIPBOARDCONTENTTYPE format, BYTEVIEW block);

// A new tree decoded from the content of the format, or null for empty
// content or a format that is none of the seven. For CB_TEXT the result is a
// copy of the text from the C allocator, zero-terminated.
EVENT* DECODECONTENT(CLIPBOARDCONTENTTYPE format, BYTEVIEW content);

// The tree written as the format; for CB_TEXT, `event` points to text instead.
// Nothing when the clipboard is to be emptied instead: for a format that is
// none of the seven, or a pointer that is not a readable EVENT.
std::optional<BYTESTRING> ENCODECONTENT(CLIPBOARDCONTENTTYPE format, const EVENT* event,
                                        std::int32_t page, std::int32_t first, std::int32_t last);

// The body of an event format framed as its content: the length, then the
// lead byte or the number (a page's number, an id) that the format carries
// before the body, then the body. A format without a number ignores it.
BYTESTRING FRAMEDCONTENT(CLIPBOARDCONTENTTYPE format, std::int32_t number, BYTEVIEW body);

// GETCLIPBOARDCONTENT that tells data out of reach from none: nothing when
// TRYREADCLIPBOARD gives nothing, else the tree, null for empty data as there.
std::optional<EVENT*> TRYGETCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format);

// SETCLIPBOARDCONTENT with its outcome: true when the clipboard now holds the
// tree written as the format, false when the clipboard could not be written
// (it keeps what it held) or was emptied instead.
bool PUTCLIPBOARDCONTENT(CLIPBOARDCONTENTTYPE format, const EVENT* event, std::int32_t page,
                         std::int32_t first, std::int32_t last);

} // namespace KESTREL

#endif
