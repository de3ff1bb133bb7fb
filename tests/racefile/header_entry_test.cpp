#include "racefile/header_entry.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Keeps a copy of every form as it was shown.
class FormRecorder : public ScriptedOperator {
  public:
    using ScriptedOperator::ScriptedOperator;
    bool EditForm(FieldForm& form) override
    {
        forms.push_back(form);
        return ScriptedOperator::EditForm(form);
    }
    std::vector<FieldForm> forms;
};

// One 65-byte header record.
std::string Padded(const std::string& text, std::size_t width = 65)
{
    return test::Pad(text, width);
}

class HeaderEntryTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ScriptedOperator opening({"N", "No"});
        ASSERT_TRUE(OpenRace(ctx, opening, dir.File("SL1"), true));
    }
    bool Enter(const std::vector<std::string>& args, std::vector<std::string> answers = {})
    {
        op = std::make_unique<FormRecorder>(std::move(answers));
        return HeaderEntry(ctx, *op, args);
    }
    std::string Hdr() const { return test::ReadFile(dir.File("SL1.HDR")); }
    std::string Record(int n) const { return Hdr().substr((n - 1) * 65, 65); }
    RacerRecord Racer(int n)
    {
        RacerFile file;
        EXPECT_TRUE(file.Open(dir.File("SL1.RCR"), RacerFileMode::Read));
        return file.ReadRacer(n).value_or(RacerRecord());
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    std::unique_ptr<FormRecorder> op;
};

TEST_F(HeaderEntryTest, TheScreenWritesEveryRecordOfTheHeader)
{
    ASSERT_TRUE(Enter({}, {"BANFF CUP", "SLALOM", "", "", "", "06-12-2026/BANFF - NORQUAY", "gs", "f",
                           "TIMING BY KRONEX", "", "", ""}))
        << op->transcript();
    ASSERT_EQ(Hdr().size(), 650u);
    EXPECT_EQ(Record(1), Padded("BANFF CUP"));
    EXPECT_EQ(Record(2), Padded("SLALOM"));
    EXPECT_EQ(Record(6), "XXX" + Padded("06-12-2026/BANFF - NORQUAY", 43) + " GFNAT0000.00 0 00 ");
    EXPECT_EQ(Record(7), Padded("TIMING BY KRONEX"));
    EXPECT_EQ(Record(10), Padded(""));
    EXPECT_NE(op->transcript().find("-- Writing File\n"), std::string::npos);
    EXPECT_EQ(ctx.race.header.values.discipline, "G");
    EXPECT_EQ(ctx.race.weather.fValue, 1010);

    // Shown back from the file, the discipline's name beside its code.
    const std::string hdr = Hdr();
    ASSERT_TRUE(Enter({}, std::vector<std::string>(12, "")));
    const FieldForm& form = op->forms.at(0);
    std::vector<std::string> keys;
    for (const FormField& field : form.fields)
        keys.push_back(field.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"title1", "title2", "title3", "title4", "title5", "date", "discipline",
                                              "gender", "footer1", "footer2", "footer3", "level"}));
    EXPECT_EQ(form.fields[0].caption, "REPORT TITLE LINE 1");
    EXPECT_EQ(form.fields[6].value, "G");
    EXPECT_EQ(form.fields[6].help, "GIANT SLALOM");
    EXPECT_EQ(form.fields[11].value, "NAT");
    EXPECT_EQ(Hdr(), hdr);
}

TEST_F(HeaderEntryTest, RefusedValuesLeaveTheFileAsItWas)
{
    ASSERT_TRUE(Enter({"discipline=S", "gender=M", "title1=BANFF CUP"}));
    const std::string before = Hdr();

    // On the screen: the message, then the form again with the typed values.
    std::vector<std::string> answers(12, "");
    answers[0] = "JASPER CUP";
    answers[6] = "XX";
    answers.push_back(ScriptedOperator::kCancel);
    EXPECT_FALSE(Enter({}, answers));
    EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{"VALID RACE TYPES: S, G, D, SG, AC, SC, SX, KK"}));
    EXPECT_EQ(op->messages()[0].title, "Error Message");
    ASSERT_EQ(op->forms.size(), 2u);
    EXPECT_EQ(op->forms[1].fields[0].value, "JASPER CUP");
    EXPECT_EQ(op->forms[1].fields[6].value, "XX");
    EXPECT_EQ(Hdr(), before);

    // From arguments: the message, and the entry fails.
    for (const auto& [args, text] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"discipline=XX", "title1=JASPER CUP"}, "VALID RACE TYPES: S, G, D, SG, AC, SC, SX, KK"},
             {{"level=ABC"}, "VALID RACE LEVELS: FIS, NAT, SRS, LGR"},
             {{"discipline=KK", "level=FIS"}, "Kinder Kombi (KK) not valid for a FIS Race"},
             {{"gender=X"}, "VALID GENDER: M=MEN, F=FEMALE"},
             {{"title1=JASPER CUP", "colour=RED"}, "colour is not a field of this screen"},
             {{"gender"}, "gender is not a field of this screen"}}) {
        EXPECT_FALSE(Enter(args)) << text;
        EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{text}));
        EXPECT_EQ(Hdr(), before) << text;
    }
    ASSERT_TRUE(Enter({"discipline=kk", "gender=f", "level=srs"}));
    EXPECT_EQ(Record(6).substr(46, 6), "KKFSRS");
}

