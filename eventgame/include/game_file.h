// The files of a game, read only: a map file (MapNNNN.lmu) holds one map's
// events; the database (RPG_RT.ldb) holds the monster groups, the common
// events and the names of everything the editor numbers. Their events come
// out as clipboard contents, each body byte for byte as the file holds it.
//
// Where an event, a page or a command list lies is known down to the chunks
// that enclose it, each with where its header and its payload lie, so that a
// writer can replace it and rewrite the lengths around it.
#ifndef PAGEWRIGHT_EVENTGAME_GAME_FILE_H
#define PAGEWRIGHT_EVENTGAME_GAME_FILE_H

#include "codec/chunk_reader.h"
#include "event_codes.h"
#include "id_lists.h"
#include "kestrel_internal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <vector>

namespace PAGEWRIGHT {

// No game file is larger; a larger one is refused before it is read.
constexpr std::size_t MAXGAMEFILEBYTES = std::size_t{64} << 20;

// Why bytes are no game file that can be read.
enum class GAMEFILEFAULT : std::uint8_t {
    LARGE,   // larger than MAXGAMEFILEBYTES
    FOREIGN, // neither kind of file
    CUTSHORT,
    DAMAGED,
};

class GAMEFILEERROR : public std::exception {
public:
    explicit GAMEFILEERROR(GAMEFILEFAULT fault, std::int64_t position = 0)
        : fault(fault), position(position) {}

    GAMEFILEFAULT fault;
    // Of a file cut short or damaged, the byte where the refused read began.
    std::int64_t position;
};

// Refuses bytes beyond the bound unread, else runs READ over them and throws
// the reader's refusal as what it says of the file, cut short or damaged.
template <typename READER> void READGAMEBYTES(const KESTREL::BYTESTRING& bytes, READER read) {
    if (bytes.size() > MAXGAMEFILEBYTES) throw GAMEFILEERROR(GAMEFILEFAULT::LARGE);
    try {
        read();
    } catch (const KESTREL::DATAERROR& error) {
        throw GAMEFILEERROR(error.fault == KESTREL::OVERRUN::CUTSHORT ? GAMEFILEFAULT::CUTSHORT
                                                                      : GAMEFILEFAULT::DAMAGED,
                            error.position);
    }
}

enum class GAMEFILEKIND : std::uint8_t { MAP, DATABASE };

// The three kinds of events a game file lists, in the order they are given.
enum class ENTRYKIND : std::uint8_t { MAPEVENT, TROOP, COMMONEVENT };
// How many, counted from the last.
constexpr std::size_t ENTRYKINDS = static_cast<std::size_t>(ENTRYKIND::COMMONEVENT) + 1;

// The list that holds the events of the kind.
constexpr IDKIND EVENTLIST(ENTRYKIND kind) {
    switch (kind) {
    case ENTRYKIND::MAPEVENT:
        return IDKIND::MAPEVENT;
    case ENTRYKIND::TROOP:
        return IDKIND::TROOP;
    case ENTRYKIND::COMMONEVENT:
        break;
    }
    return IDKIND::COMMONEVENT;
}

// An event as its file lists it: its kind and id, where it begins (at its
// id), and its chunks up to and with the closing chunk id 0.
struct GAMEENTRY {
    ENTRYKIND kind = ENTRYKIND::MAPEVENT;
    std::int32_t id = 0;
    std::uint32_t start = 0;
    KESTREL::SPAN body;
};

// A command list as an entry or a page holds it: the chunk of the commands,
// and the chunk of their size in bytes, which a writer of the commands
// rewrites with them. Each is the empty chunk of id 0 where there is none.
struct COMMANDCHUNKS {
    KESTREL::CHUNK list;
    KESTREL::CHUNK size;
};

// A page of a map event or monster group: its number as the page list gives
// it, where it begins (at its number), its chunks up to and with the closing
// chunk id 0, and its commands.
struct GAMEPAGE {
    std::int32_t number = 0;
    std::uint32_t start = 0;
    KESTREL::SPAN body;
    COMMANDCHUNKS commands;
};

// What an entry's chunks say of it, as far as anything here needs. What an
// entry has no chunk for reads as the decoder reads it: a map event at 0 for
// the position it leaves out, a common event called.
struct ENTRYFACTS {
    KESTREL::SPAN name;
    std::int32_t x = 0;                           // of a map event
    std::int32_t y = 0;                           // of a map event
    std::int32_t trigger = KESTREL::COMMONCALLED; // of a common event, as stored
    COMMANDCHUNKS commands;                       // of a common event
    // Of a map event or monster group: the chunk of its page list (the empty
    // chunk of id 0 where there is none) and the pages.
    KESTREL::CHUNK page_list;
    std::vector<GAMEPAGE> pages;
};

// Whether the bytes read as a file reads the body of an event of the kind, or
// with `page` of one of its pages: chunks that lie inside it, what the reader
// reads of them readable, and the closing chunk id 0 as its last byte.
bool READABLEBODY(ENTRYKIND kind, bool page, KESTREL::BYTEVIEW body);
// Whether the bytes read as a command list as a page or a common event holds
// it: commands that lie inside it, and the end command as its last.
bool READABLECOMMANDS(KESTREL::BYTEVIEW body);
// The facts of the body of an event of the kind, where it reads as
// READABLEBODY has it; their places count from the body's first byte.
std::optional<ENTRYFACTS> FACTSOFBODY(ENTRYKIND kind, KESTREL::BYTEVIEW body);

// A map file or a database, read whole when it is made, so that every later
// look-up holds. The work and the memory grow linearly with the file.
class GAMEFILE {
public:
    // Throws GAMEFILEERROR.
    explicit GAMEFILE(KESTREL::BYTESTRING bytes);

