#pragma once
#include <cstddef>

namespace skitally {

// One visible text. The English text has id `id` (1000-8999); its French
// text is looked up as id + 10000.
struct TextEntry {
    int id;
    const char* english;
    const char* french;
};

extern const TextEntry kTextEntries[];
extern const std::size_t kTextEntryCount;
// The captions of the command menus, kept apart from the messages.
extern const TextEntry kMenuTextEntries[];
extern const std::size_t kMenuTextEntryCount;
// Each later stage keeps its texts in a file of its own (ids in brackets).
extern const TextEntry kTimeEntryTextEntries[];  // run times typed in (5100-5199)
extern const std::size_t kTimeEntryTextEntryCount;
extern const TextEntry kTimeFileTextEntries[];  // timer and CSV files (5200-5299)
extern const std::size_t kTimeFileTextEntryCount;
extern const TextEntry kParaTextEntries[];  // para factors (5300-5399)
extern const std::size_t kParaTextEntryCount;
extern const TextEntry kCalcTextEntries[];  // the race calculation (5400-5499)
extern const std::size_t kCalcTextEntryCount;
extern const TextEntry kPenaltyTextEntries[];  // the race penalty (5500-5599)
extern const std::size_t kPenaltyTextEntryCount;
extern const TextEntry kSeriesTextEntries[];  // series points (5600-5699)
extern const std::size_t kSeriesTextEntryCount;
extern const TextEntry kOutputsTextEntries[];  // output files (5900-5999)
extern const std::size_t kOutputsTextEntryCount;
extern const TextEntry kResultsTextEntries[];  // results reports (5700-5799)
extern const std::size_t kResultsTextEntryCount;
extern const TextEntry kXmlTextEntries[];  // the result upload file (5800-5899)
extern const std::size_t kXmlTextEntryCount;
extern const TextEntry kSkiCrossTextEntries[];  // the ski-cross ladder (6100-6199)
extern const std::size_t kSkiCrossTextEntryCount;
extern const TextEntry kSkiCrossCalcTextEntries[];  // ski-cross points, qualification (6300-6399)
extern const std::size_t kSkiCrossCalcTextEntryCount;
extern const TextEntry kLadderReportTextEntries[];  // the ski-cross ladder report (6200-6249)
extern const std::size_t kLadderReportTextEntryCount;
extern const TextEntry kFrontEndTextEntries[];  // the front ends' own words (8100-8199)
extern const std::size_t kFrontEndTextEntryCount;
extern const TextEntry kLeagueTextEntries[];  // league races (6400-6499)
extern const std::size_t kLeagueTextEntryCount;
extern const TextEntry kDashboardTextEntries[];  // race progress, the desktop's dashboard (6500-6599)
extern const std::size_t kDashboardTextEntryCount;

}  // namespace skitally
