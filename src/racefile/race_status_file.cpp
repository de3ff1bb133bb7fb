#include "racefile/race_status_file.h"

#include <sstream>
#include <vector>

#include "util/file_replace.h"
#include "util/tokens.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace skitally {
namespace {

std::string OrZero(const std::string& value)
{
    const std::string trimmed = Trim(value);
    return trimmed.empty() ? "0" : trimmed;
}

}  // namespace

std::string ComposeRaceStatus(const std::string& racerFile, const RaceFlags& flags)
{
    std::string text;
    auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    line("OP=" + racerFile);
    line("7");
    line("");
    line(flags.timerRun1 ? "1" : "");
    line(OrZero(flags.calculation));
    line(OrZero(flags.state6));
    line(flags.timerRun2 ? "2" : "");
    line(OrZero(flags.state8));
    line(flags.paraFactors ? "1" : "");
    line(flags.snowSeeded ? "1" : "0");
    line(std::to_string(flags.menuPosition));
    return text;
}

std::optional<RaceStatusFile> ReadRaceStatus(const std::string& path)
{
    std::string text;
    if (!ReadWholeFile(path, text) || text.size() < 10)
        return std::nullopt;
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    lines.resize(11);
    RaceStatusFile status;
    status.openName = lines[0].rfind("OP=", 0) == 0 ? lines[0].substr(3) : "";
    status.flags.timerRun1 = Trim(lines[3]) == "1";
    status.flags.calculation = OrZero(lines[4]);
    status.flags.state6 = OrZero(lines[5]);
    status.flags.timerRun2 = Trim(lines[6]) == "2";
    status.flags.state8 = OrZero(lines[7]);
    status.flags.paraFactors = Trim(lines[8]) == "1";
    status.flags.snowSeeded = Trim(lines[9]) == "1";
    status.flags.menuPosition = std::atoi(Trim(lines[10]).c_str());
    return status;
}

Status WriteRaceStatus(const std::string& path, const std::string& racerFile, const RaceFlags& flags)
{
#ifdef _WIN32
    // A hidden file cannot be replaced until it is shown again.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
    Status written = ReplaceFileContents(path, ComposeRaceStatus(racerFile, flags));
#ifdef _WIN32
    if (written)
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    return written;
}

}  // namespace skitally
