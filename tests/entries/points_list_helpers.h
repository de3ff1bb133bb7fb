#pragma once
// Shared by the points-list tests: the list fixtures, an operator that
// counts progress windows, a race to read lists for, and the bytes of the
// program's own fixed-record lists.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "entries/points_list_reader.h"
#include "support/test_support.h"

namespace skitally::test {

inline std::string EntriesData(const std::string& name)
{
    return std::string(SKITALLY_TEST_DATA) + "/entries/" + name;
}

class ListOperator : public ScriptedOperator {
public:
    using ScriptedOperator::ScriptedOperator;
    void ProgressStart(const std::string& title, int total) override
    {
        ++started;
        ScriptedOperator::ProgressStart(title, total);
    }
    void ProgressEnd() override { ++ended; }
    int started = 0;
    int ended = 0;
};

struct ListRun {
    std::string opened;
    std::vector<std::string> lines;  // racer lines
    std::string last;                // "*EOF*" or "*ERR*"
};

// A race of the given discipline and level, with lists written or copied
// into its temporary folder.
class PointsListTest : public ::testing::Test {
protected:
    PointsListTest(const std::string& discipline, const std::string& level)
    {
        ctx.race.header.values.discipline = discipline;
        ctx.race.header.values.raceLevel = level;
    }
    // Lists are read from a copy: the reader may rewrite a list in place.
    std::string Copy(const std::string& fixture)
    {
        std::filesystem::copy_file(EntriesData(fixture), dir.File(fixture),
                                   std::filesystem::copy_options::overwrite_existing);
        return dir.File(fixture);
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        WriteFile(dir.File(name), bytes);
        return dir.File(name);
    }
    // One whole OPEN / READ / CLOSE pass.
    ListRun Read(const std::string& path, bool quiet = true, const std::string& separator = ",")
    {
        ListRun run;
        run.opened = ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, separator, quiet);
        if (run.opened != "*OPN*")
            return run;
        for (int guard = 0; guard < 100000; ++guard) {
            std::string line = ReadRacerRec(reader, ctx, op, path, "READ", 1229, separator, quiet);
            if (line == "*EOF*" || line == "*ERR*") {
                run.last = line;
                break;
            }
            run.lines.push_back(line);
        }
        ReadRacerRec(reader, ctx, op, path, "CLOSE", 1229, separator, quiet);
        return run;
    }
    // The one "Load Racer Error" box shown, or an empty text.
    std::string ErrorBoxText() const
    {
        std::string text;
        for (const MessageBox& box : op.messages())
            if (box.title == "Load Racer Error") {
                EXPECT_EQ(box.buttons, std::vector<std::string>{"&Okay"});
                EXPECT_EQ(text, "") << "a second box";
                text = box.text;
            }
        return text;
    }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
    ListOperator op;
    PointsListReader reader;
};

struct ListRecord {
    std::string name;  // Windows-1252
    std::int32_t code;
    std::string category;
    std::string division;
    float points[4];
    std::string birth;
};

// SKITPTS (nameWidth 40) or OLDPTS (20) records, little-endian.
inline std::string RecordListBytes(const std::vector<ListRecord>& records, int nameWidth)
{
    const auto word = [](const void* value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, value, 4);
        return std::string{static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
                           static_cast<char>(bits >> 24)};
    };
    std::string bytes;
    for (const ListRecord& r : records) {
        bytes += Pad(r.name, static_cast<std::size_t>(nameWidth)) + word(&r.code) + Pad(r.category, 2) +
                 Pad(r.division, 10);
        for (float points : r.points)
            bytes += word(&points) + "  ";
        bytes += Pad(r.birth, 2);
    }
    return bytes;
}

}  // namespace skitally::test
