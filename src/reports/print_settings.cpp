#include "reports/print_settings.h"

#include <charconv>

#include "util/tokens.h"

namespace skitally {
namespace {

const char* const kSection = "Settings";
const char* const kPaperKey = "PaperSize";

std::string NumberText(float value)
{
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

template <typename T>
bool ParseNumber(const std::string& text, T& value)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        return false;
    auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return ec == std::errc() && end == trimmed.data() + trimmed.size();
}

}  // namespace

const std::vector<DefaultPrintSettings>& DefaultPrintSettingsTable()
{
    static const std::vector<DefaultPrintSettings> table = {
        {"LST", {9, 3, 0, 1, 0}},   {"PTS", {9, 3, 0.5f, 1, 0}}, {"LBL", {11, 3, 0, 1, 0}},
        {"DLB", {11, 3, 0, 1, 0}},  {"CRD", {11, 0, 0, 1, 0}},   {"BRD", {40, 0, 0, 2, 2}},
        {"RN1", {9, 3, 0, 1, 0}},   {"RC1", {9, 3, 0, 1, 0}},    {"RN2", {9, 3, 0, 1, 0}},
        {"RC2", {9, 3, 0, 1, 0}},   {"SDW", {11, 3, 0, 1, 0}},   {"SMF", {11, 3, 0, 1, 0}},
        {"TRN", {9, 3, 0, 1, 0}},   {"CLC", {9.5f, 3, 0, 1, 0}}, {"UFC", {9, 3, 0, 1, 0}},
        {"OFC", {9, 3, 0, 1, 0}},   {"RGR", {8, 3, 0, 1, 0}},    {"TMP", {11, 3, 0, 1, 0}},
    };
    return table;
}

std::optional<PrintSettings> LoadPrintSettings(const SettingsStore& store, const std::string& code)
{
    PrintSettings settings;
    if (!ParseNumber(store.Get(kSection, code + "SzeFnt"), settings.fontSize) ||
        !ParseNumber(store.Get(kSection, code + "TopPge"), settings.topLines) ||
        !ParseNumber(store.Get(kSection, code + "LftMrg"), settings.leftMargin) ||
        !ParseNumber(store.Get(kSection, code + "PgeOrn"), settings.orientation) ||
        !ParseNumber(store.Get(kSection, code + "FntBld"), settings.bold))
        return std::nullopt;
    return settings;
}

void SavePrintSettings(SettingsStore& store, const std::string& code, const PrintSettings& settings)
{
    store.Set(kSection, code + "SzeFnt", NumberText(settings.fontSize));
    store.Set(kSection, code + "TopPge", std::to_string(settings.topLines));
    store.Set(kSection, code + "LftMrg", NumberText(settings.leftMargin));
    store.Set(kSection, code + "PgeOrn", std::to_string(settings.orientation));
    store.Set(kSection, code + "FntBld", std::to_string(settings.bold));
}

void PreparePrintSettings(SettingsStore& store)
{
    const SettingsBatch batch(store);
    for (const DefaultPrintSettings& entry : DefaultPrintSettingsTable()) {
        const std::optional<PrintSettings> stored = LoadPrintSettings(store, entry.code);
        PrintSettings reset = entry.settings;
        bool write = !stored;
        if (stored && entry.code == "CLC") {
            if (stored->fontSize > 9.5f) {
                write = true;
                reset.leftMargin = 0.5f;
            }
        } else if (stored && stored->fontSize != entry.settings.fontSize) {
            write = true;
        }
        if (write)
            SavePrintSettings(store, entry.code, reset);
    }
}

PrintSettings PrintSettingsFor(const SettingsStore& store, const std::string& code)
{
    if (const std::optional<PrintSettings> stored = LoadPrintSettings(store, code))
        return *stored;
    const DefaultPrintSettings* fallback = nullptr;
    for (const DefaultPrintSettings& entry : DefaultPrintSettingsTable()) {
        if (entry.code == code)
            return entry.settings;
        if (entry.code == "TMP")
            fallback = &entry;
    }
    return fallback ? fallback->settings : PrintSettings();
}

Paper LoadPaper(const SettingsStore& store)
{
    const std::string paper = ToUpper(Trim(store.Get(kSection, kPaperKey)));
    if (paper == "A4")
        return Paper::A4;
    return paper == "LETTER" ? Paper::Letter : Paper::Locale;
}

void SavePaper(SettingsStore& store, Paper paper)
{
    store.Set(kSection, kPaperKey, paper == Paper::A4 ? "A4" : paper == Paper::Letter ? "LETTER" : "");
}

float ReportFontSize(float storedSize, int lineWidth)
{
    return lineWidth > kWidestAtStoredSize ? kWideReportFontSize : storedSize;
}

}  // namespace skitally
