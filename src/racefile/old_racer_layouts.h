#pragma once
// The racer record layouts written before version 7.1, read only to bring
// an old race up to the current 243-byte record.
//
// The record grew by appending fields, so each layout is the one before it
// plus a few fields ("S" = 4-byte single, numbers = text width):
//
//   138  no version, 32-character name: the first layout
//          Name 0/32  Card 32/7  Club 39/5  SeedPoints 44/7  Bib 51/3
//          Start1 54/3  Start2 57/3  Category 60/3  BirthYear2 63/2
//          TotalTime 65/S  RacePoints 69/S  Status1 73/3  Status2 76/3
//          Gate 79/3  Time1 82/S  Time2 86/S  BirthYear 90/4  Nation 94/5
//          Gender 99/1  PointsDH 100/S  PointsSL 104/S  PointsGS 108/S
//          PointsSG 112/S  PointsSC 116/S  Group 120/10  RawTime1 130/S
//          RawTime2 134/S
//   149  no version: 138 + ParaFactor 138/S  Position 142/S  Rank 146/3
//   157  no version: 149 + PointsSX 149/S  PointsKK 153/S
//   165  no version: 157 + BestOf 157/S  CsvTotal 161/S
//   179  version 6.0: 165 + SeedRank 165/10  FormatVersion 175/S
//   236  version 6.6: the name widened to 40 and the record re-laid in
//          today's order: every current field from Name 0/40 to
//          SxHeat2 228/3 at its current offset, FormatVersion 231/S, a
//          lone CR at 235
//   242  version 6.7: the current fields Name 0/40 .. LeagueCode 234/3
//          (6.6 + SxHeat3 231/3  LeagueCode 234/3), FormatVersion 237/S,
//          a lone CR at 241
//   243  version 7.1 (current): 6.7 with CR LF at 241
//
// Every field keeps the name and width it has in the current record (only
// the name was narrower), so fields move across by name. Fields a layout
// lacks keep a new record's values: blank texts, points -1 (none),
// ParaFactor 1, other singles 0.
//
// The 32-character layouts (6.0 and the unversioned ones before it) are
// first widened record by record into "RE_WRITE_FILE.DAT" in the race
// folder, eight blanks after the name, and converted from there; that file
// is deleted afterwards, also when the conversion fails.
//
// Records without a version stored 0 for "no points": their per-discipline
// points of 0 become -1.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/operator.h"
#include "racefile/racer_record.h"
#include "util/status.h"

namespace skitally {

constexpr const char* kRewriteFileName = "RE_WRITE_FILE.DAT";

// One field of an old layout. "FormatVersion" and "RecordEnd" describe the
// record's trailer and are not moved; every other name is a current field.
struct OldRacerField {
    const char* name;
    int offset;
    int width;
    FieldType type;
};

struct OldRacerLayout {
    int length;
    float version;  // 0: the layout has no version field
    int nameWidth;  // 32 or 40
    std::span<const OldRacerField> fields;
};

// The seven layouts, shortest first.
std::span<const OldRacerLayout> OldRacerLayouts();
// nullptr when no old layout has that record length.
const OldRacerLayout* FindOldLayout(int length);

// Which old layout the racer file is in, by its record length; nullopt for
// a missing or empty file, a current file (record 1, read as 243 bytes,
// ends in CR LF) and a file of no known layout. The layouts are tried in a
// fixed order and the first that fits wins:
//   1. 242 (6.7), 236 (6.6), 179 (6.0): the length divides the file length
//      and record 1 holds the layout's version at its version offset;
//   2. 165, 157, 149, 138 (no version), the newest first: the length
//      divides the file length and the name of every record holds no
//      control characters (a wrong length puts numbers into the names).
std::optional<int> DetectOldLayout(const std::string& racerFilePath);

// One record of `fields` (`bytes` holds the whole record) as a current
// racer with version 7.1 and CR LF; `version` 0 turns points of 0 into -1.
RacerRecord DecodeOldRacer(std::span<const OldRacerField> fields, float version, std::string_view bytes);

// Every record of the old file as current racers, deleted slots included
// (their name still reads "DELETED RECORD"). `workFolder` is where
// RE_WRITE_FILE.DAT is made for the 32-character layouts. The old file is
// only read. Progress shows `progressCaption` with one step per record.
Status ReadOldRacerFile(const std::string& oldPath, const std::string& workFolder,
                        std::vector<RacerRecord>& racers, Operator* progress,
                        const std::string& progressCaption);

// The bytes of the current racer file converted from the old one at
// `oldPath`, for a caller that writes them with other files at once;
// ReadOldRacerFile's rules and failures.
Status ConvertedRacerFile(const std::string& oldPath, const std::string& workFolder, std::string& bytes,
                          Operator* progress, const std::string& progressCaption);

// Converts the old racer file at `oldPath` into a current racer file at
// `newPath` (written through a temporary file and renamed into place);
// RE_WRITE_FILE.DAT goes into the folder of `newPath`. Fails, changing
// nothing, when the old file is of no known layout or is `newPath` itself.
Status ConvertOldRacerFile(const std::string& oldPath, const std::string& newPath, Operator* progress,
                           const std::string& progressCaption);

}  // namespace skitally
