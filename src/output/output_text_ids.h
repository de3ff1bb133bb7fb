#pragma once
// Ids of the texts of the output files (block 5900-5999).

namespace skitally::text {

constexpr int kSaveTitle = 5900;
constexpr int kSaveCsvTitle = 5901;
constexpr int kOutputFolderTitle = 5902;
constexpr int kWebFileType = 5903;
constexpr int kCsvOutputType = 5205;  // as the CSV time file's dialog
constexpr int kRaceFilesType = 5905;
constexpr int kWebDone = 5906;
constexpr int kCopyDone = 5907;
constexpr int kCsvDone = 5908;
constexpr int kBibsMissing = 5909;
constexpr int kGroupMissing = 5910;
constexpr int kFactorMissing = 5911;
constexpr int kContinueCopy = 5912;
constexpr int kScanningRacers = 5913;
constexpr int kJuryUnreadable = 5914;     // XnnnX, XdddX
constexpr int kResultsMissing = 5915;     // XnnnX
constexpr int kPenaltyMissing = 5916;     // XnnnX
constexpr int kUnofficialRefused = 5917;
constexpr int kDestinationIsSource = 5918;  // XnnnX
constexpr int kOutputNotWritten = 5919;   // XnnnX, XdddX
constexpr int kOwnFolder = 5920;          // XnnnX
constexpr int kReportUnreadable = 5921;   // XnnnX, XdddX
constexpr int kReportOfOtherRace = 5937;  // XnnnX: file, XcccX: codex

}  // namespace skitally::text
