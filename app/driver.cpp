#include "driver.h"

#include "kestrel_internal.h"
#include "resource.h"

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

struct CONVERSION {
    CLIPBOARDCONTENTTYPE target;
    const char* message;
};

constexpr CONVERSION NOCONVERSION{CLIPBOARDCONTENTTYPE{}, nullptr};

CONVERSION FIXEDCONVERSION(CLIPBOARDCONTENTTYPE source) {
    switch (source) {
    case CB_MAPEVENT:
        return {CB_MONSTERGROUP, "Successfully converted: Map event -> Monster group"};
    case CB_MAPEVENTPAGE:
        return {CB_BATTLEEVENTPAGE, "Successfully converted: Map event page -> Battle event page"};
    case CB_BATTLEEVENTPAGE:
        return {CB_MAPEVENTPAGE, "Successfully converted: Battle event page -> Map event page"};
    case CB_MONSTERGROUP:
        return {CB_MAPEVENT, "Successfully converted: Monster group -> Map event"};
    case CB_COMMONEVENT:
        return {CB_BATTLEEVENTPAGE, "Successfully converted: Common event -> Battle event page"};
    default:
        return NOCONVERSION;
    }
}

// Bare event commands have no natural target; the user picks one.
CONVERSION CHOSENCONVERSION(int entry) {
    switch (entry) {
    case 0:
        return {CB_MAPEVENT, "Successfully converted: Event command(s) -> Map event"};
    case 1:
        return {CB_MAPEVENTPAGE, "Successfully converted: Event command(s) -> Map event page"};
    case 2:
        return {CB_MONSTERGROUP, "Successfully converted: Event command(s) -> Monster group"};
    case 3:
        return {CB_BATTLEEVENTPAGE,
                "Successfully converted: Event command(s) -> Battle event page"};
    case 4:
        return {CB_COMMONEVENT, "Successfully converted: Event command(s) -> Common event"};
    default:
        return NOCONVERSION;
    }
}

} // namespace

int RUNCONVERTER(PRESENTER& presenter) {
    const CLIPBOARDCONTENTTYPE source = CHECKCLIPBOARDCONTENT();
    if (source == CLIPBOARDCONTENTTYPE{} || source == CB_TEXT) {
        presenter.SHOWMESSAGE(NODATAMESSAGE);
        return 0;
    }

    // The data is there but could not be read (another program held the
    // clipboard past every retry, say); saying there is none would be wrong.
    const std::optional<EVENT*> content = TRYGETCLIPBOARDCONTENT(source);
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

    const CONVERSION conversion = source == CB_EVENTCOMMANDS
                                      ? CHOSENCONVERSION(presenter.CHOOSETARGET())
                                      : FIXEDCONVERSION(source);
    if (conversion.message != nullptr) {
        // The clipboard can be held by another program past every retry, or
        // the write can fail; then nothing was written and the user must not
        // be told otherwise.
        const bool written = PUTCLIPBOARDCONTENT(conversion.target, tree, 1, 0, -1);
        presenter.SHOWMESSAGE(written ? conversion.message : WRITEFAILEDMESSAGE);
    }
    DESTROYOBJECT(tree, 0, 1);
    return 0;
}

} // namespace PAGEWRIGHT
