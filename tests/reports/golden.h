#pragma once
// Byte-for-byte comparison with the report files kept under
// tests/data/reports. A mismatch names the first line that differs, both
// versions shown with their control characters spelt out. Setting
// SKITALLY_UPDATE_GOLDEN=1 rewrites the kept file instead (then review the
// difference before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/test_support.h"

namespace skitally::test {

namespace golden_detail {

inline std::string Visible(const std::string& line)
{
    std::string shown;
    for (char c : line)
        shown += c == '\f' ? "<FF>" : c == '\b' ? "<BS>" : c == '\r' ? "<CR>" : std::string(1, c);
    return shown;
}

// Lines with their ends kept, so a missing CR or form feed shows.
inline std::string LineAt(const std::string& text, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            return "<no such line>";
        start = end + 1;
    }
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
}

}  // namespace golden_detail

inline ::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& name)
{
    const std::string path = std::string(SKITALLY_TEST_DATA) + "/reports/" + name;
    const char* update = std::getenv("SKITALLY_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        WriteFile(path, actual);
        return ::testing::AssertionSuccess();
    }
    const std::string expected = ReadFile(path);
    if (expected.empty() && !actual.empty())
        return ::testing::AssertionFailure() << "no golden file " << path;
    if (actual == expected)
        return ::testing::AssertionSuccess();
    for (std::size_t line = 0;; ++line) {
        const std::string want = golden_detail::LineAt(expected, line);
        const std::string got = golden_detail::LineAt(actual, line);
        if (want != got)
            return ::testing::AssertionFailure()
                   << name << ": first difference on line " << line + 1 << "\n  expected: ["
                   << golden_detail::Visible(want) << "]\n  actual:   [" << golden_detail::Visible(got) << "]";
    }
}

}  // namespace skitally::test
