#include "racefile/calculation_marker.h"

#include <cstdlib>

#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// A number written by the encoder: optional "-", digits, "." and two digits.
bool ReadPenalty(const std::string& text, double& value)
{
    const std::size_t digits = text.rfind('-', 0) == 0 ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == digits || text.size() != point + 3 ||
        text.find_first_not_of("0123456789.", digits) != std::string::npos || text.find('.', point + 1) != std::string::npos)
        return false;
    value = std::strtod(text.c_str(), nullptr);
    return true;
}

}  // namespace

std::string EncodeCalculationMarker(const CalculationMarker& marker)
{
    switch (marker.kind) {
    case CalculationMarker::Kind::Series:
        return "S";
    case CalculationMarker::Kind::SkiCross:
        return "X";
    case CalculationMarker::Kind::Race:
        return std::to_string(marker.runs == 1 ? 1 : 2) + ";" + FormatFixed(marker.applied, 1, 2) + ";" +
               FormatFixed(marker.calculated, 1, 2);
    case CalculationMarker::Kind::None:
        break;
    }
    return "0";
}

CalculationMarker DecodeCalculationMarker(std::string_view text)
{
    std::string rest = Trim(text);
    CalculationMarker marker;
    if (rest == "S" || rest == "X") {
        marker.kind = rest == "S" ? CalculationMarker::Kind::Series : CalculationMarker::Kind::SkiCross;
        return marker;
    }
    const std::string runs = PopToken(rest, ";");
    const std::string applied = PopToken(rest, ";");
    const std::string calculated = PopToken(rest, ";");
    CalculationMarker race{CalculationMarker::Kind::Race, runs == "1" ? 1 : 2, 0, 0};
    if ((runs == "1" || runs == "2") && rest.empty() && ReadPenalty(applied, race.applied) &&
        ReadPenalty(calculated, race.calculated))
        return race;
    return marker;
}

}  // namespace skitally
