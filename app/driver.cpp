#include "driver.h"

#include "conversions.h"
#include "format_names.h"
#include "kestrel_internal.h"
#include "resource.h"

#include <string>

namespace PAGEWRIGHT {

using namespace KESTREL;

const char* const NODATAMESSAGE =
    PAGEWRIGHT_VERSION_TEXT "\r\n"
                            "Converts RPG Maker event data on the clipboard.\r\n"
                            "Made by the Pagewright team.\r\n"
                            "\r\n"
                            "There is no supported RPG Maker event data in clipboard!";

const char* const WRITEFAILEDMESSAGE = "Could not write to the clipboard. Nothing was converted.";
const char* const READFAILEDMESSAGE = "Could not read the clipboard. Nothing was converted.";

namespace {

// Nothing is converted when the user declines, or names no target.
const CONVERSION* TARGETOF(const CONVERSION& source, PRESENTER& presenter) {
    if (source.target != CHOSENTARGET) return CONVERSIONOF(source.target);
    return DIALOGTARGET(presenter.CHOOSETARGET());
}

std::string CONVERTEDMESSAGE(const CONVERSION& source, const CONVERSION& target) {
    return std::string("Successfully converted: ") + FORMATNAME(source.format) + " -> " +
           FORMATNAME(target.format);
}

} // namespace

int RUNCONVERTER(PRESENTER& presenter) {
    const CONVERSION* source = CONVERSIONOF(CHECKCLIPBOARDCONTENT());
    if (source == nullptr) {
        presenter.SHOWMESSAGE(NODATAMESSAGE);
        return 0;
    }

    // The data is there but could not be read (another program held the
    // clipboard past every retry, say); saying there is none would be wrong.
    const std::optional<EVENT*> content = TRYGETCLIPBOARDCONTENT(source->format);
    if (!content) {
        presenter.SHOWMESSAGE(READFAILEDMESSAGE);
        return 0;
    }

    // Empty data decodes to no tree; converting it would only empty the
    // clipboard, so it is reported as no data and the clipboard stays as it is.
    EVENT* tree = *content;
    if (tree == nullptr) {
        presenter.SHOWMESSAGE(NODATAMESSAGE);
        return 0;
    }

    if (const CONVERSION* target = TARGETOF(*source, presenter)) {
        // The clipboard can be held by another program past every retry, or
        // the write can fail; then nothing was written and the user must not
        // be told otherwise.
        const bool written = PUTCLIPBOARDCONTENT(target->format, tree, 1, 0, -1);
        presenter.SHOWMESSAGE(written ? CONVERTEDMESSAGE(*source, *target) : WRITEFAILEDMESSAGE);
    }
    DESTROYOBJECT(tree, 0, 1);
    return 0;
}

} // namespace PAGEWRIGHT
