#pragma once
// One racer: the fixed 243-byte record of the racer file (".RCR").
// Text fields are Windows-1252 on disk and UTF-8 here, kept exactly as read
// (padding included) so that a record read and written back is the same
// bytes; callers trim where they compare. Numbers are little-endian singles.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace skitally {

constexpr int kRacerRecordLength = 243;
constexpr float kRacerFormatVersion = 7.1f;

// Field numbers of the racer in record order; the entry forms hold field k
// as element 50 + k of their field array.
enum RacerField : int {
    kName = 0, kCard, kClub, kSeedPoints, kBib, kStart1, kStart2, kCategory, kBirthYear2,
    kTotalTime, kRacePoints, kStatus1, kStatus2, kGate, kTime1, kTime2, kRawTime1, kRawTime2,
    kBirthYear, kNation, kGender, kBestOf, kSxQual, kSxPos1, kSxPos2, kSxPos3,
    kPointsDH, kPointsSL, kPointsGS, kPointsSG, kPointsSC, kPointsSX, kPointsKK,
    kSeedRank, kGroup, kRank, kParaFactor, kCsvTotal, kPosition, kSxCard, kAlpineCard,
    kSxHeat1, kSxHeat2, kSxHeat3, kLeagueCode,
    kRacerFieldCount  // 45
};

enum class FieldType { Text, Single };

struct RacerFieldInfo {
    const char* name;  // the field's name as every list and report knows it
    int offset;
    int width;
    FieldType type;
};

const std::array<RacerFieldInfo, kRacerFieldCount>& RacerFields();
// Field number by name (any case), or -1.
int RacerFieldByName(std::string_view name);

struct RacerRecord {
    std::string name, card, club, seedPoints, bib, start1, start2, category, birthYear2;
    float totalTime = 0, racePoints = 0;
    std::string status1, status2, gate;
    float time1 = 0, time2 = 0, rawTime1 = 0, rawTime2 = 0;
    std::string birthYear, nation, gender;
    float bestOf = 0;
    std::string sxQual, sxPos1, sxPos2, sxPos3;
    float pointsDH = -1, pointsSL = -1, pointsGS = -1, pointsSG = -1, pointsSC = -1, pointsSX = -1, pointsKK = -1;
    std::string seedRank, group, rank;
    float paraFactor = 1, csvTotal = 0, position = 0;
    std::string sxCard, alpineCard, sxHeat1, sxHeat2, sxHeat3, leagueCode;
    float formatVersion = kRacerFormatVersion;
    std::string recordEnd = "\r\n";

    // Access by field number, for the list builders and the entry forms.
    std::string* TextField(int field);
    const std::string* TextField(int field) const;
    float* SingleField(int field);
    const float* SingleField(int field) const;

    // The name trimmed equals "DELETED RECORD".
    bool IsDeleted() const;
    // Clears everything a run leaves on the racer: times, totals, race
    // points, statuses, gate, rank and finish position.
    void BlankResults();
};

// Exactly kRacerRecordLength bytes.
std::string EncodeRacer(const RacerRecord& racer);
// `bytes` must hold kRacerRecordLength bytes.
RacerRecord DecodeRacer(std::string_view bytes);

// Text fields padded with blanks or cut to their width, as they are written.
std::string FitField(std::string_view cp1252, int width);

}  // namespace skitally
