#include "racefile/old_racer_layouts.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <utility>

#include "app/paths.h"
#include "racefile/header_file.h"
#include "racefile/racer_text.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;
using T = FieldType;
constexpr T S = FieldType::Single;
constexpr int kNarrowName = 32;
constexpr int kWideName = 40;
constexpr int kWidening = kWideName - kNarrowName;

// ---- The layouts (offsets as documented in the header) ----

constexpr OldRacerField k138[] = {
    {"Name", 0, 32, T::Text},        {"Card", 32, 7, T::Text},       {"Club", 39, 5, T::Text},
    {"SeedPoints", 44, 7, T::Text},  {"Bib", 51, 3, T::Text},        {"Start1", 54, 3, T::Text},
    {"Start2", 57, 3, T::Text},      {"Category", 60, 3, T::Text},   {"BirthYear2", 63, 2, T::Text},
    {"TotalTime", 65, 4, S},         {"RacePoints", 69, 4, S},       {"Status1", 73, 3, T::Text},
    {"Status2", 76, 3, T::Text},     {"Gate", 79, 3, T::Text},       {"Time1", 82, 4, S},
    {"Time2", 86, 4, S},             {"BirthYear", 90, 4, T::Text},  {"Nation", 94, 5, T::Text},
    {"Gender", 99, 1, T::Text},      {"PointsDH", 100, 4, S},        {"PointsSL", 104, 4, S},
    {"PointsGS", 108, 4, S},         {"PointsSG", 112, 4, S},        {"PointsSC", 116, 4, S},
    {"Group", 120, 10, T::Text},     {"RawTime1", 130, 4, S},        {"RawTime2", 134, 4, S},
};

constexpr OldRacerField k149[] = {
    {"Name", 0, 32, T::Text},        {"Card", 32, 7, T::Text},       {"Club", 39, 5, T::Text},
    {"SeedPoints", 44, 7, T::Text},  {"Bib", 51, 3, T::Text},        {"Start1", 54, 3, T::Text},
    {"Start2", 57, 3, T::Text},      {"Category", 60, 3, T::Text},   {"BirthYear2", 63, 2, T::Text},
    {"TotalTime", 65, 4, S},         {"RacePoints", 69, 4, S},       {"Status1", 73, 3, T::Text},
    {"Status2", 76, 3, T::Text},     {"Gate", 79, 3, T::Text},       {"Time1", 82, 4, S},
    {"Time2", 86, 4, S},             {"BirthYear", 90, 4, T::Text},  {"Nation", 94, 5, T::Text},
    {"Gender", 99, 1, T::Text},      {"PointsDH", 100, 4, S},        {"PointsSL", 104, 4, S},
    {"PointsGS", 108, 4, S},         {"PointsSG", 112, 4, S},        {"PointsSC", 116, 4, S},
    {"Group", 120, 10, T::Text},     {"RawTime1", 130, 4, S},        {"RawTime2", 134, 4, S},
    {"ParaFactor", 138, 4, S},       {"Position", 142, 4, S},        {"Rank", 146, 3, T::Text},
};

constexpr OldRacerField k157[] = {
    {"Name", 0, 32, T::Text},        {"Card", 32, 7, T::Text},       {"Club", 39, 5, T::Text},
    {"SeedPoints", 44, 7, T::Text},  {"Bib", 51, 3, T::Text},        {"Start1", 54, 3, T::Text},
    {"Start2", 57, 3, T::Text},      {"Category", 60, 3, T::Text},   {"BirthYear2", 63, 2, T::Text},
    {"TotalTime", 65, 4, S},         {"RacePoints", 69, 4, S},       {"Status1", 73, 3, T::Text},
    {"Status2", 76, 3, T::Text},     {"Gate", 79, 3, T::Text},       {"Time1", 82, 4, S},
    {"Time2", 86, 4, S},             {"BirthYear", 90, 4, T::Text},  {"Nation", 94, 5, T::Text},
    {"Gender", 99, 1, T::Text},      {"PointsDH", 100, 4, S},        {"PointsSL", 104, 4, S},
    {"PointsGS", 108, 4, S},         {"PointsSG", 112, 4, S},        {"PointsSC", 116, 4, S},
    {"Group", 120, 10, T::Text},     {"RawTime1", 130, 4, S},        {"RawTime2", 134, 4, S},
    {"ParaFactor", 138, 4, S},       {"Position", 142, 4, S},        {"Rank", 146, 3, T::Text},
    {"PointsSX", 149, 4, S},         {"PointsKK", 153, 4, S},
};

