#pragma once
// Long loops that belong to no report (a script's Application.ProcessMessages) call
// processMessages() so that windows can repaint and cancel buttons work. The host program
// installs what it does for the lifetime of a ScopedProcessMessagesHook; without one (headless
// runs) it does nothing. Reports have their own, in their host (report/model/report_host.h).
#include <functional>

namespace lumaro {

void processMessages();

// Installs `hook` for its lifetime; the hook before it comes back when it ends.
class ScopedProcessMessagesHook {
public:
    explicit ScopedProcessMessagesHook(std::function<void()> hook);
    ~ScopedProcessMessagesHook();
    ScopedProcessMessagesHook(const ScopedProcessMessagesHook&) = delete;
    ScopedProcessMessagesHook& operator=(const ScopedProcessMessagesHook&) = delete;

private:
    std::function<void()> previous_;
};

}  // namespace lumaro
