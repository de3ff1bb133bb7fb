#pragma once
// Ids of the texts of the ski-cross ladder (block 6100-6199).

namespace skitally::text {

constexpr int kLadderTitle = 6100;
constexpr int kLadderSizeQuestion = 6101;
constexpr int kTimedRunType = 6102;
constexpr int kTimedRunTypeTitle = 6103;
constexpr int kSeedingButton = 6104;
constexpr int kQualificationButton = 6105;
constexpr int kTimeTie = 6106; // XtttX the time
constexpr int kDnfTie = 6107;
constexpr int kAcceptButton = 6108;
constexpr int kTimeSortingButton = 6109;
constexpr int kDnfSortingButton = 6110;
constexpr int kTypeBibOrder = 6111; // XbbbX the bibs
constexpr int kHeatsStandard = 6112;
constexpr int kStartingHeatNumber = 6113; // XnnnX the round
constexpr int kHeatsOverlap = 6114;
constexpr int kNoSuchLadderRecord = 6115;
constexpr int kSaveLadderTitle = 6116;
constexpr int kLadderOutputDone = 6117;
constexpr int kLoadLadderTitle = 6118;
constexpr int kLadderResultType = 6119;
constexpr int kLadderWrongGender = 6120;
constexpr int kNoLadderInformation = 6121;
constexpr int kLadderLoaded = 6122;
constexpr int kPrintOrCreateLadder = 6123;
constexpr int kCreateButton = 6124;
constexpr int kPrintFullButton = 6125;
constexpr int kNoLadderFileChosen = 6126;
constexpr int kNoLadderYet = 6127;
constexpr int kLadderCreated = 6128;   // XnnnX the ladder name
constexpr int kBibOrderRefused = 6129; // XbbbX the bibs
constexpr int kStartingHeatNumberRange = 6130;
constexpr int kLadderFileType = 6131;
constexpr int kLadderFileEmpty = 6132;      // XnnnX the file
constexpr int kLadderFileNotRead = 6133;    // XnnnX the file, XdddX why
constexpr int kLadderFileNotWritten = 6134; // XnnnX the file, XdddX why
constexpr int kBibsFromOne = 6135;          // XnnnX the ladder size
constexpr int kBibsFromFirst = 6136;        // XnnnX the ladder size
constexpr int kTypeBibsButton = 6137;
constexpr int kFirstBibQuestion = 6138;
constexpr int kFirstBibMaximum = 6139;      // XnnnX the largest first bib
constexpr int kBibDuplicate = 6140;         // XnnnX the bib
constexpr int kBibMissing = 6141;
constexpr int kGiveLadderBibs = 6142;
constexpr int kLadderBibsHow = 6143;        // XnnnX the ladder size
constexpr int kLadderBibsSaved = 6144;

} // namespace skitally::text
