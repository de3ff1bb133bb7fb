#pragma once
// The unit of the jury screen's elevations, vertical drop and length:
// metres, written as "m" right after each of those values in the jury file,
// or feet, written as "'".
//
// The unit is an option of the operator, not a value of the race, so it
// lives in the per-user settings beside the other jury options (section
// "OptJry", key "OptUnit", holding the sign): a secretary measures every
// course the same way, and the signs in a race's jury file already tell
// which unit that race was entered in. The jury screen starts from the unit
// its file was written in, else from the option; saving the screen makes
// the chosen unit the option.

#include <optional>
#include <string>
#include <string_view>

#include "app/settings_store.h"
#include "racefile/jury_file.h"

namespace skitally {

enum class LengthUnit { Metres, Feet };

// "m" or "'".
const char* UnitSign(LengthUnit unit);
// Metres unless the option holds the feet sign.
LengthUnit JuryUnitOption(const SettingsStore& settings);
void SetJuryUnitOption(SettingsStore& settings, LengthUnit unit);

// Start and finish elevation, vertical drop and length.
bool CarriesUnitSign(TechnicalRow row);
// The value without a unit sign at its end, trimmed on the right.
std::string WithoutUnitSign(std::string_view value);
// The value with the sign of `unit` in place of any sign it had; a blank
// value stays blank.
std::string WithUnitSign(std::string_view value, LengthUnit unit);
// The unit of the first value of those rows that carries a sign; nullopt
// when none does.
std::optional<LengthUnit> UnitOfJury(const JuryData& jury);

}  // namespace skitally
