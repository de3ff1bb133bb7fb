#include "racefile/course_file.h"

#include <vector>

#include "racefile/header_file.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kLabelWidth = 19;
constexpr int kValueWidth = 19;
constexpr int kRun1Column = 22;
constexpr int kRun2Column = 43;

constexpr int kRecordCount = 9;
constexpr int kGatesRecord = 8;  // 1-based

// The value of record n (1-based) of one run, const or not.
template <class Run>
auto& ValueOf(Run& run, int n)
{
    if (n == 1)
        return run.courseSetter;
    if (n <= 1 + kForerunnerCount)
        return run.forerunners[n - 2];
    return run.startTime;  // n == 9; record 8 is handled apart
}

void SplitGates(const std::string& text, RunCourse& run)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        run.gates = Trim(text);
        run.turns.clear();
        return;
    }
    run.gates = Trim(text.substr(0, slash));
    run.turns = Trim(text.substr(slash + 1));
}

}  // namespace

std::string GatesText(const RunCourse& run, bool skiCross)
{
    const std::string gates = Trim(run.gates);
    const std::string turns = Trim(run.turns);
    if (skiCross || (gates.empty() && turns.empty()))
        return gates;
    return gates + "/" + turns;
}

Status ReadCourseFile(const std::string& path, CourseData& course)
{
    std::vector<std::string> records;
    if (Status read = ReadFixedRecords(path, kCourseRecordLength, records); !read)
        return read;
    course = CourseData();
    for (int n = 1; n <= kRecordCount && n <= static_cast<int>(records.size()); ++n) {
        const std::string& record = records[n - 1];
        const int columns[2] = {kRun1Column, kRun2Column};
        for (int r = 0; r < 2; ++r) {
            const std::string value = TrimRight(ColumnText(record, columns[r], kValueWidth));
            if (n == kGatesRecord)
                SplitGates(value, course.runs[r]);
            else
                ValueOf(course.runs[r], n) = value;
        }
    }
    return Status::Ok();
}

Status WriteCourseFile(const std::string& path, const CourseData& course, bool skiCross,
                       const CourseLabels& labels)
{
    // Forerunners after the first are unlabelled.
    const std::string label[kRecordCount] = {labels.courseSetter + ":", labels.forerunners + ":", "", "", "", "", "",
                                             labels.gates + ":", labels.startTime + ":"};
    std::vector<std::string> records;
    for (int n = 1; n <= kRecordCount; ++n) {
        std::string values[2];
        for (int r = 0; r < 2; ++r)
            values[r] = n == kGatesRecord ? GatesText(course.runs[r], skiCross) : ValueOf(course.runs[r], n);
        records.push_back(FitColumn(label[n - 1], kLabelWidth) + "  " + FitColumn(values[0], kValueWidth) + "  " +
                          FitColumn(values[1], kValueWidth));
    }
    return WriteFixedRecords(path, kCourseRecordLength, records);
}

void BlankForerunners(std::vector<std::string>& records)
{
    const std::size_t valuesFrom = kRun1Column - 1;
    for (std::size_t n = 1; n <= kForerunnerCount && n < records.size(); ++n)
        if (records[n].size() > valuesFrom)
            records[n].replace(valuesFrom, std::string::npos, records[n].size() - valuesFrom, ' ');
}

}  // namespace skitally
