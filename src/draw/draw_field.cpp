#include "draw/draw_field.h"

#include <cctype>
#include <cstdio>

#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {

Status LoadDrawField(const std::string& racerFile, DrawField& field)
{
    field.racers.clear();
    return ForEachLiveRacer(racerFile, [&field](int n, const RacerRecord& racer) {
        field.racers.push_back({n, racer});
    });
}

std::string DrawnRacerFile(std::string bytes, const DrawField& field)
{
    for (const DrawRacer& entry : field.racers) {
        const std::size_t at = static_cast<std::size_t>(entry.record - 1) * kRacerRecordLength;
        const std::string record = EncodeRacer(entry.racer);
        if (at + record.size() <= bytes.size())
            bytes.replace(at, record.size(), record);
    }
    return bytes;
}

bool HasSeedPoints(const RacerRecord& racer)
{
    const std::string text = Trim(racer.seedPoints);
    if (text.empty())
        return false;
    // A text that does not start with a number reads 0 elsewhere; here it
    // is no points, so that a mistyped value is not seeded first.
    const unsigned char first = static_cast<unsigned char>(text[0]);
    const bool numeric = std::isdigit(first) || (text[0] == '.' && text.size() > 1 &&
                                                  std::isdigit(static_cast<unsigned char>(text[1])));
    return numeric && ReadNumber(text) >= 0;
}

double SeedValue(const RacerRecord& racer)
{
    return ReadNumber(racer.seedPoints);
}

bool HasResults(const RacerRecord& racer)
{
    return racer.time1 != 0 || racer.time2 != 0 || racer.rawTime1 != 0 || racer.rawTime2 != 0 ||
           racer.totalTime != 0 || !Trim(racer.status1).empty() || !Trim(racer.status2).empty() ||
           !Trim(racer.rank).empty() || racer.position != 0;
}

void BlankResults(RacerRecord& racer)
{
    racer.BlankResults();
    racer.start2.clear();  // the run-2 order is made from run-1 results
}

bool HasAssignment(const RacerRecord& racer)
{
    return !Trim(racer.start1).empty() || !Trim(racer.bib).empty();
}

std::string NumberField(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%3d", number);
    return text;
}

int FieldNumber(const std::string& text)
{
    const double value = ReadNumber(text);
    return value > 0 && value < 1e6 ? static_cast<int>(value) : 0;
}

}  // namespace skitally
