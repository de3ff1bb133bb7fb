#include "racefile/header_file.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "racefile/racer_codes.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kParameterRecord = 6;  // 1-based record of the parameter line

// The trimmed text, or `fallback` when that is empty.
std::string TrimmedOr(std::string_view text, const char* fallback)
{
    std::string trimmed = Trim(text);
    return trimmed.empty() ? std::string(fallback) : trimmed;
}

std::string SeriesTypeDigit(std::string_view seriesType)
{
    const std::string type = Trim(seriesType);
    if (!type.empty() && std::isdigit(static_cast<unsigned char>(type[0])))
        return type.substr(0, 1);
    return "0";
}

std::string ProvinceDigits(std::string_view province)
{
    const std::string digits = Trim(province);
    if (digits.empty() || digits.size() > 2)
        return "00";
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return "00";
    return digits.size() == 1 ? "0" + digits : digits;
}

}  // namespace

std::string ComposeParameterLine(const RaceHeaderValues& values)
{
    std::string discipline = Utf8ToCp1252(Trim(values.discipline)).substr(0, 2);
    discipline.insert(0, 2 - discipline.size(), ' ');

    std::string line = "XXX";
    line += FitColumn(values.dateLocation, 43);
    line += discipline;
    line += FitColumn(Trim(values.gender), 1);
    line += FitColumn(Trim(values.raceLevel), 3);
    line += "0000.00";
    line += " " + SeriesTypeDigit(values.seriesType);
    line += " " + ProvinceDigits(values.seriesProvince);
    line += " ";
    return line;
}

RaceHeaderValues ParseParameterLine(std::string_view line)
{
    RaceHeaderValues values;
    values.dateLocation = TrimRight(ColumnText(line, 4, 43));
    values.discipline = Trim(ColumnText(line, 47, 2));
    values.gender = Trim(ColumnText(line, 49, 1));
    values.raceLevel = TrimmedOr(ColumnText(line, 50, 3), "NAT");
    values.fixedValue = TrimmedOr(ColumnText(line, 53, 7), "1000.00");
    values.seriesType = TrimmedOr(ColumnText(line, 61, 1), "0");
    values.seriesProvince = TrimmedOr(ColumnText(line, 63, 2), "00");
    return values;
}

Status ReadHeaderFile(const std::string& path, HeaderFile& header)
{
    std::vector<std::string> records;
    if (Status read = ReadFixedRecords(path, kHeaderRecordLength, records); !read)
        return read;
    header = HeaderFile();
    header.lineCount = static_cast<int>(records.size());
    for (int n = 1; n <= header.lineCount && n <= kHeaderRecordCount; ++n) {
        const std::string& record = records[n - 1];
        if (n <= 5)
            header.titles[n - 1] = TrimRight(Cp1252ToUtf8(record));
        else if (n == kParameterRecord)
            header.values = ParseParameterLine(record);
        else if (n <= 9)
            header.footers[n - 7] = TrimRight(Cp1252ToUtf8(record));
        else
            header.skiCrossLine = Cp1252ToUtf8(record);
    }
    return Status::Ok();
}

Status WriteHeaderFile(const std::string& path, const HeaderFile& header)
{
    return ReplaceFileContents(path, HeaderFileBytes(header));
}

std::string HeaderFileBytes(const HeaderFile& header)
{
    std::vector<std::string> records;
    for (const std::string& title : header.titles)
        records.push_back(FitColumn(title, kHeaderRecordLength));
    records.push_back(ComposeParameterLine(header.values));
    for (const std::string& footer : header.footers)
        records.push_back(FitColumn(footer, kHeaderRecordLength));
    records.push_back(FitColumn(header.skiCrossLine, kHeaderRecordLength));
    return FixedRecordBytes(kHeaderRecordLength, records);
}

int DisciplineNameId(std::string_view code)
{
    const DisciplineInfo* discipline = FindDiscipline(code);
    return discipline ? discipline->nameId : 0;
}

Status ReadFixedRecords(const std::string& path, int length, std::vector<std::string>& records)
{
    records.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Status::Fail(Failure::CannotOpen, "file not found: " + path);
    std::string bytes;
    if (Status read = ReadWholeFile(path, bytes); !read)
        return read;
    const std::size_t count = bytes.size() / static_cast<std::size_t>(length);
    for (std::size_t n = 0; n < count; ++n)
        records.push_back(bytes.substr(n * length, length));
    return Status::Ok();
}

Status WriteFixedRecords(const std::string& path, int length, const std::vector<std::string>& records)
{
    return ReplaceFileContents(path, FixedRecordBytes(length, records));
}

std::string FixedRecordBytes(int length, const std::vector<std::string>& records)
{
    std::string bytes;
    bytes.reserve(records.size() * static_cast<std::size_t>(length));
    for (std::string record : records) {
        record.resize(length, ' ');
        bytes += record;
    }
    return bytes;
}

std::string FitColumn(std::string_view utf8, int width)
{
    std::string bytes = Utf8ToCp1252(utf8);
    bytes.resize(static_cast<std::size_t>(width), ' ');
    return bytes;
}

std::string ColumnText(std::string_view record, int column, int width)
{
    const std::size_t start = static_cast<std::size_t>(column - 1);
    if (start >= record.size())
        return {};
    return Cp1252ToUtf8(record.substr(start, static_cast<std::size_t>(width)));
}

std::string TrimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return std::string(text.substr(0, end));
}

}  // namespace skitally
