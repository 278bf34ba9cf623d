#include "file_edits.h"

#include "codec/encoding.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace PAGEWRIGHT {

using namespace KESTREL;

namespace {

// The most bytes a compressed 32-bit number takes.
constexpr std::int64_t MAXNUMBERBYTES = 5;

// The top level, which is no chunk: the parent of the outermost chunks.
constexpr std::ptrdiff_t TOP = -1;

// What lies in a chunk's payload, or at the top level, and is written anew: a
// chunk of its own, or an edit's region. All of them are in one list, each
// chunk's together and in the order of the bytes.
struct PART {
    std::ptrdiff_t parent;
    std::int64_t begin;
    std::int64_t end;
    bool chunk;
    std::size_t index;
};

// A chunk written again.
struct NODE {
    CHUNK chunk;
    std::int64_t id_end;
    std::ptrdiff_t parent;
    std::size_t depth;
    // Of a size chunk, the list whose size it holds.
    std::ptrdiff_t sized = TOP;
    std::int64_t growth = 0;
    std::int64_t length = 0;
    // Its parts, from the first up to the one past them.
    std::size_t first_part = 0;
    std::size_t parts_end = 0;

    std::int64_t END() const { return chunk.payload + chunk.length; }
};

// The bytes that a length of the value takes, 7 bits a byte.
std::int64_t NUMBERWIDTH(std::int64_t value) {
    std::int64_t width = 1;
    for (std::int64_t limit = 0x80; value >= limit && width < MAXNUMBERBYTES; limit <<= 7)
        ++width;
    return width;
}

class SPLICE {
public:
    explicit SPLICE(BYTEVIEW bytes) : bytes_(bytes) {}

    bool PLACE(const std::vector<EDIT>& edits);
    bool MEASURE();
    BYTESTRING WRITE(const std::vector<EDIT>& edits) const;

private:
    BYTEVIEW bytes_;
    std::vector<NODE> nodes_;
    std::unordered_map<std::int64_t, std::size_t> by_header_;
    std::vector<PART> parts_;
    std::size_t top_parts_end_ = 0;

    std::int64_t BEGINOF(std::ptrdiff_t node) const {
        return node == TOP ? 0 : nodes_[static_cast<std::size_t>(node)].chunk.payload;
    }
    std::int64_t ENDOF(std::ptrdiff_t node) const {
        return node == TOP ? static_cast<std::int64_t>(bytes_.size())
                           : nodes_[static_cast<std::size_t>(node)].END();
    }
    std::ptrdiff_t NODEOF(const CHUNK& chunk, std::ptrdiff_t parent, std::size_t depth);
    bool ORDERPARTS();
    void WRITEPARTS(BYTESTRING& out, std::ptrdiff_t node, const std::vector<EDIT>& edits) const;
};

// The node of the chunk, made on first sight; TOP for a chunk that is not
// where the bytes have it, or not where an earlier edit said it was.
std::ptrdiff_t SPLICE::NODEOF(const CHUNK& chunk, std::ptrdiff_t parent, std::size_t depth) {
    const auto [found, added] = by_header_.try_emplace(chunk.header, nodes_.size());
    if (!added) {
        const NODE& node = nodes_[found->second];
        const bool same = node.chunk.id == chunk.id && node.chunk.length == chunk.length &&
                          node.chunk.payload == chunk.payload && node.parent == parent;
        return same ? static_cast<std::ptrdiff_t>(found->second) : TOP;
    }
    if (chunk.header < BEGINOF(parent) || chunk.payload <= chunk.header || chunk.length < 0 ||
        chunk.payload > ENDOF(parent) || chunk.length > ENDOF(parent) - chunk.payload) {
        by_header_.erase(found);
        return TOP;
    }
    CHUNKREADER header(bytes_,
                       {static_cast<std::uint32_t>(chunk.header),
                        static_cast<std::uint32_t>(chunk.payload - chunk.header)},
                       OVERRUN::ZEROS);
    const std::int32_t id = header.NUMBER();
    const std::int64_t id_end = header.POSITION();
    if (id != chunk.id || id == ENDCHUNK || header.NUMBER() != chunk.length ||
        header.POSITION() != chunk.payload) {
        by_header_.erase(found);
        return TOP;
    }
    NODE node{chunk, id_end, parent, depth};
    nodes_.push_back(node);
    parts_.push_back({parent, chunk.header, node.END(), true, nodes_.size() - 1});
    return static_cast<std::ptrdiff_t>(nodes_.size() - 1);
}

// Each chunk once, inside the chunk said to enclose it, and each region
// inside its innermost chunk.
bool SPLICE::PLACE(const std::vector<EDIT>& edits) {
    by_header_.reserve(edits.size());
    for (std::size_t index = 0; index < edits.size(); ++index) {
        const EDIT& edit = edits[index];
        std::ptrdiff_t parent = TOP;
        for (std::size_t depth = 0; depth < edit.enclosing.size(); ++depth) {
            parent = NODEOF(edit.enclosing[depth], parent, depth);
            if (parent == TOP) return false;
        }
        if (edit.begin < BEGINOF(parent) || edit.begin > edit.end || edit.end > ENDOF(parent)) {
            return false;
        }
        if (parent != TOP) {
            nodes_[static_cast<std::size_t>(parent)].growth +=
                static_cast<std::int64_t>(edit.bytes.size()) - (edit.end - edit.begin);
        }
        if (edit.size.id != ENDCHUNK) {
            if (parent == TOP) return false;
            const NODE& list = nodes_[static_cast<std::size_t>(parent)];
            const std::ptrdiff_t size = NODEOF(edit.size, list.parent, list.depth);
            if (size == TOP || size == parent) return false;
            std::ptrdiff_t& sized = nodes_[static_cast<std::size_t>(size)].sized;
            if (sized != TOP && sized != parent) return false;
            sized = parent;
        }
        parts_.push_back({parent, edit.begin, edit.end, false, index});
    }
    return ORDERPARTS();
}

// Each chunk's parts together, in the order of the bytes, an insertion before
// what begins where it is and insertions at one place in their order; false
// where two overlap or a size chunk has any.
bool SPLICE::ORDERPARTS() {
    std::stable_sort(parts_.begin(), parts_.end(), [](const PART& a, const PART& b) {
        if (a.parent != b.parent) return a.parent < b.parent;
        if (a.begin != b.begin) return a.begin < b.begin;
        return a.end == a.begin && b.end != b.begin;
    });
    for (std::size_t index = 0; index < parts_.size(); ++index) {
        const PART& part = parts_[index];
        const bool first = index == 0 || parts_[index - 1].parent != part.parent;
        if (!first && parts_[index - 1].end > part.begin) return false;
        if (part.parent == TOP) {
            top_parts_end_ = index + 1;
            continue;
        }
        NODE& node = nodes_[static_cast<std::size_t>(part.parent)];
        if (node.sized != TOP) return false;
        if (first) node.first_part = index;
        node.parts_end = index + 1;
    }
    return true;
}

// Each chunk's new length, innermost first, a size chunk's after its list's;
// false for a chunk that would grow beyond what a length can say.
bool SPLICE::MEASURE() {
    std::vector<std::size_t> order(nodes_.size());
    for (std::size_t index = 0; index < order.size(); ++index)
        order[index] = index;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const NODE& first = nodes_[a];
        const NODE& second = nodes_[b];
        if (first.depth != second.depth) return first.depth > second.depth;
        return (first.sized != TOP) < (second.sized != TOP);
    });
    for (const std::size_t index : order) {
        NODE& node = nodes_[index];
        node.length = node.sized != TOP
                          ? NUMBERWIDTH(nodes_[static_cast<std::size_t>(node.sized)].length)
                          : node.chunk.length + node.growth;
        if (node.length < 0 || node.length > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        if (node.parent != TOP) {
            nodes_[static_cast<std::size_t>(node.parent)].growth +=
                (node.id_end - node.chunk.header) + NUMBERWIDTH(node.length) + node.length -
                (node.END() - node.chunk.header);
        }
    }
    return true;
}

