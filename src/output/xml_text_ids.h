#pragma once
// Ids of the texts of the result upload file (block 5800-5899).

namespace skitally::xml_text {

constexpr int kHostNation = 5800;
constexpr int kHostClub = 5801;
constexpr int kClubMissing = 5802;
constexpr int kPleaseCheck = 5803;
constexpr int kClassification = 5804;
constexpr int kTimer = 5805;
constexpr int kFisList = 5806;
constexpr int kNationalList = 5807;
constexpr int kTdNumber = 5808;
constexpr int kAssistantTdNumber = 5809;
constexpr int kInformationMissing = 5810;
constexpr int kRacerNotInRace = 5811;
constexpr int kXmlDone = 5812;
constexpr int kPrintOfficialFirst = 5813;
constexpr int kSkiDataUnusable = 5814; // XnnnX: file, XdddX: why
constexpr int kXmlNotWritten = 5815;   // XnnnX: file, XdddX: reason
constexpr int kQualificationFormat = 5816;
constexpr int kSubType = 5817; // XtttX: the format
constexpr int kLastPhase = 5818;
constexpr int kBibNumber = 5819; // XnnnX: bib
constexpr int kRecalculate = 5820;
constexpr int kTrainingContinue = 5821;
constexpr int kXmlFileKind = 5822;
constexpr int kSaveLocationCorrect = 5823;

} // namespace skitally::xml_text
