#include "platform/process_events_hook.h"

#include <QCoreApplication>

namespace lumaro {

void processQtEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace lumaro
