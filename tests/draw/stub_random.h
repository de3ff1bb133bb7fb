#pragma once
// A draw source that hands out chosen numbers, so that a test decides
// every position and value the draw takes.

#include <stdexcept>
#include <vector>

#include "draw/draw_random.h"

namespace skitally::test {

class StubRandom : public DrawRandom {
public:
    StubRandom() : DrawRandom(0) {}

    // Numbers that make Pick(n) give each of `picks` in turn.
    StubRandom& Picks(int n, const std::vector<int>& picks)
    {
        for (int k : picks)
            numbers_.push_back((k - 0.5) / n);
        return *this;
    }

    double Next() override
    {
        if (next_ >= numbers_.size())
            throw std::runtime_error("the draw took more numbers than the test gave");
        return numbers_[next_++];
    }

    bool AllTaken() const { return next_ == numbers_.size(); }

private:
    std::vector<double> numbers_;
    std::size_t next_ = 0;
};

}  // namespace skitally::test
