// Event trees as JSON text and back: every field of the records under its
// name in kestrel.h, names and texts as Unicode in the game's code page.
// docs/event-json.md describes the form, docs/event.schema.json checks it.
#ifndef PAGEWRIGHT_EVENTJSON_EVENT_JSON_H
#define PAGEWRIGHT_EVENTJSON_EVENT_JSON_H

#include "codepage.h"
#include "kestrel_internal.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// The tree, decoded from `format`, as a JSON document ending in a line end.
std::string EXPORTEVENT(KESTREL::CLIPBOARDCONTENTTYPE format, const KESTREL::EVENT& event,
                        const CODEPAGE& codepage);

// What a JSON document that does not describe an event tree gets: where the
// fault is (a JSON pointer, or a line and column) and what it is, on one line.
class JSONERROR : public std::runtime_error {
public:
    JSONERROR(const std::string& where, const std::string& what)
        : std::runtime_error(where + ": " + what) {}
};

struct IMPORTEDEVENT {
    KESTREL::CLIPBOARDCONTENTTYPE format{};
    KESTREL::EVENTTREE tree;
};

// Inputs larger than this are refused before they are read; documents nested
// deeper than MAXJSONDEPTH too. Both keep hostile input bounded in time and
// memory: an event tree is 9 levels deep at most, and reading a document takes
// up to about 70 times its size, which must fit into a 32-bit process. The
// largest event of the real data takes 1.3 MB as JSON.
constexpr std::size_t MAXJSONBYTES = std::size_t{16} << 20;
constexpr int MAXJSONDEPTH = 32;

// The tree a JSON document describes, built from the allocation families of
// kestrel.h. Throws JSONERROR.
IMPORTEDEVENT IMPORTEVENT(std::string_view json, const CODEPAGE& codepage);

// Whether a text that could also be a listing, or dialogue, is JSON: one
// whose first character other than white space is "{" (no listing begins so),
// or "[" when the whole text parses as JSON. So "[]" is JSON, and refused as
// no event; "[Alex] Hi!", "42" and "Hello" are dialogue.
bool ISJSON(std::string_view text);

} // namespace PAGEWRIGHT

#endif
