#include "app/text_table.h"

#include <utility>

#include "app/text_table_data.h"

namespace skitally {

TextTable::TextTable()
{
    // One block of texts per stage of the program, each in a file of its own.
    const std::pair<const TextEntry*, std::size_t> blocks[] = {
        {kTextEntries, kTextEntryCount},
        {kMenuTextEntries, kMenuTextEntryCount},
        {kTimeEntryTextEntries, kTimeEntryTextEntryCount},
        {kTimeFileTextEntries, kTimeFileTextEntryCount},
        {kParaTextEntries, kParaTextEntryCount},
        {kCalcTextEntries, kCalcTextEntryCount},
        {kPenaltyTextEntries, kPenaltyTextEntryCount},
        {kSeriesTextEntries, kSeriesTextEntryCount},
        {kResultsTextEntries, kResultsTextEntryCount},
        {kXmlTextEntries, kXmlTextEntryCount},
        {kOutputsTextEntries, kOutputsTextEntryCount},
        {kSkiCrossTextEntries, kSkiCrossTextEntryCount},
        {kSkiCrossCalcTextEntries, kSkiCrossCalcTextEntryCount},
        {kLadderReportTextEntries, kLadderReportTextEntryCount},
        {kLeagueTextEntries, kLeagueTextEntryCount},
        {kFrontEndTextEntries, kFrontEndTextEntryCount},
        {kDashboardTextEntries, kDashboardTextEntryCount},
    };
    for (const auto& [entries, count] : blocks)
        for (std::size_t i = 0; i < count; ++i) {
            texts_[entries[i].id] = entries[i].english;
            texts_[entries[i].id + 10000] = entries[i].french;
        }
}

std::string TextTable::ResourceText(int id) const
{
    const int language = language_ == kFrench ? kFrench : kEnglish;
    auto it = texts_.find(id + 10000 * language);
    if (it == texts_.end())
        it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

std::string TextTable::ErrorText(int number) const
{
    const std::string text = ResourceText(1200 + number);
    return text.empty() ? "Error " + std::to_string(number) : text;
}

std::string FillPlaceholder(std::string text, const std::string& placeholder, const std::string& value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

}  // namespace skitally
