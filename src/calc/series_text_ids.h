#pragma once
// Ids of the texts of the series points (block 5600-5699).

namespace skitally::text {

constexpr int kUseCanadianTable = 5600;
constexpr int kNoBuiltInTable = 5601;
constexpr int kHaveSeriesFile = 5602;
constexpr int kOpenSeriesFileTitle = 5603;
constexpr int kSeriesFiles = 5604;
constexpr int kCalculatingPoints = 5400;  // the calculation's
constexpr int kSeriesPointsComplete = 5606;
constexpr int kSeriesOptionsTitle = 5607;
constexpr int kSeriesTypeCaption = 5608;
constexpr int kSeriesTypeHelp = 5609;
constexpr int kProvinceCaption = 5610;
constexpr int kProvinceHelp = 5611;
constexpr int kSeriesLineMalformed = 5612;   // XnnnX: line number, XtttX: file
constexpr int kSeriesTableNotWritten = 5613;  // XnnnX: file, XdddX: reason
constexpr int kSeriesFileNotRead = 5614;      // XnnnX: file, XdddX: reason

}  // namespace skitally::text
