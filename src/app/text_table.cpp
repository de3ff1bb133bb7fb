#include "app/text_table.h"

#include "app/text_table_data.h"

namespace skitally {

TextTable::TextTable()
{
    texts_.reserve((kTextEntryCount + kMenuTextEntryCount + kTimeEntryTextEntryCount + kTimeFileTextEntryCount +
                    kParaTextEntryCount + kCalcTextEntryCount + kPenaltyTextEntryCount + kSeriesTextEntryCount + kXmlTextEntryCount) *
                   2);
    auto add = [this](const TextEntry* entries, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            texts_[entries[i].id] = entries[i].english;
            texts_[entries[i].id + 10000] = entries[i].french;
        }
    };
    add(kTextEntries, kTextEntryCount);
    add(kMenuTextEntries, kMenuTextEntryCount);
    add(kTimeEntryTextEntries, kTimeEntryTextEntryCount);
    add(kTimeFileTextEntries, kTimeFileTextEntryCount);
    add(kParaTextEntries, kParaTextEntryCount);
    add(kCalcTextEntries, kCalcTextEntryCount);
    add(kPenaltyTextEntries, kPenaltyTextEntryCount);
    add(kSeriesTextEntries, kSeriesTextEntryCount);
    add(kXmlTextEntries, kXmlTextEntryCount);
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
