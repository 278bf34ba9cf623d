#ifndef PAGEWRIGHT_APP_PRESENTER_H
#define PAGEWRIGHT_APP_PRESENTER_H

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

// The list entries of the target dialog, in the order of their indexes.
constexpr int TARGETENTRIES = 5;
extern const char* const TARGETENTRYTEXTS[TARGETENTRIES];
constexpr int DEFAULTTARGETENTRY = 3;

std::unique_ptr<PRESENTER> MAKEPRESENTER();

} // namespace PAGEWRIGHT

#endif
