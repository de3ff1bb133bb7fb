// Any bytes as the header, jury, course, weather or status file of a race:
// each reader reads what it can or fails, never crashes.
#include <cstddef>
#include <cstdint>

#include "fuzz_file.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
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
    return 0;
}