constexpr OldRacerField k165[] = {
    {"Name", 0, 32, T::Text},        {"Card", 32, 7, T::Text},       {"Club", 39, 5, T::Text},
    {"SeedPoints", 44, 7, T::Text},  {"Bib", 51, 3, T::Text},        {"Start1", 54, 3, T::Text},
    {"Start2", 57, 3, T::Text},      {"Category", 60, 3, T::Text},   {"BirthYear2", 63, 2, T::Text},
    {"TotalTime", 65, 4, S},         {"RacePoints", 69, 4, S},       {"Status1", 73, 3, T::Text},
    {"Status2", 76, 3, T::Text},     {"Gate", 79, 3, T::Text},       {"Time1", 82, 4, S},
    {"Time2", 86, 4, S},             {"BirthYear", 90, 4, T::Text},  {"Nation", 94, 5, T::Text},
    {"Gender", 99, 1, T::Text},      {"PointsDH", 100, 4, S},        {"PointsSL", 104, 4, S},
    {"PointsGS", 108, 4, S},         {"PointsSG", 112, 4, S},        {"PointsSC", 116, 4, S},
    {"Group", 120, 10, T::Text},     {"RawTime1", 130, 4, S},        {"RawTime2", 134, 4, S},
    {"ParaFactor", 138, 4, S},       {"Position", 142, 4, S},        {"Rank", 146, 3, T::Text},
    {"PointsSX", 149, 4, S},         {"PointsKK", 153, 4, S},        {"BestOf", 157, 4, S},
    {"CsvTotal", 161, 4, S},
};

constexpr OldRacerField k179[] = {
    {"Name", 0, 32, T::Text},        {"Card", 32, 7, T::Text},       {"Club", 39, 5, T::Text},
    {"SeedPoints", 44, 7, T::Text},  {"Bib", 51, 3, T::Text},        {"Start1", 54, 3, T::Text},
    {"Start2", 57, 3, T::Text},      {"Category", 60, 3, T::Text},   {"BirthYear2", 63, 2, T::Text},
    {"TotalTime", 65, 4, S},         {"RacePoints", 69, 4, S},       {"Status1", 73, 3, T::Text},
    {"Status2", 76, 3, T::Text},     {"Gate", 79, 3, T::Text},       {"Time1", 82, 4, S},
    {"Time2", 86, 4, S},             {"BirthYear", 90, 4, T::Text},  {"Nation", 94, 5, T::Text},
    {"Gender", 99, 1, T::Text},      {"PointsDH", 100, 4, S},        {"PointsSL", 104, 4, S},
    {"PointsGS", 108, 4, S},         {"PointsSG", 112, 4, S},        {"PointsSC", 116, 4, S},
    {"Group", 120, 10, T::Text},     {"RawTime1", 130, 4, S},        {"RawTime2", 134, 4, S},
    {"ParaFactor", 138, 4, S},       {"Position", 142, 4, S},        {"Rank", 146, 3, T::Text},
    {"PointsSX", 149, 4, S},         {"PointsKK", 153, 4, S},        {"BestOf", 157, 4, S},
    {"CsvTotal", 161, 4, S},         {"SeedRank", 165, 10, T::Text}, {"FormatVersion", 175, 4, S},
};

