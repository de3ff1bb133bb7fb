#include "racefile/racer_names.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(RacerNames, CapitalsAfterBlanksAndHyphensTildesInsideAPartAndTheCutInCharacters)
{
    EXPECT_EQ(FirstNameForm("jean-pierre"), "Jean-Pierre");
    EXPECT_EQ(FirstNameForm("  MARY   ann "), "Mary Ann");
    EXPECT_EQ(FirstNameForm("éloïse"), "Éloïse");
    EXPECT_EQ(LastNameForm(" côté  "), "CÔTÉ");
    EXPECT_EQ(LastNameForm("o'neil"), "O'NEIL");

    // Blanks inside a part are kept as "~"; names are cut to the field in characters.
    const std::string stored = StoredName("van  dyke", "mary ann");
    EXPECT_EQ(stored, "VAN~DYKE Mary~Ann");
    const RacerName split = SplitStoredName(stored);
    EXPECT_EQ(split.last, "VAN DYKE");
    EXPECT_EQ(split.first, "Mary Ann");
    EXPECT_EQ(StoredName(split.last, split.first), stored);
    EXPECT_EQ(StoredName("VAN~DYKE", "Mary~Ann"), stored);
    EXPECT_EQ(DisplayName(stored), "VAN DYKE Mary Ann");
    EXPECT_EQ(StoredName("PELE", ""), "PELE");
    EXPECT_EQ(SplitStoredName("PELE").first, "");

    std::string accented;
    for (int i = 0; i < 36; ++i)
        accented += "É";
    EXPECT_EQ(StoredName(accented, "jean"), accented + " Jea");  // 40 characters, 76 bytes
    // A cut that ends at the blank leaves no trailing blank.
    EXPECT_EQ(StoredName(std::string(40, 'A'), "Bo"), std::string(40, 'A'));
}

TEST(RacerNames, ComparisonAndArguments)
{
    EXPECT_TRUE(SameName(" VAN~DYKE Mary~Ann ", "van~dyke mary~ann"));
    EXPECT_TRUE(SameName("CÔTÉ Éva", "côté éva"));
    EXPECT_FALSE(SameName("VAN~DYKE Mary", "VAN DYKE Mary"));
    RacerName name;
    EXPECT_TRUE(ParseNameArgument("Van Dyke, mary ann", name));
    EXPECT_EQ(name.last, "Van Dyke");
    EXPECT_EQ(name.first, "mary ann");
    EXPECT_FALSE(ParseNameArgument("SMITH", name));
    EXPECT_FALSE(ParseNameArgument(",Jane", name));
}

}  // namespace
}  // namespace skitally
