#pragma once
// Host events handled by script procedures. An event adapter (one class per event kind, in
// the library) turns the event's arguments into Variants and calls the script procedure
// through CallHandler. Every adapter lives in the process-wide event list, keyed by
// (instance, event name), where the host finds the handler of its object to fire it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/object.h"
#include "core/variant.h"

namespace lumaro {

class TfsProcVariable;

class TfsCustomEvent {
public:
    TfsCustomEvent(Object* instance, TfsProcVariable* handler);
    virtual ~TfsCustomEvent();
    Object* Instance() const { return instance_; }
    TfsProcVariable* Handler() const { return handler_; }
    // Calls the handler procedure with `args` in order; by-reference parameters are copied
    // back into `args`.
    void CallHandler(std::vector<Variant>& args);

private:
    Object* instance_;
    TfsProcVariable* handler_;
};

class TfsEventList {
public:
    // Keeps `event` as the handler of (instance, eventName), freeing a previous one.
    TfsCustomEvent* Install(Object* instance, std::string_view eventName, std::unique_ptr<TfsCustomEvent> event);
    void Remove(Object* instance, std::string_view eventName);
    TfsCustomEvent* Find(const Object* instance, std::string_view eventName) const;
    // Calls the handler of (instance, eventName) with `args`; false when none is installed.
    bool Fire(Object* instance, std::string_view eventName, std::vector<Variant>& args);
    // Forget every handler of a host object that goes away, or of a script procedure.
    void RemoveInstance(const Object* instance);
    void RemoveHandler(const TfsProcVariable* handler);
    int Count() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        Object* instance;
        std::string name;  // upper case
        std::unique_ptr<TfsCustomEvent> event;
    };
    std::vector<Entry> entries_;
};

TfsEventList& fsEventList();

}  // namespace lumaro
