// The code page of names and texts: --codepage, else PAGEWRIGHT_CODEPAGE,
// else, for a command that reads a game, the game's own, else the system's.
#ifndef PAGEWRIGHT_CLIP_CODEPAGE_CHOICE_H
#define PAGEWRIGHT_CLIP_CODEPAGE_CHOICE_H

#include "codepage.h"
#include "game_source.h"
#include "options.h"

#include <memory>
#include <string>

namespace PAGEWRIGHT {

struct CODEPAGECHOICE {
    // Null after saying why it cannot be had.
    std::unique_ptr<CODEPAGE> codepage;
    // Why it is the one, in a few words: "given by --codepage", "found from
    // the game's texts".
    std::string reason;
};

// The code page for a command that reads the game, or null for one that reads
// none. A game's own is the one its RPG_RT.ini names where the game's texts
// agree, else the one found from a sample of its texts: the names of its maps,
// and of its database and maps the names and what their events say. With
// --verbose the choice is said on standard error.
CODEPAGECHOICE CHOOSECODEPAGE(const ARGUMENTS& arguments, const GAME* game);

// The code page for a command that reads no game, or null after saying why
// it cannot be had.
std::unique_ptr<CODEPAGE> CHOSENCODEPAGE(const ARGUMENTS& arguments);

// "874, 932, ... or 1258".
std::string CODEPAGELIST();

} // namespace PAGEWRIGHT

#endif
