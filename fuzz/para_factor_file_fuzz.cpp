// Any bytes as a para factor file: refused or read, never a crash; every
// row read has a class, once, and the table file holds exactly those rows.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "entries/para_factor_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    const skitally::FactorFileRead read = skitally::ReadFactorText(content);
    if (read.refusal != skitally::FactorRefusal::None && !read.rows.empty())
        __builtin_trap();
    std::set<std::string> classes;
    for (const skitally::FactorRow& row : read.rows) {
        if (row.klass.empty() || !classes.insert(row.klass).second)
            __builtin_trap();
        for (int c = 0; c < skitally::kFactorColumnCount; ++c)
            (void)skitally::FactorOf(skitally::MakeFactorTable(read.rows), row.klass, c);
    }
    return 0;
}
