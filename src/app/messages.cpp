#include "app/messages.h"

#include "app/text_ids.h"
#include "app/text_table.h"
#include "util/tokens.h"

namespace skitally {

void ShowMessage(const AppContext& ctx, Operator& op, const std::string& text)
{
    op.Message({ctx.Text(text::kMessageTitle), text, {ctx.Text(text::kOkay)}, MessageIcon::Information});
}

bool AskYesNo(const AppContext& ctx, Operator& op, const std::string& text, bool normallyNo)
{
    MessageBox box{ctx.Text(text::kQueryTitle), text, {ctx.Text(text::kYes), ctx.Text(text::kNo)},
                   MessageIcon::Question, normallyNo ? 1 : 0};
    if (normallyNo)
        box.text += "\n" + ctx.Text(text::kNormallyNo);
    return op.Message(box) == 0;
}

std::optional<std::string> AskAllowed(const AppContext& ctx, Operator& op, const std::string& prompt,
                                      const std::vector<std::string>& allowed, const std::string& defaultText)
{
    std::string list;
    for (const std::string& value : allowed)
        list += (list.empty() ? "" : ", ") + value;
    for (;;) {
        auto answer = op.AskText({ctx.Text(text::kQueryTitle), prompt + " ( " + list + " )", defaultText, allowed});
        if (!answer)
            return std::nullopt;
        const std::string typed = ToUpper(Trim(*answer));
        for (const std::string& value : allowed)
            if (ToUpper(value) == typed)
                return value;
        op.Beep();
        op.Message({ctx.Text(text::kErrorTitle), ctx.Text(text::kResponseMustBe) + " " + list,
                    {ctx.Text(text::kOkay)}, MessageIcon::Exclamation});
    }
}

void ShowErrorMessage(const AppContext& ctx, Operator& op, const std::string& text)
{
    op.Beep();
    op.Message({ctx.Text(text::kErrorTitle), text, {ctx.Text(text::kOkay)}, MessageIcon::Exclamation});
}

void ShowNumberedError(const AppContext& ctx, Operator& op, int number)
{
    ShowErrorMessage(ctx, op, ctx.texts.ErrorText(number));
}

std::string FailureText(const AppContext& ctx, const Status& failed)
{
    switch (failed.failure()) {
    case Failure::TooManyFiles:
        return ctx.Text(text::kTooManyFiles);
    case Failure::CannotOpen:
        return ctx.Text(text::kCannotOpen);
    case Failure::CannotRead:
        return ctx.Text(text::kCannotRead);
    case Failure::CannotWrite:
        return ctx.Text(text::kCannotWrite);
    case Failure::UnknownLayout:
        return ctx.Text(text::kUnknownLayout);
    case Failure::OntoItself:
        return ctx.Text(text::kOntoItself);
    case Failure::Other:
        break;
    }
    return ctx.Text(text::kUnexpectedFailure);
}

void ShowFileFailure(const AppContext& ctx, Operator& op, int textId, const std::string& path,
                     const Status& failed)
{
    ShowMessage(ctx, op, FillPlaceholder(FillPlaceholder(ctx.Text(textId), "XnnnX", path), "XdddX",
                                         FailureText(ctx, failed)));
}

ErrorChoice ReportError(AppContext& ctx, Operator& op, int number, const std::string& description,
                        const std::string& place)
{
    ctx.log.Write("Error # " + std::to_string(number) + " " + description + " in " + place);
    op.Beep();
    const std::string message = ctx.Text(text::kErrorNumber) + std::to_string(number) + "  " + description +
                                "\n" + ctx.Text(text::kGeneratedBy) + " " + place + "\n\n" +
                                ctx.Text(text::kIgnoreWarning);
    const int chosen = op.Message({ctx.Text(text::kErrorTitle), message,
                                   {ctx.Text(text::kAbort), ctx.Text(text::kRetry), ctx.Text(text::kIgnore)},
                                   MessageIcon::Critical, 2});
    if (chosen == 0) {
        ctx.exitRequested = true;
        return ErrorChoice::Abort;
    }
    return chosen == 1 ? ErrorChoice::Retry : ErrorChoice::Ignore;
}

}  // namespace skitally
