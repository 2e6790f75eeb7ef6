#pragma once
// Event adapters: one class per kind of host event. The host fires an event through the
// adapter installed for (object, event name) in the global event list; the adapter passes the
// arguments to the script procedure as Variants and copies by-reference arguments back.
// Shift states travel as integers holding the set's bits.
#include <cstdint>
#include <string>
#include <string_view>

#include "script/items/class_variable.h"
#include "script/items/custom_event.h"

namespace lumaro {

class TfsNotifyEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender);
};

class TfsMouseEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, int button, int shift, int x, int y);
};

class TfsMouseMoveEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, int shift, int x, int y);
};

class TfsKeyEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, uint16_t& key, int shift);
};

// The key is one character (UTF-8); the script may replace it.
class TfsKeyPressEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, std::string& key);
};

class TfsCloseEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, int& action);
};

class TfsCloseQueryEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, bool& canClose);
};

class TfsCanResizeEvent : public TfsCustomEvent {
public:
    using TfsCustomEvent::TfsCustomEvent;
    void Fire(Object* sender, int& newWidth, int& newHeight, bool& resize);
};

// The adapter class registered under its name ("TfsNotifyEvent" ...); empty when unknown.
TfsEventClass fsEventClassByName(std::string_view name);

}  // namespace lumaro