void SPLICE::WRITEPARTS(BYTESTRING& out, std::ptrdiff_t node,
                        const std::vector<EDIT>& edits) const {
    std::size_t first = 0;
    std::size_t end = top_parts_end_;
    if (node != TOP) {
        first = nodes_[static_cast<std::size_t>(node)].first_part;
        end = nodes_[static_cast<std::size_t>(node)].parts_end;
    }
    std::int64_t copied = BEGINOF(node);
    for (std::size_t index = first; index < end; ++index) {
        const PART& part = parts_[index];
        out.append(bytes_.substr(static_cast<std::size_t>(copied),
                                 static_cast<std::size_t>(part.begin - copied)));
        copied = part.end;
        if (!part.chunk) {
            out += edits[part.index].bytes;
            continue;
        }
        const NODE& chunk = nodes_[part.index];
        out.append(bytes_.substr(static_cast<std::size_t>(chunk.chunk.header),
                                 static_cast<std::size_t>(chunk.id_end - chunk.chunk.header)));
        APPENDNUMBER(out, static_cast<std::int32_t>(chunk.length));
        if (chunk.sized != TOP) {
            const NODE& list = nodes_[static_cast<std::size_t>(chunk.sized)];
            APPENDNUMBER(out, static_cast<std::int32_t>(list.length));
        } else {
            WRITEPARTS(out, static_cast<std::ptrdiff_t>(part.index), edits);
        }
    }
    out.append(bytes_.substr(static_cast<std::size_t>(copied),
                             static_cast<std::size_t>(ENDOF(node) - copied)));
}

// Room for what is copied and inserted; what edits remove is left over.
BYTESTRING SPLICE::WRITE(const std::vector<EDIT>& edits) const {
    std::size_t room = bytes_.size() + nodes_.size() * static_cast<std::size_t>(MAXNUMBERBYTES);
    for (const EDIT& edit : edits)
        room += edit.bytes.size();
    BYTESTRING out;
    out.reserve(room);
    WRITEPARTS(out, TOP, edits);
    return out;
}

} // namespace

std::optional<BYTESTRING> APPLYEDITS(BYTEVIEW bytes, const std::vector<EDIT>& edits) {
    SPLICE splice(bytes);
    if (!splice.PLACE(edits) || !splice.MEASURE()) return std::nullopt;
    return splice.WRITE(edits);
}

} // namespace PAGEWRIGHT
