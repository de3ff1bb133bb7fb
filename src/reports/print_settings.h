#pragma once
// Print settings per report type code, kept in section "Settings" under the
// code followed by "SzeFnt", "TopPge", "LftMrg", "PgeOrn" and "FntBld".

#include <optional>
#include <string>
#include <vector>

#include "app/settings_store.h"

namespace skitally {

struct PrintSettings {
    float fontSize = 11;    // points
    int topLines = 3;       // blank lines at the top of every page
    float leftMargin = 0;   // inches
    int orientation = 1;    // 1 portrait, 2 landscape
    int bold = 0;           // 2 bold, 0 or 1 not
};

struct DefaultPrintSettings {
    std::string code;
    PrintSettings settings;
};

// The report codes in the order start-up prepares them, with their defaults.
const std::vector<DefaultPrintSettings>& DefaultPrintSettingsTable();

// Only when all five keys are present and not empty.
std::optional<PrintSettings> LoadPrintSettings(const SettingsStore& store, const std::string& code);
void SavePrintSettings(SettingsStore& store, const std::string& code, const PrintSettings& settings);
// Writes the defaults of every code whose settings cannot be loaded or whose
// font size differs from the default, so a changed font size does not
// survive a restart. The calculation sheet only resets when its size grew
// past 9.5, and then with a half-inch margin.
void PreparePrintSettings(SettingsStore& store);

// The stored settings of `code`, else its defaults; a code without defaults
// takes those of "TMP".
PrintSettings PrintSettingsFor(const SettingsStore& store, const std::string& code);

// The paper every report prints on, one for all type codes: "A4" or
// "LETTER" under section "Settings", key "PaperSize". It is a key of its
// own beside the five of each type code, so settings stored before it
// existed load as they did; nothing stored (or a value not known) means
// the paper of the user's locale, which the printing side looks up.
enum class Paper { Locale, A4, Letter };
Paper LoadPaper(const SettingsStore& store);
void SavePaper(SettingsStore& store, Paper paper);

// A report wider than this prints at 8 points whatever its stored size.
constexpr int kWidestAtStoredSize = 104;
constexpr float kWideReportFontSize = 8;
float ReportFontSize(float storedSize, int lineWidth);

}  // namespace skitally
