#include "clip_json.h"

#include "clip_support.h"
#include "event_json.h"
#include "kestrel_internal.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace PAGEWRIGHT {
namespace {

using namespace KESTREL;

// A command's one plain argument and the values of its options.
struct ARGUMENTS {
    const char* plain = nullptr;
    std::map<std::string, const char*> options;

    const char* OPTION(const std::string& name) const {
        const auto found = options.find(name);
        return found == options.end() ? nullptr : found->second;
    }
};

// False for an option not in `known`, one without its value or given twice,
// and for a second plain argument.
bool PARSEARGUMENTS(int count, char** arguments, std::initializer_list<const char*> known,
                    ARGUMENTS& parsed) {
    for (int i = 0; i < count; ++i) {
        const std::string argument = arguments[i];
        if (argument.size() > 1 && argument[0] == '-') {
            const bool listed = std::find(known.begin(), known.end(), argument) != known.end();
            if (!listed || i + 1 == count || parsed.options.count(argument)) return false;
            parsed.options[argument] = arguments[++i];
        } else if (parsed.plain) {
            return false;
        } else {
            parsed.plain = arguments[i];
        }
    }
    return true;
}

std::string CODEPAGELIST() {
    std::string list;
    for (const std::uint32_t number : CODEPAGES)
        list += (list.empty() ? "" : ", ") + std::to_string(number);
    return list;
}

// The code page of --codepage, else of PAGEWRIGHT_CODEPAGE, else the system's.
std::unique_ptr<CODEPAGE> OPENCODEPAGE(const ARGUMENTS& arguments, std::string& error) {
    const char* option = arguments.OPTION("--codepage");
    const char* variable = std::getenv("PAGEWRIGHT_CODEPAGE");
    const char* given = option ? option : variable && *variable ? variable : nullptr;
    std::uint32_t number = SYSTEMCODEPAGE();
    if (given) {
        char* end = nullptr;
        const unsigned long parsed = std::strtoul(given, &end, 10);
        number = *end == '\0' && parsed <= UINT32_MAX ? static_cast<std::uint32_t>(parsed) : 0;
    }
    std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(number);
    if (!codepage) {
        const char* source = option ? "--codepage" : given ? "PAGEWRIGHT_CODEPAGE" : "the system";
        error = std::string(source) + ": " + (given ? given : std::to_string(number)) +
                " is not a supported code page (" + CODEPAGELIST() + ")";
    }
    return codepage;
}

// JSON passes through standard input and output byte for byte, with the same
// line ends on every system.
void BINARYMODE(std::FILE* stream) {
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#else
    (void)stream;
#endif
}

int WRITEOUTPUT(const char* path, std::string_view bytes) {
    if (path) {
        std::string reason;
        if (!REPLACEFILE(path, bytes, reason)) {
            return FAIL(std::string("cannot write ") + path + ": " + reason);
        }
        return 0;
    }
    BINARYMODE(stdout);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        return FAIL("cannot write standard output: " + REASON());
    }
    return 0;
}

const char* const TEXTISNOTEVENTDATA = "format 1 is text, not event data";

// The tree of the clipboard's first event format, found as the converter
// finds it: text counts first, and the converter sees no event data then.
EVENTTREE FIRSTCLIPBOARDTREE(CLIPBOARDCONTENTTYPE& format, std::string& error) {
    format = CHECKCLIPBOARDCONTENT();
    if (format == CB_TEXT) {
        error = "the clipboard holds text, and so no event data as the converter sees it; "
                "name the FORMAT to export";
        return nullptr;
    }
    if (format == CLIPBOARDCONTENTTYPE{}) {
        error = "no event data on the clipboard";
        return nullptr;
    }
    EVENTTREE tree(GETCLIPBOARDCONTENT(format));
    if (!tree) error = NOTONCLIPBOARD(format);
    return tree;
}

} // namespace

int EXPORTCOMMAND(int count, char** arguments) {
    ARGUMENTS parsed;
    if (!PARSEARGUMENTS(count, arguments, {"--codepage", "--from", "-o"}, parsed)) {
        return USAGEERROR();
    }
    const char* from = parsed.OPTION("--from");
    CLIPBOARDCONTENTTYPE format{};
    if (parsed.plain && !PARSEFORMAT(parsed.plain, format)) {
        return FAIL(std::string("unknown format ") + parsed.plain);
    }
    if (from && !parsed.plain) return FAIL("export --from needs the FORMAT of the content");
    if (format == CB_TEXT) return FAIL(TEXTISNOTEVENTDATA);
    std::string error;
    const std::unique_ptr<CODEPAGE> codepage = OPENCODEPAGE(parsed, error);
    if (!codepage) return FAIL(error);

    EVENTTREE tree;
    if (from) {
        std::string content;
        if (!READFILE(from, content))
            return FAIL(std::string("cannot read ") + from + ": " + REASON());
        tree.reset(DECODECONTENT(format, content));
        if (!tree) return FAIL(std::string(from) + " is empty");
    } else if (format == CLIPBOARDCONTENTTYPE{}) {
        tree = FIRSTCLIPBOARDTREE(format, error);
        if (!tree) return FAIL(error);
    } else {
        tree.reset(GETCLIPBOARDCONTENT(format));
        if (!tree) return FAIL(NOTONCLIPBOARD(format));
    }
    return WRITEOUTPUT(parsed.OPTION("-o"), EXPORTEVENT(format, *tree, *codepage));
}

// The tree is written by the converter's encoder: the first page, and of
// event commands all of them.
int IMPORTCOMMAND(int count, char** arguments) {
    ARGUMENTS parsed;
    if (!PARSEARGUMENTS(count, arguments, {"--as", "--codepage", "--to"}, parsed)) {
        return USAGEERROR();
    }
    CLIPBOARDCONTENTTYPE target{};
    if (const char* as = parsed.OPTION("--as"); as && !PARSEFORMAT(as, target)) {
        return FAIL(std::string("unknown format ") + as);
    }
    if (target == CB_TEXT) return FAIL(TEXTISNOTEVENTDATA);
    std::string error;
    const std::unique_ptr<CODEPAGE> codepage = OPENCODEPAGE(parsed, error);
    if (!codepage) return FAIL(error);

    const std::string source = parsed.plain ? parsed.plain : "standard input";
    std::string json;
    if (!parsed.plain) BINARYMODE(stdin);
    const bool read = parsed.plain ? READFILE(parsed.plain, json, MAXJSONBYTES)
                                   : READSTREAM(stdin, MAXJSONBYTES, json);
    if (!read) return FAIL("cannot read " + source + ": " + REASON());
    IMPORTEDEVENT imported;
    try {
        imported = IMPORTEVENT(json, *codepage);
    } catch (const JSONERROR& fault) {
        return FAIL(source + ": " + fault.what());
    }
    if (target == CLIPBOARDCONTENTTYPE{}) target = imported.format;
    const BYTESTRING content = ENCODECONTENT(target, imported.tree.get(), 1, 0, -1).value();

    if (const char* to = parsed.OPTION("--to")) return WRITEOUTPUT(to, content);
    if (!WRITECLIPBOARD(content, static_cast<std::uint32_t>(target), nullptr)) {
        return FAIL("could not write to the clipboard");
    }
    return 0;
}

} // namespace PAGEWRIGHT
