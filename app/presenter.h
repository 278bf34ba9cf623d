#ifndef PAGEWRIGHT_APP_PRESENTER_H
#define PAGEWRIGHT_APP_PRESENTER_H

#include "conversions.h"
#include "format_names.h"

#include <memory>
#include <string>

namespace PAGEWRIGHT {

// What the converter shows the user: Windows message boxes and the target
// dialog, or their console counterparts.
class PRESENTER {
public:
    virtual ~PRESENTER() = default;
    virtual void SHOWMESSAGE(const std::string& text) = 0;
    // The index of the chosen target entry (0 to 4), or -1 when declined.
    virtual int CHOOSETARGET() = 0;
};

// The target dialog's list entries are the names of the formats it offers,
// at their entry indexes.
constexpr int DEFAULTTARGETENTRY = CONVERSIONOF(DEFAULTDIALOGTARGET)->dialog_entry;
inline const char* TARGETENTRYTEXT(int entry) {
    return FORMATNAME(DIALOGTARGET(entry)->format);
}

std::unique_ptr<PRESENTER> MAKEPRESENTER();

} // namespace PAGEWRIGHT

#endif
