#include "draw/draw_random.h"

#include <charconv>

#include "util/dates.h"
#include "util/tokens.h"

namespace skitally {

DrawRandom DrawRandom::FromTimeOfDay(const Clock& clock)
{
    const LocalDateTime now = ToLocal(clock());
    return DrawRandom(static_cast<std::uint32_t>(now.hour * 3600 + now.minute * 60 + now.second));
}

double DrawRandom::Next()
{
    const std::uint64_t high = engine_() >> 5;  // 27 bits
    const std::uint64_t low = engine_() >> 6;   // 26 bits
    return static_cast<double>((high << 26) | low) * (1.0 / 9007199254740992.0);
}

int DrawRandom::Pick(int n)
{
    const int value = static_cast<int>(Next() * n) + 1;
    return value > n ? n : value;  // never happens with Next() < 1; kept for safety
}

SeedArgument TakeSeedArgument(const std::vector<std::string>& args)
{
    SeedArgument result;
    static const std::string kOption = "--seed";
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string text;
        if (args[i] == kOption) {
            if (i + 1 >= args.size()) {
                result.status = Status::Fail("");
                return result;
            }
            text = args[++i];
        } else if (args[i].rfind(kOption + "=", 0) == 0) {
            text = args[i].substr(kOption.size() + 1);
        } else {
            result.rest.push_back(args[i]);
            continue;
        }
        text = Trim(text);
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
            result.status = Status::Fail(text);
            return result;
        }
        result.seed = value;
    }
    return result;
}

}  // namespace skitally