// From 6.6 on the fields sit where they sit today.
constexpr OldRacerField k236[] = {
    {"Name", 0, 40, T::Text},        {"Card", 40, 7, T::Text},       {"Club", 47, 5, T::Text},
    {"SeedPoints", 52, 7, T::Text},  {"Bib", 59, 3, T::Text},        {"Start1", 62, 3, T::Text},
    {"Start2", 65, 3, T::Text},      {"Category", 68, 3, T::Text},   {"BirthYear2", 71, 2, T::Text},
    {"TotalTime", 73, 4, S},         {"RacePoints", 77, 4, S},       {"Status1", 81, 3, T::Text},
    {"Status2", 84, 3, T::Text},     {"Gate", 87, 3, T::Text},       {"Time1", 90, 4, S},
    {"Time2", 94, 4, S},             {"RawTime1", 98, 4, S},         {"RawTime2", 102, 4, S},
    {"BirthYear", 106, 4, T::Text},  {"Nation", 110, 5, T::Text},    {"Gender", 115, 1, T::Text},
    {"BestOf", 116, 4, S},           {"SxQual", 120, 4, T::Text},    {"SxPos1", 124, 8, T::Text},
    {"SxPos2", 132, 8, T::Text},     {"SxPos3", 140, 8, T::Text},    {"PointsDH", 148, 4, S},
    {"PointsSL", 152, 4, S},         {"PointsGS", 156, 4, S},        {"PointsSG", 160, 4, S},
    {"PointsSC", 164, 4, S},         {"PointsSX", 168, 4, S},        {"PointsKK", 172, 4, S},
    {"SeedRank", 176, 10, T::Text},  {"Group", 186, 10, T::Text},    {"Rank", 196, 3, T::Text},
    {"ParaFactor", 199, 4, S},       {"CsvTotal", 203, 4, S},        {"Position", 207, 4, S},
    {"SxCard", 211, 7, T::Text},     {"AlpineCard", 218, 7, T::Text}, {"SxHeat1", 225, 3, T::Text},
    {"SxHeat2", 228, 3, T::Text},    {"FormatVersion", 231, 4, S},   {"RecordEnd", 235, 1, T::Text},
};

constexpr OldRacerField k242[] = {
    {"Name", 0, 40, T::Text},        {"Card", 40, 7, T::Text},       {"Club", 47, 5, T::Text},
    {"SeedPoints", 52, 7, T::Text},  {"Bib", 59, 3, T::Text},        {"Start1", 62, 3, T::Text},
    {"Start2", 65, 3, T::Text},      {"Category", 68, 3, T::Text},   {"BirthYear2", 71, 2, T::Text},
    {"TotalTime", 73, 4, S},         {"RacePoints", 77, 4, S},       {"Status1", 81, 3, T::Text},
    {"Status2", 84, 3, T::Text},     {"Gate", 87, 3, T::Text},       {"Time1", 90, 4, S},
    {"Time2", 94, 4, S},             {"RawTime1", 98, 4, S},         {"RawTime2", 102, 4, S},
    {"BirthYear", 106, 4, T::Text},  {"Nation", 110, 5, T::Text},    {"Gender", 115, 1, T::Text},
    {"BestOf", 116, 4, S},           {"SxQual", 120, 4, T::Text},    {"SxPos1", 124, 8, T::Text},
    {"SxPos2", 132, 8, T::Text},     {"SxPos3", 140, 8, T::Text},    {"PointsDH", 148, 4, S},
    {"PointsSL", 152, 4, S},         {"PointsGS", 156, 4, S},        {"PointsSG", 160, 4, S},
    {"PointsSC", 164, 4, S},         {"PointsSX", 168, 4, S},        {"PointsKK", 172, 4, S},
    {"SeedRank", 176, 10, T::Text},  {"Group", 186, 10, T::Text},    {"Rank", 196, 3, T::Text},
    {"ParaFactor", 199, 4, S},       {"CsvTotal", 203, 4, S},        {"Position", 207, 4, S},
    {"SxCard", 211, 7, T::Text},     {"AlpineCard", 218, 7, T::Text}, {"SxHeat1", 225, 3, T::Text},
    {"SxHeat2", 228, 3, T::Text},    {"SxHeat3", 231, 3, T::Text},   {"LeagueCode", 234, 3, T::Text},
    {"FormatVersion", 237, 4, S},    {"RecordEnd", 241, 1, T::Text},
};

constexpr std::array<OldRacerLayout, 7> kLayouts = {{
    {138, 0.0f, kNarrowName, k138},
    {149, 0.0f, kNarrowName, k149},
    {157, 0.0f, kNarrowName, k157},
    {165, 0.0f, kNarrowName, k165},
    {179, 6.0f, kNarrowName, k179},
    {236, 6.6f, kWideName, k236},
    {242, 6.7f, kWideName, k242},
}};

