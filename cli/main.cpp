#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli_app.h"

int main(int argc, char** argv)
{
    std::error_code ec;
    std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec)
        program = std::filesystem::absolute(argv[0], ec);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return skitally::RunCli(args, program.parent_path().string(), {std::cin, std::cout, std::cerr});
}
