// Taking the layout object. Its users all run on the GUI thread; a user that finds it taken
// waits and lets pending messages be processed meanwhile, so that the window stays alive.
#include <stdexcept>

#include "core/process_hook.h"
#include "report/layout/draw_text.h"

namespace lumaro {

void TfrxDrawText::Lock() {
    bool expected = false;
    if (!busy_.compare_exchange_strong(expected, true)) waitUntilFree();
    owner_ = std::this_thread::get_id();
}

void TfrxDrawText::Unlock() {
    owner_ = std::thread::id{};
    busy_ = false;
}

void TfrxDrawText::setMessageProcessing(std::function<void()> processMessages) {
    processMessages_ = std::move(processMessages);
}

void TfrxDrawText::waitUntilFree() {
    // The holder is further up this thread's own stack: it cannot go on before this call
    // returns, so waiting would never end.
    if (owner_.load() == std::this_thread::get_id())
        throw std::logic_error("The text layout is already in use by the code that called this");
    bool expected = false;
    while (!busy_.compare_exchange_weak(expected, true)) {
        expected = false;
        if (processMessages_) processMessages_();
        else processMessages();
        std::this_thread::yield();
    }
}

}  // namespace lumaro
