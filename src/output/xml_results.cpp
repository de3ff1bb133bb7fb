#include "output/xml_results.h"

#include <algorithm>
#include <array>

#include "output/xml_text.h"
#include "racefile/jury_file.h"
#include "util/tokens.h"

namespace skitally {

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + EscapeXmlText(text) + "\"";
}

// A number written back without leading zeros; "" when it is none.
std::string Plain(std::string_view text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > 9 ||
        !std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return std::to_string(std::stoi(trimmed));
}

// Elevations and lengths carry the unit sign on the jury screen; the file
// wants the number alone.
std::string WithoutUnit(const std::string& value)
{
    std::string text = Trim(value);
    while (!text.empty() && (text.back() == 'm' || text.back() == '\'' || text.back() == ' '))
        text.pop_back();
    return text;
}

class XmlBuilder {
  public:
    XmlBuilder(const XmlRaceData& data, const XmlAnswers& answers, bool fis)
        : d_(data), a_(answers), fis_(fis), sector_(XmlSector(data.header.values.discipline, fis)),
          twoRuns_(data.race.runs == "2")
    {
    }

    XmlBuilt Build()
    {
        Tag(0, "Fisresults", "TAG");
        RaceHeader();
        Tag(1, sector_ + "_race", "TAG");
        Juries();
        CourseRun(1);
        if (twoRuns_)
            CourseRun(2);
        RaceInfo();
        Classified();
        NotClassified();
        Tag(1, "/" + sector_ + "_race", "TAG");
        Tag(0, "/Fisresults", "TAG");
        return {xml_.missing.empty() ? xml_.text : std::string(), xml_.missing, notInRace_};
    }

  private:
    // Every value is escaped here, so no element can break the document.
    void Tag(int indent, const std::string& name, const std::string& value)
    {
        WriteXmlTagLine(xml_, indent, name, value == "TAG" ? value : EscapeXmlText(value));
    }

    const std::string& Field(const SkiDataRacer& racer, int field) const { return racer.fields[field]; }

    void RaceHeader()
    {
        const RaceHeaderValues& values = d_.header.values;
        std::string gender = values.gender;
        if (gender == "F")
            gender = fis_ ? "W" : "L";
        Tag(1, "Raceheader Sector=" + Quoted(sector_) + " Gender=" + Quoted(gender), "TAG");
        Tag(2, "Season", XmlSeason(values.dateLocation));
        const std::string codex = Trim(d_.jury.Codex());
        Tag(2, "Codex", fis_ ? (codex.size() >= 7 ? codex.substr(3, 4) : std::string()) : codex);
        Tag(2, "Nation", a_.hostNation);
        Tag(2, "Discipline", DisciplineCode(Trim(values.discipline)));
        if (fis_) {
            const bool northAmerica = a_.hostNation == "CAN" || a_.hostNation == "USA";
            Tag(2, "Category", a_.category == "EC" && northAmerica ? "NAC" : a_.category);
            Tag(2, "Type", "Official");
        } else {
            Tag(2, "Category", values.raceLevel);
        }
        const std::string date = values.dateLocation.substr(0, std::min<std::size_t>(10, values.dateLocation.size()));
        std::string parts = date;
        Tag(2, "Racedate", "TAG");
        Tag(3, "Day", Plain(PopToken(parts, "-")));
        Tag(3, "Month", Plain(PopToken(parts, "-")));
        Tag(3, "Year", Plain(PopToken(parts, "-")));
        Tag(2, "/Racedate", "TAG");
        if (!fis_)
            Tag(2, "Organizer", d_.header.titles[0]);
        Tag(2, "Eventname", d_.header.titles[1]);
        const std::size_t slash = values.dateLocation.find('/');
        Tag(2, "Place", slash == std::string::npos ? std::string() : Trim(values.dateLocation.substr(slash + 1)));
        Delegate("Delegate", d_.jury.jury[kTechnicalDelegate], a_.tdNumber);
        if (d_.tdCandidate)
            Delegate("Assistant", d_.jury.jury[kTdCandidate], a_.assistantTdNumber);
        Tag(1, "/Raceheader", "TAG");
    }

    void Delegate(const std::string& function, const std::string& entry, const std::string& number)
    {
        const OfficialName name = SplitOfficialName(entry);
        Tag(2, "TD Function=" + Quoted(function), "TAG");
        if (fis_)
            Tag(3, "Tdnumber", number);
        Tag(3, "Tdlastname", name.last);
        Tag(3, "Tdfirstname", name.first);
        Tag(3, "Tdnation", name.nation);
        if (!fis_)
            Tag(3, "NAT_num", "00000");
        Tag(2, "/TD", "TAG");
    }

