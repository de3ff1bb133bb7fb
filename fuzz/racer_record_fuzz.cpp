// Any 243 bytes as a racer record: decoding never crashes, and what it
// decodes encodes back to a whole record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "racefile/racer_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const skitally::RacerRecord racer = skitally::DecodeRacer(bytes);
    if (skitally::EncodeRacer(racer).size() != static_cast<std::size_t>(skitally::kRacerRecordLength))
        __builtin_trap();
    return 0;
}
