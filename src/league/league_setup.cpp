#include "league/league_setup.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "app/messages.h"
#include "app/text_ids.h"
#include "league/league_file.h"
#include "league/league_state.h"
#include "league/league_text_ids.h"
#include "league/registration_file.h"
#include "racefile/race_change.h"
#include "racefile/racer_record.h"
#include "racefile/stale_reports.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

std::optional<int> Number(const std::string& text, int largest)
{
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < 0 || value > largest)
        return std::nullopt;
    return value;
}

// Letters and digits only: the category names sections of the
// registration file and a field of the league file.
bool PlainCategory(const std::string& category)
{
    return !category.empty() && category.size() <= 3 &&
           std::all_of(category.begin(), category.end(), [](unsigned char c) { return std::isalnum(c); });
}

bool AskCategory(const AppContext& ctx, Operator& op, LGR& league)
{
    while (league.GetCatagory().empty()) {
        const std::optional<std::string> answer =
            op.AskText({ctx.Text(league_text::kCategoryTitle), ctx.Text(league_text::kCategoryPrompt), "", {}});
        const std::string category = answer ? ToUpper(Trim(*answer)) : "0";
        if (category == "0")
            return false;
        if (PlainCategory(category))
            league.SetCatagory(category);
    }
    return true;
}

std::optional<LeagueRegistration> Registration(const AppContext& ctx, Operator& op, const std::string& category)
{
    const std::string path = RegistrationFile(ctx.folders.programFolder);
    LeagueRegistration registration;
    const Status read = ReadLeagueRegistration(path, category, registration);
    if (!read && registration.badLine > 0) {
        std::string text = FillPlaceholder(ctx.Text(league_text::kRegistrationLine), "XnnnX", path);
        text = FillPlaceholder(text, "XdddX", std::to_string(registration.badLine));
        ShowErrorMessage(ctx, op, FillPlaceholder(text, "XtttX", registration.badText));
        return std::nullopt;
    }
    if (!read) {
        ShowErrorMessage(ctx, op, FillPlaceholder(ctx.Text(league_text::kRegistrationMissing), "XnnnX", path));
        return std::nullopt;
    }
    if (registration.groups.empty()) {
        const std::string text = FillPlaceholder(ctx.Text(league_text::kNoGroups), "XnnnX", path);
        ShowErrorMessage(ctx, op, FillPlaceholder(text, "XtttX", category));
        return std::nullopt;
    }
    return registration;
}

// The date line's group, asked again until the category lists it.
const LeagueGroup* ChooseGroup(const AppContext& ctx, Operator& op, const LeagueRegistration& registration)
{
    const std::optional<int> lineCode = GroupCodeOfDateLine(ctx.race.header.values.dateLocation);
    if (!lineCode) {
        ShowMessage(ctx, op, ctx.Text(league_text::kAddGroupCode));
        return nullptr;
    }
    const LeagueGroup* group = registration.Group(*lineCode);
    while (!group) {
        const std::optional<std::string> answer =
            op.AskText({ctx.Text(league_text::kGroupTitle), ctx.Text(league_text::kGroupPrompt), "", {}});
        if (!answer)
            return nullptr;
        const std::optional<int> code = Number(Trim(*answer), 99);
        if (!code)
            ShowMessage(ctx, op, ctx.Text(league_text::kNumericGroupCode));
        else
            group = registration.Group(*code);
    }
    return group;
}

// "DD-MM-YYYY/..." as the schedule writes days: "YYYY-MM-DD".
std::string ScheduleDate(const std::string& dateLocation)
{
    const std::string date = Trim(dateLocation.substr(0, dateLocation.find('/')));
    if (date.size() != 10)
        return {};
    return date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2);
}

