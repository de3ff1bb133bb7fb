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

Status SaveDrawField(const std::string& racerFile, const DrawField& field)
{
    RacerFile file;
    if (Status status = file.Open(racerFile, RacerFileMode::Update); !status)
        return status;
    for (const DrawRacer& entry : field.racers)
        if (Status status = file.WriteRacer(entry.record, entry.racer); !status)
            return status;
    return Status::Ok();
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
