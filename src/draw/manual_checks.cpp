#include "draw/manual_checks.h"

#include <algorithm>

#include "util/tokens.h"

namespace skitally {

CurrentRacer CurrentOf(const RacerRecord& racer)
{
    return {Trim(racer.card), Trim(racer.name)};
}

bool IsCurrent(const RacerRecord& racer, const CurrentRacer& current)
{
    return Trim(racer.card) == current.card && Trim(racer.name) == current.name;
}

bool BibHeldByOther(const DrawField& field, int bib, const CurrentRacer& current)
{
    for (const DrawRacer& entry : field.racers)
        if (!IsCurrent(entry.racer, current) && FieldNumber(entry.racer.bib) == bib)
            return true;
    return false;
}

int HighestStart(const DrawField& field)
{
    int highest = 0;
    for (const DrawRacer& entry : field.racers)
        highest = std::max(highest, FieldNumber(entry.racer.start1));
    return highest;
}

StartCheck CheckStartPosition(const DrawField& field, int position, EntryMode mode, const CurrentRacer& current)
{
    if (mode == EntryMode::Insert)
        return position > HighestStart(field) + 1 ? StartCheck::BeyondHighest : StartCheck::Allowed;
    for (const DrawRacer& entry : field.racers)
        if (!IsCurrent(entry.racer, current) && FieldNumber(entry.racer.start1) == position)
            return StartCheck::AlreadyAssigned;
    return StartCheck::Allowed;
}

std::string SpecialSeedOf(const std::string& typed)
{
    const std::string seed = ToUpper(Trim(typed));
    return seed.empty() || seed == "I" ? "0" : seed;
}

std::string SpecialSeedOf(const RacerRecord& racer)
{
    return SpecialSeedOf(racer.group);
}

bool IsSeedCode(const std::string& seed)
{
    static const char* const kCodes[] = {"1", "2", "3", "F", "S", "V"};
    const std::string upper = ToUpper(Trim(seed));
    return std::any_of(std::begin(kCodes), std::end(kCodes), [&upper](const char* code) { return upper == code; });
}

std::vector<int> ShiftForInsert(DrawField& field, int position, const std::string& seed,
                                const CurrentRacer& current)
{
    std::vector<int> moved;
    for (int i = 0; i < field.size(); ++i) {
        RacerRecord& racer = field.racers[static_cast<std::size_t>(i)].racer;
        const int start = FieldNumber(racer.start1);
        if (IsCurrent(racer, current) || SpecialSeedOf(racer) != seed || start < position || start == 0)
            continue;
        racer.start1 = NumberField(start + 1);
        moved.push_back(i);
    }
    return moved;
}

}  // namespace skitally
