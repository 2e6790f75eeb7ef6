#include "platform/process_events_hook.h"

#include <QCoreApplication>

#include "core/process_hook.h"

namespace lumaro {

void installProcessEventsHook() {
    setProcessMessagesHook([] {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    });
}

}  // namespace lumaro
