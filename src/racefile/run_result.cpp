#include "racefile/run_result.h"

#include <charconv>
#include <string>

#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {

std::optional<std::string> RunStatusFromTyped(std::string_view typed)
{
    const std::string code = ToUpper(Trim(typed));
    if (code.empty())
        return code;
    if (code == "-")
        return "DNS";
    if (code == "*")
        return "DNF";
    if (code == "/")
        return "DSQ";
    if (code == "+")
        return "NPS";
    for (std::string_view known : kRunStatusCodes) {
        if (code == known)
            return code;
    }
    return std::nullopt;
}

namespace {

// from_chars: the desktop program runs under the user's locale, whose
// decimal separator may be a comma.
template <typename Number>
Number ReadFixed(const std::string& text)
{
    Number value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

float StoredRunTime(double seconds)
{
    // Through the text, so that the half-up rounding is the one every
    // report shows ("SSS.DD"), not the binary value's own.
    return ReadFixed<float>(FormatFixed(seconds, 3, 2));
}

double FactoredSeconds(double seconds, double factor)
{
    // In whole hundredths and ten-millionths, so that the product is the
    // one a secretary works out by hand from the "SSS.DD" time and the
    // factor as the factor table writes it, rounded half up.
    const long long hundredths = FixedUnits(seconds, 2);
    const long long factorUnits = FixedUnits(factor, 7);
    const long long product = hundredths * factorUnits;  // in 1e-9 seconds
    return static_cast<double>((product + 5'000'000) / 10'000'000) / 100.0;
}

void ApplyRunResult(RacerRecord& racer, RunFields run, const RunResult& result, double factor)
{
    const bool first = run == RunFields::Run1;
    (first ? racer.rawTime1 : racer.rawTime2) = StoredRunTime(result.seconds);
    (first ? racer.time1 : racer.time2) = StoredRunTime(FactoredSeconds(result.seconds, factor));
    (first ? racer.status1 : racer.status2) = result.status;
    const bool gateKept = result.status != "" && result.status != "DNS" && result.status != "DNF";
    const std::string gate = Trim(result.gate);
    racer.gate = gateKept && !gate.empty() ? std::string(gate.size() < 3 ? 3 - gate.size() : 0, ' ') + gate : std::string();
}

}  // namespace skitally
