#pragma once
// Ids of the texts of the race penalty (block 5500-5599).

namespace skitally::penalty_text {

constexpr int kUnknownDiscipline = 5500;
constexpr int kFisListQuestion = 5501;
constexpr int kNationalListQuestion = 5502;
constexpr int kListDateWarning = 5503;  // XnnnX: the list number
constexpr int kContinueWrongList = 5504;
constexpr int kTdNoticeTitle = 5505;
constexpr int kTdNoticeDubbing = 5506;
constexpr int kTdNoticeChanged = 5507;
constexpr int kTdNoticeInform = 5508;
constexpr int kReportTitle = 5509;

}  // namespace skitally::penalty_text
