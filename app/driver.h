#ifndef PAGEWRIGHT_APP_DRIVER_H
#define PAGEWRIGHT_APP_DRIVER_H

#include "presenter.h"

namespace PAGEWRIGHT {

extern const char* const NODATAMESSAGE;
extern const char* const WRITEFAILEDMESSAGE;
extern const char* const READFAILEDMESSAGE;

// One conversion of whatever event data is on the clipboard, reported through
// the presenter. Returns the process exit code, always 0.
int RUNCONVERTER(PRESENTER& presenter);

} // namespace PAGEWRIGHT

#endif
