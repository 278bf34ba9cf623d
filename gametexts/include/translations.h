// A game's translation as PO files, made of the game's texts. The files
// are laid out as translations of these games are: one for the database's
// fields and terms, one each for its common events and its monster groups,
// one for the map tree and one per map, each entry the text as msgid, with
// the database's list and field as msgctxt.
#ifndef PAGEWRIGHT_GAMETEXTS_TRANSLATIONS_H
#define PAGEWRIGHT_GAMETEXTS_TRANSLATIONS_H

#include "codepage.h"
#include "player_texts.h"
#include "po_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace PAGEWRIGHT {

constexpr const char* FIELDSPOFILE = "RPG_RT.ldb.po";
constexpr const char* COMMONPOFILE = "RPG_RT.ldb.common.po";
constexpr const char* BATTLEPOFILE = "RPG_RT.ldb.battle.po";
// "Map0012.po".
std::string MAPPOFILE(std::int32_t map);

// The PO file of the texts: an entry for each text, in the order of its
// first place, the places of one text with one context merged into one
// entry. A text that is not text of the code page cannot be written in a PO
// file: it is left out, and its place added to `left_out`.
POFILE TEXTSPOFILE(const std::vector<PLAYERTEXT>& texts, const CODEPAGE& codepage,
                   const std::vector<POHEADERFIELD>& header, std::vector<std::string>& left_out);

} // namespace PAGEWRIGHT

#endif
