// The blocks open at a point of a command list: which block a line that
// divides or closes one belongs to, and how many cases it has had.
#ifndef PAGEWRIGHT_EVENTLISTING_BLOCK_STACK_H
#define PAGEWRIGHT_EVENTLISTING_BLOCK_STACK_H

#include <cstdint>
#include <vector>

namespace PAGEWRIGHT {

struct OPENBLOCK {
    std::int32_t indent;
    std::int32_t opener;
    int cases;
    // Where it was opened, and whether it must be closed.
    std::size_t line;
    bool must_close;
    bool closed;
};

class BLOCKSTACK {
public:
    // The block open at the indent, or null.
    const OPENBLOCK* AT(std::int32_t indent) const;

    // Takes in the next command. The blocks it leaves behind, deeper than it
    // or at its indent under another opener, come back so that their callers
    // can tell whether they were closed.
    std::vector<OPENBLOCK> ADVANCE(std::int32_t code, std::int32_t indent, std::size_t line,
                                   bool must_close);

    // Every block still open, when the list ends.
    std::vector<OPENBLOCK> END();

private:
    std::vector<OPENBLOCK> open_;
};

} // namespace PAGEWRIGHT

#endif
