#pragma once
// The Kronex result file: a header line (gender, discipline, run in fixed
// columns) and one comma-separated line per racer. Pure: bytes in, header
// and racer lines out, each line with the problem that makes it unusable.
// What the lines mean for the race is the load's business.

#include <string>
#include <string_view>
#include <vector>

namespace skitally {

// The timer writes fixed 80-byte lines including CR LF; the count of lines
// the progress shows is the file length divided by this.
inline constexpr std::size_t kKronexLineLength = 80;

enum class KronexProblem {
    None,
    TooFewFields, // no bib, run-1 time and run-1 status
    NotText,      // control bytes: not a text file
    BadBib,       // not 1-3 digits
    BadTime,      // not a plain number of seconds
    BadStatus,    // not blank nor a run status code
    FieldTooWide, // wider than its column
    CutShort,     // the last line has no line end: the file was cut
};

struct KronexHeader {
    bool found = false;
    int line = 0;           // 1-based line number in the file
    std::string gender;     // column 1, trimmed
    std::string discipline; // columns 2-3, trimmed
    char run = ' ';         // column 4
    bool notText = false;
};

// One run of a racer line, trimmed: time (seconds as text), status, flag.
struct KronexRun {
    std::string time, status, flag;
    bool Blank() const { return time.empty() && status.empty() && flag.empty(); }
};

struct KronexLine {
    int line = 0;
    // Field 2 exactly 3 characters long is the bib: the file has no date
    // field and every later field comes one place earlier.
    bool undated = false;
    std::string date; // field 2 when it reads "MM-DD-YYYY", else empty
    std::string bib;  // trimmed
    KronexRun runs[2];
    KronexProblem problem = KronexProblem::None;
};

struct KronexFile {
    KronexHeader header;
    std::vector<KronexLine> lines;
    int progressLines = 0;
};

// Lines end with LF, CR LF or CR; lines shorter than 4 characters are no
// lines at all (a trailing end-of-file mark among them).
KronexFile ReadKronexFile(std::string_view bytes);

// A time field as seconds; the field must have passed the reader.
double KronexSeconds(const std::string& time);

} // namespace skitally
