#pragma once
// The draw's work files, printed by the report viewer: "$TOP$.DAT" (top
// racers requiring a draw), "$MATCH$.DAT" (racers with matching seed
// points), "$CMPDRW$.DAT" (computer draw results) as text lines, and
// "$SPCDRW$.DAT" (the special draw) as 43-byte records. Lines are built
// in UTF-8 and written in Windows-1252 with CR LF.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "draw/bib_numbering.h"
#include "draw/draw_field.h"
#include "draw/draw_plan.h"
#include "draw/seed_order.h"
#include "util/status.h"

namespace skitally {

inline constexpr const char* kTopFile = "$TOP$.DAT";
inline constexpr const char* kMatchFile = "$MATCH$.DAT";
inline constexpr const char* kComputerDrawFile = "$CMPDRW$.DAT";
inline constexpr const char* kSpecialDrawFile = "$SPCDRW$.DAT";
constexpr int kSpecialDrawRecordLength = 43;  // name (40) and drawn number (3)
constexpr int kInformationWidth = 80;

// Removes the four work files. Each draw removes those of the one before
// it, so a file printed later is never mistaken for this draw's.
void RemoveDrawWorkFiles(const AppContext& ctx);

// "S K I T A L L Y", the system line and "INFORMATION REPORT" centred, a
// blank line, the title centred and a blank line.
std::vector<std::string> InformationHeadings(const AppContext& ctx, const std::string& title);

// The lines in Windows-1252, each ended by CR LF, replacing the file whole.
Status WriteReportLines(const std::string& path, const std::vector<std::string>& lines);

// The top seed in start order. A special draw adds its two heading lines.
std::vector<std::string> TopRacersLines(const AppContext& ctx, const DrawField& field,
                                        const std::vector<int>& topStarts, bool special);

// Each tie under "RACERS TIED FOR POSITION" with its racers in place order,
// the start position and bib they were given (read from the field).
std::vector<std::string> MatchingLines(const AppContext& ctx, const DrawField& field, const SeedOrder& order,
                                       const std::vector<TieRun>& ties);

// Every computer draw under its title, its racers in place order.
std::vector<std::string> ComputerDrawLines(const AppContext& ctx, const DrawField& field, const DrawLog& log);

// The special-draw heading, then one record per racer without points in
// drawn order: the first ones filled the top seed.
std::string SpecialDrawRecords(const AppContext& ctx, const DrawField& field, const std::vector<int>& drawn);

// "| START   1 = Bib   1 |" for every start position.
std::vector<std::string> CrossReferenceLines(const AppContext& ctx, const std::vector<int>& bibs);

}  // namespace skitally
