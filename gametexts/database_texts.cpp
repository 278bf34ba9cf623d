#include "command_walk.h"
#include "entry_list.h"
#include "player_texts.h"
#include "text_fields.h"

#include <string>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

PLAYERTEXT FIELD(const GAMEFILE& database, std::vector<CHUNK> enclosing, std::string context,
                 std::string place, std::string what, std::size_t width) {
    PLAYERTEXT text;
    text.context = std::move(context);
    text.bytes = database.BYTESOF(enclosing.back().PAYLOAD());
    text.place = std::move(place);
    text.what = std::move(what);
    text.width = width;
    text.enclosing = std::move(enclosing);
    return text;
}

// "actors.title" is the field "title" of "actor3/title".
std::string FIELDNAME(std::string_view context) {
    return std::string(context.substr(context.find('.') + 1));
}

bool HASTEXTS(IDKIND list) {
    for (const FIELDTEXT& field : FIELDTEXTTABLE) {
        if (field.list == list) return true;
    }
    return false;
}

void LISTTEXTS(const GAMEFILE& database, IDKIND list, std::vector<PLAYERTEXT>& texts) {
    const std::vector<CHUNK>& chunks = database.LISTCHUNKS(list);
    if (chunks.empty() || !HASTEXTS(list)) return;
    const std::string word(IDLISTOF(list).word);
    ENTRYLIST entries(database.BYTES(), chunks.back().PAYLOAD());
    for (std::int32_t id; entries.NEXTENTRY(id);) {
        for (CHUNK chunk; entries.NEXTCHUNK(chunk);) {
            const FIELDTEXT* field = FIELDTEXTOF(list, chunk.id);
            if (!field || chunk.length == 0) continue;
            std::vector<CHUNK> enclosing = chunks;
            enclosing.push_back(chunk);
            texts.push_back(FIELD(database, std::move(enclosing), std::string(field->context),
                                  word + std::to_string(id) + '/' + FIELDNAME(field->context),
                                  std::string(field->what), field->width));
        }
    }
}

const TERMTEXT* TERMOF(std::int32_t chunk) {
    for (const TERMTEXT& term : TERMTABLE) {
        if (term.chunk == chunk) return &term;
    }
    return nullptr;
}

void TERMTEXTS(const GAMEFILE& database, std::vector<PLAYERTEXT>& texts) {
    for (const CHUNK& terms : database.TOPCHUNKS()) {
        if (terms.id != DATABASECHUNK::TERMS) continue;
        CHUNKREADER reader(database.BYTES(), terms.PAYLOAD(), OVERRUN::DAMAGED);
        for (CHUNK chunk; reader.MORE() && reader.NEXTCHUNK(chunk); reader.SKIP(chunk)) {
            const TERMTEXT* term = TERMOF(chunk.id);
            if (!term || chunk.length == 0) continue;
            texts.push_back(FIELD(database, {terms, chunk}, "terms." + std::string(term->name),
                                  "terms/" + std::string(term->name),
                                  "a word of the game's screens and battles", 0));
        }
    }
}

} // namespace

std::vector<PLAYERTEXT> FIELDTEXTS(const GAMEFILE& database) {
    std::vector<PLAYERTEXT> texts;
    try {
        for (const IDLIST& list : IDLISTS) {
            if (list.home == LISTHOME::DATABASE) LISTTEXTS(database, list.kind, texts);
        }
        TERMTEXTS(database, texts);
    } catch (const DATAERROR& error) {
        throw REFUSALOF(error);
    }
    return texts;
}

} // namespace PAGEWRIGHT
