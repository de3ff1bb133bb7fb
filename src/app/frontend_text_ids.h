#pragma once
// Ids of the front ends' own words: the terminal's prompts, the pick
// screen, the report viewer and the racer view (text_table_frontend_data.cpp).

namespace skitally::frontend_text {

constexpr int kDefaultAnswer = 8100;        // "(default: XnnnX)"
constexpr int kSaveAsIn = 8101;             // XfffX filter, XnnnX folder
constexpr int kOpenIn = 8102;               // XfffX filter, XnnnX folder
constexpr int kFolderIn = 8103;             // XnnnX
constexpr int kTypeAButton = 8104;
constexpr int kLetterOfButtons = 8105;      // XaaaX letter, XbbbX captions
constexpr int kTypeANumber = 8106;
constexpr int kRowsToTake = 8107;
constexpr int kTypeRowNumbers = 8108;
constexpr int kTypeARow = 8109;             // XkkkX first heading
constexpr int kNoRow = 8110;                // XnnnX
constexpr int kReportAt = 8111;             // XnnnX
constexpr int kDocumentAt = 8112;           // XnnnX
constexpr int kSelectionOptions = 8113;
constexpr int kShowCheckedOnly = 8114;
constexpr int kShowAllRacers = 8115;
constexpr int kTickSelected = 8116;
constexpr int kClearTicks = 8117;
constexpr int kFilter = 8118;
constexpr int kPrint = 8119;
constexpr int kExitViewer = 8120;
// The racer view's headings beside the pick table's own (8536-8541).
constexpr int kBibHeading = 8121;
constexpr int kStart1Heading = 8122;
constexpr int kCategoryHeading = 8123;
constexpr int kGenderHeading = 8124;
constexpr int kSeedHeading = 8125;
constexpr int kHandPointsCommand = 8126;

}  // namespace skitally::frontend_text
