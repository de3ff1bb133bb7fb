#include "racefile/jury_unit.h"

#include "racefile/header_file.h"  // TrimRight

namespace skitally {

namespace {

constexpr const char* kSection = "OptJry";
constexpr const char* kKey = "OptUnit";
constexpr char kMetresSign = 'm';
constexpr char kFeetSign = '\'';

std::optional<LengthUnit> SignAtEnd(std::string_view value)
{
    const std::string text = TrimRight(value);
    if (text.empty())
        return std::nullopt;
    if (text.back() == kMetresSign)
        return LengthUnit::Metres;
    if (text.back() == kFeetSign)
        return LengthUnit::Feet;
    return std::nullopt;
}

}  // namespace

const char* UnitSign(LengthUnit unit)
{
    return unit == LengthUnit::Feet ? "'" : "m";
}

LengthUnit JuryUnitOption(const SettingsStore& settings)
{
    return settings.Get(kSection, kKey) == UnitSign(LengthUnit::Feet) ? LengthUnit::Feet : LengthUnit::Metres;
}

void SetJuryUnitOption(SettingsStore& settings, LengthUnit unit)
{
    settings.Set(kSection, kKey, UnitSign(unit));
}

bool CarriesUnitSign(TechnicalRow row)
{
    return row == kStartElevation || row == kFinishElevation || row == kVerticalDrop || row == kCourseLength;
}

std::string WithoutUnitSign(std::string_view value)
{
    std::string text = TrimRight(value);
    if (SignAtEnd(text)) {
        text.pop_back();
        text = TrimRight(text);
    }
    return text;
}

std::string WithUnitSign(std::string_view value, LengthUnit unit)
{
    const std::string number = WithoutUnitSign(value);
    return number.empty() ? number : number + UnitSign(unit);
}

std::optional<LengthUnit> UnitOfJury(const JuryData& jury)
{
    for (int n = 0; n < kTechnicalRowCount; ++n) {
        if (!CarriesUnitSign(static_cast<TechnicalRow>(n)))
            continue;
        for (const std::string* value : {&jury.technical[n].run1, &jury.technical[n].run2})
            if (const auto unit = SignAtEnd(*value))
                return unit;
    }
    return std::nullopt;
}

}  // namespace skitally
