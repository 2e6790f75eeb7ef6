#include "script/library/event_adapters.h"

#include "core/text.h"

namespace lumaro {
namespace {

Variant sender(Object* o) { return Variant(o); }

}  // namespace

void TfsNotifyEvent::Fire(Object* s) {
    std::vector<Variant> args{sender(s)};
    CallHandler(args);
}

void TfsMouseEvent::Fire(Object* s, int button, int shift, int x, int y) {
    std::vector<Variant> args{sender(s), button, shift, x, y};
    CallHandler(args);
}

void TfsMouseMoveEvent::Fire(Object* s, int shift, int x, int y) {
    std::vector<Variant> args{sender(s), shift, x, y};
    CallHandler(args);
}

void TfsKeyEvent::Fire(Object* s, uint16_t& key, int shift) {
    std::vector<Variant> args{sender(s), static_cast<int>(key), shift};
    CallHandler(args);
    key = static_cast<uint16_t>(args[1].toInt());
}

void TfsKeyPressEvent::Fire(Object* s, std::string& key) {
    std::vector<Variant> args{sender(s), key};
    CallHandler(args);
    const std::string k = args[1].toString();
    key = k.substr(0, utf8Offset(k, 1));
}

void TfsCloseEvent::Fire(Object* s, int& action) {
    std::vector<Variant> args{sender(s), action};
    CallHandler(args);
    action = args[1].toInt();
}

void TfsCloseQueryEvent::Fire(Object* s, bool& canClose) {
    std::vector<Variant> args{sender(s), canClose};
    CallHandler(args);
    canClose = args[1].toBool();
}

void TfsCanResizeEvent::Fire(Object* s, int& newWidth, int& newHeight, bool& resize) {
    std::vector<Variant> args{sender(s), newWidth, newHeight, resize};
    CallHandler(args);
    newWidth = args[1].toInt();
    newHeight = args[2].toInt();
    resize = args[3].toBool();
}

TfsEventClass fsEventClassByName(std::string_view name) {
    struct Row {
        const char* name;
        TfsEventClass make;
    };
    static const Row kAdapters[] = {
        {"TfsNotifyEvent", fsEventClass<TfsNotifyEvent>()},
        {"TfsMouseEvent", fsEventClass<TfsMouseEvent>()},
        {"TfsMouseMoveEvent", fsEventClass<TfsMouseMoveEvent>()},
        {"TfsKeyEvent", fsEventClass<TfsKeyEvent>()},
        {"TfsKeyPressEvent", fsEventClass<TfsKeyPressEvent>()},
        {"TfsCloseEvent", fsEventClass<TfsCloseEvent>()},
        {"TfsCloseQueryEvent", fsEventClass<TfsCloseQueryEvent>()},
        {"TfsCanResizeEvent", fsEventClass<TfsCanResizeEvent>()},
    };
    for (const Row& r : kAdapters)
        if (sameText(r.name, name)) return r.make;
    return {};
}

}  // namespace lumaro
