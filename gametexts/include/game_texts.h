// Texts of a game from which the code page they are written in can be found:
// the names its files give and what its events' commands say, as bytes.
// Gathered up to a bound: a sample tells the code page as well as all of them
// do, and a game may have hundreds of maps.
#ifndef PAGEWRIGHT_GAMETEXTS_GAME_TEXTS_H
#define PAGEWRIGHT_GAMETEXTS_GAME_TEXTS_H

#include "game_file.h"
#include "map_tree.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace PAGEWRIGHT {

// Once the texts hold this many bytes, no more are added.
constexpr std::size_t MOSTGAMETEXTBYTES = std::size_t{64} << 10;

class GAMETEXTS {
public:
    // The names of the tree's maps and areas.
    void ADD(const MAPTREE& tree);
    // The names and other texts in the file's lists, a database's terms, and
    // the texts of the file's events' commands.
    void ADD(const GAMEFILE& file);
    bool FULL() const { return bytes_.size() >= MOSTGAMETEXTBYTES; }
    // Each text once it is added, empty ones left out; the views live as long
    // as the texts and while nothing is added.
    std::vector<std::string_view> VIEWS() const;

private:
    std::string bytes_;
    // Where each text begins in bytes_, and its size.
    std::vector<std::pair<std::size_t, std::size_t>> texts_;

    void ADDTEXT(std::string_view text);
    void ADDTERMS(const GAMEFILE& database);
};

} // namespace PAGEWRIGHT

#endif
