#pragma once
// Ids of the texts the application frame uses by name.

namespace skitally::text {

constexpr int kAppTitle = 1000;
constexpr int kOpenRace = 1005;
constexpr int kMainMenu = 1016;
constexpr int kOkay = 1082;
constexpr int kExitSkitally = 1087;
constexpr int kLanguagePreference = 1088;
constexpr int kQueryTitle = 1100;
constexpr int kMessageTitle = 1101;
constexpr int kNoRaceOpen = 1108;
constexpr int kViewRacersHint = 1127;
constexpr int kEnglishName = 1166;
constexpr int kFrenchName = 1167;
constexpr int kGermanName = 1168;
constexpr int kNewRace = 1429;
constexpr int kSureToExit = 2010;
constexpr int kChangeRaceOptions = 2026;
constexpr int kYes = 2142;
constexpr int kNo = 2143;
constexpr int kFileMustBeOpen = 4514;
constexpr int kFirstTab = 6001;  // "Home"; the stage tabs follow up to 6008

constexpr int kErrorNumber = 8001;
constexpr int kGeneratedBy = 8002;
constexpr int kIgnoreWarning = 8003;
constexpr int kAbort = 8004;
constexpr int kRetry = 8005;
constexpr int kIgnore = 8006;
constexpr int kTooManyFiles = 8007;
constexpr int kResponseMustBe = 8008;
constexpr int kValueTooLarge = 8009;
constexpr int kIsMaximum = 8010;
constexpr int kNormallyNo = 8011;
constexpr int kErrorTitle = 8013;
constexpr int kCancel = 8014;
constexpr int kNotAvailableYet = 8015;
constexpr int kSettingsUnreadable = 8016;
constexpr int kBadIniLine = 8017;
constexpr int kFolderNotCreated = 8018;
constexpr int kPreferences = 8021;
constexpr int kPreferencesCaption = 8030;  // "&Preferences"
constexpr int kChangeLook = 8031;          // "Change &Look"
constexpr int kNoAnswerLeft = 8032;        // an answers file run out: XnnnX the question
constexpr int kFieldHelp = 8022;
constexpr int kLanguage = 8023;
constexpr int kRaceFileMissing = 8029;

constexpr int kErrorFileFormat = 29;  // numbered error: "FILE FORMAT WAS NOT RECOGNIZABLE"

}  // namespace skitally::text

namespace skitally::text {

constexpr int kRaceFiles = 1014;
constexpr int kSelectRaceToCopy = 1112;
constexpr int kWritingFile = 1137;
constexpr int kOpenRaceTitle = 1399;
constexpr int kNewRaceTitle = 1431;
constexpr int kCopyFromOldRace = 2001;
constexpr int kConvertRacerFile = 2005;
constexpr int kRaceOptionsTitle = 3018;
constexpr int kNotForLeague = 4512;

constexpr int kCopyOptions = 8200;
constexpr int kCopyHeader = 8201;
constexpr int kCopyHeaderAll = 8202;
constexpr int kCopyHeaderNoWeather = 8203;
constexpr int kCopyRacers = 8204;
constexpr int kCopyRacersAll = 8205;
constexpr int kCopyRacersNoTimesNoBibs = 8206;
constexpr int kCopyRacersNoTimes = 8207;
constexpr int kCopyRacersNoTimesNoStarts = 8208;
constexpr int kCopyExit = 8209;
constexpr int kParaEventField = 8210;
constexpr int kRaceFileNotWritten = 8211;
constexpr int kRacerFileNotConverted = 8212;
constexpr int kHeaderCommand = 8213;
constexpr int kJuryCommand = 8214;
constexpr int kCourseCommand = 8215;
constexpr int kWeatherCommand = 8216;
// Why a file could not be used (XdddX of the texts above)
constexpr int kCannotOpen = 8217;
constexpr int kCannotRead = 8218;
constexpr int kCannotWrite = 8219;
constexpr int kUnknownLayout = 8220;
constexpr int kOntoItself = 8221;
constexpr int kUnexpectedFailure = 8222;
// Snapshots, restore and the checks on open
constexpr int kRestoreCommand = 8652;
constexpr int kSnapshotNotWritten = 8950;
constexpr int kNoSnapshots = 8951;
constexpr int kPickSnapshot = 8952;
constexpr int kConfirmRestore = 8953;
constexpr int kNoSuchSnapshot = 8954;
constexpr int kRestored = 8955;
constexpr int kDamagePartialRecord = 8956;
constexpr int kDamageRecordNotEnded = 8957;
constexpr int kDamageNotANumber = 8958;
constexpr int kDamageNulName = 8959;
constexpr int kDamageImpossibleNumber = 8960;
constexpr int kDamageHeaderNotText = 8961;
constexpr int kDamagedFiles = 8962;
constexpr int kMoreDamage = 8963;
constexpr int kRestoreOrGoOn = 8964;
constexpr int kGoOnWithoutSnapshot = 8965;
constexpr int kRestoreButton = 8966;
constexpr int kGoOnButton = 8967;
constexpr int kPartialRecordKept = 8968;
constexpr int kStatusNotWritten = 8969;
constexpr int kKeepingPartialRecord = 8970;

}  // namespace skitally::text
