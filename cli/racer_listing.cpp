#include "racer_listing.h"

#include <algorithm>
#include <cstdio>

#include "app/paths.h"
#include "cli_app.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {
namespace {

const std::vector<int> kDefaultFields = {kBib, kStart1, kStart2, kName, kCard, kNation, kClub, kSeedPoints};

std::string RacerFileOf(const std::string& race)
{
    return FileExtension(race) == "RCR" ? race : ChangeExtension(race, "RCR");
}

// Field numbers from "Name,Bib,5"; an unknown name gives an empty list.
bool ParseFields(std::string fieldList, std::vector<int>& fields, std::string& unknown)
{
    while (!fieldList.empty()) {
        const std::string token = Trim(PopToken(fieldList, ","));
        if (token.empty())
            continue;
        int field = RacerFieldByName(token);
        if (field < 0 && std::all_of(token.begin(), token.end(), ::isdigit))
            field = std::atoi(token.c_str());
        if (field < 0 || field >= kRacerFieldCount) {
            unknown = token;
            return false;
        }
        fields.push_back(field);
    }
    return true;
}

// Characters, not bytes: names carry accents.
std::size_t DisplayWidth(const std::string& text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
}

std::string TrimRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

int ListRacers(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << "skitally-cli: list needs a race\n";
        return kCliUsage;
    }
    std::vector<int> fields;
    std::string unknown;
    if (args.size() > 1 && !ParseFields(args[1], fields, unknown)) {
        err << "skitally-cli: unknown racer field " << unknown << "\n";
        return kCliUsage;
    }
    if (fields.empty())
        fields = kDefaultFields;

    std::vector<std::vector<std::string>> rows;
    const Status read = ForEachLiveRacer(RacerFileOf(args[0]), [&](int number, const RacerRecord& racer) {
        const RacerText text = RecordToText(racer);
        std::vector<std::string> row{std::to_string(number)};
        for (int field : fields)
            row.push_back(Trim(text[field]));
        rows.push_back(row);
    });
    if (!read) {
        err << "skitally-cli: " << read.error() << "\n";
        return kCliRefused;
    }
    std::vector<std::string> heading{"Rec"};
    for (int field : fields)
        heading.push_back(RacerFields()[field].name);
    std::vector<std::size_t> widths(heading.size());
    for (std::size_t i = 0; i < heading.size(); ++i) {
        widths[i] = DisplayWidth(heading[i]);
        for (const auto& row : rows)
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    }
    auto print = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += (i ? " " : "") + row[i] + std::string(widths[i] - DisplayWidth(row[i]), ' ');
        }
        out << TrimRight(line) << "\n";
    };
    print(heading);
    for (const auto& row : rows)
        print(row);
    return kCliDone;
}

int DumpRacer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2 || args[1].find_first_not_of("0123456789") != std::string::npos) {
        err << "skitally-cli: dump needs a race and a record number\n";
        return kCliUsage;
    }
    RacerFile file;
    const Status opened = file.Open(RacerFileOf(args[0]), RacerFileMode::Read);
    if (!opened) {
        err << "skitally-cli: " << opened.error() << "\n";
        return kCliRefused;
    }
    const int number = std::atoi(args[1].c_str());
    const auto racer = file.ReadRacer(number);
    if (!racer) {
        err << "skitally-cli: record " << number << " is not in the file (" << file.RacerCount()
            << " records)\n";
        return kCliRefused;
    }
    out << "Record " << number << " of " << file.RacerCount() << (racer->IsDeleted() ? " (deleted)" : "") << "\n";
    const RacerText text = RecordToText(*racer);
    for (int field = 0; field < kRacerFieldCount; ++field) {
        char label[32];
        std::snprintf(label, sizeof label, "%2d %-13s", field, RacerFields()[field].name);
        out << label << "[" << text[field] << "]\n";
    }
    char version[32];
    std::snprintf(version, sizeof version, "%g", racer->formatVersion);
    out << "   FormatVersion " << version << "\n";
    const std::string bytes = file.ReadRecordBytes(number);
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        char line[80];
        int used = std::snprintf(line, sizeof line, "%04zx ", at);
        for (std::size_t i = at; i < std::min(at + 16, bytes.size()); ++i)
            used += std::snprintf(line + used, sizeof line - used, " %02x", static_cast<unsigned char>(bytes[i]));
        out << line << "\n";
    }
    return kCliDone;
}

}  // namespace skitally
