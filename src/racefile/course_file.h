#pragma once
// The course setter and forerunner file (".FOR"), 61-byte records:
//
//   columns  1-19  label
//           20-21  blanks
//           22-40  run-1 value
//           41-42  blanks
//           43-61  run-2 value
//
//   record 1 course setter, 2-7 forerunners 1 to 6, 8 number of gates
//   ("gates/turns" except in ski cross), 9 start time.
//
// The labels are written in the operator's language, each followed by ":";
// reading ignores them.

#include <array>
#include <string>
#include <vector>

#include "util/status.h"

namespace skitally {

constexpr int kCourseRecordLength = 61;
constexpr int kForerunnerCount = 6;

struct RunCourse {
    std::string courseSetter;
    std::array<std::string, kForerunnerCount> forerunners;
    std::string gates;
    std::string turns;  // turning gates; not used in ski cross
    std::string startTime;
};

struct CourseData {
    std::array<RunCourse, 2> runs;  // run 1, run 2
};

// The labels of records 1, 2, 8 and 9, without their ":".
struct CourseLabels {
    std::string courseSetter;
    std::string forerunners;
    std::string gates;
    std::string startTime;
};

// "gates/turns", or the gates alone in ski cross; blank when both are.
std::string GatesText(const RunCourse& run, bool skiCross);

// A value "n/t" reads as gates n and turns t; without "/" all is gates.
Status ReadCourseFile(const std::string& path, CourseData& course);
Status WriteCourseFile(const std::string& path, const CourseData& course, bool skiCross,
                       const CourseLabels& labels);

// Blanks both runs' forerunners in the raw records of a course file;
// labels, course setters, gates and start times keep their bytes.
void BlankForerunners(std::vector<std::string>& records);

}  // namespace skitally
