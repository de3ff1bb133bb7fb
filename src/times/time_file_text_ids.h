#pragma once
// Ids of the texts of the run-time files: the Kronex result file and the
// CSV time file (block 5200-5299).

namespace skitally::text {

// Choosing and reading the file
constexpr int kKronexNotLoaded = 5200;
constexpr int kKronexEmpty = 5201;
constexpr int kOpenKronexTitle = 5202;
constexpr int kKronexFileType = 5203;
constexpr int kOpenCsvTitle = 5204;
constexpr int kCsvFileType = 5205;
constexpr int kCsvNotLoaded = 5206;
constexpr int kCsvEmpty = 5207;
constexpr int kReadingCsv = 5208;

// Checks of the file against the race
constexpr int kNotExpectedFormat = 5209;
constexpr int kAborting = 5210;
constexpr int kWrongGender = 5211;
constexpr int kWrongDiscipline = 5212;
constexpr int kFileDisciplineIs = 5213; // XdddX
constexpr int kCorrectForRun = 5214;
constexpr int kWrongRun = 5215;
constexpr int kUpdateRun = 5216;
constexpr int kRun1FromRun2File = 5217;
constexpr int kTraining2 = 5218;
constexpr int kDateCheckFailed = 5219;
constexpr int kPcDateIs = 5220;
constexpr int kKronexDateIs = 5221;
constexpr int kMaybeWrongFile = 5222;
constexpr int kAbortLoad = 5223;
constexpr int kLoadButton = 5224;

// Preconditions of the run (the start-list ones are shared with typed entry)
constexpr int kGenerateRun1List = 5227;
constexpr int kRun1TimesFirst = 5228;

// Reloading a run
constexpr int kAlreadyLoaded = 5229;
constexpr int kOverwrite = 5230;
constexpr int kIncludingManual = 5231;
constexpr int kRun2Removed = 5232;
constexpr int kContinueReloading = 5233;
constexpr int kTimesWord = 5234;

// The racers of the file
constexpr int kBibWord = 5235;
constexpr int kNoRun1Information = 5236;
constexpr int kFollowingDsq = 5237;
constexpr int kEnterDsqGate = 5238;
constexpr int kMustEnterValue = 5239;
constexpr int kFisNeedsLevel = 5240;
constexpr int kNoParaFactorForBib = 5241; // XbbbX
constexpr int kRacersLoaded = 5242; // XnnnX

// Problems of one line, named with the file and the line
constexpr int kFileLine = 5243; // XfffX, XnnnX
constexpr int kTooFewFields = 5244;
constexpr int kNotText = 5245;
constexpr int kBadBib = 5246;
constexpr int kBadTime = 5247;
constexpr int kBadStatus = 5248;
constexpr int kFieldTooWide = 5249;
constexpr int kCutShort = 5250;
constexpr int kNoHeader = 5251;
constexpr int kNoRacerLines = 5252;

// The CSV description and its lines
constexpr int kCsvBypassWarning = 5253;
constexpr int kCsvDescriptionTitle = 5254;
constexpr int kCsvBibColumn = 5255;
constexpr int kCsvTimeColumn = 5256;
constexpr int kCsvStatusColumn = 5257;
constexpr int kCsvSameColumnNote = 5258;
constexpr int kCsvColumnNeeded = 5259;
constexpr int kCsvFieldBeyondLine = 5260;
constexpr int kCsvBibNotNumeric = 5261;
constexpr int kCsvNoTimeOrStatus = 5262; // XbbbX
constexpr int kFileNotRead = 5263;       // XnnnX, XdddX

} // namespace skitally::text
