// Any bytes as a racer file of an older layout: detection and conversion
// either convert or refuse, never crash, and a conversion writes whole
// current records.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "fuzz_file.h"
#include "racefile/old_racer_layouts.h"
#include "racefile/racer_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string old = skitally::fuzz::WriteInput("OLD.RCR", data, size);
    const std::string converted = std::filesystem::path(old).replace_filename("NEW.RCR").string();
    std::filesystem::remove(converted);
    skitally::DetectOldLayout(old);
    if (skitally::ConvertOldRacerFile(old, converted, nullptr, "") &&
        std::filesystem::file_size(converted) % skitally::kRacerRecordLength != 0)
        __builtin_trap();
    return 0;
}
