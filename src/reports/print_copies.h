#pragma once
// The number of copies to print when the printer dialog gave none.

#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// A whole number above 0, blanks around it allowed.
std::optional<int> ParseCopies(const std::string& text);

// "Enter the Number of Copies you Would Like", default "1". nullopt when
// cancelled or the answer is not a number above 0: nothing is printed.
std::optional<int> AskNumberOfCopies(const AppContext& ctx, Operator& op);

}  // namespace skitally
