#pragma once
// What every racer entry operation shares: the guard that the race is open
// and has the parts the operation needs, the race's live racers, and the
// boxes the entry screens show.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"
#include "util/status.h"

namespace skitally {

struct LiveRacer {
    int number = 0;  // record number in the racer file
    RacerRecord record;
};

// The race is open (else "No Race File Opened or Created") and has the
// parts of `requirements` (the stage check's letters); the header and jury
// values are then read afresh from the race's files, which may have been
// changed since the race was opened.
bool EntryRaceReady(AppContext& ctx, Operator& op, std::string_view requirements);

// The race's level in capitals; blank reads "NAT".
std::string RaceLevel(const AppContext& ctx);
std::string RaceDiscipline(const AppContext& ctx);
std::string RaceGender(const AppContext& ctx);

// Every live racer of the race in record order; empty when the racer file
// is missing or empty.
std::vector<LiveRacer> ReadLiveRacers(const AppContext& ctx);

// What makes two racers the same racer of the file: the name trimmed, its
// letters a-z in capitals, and the card trimmed. Equal keys are the same
// racer.
std::string RacerFileKey(std::string_view name, std::string_view card);

// A live racer with the same key as this name and card, other than record
// `except`.
bool RacerOnFile(const std::vector<LiveRacer>& racers, std::string_view name, std::string_view card,
                 int except = 0);

// An "Error Message" box with the exclamation sound.
void ShowEntryRefusal(const AppContext& ctx, Operator& op, const std::string& text);
// Text `textId`, then `detail` (the racer's name) on its own line.
std::string WithDetail(const AppContext& ctx, int textId, const std::string& detail);
// "The race file XnnnX could not be written: XdddX".
void ShowNotSaved(const AppContext& ctx, Operator& op, const std::string& path, const Status& failed);

// Writes the whole record n of the race's racer file; false after saying
// why it could not be written.
bool WriteRaceRacer(const AppContext& ctx, Operator& op, int number, const RacerRecord& racer);

// `SeedPoints` from the racer's points of `discipline` ("045.20", blank
// for none); an unknown discipline leaves it as it is.
void SetSeedPoints(RacerRecord& racer, const std::string& discipline);

// "Name=Value" arguments of the command line into the form's fields (keys
// in any case). False, after saying so, when an argument names no field or
// its field's check refuses the value.
bool FillFormFromArguments(const AppContext& ctx, Operator& op, FieldForm& form,
                           const std::vector<std::string>& args);
FormField* FormFieldByKey(FieldForm& form, std::string_view key);

}  // namespace skitally
