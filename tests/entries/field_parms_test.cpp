#include "entries/field_parms.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

FieldParms Parms(const std::string& type, const std::string& format, int length)
{
    FieldParms parms;
    EXPECT_TRUE(SetFldParms({type, format, length, "PROMPT"}, parms)) << type << " " << format;
    return parms;
}

TEST(FieldParms, SetUpErrorsNameTheFault)
{
    FieldParms parms;
    EXPECT_EQ(SetFldParms({"D", "####", 4, ""}, parms).error(),
              "SetFldParms Error - Decimal Missing in 'D' cFLD$() Format");
    EXPECT_EQ(SetFldParms({"T", "M:SS", 4, ""}, parms).error(),
              "SetFldParms Error - Decimal Missing in 'T' cFLD$() Format");
    EXPECT_EQ(SetFldParms({"X", "###", 3, ""}, parms).error(), "SetFldParms Error - UnKnown Field Type <X>");
}

TEST(FieldParms, KindsAndDigitsFromTheFormat)
{
    const FieldParms text = Parms("A", "XXXXX", 40);
    EXPECT_EQ(text.kind, 0);
    EXPECT_EQ(text.length, 5);  // the format's length, not the row's
    const FieldParms number = Parms("N", "###.##", 6);
    EXPECT_EQ(number.kind, 3);
    EXPECT_EQ(number.before, 3);
    EXPECT_EQ(number.after, 2);
    EXPECT_EQ(Parms("N", "####", 4).after, 0);
    EXPECT_EQ(Parms("I", "####", 4).kind, 4);
    const FieldParms decimal = Parms("D", "##.#", 4);
    EXPECT_EQ(decimal.kind, 5);
    EXPECT_EQ(decimal.before, 2);
    EXPECT_EQ(decimal.after, 1);
    EXPECT_EQ(Parms("T", "SSS.DD", 6).Code(), 8.0);
    EXPECT_DOUBLE_EQ(Parms("T", "M:SS.DD", 7).Code(), 6.1);
    EXPECT_DOUBLE_EQ(Parms("T", "MM:SS.DD", 8).Code(), 6.2);
    EXPECT_DOUBLE_EQ(Parms("T", "H:MM:SS.DD", 10).Code(), 7.1);
    EXPECT_EQ(FormKindOf(Parms("T", "SSS.DD", 6)), FieldKind::Time);
}

TEST(FieldParms, NumbersTakeDigitsWithinTheirPlaces)
{
    const FieldParms points = Parms("D", "###.##", 6);
    EXPECT_EQ(ApplyTyping(points, "12.345").text, "12.34");
    EXPECT_EQ(ApplyTyping(points, "1234").text, "123");
    EXPECT_EQ(ApplyTyping(points, "-4.5").text, "-4.5");
    const FilteredText typed = ApplyTyping(points, "1-2a.5.0");
    EXPECT_EQ(typed.text, "12.50");
    EXPECT_EQ(typed.refused, "-a.");
    EXPECT_EQ(typed.refusedKeys, 3);

    const FieldParms year = Parms("I", "####", 4);
    EXPECT_EQ(ApplyTyping(year, "20.13").text, "2013");
    EXPECT_EQ(ApplyTyping(year, "201345").refused, "45");
}

TEST(FieldParms, TextFieldsCountCharactersNotBytes)
{
    const FieldParms name = Parms("A", "XXXX", 4);
    EXPECT_EQ(ApplyTyping(name, "Zoë-Ann").text, "Zoë-");
    const FilteredText cut = ApplyTyping(name, "ABCDÉ");
    EXPECT_EQ(cut.text, "ABCD");
    EXPECT_EQ(cut.refused, "É");
    EXPECT_EQ(cut.refusedKeys, 1);
}

TEST(FieldParms, ClockPartsOverFiftyNineAreRefused)
{
    const FieldParms clock = Parms("T", "MM:SS.DD", 8);
    EXPECT_EQ(ApplyTyping(clock, "1:59.99").text, "1:59.99");
    const FilteredText sixty = ApplyTyping(clock, "1:60");
    EXPECT_EQ(sixty.text, "1:6");
    EXPECT_EQ(sixty.refused, "0");
    EXPECT_EQ(ApplyTyping(clock, "75:10").refused, "5");  // minutes
    EXPECT_EQ(ApplyTyping(clock, "1:2:3").refused, ":");  // one colon only
    EXPECT_EQ(ApplyTyping(clock, "1.5:2").refused, ":");  // no colon after the point

    const FieldParms hours = Parms("T", "H:MM:SS.DD", 10);
    EXPECT_EQ(ApplyTyping(hours, "1:75:00").refused, "5");
    EXPECT_EQ(ApplyTyping(hours, "12:00:00.00").text, "1:00:00.00");  // one hour digit
    EXPECT_EQ(ApplyTyping(hours, "1:59:59.99").text, "1:59:59.99");

    const FieldParms seconds = Parms("T", "SSS.DD", 6);
    EXPECT_EQ(ApplyTyping(seconds, "75:32").text, "753");  // no colon, three digits
    EXPECT_EQ(ApplyTyping(seconds, "125.32").text, "125.32");
}

TEST(FieldParms, F8TogglesBetweenSecondsAndClock)
{
    EXPECT_EQ(ToggleTimeFormat("75.32"), "1:15.32");
    EXPECT_EQ(ToggleTimeFormat("1:15.32"), "75.32");
    EXPECT_EQ(ToggleTimeFormat("59.996"), "0:59.996");
    EXPECT_EQ(ToggleTimeFormat("1:02:03.5"), "3723.5");
    EXPECT_EQ(ToggleTimeFormat("45"), "0:45.00");
    EXPECT_EQ(ToggleTimeFormat(" "), "");
}

}  // namespace
}  // namespace skitally
