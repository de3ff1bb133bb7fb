#include "skicross/skier_cross.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "app/messages.h"
#include "racefile/header_file.h"
#include "skicross/ladder_bib_form.h"
#include "skicross/ladder_labels.h"
#include "skicross/ladder_racers.h"
#include "skicross/ladder_text_ids.h"
#include "util/table_sort.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Columns of the working tables: the racer (index into the live racers)
// rides in column 2 with the keys around it.
constexpr std::size_t kBibColumn = 1, kRacerColumn = 2, kTimeColumn = 3;
constexpr std::size_t kPointsColumn = 4, kStartColumn = 6;
// Tied racers are set apart by a tenth of a hundredth each: far less than
// the hundredth the times differ by, so no other racer moves.
constexpr double kTieStep = 0.0001;

double LeadingNumber(const std::string& text, double none)
{
    const std::string trimmed = Trim(text);
    return trimmed.empty() ? none : std::atof(trimmed.c_str());
}

std::vector<std::size_t> RacersOf(const SortTable& table)
{
    std::vector<std::size_t> order;
    for (std::size_t row = 1; row < table.size(); ++row)
        order.push_back(static_cast<std::size_t>(std::get<double>(table[row][kRacerColumn])));
    return order;
}

std::string TimeText(double key)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", key);
    return text;
}

// The bibs typed in the wanted order: each of the group's once.
std::optional<std::vector<std::string>> TypedBibOrder(const AppContext& ctx, Operator& op,
                                                      const std::vector<std::string>& bibs)
{
    std::string shown;
    for (const std::string& bib : bibs)
        shown += (shown.empty() ? "" : ", ") + bib;
    const std::multiset<std::string> wanted(bibs.begin(), bibs.end());
    for (;;) {
        const std::optional<std::string> typed = op.AskText(
            {ctx.Text(text::kLadderTitle), FillPlaceholder(ctx.Text(text::kTypeBibOrder), "XbbbX", shown), shown, {}});
        if (!typed)
            return std::nullopt;
        std::vector<std::string> order;
        for (std::string rest = *typed; !rest.empty();)
            order.push_back(Trim(PopToken(rest, ",")));
        if (std::multiset<std::string>(order.begin(), order.end()) == wanted)
            return order;
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kBibOrderRefused), "XbbbX", shown));
    }
}

// Every group of equal times (and the DNFs) is shown with its bibs; the
// operator accepts the order or types another, and the group's keys are
// made distinct in that order. False when cancelled.
bool SettleTies(const AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers, SortTable& table)
{
    for (std::size_t first = 1; first < table.size();) {
        const double key = std::get<double>(table[first][kTimeColumn]);
        std::size_t end = first + 1;
        while (end < table.size() && std::get<double>(table[end][kTimeColumn]) == key)
            ++end;
        if (end - first < 2 || key > kDnfKey) {
            first = end;
            continue;
        }
        std::vector<std::string> bibs;
        std::string shown;
        for (std::size_t row = first; row < end; ++row) {
            bibs.push_back(Trim(racers[static_cast<std::size_t>(std::get<double>(table[row][kRacerColumn]))].bib));
            shown += (shown.empty() ? "" : ", ") + bibs.back();
        }
        const bool dnf = key == kDnfKey;
        const std::string question =
            (dnf ? ctx.Text(text::kDnfTie) : FillPlaceholder(ctx.Text(text::kTimeTie), "XtttX", TimeText(key))) + "\n" +
            shown;
        const int answer = op.Message(
            {ctx.Text(text::kLadderTitle),
             question,
             {ctx.Text(text::kAcceptButton), ctx.Text(dnf ? text::kDnfSortingButton : text::kTimeSortingButton)},
             MessageIcon::Question,
             0});
        if (answer < 0)
            return false;
        std::vector<std::size_t> rows;
        for (std::size_t row = first; row < end; ++row)
            rows.push_back(row);
        if (answer == 1) {
            const std::optional<std::vector<std::string>> order = TypedBibOrder(ctx, op, bibs);
            if (!order)
                return false;
            rows.clear();
            std::set<std::size_t> taken;
            for (const std::string& bib : *order)
                for (std::size_t row = first; row < end; ++row)
                    if (!taken.count(row) &&
                        Trim(racers[static_cast<std::size_t>(std::get<double>(table[row][kRacerColumn]))].bib) == bib) {
                        rows.push_back(row);
                        taken.insert(row);
                        break;
                    }
        }
        for (std::size_t k = 0; k < rows.size(); ++k)
            table[rows[k]][kTimeColumn] = key + static_cast<double>(k) * kTieStep;
        first = end;
    }
    return true;
}

std::optional<int> AskLadderSize(const AppContext& ctx, Operator& op, int count)
{
    const int proposed = LadderSizeFor(count) ? LadderSizeFor(count) : 32;
    const std::optional<std::string> answer =
        AskAllowed(ctx, op, ctx.Text(text::kLadderSizeQuestion), {"32", "16", "8"}, std::to_string(proposed));
    if (!answer)
        return std::nullopt;
    return std::atoi(answer->c_str());
}

SortTable QualificationTable(const std::vector<RacerRecord>& racers)
{
    SortTable table(1);
    for (std::size_t k = 0; k < racers.size(); ++k) {
        std::vector<SortCell> row(kTimeColumn + 1);
        row[kBibColumn] = LeadingNumber(racers[k].bib, 0);
        row[kRacerColumn] = static_cast<double>(k);
        row[kTimeColumn] = QualificationKey(racers[k]);
        table.push_back(row);
    }
    return table;
}

