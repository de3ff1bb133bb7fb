#pragma once
// Ids of the texts the race calculation shows (text_table_calc_data.cpp,
// and the shared captions it borrows).

namespace skitally::calc_text {

constexpr int kReadingRacerFile = 1146;
constexpr int kSorting = 1147;
constexpr int kContinue = 8024;
constexpr int kRecreationalNoPoints = 4516;
constexpr int kRecreationalSeeReports = 4517;
constexpr int kCalculatingPoints = 5400;
constexpr int kCalculatingFinishOrder = 5401;
constexpr int kNoFFactor = 5402;
constexpr int kUnknownDiscipline = 5500;  // the penalty's, whose limits refuse it
constexpr int kRecreationalRemoved = 5404;
constexpr int kOneRunWarning = 5405;
constexpr int kFileNotRead = 5263;  // XnnnX, XdddX

}  // namespace skitally::calc_text
