#pragma once
// The report classes, constants, enumerations and functions of the global script.
//
// frxRegisterReportScriptLibrary installs the published-property source of the object model
// (published_properties.h) and registers the library into fsGlobalUnit() with its own
// added-by owner. It runs once per process; later calls return at once. The TfrxReport
// constructor calls it, so every program that builds a report has the library; a host that
// runs report scripts without a report calls it itself before compiling them. It holds no
// static registrar object, so nothing of it runs during static initialisation.
namespace lumaro {

void frxRegisterReportScriptLibrary();

// The added-by owner of the library's items in the global script.
const void* reportScriptLibraryOwner();

}  // namespace lumaro
