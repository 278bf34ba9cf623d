#include "bounds.h"

#include <algorithm>
#include <cstdio>

#if PAGEWRIGHT_COUNTING_ALLOCATOR
#include "allocation_tracker.h"

namespace {

// The most bytes held per input byte by reads of a MiB or more, where the
// fixed allowance no longer hides the ratio; printed when the tests end.
double largest_ratio = 0;

class RATIOREPORT : public testing::Environment {
public:
    void TearDown() override {
        std::printf("largest allocation ratio of inputs of 1 MiB or more: %.1f bytes per "
                    "input byte\n",
                    largest_ratio);
    }
};
const auto* const ratio_report = testing::AddGlobalTestEnvironment(new RATIOREPORT);

} // namespace
#endif

COSTMETER::COSTMETER(std::size_t input_bytes, std::string what, double seconds_per_byte) {
    cost_.what = std::move(what);
    cost_.input_bytes = input_bytes;
    cost_.budget_seconds =
        SLACK * seconds_per_byte * static_cast<double>(std::max(input_bytes, LEASTBUDGETBYTES));
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    held_before_ = ALLOCATEDBYTES();
    RESETPEAKALLOCATEDBYTES();
#endif
    start_ = std::clock();
}

void COSTMETER::READDONE() {
    cost_.seconds = static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC;
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    cost_.peak_bytes = PEAKALLOCATEDBYTES() - held_before_;
    if (cost_.input_bytes >= MIB) {
        largest_ratio = std::max(largest_ratio, static_cast<double>(cost_.peak_bytes) /
                                                    static_cast<double>(cost_.input_bytes));
    }
#endif
}

// Counted before the cost is copied, whose own text is no part of the read.
READCOST COSTMETER::COST() const {
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    const std::size_t unreleased = ALLOCATEDBYTES() - held_before_;
#else
    const std::size_t unreleased = 0;
#endif
    READCOST cost = cost_;
    cost.unreleased_bytes = unreleased;
    return cost;
}

double SECONDSPERBENIGNBYTE(const std::function<READCOST()>& read) {
    double seconds = 0;
    std::size_t bytes = 0;
    while (bytes < MIB) {
        const READCOST cost = read();
        seconds += cost.seconds;
        bytes += cost.input_bytes;
    }
    return seconds / static_cast<double>(bytes);
}

testing::AssertionResult WITHINBOUNDS(const READCOST& cost) {
    const std::string read = cost.what + ", " + std::to_string(cost.input_bytes) + " bytes: ";
    if (cost.seconds > cost.budget_seconds) {
        return testing::AssertionFailure()
               << read << cost.seconds << " s of processor time, over its budget of "
               << cost.budget_seconds << " s";
    }
    if (cost.peak_bytes > 128 * cost.input_bytes + MIB) {
        return testing::AssertionFailure() << read << cost.peak_bytes << " bytes held at once";
    }
    if (cost.unreleased_bytes != 0) {
        return testing::AssertionFailure()
               << read << cost.unreleased_bytes << " bytes not released";
    }
    return testing::AssertionSuccess();
}
