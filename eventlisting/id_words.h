// Ids as the editor shows them: four digits in brackets, "[0003]", and where
// the database names the id, its name after a colon, "[0003:Door open]". The
// name is only for the reader: reading takes the number and skips the name.
#ifndef PAGEWRIGHT_EVENTLISTING_ID_WORDS_H
#define PAGEWRIGHT_EVENTLISTING_ID_WORDS_H

#include "event_listing.h"
#include "listing_text.h"

#include <cstdint>
#include <string>

namespace PAGEWRIGHT {

std::string IDTEXT(IDKIND kind, std::int32_t id, const IDNAMES* names);

bool READID(CURSOR& cursor, std::int32_t& id);

} // namespace PAGEWRIGHT

#endif
