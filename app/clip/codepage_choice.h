// The code page of names and texts: --codepage, else PAGEWRIGHT_CODEPAGE, else
// the system's.
#ifndef PAGEWRIGHT_CLIP_CODEPAGE_CHOICE_H
#define PAGEWRIGHT_CLIP_CODEPAGE_CHOICE_H

#include "codepage.h"
#include "options.h"

#include <memory>

namespace PAGEWRIGHT {

// The chosen code page, or null after saying why it cannot be had.
std::unique_ptr<CODEPAGE> CHOSENCODEPAGE(const ARGUMENTS& arguments);

// "874, 932, ... or 1258".
std::string CODEPAGELIST();

} // namespace PAGEWRIGHT

#endif
