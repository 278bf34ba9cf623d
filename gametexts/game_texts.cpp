#include "game_texts.h"

#include "codec/chunk_reader.h"
#include "entry_list.h"
#include "game_chunk_ids.h"
#include "game_selector.h"
#include "text_fields.h"

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// Whether the kind's list holds events, whose names the decoded events give.
bool HOLDSEVENTS(IDKIND kind) {
    for (std::size_t index = 0; index < ENTRYKINDS; ++index) {
        if (EVENTLIST(static_cast<ENTRYKIND>(index)) == kind) return true;
    }
    return false;
}

} // namespace

void GAMETEXTS::ADDTEXT(std::string_view text) {
    if (text.empty() || FULL()) return;
    texts_.emplace_back(bytes_.size(), text.size());
    bytes_ += text;
}

void GAMETEXTS::ADD(const MAPTREE& tree) {
    for (const MAPENTRY& entry : tree.ENTRIES()) {
        if (const std::optional<BYTEVIEW> name = tree.NAMEOF(entry.id)) ADDTEXT(*name);
    }
}

// The file was read whole when it was made, so its lists read again here.
void GAMETEXTS::ADD(const GAMEFILE& file) {
    for (const IDLIST& list : IDLISTS) {
        const std::vector<CHUNK>& chunks = file.LISTCHUNKS(list.kind);
        if (chunks.empty() || HOLDSEVENTS(list.kind)) continue;
        ENTRYLIST entries(file.BYTES(), chunks.back().PAYLOAD());
        for (std::int32_t id; entries.NEXTENTRY(id);) {
            for (CHUNK chunk; entries.NEXTCHUNK(chunk);) {
                // Any entry's name, of the editor's lists too, and the
                // texts a player reads.
                if (chunk.id == DATABASEENTRYCHUNK::NAME || FIELDTEXTOF(list.kind, chunk.id)) {
                    ADDTEXT(file.BYTESOF(chunk.PAYLOAD()));
                }
            }
        }
    }
    if (file.KIND() == GAMEFILEKIND::DATABASE) ADDTERMS(file);
    for (const GAMEENTRY& entry : file.ENTRIES()) {
        if (FULL()) return;
        const EVENTTREE tree(
            DECODECONTENT(SELECTEDFORMAT(SELECTOR{entry.kind}), ENTRYCONTENT(file, entry)));
        if (!tree) continue;
        if (tree->name) ADDTEXT(tree->name);
        for (std::int32_t page = 0; page < tree->page_count; ++page) {
            const EVENTPAGE& commands = tree->pages[page];
            for (std::int32_t command = 0; command < commands.command_count; ++command) {
                const char* text = commands.commands[command].string_parameter;
                if (text) ADDTEXT(text);
            }
        }
    }
}

// The file's reading stepped over the record of the terms, and terms that
// cannot be read tell nothing.
void GAMETEXTS::ADDTERMS(const GAMEFILE& database) {
    try {
        for (const CHUNK& chunk : database.TOPCHUNKS()) {
            if (chunk.id != DATABASECHUNK::TERMS) continue;
            CHUNKREADER terms(database.BYTES(), chunk.PAYLOAD(), OVERRUN::DAMAGED);
            for (CHUNK term; terms.MORE() && terms.NEXTCHUNK(term); terms.SKIP(term))
                ADDTEXT(database.BYTESOF(term.PAYLOAD()));
        }
    } catch (const DATAERROR&) {
    }
}

std::vector<std::string_view> GAMETEXTS::VIEWS() const {
    std::vector<std::string_view> views;
    views.reserve(texts_.size());
    for (const auto& [begin, size] : texts_) {
        views.emplace_back(std::string_view(bytes_).substr(begin, size));
    }
    return views;
}

} // namespace PAGEWRIGHT
