#include "times/kronex_load.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

using V = KronexHeaderVerdict;

// The header against the race: gender, then discipline.
TEST(KronexLoad, HeaderChecks)
{
    const struct { const char* gender; const char* discipline; KronexRaceFacts race; V verdict; } cases[] = {
        {"F", "G", {"F", "G", false}, V::Fits},
        {"M", "G", {"F", "G", false}, V::WrongGender},
        {"B", "G", {"F", "G", false}, V::WrongGender},     // both: recreational races only
        {"B", "G", {"F", "G", true}, V::WrongGender},      // ... of both
        {"B", "G", {"B", "G", true}, V::Fits},
        {"M", "G", {"B", "G", true}, V::Fits},
        {"F", "G", {"M", "G", true}, V::WrongGender},
        {"W", "G", {"F", "G", false}, V::WrongGender},
        {"", "G", {"F", "G", false}, V::WrongGender},
        {"M", "SC", {"M", "AC", false}, V::Fits},          // the combined codes stand for each other
        {"M", "AC", {"M", "SC", false}, V::Fits},
        {"M", "S", {"M", "G", false}, V::WrongDiscipline},  // technical: another discipline is a wrong file
        {"M", "SG", {"M", "D", false}, V::AskDiscipline},  // speed: asked
        {"M", "D", {"M", "SG", false}, V::AskDiscipline},
        {"M", "GS", {"M", "G", false}, V::WrongDiscipline},  // not one of the eight codes
        {"M", "", {"M", "D", false}, V::WrongDiscipline},
        {"M", "KK", {"M", "KK", false}, V::Fits},
    };
    for (const auto& c : cases) {
        KronexHeader header;
        header.found = true;
        header.gender = c.gender;
        header.discipline = c.discipline;
        EXPECT_EQ(CheckKronexHeader(header, c.race), c.verdict)
            << c.gender << c.discipline << " into " << c.race.gender << c.race.discipline;
    }
}

}  // namespace
}  // namespace skitally
