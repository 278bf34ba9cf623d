#include "block_stack.h"

#include "command_table.h"

namespace PAGEWRIGHT {

const OPENBLOCK* BLOCKSTACK::AT(std::int32_t indent) const {
    for (auto block = open_.rbegin(); block != open_.rend(); ++block) {
        if (block->indent == indent && !block->closed) return &*block;
        if (block->indent < indent) break;
    }
    return nullptr;
}

std::vector<OPENBLOCK> BLOCKSTACK::ADVANCE(std::int32_t code, std::int32_t indent, std::size_t line,
                                           bool must_close) {
    std::vector<OPENBLOCK> left;
    while (!open_.empty() && open_.back().indent > indent) {
        left.push_back(open_.back());
        open_.pop_back();
    }
    const COMMANDENTRY* command = COMMANDENTRYOF(code);
    if (!command) return left;
    OPENBLOCK* current = open_.empty() || open_.back().indent != indent ? nullptr : &open_.back();
    if (command->role == BLOCKROLE::OPENS) {
        if (current) {
            left.push_back(*current);
            open_.pop_back();
        }
        open_.push_back({indent, code, 0, line, must_close, false});
    } else if ((command->role == BLOCKROLE::DIVIDES || command->role == BLOCKROLE::CLOSES) &&
               current && current->opener == command->opener && !current->closed) {
        if (command->role == BLOCKROLE::CLOSES) {
            current->closed = true;
        } else {
            ++current->cases;
        }
    }
    return left;
}

std::vector<OPENBLOCK> BLOCKSTACK::END() {
    std::vector<OPENBLOCK> left(open_.rbegin(), open_.rend());
    open_.clear();
    return left;
}

} // namespace PAGEWRIGHT
