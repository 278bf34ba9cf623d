// Event data from JSON or a listing, onto the clipboard or into a file. Which
// of the two a text is, its file's name says when it ends in ".json", else its
// content (ISJSON).
#include "clipboard_text.h"
#include "codepage_choice.h"
#include "commands.h"
#include "event_json.h"
#include "event_listing.h"
#include "event_source.h"
#include "files.h"
#include "messages.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

static_assert(MAXLISTINGBYTES == MAXJSONBYTES, "either text is read before it is told apart");

// The text of FILE, of standard input, or of the clipboard; or nothing after
// saying why.
std::optional<std::string> IMPORTTEXT(const ARGUMENTS& arguments, std::string& source) {
    const char* path = arguments.PLAIN(0);
    if (arguments.SWITCH("--text")) {
        if (path) {
            REPORTFAILURE("--text and FILE are each a source; give one");
            return std::nullopt;
        }
        source = "the clipboard's text";
        std::optional<std::string> text = CLIPBOARDTEXT();
        if (text && text->size() > MAXJSONBYTES) text->resize(MAXJSONBYTES + 1);
        return text;
    }
    source = path ? path : "standard input";
    std::string text;
    std::string reason;
    if (!READINPUT(path, MAXJSONBYTES, text, reason)) {
        REPORTFAILURE(CANNOTREAD(source, reason));
        return std::nullopt;
    }
    return text;
}

// Whether the file's name ends in ".json", in any case.
bool NAMEDJSON(const char* path) {
    constexpr std::string_view SUFFIX = ".json";
    const std::string_view name = path ? path : "";
    if (name.size() < SUFFIX.size()) return false;
    const std::string_view end = name.substr(name.size() - SUFFIX.size());
    return std::equal(end.begin(), end.end(), SUFFIX.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// The tree the text describes; nothing after saying why it cannot be read.
std::optional<LISTEDEVENT> READTEXT(const std::string& text, bool json, const std::string& source,
                                    const CODEPAGE& codepage) {
    try {
        if (json) {
            IMPORTEDEVENT imported = IMPORTEVENT(text, codepage);
            return LISTEDEVENT{imported.format, std::move(imported.tree), {}};
        }
        return READLISTING(text, codepage);
    } catch (const JSONERROR& fault) {
        REPORTFAILURE(source + ": " + fault.what());
    } catch (const LISTINGERROR& fault) {
        REPORTFAILURE(source + ":" + fault.what());
    }
    return std::nullopt;
}

} // namespace

// The tree is written by the converter's encoder: the first page, and of
// event commands all of them.
int IMPORTCOMMAND(const ARGUMENTS& arguments) {
    CLIPBOARDCONTENTTYPE target{};
    if (!NAMEDFORMAT(arguments.VALUE("--as"), target)) return 1;
    if (target == CB_TEXT) return REPORTFAILURE(TEXTISNOTEVENTDATA());
    const std::unique_ptr<CODEPAGE> codepage = CHOSENCODEPAGE(arguments);
    if (!codepage) return 1;
    std::string source;
    const std::optional<std::string> text = IMPORTTEXT(arguments, source);
    if (!text) return 1;
    const bool json = NAMEDJSON(arguments.PLAIN(0)) || ISJSON(*text);
    const std::optional<LISTEDEVENT> imported = READTEXT(*text, json, source, *codepage);
    if (!imported) return 1;
    for (const LISTINGWARNING& warning : imported->warnings) {
        std::fprintf(stderr, "%s:%zu: warning: %s\n", source.c_str(), warning.line,
                     warning.what.c_str());
    }
    if (target == CLIPBOARDCONTENTTYPE{}) target = imported->format;
    const BYTESTRING content = ENCODECONTENT(target, imported->tree.get(), 1, 0, -1).value();

    if (const char* to = arguments.VALUE("--to")) return WRITEOUTPUT(to, content);
    return PUTONCLIPBOARD(target, content);
}

} // namespace PAGEWRIGHT