    void Juries()
    {
        struct Function {
            const char* name;
            JurySlot slot;
        };
        static constexpr std::array<Function, 8> kFunctions = {{{"ChiefRace", kChiefOfRace},
                                                                {"Referee", kReferee},
                                                                {"Assistantreferee", kAssistantReferee},
                                                                {"ChiefCourse", kChiefOfCourse},
                                                                {"Startreferee", kStartReferee},
                                                                {"Finishreferee", kFinishReferee},
                                                                {"Raceadmin", kRaceAdministrator},
                                                                {"ChiefTiming", kChiefOfTiming}}};
        for (const Function& function : kFunctions) {
            // The assistant referee is written where the jury screen asks
            // for one (D, SG, SC, AC): elsewhere the slot is always blank
            // and would stop the file.
            if (function.slot == kAssistantReferee &&
                !JurySlotShown(kAssistantReferee, false, Trim(d_.header.values.discipline)))
                continue;
            if (fis_ && (function.slot == kRaceAdministrator || function.slot == kChiefOfTiming))
                continue;
            const OfficialName name = SplitOfficialName(d_.jury.jury[function.slot]);
            Tag(2, std::string("Jury Function=") + Quoted(function.name), "TAG");
            Tag(3, "Jurylastname", name.last);
            Tag(3, "Juryfirstname", name.first);
            Tag(3, "Jurynation", name.nation);
            if (!fis_)
                Tag(3, "NAT_num", "00000");
            Tag(2, "/Jury", "TAG");
        }
    }

    // The combined events keep a second course in the run-2 column; the
    // others have one course, whose values stand in the run-1 column.
    std::string Technical(TechnicalRow row, int run) const
    {
        const TechnicalValues& values = d_.jury.technical[row];
        return run == 2 && !Trim(values.run2).empty() ? values.run2 : values.run1;
    }

    void CourseRun(int run)
    {
        const RunCourse& course = d_.course.runs[run - 1];
        const std::string discipline = Trim(d_.header.values.discipline);
        // Turning gates exist where gates turn the racer: not in downhill.
        // The "S" of ski cross is no such letter: its course screen asks no
        // turning gates, and the element would stop every ski-cross file.
        const bool turning = discipline != "SX" && discipline.find_first_of("GSKA") != std::string::npos;
        Tag(2, "Course Run=" + Quoted(std::to_string(run)), "TAG");
        Tag(3, "Homologation", Trim(Technical(kHomologation, run)));
        Tag(3, "Starttime", Trim(course.startTime));
        if (fis_)
            Tag(3, "Length", WithoutUnit(Technical(kCourseLength, run)));
        Tag(3, "Gates", Trim(course.gates));
        if (turning)
            Tag(3, "Turninggates", Trim(course.turns));
        Tag(3, "Startelev", WithoutUnit(Technical(kStartElevation, run)));
        Tag(3, "Finishelev", WithoutUnit(Technical(kFinishElevation, run)));
        if (!fis_)
            Tag(3, "Length", WithoutUnit(Technical(kCourseLength, run)));
        const OfficialName setter = SplitOfficialName(course.courseSetter);
        Tag(3, "Coursesetter", "TAG");
        Tag(4, "Lastname", setter.last);
        Tag(4, "Firstname", setter.first);
        Tag(4, "Nation", setter.nation);
        if (!fis_)
            Tag(4, "NAT_num", "00000");
        Tag(3, "/Coursesetter", "TAG");
        if (!fis_)
            ForerunnersAndStarts(course, run);
        Tag(2, "/Course", "TAG");
    }

    void ForerunnersAndStarts(const RunCourse& course, int run)
    {
        int order = 0;
        for (const std::string& forerunner : course.forerunners) {
            if (Trim(forerunner).empty())
                continue;
            const OfficialName name = SplitOfficialName(forerunner);
            Tag(3, "Forerunner Order=" + Quoted(std::to_string(++order)), "TAG");
            Tag(4, "Lastname", name.last);
            Tag(4, "Firstname", name.first);
            Tag(4, "Nation", name.nation);
            Tag(3, "/Forerunner", "TAG");
        }
        std::vector<SkiDataStart> starts;
        std::copy_if(d_.starts.begin(), d_.starts.end(), std::back_inserter(starts),
                     [run](const SkiDataStart& start) { return start.run == run; });
        std::stable_sort(starts.begin(), starts.end(),
                         [](const SkiDataStart& a, const SkiDataStart& b) { return a.position < b.position; });
        Tag(3, "Startorder", "TAG");
        for (const SkiDataStart& start : starts)
            WriteXmlRawLine(xml_, 4,
                            "<Start order=" + Quoted(std::to_string(start.position)) + ">" + EscapeXmlText(start.bib) +
                                "</Start>");
        Tag(3, "/Startorder", "TAG");
    }

