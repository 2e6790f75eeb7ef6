#include "platform/guarded_call.h"

#include <exception>

#include "platform/message_box.h"

namespace lumaro {

bool runGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        showErrorMessage(parent, e.what());
    }
    return false;
}

}  // namespace lumaro
