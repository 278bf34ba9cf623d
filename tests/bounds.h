// The bounds that hostile inputs are held to: reading one ends within 5 s of
// processor time, holds at most 128 bytes per input byte plus 1 MiB at once,
// and everything taken is given back, each block to the family that made it
// (where the binary counts allocations; the sanitizer build checks the rest).
#ifndef PAGEWRIGHT_TESTS_BOUNDS_H
#define PAGEWRIGHT_TESTS_BOUNDS_H

#include <cstddef>
#include <ctime>
#include <string>

constexpr std::size_t MIB = std::size_t{1} << 20;

// Processor time, which other work on the machine does not inflate, with room
// for the sanitizer build. A read that grew quadratically or looped would take
// minutes on the hostile inputs; the readers' own speed is the benchmarks'.
constexpr double CPUSECONDS = 5;

// Made before the input is read; CHECKREAD once it has been read, and the end
// of its life checks that nothing is still held.
class BOUNDEDREAD {
public:
    BOUNDEDREAD(std::size_t input_bytes, std::string what);
    ~BOUNDEDREAD();
    BOUNDEDREAD(const BOUNDEDREAD&) = delete;
    BOUNDEDREAD& operator=(const BOUNDEDREAD&) = delete;

    void CHECKREAD();

private:
    std::size_t input_bytes_;
    std::string what_;
    std::size_t held_before_ = 0;
    std::clock_t start_;
};

#endif
