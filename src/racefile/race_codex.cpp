#include "racefile/race_codex.h"

#include <string>

#include "app/messages.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kFisCodexError = 77;       // "FIS Codex WRONG (CCCnnnn.TD#)"
constexpr int kNationalCodexError = 79;  // "National Codex WRONG (NATnnnn)"
constexpr int kBothGendersWarning = 4529;
constexpr int kChangeGenderQuestion = 4530;

// `pattern`: "C" an upper-case letter, "n" and "#" a digit, anything else itself.
bool Matches(std::string_view codex, std::string_view pattern)
{
    const std::string text = ToUpper(Trim(codex));
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (pattern[i]) {
        case 'C':
            if (c < 'A' || c > 'Z')
                return false;
            break;
        case 'n':
        case '#':
            if (c < '0' || c > '9')
                return false;
            break;
        default:
            if (c != pattern[i])
                return false;
        }
    }
    return true;
}

}  // namespace

bool IsFisCodex(std::string_view codex)
{
    return Matches(codex, "CCCnnnn.TD#");
}

bool IsNationalCodex(std::string_view codex)
{
    return Matches(codex, "NATnnnn");
}

int CodexErrorNumber(std::string_view codex, std::string_view raceLevel)
{
    const std::string level = ToUpper(Trim(raceLevel));
    if (level == "FIS")
        return IsFisCodex(codex) ? 0 : kFisCodexError;
    if (level == "NAT" || level.empty())
        return IsNationalCodex(codex) || IsRecreationalCodex(codex) ? 0 : kNationalCodexError;
    return 0;
}

bool CheckRaceCodex(const AppContext& ctx, Operator& op, std::string_view codex, std::string_view raceLevel)
{
    const int error = CodexErrorNumber(codex, raceLevel);
    if (error != 0)
        ShowNumberedError(ctx, op, error);
    return error == 0;
}

bool AskGenderChangeForCodex(const AppContext& ctx, Operator& op, std::string_view codex,
                             std::string_view gender)
{
    if (ToUpper(Trim(gender)) != "B" || IsRecreationalCodex(codex))
        return false;
    ShowMessage(ctx, op, ctx.Text(kBothGendersWarning));
    return AskYesNo(ctx, op, ctx.Text(kChangeGenderQuestion));
}

}  // namespace skitally
