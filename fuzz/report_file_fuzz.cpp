// Any bytes as a report file to print or turn into a PDF: pages, struck
// runs and widths come out without a crash, and no run holds a control
// character the printer would choke on.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reports/report_file_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pages = skitally::SplitReportPages(std::string_view(reinterpret_cast<const char*>(data), size));
    skitally::WidestLine(pages);
    for (const auto& page : pages)
        for (const auto& line : page)
            for (const auto& run : skitally::SplitStrikeRuns(line))
                for (const unsigned char c : run.text)
                    if (c < 0x20)
                        __builtin_trap();
    return 0;
}