std::optional<std::string> ChooseDraw(const AppContext& ctx, Operator& op, const LeagueRegistration& registration,
                                      int group)
{
    std::vector<const LeagueDay*> days;
    for (const LeagueDay& day : registration.schedule)
        if (day.group == group)
            days.push_back(&day);
    if (days.empty()) {
        ShowErrorMessage(ctx, op, FillPlaceholder(ctx.Text(league_text::kNoRaceDays), "XnnnX", std::to_string(group)));
        return std::nullopt;
    }
    const std::string today = ScheduleDate(ctx.race.header.values.dateLocation);
    for (const LeagueDay* day : days)
        if (day->date == today)
            return day->draw;
    ListChoice choice{ctx.Text(league_text::kDateTitle), ctx.Text(league_text::kDatePrompt), {}};
    for (const LeagueDay* day : days)
        choice.items.push_back(day->date);
    const std::optional<int> picked = op.Choose(choice);
    if (!picked || *picked < 0 || *picked >= static_cast<int>(days.size()))
        return std::nullopt;
    return days[static_cast<std::size_t>(*picked)]->draw;
}

bool LoadTeamsAndDraw(const AppContext& ctx, Operator& op, LGR& league)
{
    const std::optional<LeagueRegistration> registration = Registration(ctx, op, league.GetCatagory());
    if (!registration)
        return false;
    const LeagueGroup* group = ChooseGroup(ctx, op, *registration);
    if (!group)
        return false;
    const std::optional<std::string> draw = ChooseDraw(ctx, op, *registration, group->code);
    if (!draw)
        return false;
    league.SetGroupCode(group->code);
    if (const LeagueCheck teams = league.SetTeams(group->teams); !teams) {
        ShowLeagueCheck(ctx, op, teams);
        return false;
    }
    league.SetDraw(*draw);
    if (const LeagueCheck drawn = league.SetOrderAndVs(); !drawn) {
        ShowLeagueCheck(ctx, op, drawn);
        return false;
    }
    return true;
}

std::optional<std::vector<int>> AskMissingBibs(const AppContext& ctx, Operator& op)
{
    for (;;) {
        const std::optional<std::string> answer =
            op.AskText({ctx.Text(league_text::kMissingBibsTitle), ctx.Text(league_text::kMissingBibsPrompt), "", {}});
        if (!answer)
            return std::nullopt;
        if (std::optional<std::vector<int>> bibs = ParseMissingBibs(*answer))
            return bibs;
        ShowMessage(ctx, op, ctx.Text(league_text::kFollowTheExample));
    }
}

std::string BibText(int bib)
{
    char text[16];
    std::snprintf(text, sizeof text, "%3d", bib);
    return text;
}

// The racer file with the bibs and starts given; nullopt, after naming
// the team, when a racer's team does not race today.
std::optional<std::string> AssignBibs(const AppContext& ctx, Operator& op, LGR& league, std::string bytes)
{
    const std::size_t count = bytes.size() / kRacerRecordLength;
    std::vector<std::vector<std::size_t>> byTeam(league.teams.size());
    for (Team& team : league.teams)
        team.ClearRacer();
    for (std::size_t n = 0; n < count; ++n) {
        const RacerRecord racer =
            DecodeRacer(std::string_view(bytes).substr(n * kRacerRecordLength, kRacerRecordLength));
        if (racer.IsDeleted())
            continue;
        const std::optional<int> team = league.TeamByName(racer.group);
        if (!team || league.GetCompetitionIndex(*team) < 0) {
            ShowLeagueCheck(ctx, op, {LeagueFault::TeamNotInRace, Trim(racer.group)});
            return std::nullopt;
        }
        league.teams[static_cast<std::size_t>(*team)].AddRacer(true);
        byTeam[static_cast<std::size_t>(*team)].push_back(n);
    }
    if (!ValidateLeagueRace(ctx, op, league))
        return std::nullopt;
    int bib = 0, start = 0;
    for (const int team : league.DrawnTeams())
        for (const std::size_t n : byTeam[static_cast<std::size_t>(team)]) {
            do
                ++bib;
            while (std::binary_search(league.missingBibs.begin(), league.missingBibs.end(), bib));
            RacerRecord racer = DecodeRacer(std::string_view(bytes).substr(n * kRacerRecordLength, kRacerRecordLength));
            racer.bib = BibText(bib);
            racer.start1 = BibText(++start);
            bytes.replace(n * kRacerRecordLength, kRacerRecordLength, EncodeRacer(racer));
        }
    return bytes;
}

} // namespace

