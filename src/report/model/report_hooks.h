#pragma once
// Points where the report calls into the windowing layer. The Qt layer installs them; headless
// programs leave them empty (no password can be given, errors are not shown, no preview or
// designer is available).
#include <functional>
#include <string>

namespace lumaro {

class TfrxReport;

struct ReportHooks {
    // Asks for a template's password (caption "Geslo", label "Vnesite geslo:", masked entry,
    // buttons "V redu" and "Prekliči"). Returns false when cancelled.
    std::function<bool(std::string& password)> askPassword;
    // Shows the collected errors once: frxGet("clErrors"), a line break and the error lines.
    std::function<void(const std::string& message)> showErrors;
    // Shows the report in a preview window (preparing it there).
    std::function<void(TfrxReport& report, bool clearPrepared)> showReport;
    // Opens the designer for the report and returns when it closes; the result says whether
    // the template was changed.
    std::function<bool(TfrxReport& report)> openDesigner;
    // Opens a web or "mailto:" address; false when nothing took it.
    std::function<bool(const std::string& address)> openUrl;
};

ReportHooks& reportHooks();

}  // namespace lumaro
