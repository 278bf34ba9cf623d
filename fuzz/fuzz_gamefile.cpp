// Bytes as a game file: refused with a GAMEFILEERROR, or every content that
// it lists can be taken and decoded, every list's names looked up and its
// texts gathered; and the same bytes as a map tree, refused or walked in the
// tree's order with each entry's name looked up.
#include "game_selector.h"
#include "game_texts.h"
#include "map_tree.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

void TAKEANDDECODE(const GAMEFILE& file, const SELECTOR& selector) {
    ABSENT absent{};
    const std::optional<BYTESTRING> content = TAKECONTENT(file, selector, absent);
    if (!content) {
        std::fprintf(stderr, "%s is listed, yet its %s is not there\n",
                     SELECTORTEXT(selector).c_str(), absent == ABSENT::ENTRY ? "event" : "page");
        std::abort();
    }
    DESTROYOBJECT(DECODECONTENT(SELECTEDFORMAT(selector), *content), 0, 1);
}

void READASMAPTREE(const BYTESTRING& bytes) {
    std::optional<MAPTREE> tree;
    try {
        tree.emplace(bytes);
    } catch (const GAMEFILEERROR&) {
        return;
    }
    for (const std::size_t index : tree->TREEORDER()) {
        tree->NAMEOF(tree->ENTRIES().at(index).id);
    }
    GAMETEXTS texts;
    texts.ADD(*tree);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const BYTESTRING bytes(reinterpret_cast<const char*>(data), size);
    READASMAPTREE(bytes);
    std::optional<GAMEFILE> file;
    try {
        file.emplace(bytes);
    } catch (const GAMEFILEERROR&) {
        return 0;
    }
    for (const GAMEENTRY& entry : file->ENTRIES()) {
        SELECTOR selector{entry.kind, 1, entry.id};
        TAKEANDDECODE(*file, selector);
        selector.commands = entry.kind == ENTRYKIND::COMMONEVENT;
        if (selector.commands) TAKEANDDECODE(*file, selector);
        for (const GAMEPAGE& page : file->FACTSOF(entry).pages) {
            selector.page = page.number;
            selector.commands = false;
            TAKEANDDECODE(*file, selector);
            selector.commands = true;
            TAKEANDDECODE(*file, selector);
        }
    }
    for (const IDLIST& list : IDLISTS) {
        for (const std::int32_t id : {1, std::numeric_limits<std::int32_t>::max()}) {
            file->NAMEOF(list.kind, id);
        }
    }
    GAMETEXTS texts;
    texts.ADD(*file);
    texts.VIEWS();
    return 0;
}