// A typo in an offset would shift every field after it: each table must
// run without gaps from the name to the end of its record.
constexpr bool Contiguous(const OldRacerLayout& layout)
{
    int next = 0;
    for (const OldRacerField& f : layout.fields) {
        if (f.offset != next || (f.type == S && f.width != 4))
            return false;
        next += f.width;
    }
    return next == layout.length && layout.fields[0].width == layout.nameWidth;
}
static_assert(Contiguous(kLayouts[0]) && Contiguous(kLayouts[1]) && Contiguous(kLayouts[2]) &&
              Contiguous(kLayouts[3]) && Contiguous(kLayouts[4]) && Contiguous(kLayouts[5]) &&
              Contiguous(kLayouts[6]));

// The order in which DetectOldLayout tries them.
constexpr std::array<int, 7> kDetectionOrder = {242, 236, 179, 165, 157, 149, 138};

bool IsTrailer(std::string_view name)
{
    return name == "FormatVersion" || name == "RecordEnd";
}

float GetSingle(std::string_view bytes, int offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t{static_cast<unsigned char>(bytes[static_cast<std::size_t>(offset + i)])} << (8 * i);
    return std::bit_cast<float>(bits);
}

std::optional<int> VersionOffset(const OldRacerLayout& layout)
{
    for (const OldRacerField& f : layout.fields)
        if (std::string_view(f.name) == "FormatVersion")
            return f.offset;
    return std::nullopt;
}

bool NamesArePlain(std::string_view bytes, int length, int nameWidth)
{
    for (std::size_t start = 0; start + static_cast<std::size_t>(length) <= bytes.size(); start += length)
        for (unsigned char c : bytes.substr(start, static_cast<std::size_t>(nameWidth)))
            if (c < 0x20 || c == 0x7F)
                return false;
    return true;
}

bool Fits(const OldRacerLayout& layout, std::string_view bytes)
{
    if (bytes.size() % static_cast<std::size_t>(layout.length) != 0)
        return false;
    if (const std::optional<int> offset = VersionOffset(layout))
        return std::fabs(GetSingle(bytes, *offset) - layout.version) < 0.01f;
    return NamesArePlain(bytes, layout.length, layout.nameWidth);
}

// The 32-character layout with eight blanks after the name: what the
// records of RE_WRITE_FILE.DAT hold.
std::vector<OldRacerField> Widened(const OldRacerLayout& layout)
{
    std::vector<OldRacerField> fields(layout.fields.begin(), layout.fields.end());
    fields[0].width = kWideName;
    for (std::size_t i = 1; i < fields.size(); ++i)
        fields[i].offset += kWidening;
    return fields;
}

// Writes RE_WRITE_FILE.DAT and reads it back: the widened records.
Status WidenThroughRewriteFile(const std::string& rewritePath, const std::string& oldBytes, int length,
                               std::string& widened)
{
    std::string out;
    for (std::size_t start = 0; start + static_cast<std::size_t>(length) <= oldBytes.size(); start += length) {
        out.append(oldBytes, start, kNarrowName);
        out.append(static_cast<std::size_t>(kWidening), ' ');
        out.append(oldBytes, start + kNarrowName, static_cast<std::size_t>(length - kNarrowName));
    }
    if (Status written = WriteFlushedFile(rewritePath, out); !written)
        return written;
    return ReadWholeFile(rewritePath, widened);
}

// RE_WRITE_FILE.DAT must not outlive the conversion, whichever way it ends.
class RemoveOnExit {
public:
    explicit RemoveOnExit(std::string path) : path_(std::move(path)) {}
    RemoveOnExit(const RemoveOnExit&) = delete;
    RemoveOnExit& operator=(const RemoveOnExit&) = delete;
    ~RemoveOnExit()
    {
        if (!path_.empty())
            RemoveFile(path_);
    }

private:
    std::string path_;
};

std::string InFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : WithTrailingSeparator(folder) + name;
}

}  // namespace

std::span<const OldRacerLayout> OldRacerLayouts()
{
    return kLayouts;
}

const OldRacerLayout* FindOldLayout(int length)
{
    for (const OldRacerLayout& layout : kLayouts)
        if (layout.length == length)
            return &layout;
    return nullptr;
}

