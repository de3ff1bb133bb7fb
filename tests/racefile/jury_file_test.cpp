#include "racefile/jury_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace skitally {
namespace {

std::string Pad(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

class JuryFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.File("RACE.JRY");
};

TEST_F(JuryFileTest, WrittenFileHoldsFixedColumnsAndReadsBack)
{
    JuryData jury;
    jury.jury[kTechnicalDelegate] = "JOHN SMITH - CAN";
    jury.jury[kChiefOfRace] = "PAUL GAGNÉ";
    jury.technical[kCourseName] = {"LE RELAIS", "GRAND PRIX"};
    jury.technical[kCodexNumber] = {"CAN1234.TD5", ""};
    ASSERT_TRUE(WriteJuryFile(path, jury));

    const std::string bytes = test::ReadFile(path);
    ASSERT_EQ(bytes.size(), 750u);
    EXPECT_EQ(bytes.substr(0, 75), "CAN                  JOHN SMITH           LE RELAIS        GRAND PRIX      ");
    EXPECT_EQ(bytes.substr(2 * 75, 32), Pad("", 21) + "PAUL GAGN\xC9 ");
    EXPECT_EQ(bytes.substr(6 * 75 + 42, 11), "CAN1234.TD5");  // record 7, column E

    JuryData back;
    ASSERT_TRUE(ReadJuryFile(path, back));
    EXPECT_EQ(back.jury[kTechnicalDelegate], "JOHN SMITH - CAN");
    EXPECT_EQ(back.jury[kChiefOfRace], "PAUL GAGNÉ");
    EXPECT_EQ(back.technical[kCourseName].run2, "GRAND PRIX");
    EXPECT_EQ(back.Codex(), "CAN1234.TD5");
}

TEST_F(JuryFileTest, HandWrittenColumnsRebuildTheEntry)
{
    test::WriteFile(path, Pad(Pad("SUI", 21) + Pad("  DUPONT", 21) + Pad("  LA PISTE", 17) + "450 m", 75) +
                              Pad("ITA", 75) + Pad(Pad("", 21) + std::string(30, 'X'), 75));
    JuryData jury;
    ASSERT_TRUE(ReadJuryFile(path, jury));
    EXPECT_EQ(jury.jury[0], "DUPONT - SUI");
    EXPECT_EQ(jury.jury[1], " - ITA");
    EXPECT_EQ(jury.jury[2], std::string(19, 'X'));  // column C only
    EXPECT_EQ(jury.technical[0].run1, "  LA PISTE");  // only the right side is trimmed
    EXPECT_EQ(jury.technical[0].run2, "450 m");
}

TEST_F(JuryFileTest, OlderLayoutTakesColumnGAsTheOnlyValue)
{
    auto old = [](const std::string& label, const std::string& value) {
        return Pad(Pad("", 21) + Pad("JOHN SMITH", 21) + Pad(label, 17) + value, 75);
    };
    test::WriteFile(path, old("NAME OF COURSE:", "LE RELAIS") + old("START ELEV.:", "850m") +
                              std::string(4 * 75, ' ') + old("CODEX NUMBER:", "NAT0042"));
    JuryData jury;
    ASSERT_TRUE(ReadJuryFile(path, jury));
    EXPECT_EQ(jury.technical[kCourseName].run1, "LE RELAIS");
    EXPECT_EQ(jury.technical[kCourseName].run2, "");
    EXPECT_EQ(jury.technical[kStartElevation].run1, "850m");
    EXPECT_EQ(jury.Codex(), "NAT0042");
}

}  // namespace
}  // namespace skitally
