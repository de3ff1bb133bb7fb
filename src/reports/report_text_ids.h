#pragma once
// Ids of the texts of the reports: titles, progress captions, questions,
// the report and sort option forms, print settings and the stale-report
// warnings (block 8800-8899).

namespace skitally::report_text {

// Report titles
constexpr int kTitleRun1TwoRuns = 8800;  // "START LIST - 1ST RUN"
constexpr int kTitleRun1 = 8801;        // "START LIST"
constexpr int kTitleRun2 = 8802;        // "START LIST - 2ND RUN"
constexpr int kTitleSmf = 8803;         // "START MINUS FINISH RANKING"
constexpr int kTitleCompressed1 = 8804;  // "SKITALLY COMPRESSED START LIST"
constexpr int kTitleCompressed2 = 8805;  // "SKITALLY - COMPRESSED 2nd RUN START LIST"
constexpr int kTitleByName = 8806;
constexpr int kTitleByPoints = 8807;
constexpr int kTrainingStartList = 8622;  // menu caption "&TRAINING START LIST"

// Progress captions
constexpr int kProgressStartList = 8808;
constexpr int kProgressRun2 = 8809;
constexpr int kProgressCompetitors = 8810;
constexpr int kPreparingReport = 8811;

// Questions and messages of the start lists
constexpr int kPrintInverted = 8812;
constexpr int kSortWarning = 8813;
constexpr int kFlagSnowSeeded = 8814;
constexpr int kViewCompressed = 8815;
constexpr int kJuryReduced = 8816;
constexpr int kRacersAllowed = 8817;
constexpr int kCalculateFirst = 8818;
constexpr int kNoRacers = 8819;
constexpr int kReportNotWritten = 8820;  // XdddX: why

// 8821-8823: the stale-report warnings, kept with racefile/stale_reports

// Report options form: title, then the ten letters in form order
constexpr int kReportOptionsTitle = 8824;
constexpr int kFirstReportOption = 8825;  // N C D G B P S Z X Y: 8825..8834

// Sort options
constexpr int kSortOptionsTitle = 8835;
constexpr int kSortByName = 8836;
constexpr int kSortByPoints = 8837;
constexpr int kSortByBibs = 8838;
constexpr int kSortByFields = 8839;
constexpr int kSortOrderTitle = 8840;
constexpr int kMustSetFieldOrder = 8841;
constexpr int kAscending = 8842;
constexpr int kDescending = 8843;
constexpr int kFieldOrder = 8844;     // XdddX: the field
constexpr int kFieldDirection = 8845;  // XdddX: the field

// Print settings, printing and PDF
constexpr int kPrintSettingsTitle = 8846;  // XdddX: the type code
constexpr int kFontSize = 8847;
constexpr int kTopLines = 8848;
constexpr int kLeftMargin = 8849;
constexpr int kOrientation = 8850;
constexpr int kBold = 8851;
constexpr int kReportTypeCode = 8852;
constexpr int kNumberOfCopies = 8853;
constexpr int kNoFileOpened = 8854;
constexpr int kSaveAsPdf = 8855;
constexpr int kPdfFiles = 8856;
constexpr int kPdfNotWritten = 8857;  // XdddX: why
constexpr int kNoPrinter = 8858;
constexpr int kBadPrintSetting = 8859;  // XdddX: the field
constexpr int kNoReportsYet = 8860;
constexpr int kPaperSize = 8861;
constexpr int kLocalePaper = 8862; // the LOCALE choice of the paper

}  // namespace skitally::report_text
