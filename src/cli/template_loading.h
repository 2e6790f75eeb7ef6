#pragma once
// Loading a template for the lumaro-cli commands, without windows.
#include <string>

namespace lumaro {
class TfrxReport;
}

namespace lumaro::cli {

// Loads `file` into `report`, which gets the process host (font metrics, no windows); a
// password-protected template is opened with `password` when given (nullptr: none was given). Prints what went wrong, naming the file, and returns false
// when the file is no readable template; load errors are left in report.Errors().
bool loadTemplate(const std::string& file, const std::string* password, TfrxReport& report);

}  // namespace lumaro::cli
