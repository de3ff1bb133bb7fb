#include "entries/field_parms.h"

#include <algorithm>

#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// UTF-8 continuation bytes belong to the character before them.
bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int CharacterCount(std::string_view text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

// Digits before and after the point from the position of "." (from 1).
void SetDigits(const std::string& format, int length, FieldParms& parms)
{
    const std::size_t point = format.find('.');
    if (point == std::string::npos) {
        parms.before = length;
        parms.after = 0;
        return;
    }
    parms.before = static_cast<int>(point);
    parms.after = std::max(0, length - static_cast<int>(point) - 1);
}

bool AcceptsNumberKey(const FieldParms& parms, std::string_view current, char key)
{
    const std::size_t point = current.find('.');
    if (key == '-')
        return current.empty();
    if (key == '.')
        return parms.kind != 4 && parms.after > 0 && point == std::string_view::npos;
    if (!IsDigit(key))
        return false;
    if (point != std::string_view::npos)
        return static_cast<int>(current.size() - point - 1) < parms.after;
    const auto digits = std::count_if(current.begin(), current.end(), IsDigit);
    return parms.before <= 0 || digits < parms.before;
}

int PartLimit(const FieldParms& parms, int part, bool& clock)
{
    // Kind 8 is all seconds; in 6 and 7 the leading part has the width the
    // format gives it and every later part is two clock digits.
    clock = false;
    if (parms.kind == 8)
        return parms.before;
    if (part == 0) {
        clock = parms.kind == 6;
        return parms.tenths;
    }
    clock = true;
    return 2;
}

bool AcceptsTimeKey(const FieldParms& parms, std::string_view current, char key)
{
    const std::size_t point = current.find('.');
    const int colons = static_cast<int>(std::count(current.begin(), current.end(), ':'));
    const std::size_t lastColon = current.rfind(':');
    const std::string_view part =
        lastColon == std::string_view::npos ? current : current.substr(lastColon + 1);
    if (key == '.')
        return parms.after > 0 && point == std::string_view::npos;
    if (key == ':') {
        const int allowed = parms.kind == 6 ? 1 : parms.kind == 7 ? 2 : 0;
        return point == std::string_view::npos && colons < allowed && !part.empty();
    }
    if (!IsDigit(key))
        return false;
    if (point != std::string_view::npos)
        return static_cast<int>(current.size() - point - 1) < parms.after;
    bool clock = false;
    const int limit = PartLimit(parms, colons, clock);
    if (limit > 0 && static_cast<int>(part.size()) >= limit)
        return false;
    if (clock) {
        const int value = std::stoi(std::string(part) + key);
        if (value > 59)
            return false;
    }
    return true;
}

}  // namespace

Status SetFldParms(const FieldTableRow& row, FieldParms& parms)
{
    parms = FieldParms();
    parms.prompt = row.prompt;
    parms.length = row.length;
    const std::string letter = ToUpper(Trim(row.type));
    if (letter == "A") {
        parms.kind = 0;
        parms.length = CharacterCount(row.format);
    } else if (letter == "N") {
        parms.kind = 3;
        SetDigits(row.format, row.length, parms);
    } else if (letter == "I") {
        parms.kind = 4;
        parms.before = row.length;
    } else if (letter == "D") {
        if (row.format.find('.') == std::string::npos)
            return Status::Fail("SetFldParms Error - Decimal Missing in 'D' cFLD$() Format");
        parms.kind = 5;
        SetDigits(row.format, row.length, parms);
    } else if (letter == "T") {
        if (row.format.find('.') == std::string::npos)
            return Status::Fail("SetFldParms Error - Decimal Missing in 'T' cFLD$() Format");
        const auto colons = std::count(row.format.begin(), row.format.end(), ':');
        parms.kind = colons == 0 ? 8 : colons == 1 ? 6 : 7;
        if (colons > 0)
            parms.tenths = static_cast<int>(row.format.find(':'));
        SetDigits(row.format, row.length, parms);
    } else {
        return Status::Fail("SetFldParms Error - UnKnown Field Type <" + row.type + ">");
    }
    return Status::Ok();
}

FieldKind FormKindOf(const FieldParms& parms)
{
    switch (parms.kind) {
    case 0:
        return FieldKind::Text;
    case 4:
        return FieldKind::Integer;
    case 3:
    case 5:
        return FieldKind::Decimal;
    default:
        return FieldKind::Time;
    }
}

bool AcceptsKey(const FieldParms& parms, std::string_view current, char key)
{
    if (parms.kind == 0) {
        if (IsContinuation(key))
            return !current.empty();
        if (static_cast<unsigned char>(key) < 32 || key == 127)
            return false;
        return parms.length <= 0 || CharacterCount(current) < parms.length;
    }
    if (parms.length > 0 && static_cast<int>(current.size()) >= parms.length)
        return false;
    if (parms.IsTime())
        return AcceptsTimeKey(parms, current, key);
    return AcceptsNumberKey(parms, current, key);
}

FilteredText ApplyTyping(const FieldParms& parms, std::string_view typed)
{
    FilteredText result;
    bool droppedLead = false;
    for (char key : typed) {
        // The rest of a character whose first byte was refused goes with it.
        if (IsContinuation(key) && droppedLead) {
            result.refused += key;
            continue;
        }
        droppedLead = false;
        if (AcceptsKey(parms, result.text, key)) {
            result.text += key;
        } else {
            result.refused += key;
            ++result.refusedKeys;
            droppedLead = !IsContinuation(key);
        }
    }
    return result;
}

std::string ToggleTimeFormat(std::string_view text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        return trimmed;
    const std::size_t point = trimmed.find('.');
    const int decimals = point == std::string::npos ? 2 : static_cast<int>(trimmed.size() - point - 1);
    const double seconds = TimeTextToSeconds(trimmed);
    if (trimmed.find(':') != std::string::npos)
        return FormatFixed(seconds, 1, decimals);
    return SecondsToClock(seconds, decimals);
}

}  // namespace skitally
