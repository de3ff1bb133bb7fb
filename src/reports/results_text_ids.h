#pragma once
// Ids of the texts of the results reports (text_table_results_data.cpp,
// block 5700-5799, and the shared ones they borrow).

namespace skitally::results_text {

constexpr int kCalculateFirst = 5700;
constexpr int kOneRunOnly = 5701;
constexpr int kTwoRunsOnly = 5702;
constexpr int kTrainingQuestion = 5703;
constexpr int kOfficialTitle = 5704;
constexpr int kTrainingTitle = 5705;
constexpr int kTdInputRequired = 5706;
constexpr int kPointsExceeded = 5707;
constexpr int kSubstituteOrPrint = 5708;
constexpr int kDiscussWithTd = 5709;
constexpr int kSubstitute = 5710;
constexpr int kPrintAsCalculated = 5711;
// The sections, in the order the report prints them: 5712-5716.
constexpr int kFirstSection = 5712;
constexpr int kWeather = 5717;
constexpr int kSnow = 5718;
constexpr int kTemperature = 5719;
constexpr int kStart = 5720;
constexpr int kFinish = 5721;
constexpr int kAdder = 5722;
constexpr int kPenaltyApplied = 5723;
constexpr int kNoCalculationNeeded = 5730;
constexpr int kTitleQuestion = 5731;
constexpr int kUnofficialButton = 5732;
constexpr int kResultsButton = 5733;
constexpr int kUnofficialTitle = 5734;
constexpr int kResultsTitle = 5735;
constexpr int kRecreationalTitle = 5736;
constexpr int kTrainingOrRace = 5737;
constexpr int kTrainingButton = 5738;
constexpr int kRaceButton = 5739;
constexpr int kWhichReport = 5740;
constexpr int kTotalTimeReport = 5741;
constexpr int kBestOfReport = 5742;

constexpr int kTechnicalDelegate = 4104;
constexpr int kGate = 5121;

}  // namespace skitally::results_text
