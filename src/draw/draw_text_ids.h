#pragma once
// Ids of the texts of the draw: the automatic draw, the manual modes, the
// start-position audit and the second-run order (block 8700-8799).

namespace skitally::text {

// Automatic draw: introduction and method
constexpr int kDrawIntro = 8700;  // four lines: what the procedure does
constexpr int kDrawDate = 8701;
constexpr int kDrawTime = 8702;
constexpr int kMethodIntro = 8703;
constexpr int kMethodTopSeed = 8704;
constexpr int kMethodAllRandom = 8705;
constexpr int kMethodByPoints = 8706;
constexpr int kMethodPrompt = 8707;
constexpr int kWholeNumberRange = 8708;  // XlllX .. XhhhX
constexpr int kSoftwareChanged = 8709;   // the warning and its question
constexpr int kSelectedMethod = 8710;
constexpr int kMethodCorrect = 8711;

// Previous results and assignments
constexpr int kCheckingResults = 8712;
constexpr int kRaceHasResults = 8713;
constexpr int kBlankTimes = 8714;
constexpr int kBlankingResults = 8715;
constexpr int kCheckingAssignments = 8716;
constexpr int kReassign = 8717;
constexpr int kKeepBibs = 8718;

// Bib numbering
constexpr int kFirstBib = 8719;
constexpr int kSkipBibs = 8720;
constexpr int kSkipBibsTitle = 8721;
constexpr int kFirstBibIs = 8722;
constexpr int kLastBibIs = 8723;
constexpr int kSkippingBib = 8724;
constexpr int kBibRange = 8725;
constexpr int kBibSkipped = 8726;
constexpr int kCancelWhenDone = 8727;
constexpr int kPrintCrossReference = 8728;
constexpr int kCrossReferenceTitle = 8729;
constexpr int kStartWord = 8730;
constexpr int kBibWord = 8731;

// Sort direction and top seed
constexpr int kReverseOrder = 8732;
constexpr int kDrawTopAgain = 8733;  // XnnnX, then the question
constexpr int kTopTie = 8734;        // places XfffX - XlllX, new count XnnnX
constexpr int kTopSeedEquals = 8735;
constexpr int kComputerDrawTop = 8736;
constexpr int kTopByPoints = 8737;
constexpr int kTopInverted = 8738;
constexpr int kPrintTop = 8739;
constexpr int kTopTitle = 8740;
constexpr int kSpecialDraw = 8741;
constexpr int kRemainingTop = 8742;

// Matching seed points and the end of the draw
constexpr int kTiedForPosition = 8743;
constexpr int kDrawMatching = 8744;
constexpr int kPrintMatching = 8745;
constexpr int kMatchingTitle = 8746;
constexpr int kAssignmentComplete = 8747;
constexpr int kPrintComputerDraw = 8748;
constexpr int kComputerDrawTitle = 8749;
constexpr int kDrawSeed = 8750;  // XnnnX
constexpr int kBadSeed = 8751;   // XdddX

// Headings of the information reports and the columns of the draw files
constexpr int kHeadingSkitally = 8752;
constexpr int kHeadingSystem = 8753;
constexpr int kHeadingInformation = 8754;
constexpr int kColumnRacerName = 8755;
constexpr int kColumnDrawn = 8756;
constexpr int kColumnRuns = 8757;
constexpr int kColumnPoints = 8542;  // shared with the pick screen
constexpr int kColumnName = 8536;
constexpr int kColumnCard = 8537;

// Titles of the computer draws, 8758..8769 in the order of DrawKind
constexpr int kFirstDrawTitle = 8758;

// Manual positions, late entries, change of start position
constexpr int kManualTitle = 8770;
constexpr int kInsertTitle = 8771;
constexpr int kChangeTitle = 8772;
constexpr int kAlreadyHasBib = 8773;
constexpr int kEnterBib = 8774;
constexpr int kEnterStart = 8775;
constexpr int kEnterSeedShort = 8776;
constexpr int kEnterSeedLong = 8777;
constexpr int kBibAssigned = 8778;
constexpr int kStartAssigned = 8779;
constexpr int kStartTooHigh = 8780;

// Start-position and bib audit
constexpr int kAuditTitle = 8781;
constexpr int kStartNumber = 8782;
constexpr int kBibNumber = 8783;
constexpr int kMissing = 8784;
constexpr int kDuplicated = 8785;
constexpr int kAuditClean = 8786;

// Second-run order
constexpr int kRun2OrderTitle = 8787;
constexpr int kRun2Normal = 8788;
constexpr int kRun2Same = 8789;
constexpr int kRun2Invert = 8790;
constexpr int kReversalCount = 8791;  // three lines
constexpr int kReversalsPerGroup = 8792;
constexpr int kRun1Ties = 8793;  // positions XfffX - XlllX, new count XnnnX
constexpr int kCorrectReversal = 8794;
constexpr int kAddNonFinishers = 8795;
constexpr int kIncludeDns = 8796;
constexpr int kIncludeInPlace = 8797;

}  // namespace skitally::text