// From the qualification: the size and the kind of run asked ('Q' or
// 'S' in `kind`), the ties settled.
std::optional<int> FromQualification(const AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers,
                                     std::vector<std::size_t>& order, char& kind)
{
    SortTable table = QualificationTable(racers);
    SortTableRows(table, "3-A,1-D");
    const std::optional<int> size = AskLadderSize(ctx, op, static_cast<int>(racers.size()));
    if (!size)
        return std::nullopt;
    const int type = op.Message({ctx.Text(text::kTimedRunTypeTitle),
                                 ctx.Text(text::kTimedRunType),
                                 {ctx.Text(text::kSeedingButton), ctx.Text(text::kQualificationButton)},
                                 MessageIcon::Question,
                                 1});
    if (type < 0 || !SettleTies(ctx, op, racers, table))
        return std::nullopt;
    SortTableRows(table, "3-A,1-D");
    order = RacersOf(table);
    kind = type == 1 ? 'Q' : 'S';
    return size;
}

// From the entry list: by start position, then by points.
std::optional<int> FromEntryList(const AppContext& ctx, Operator& op, const std::vector<RacerRecord>& racers,
                                 std::vector<std::size_t>& order)
{
    SortTable table(1);
    for (std::size_t k = 0; k < racers.size(); ++k) {
        std::vector<SortCell> row(kStartColumn + 1);
        row[kRacerColumn] = static_cast<double>(k);
        row[kPointsColumn] = LeadingNumber(racers[k].seedPoints, 9999.99);
        row[kStartColumn] = LeadingNumber(racers[k].start1, 999);
        table.push_back(row);
    }
    SortTableRows(table, "6-A,4-A");
    order = RacersOf(table);
    const int count = static_cast<int>(racers.size());
    if (LadderSizeFor(count))
        return LadderSizeFor(count);
    return AskLadderSize(ctx, op, count);
}

bool HasQualification(const std::vector<RacerRecord>& racers)
{
    for (const RacerRecord& racer : racers)
        if (racer.time1 > 0 || !Trim(racer.status1).empty())
            return true;
    return false;
}

} // namespace

double QualificationKey(const RacerRecord& racer)
{
    const std::string status = ToUpper(Trim(racer.status1));
    if (status.empty() && racer.time1 > 0)
        return std::round(static_cast<double>(racer.time1) * 100.0) / 100.0;
    if (status == "DNF")
        return kDnfKey;
    if (status == "DSQ" || status == "NPS" || status == "DNQ")
        return 998.0;
    return 999.0;
}

int LadderSizeFor(int count)
{
    return count <= 8 ? 8 : count <= 16 ? 16 : count <= 32 ? 32 : 0;
}

void SeedRacers(std::vector<RacerRecord>& racers, const std::vector<std::size_t>& order, int size)
{
    for (RacerRecord& racer : racers) {
        racer.position = 0;
        racer.sxQual.clear();
        racer.sxPos1 = racer.sxPos2 = racer.sxPos3 = kNoLadderField;
    }
    for (std::size_t k = 0; k < order.size() && static_cast<int>(k) < size; ++k) {
        const int seed = static_cast<int>(k) + 1;
        const std::string number = std::to_string(seed);
        racers[order[k]].sxQual = std::string(4 - number.size(), ' ') + number;
        racers[order[k]].sxPos1 = SeedSlotLabel(size, seed);
    }
}

std::string LadderSettingsLine(const std::string& ladderName, char kind)
{
    return "LADDER " + ladderName + " " + kind;
}

bool RanksQualification(const std::string& settingsLine)
{
    std::string rest = Trim(settingsLine);
    const std::string word = PopToken(rest, " ");
    PopToken(rest, " ");
    return word == "LADDER" && Trim(rest) == "Q";
}

bool SkierCross(AppContext& ctx, Operator& op)
{
    LadderRacers racers;
    HeaderFile header;
    if (const Status read = ReadHeaderFile(ctx.race.File("HDR"), header); !read) {
        ShowFileFailure(ctx, op, text::kLadderFileNotRead, ctx.race.File("HDR"), read);
        return false;
    }
    if (!ReadLadderRacers(ctx, op, racers))
        return false;
    std::vector<std::size_t> order;
    char kind = 'E';
    const std::optional<int> size = HasQualification(racers.live) ? FromQualification(ctx, op, racers.live, order, kind)
                                                                  : FromEntryList(ctx, op, racers.live, order);
    if (!size)
        return false;
    SeedRacers(racers.live, order, *size);
    const std::string name = LadderName(*size, header.values.gender);
    header.skiCrossLine = LadderSettingsLine(name, kind);
    op.ProgressStart(ctx.Text(text::kLadderTitle), 1);
    const bool written = CommitLadderRacers(ctx, op, racers, &header);
    op.ProgressEnd();
    if (!written)
        return false;
    ctx.race.header.skiCrossLine = header.skiCrossLine;
    ctx.log.Write("Ski-cross ladder created: " + header.skiCrossLine);
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kLadderCreated), "XnnnX", name));
    // The ladder stands whatever the bibs become: a cancelled or refused
    // bib form leaves the racers with the bibs they had.
    if (AskYesNo(ctx, op, ctx.Text(text::kGiveLadderBibs)))
        LadderBibForm(ctx, op);
    return true;
}

} // namespace skitally
