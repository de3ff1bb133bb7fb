#pragma once
// The text form of a racer: 45 strings, field k at index k, as the entry
// forms and list builders hold it. Numbers live here as fixed-format texts
// and become singles only when the record is written.
//
// Text fields travel unchanged, padding included, so a record taken to text
// and back is the same record; forms trim where they show or compare.
// Singles are written as:
//   points (PointsDH..PointsKK)        "SSS.DD", blank (7 spaces) for none (-1);
//                                      in a record of version 0 a 0 is none too
//   Time1/2, RawTime1/2, TotalTime,
//   CsvTotal, BestOf                   "SSS.DD" ("000.00" = no time)
//   RacePoints                         "0000.00"
//   ParaFactor                         seven decimals ("1.0000000"), as factors
//                                      are held when times are factored
//   Position                           whole number ("0" = none)
// A value too large for its digits keeps all the digits it needs.

#include <array>
#include <string>
#include <string_view>

#include "racefile/racer_record.h"

namespace skitally {

using RacerText = std::array<std::string, kRacerFieldCount>;

RacerText RecordToText(const RacerRecord& racer);

// Reads every single with the ordinary decimal reading; a blank points text
// is -1. Sets the format version to 7.1 and the record end to CR LF.
RacerRecord TextToRecord(const RacerText& text);

// True for the seven per-discipline points fields.
bool IsPointsField(int field);

// A points single as the forms show it ("045.20", or 7 blanks for none).
std::string PointsText(float points, float formatVersion = kRacerFormatVersion);

// The ordinary decimal reading: blanks and tabs before the number are
// skipped, then an optional sign, digits, an optional decimal point with
// digits and an optional exponent; whatever follows is ignored. A text that
// does not start with a number reads 0 ("12.5 s" is 12.5, "DNF" is 0).
double ReadNumber(std::string_view text);
// The same reading, rounded once, straight to a single.
float ReadSingle(std::string_view text);

}  // namespace skitally
