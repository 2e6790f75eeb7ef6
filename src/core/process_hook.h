#pragma once
// Long loops (preparing, printing, loading prepared reports) call processMessages() between
// steps so that a window can repaint and a cancel button works. The Qt layer installs a hook;
// headless runs leave it empty.
#include <functional>

namespace lumaro {

void setProcessMessagesHook(std::function<void()> hook);
void processMessages();

}  // namespace lumaro
