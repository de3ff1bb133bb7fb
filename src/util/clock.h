#pragma once
// A replaceable clock: today's date decides categories, seasons and
// file-date checks, so tests must be able to fix it.

#include <chrono>
#include <functional>

namespace skitally {

using Clock = std::function<std::chrono::system_clock::time_point()>;

inline Clock SystemClock()
{
    return [] { return std::chrono::system_clock::now(); };
}

}  // namespace skitally
