#pragma once
// Shared by the points-list tests: the list fixtures, an operator that
// counts progress windows, one whole OPEN / READ / CLOSE pass, and the
// bytes of the program's own fixed-record lists.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/scripted_operator.h"
#include "entries/points_list_reader.h"

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

inline ListRun ReadList(PointsListReader& reader, AppContext& ctx, Operator& op, const std::string& path,
                        bool quiet = true, const std::string& separator = ",")
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
    const auto pad = [](std::string text, std::size_t width) {
        text.resize(width, ' ');
        return text;
    };
    const auto word = [](const void* value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, value, 4);
        std::string bytes;
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
        return bytes;
    };
    std::string bytes;
    for (const ListRecord& r : records) {
        bytes += pad(r.name, static_cast<std::size_t>(nameWidth)) + word(&r.code) + pad(r.category, 2) +
                 pad(r.division, 10);
        for (float points : r.points)
            bytes += word(&points) + "  ";
        bytes += pad(r.birth, 2);
    }
    return bytes;
}

}  // namespace skitally::test