    void RaceInfo()
    {
        const std::string info = sector_ + "_raceinfo";
        Tag(2, info, "TAG");
        Tag(3, "Snow", d_.weather.snow);
        Tag(3, "Weather", "TAG");
        Tag(4, "Weather", d_.weather.weather);
        Tag(3, "/Weather", "TAG");
        Tag(3, "Temperaturestart", d_.weather.tempTop);
        Tag(3, "Temperaturefinish", d_.weather.tempBottom);
        Tag(3, "Timingby", a_.timer);
        const std::string maker = kSoftwareMaker;
        if (fis_) {
            Tag(3, "Dataprocessingby", maker + " - SKITALLY " + d_.version);
            Tag(3, "Usedfislist", a_.fisList);
            Tag(3, "NAT_list", a_.natList);
        } else {
            Tag(3, "Dataprocessingby", maker + " - Skitally " + d_.version);
            Tag(3, "Softwarecompany", maker);
            Tag(3, "Softwarename", "Skitally");
            Tag(3, "Version", d_.version);
            Tag(3, "Usednatlist", a_.natList);
        }
        const std::string level = d_.header.values.raceLevel;
        if (level == "FIS" || level == "NAT") {
            Tag(3, "Appliedpenalty", d_.race.applied);
            Tag(3, "Calculatedpenalty", d_.race.calculated);
            Tag(3, "Fvalue", d_.race.fValue);
        }
        if (sector_ == "FS") {
            WriteXmlRawLine(xml_, 3,
                            "<Qualificationformat Format=" + Quoted(a_.sxFormat) + " Type=" + Quoted(a_.sxSubType) +
                                "></Qualificationformat>");
            WriteXmlRawLine(xml_, 3, "<Finalformat Perheat=\"4\" Phase=" + Quoted(a_.sxPhase) + "></Finalformat>");
        }
        Tag(2, "/" + info, "TAG");
    }

    void Competitor(int indent, const SkiDataRacer& racer)
    {
        Tag(indent, "Competitor", "TAG");
        Tag(indent + 1, fis_ ? "Fiscode" : "Natcode", Field(racer, fis_ ? 7 : 17));
        Tag(indent + 1, "Lastname", FilterNameText(Field(racer, 8)));
        Tag(indent + 1, "Firstname", FilterNameText(Field(racer, 9)));
        Tag(indent + 1, "Gender", Field(racer, 2));
        // A national race keeps the racer's division where a FIS race keeps
        // the nation, so its racers carry no nation of their own: they race
        // for the host nation the operator gave.
        const std::string nation = Trim(Field(racer, 19));
        Tag(indent + 1, "Nation", nation.empty() && !fis_ ? a_.hostNation : nation);
        Tag(indent + 1, "Yearofbirth", Field(racer, 10));
        // Many racers of a FIS race hold no national code: the element is
        // left out for them rather than stopping the whole file.
        if (fis_ && !Trim(Field(racer, 17)).empty())
            Tag(indent + 1, "NAT_code", Field(racer, 17));
        Tag(indent, "/Competitor", "TAG");
    }

    void Classified()
    {
        const std::string classified = sector_ + "_classified", ranked = sector_ + "_ranked";
        const std::string result = sector_ + "_result";
        Tag(2, classified, "TAG");
        int order = 0;
        for (const SkiDataRacer& racer : d_.classified) {
            Tag(3, ranked + " Status=\"QLF\"", "TAG");
            Tag(4, "Rank", Field(racer, 4));
            // The order is the racer's place in the file, which lists the
            // classified racers by rank.
            if (fis_)
                Tag(4, "Order", std::to_string(++order));
            Tag(4, "Bib", Field(racer, 5));
            Competitor(4, racer);
            Tag(4, result, "TAG");
            // A ski-cross racer is ranked by the ladder; a qualification run
            // the racer has no time in (or that was not held) is zero.
            const auto time = [&](int field) {
                const std::string value = Field(racer, field);
                return sector_ == "FS" && Trim(value).empty() ? std::string("0.00") : value;
            };
            Tag(5, "Timerun1", time(15));
            if (twoRuns_)
                Tag(5, "Timerun2", time(16));
            Tag(5, "Totaltime", time(13));
            Tag(5, "Racepoints", Field(racer, 14));
            // A race that is no para event has no class and no factored
            // times: its racers would stop the file on an empty class, and
            // their audit times would only repeat their times. Both belong
            // to para events alone.
            if (!fis_ && d_.paraEvent)
                ParaValues(racer);
            Tag(4, "/" + result, "TAG");
            Tag(3, "/" + ranked, "TAG");
        }
        Tag(2, "/" + classified, "TAG");
    }