TEST_F(HeaderEntryTest, BothGendersOnlyWithoutCodexOrWithARecreationalOne)
{
    ASSERT_TRUE(Enter({"discipline=S", "gender=b"}));
    EXPECT_EQ(Record(6).substr(46, 3), " SB");

    ctx.race.jury.technical[kCodexNumber].run1 = "CAN1234.TD5";
    const std::string before = Hdr();
    EXPECT_FALSE(Enter({"gender=B", "title1=CHANGED"}));
    EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{"VALID GENDER: M=MEN, F=FEMALE"}));
    EXPECT_EQ(Hdr(), before);

    ctx.race.jury.technical[kCodexNumber].run1 = "REC0042";
    EXPECT_TRUE(Enter({"gender=B", "title1=CHANGED"}));
}

TEST_F(HeaderEntryTest, SeriesValuesAndTheSkiCrossLineAreKept)
{
    HeaderFile header;
    header.values = {"06-12-2026/BANFF", "G", "F", "SRS", "", "2", "05"};
    header.skiCrossLine = "LADDER 16";
    ASSERT_TRUE(WriteHeaderFile(dir.File("SL1.HDR"), header));
    ASSERT_TRUE(ReadHeader(ctx));

    ASSERT_TRUE(Enter({"title2=DAY 2", "Date=07-12-2026/BANFF"}));
    EXPECT_EQ(Record(2), Padded("DAY 2"));
    EXPECT_EQ(Record(6), "XXX" + Padded("07-12-2026/BANFF", 43) + " GFSRS0000.00 2 05 ");
    EXPECT_EQ(Record(10), Padded("LADDER 16"));
}

TEST_F(HeaderEntryTest, ANewDisciplineRefillsTheRacersRecordByRecord)
{
    ASSERT_TRUE(Enter({"discipline=S", "gender=F"}));
    RacerRecord anne, gone, ben;
    anne.name = "ROY, ANNE";
    anne.card = anne.alpineCard = "1111111";
    anne.sxCard = "5555555";
    anne.seedPoints = "012.50";
    anne.pointsSL = 12.5f;
    anne.pointsGS = 34.25f;
    anne.pointsSX = 80.0f;
    gone.name = "DELETED RECORD";
    ben.name = "LEE, BEN";
    ben.card = "2222222"; // no family cards: kept while the family stays
    ben.pointsSL = 45.0f;
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(dir.File("SL1.RCR")));
        for (const RacerRecord& racer : {anne, gone, ben})
            ASSERT_TRUE(file.AppendRacer(racer));
    }
    const std::string deleted = test::ReadFile(dir.File("SL1.RCR")).substr(243, 243);

    ASSERT_TRUE(Enter({"discipline=GS"}, {"Yes"})) << op->transcript();
    EXPECT_EQ(test::Texts(*op)[1], "Is this what is required");
    EXPECT_EQ(Trim(Racer(1).seedPoints), "034.25");
    EXPECT_EQ(Racer(1).card, "1111111");
    EXPECT_EQ(Trim(Racer(3).seedPoints), "");
    EXPECT_EQ(Racer(3).card, "2222222");
    EXPECT_EQ(test::ReadFile(dir.File("SL1.RCR")).substr(243, 243), deleted);
    EXPECT_EQ(Record(6).substr(46, 2), " G");

    ASSERT_TRUE(Enter({"discipline=SX"}, {"Yes"}));
    EXPECT_EQ(Trim(Racer(1).seedPoints), "080.00");
    EXPECT_EQ(Racer(1).card, "5555555");
    EXPECT_EQ(Racer(3).card, "0000000");

    // Not confirmed: neither the racers nor the header change.
    const std::string racers = test::ReadFile(dir.File("SL1.RCR"));
    const std::string hdr = Hdr();
    EXPECT_FALSE(Enter({"discipline=D"}, {"No"}));
    EXPECT_EQ(test::ReadFile(dir.File("SL1.RCR")), racers);
    EXPECT_EQ(Hdr(), hdr);
}

TEST_F(HeaderEntryTest, ADownhillAsksHowManyRunsOnceWhenEntered)
{
    ASSERT_TRUE(Enter({"discipline=DH", "gender=M", "date=06-12-2026/LAKE LOUISE"}, {"2 Runs"})) << op->transcript();
    EXPECT_EQ(test::Texts(*op), (std::vector<std::string>{"This Race Type is normally a 1 Run Race",
                                                 "Indicate the Number of Runs this Race Should have"}));
    EXPECT_EQ(ctx.race.flags.state8, "2");
    // Entering the header again with the same discipline asks nothing.
    ASSERT_TRUE(Enter({"title1=LAKE LOUISE DOWNHILL"}));
    EXPECT_TRUE(test::Texts(*op).empty());
}

}  // namespace
}  // namespace skitally
