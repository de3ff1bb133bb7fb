// Any bytes as an answers file: split into answers and put to each kind of
// question, they answer it or end the script with a ScriptError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/scripted_operator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skitally;
    ScriptedOperator op(AnswerLines(std::string_view(reinterpret_cast<const char*>(data), size)));
    try {
        op.Message({"Skitally Query", "Go on?", {"&Yes", "&No", "&Cancel"}});
        op.AskText({"Skitally Query", "Runs", "", {"1", "2"}});
        op.Choose({"Skitally Query", "Which", {"FIS", "NAT"}});
        op.PickRows({"Pick", {"Name"}, {{"A"}, {"B"}, {"C"}}, {}});
        FieldForm form{"Form", {{"points", "POINTS", "", 7, FieldKind::Decimal, ""}}};
        op.EditForm(form);
        op.PickFile({"File", "Race Files(*.RCR)|*.RCR", "/races/", "", false});
    } catch (const ScriptError&) {
    }
    return 0;
}
