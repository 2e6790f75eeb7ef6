#pragma once
// The parts of the report script library (report_script_library.h), each registering into
// the script it is given.
#include <string>

#include "script/script.h"

namespace lumaro {

void registerReportFunctions(TfsScript& script);
void registerReportScriptClasses(TfsScript& script);

// Run-time errors of members that need a running report or a part of the engine that does
// not exist yet; `member` is "Class.Member" or a function name.
[[noreturn]] void raiseNotRunning(const std::string& member);
[[noreturn]] void raiseNotAvailable(const std::string& member);

}  // namespace lumaro
