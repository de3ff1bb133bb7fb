#pragma once
// A race in a temporary folder for the report tests: header, jury, course
// and a generated field of racers, all fixed so that the reports come out
// byte for byte the same every run.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/scripted_operator.h"
#include "draw/draw_field.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"

// Records are built with designated initializers: the fields left out keep
// their defaults, which is all GCC's warning would say about them.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace skitally::test {

struct RaceShape {
    std::string level = "FIS";
    std::string discipline = "S";
    std::string gender = "F";
    std::string codex = "CAN0123.TD7";
    std::string seriesType = "0";
    int racers = 70;
};

class ReportRaceTest : public ::testing::Test {
protected:
    void MakeRace(const RaceShape& shape = {})
    {
        ctx.versionText = "1.2.3";
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "SPRING";
        HeaderFile header;
        header.titles = {"ALPINE CANADA", "SPRING CUP", "", "MONT TREMBLANT, QC", "HOSTED BY CLUB TREMBLANT"};
        header.values = {
            "06-12-2026/MONT TREMBLANT", shape.discipline, shape.gender, shape.level, "", shape.seriesType, "00"};
        header.footers = {"TIMING: ALGE TDC 8001", "RESULTS: SKITALLY", "PROTESTS AT THE RACE OFFICE"};
        ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));

        JuryData jury;  // in slot order; no TD candidate, no assistant referee
        jury.jury = {"MARIE LEBLANC - CAN", "",           "ANDRE ROY - CAN", "PAUL SMITH - USA", "",
                     "LUC GAGNON",         "ANNE CLOUTIER", "JEAN TREMBLAY",   "SUZANNE BERUBE",   "ROBERT PARE"};
        jury.technical = {{{"FLYING MILE", ""}, {"875m", ""}, {"695m", ""}, {"180m", ""}, {"540m", ""},
                           {"12345/11/21", ""}, {shape.codex, ""}}};
        ASSERT_TRUE(WriteJuryFile(ctx.race.File("JRY"), jury));

        CourseData course;
        course.runs[0] = {"PIERRE DION - CAN", {"F1 ALAIN", "F2 BRUNO", "", "", "", ""}, "58", "56", "9:30"};
        course.runs[1] = {"TOM HALL - USA", {"F1 CLAUDE", "", "", "", "", ""}, "57", "55", "12:30"};
        ASSERT_TRUE(WriteCourseFile(ctx.race.File("FOR"), course, false,
                                    {"COURSE SETTER", "FORERUNNERS", "NO. OF GATES", "START TIME"}));

        WriteFile(ctx.race.File("RCR"), "");
        ReadHeader(ctx);
        ctx.race.jury = jury;
        AddRacers(shape.racers);
    }

    // Racer n: a name from fixed lists, card, nation, club, category, birth
    // year and seed points; bibs and start positions in a drawn-looking
    // order; every seventh racer has no points.
    void AddRacers(int count)
    {
        static const char* const surnames[] = {"TREMBLAY", "GAGNON",   "ROY",      "COTE",    "BOUCHARD", "GAUTHIER",
                                               "MORIN",    "LAVOIE",   "FORTIN",   "GAGNE",   "OUELLET",  "PELLETIER",
                                               "BELANGER", "LEVESQUE", "BERGERON", "LEBLANC", "PAQUETTE", "GIRARD"};
        static const char* const names[] = {"Emma",     "Lea",       "Alice", "Chloe",    "Florence", "Rosalie",
                                            "Juliette", "Charlotte", "Zoe",   "Beatrice", "Maika"};
        static const char* const nations[] = {"CAN", "USA", "SUI", "AUT", "FRA", "ITA", "NOR"};
        static const char* const clubs[] = {"MSA", "TREM", "GRAY", "STSAU", "OWL"};
        static const char* const categories[] = {"U16", "U18", "U21"};
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        for (int n = 1; n <= count; ++n) {
            const int start = ((n - 1) * 31) % count + 1;  // 31 is prime to the field sizes used
            char points[16];
            std::snprintf(points, sizeof points, "%06.2f", 12.5 + n * 1.75);
            // clang-format off
            const RacerRecord racer{
                .name = std::string(surnames[(n * 7) % 18]) + (n > 18 ? std::to_string(n / 18) : "") + ", " +
                        names[(n * 5) % 11],
                .card = std::to_string(1100000 + n * 37), .club = clubs[n % 5], .seedPoints = n % 7 ? points : "",
                .bib = NumberField(start + 10), .start1 = NumberField(start), .category = categories[n % 3],
                .birthYear = std::to_string(2005 + n % 6), .nation = nations[(n * 3) % 7], .gender = "F",
                .group = n % 4 == 0 ? "SPECIAL" : "A"};
            // clang-format on
            ASSERT_TRUE(file.AppendRacer(racer));
        }
    }

    void UpdateRacer(int n, const std::function<void(RacerRecord&)>& change)
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        RacerRecord racer = *file.ReadRacer(n);
        change(racer);
        ASSERT_TRUE(file.WriteRacer(n, racer));
    }

    RacerRecord Racer(int n)
    {
        RacerFile file;
        EXPECT_TRUE(file.Open(ctx.race.File("RCR"), RacerFileMode::Read));
        return file.ReadRacer(n).value_or(RacerRecord());
    }

    // The pages of a report file, each with its form feed removed, and the
    // lines of a page, each without its CR LF.
    static std::vector<std::string> Split(const std::string& text, const std::string& end)
    {
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size())
            parts.push_back(text.substr(start, at - start));
        if (start < text.size())
            parts.push_back(text.substr(start));
        return parts;
    }
    static std::vector<std::string> Pages(const std::string& bytes) { return Split(bytes, "\f"); }
    static std::vector<std::string> Lines(const std::string& page) { return Split(page, "\r\n"); }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
};

}  // namespace skitally::test
