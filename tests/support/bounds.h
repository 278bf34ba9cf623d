// The bounds that hostile inputs are held to: reading one ends within 5 s of
// processor time, holds at most 128 bytes per input byte plus 1 MiB at once,
// and everything taken is given back, each block to the family that made it
// (where the binary counts allocations; the sanitizer build checks the rest).
#ifndef PAGEWRIGHT_TESTS_BOUNDS_H
#define PAGEWRIGHT_TESTS_BOUNDS_H

#include <gtest/gtest.h>

#include <cstddef>
#include <ctime>
#include <string>

constexpr std::size_t MIB = std::size_t{1} << 20;

// Processor time, which other work on the machine does not inflate, with room
// for the sanitizer build. A read that grew quadratically or looped would take
// minutes on the hostile inputs; the readers' own speed is the benchmarks'.
constexpr double CPUSECONDS = 5;

// What reading one input cost. The byte counts are 0 where the binary does
// not count allocations.
struct READCOST {
    std::string what;
    std::size_t input_bytes = 0;
    double seconds = 0;
    std::size_t peak_bytes = 0;
    std::size_t unreleased_bytes = 0;
};

// Measures a read from when it is made: READDONE once the input has been
// read, COST once everything read has been released.
class COSTMETER {
public:
    COSTMETER(std::size_t input_bytes, std::string what);
    void READDONE();
    READCOST COST() const;

private:
    READCOST cost_;
    std::size_t held_before_ = 0;
    std::clock_t start_;
};

// Whether the read kept to the bounds; says which it broke when it did not.
testing::AssertionResult WITHINBOUNDS(const READCOST& cost);

#endif
