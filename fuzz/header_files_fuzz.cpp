// Any bytes as the header, jury, course, weather, status or racer file of a
// race: each reader reads what it can or fails, and the checks on opening
// name what they find, never crash.
#include <cstddef>
#include <cstdint>

#include "fuzz_file.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_checks.h"
#include "racefile/race_status_file.h"
#include "racefile/weather_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skitally;
    HeaderFile header;
    ReadHeaderFile(fuzz::WriteInput("R.HDR", data, size), header);
    JuryData jury;
    ReadJuryFile(fuzz::WriteInput("R.JRY", data, size), jury);
    CourseData course;
    ReadCourseFile(fuzz::WriteInput("R.FOR", data, size), course);
    WeatherData weather;
    ReadWeatherFile(fuzz::WriteInput("R.WTH", data, size), header.values.discipline, weather);
    ReadRaceStatus(fuzz::WriteInput("R.SKT", data, size));
    RaceState race;
    const std::string racers = fuzz::WriteInput("R.RCR", data, size);
    race.racePath = racers.substr(0, racers.size() - 5);
    race.raceName = "R";
    CheckRaceFiles(race);
    return 0;
}
