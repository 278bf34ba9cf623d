#include "bounds.h"

#include <gtest/gtest.h>

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

BOUNDEDREAD::BOUNDEDREAD(std::size_t input_bytes, std::string what)
    : input_bytes_(input_bytes), what_(std::move(what)) {
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    held_before_ = ALLOCATEDBYTES();
    RESETPEAKALLOCATEDBYTES();
#endif
    start_ = std::clock();
}

void BOUNDEDREAD::CHECKREAD() {
    const double seconds = static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, CPUSECONDS) << what_ << ", " << input_bytes_ << " bytes";
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    const std::size_t peak = PEAKALLOCATEDBYTES() - held_before_;
    EXPECT_LE(peak, 128 * input_bytes_ + MIB) << what_ << ", " << input_bytes_ << " bytes";
    if (input_bytes_ >= MIB) {
        largest_ratio =
            std::max(largest_ratio, static_cast<double>(peak) / static_cast<double>(input_bytes_));
    }
#endif
}

BOUNDEDREAD::~BOUNDEDREAD() {
#if PAGEWRIGHT_COUNTING_ALLOCATOR
    EXPECT_EQ(ALLOCATEDBYTES(), held_before_) << what_ << ": something read was not released";
#endif
}
