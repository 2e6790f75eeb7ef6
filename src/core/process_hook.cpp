#include "core/process_hook.h"

#include <utility>

namespace lumaro {

namespace {
std::function<void()>& hookSlot() {
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void processMessages() {
    // A copy: the hook may end the scope that installed it.
    if (const std::function<void()> hook = hookSlot()) hook();
}

ScopedProcessMessagesHook::ScopedProcessMessagesHook(std::function<void()> hook)
    : previous_(std::exchange(hookSlot(), std::move(hook))) {}

ScopedProcessMessagesHook::~ScopedProcessMessagesHook() { hookSlot() = std::move(previous_); }

}  // namespace lumaro
