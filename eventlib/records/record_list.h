// Records that a decoder reads one at a time, gathered in a block of their
// own before they join the array of the record that owns them.
#ifndef PAGEWRIGHT_RECORDS_RECORD_LIST_H
#define PAGEWRIGHT_RECORDS_RECORD_LIST_H

#include "kestrel.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace KESTREL {

// The block doubles when it is full, so that n records cost O(n) copying in
// all, but it does not grow past `most`, the most records that the data
// could still hold: the spare room then stays within a small multiple of the
// data's own size, however many records the data packs. Should `most` prove
// too low, growth just goes on. The block comes from new[] and every element
// past the records holds the defaults, as in any record array.
template <typename RECORD> class RECORDLIST {
public:
    explicit RECORDLIST(std::int64_t most) : most_(most) {}
    RECORDLIST(const RECORDLIST&) = delete;
    RECORDLIST& operator=(const RECORDLIST&) = delete;

    // Records not handed over are released with everything they own.
    ~RECORDLIST() { DESTROYOBJECT(block_, 1, count_); }

    void APPEND(const RECORD& record) {
        if (count_ == capacity_) GROW();
        block_[count_++] = record;
    }

    // Adds the records after the `count` records of `array`. An array without
    // records takes the block as it is, spare room and all; otherwise the
    // array is resized to the new total once and the records copied in.
    // Without records the array stays as it is.
    void MOVEINTO(RECORD*& array, std::int32_t& count) {
        if (count_ == 0) return;
        if (array == nullptr && count <= 0) {
            array = block_;
            count = count_;
        } else {
            const std::int32_t kept = std::max(count, 0);
            array = static_cast<RECORD*>(RESIZEOBJECTARRAY(
                array, static_cast<OBJECTTYPE>(RECORD{}.type), count, kept + count_));
            std::copy(block_, block_ + count_, array + kept);
            count = kept + count_;
            delete[] block_;
        }
        block_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }

private:
    static constexpr std::int64_t FIRSTCAPACITY = 8;

    void GROW() {
        const std::int64_t doubled =
            std::max<std::int64_t>(2 * std::int64_t{capacity_}, FIRSTCAPACITY);
        const std::int64_t capacity = std::max<std::int64_t>(
            std::min<std::int64_t>({doubled, most_, INT_MAX}), std::int64_t{count_} + 1);
        auto* fresh = new RECORD[static_cast<std::size_t>(capacity)];
        std::copy(block_, block_ + count_, fresh);
        delete[] block_;
        block_ = fresh;
        capacity_ = static_cast<std::int32_t>(capacity);
    }

    RECORD* block_ = nullptr;
    std::int32_t count_ = 0;
    std::int32_t capacity_ = 0;
    std::int64_t most_;
};

} // namespace KESTREL

#endif
