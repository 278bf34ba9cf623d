// The bounds that hostile inputs are held to: reading one takes processor time
// that grows at most linearly with the input, holds at most 128 bytes per
// input byte plus 1 MiB at once, and gives back everything it took, each block
// to the family that made it (where the binary counts allocations; the
// sanitizer build checks the rest).
#ifndef PAGEWRIGHT_TESTS_BOUNDS_H
#define PAGEWRIGHT_TESTS_BOUNDS_H

#include <gtest/gtest.h>

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>

constexpr std::size_t MIB = std::size_t{1} << 20;

// A read of n bytes may take SLACK times the processor time that the same
// reader takes, in the same run, for as many bytes of benign input, and never
// less than for LEASTBUDGETBYTES of it. Both sides are this machine's, in this
// build, so the bound holds as well under the sanitizers as on a fast machine.
// A read whose work grows faster than its input, or with a count from the data
// and not with the data, overruns it by far on the hostile inputs; the
// readers' own speed is the benchmarks'.
constexpr double SLACK = 64;
constexpr std::size_t LEASTBUDGETBYTES = 64 * 1024;

// What reading one input cost. The byte counts are 0 where the binary does
// not count allocations.
struct READCOST {
    std::string what;
    std::size_t input_bytes = 0;
    double seconds = 0;
    double budget_seconds = 0;
    std::size_t peak_bytes = 0;
    std::size_t unreleased_bytes = 0;
};

// Measures a read from when it is made: READDONE once the input has been
// read, COST once everything read has been released. `seconds_per_byte` is
// what the reader takes for a byte of benign input (SECONDSPERBENIGNBYTE).
class COSTMETER {
public:
    COSTMETER(std::size_t input_bytes, std::string what, double seconds_per_byte);
    void READDONE();
    READCOST COST() const;

private:
    READCOST cost_;
    std::size_t held_before_ = 0;
    std::clock_t start_;
};

// The processor seconds per input byte of benign reads: `read` reads one
// benign input and gives what that cost; it is repeated until a MiB has been
// read.
double SECONDSPERBENIGNBYTE(const std::function<READCOST()>& read);

// Whether the read kept to the bounds; says which it broke when it did not.
testing::AssertionResult WITHINBOUNDS(const READCOST& cost);

#endif
