#pragma once
// Ids of the texts of run times typed in (block 5100-5199).

namespace skitally::text {

constexpr int kRunTimeZero = 5100;
constexpr int kRun1TimeHelp = 5101;
constexpr int kRun2TimeHelp = 5102;
constexpr int kRunTimeShortHelp = 5103;
constexpr int kNoTimeStatusHelp = 5104;
constexpr int kStatusShortHelp = 5105;
constexpr int kMustEnterStatus = 5106;
constexpr int kNoDnqInRun1 = 5107;
constexpr int kGateHelp = 5108;
constexpr int kMustEnterGate = 5109;
constexpr int kRun1StartListFirst = 5110;
constexpr int kRun2StartListFirst = 5111;
constexpr int kNoParaFactor = 5112;
constexpr int kNotARunTime = 5113;     // XtttX: the typed text
constexpr int kNoRacerWithBib = 5114;  // XbbbX
constexpr int kBibPrefix = 5115;       // XbbbX, put before a refusal of one pair
constexpr int kNotAPair = 5116;        // XtttX
constexpr int kTechnicalTimesOnly = 5117;
constexpr int kSpeedTimesOnly = 5118;
constexpr int kTimeCaption = 5119;
constexpr int kStatusCaption = 5120;
constexpr int kGateCaption = 5121;
constexpr int kBibCaption = 5122;
constexpr int kNameCaption = 5123;
constexpr int kTableHelp = 5124;
constexpr int kRacerFormButton = 5125;

}  // namespace skitally::text
