#pragma once
// A CSV time file: any comma-separated file whose columns the operator
// names (bib, time, status; time and status may share one column). Pure:
// bytes in, one outcome per line out.

#include <string>
#include <string_view>
#include <vector>

namespace skitally {

struct CsvColumns {
    int bib = 0, time = 0, status = 0; // field numbers from 1
};

enum class CsvOutcome {
    Times,       // bib, and a time or a status
    Blank,       // nothing on the line: passed over silently
    FieldBeyond, // a column asked for that the line does not have
    NotText,     // control bytes: not a text file
    BibNotNumeric,
    NoTimeOrStatus,
};

struct CsvTimeLine {
    int line = 0; // 1-based
    CsvOutcome outcome = CsvOutcome::Blank;
    std::string bib;    // trimmed
    double seconds = 0; // 0: no time
    std::string status; // "" or a run status code
};

// Fields are split at commas; a field in double quotes may hold commas
// ("" is a quote). Times are seconds, "M:SS.DD" or "H:MM:SS.DD". A status
// text that is no run status code (a timer's "OK", say) is no status: the
// time stands, and a line with neither is refused, not guessed at.
std::vector<CsvTimeLine> ReadCsvTimes(std::string_view bytes, const CsvColumns& columns);

} // namespace skitally
