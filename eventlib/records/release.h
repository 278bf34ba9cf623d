#ifndef PAGEWRIGHT_RECORDS_RELEASE_H
#define PAGEWRIGHT_RECORDS_RELEASE_H

#include "kestrel.h"

namespace KESTREL {

// Releases everything a record owns, leaving the record itself in place with
// dangling pointers; for records that live in an array or on the stack.
void RELEASEOWNED(MOVECOMMAND& command);
void RELEASEOWNED(EVENTCOMMAND& command);
void RELEASEOWNED(EVENTPAGE& page);

} // namespace KESTREL

#endif