    void ParaValues(const SkiDataRacer& racer)
    {
        Tag(5, "ParaClass", Field(racer, 12));
        const auto audit = d_.audit.find(Trim(Field(racer, 5)));
        if (audit == d_.audit.end()) {
            notInRace_.push_back(Field(racer, 5));
            return;
        }
        Tag(5, "Audit_Timerun1", audit->second.run1);
        if (twoRuns_)
            Tag(5, "Audit_Timerun2", audit->second.run2);
        Tag(5, "Audit_TotalTime", audit->second.total);
    }

    void NotClassified()
    {
        const std::string block = sector_ + "_notclassified", notRanked = sector_ + "_notranked";
        const std::string result = sector_ + "_result";
        std::vector<std::string> groups = {"DNS1", "DNF1", "DSQ1"};
        if (twoRuns_)
            groups.insert(groups.end(), {"DNQ2", "DNS2", "DNF2", "DSQ2"});
        groups.insert(groups.end(), {"NPS1", "NPS2"});
        Tag(2, block, "TAG");
        for (const std::string& group : groups) {
            const std::string word = group.substr(0, 3);
            const bool secondRun = group[3] == '2';
            for (const SkiDataRacer& racer : d_.notClassified) {
                if (Field(racer, 3) != group)
                    continue;
                Tag(3, notRanked + " Status=" + Quoted(word), "TAG");
                Tag(4, "Run", group.substr(3));
                Tag(4, "Bib", Field(racer, 5));
                Competitor(4, racer);
                Tag(4, result, "TAG");
                const std::string& run1 = Field(racer, 15);
                Tag(5, "Timerun1", fis_ && Trim(run1).empty() ? "0.00" : run1);
                // A racer stopped in run 2 has no run-2 time: the status
                // word stands in its place.
                if (secondRun)
                    Tag(5, "Timerun2", word == "DNS" || Trim(Field(racer, 16)).empty() ? word : Field(racer, 16));
                Tag(4, "/" + result, "TAG");
                if (word == "DSQ")
                    Tag(4, "Gate", Field(racer, 4));
                Tag(3, "/" + notRanked, "TAG");
            }
        }
        Tag(2, "/" + block, "TAG");
    }

    static std::string DisciplineCode(const std::string& discipline)
    {
        if (discipline == "S")
            return "SL";
        if (discipline == "D")
            return "DH";
        if (discipline == "G")
            return "GS";
        return discipline;
    }

    const XmlRaceData& d_;
    const XmlAnswers& a_;
    const bool fis_;
    const std::string sector_;
    const bool twoRuns_;
    XmlLines xml_;
    std::vector<std::string> notInRace_;
};

} // namespace

std::string XmlSector(const std::string& discipline, bool fis)
{
    return fis && Trim(discipline) == "SX" ? "FS" : "AL";
}

std::string XmlSeason(const std::string& dateLocation)
{
    if (dateLocation.size() < 10)
        return {};
    const std::string month = Plain(dateLocation.substr(3, 2)), year = Plain(dateLocation.substr(6, 4));
    if (month.empty() || year.empty())
        return {};
    return std::to_string(std::stoi(year) + (std::stoi(month) > 6 ? 1 : 0));
}

OfficialName SplitOfficialName(const std::string& entry)
{
    OfficialName name;
    std::string text = Trim(entry);
    const std::size_t dash = text.find(" - ");
    if (dash != std::string::npos) {
        name.nation = Trim(text.substr(dash + 3));
        text = Trim(text.substr(0, dash));
    }
    std::size_t split = text.find('.');
    if (split == std::string::npos)
        split = text.find(' ');
    if (split == std::string::npos)
        return {{}, {}, name.nation};
    name.first = Trim(text.substr(0, split));
    name.last = Trim(text.substr(split + 1));
    if (name.first.empty() || name.last.empty())
        return {{}, {}, name.nation};
    return name;
}

XmlBuilt BuildXmlResults(const XmlRaceData& data, const XmlAnswers& answers, bool fis)
{
    return XmlBuilder(data, answers, fis).Build();
}

} // namespace skitally
