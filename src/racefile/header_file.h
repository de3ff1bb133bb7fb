#pragma once
// The race header file (".HDR"): five title lines, the race parameter line,
// three footer lines and the ski-cross line, one 65-byte record each.
//
// Also the record access the four header files (HDR, JRY, FOR, WTH) share:
// whole records of Windows-1252 text, read at once and rewritten whole.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/race_data.h"
#include "util/status.h"

namespace skitally {

constexpr int kHeaderRecordLength = 65;
constexpr int kHeaderRecordCount = 10;

// Record 6, exactly 65 bytes of Windows-1252 text.
std::string ComposeParameterLine(const RaceHeaderValues& values);
// Reads record 6 (bytes as on disk); blank level, value, series type and
// province read as "NAT", "1000.00", "0" and "00".
RaceHeaderValues ParseParameterLine(std::string_view line);

// Only the records present are read: a file of fewer than 6 records leaves
// every parameter blank (the stage check then refuses it), one of 6 has
// empty footers. A missing file fails.
Status ReadHeaderFile(const std::string& path, HeaderFile& header);
// Always writes the ten records.
Status WriteHeaderFile(const std::string& path, const HeaderFile& header);
// The bytes WriteHeaderFile writes, for a change of several files at once.
std::string HeaderFileBytes(const HeaderFile& header);

// Text id of the discipline's name shown beside the code on the header
// screen (" S" or "S" alike); 0 for an unknown code.
int DisciplineNameId(std::string_view code);

// --- Record access shared by the header files -------------------------

// The file's whole records as raw bytes; a trailing partial record is
// ignored. A missing or unreadable file fails.
Status ReadFixedRecords(const std::string& path, int length, std::vector<std::string>& records);
// Replaces the file by `records` (each padded or cut to `length`) through
// the write layer, so a failed write never leaves a half-written file.
Status WriteFixedRecords(const std::string& path, int length, const std::vector<std::string>& records);
// The bytes WriteFixedRecords writes.
std::string FixedRecordBytes(int length, const std::vector<std::string>& records);

// UTF-8 text as Windows-1252 bytes cut or blank-padded to `width`.
std::string FitColumn(std::string_view utf8, int width);
// Bytes column .. column + width - 1 (columns from 1) of a record as
// UTF-8; what lies past the end of the record is left out.
std::string ColumnText(std::string_view record, int column, int width);
std::string TrimRight(std::string_view text);

}  // namespace skitally
