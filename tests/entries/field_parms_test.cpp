#include "entries/field_parms.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

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

// What a field keeps of the keys typed into it, and what it refuses.
TEST(FieldParms, TypingIsFilteredByTheFormat)
{
    const auto rows = test::DataRows("entries/typing.txt");
    for (const std::vector<std::string>& c : rows) {
        SCOPED_TRACE(c[1] + " <- " + c[2]);
        const FilteredText typed = ApplyTyping(Parms(c[0], c[1], static_cast<int>(c[1].size())), c[2]);
        EXPECT_EQ(typed.text, c[3]);
        EXPECT_EQ(typed.refused, c[4]);
    }
    EXPECT_EQ(rows.size(), 18u);
    EXPECT_EQ(ApplyTyping(Parms("D", "###.##", 6), "1-2a.5.0").refusedKeys, 3);
    EXPECT_EQ(ApplyTyping(Parms("A", "XXXX", 4), "ABCDÉ").refusedKeys, 1);
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
