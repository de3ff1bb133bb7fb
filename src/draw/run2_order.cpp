#include "draw/run2_order.h"

#include <algorithm>
#include <map>

#include "util/tokens.h"

namespace skitally {
namespace {

// Racers without a run-1 start position count as starting after the others.
int Run1Start(const RacerRecord& racer)
{
    const int start = FieldNumber(racer.start1);
    return start == 0 ? 1000000 : start;
}

std::string GroupKey(const RacerRecord& racer, int groupField)
{
    if (groupField < 0 || groupField >= kRacerFieldCount)
        return {};
    if (const std::string* text = racer.TextField(groupField))
        return ToUpper(Trim(*text));
    return std::to_string(*racer.SingleField(groupField));
}

// Field indexes by group, each group in run-1 start order.
std::map<std::string, std::vector<int>> GroupsInStartOrder(const DrawField& field, int groupField)
{
    std::vector<int> all(static_cast<std::size_t>(field.size()));
    for (int i = 0; i < field.size(); ++i)
        all[static_cast<std::size_t>(i)] = i;
    std::stable_sort(all.begin(), all.end(),
                     [&field](int a, int b) { return Run1Start(field[a]) < Run1Start(field[b]); });
    std::map<std::string, std::vector<int>> groups;
    for (int i : all)
        groups[GroupKey(field[i], groupField)].push_back(i);
    return groups;
}

std::vector<int> Ranked(const DrawField& field, const std::vector<int>& inStartOrder)
{
    std::vector<int> ranked;
    for (int i : inStartOrder)
        if (ClassifyRun1(field[i]) == Run1Result::Valid)
            ranked.push_back(i);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [&field](int a, int b) { return field[a].time1 < field[b].time1; });
    return ranked;
}

void Append(std::vector<int>& order, const DrawField& field, const std::vector<int>& indexes)
{
    for (int i : indexes)
        order.push_back(field.racers[static_cast<std::size_t>(i)].record);
}

std::vector<int> Having(const DrawField& field, const std::vector<int>& inStartOrder, Run1Result wanted)
{
    std::vector<int> found;
    for (int i : inStartOrder)
        if (ClassifyRun1(field[i]) == wanted)
            found.push_back(i);
    return found;
}

}  // namespace

Run1Result ClassifyRun1(const RacerRecord& racer)
{
    const std::string status = ToUpper(Trim(racer.status1));
    if (status == "DSQ" || status == "DNF" || status == "NPS")
        return Run1Result::NonFinisher;
    if (status == "DNQ")
        return Run1Result::NotQualified;
    if (status == "DNS" || racer.time1 <= 0)
        return Run1Result::DidNotStart;
    return Run1Result::Valid;
}

std::vector<std::vector<int>> Run1ResultGroups(const DrawField& field, int groupField)
{
    std::vector<std::vector<int>> groups;
    for (const auto& [key, members] : GroupsInStartOrder(field, groupField))
        groups.push_back(Ranked(field, members));
    return groups;
}

bool FindReversalTie(const DrawField& field, int groupField, int count, TieRun& tie)
{
    if (count < 2)
        return false;  // 0 and 1 reverse nobody: no tie to keep together
    for (const std::vector<int>& ranked : Run1ResultGroups(field, groupField)) {
        const int size = static_cast<int>(ranked.size());
        const auto timeAt = [&](int position) { return field[ranked[static_cast<std::size_t>(position - 1)]].time1; };
        if (count >= size || timeAt(count) != timeAt(count + 1))
            continue;
        tie.first = count;
        while (tie.first > 1 && timeAt(tie.first - 1) == timeAt(count))
            --tie.first;
        tie.last = count + 1;
        while (tie.last < size && timeAt(tie.last + 1) == timeAt(count))
            ++tie.last;
        return true;
    }
    return false;
}

std::vector<int> Run2StartOrder(const DrawField& field, const Run2Answers& answers)
{
    std::vector<int> order;
    std::vector<std::vector<int>> groups;
    for (auto& [key, members] : GroupsInStartOrder(field, answers.groupField))
        groups.push_back(std::move(members));
    if (answers.groupDescending)
        std::reverse(groups.begin(), groups.end());
    for (const std::vector<int>& inStartOrder : groups) {
        if (answers.option == Run2Option::Normal) {
            std::vector<int> ranked = Ranked(field, inStartOrder);
            const auto reversed = static_cast<std::ptrdiff_t>(
                std::min<std::size_t>(static_cast<std::size_t>(std::max(answers.reverse, 0)), ranked.size()));
            std::reverse(ranked.begin(), ranked.begin() + reversed);
            Append(order, field, ranked);
            if (answers.addNonFinishers) {
                Append(order, field, Having(field, inStartOrder, Run1Result::NonFinisher));
                if (answers.addDidNotStart)
                    Append(order, field, Having(field, inStartOrder, Run1Result::DidNotStart));
            }
            continue;
        }
        std::vector<int> base;
        for (int i : inStartOrder) {
            const Run1Result result = ClassifyRun1(field[i]);
            if (result == Run1Result::Valid || (answers.keepInPlace && result == Run1Result::NonFinisher))
                base.push_back(i);
        }
        if (answers.option == Run2Option::Invert)
            std::reverse(base.begin(), base.end());
        Append(order, field, base);
    }
    return order;
}

}  // namespace skitally
