// A game's translation as PO files: the files out of the game's texts, and
// their translations back into the game as edits of its files. The files
// are laid out as translations of these games are: one for the database's
// fields and terms, one each for its common events and its monster groups,
// one for the map tree and one per map, each entry the text as msgid, with
// the database's list and field as msgctxt.
#ifndef PAGEWRIGHT_GAMETEXTS_TRANSLATIONS_H
#define PAGEWRIGHT_GAMETEXTS_TRANSLATIONS_H

#include "codepage.h"
#include "file_edits.h"
#include "player_texts.h"
#include "po_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace PAGEWRIGHT {

constexpr const char* FIELDSPOFILE = "RPG_RT.ldb.po";
constexpr const char* COMMONPOFILE = "RPG_RT.ldb.common.po";
constexpr const char* BATTLEPOFILE = "RPG_RT.ldb.battle.po";
constexpr const char* MAPTREEPOFILE = "RPG_RT.lmt.po";
// "Map0012.po".
std::string MAPPOFILE(std::int32_t map);

// The PO file of the texts: an entry for each text, in the order of its
// first place, the places of one text with one context merged into one
// entry. A text that is not text of the code page cannot be written in a PO
// file: it is left out, and its place added to `left_out`.
POFILE TEXTSPOFILE(const std::vector<PLAYERTEXT>& texts, const CODEPAGE& codepage,
                   const std::vector<POHEADERFIELD>& header, std::vector<std::string>& left_out);

// A PO file's translations, by context and text, and which of them matched a
// text of the game.
class TRANSLATIONS {
public:
    // `name` names the file in what is said of it. Throws POERROR for bytes
    // that READPO refuses, and for a message with plural forms, which no
    // game's text has.
    TRANSLATIONS(std::string name, std::string_view bytes);

    const std::string& NAME() const { return name_; }
    // The entry of the text, or null; it counts as matched.
    const POENTRY* FIND(const std::optional<std::string>& context, const std::string& text);
    // "Map0001.po:12: matches no text of the game: "Hello"" for each entry
    // FIND never gave.
    std::vector<std::string> UNMATCHED() const;

private:
    std::string name_;
    POFILE file_;
    std::unordered_map<std::string, std::size_t> index_;
    std::vector<bool> matched_;
};

// What translating one file's texts gives: the edits of its bytes, and what
// is said of the translations, each "file:line: ...".
struct TRANSLATED {
    std::vector<EDIT> edits;
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
};

// The edits that write the texts' translations into the file that holds
// them. Each text takes the translation of its context and text in `own`;
// where `own` has none and the text has a context, that of `shared`, the
// database's fields, so that a hero's name an event sets or compares is
// translated as the hero's. Either may be null. A translation that is empty
// or fuzzy leaves the text as it is. A box of more than 4 lines goes on in
// more boxes after it; a choice keeps its count of options; a line wider
// than its box is warned of; a character the code page lacks is an error.
void TRANSLATE(KESTREL::BYTEVIEW file, const std::vector<PLAYERTEXT>& texts, TRANSLATIONS* own,
               TRANSLATIONS* shared, const CODEPAGE& codepage, TRANSLATED& translated);

} // namespace PAGEWRIGHT

#endif
