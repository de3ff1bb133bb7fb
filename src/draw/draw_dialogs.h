#pragma once
// The boxes of the draw. They look like the system's other boxes, but a
// draw tells a cancelled box from a No: cancelling anywhere stops the draw
// with nothing written.

#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

enum class Answer { Yes, No, Cancel };

// "Skitally Query" with "&Yes" and "&No" (as AskYesNo).
Answer AskDraw(const AppContext& ctx, Operator& op, const std::string& text, bool normallyNo = false);
// "Skitally Message" with the one button "C&ontinue"; false when the box
// was closed another way.
bool ContinueBox(const AppContext& ctx, Operator& op, const std::string& text);
// "Error Message" with the exclamation sound.
void Refuse(const AppContext& ctx, Operator& op, const std::string& text);

// A typed whole number from `low` to `high`; anything else is refused with
// "ENTER A WHOLE NUMBER FROM low TO high" and asked again. An empty answer
// takes `defaultText`. nullopt when cancelled.
std::optional<int> AskWholeNumber(const AppContext& ctx, Operator& op, const std::string& title,
                                  const std::string& prompt, const std::string& defaultText, int low, int high);

// The whole number a typed text holds: digits only, blanks around ignored.
std::optional<int> ParseWholeNumber(const std::string& text);

// "< 15 >": values are shown between angle brackets.
std::string Angled(const std::string& value);
std::string Angled(int value);

}  // namespace skitally
