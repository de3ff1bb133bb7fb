#pragma once
// Ids of the texts the racer entry screens use.

namespace skitally::text {

// Texts shared with other screens.
constexpr int kListFormatError = 1229;  // headline of a list the reader refuses
constexpr int kKinderKombiNotFis = 2033;
constexpr int kDivisionCaption = 2124;
constexpr int kDownhillName = 4302;
constexpr int kSuperGName = 4306;
constexpr int kSureToDelete = 4410;
constexpr int kNationCaption = 4430;
constexpr int kCodexIncorrect = 4531;
constexpr int kCodexChangeHint = 4532;
constexpr int kContinue = 8024;
constexpr int kCancelButton = 8014;

// Numbered errors (text 1200 + n).
constexpr int kErrorInvalidRaceType = 13;
constexpr int kErrorInvalidGender = 14;

// The entry screens' own texts.
constexpr int kRacerAlreadyOnFile = 8500;
constexpr int kRacerNotOnFile = 8501;
constexpr int kMustEnterBothNames = 8502;
constexpr int kMustEnterFourDigits = 8503;
constexpr int kAddRacerTitle = 8504;
constexpr int kChangeNameTitle = 8505;
constexpr int kChangeRacerTitle = 8506;
constexpr int kDeleteRacerTitle = 8507;
constexpr int kUpdatePointsQuestion = 8508;
constexpr int kAddFromPointsFile = 8509;
constexpr int kSelectionAboutToBeAdded = 8510;
constexpr int kSuperCombinedSeedQuestion = 8511;
constexpr int kSuperCombinedCancelHint = 8512;
constexpr int kEnterNames = 8513;
constexpr int kEnterLastName = 8514;
constexpr int kEnterFirstName = 8515;
constexpr int kNeitherNameBlank = 8516;
constexpr int kSeedPointsEntryOff = 8517;
// 8518-8521: the run-count question, kept with racefile/run_count
constexpr int kUpdateExplanation = 8522;
constexpr int kEnterNewFileName = 8523;
constexpr int kFileExistsOverwrite = 8524;
constexpr int kBlankBibsQuestion = 8525;
constexpr int kEnterRaceDiscipline = 8526;
constexpr int kNotAPointsFile = 8527;
constexpr int kRacersNotFound = 8528;
constexpr int kErrorLoadingRacer = 8529;
constexpr int kNoPointsLoaded = 8530;
constexpr int kSaveChangesQuestion = 8531;
constexpr int kTimeFormatKey = 8532;
constexpr int kTimeFormatHelp = 8533;
constexpr int kSelectPointsList = 8534;
constexpr int kPointsLists = 8535;
constexpr int kColumnName = 8536;
constexpr int kColumnCode = 8537;
constexpr int kColumnNation = 8538;
constexpr int kColumnDivision = 8539;
constexpr int kColumnClub = 8540;
constexpr int kColumnBirthYear = 8541;
constexpr int kColumnPoints = 8542;
constexpr int kColumnGroup = 8543;
constexpr int kPickListHelp = 8544;
constexpr int kChooseRacer = 8545;
constexpr int kLastNameCaption = 8546;
constexpr int kFirstNameCaption = 8547;
constexpr int kCardCaption = 8548;
constexpr int kClubCaption = 8549;
constexpr int kCategoryCaption = 8550;
constexpr int kGenderCaption = 8551;
constexpr int kBirthYearCaption = 8552;
constexpr int kPointsCaption = 8553;  // "XdddX POINTS"
constexpr int kGroupCaption = 8554;
constexpr int kSeedRankCaption = 8555;
constexpr int kNewRacerItem = 8556;
constexpr int kPickTableNotStored = 8557;
constexpr int kNewRaceIsOpenRace = 8558;
constexpr int kHandPointsTitle = 8559;
constexpr int kAllFiles = 8560;

}  // namespace skitally::text
