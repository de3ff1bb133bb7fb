#pragma once
// Ids of the texts of para events: loading the factor table, switching the
// para event on and off, and factoring the racers' times.

namespace skitally::text {

constexpr int kParaEventFactors = 5300;     // the title of the factor-file messages
constexpr int kFactorFileNotLoaded = 5301;  // XnnnX = the file
constexpr int kFactorFileEmpty = 5302;      // XnnnX = the file
constexpr int kFactorFieldsMissing = 5303;  // followed by the required names
constexpr int kFactorKeyMissing = 5304;     // XkkkX = "Class"
constexpr int kNotParaDiscipline = 5305;    // XdddX = the discipline
constexpr int kNationalOrOther = 5306;
constexpr int kNationalFile = 5307;
constexpr int kOtherFile = 5308;
constexpr int kSelectFactorFile = 5309;
constexpr int kNoDisciplineFactors = 5310;  // XdddX = the discipline
constexpr int kInvalidGroupsTitle = 5311;
constexpr int kRacerTimesMayHaveChanged = 5312;
constexpr int kRemovingParaIndicator = 5313;
constexpr int kRemoveFactorsQuestion = 5314;
constexpr int kFactoringTimes = 5315;
constexpr int kRemovingFactoring = 5316;
constexpr int kRecheckRaceOption = 5317;
constexpr int kInvalidGroupColumns = 5318;  // the column headings of the invalid-group report
constexpr int kFactorTableNotWritten = 5319;  // XnnnX = the file, XdddX = the reason

}  // namespace skitally::text
