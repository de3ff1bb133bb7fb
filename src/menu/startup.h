#pragma once
// The program's start-up and shutdown, shared by the desktop program and
// the command-line program.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

struct StartupOptions {
    // The race named on the command line, with or without extension.
    std::optional<std::string> raceArgument;
    // A language chosen by the caller (`--lang`): used for this run and
    // stored when no language has been chosen yet, instead of asking.
    std::optional<int> language;
    // Shows the main window; start-up goes on with the command-line race
    // once the window is up.
    std::function<void()> showMainWindow;
};

enum class StartupOutcome { Running, Ended };

StartupOutcome Main(AppContext& ctx, Operator& op, const StartupOptions& options);

// "ARE YOU SURE YOU WISH TO EXIT SKITALLY"; true when the answer is Yes.
bool ConfirmExit(AppContext& ctx, Operator& op);
// Closes the open race and the debug log; false when the race's status
// file could not be written (the operator was told).
bool Shutdown(AppContext& ctx, Operator& op);

// The languages of the "Languages" setting ("01": English and French), as
// their names in the current language and, in the same order, their digits.
struct OfferedLanguages {
    std::vector<std::string> names;
    std::string digits;
};
OfferedLanguages LanguagesOffered(const AppContext& ctx, const std::string& offered);

// The codes whose files belong to a race when one is named on the command line.
bool IsRaceFileCode(const std::string& code);

// A bare race name ("GS1") that is not in the current folder is a race of
// the race folder, where races are kept.
std::string RaceArgumentPath(const AppContext& ctx, const std::string& argument);

}  // namespace skitally
