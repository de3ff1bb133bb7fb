#include "racefile/racer_codes.h"

#include <algorithm>

#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr std::array<DisciplineInfo, 8> kDisciplines = {{
    {"D", "DH", 4302, 4302, kPointsDH},
    {"S", "SL", 4303, 4303, kPointsSL},
    {"G", "GS", 4304, 4304, kPointsGS},
    {"SG", "", 4306, 4305, kPointsSG},
    {"SC", "", 4327, 4327, kPointsSC},
    {"AC", "", 4330, 4330, kPointsSC},  // combined points serve both combined events
    {"SX", "", 4328, 4328, kPointsSX},
    {"KK", "", 4329, 4329, kPointsKK},
}};

constexpr std::array<std::string_view, 5> kRunStatuses = {"DNS", "DNF", "DSQ", "NPS", "DNQ"};

constexpr const char* kNoCard = "0000000";

struct AgeBand {
    int from, to;
    const char* standard;
    const char* recreational;
};

constexpr AgeBand kStandardBands[] = {
    {4, 5, "R6", "R6"},     {6, 7, "R8", "R8"},     {8, 9, "R10", "R10"},   {10, 11, "U12", "R12"},
    {12, 13, "U14", "R14"}, {14, 15, "U16", "R16"}, {16, 17, "U18", "R18"}, {18, 20, "U21", "R21"},
};
constexpr AgeBand kStandardOther = {0, 0, "SR", "SA"};

constexpr AgeBand kMastersBands[] = {
    {18, 29, "M9", "MM"}, {30, 34, "M8", "ML"}, {35, 39, "M7", "MK"}, {40, 44, "M6", "MJ"},
    {45, 49, "M5", "MI"}, {50, 54, "M4", "MH"}, {55, 59, "M3", "MG"}, {60, 64, "M2", "MF"},
    {65, 69, "M1", "ME"}, {70, 74, "M0", "MD"}, {75, 79, "M+", "MC"}, {80, 84, "M*", "MB"},
};
constexpr AgeBand kMastersOther = {0, 0, "M!", "MA"};

template <std::size_t N>
std::string ByAge(const AgeBand (&bands)[N], const AgeBand& other, int age, bool recreational)
{
    const AgeBand* band = &other;
    for (const AgeBand& b : bands)
        if (age >= b.from && age <= b.to)
            band = &b;
    return recreational ? band->recreational : band->standard;
}

std::optional<int> FourDigitYear(std::string_view text)
{
    const std::string year = Trim(text);
    if (year.size() != 4 || !std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(year);
}

}  // namespace

const std::array<DisciplineInfo, 8>& Disciplines()
{
    return kDisciplines;
}

const DisciplineInfo* FindDiscipline(std::string_view discipline)
{
    const std::string wanted = ToUpper(Trim(discipline));
    if (wanted.empty())
        return nullptr;
    for (const DisciplineInfo& d : kDisciplines)
        if (wanted == d.code || wanted == d.alias)
            return &d;
    return nullptr;
}

std::optional<std::string> CanonicalDiscipline(std::string_view typed)
{
    const DisciplineInfo* d = FindDiscipline(typed);
    if (!d)
        return std::nullopt;
    return std::string(d->code);
}

int PointsFieldOf(const std::string& discipline)
{
    const DisciplineInfo* d = FindDiscipline(discipline);
    return d ? d->pointsField : -1;
}

bool IsSkiCross(std::string_view discipline)
{
    const DisciplineInfo* d = FindDiscipline(discipline);
    return d && std::string_view(d->code) == "SX";
}

bool DisciplineAllowedAtLevel(std::string_view discipline, std::string_view raceLevel)
{
    const DisciplineInfo* d = FindDiscipline(discipline);
    if (!d)
        return false;
    return !(std::string_view(d->code) == "KK" && ToUpper(Trim(raceLevel)) == "FIS");
}

bool IsRecreationalCodex(std::string_view codex)
{
    const std::string head = ToUpper(Trim(codex)).substr(0, 3);
    return head == "REC" || head == "NVL";
}

const std::array<std::string_view, 5>& RunStatusCodes()
{
    return kRunStatuses;
}

bool IsRunStatus(std::string_view text)
{
    const std::string code = ToUpper(Trim(text));
    return std::find(kRunStatuses.begin(), kRunStatuses.end(), code) != kRunStatuses.end();
}

CardResult NormaliseCard(std::string_view card, std::string_view name)
{
    const std::string trimmed = Trim(card);
    if (trimmed.empty()) {
        if (Trim(name).empty())
            return {trimmed, false};
        return {kNoCard, true};
    }
    if (ReadNumber(trimmed) == 0.0)
        return {kNoCard, true};
    if (trimmed == "9999999" || trimmed == "99999" || trimmed == "9")
        return {"999999", true};
    return {trimmed, true};
}

std::string CategoryFromBirthYear(std::string_view birthYear, std::string_view currentCategory,
                                  std::string_view raceLevel, int year, int month)
{
    std::string level = ToUpper(Trim(raceLevel));
    if (level.empty())
        level = "NAT";
    if (level != "REC" && level != "NAT" && level != "FIS")
        return std::string(currentCategory);
    const std::optional<int> born = FourDigitYear(birthYear);
    if (!born)
        return std::string(currentCategory);

    const std::string current = ToUpper(Trim(currentCategory));
    const char family = current.empty() ? 'S' : current.front();
    const bool recreational = level == "REC";
    const int season = month < 10 ? year - 1 : year;
    const int age = season - *born;

    if (family == 'D')
        return age >= 0 && age <= 19 ? "DJ" : "DM";
    if (family == 'M' && age >= 19)
        return ByAge(kMastersBands, kMastersOther, age, recreational);
    // Masters younger than 19 are classed with everyone else.
    return ByAge(kStandardBands, kStandardOther, age, recreational);
}

std::string FourDigitBirthYear(std::string_view birthYear2, std::string_view birthYear)
{
    if (!Trim(birthYear).empty() && birthYear.find('*') == std::string_view::npos)
        return std::string(birthYear);
    const std::string two = Trim(birthYear2);
    return two.empty() ? "    " : "19" + two;
}

void DisciplineCard(RacerRecord& racer, const std::string& targetDiscipline)
{
    const DisciplineInfo* d = FindDiscipline(targetDiscipline);
    if (!d)
        return;
    const std::string card = Trim(IsSkiCross(d->code) ? racer.sxCard : racer.alpineCard);
    racer.card = card.empty() ? kNoCard : card;
    racer.seedPoints = PointsText(*racer.SingleField(d->pointsField), racer.formatVersion);
}

}  // namespace skitally
