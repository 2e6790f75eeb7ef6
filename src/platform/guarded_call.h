#pragma once
// Runs an operator command so that a failure ends only the command: the error's message is
// shown in an error box and the window stays usable, as with an unhandled error of any
// command of the application.
#include <functional>

class QWidget;

namespace lumaro {

// Returns false when `command` failed (after showing the message).
bool runGuarded(QWidget* parent, const std::function<void()>& command);

}  // namespace lumaro
