#include "racefile/race_copy.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "app/paths.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/old_racer_layouts.h"
#include "racefile/racer_record.h"
#include "racefile/weather_file.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

struct HeaderKind {
    const char* kind;
    int length;
};

constexpr std::array<HeaderKind, 4> kHeaderKinds = {{
    {"HDR", kHeaderRecordLength},
    {"JRY", kJuryRecordLength},
    {"FOR", kCourseRecordLength},
    {"WTH", kWeatherRecordLength},
}};

// Work files whose layouts belong to the draw, late entries and leagues:
// carried over untouched.
constexpr std::array<std::string_view, 4> kByteKinds = {"SNS", "DRW", "INC", "LGR"};

constexpr std::array<std::string_view, 6> kBackedUpKinds = {"RCR", "HDR", "FOR", "JRY", "WTH", "SNS"};

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : WithTrailingSeparator(folder) + name;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return fs::exists(b, ec) && fs::equivalent(a, b, ec);
}

bool IsCurrentRacerFile(const std::string& bytes)
{
    const auto length = static_cast<std::size_t>(kRacerRecordLength);
    return bytes.empty() || (bytes.size() >= length && bytes[length - 2] == '\r' && bytes[length - 1] == '\n');
}

bool BlanksAnything(const CopyBlanking& blanking)
{
    return blanking.runTimes || blanking.bibs || blanking.startOrder;
}

void Blank(RacerRecord& racer, const CopyBlanking& blanking)
{
    if (blanking.runTimes)
        racer.BlankResults();
    if (blanking.bibs)
        racer.bib.clear();
    if (blanking.startOrder) {
        racer.start1.clear();
        racer.start2.clear();
    }
}

class Progress {
public:
    Progress(Operator* op, const std::string& caption, int total) : op_(op)
    {
        if (op_)
            op_->ProgressStart(caption, total);
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    ~Progress()
    {
        if (op_)
            op_->ProgressEnd();
    }
    void Step(int done)
    {
        if (op_)
            op_->ProgressStep(done, "");
    }

private:
    Operator* op_;
};

Status CopyHeaderFile(const std::string& source, const std::string& target, const HeaderKind& kind,
                      const CopyBlanking& blanking, FileTransaction& change, Operator* progress,
                      const std::string& caption)
{
    const int length = kind.length;
    std::vector<std::string> records;
    if (Status status = ReadFixedRecords(source, length, records); !status)
        return status;
    if (blanking.forerunnersAndWeather) {
        if (std::string_view(kind.kind) == "FOR")
            BlankForerunners(records);
        else if (std::string_view(kind.kind) == "WTH")
            BlankWeatherConditions(records);
    }
    Progress shown(progress, caption, static_cast<int>(records.size()));
    for (std::size_t n = 1; n <= records.size(); ++n)
        shown.Step(static_cast<int>(n));
    change.Replace(target, FixedRecordBytes(length, records));
    return Status::Ok();
}

Status CopyRacerFile(const std::string& source, const std::string& target, const CopyBlanking& blanking,
                     FileTransaction& change, Operator* progress, const std::string& caption)
{
    std::string bytes;
    if (Status status = ReadWholeFile(source, bytes); !status)
        return status;

    std::vector<std::string> records;
    if (IsCurrentRacerFile(bytes)) {
        const std::size_t length = static_cast<std::size_t>(kRacerRecordLength);
        const std::size_t count = bytes.size() / length;
        Progress shown(progress, caption, static_cast<int>(count));
        for (std::size_t n = 0; n < count; ++n) {
            std::string record = bytes.substr(n * length, length);
            // Untouched records keep every byte, whatever their version.
            if (BlanksAnything(blanking)) {
                RacerRecord racer = DecodeRacer(record);
                if (!racer.IsDeleted()) {
                    Blank(racer, blanking);
                    record = EncodeRacer(racer);
                }
            }
            records.push_back(std::move(record));
            shown.Step(static_cast<int>(n + 1));
        }
    } else {
        std::vector<RacerRecord> racers;
        if (Status status = ReadOldRacerFile(source, FolderPart(target), racers, progress, caption); !status)
            return status;
        for (RacerRecord& racer : racers) {
            if (!racer.IsDeleted())
                Blank(racer, blanking);
            records.push_back(EncodeRacer(racer));
        }
    }
    change.Replace(target, FixedRecordBytes(kRacerRecordLength, records));
    return Status::Ok();
}

Status CopyBytes(const std::string& source, const std::string& target, FileTransaction& change, Operator* progress,
                 const std::string& caption)
{
    std::string bytes;
    if (Status status = ReadWholeFile(source, bytes); !status)
        return status;
    Progress shown(progress, caption, 1);
    shown.Step(1);
    change.Replace(target, std::move(bytes));
    return Status::Ok();
}

}  // namespace

std::string RaceKindFile(const std::string& race, const std::string& kind)
{
    return FolderPart(race) + FileBaseName(race) + "." + kind;
}

Status CopyRaceFile(const std::string& kind, const std::string& sourceRace, const std::string& targetRace,
                    const CopyBlanking& blanking, FileTransaction& change, Operator* progress,
                    const std::string& progressCaption)
{
    const std::string code = ToUpper(Trim(kind));
    const HeaderKind* header = nullptr;
    for (const HeaderKind& h : kHeaderKinds)
        if (code == h.kind)
            header = &h;
    bool byteKind = false;
    for (std::string_view k : kByteKinds)
        byteKind = byteKind || code == k;
    if (!header && !byteKind && code != "RCR")
        return Status::Fail("no race file of kind \"" + kind + "\"");

    const std::string source = RaceKindFile(sourceRace, code);
    const std::string target = RaceKindFile(targetRace, code);
    const std::int16_t found = FileStatus(source);
    if (found == 0)
        return Status::Ok();
    if (found == -2)
        return Status::Fail(Failure::CannotOpen, "cannot open " + source);
    if (SameFile(source, target))
        return Status::Fail(Failure::OntoItself, "a race file cannot be copied onto itself: " + source);

    if (header)
        return CopyHeaderFile(source, target, *header, blanking, change, progress, progressCaption);
    if (code == "RCR")
        return CopyRacerFile(source, target, blanking, change, progress, progressCaption);
    return CopyBytes(source, target, change, progress, progressCaption);
}

std::string OldBackupName(const std::string& raceName)
{
    return "Old " + raceName;
}

Status BackUpAsOld(const std::string& racePath, const std::string& raceName, FileTransaction& change)
{
    for (std::string_view kind : kBackedUpKinds) {
        const std::string extension = "." + std::string(kind);
        const std::string source = InFolder(racePath, raceName + extension);
        const std::int16_t found = FileStatus(source);
        if (found == 0)
            continue;
        std::string bytes;
        if (found == -2)
            return Status::Fail(Failure::CannotOpen, "cannot open " + source);
        if (Status status = ReadWholeFile(source, bytes); !status)
            return status;
        change.Replace(InFolder(racePath, OldBackupName(raceName) + extension), std::move(bytes));
    }
    return Status::Ok();
}

}  // namespace skitally
