// Calls that wait for the thread of another program's window (EnableWindow,
// SetWindowLong of the styles) are made by a helper thread, and we wait for
// them only briefly. There is one helper per target thread, taking its calls
// in the order they were asked: two quick toggles of a slow window land in
// that order, so the state the user chose last is the one that results.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>

namespace lumivex {

class TargetThreadCalls {
public:
    TargetThreadCalls();
    // Helpers stuck on a hung target are not waited for: each one goes
    // when its last call returns.
    ~TargetThreadCalls();
    TargetThreadCalls(const TargetThreadCalls&) = delete;
    TargetThreadCalls& operator=(const TargetThreadCalls&) = delete;

    // Runs call on the helper of targetThread, after every call asked of it
    // before, and waits at most waitMs for it. True when it ran in that time;
    // otherwise it still runs, whenever the target answers.
    bool Run(DWORD targetThread, std::function<void()> call, DWORD waitMs);

private:
    struct Helper;
    std::shared_ptr<Helper> HelperFor(DWORD targetThread);

    CRITICAL_SECTION lock_;
    std::map<DWORD, std::shared_ptr<Helper>> helpers_;
};

}  // namespace lumivex
