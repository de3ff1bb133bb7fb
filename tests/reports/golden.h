#pragma once
// Byte-for-byte comparison with the report files laid out by hand under
// tests/data/reports. A mismatch names the first line that differs, both
// versions shown with their control characters spelt out.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/test_support.h"

namespace skitally::test {

namespace golden_detail {

// The line from `start` with its end kept, so a missing CR or form feed shows.
inline std::string VisibleLine(const std::string& text, std::size_t start)
{
    if (start >= text.size())
        return "<no such line>";
    const std::size_t end = text.find('\n', start);
    std::string shown;
    for (char c : text.substr(start, end == std::string::npos ? end : end - start + 1))
        shown += c == '\f' ? "<FF>" : c == '\b' ? "<BS>" : c == '\r' ? "<CR>" : std::string(1, c);
    return shown;
}

}  // namespace golden_detail

inline ::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& name)
{
    const std::string path = std::string(SKITALLY_TEST_DATA) + "/reports/" + name;
    const std::string expected = ReadFile(path);
    if (expected.empty() && !actual.empty())
        return ::testing::AssertionFailure() << "no golden file " << path;
    if (actual == expected)
        return ::testing::AssertionSuccess();
    // Both agree up to the start of the line that holds the first difference.
    const auto differs = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first;
    const std::size_t start =
        differs == expected.begin() ? 0 : expected.rfind('\n', differs - expected.begin() - 1) + 1;
    return ::testing::AssertionFailure() << name << ": first difference on line "
                                         << std::count(expected.begin(), expected.begin() + start, '\n') + 1
                                         << "\n  expected: [" << golden_detail::VisibleLine(expected, start)
                                         << "]\n  actual:   [" << golden_detail::VisibleLine(actual, start) << "]";
}

}  // namespace skitally::test
