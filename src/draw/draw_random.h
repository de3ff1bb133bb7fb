#pragma once
// The random source of the draw. Every draw takes one, so a draw can be
// replayed: the seed is shown to the operator and logged, and the same
// seed given back (`--seed N`) gives the same draw. `Next` can be
// overridden to hand the draw chosen numbers.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "util/clock.h"
#include "util/status.h"

namespace skitally {

class DrawRandom {
public:
    explicit DrawRandom(std::uint32_t seed) : seed_(seed), engine_(seed) {}
    virtual ~DrawRandom() = default;
    DrawRandom(const DrawRandom&) = default;
    DrawRandom& operator=(const DrawRandom&) = default;

    // Seconds since local midnight of `clock`'s reading: the draw has always
    // been seeded from the time of day.
    static DrawRandom FromTimeOfDay(const Clock& clock);

    std::uint32_t seed() const { return seed_; }

    // Uniform on [0, 1), 53 bits from two 32-bit outputs. Built by hand, not
    // with a standard distribution, so that a seed gives the same numbers on
    // every standard library.
    virtual double Next();
    // Int(Next() x n) + 1: uniform on 1..n.
    int Pick(int n);

private:
    std::uint32_t seed_;
    std::mt19937 engine_;
};

struct SeedArgument {
    Status status = Status::Ok();
    std::optional<std::uint32_t> seed;  // absent: none given
    std::vector<std::string> rest;      // the other arguments, in order
};

// "--seed=N" or "--seed N" among the command's arguments. A seed that is
// not a whole number from 0 to 4294967295 fails with the text given.
SeedArgument TakeSeedArgument(const std::vector<std::string>& args);

}  // namespace skitally
