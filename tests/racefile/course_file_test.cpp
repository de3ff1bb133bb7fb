#include "racefile/course_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace skitally {
namespace {

std::string Pad(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

class CourseFileTest : public ::testing::Test {
protected:
    const CourseLabels labels{"COURSE SETTER", "FORERUNNERS", "NO. OF GATES", "START TIME"};
    test::TempDir dir;
    std::string path = dir.File("RACE.FOR");
};

TEST_F(CourseFileTest, RecordsCarryLabelsAndBothRunsAndReadBack)
{
    CourseData course;
    course.runs[0].courseSetter = "J. SMITH (CAN)";
    course.runs[1].forerunners[0] = "C - GAGNÉ";
    course.runs[0].forerunners[5] = "F - LAST";
    course.runs[0].gates = "45";
    course.runs[0].turns = "43";
    course.runs[1].gates = "47";
    course.runs[1].turns = "44";
    course.runs[1].startTime = "12:45";
    ASSERT_TRUE(WriteCourseFile(path, course, false, labels));

    const std::string bytes = test::ReadFile(path);
    ASSERT_EQ(bytes.size(), 9u * 61u);
    EXPECT_EQ(bytes.substr(7 * 61, 61), "NO. OF GATES:        45/43                47/44              ");
    EXPECT_EQ(bytes.substr(61, 53), Pad("FORERUNNERS:", 42) + "C - GAGN\xC9  ");
    EXPECT_EQ(bytes.substr(2 * 61, 21), Pad("", 21));  // further forerunners carry no label

    CourseData back;
    ASSERT_TRUE(ReadCourseFile(path, back));
    EXPECT_EQ(back.runs[0].courseSetter, "J. SMITH (CAN)");
    EXPECT_EQ(back.runs[1].forerunners[0], "C - GAGNÉ");
    EXPECT_EQ(back.runs[0].forerunners[5], "F - LAST");
    EXPECT_EQ(back.runs[0].turns, "43");
    EXPECT_EQ(back.runs[1].gates, "47");
    EXPECT_EQ(back.runs[1].startTime, "12:45");
}

TEST_F(CourseFileTest, SkiCrossWritesTheGatesAloneAndLabelsAreIgnored)
{
    CourseData course;
    course.runs[0].gates = "45";
    course.runs[0].turns = "43";
    ASSERT_TRUE(WriteCourseFile(path, course, true, labels));
    EXPECT_EQ(test::ReadFile(path).substr(7 * 61, 61), Pad("NO. OF GATES:", 21) + Pad("45", 40));

    test::WriteFile(path, Pad("TRACEUR :", 21) + Pad("  M. DUBOIS", 40));
    ASSERT_TRUE(ReadCourseFile(path, course));
    EXPECT_EQ(course.runs[0].courseSetter, "  M. DUBOIS");
    EXPECT_EQ(course.runs[0].gates, "");
}

}  // namespace
}  // namespace skitally
