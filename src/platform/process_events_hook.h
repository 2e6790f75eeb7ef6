#pragma once
// Points the core's message-processing hook (core/process_hook.h) at the Qt event loop, so
// that long loops of the reporting system keep windows repainting and cancel buttons working.
namespace lumaro {

void installProcessEventsHook();

}  // namespace lumaro
