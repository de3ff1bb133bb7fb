#include "key_filter.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace skitally {
namespace {

TEST(KeyFilter, RefusesKeysTheFieldDoesNotTake)
{
    QLineEdit edit;
    // Digits only, and at most three of them.
    auto* filter = new KeyFilter(&edit, [](const std::string& current, char key) {
        return key >= '0' && key <= '9' && current.size() < 3;
    }, false);
    QTest::keyClicks(&edit, "1a2b34");
    EXPECT_EQ(edit.text(), "123");
    EXPECT_EQ(filter->refusedKeys(), 3);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "12");
}

TEST(KeyFilter, F8SwitchesATimeBetweenSecondsAndMinutes)
{
    QLineEdit edit("75.32");
    new KeyFilter(&edit, nullptr, true);
    QTest::keyClick(&edit, Qt::Key_F8);
    EXPECT_EQ(edit.text(), "1:15.32");
    QTest::keyClick(&edit, Qt::Key_F8);
    EXPECT_EQ(edit.text(), "75.32");
}

}  // namespace
}  // namespace skitally
