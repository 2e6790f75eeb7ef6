#include "script/items/custom_event.h"

#include <algorithm>

#include "core/text.h"
#include "script/items/proc_variable.h"

namespace lumaro {

TfsCustomEvent::TfsCustomEvent(Object* instance, TfsProcVariable* handler) : instance_(instance), handler_(handler) {}

TfsCustomEvent::~TfsCustomEvent() = default;

void TfsCustomEvent::CallHandler(std::vector<Variant>& args) {
    if (handler_) handler_->Call(args);
}

TfsCustomEvent* TfsEventList::Install(Object* instance, std::string_view eventName,
                                      std::unique_ptr<TfsCustomEvent> event) {
    const std::string name = upperCase(eventName);
    for (Entry& e : entries_)
        if (e.instance == instance && e.name == name) {
            e.event = std::move(event);
            return e.event.get();
        }
    entries_.push_back({instance, name, std::move(event)});
    return entries_.back().event.get();
}

void TfsEventList::Remove(Object* instance, std::string_view eventName) {
    const std::string name = upperCase(eventName);
    std::erase_if(entries_, [&](const Entry& e) { return e.instance == instance && e.name == name; });
}

TfsCustomEvent* TfsEventList::Find(const Object* instance, std::string_view eventName) const {
    const std::string name = upperCase(eventName);
    for (const Entry& e : entries_)
        if (e.instance == instance && e.name == name) return e.event.get();
    return nullptr;
}

bool TfsEventList::Fire(Object* instance, std::string_view eventName, std::vector<Variant>& args) {
    TfsCustomEvent* event = Find(instance, eventName);
    if (!event) return false;
    event->CallHandler(args);
    return true;
}

void TfsEventList::RemoveInstance(const Object* instance) {
    std::erase_if(entries_, [&](const Entry& e) { return e.instance == instance; });
}

void TfsEventList::RemoveHandler(const TfsProcVariable* handler) {
    std::erase_if(entries_, [&](const Entry& e) { return e.event && e.event->Handler() == handler; });
}

TfsEventList& fsEventList() {
    // Never destroyed: procedures of scripts freed at shutdown still unregister from it.
    static TfsEventList* list = new TfsEventList;
    return *list;
}

}  // namespace lumaro