std::optional<int> GroupCodeOfDateLine(const std::string& dateLocation)
{
    const std::size_t slash = dateLocation.find('/');
    if (slash == std::string::npos)
        return std::nullopt;
    std::string rest = dateLocation.substr(slash + 1);
    const std::size_t dash = rest.find('-');
    if (dash == std::string::npos)
        return std::nullopt;
    return Number(Trim(rest.substr(0, dash)), 99);
}

std::optional<std::vector<int>> ParseMissingBibs(const std::string& answer)
{
    std::vector<int> bibs;
    std::string rest = Trim(answer);
    while (!rest.empty()) {
        const std::optional<int> bib = Number(Trim(PopToken(rest, ",")), 999);
        if (!bib || *bib < 1 || (!bibs.empty() && *bib <= bibs.back()))
            return std::nullopt;
        bibs.push_back(*bib);
    }
    if (!answer.empty() && Trim(answer).back() == ',')
        return std::nullopt;
    return bibs;
}

bool ValidateLeagueRace(const AppContext& ctx, Operator& op, const LGR& league)
{
    for (const int index : league.DrawnTeams()) {
        const Team& team = league.teams[static_cast<std::size_t>(index)];
        if (!team.HasRacers()) {
            ShowErrorMessage(ctx, op, FillPlaceholder(ctx.Text(league_text::kTeamWithoutRacers), "XtttX", team.name));
            return false;
        }
        if (!team.ValidScoring()) {
            ShowErrorMessage(ctx, op, FillPlaceholder(ctx.Text(league_text::kTooManyScoring), "XtttX", team.name));
            return false;
        }
    }
    return true;
}

bool LeagueSetupCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    std::optional<LGR> league = LoadLeague(ctx, op);
    if (!league)
        return false;
    bool load = true;
    if (league->IsTeamsSet() && league->IsVsSet()) {
        const int reload = op.Message({ctx.Text(text::kQueryTitle),
                                       ctx.Text(league_text::kReloadQuestion),
                                       {ctx.Text(text::kYes), ctx.Text(text::kNo)},
                                       MessageIcon::Question,
                                       0});
        if (reload < 0)
            return false;
        load = reload == 0;
        if (load)
            league->ResetTeamAndVs();
    }
    if (!AskCategory(ctx, op, *league) || (load && !LoadTeamsAndDraw(ctx, op, *league)))
        return false;
    const std::optional<std::vector<int>> missing = AskMissingBibs(ctx, op);
    if (!missing)
        return false;
    league->SetMissingBibs(*missing);

    const std::string path = ctx.race.File("RCR");
    std::string bytes;
    if (const Status read = ReadWholeFile(path, bytes); !read) {
        ShowErrorMessage(ctx, op, path + ": " + FailureText(ctx, read));
        return false;
    }
    std::optional<std::string> racers = AssignBibs(ctx, op, *league, std::move(bytes));
    if (!racers)
        return false;
    league->SetScoreInformation();
    const RaceFlags before = ctx.race.flags;
    FileTransaction change(RaceJournal(ctx.race));
    // New bibs and starts make every start list and result of the race wrong.
    AddReportDeletions(ctx, std::string(kRun1DependentCodes) + ",RGR", change);
    change.Replace(path, std::move(*racers));
    change.Replace(ctx.race.File("LGR"), Serialize(*league));
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = before;
        return false;
    }
    ShowMessage(ctx, op, ctx.Text(league_text::kBibsComplete));
    return true;
}

} // namespace skitally
