// The code page a game's texts are written in, found from the texts
// themselves: a game says it nowhere but, sometimes, in RPG_RT.ini, and that
// may be wrong. Every conversion goes through CODEPAGE, so that the finding is
// the same wherever the program runs.
#ifndef PAGEWRIGHT_EVENTTEXT_CODEPAGE_DETECTION_H
#define PAGEWRIGHT_EVENTTEXT_CODEPAGE_DETECTION_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace PAGEWRIGHT {

struct CODEPAGEFINDING {
    std::uint32_t number;
    // Why, in a few words for the user: "found from the game's texts".
    std::string reason;
};

// The code page of the game's texts (names, messages and so on, as bytes),
// given the one RPG_RT.ini names, if any:
// - A page that reads as Japanese kana (932), or as the frequent characters of
//   simplified Chinese (936), traditional Chinese (950) or Korean (949), in
//   enough of the texts beyond ASCII, is the game's. Texts that no page reads
//   count against it.
// - The ini's page is taken when it reads at least 90% of those texts, and
//   they are not found to be in another page of the above.
// - Else the game is written in a Windows page of Europe, and the few texts
//   that read as one of the pages above are left over from the editor's own
//   database: 1252 unless 1251 reads words made only of letters beyond ASCII
//   (Cyrillic), or another page reads clearly more of those bytes as letters
//   among letters (Polish, Czech, Greek...). 1252 also when nothing else
//   tells.
CODEPAGEFINDING DETECTCODEPAGE(const std::vector<std::string_view>& texts,
                               std::optional<std::uint32_t> ini_codepage);

} // namespace PAGEWRIGHT

#endif
