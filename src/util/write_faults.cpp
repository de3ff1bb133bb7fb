#include "util/write_faults.h"

#include <cstdlib>

namespace skitally {
namespace {

struct FaultState {
    WriteFault fault;
    long long steps = 0;
    bool fired = false;
};

FaultState& State()
{
    static FaultState state = [] {
        FaultState initial;
        if (const char* text = std::getenv("SKITALLY_FAULT"))
            initial.fault = ParseWriteFault(text);
        return initial;
    }();
    return state;
}

}  // namespace

WriteFault ParseWriteFault(const std::string& text)
{
    WriteFault fault;
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return fault;
    const std::string kind = text.substr(0, colon);
    const std::string number = text.substr(colon + 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos || number.size() > 15)
        return fault;
    const long long at = std::stoll(number);
    if (at < 1)
        return fault;
    if (kind == "fail")
        fault.kind = WriteFaultKind::Fail;
    else if (kind == "abort")
        fault.kind = WriteFaultKind::Abort;
    else
        return fault;
    fault.at = at;
    return fault;
}

void SetWriteFault(const WriteFault& fault)
{
    FaultState& state = State();
    state.fault = fault;
    state.steps = 0;
    state.fired = false;
}

long long WriteStepsTaken()
{
    return State().steps;
}

bool WriteFaultFired()
{
    return State().fired;
}

Status WriteStep(const std::string& path)
{
    FaultState& state = State();
    ++state.steps;
    if (state.fault.kind == WriteFaultKind::None || state.steps != state.fault.at)
        return Status::Ok();
    state.fired = true;
    // No destructors, no buffers flushed: what a kill leaves behind.
    if (state.fault.kind == WriteFaultKind::Abort)
        std::_Exit(kWriteFaultExitCode);
    return Status::Fail(Failure::CannotWrite, path + ": No space left on device");
}

}  // namespace skitally
