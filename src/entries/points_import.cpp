#include "entries/points_import.h"

#include "app/paths.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/points_list_reader.h"
#include "racefile/racer_names.h"
#include "entries/skipped_rows_report.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr const char* kSeparator = ",";

Status Failed(ImportFailure why, ImportFailure* failure, const std::string& text)
{
    if (failure)
        *failure = why;
    return Status::Fail(text);
}

}  // namespace

PickRacer PickRowFromLine(const std::string& line)
{
    PickRacer row = PickRacerFromLine(line, kSeparator);
    std::string rest = line;
    const std::string last = PopToken(rest, kSeparator);
    const std::string first = PopToken(rest, kSeparator);
    row.nam = StoredName(last, first);
    return row;
}

bool FitsRaceGender(const PickRacer& row, const std::string& raceGender)
{
    const std::string gender = ToUpper(Trim(raceGender));
    if (gender != "M" && gender != "F")
        return true;
    return ToUpper(Trim(row.gdr)) == gender;
}

Status ImportPointsList(AppContext& ctx, Operator& op, const std::string& listFile, bool quiet, int& imported,
                        ImportFailure* failure)
{
    imported = 0;
    if (failure)
        *failure = ImportFailure::None;
    PointsListReader reader;
    const int headline = text::kListFormatError;
    if (ReadRacerRec(reader, ctx, op, listFile, "OPEN", headline, kSeparator, quiet) != "*OPN*")
        return Failed(ImportFailure::NotAList, failure, "not a points list: " + listFile);

    std::vector<PickRacer> rows;
    for (;;) {
        const std::string line = ReadRacerRec(reader, ctx, op, listFile, "READ", headline, kSeparator, quiet);
        if (line == "*EOF*")
            break;
        if (line == "*ERR*") {
            // The reader has closed the list and said why.
            if (reader.AbortedByOperator())
                return Failed(ImportFailure::Aborted, failure, "list gender question aborted");
            ShowEntryRefusal(ctx, op, WithDetail(ctx, text::kErrorLoadingRacer, reader.LastSourceLine()));
            return Failed(ImportFailure::RacerRefused, failure, "racer refused: " + reader.LastSourceLine());
        }
        rows.push_back(PickRowFromLine(line));
    }
    const std::vector<SkippedRow> skipped = reader.SkippedRows();
    ReadRacerRec(reader, ctx, op, listFile, "CLOSE", headline, kSeparator, quiet);
    ReportSkippedRows(ctx, op, listFile, skipped);

    const std::string gender = ctx.race.open ? RaceGender(ctx) : std::string();
    bool anyOfGender = false;
    for (const PickRacer& row : rows)
        anyOfGender = anyOfGender || FitsRaceGender(row, gender);
    if (!anyOfGender) {
        ShowEntryRefusal(ctx, op, ctx.Text(text::kNoPointsLoaded));
        return Failed(ImportFailure::NoneOfRaceGender, failure, "no racer of gender " + gender);
    }
    if (Status stored = ReplacePickTable(ctx.settings->database(), rows); !stored) {
        ShowEntryRefusal(ctx, op, FillPlaceholder(ctx.Text(text::kPickTableNotStored), "XdddX", stored.error()));
        return Failed(ImportFailure::NotStored, failure, stored.error());
    }
    imported = static_cast<int>(rows.size());
    ctx.log.Write("Points list loaded: " + listFile + " (" + std::to_string(imported) + " racers)");
    return Status::Ok();
}

std::optional<std::string> PickPointsList(AppContext& ctx, Operator& op)
{
    std::string start = ctx.settings->Get("Paths", "Points Path");
    if (start.empty())
        start = ctx.race.racePath;
    const std::string types = "*.csv;*.txt;*.pts";
    FilePick pick{ctx.Text(text::kSelectPointsList),
                  ctx.Text(text::kPointsLists) + " (" + types + ")|" + types + "|" + ctx.Text(text::kAllFiles) +
                      " (*.*)|*.*",
                  start, "", false};
    std::optional<std::string> chosen = op.PickFile(pick);
    if (chosen && !Trim(*chosen).empty()) {
        ctx.settings->Set("Paths", "Points Path", FolderPart(*chosen));
        ctx.settings->Set("Paths", "Last Path", FolderPart(*chosen));
        return chosen;
    }
    return std::nullopt;
}

}  // namespace skitally