std::optional<int> DetectOldLayout(const std::string& racerFilePath)
{
    std::string bytes;
    if (!ReadWholeFile(racerFilePath, bytes) || bytes.empty())
        return std::nullopt;
    const std::size_t current = static_cast<std::size_t>(kRacerRecordLength);
    if (bytes.size() >= current && bytes[current - 2] == '\r' && bytes[current - 1] == '\n')
        return std::nullopt;
    for (int length : kDetectionOrder)
        if (Fits(*FindOldLayout(length), bytes))
            return length;
    return std::nullopt;
}

RacerRecord DecodeOldRacer(std::span<const OldRacerField> fields, float version, std::string_view bytes)
{
    RacerRecord racer;  // version 7.1, CR LF, no points, factor 1
    for (const OldRacerField& f : fields) {
        const int k = RacerFieldByName(f.name);
        if (IsTrailer(f.name) || k < 0)
            continue;
        if (f.type == FieldType::Text)
            *racer.TextField(k) = Cp1252ToUtf8(bytes.substr(static_cast<std::size_t>(f.offset),
                                                            static_cast<std::size_t>(f.width)));
        else
            *racer.SingleField(k) = GetSingle(bytes, f.offset);
    }
    if (version == 0.0f)
        for (int k = 0; k < kRacerFieldCount; ++k)
            if (IsPointsField(k) && *racer.SingleField(k) == 0.0f)
                *racer.SingleField(k) = -1.0f;
    return racer;
}

Status ReadOldRacerFile(const std::string& oldPath, const std::string& workFolder,
                        std::vector<RacerRecord>& racers, Operator* progress,
                        const std::string& progressCaption)
{
    racers.clear();
    const std::optional<int> length = DetectOldLayout(oldPath);
    if (!length)
        return Status::Fail(Failure::UnknownLayout, oldPath + " is not a racer file of a known older layout");
    const OldRacerLayout& layout = *FindOldLayout(*length);
    std::string bytes;
    if (Status status = ReadWholeFile(oldPath, bytes); !status)
        return status;

    std::vector<OldRacerField> fields(layout.fields.begin(), layout.fields.end());
    int recordLength = layout.length;
    const bool narrow = layout.nameWidth == kNarrowName;
    const std::string rewritePath = narrow ? InFolder(workFolder, kRewriteFileName) : std::string();
    const RemoveOnExit removeRewrite(rewritePath);
    if (narrow) {
        std::string widened;
        if (Status status = WidenThroughRewriteFile(rewritePath, bytes, layout.length, widened); !status)
            return status;
        bytes = std::move(widened);
        fields = Widened(layout);
        recordLength += kWidening;
    }

    const int count = static_cast<int>(bytes.size() / static_cast<std::size_t>(recordLength));
    if (progress)
        progress->ProgressStart(progressCaption, count);
    for (int n = 0; n < count; ++n) {
        const std::string_view record = std::string_view(bytes).substr(
            static_cast<std::size_t>(n) * static_cast<std::size_t>(recordLength), static_cast<std::size_t>(recordLength));
        racers.push_back(DecodeOldRacer(fields, layout.version, record));
        if (progress)
            progress->ProgressStep(n + 1, "");
    }
    if (progress)
        progress->ProgressEnd();
    return Status::Ok();
}

Status ConvertedRacerFile(const std::string& oldPath, const std::string& workFolder, std::string& bytes,
                          Operator* progress, const std::string& progressCaption)
{
    std::vector<RacerRecord> racers;
    if (Status status = ReadOldRacerFile(oldPath, workFolder, racers, progress, progressCaption); !status)
        return status;
    bytes.clear();
    for (const RacerRecord& racer : racers)
        bytes += EncodeRacer(racer);
    return Status::Ok();
}

Status ConvertOldRacerFile(const std::string& oldPath, const std::string& newPath, Operator* progress,
                           const std::string& progressCaption)
{
    std::error_code ec;
    if (fs::exists(newPath, ec) && fs::equivalent(oldPath, newPath, ec))
        return Status::Fail("an old racer file is never converted in place: " + oldPath);
    std::string bytes;
    if (Status status = ConvertedRacerFile(oldPath, FolderPart(newPath), bytes, progress, progressCaption); !status)
        return status;
    return ReplaceFileContents(newPath, bytes);
}

}  // namespace skitally
