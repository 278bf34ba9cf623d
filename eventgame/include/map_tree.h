// The map tree of a game, RPG_RT.lmt: every map and area with its name and
// its place in the editor's tree, whose root, id 0, holds the game's title.
// A map's file, MapNNNN.lmu, has the map's id as its number; an area, a part
// of its parent map, has none, and a map may be listed whose file is gone.
#ifndef PAGEWRIGHT_EVENTGAME_MAP_TREE_H
#define PAGEWRIGHT_EVENTGAME_MAP_TREE_H

#include "game_file.h"
#include "kestrel_internal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace PAGEWRIGHT {

// As the entry stores it; another value reads as it is.
enum class MAPTYPE : std::int32_t { ROOT = 0, MAP = 1, AREA = 2 };

// What the chunks of an entry say; what an entry has no chunk for reads as 0,
// as the editor leaves out the root's parent and indentation.
struct MAPENTRY {
    std::int32_t id = 0;
    KESTREL::SPAN name;
    std::int32_t parent = 0;
    // How many levels below the root the editor shows the entry.
    std::int32_t indentation = 0;
    MAPTYPE type = MAPTYPE::ROOT;
};

// Read whole when it is made. The work and the memory grow linearly with the
// file.
class MAPTREE {
public:
    // Throws GAMEFILEERROR: for a file cut short or damaged, also when its
    // entries are not in ascending id order or its tree's order does not give
    // each entry exactly once.
    explicit MAPTREE(KESTREL::BYTESTRING bytes);

    KESTREL::BYTEVIEW BYTES() const { return bytes_; }
    KESTREL::BYTEVIEW BYTESOF(KESTREL::SPAN span) const {
        return KESTREL::BYTEVIEW(bytes_).substr(span.offset, span.size);
    }
    // In id order.
    const std::vector<MAPENTRY>& ENTRIES() const { return entries_; }
    // The indexes of ENTRIES() in the order of the editor's tree: a walk that
    // gives each entry after its parent, the children in the editor's order.
    const std::vector<std::size_t>& TREEORDER() const { return order_; }
    // The entry of the id, or null.
    const MAPENTRY* ENTRYOF(std::int32_t id) const;
    // The name of the map or area of the id; nothing for the root and for an
    // id the tree does not list.
    std::optional<KESTREL::BYTEVIEW> NAMEOF(std::int32_t id) const;

private:
    KESTREL::BYTESTRING bytes_;
    std::vector<MAPENTRY> entries_;
    std::vector<std::size_t> order_;

    void READ();
};

} // namespace PAGEWRIGHT

#endif
