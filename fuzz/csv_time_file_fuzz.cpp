// Any bytes as a CSV time file, read with columns the first bytes choose
// (the shared time and status column among them): every line gets its
// outcome, nothing crashes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "times/csv_time_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skitally;
    if (size < 3)
        return 0;
    const CsvColumns columns{data[0] % 12, data[1] % 12, data[2] % 12};
    ReadCsvTimes(std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3), columns);
    return 0;
}
