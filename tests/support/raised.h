#pragma once
// What a call raised, for tests that compare error texts: the message of the Exception, or
// the empty text when the call returned normally.
#include <functional>
#include <string>

#include "core/error.h"

namespace lumaro::testing {

inline std::string raisedMessage(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

// The same, prefixed with the exception's class name ("EListError: ...").
inline std::string raisedWithClass(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return std::string(e.className()) + ": " + e.message();
    }
    return {};
}

}  // namespace lumaro::testing
