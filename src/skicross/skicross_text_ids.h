#pragma once
// Ids of the texts of the ski-cross points and the qualification results
// (text_table_skicross_calc_data.cpp, block 6300-6399).

namespace skitally::skicross_text {

constexpr int kLadderNotLoaded = 6300;
constexpr int kPointsBasedOn = 6301;
constexpr int kTotalOrBestOf = 6302;
constexpr int kTotalButton = 6303;
constexpr int kBestOfButton = 6304;
constexpr int kPointsWillBeBasedOn = 6305;  // XtttX: TOTAL or BEST OF
constexpr int kNoPointsBeyond = 6306;      // XnnnX racers, XbbbX the last one with points
constexpr int kEnterRacersWithPoints = 6307;  // XnnnX
constexpr int kNotEnoughRacers = 6308;
constexpr int kSheetTitle = 6309;
constexpr int kBestFiveAtStart = 6310;
constexpr int kSeedPointsOfBestFive = 6311;
constexpr int kRaceLevel = 6312;  // XlllX
constexpr int kEntryPoint = 6313;
constexpr int kFewerThanThree = 6314;
constexpr int kAwardNoPoints = 6315;
constexpr int kNoPointsAwarded = 6316;
constexpr int kQualificationReport = 6317;
constexpr int kLadderBasedOn = 6318;  // XtttX
constexpr int kChoiceCorrect = 6319;
constexpr int kQualificationTitle = 6320;
constexpr int kPointsByPlace = 6321;

// Borrowed from the results reports.
constexpr int kTotalTimeReport = 5741;
constexpr int kBestOfReport = 5742;

}  // namespace skitally::skicross_text
