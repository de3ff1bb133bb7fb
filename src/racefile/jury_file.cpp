#include "racefile/jury_file.h"

#include <vector>

#include "racefile/header_file.h"
#include "util/tokens.h"

namespace skitally {

namespace {

// Columns (from 1) and widths of the record.
constexpr int kColumnA = 1, kWidthA = 19;
constexpr int kColumnC = 22, kWidthC = 19;
constexpr int kColumnE = 43, kWidthE = 16;
constexpr int kColumnG = 60, kWidthG = 16;

constexpr const char* kEntrySeparator = " - ";
constexpr const char* kOldLayoutMark = "NAME OF COURSE:";

bool IsOldLayout(const std::vector<std::string>& records)
{
    if (records.empty())
        return false;
    return Trim(ColumnText(records[0], kColumnE, kWidthE)).rfind(kOldLayoutMark, 0) == 0;
}

std::string JuryEntryOf(const std::string& record)
{
    const std::string first = Trim(ColumnText(record, kColumnC, kWidthC));
    const std::string second = Trim(ColumnText(record, kColumnA, kWidthA));
    return second.empty() ? first : first + kEntrySeparator + second;
}

}  // namespace

int JurySlotTextId(JurySlot slot)
{
    static constexpr int kIds[kJurySlotCount] = {4104, 4118, 4108, 4106, 4111,
                                                 4110, 4113, 4115, 4120, 4121};
    return kIds[slot];
}

int TechnicalRowTextId(TechnicalRow row)
{
    static constexpr int kIds[kTechnicalRowCount] = {4105, 4107, 4109, 4112, 4114, 4116, 4117};
    return kIds[row];
}

bool JurySlotShown(JurySlot slot, bool tdCandidateOption, std::string_view discipline)
{
    if (slot == kTdCandidate)
        return tdCandidateOption;
    if (slot == kAssistantReferee) {
        const std::string code = Trim(discipline);
        return code == "D" || code == "SG" || code == "SC" || code == "AC";
    }
    return true;
}

std::string ComposeJuryRecord(std::string_view juryEntry, const TechnicalValues& technical)
{
    std::string first(juryEntry);
    std::string second;
    if (const std::size_t dash = first.find(kEntrySeparator); dash != std::string::npos) {
        second = first.substr(dash + 3);
        first.resize(dash);
    }
    std::string record = FitColumn(Trim(second), kWidthA);
    record += "  " + FitColumn(Trim(first), kWidthC);
    record += "  " + FitColumn(TrimRight(technical.run1), kWidthE);
    record += " " + FitColumn(TrimRight(technical.run2), kWidthG);
    return record;
}

Status ReadJuryFile(const std::string& path, JuryData& jury)
{
    std::vector<std::string> records;
    if (Status read = ReadFixedRecords(path, kJuryRecordLength, records); !read)
        return read;
    jury = JuryData();
    const bool old = IsOldLayout(records);
    for (std::size_t n = 0; n < records.size(); ++n) {
        const std::string& record = records[n];
        if (n < jury.jury.size())
            jury.jury[n] = JuryEntryOf(record);
        if (n < jury.technical.size()) {
            const std::string e = TrimRight(ColumnText(record, kColumnE, kWidthE));
            const std::string g = TrimRight(ColumnText(record, kColumnG, kWidthG));
            jury.technical[n] = old ? TechnicalValues{g, {}} : TechnicalValues{e, g};
        }
    }
    return Status::Ok();
}

Status WriteJuryFile(const std::string& path, const JuryData& jury)
{
    std::vector<std::string> records;
    for (std::size_t n = 0; n < jury.jury.size(); ++n) {
        const TechnicalValues technical = n < jury.technical.size() ? jury.technical[n] : TechnicalValues{};
        records.push_back(ComposeJuryRecord(jury.jury[n], technical));
    }
    return WriteFixedRecords(path, kJuryRecordLength, records);
}

}  // namespace skitally
