#pragma once
// Message processing for the long loops of the reporting system: runs the pending events of
// the Qt event loop, so that windows keep repainting and cancel buttons work. Hosts install it
// as their processMessages.
namespace lumaro {

// Does nothing without an application object.
void processQtEvents();

}  // namespace lumaro
