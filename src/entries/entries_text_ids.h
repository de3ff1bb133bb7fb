#pragma once
// Ids of the texts the points-list reader shows.

namespace skitally::text {

constexpr int kFileFormatNotRecognisable = 1229;  // the usual headline of a list that fails

constexpr int kLoadRacerError = 8400;
constexpr int kUnknownReadCommand = 8401;
constexpr int kCalculateCategory = 8402;
constexpr int kAnalyzingFile = 8403;
constexpr int kReadingFile = 8404;
constexpr int kProcessingRecord = 8405;
constexpr int kCardNumberInvalid = 8406;   // XnnnX
constexpr int kBirthYearInvalid = 8407;    // XyyyX
constexpr int kRacerPointsInvalid = 8408;  // XpppX
constexpr int kSxRankInvalid = 8409;       // XrrrX
constexpr int kListGenderQuestion = 8410;  // XnnnX = the list's file name
constexpr int kFemale = 8411;
constexpr int kMale = 8412;
constexpr int kRowsSkipped = 8413;            // XnnnX rows, XdddX the report
constexpr int kSkippedRowLine = 8414;         // XnnnX list, XlllX line, XdddX reason
constexpr int kRowTooFewColumns = 8415;
constexpr int kRowUnbalancedQuote = 8416;
constexpr int kRowNulCharacter = 8417;
constexpr int kRowCodeTooLong = 8418;
constexpr int kSkippedRowsNotWritten = 8419;  // XnnnX the report, XdddX why

}  // namespace skitally::text
