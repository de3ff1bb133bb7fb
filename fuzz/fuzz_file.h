#pragma once
// The fuzz targets of readers that take a file name: the input bytes are
// written to a file of this process's own folder first.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace skitally::fuzz {

// A folder of this process, made once; `name` inside it holds the bytes.
inline std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("skitally-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    std::ofstream(folder + name, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                           static_cast<std::streamsize>(size));
    return folder + name;
}

}  // namespace skitally::fuzz
