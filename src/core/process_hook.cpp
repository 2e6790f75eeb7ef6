#include "core/process_hook.h"

#include <utility>

namespace lumaro {

namespace {
std::function<void()>& hookSlot() {
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void setProcessMessagesHook(std::function<void()> hook) { hookSlot() = std::move(hook); }

void processMessages() {
    if (auto& hook = hookSlot()) hook();
}

}  // namespace lumaro