    GAMEFILEKIND KIND() const { return kind_; }
    KESTREL::BYTEVIEW BYTES() const { return bytes_; }
    KESTREL::BYTEVIEW BYTESOF(KESTREL::SPAN span) const {
        return BYTES().substr(span.offset, span.size);
    }
    // The chunks of the file's top level, in the file's order, and where the
    // top level ends: at a map's closing chunk id 0, at a database's last
    // byte.
    const std::vector<KESTREL::CHUNK>& TOPCHUNKS() const { return top_; }
    std::int64_t TOPEND() const { return top_end_; }

    // The file's events, by kind and then by id: a map file's map events, or
    // a database's monster groups and then its common events.
    const std::vector<GAMEENTRY>& ENTRIES() const { return entries_; }
    // The first entry of the kind with the id, or null.
    const GAMEENTRY* ENTRYOF(ENTRYKIND kind, std::int32_t id) const;
    // Whether the file lists the kind's events in ascending order of their
    // ids, each once, as the editor writes them; a list the file lacks is.
    bool INIDORDER(ENTRYKIND kind) const { return in_order_[static_cast<std::size_t>(kind)]; }
    // Read from the entry's chunks, which takes time in proportion to them.
    ENTRYFACTS FACTSOF(const GAMEENTRY& entry) const;
    // The chunks that enclose the kind's list, outermost first: the chunk of
    // the file's top level that holds it, and the list's own chunk inside it
    // where it lies nested. None for a list the file does not hold.
    const std::vector<KESTREL::CHUNK>& LISTCHUNKS(IDKIND kind) const {
        return lists_[static_cast<std::size_t>(kind)];
    }

    // The name the file gives the id in the kind's list (empty for an entry
    // without one); nothing for an id the list does not reach, and for a list
    // the file does not hold.
    std::optional<KESTREL::BYTEVIEW> NAMEOF(IDKIND kind, std::int32_t id) const;

private:
    struct NAMEDENTRY {
        std::int32_t id;
        KESTREL::SPAN name;
    };

    KESTREL::BYTESTRING bytes_;
    GAMEFILEKIND kind_{};
    std::vector<KESTREL::CHUNK> top_;
    std::int64_t top_end_ = 0;
    std::vector<GAMEENTRY> entries_;
    std::array<bool, ENTRYKINDS> in_order_{};
    std::array<std::vector<NAMEDENTRY>, IDKINDS> names_;
    std::array<std::vector<KESTREL::CHUNK>, IDKINDS> lists_;

    void READ();
    void READLISTS();
    void READNAMES(IDKIND kind, KESTREL::SPAN span);
    void READEVENTLIST(ENTRYKIND kind, KESTREL::SPAN span);
};

} // namespace PAGEWRIGHT

#endif
