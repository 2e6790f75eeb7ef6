#pragma once
// What the host program provides to a report: dialogs, the preview and the designer, font
// metrics, message processing, opening addresses. The host installs one on each report it
// creates (TfrxReport::SetHost); a report nobody set one on has the headless host: no password
// can be given, errors are not shown, there is no preview or designer, and text is measured
// with the built-in metrics.
#include <functional>
#include <memory>
#include <string>

#include "gfx/font_metrics.h"

namespace lumaro {

class TfrxComponent;
class TfrxReport;

struct ReportHost {
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
    // Lets windows repaint and cancel buttons work during long loops.
    std::function<void()> processMessages;
    // Opens a web or "mailto:" address; false when nothing took it.
    std::function<bool(const std::string& address)> openUrl;
    // Measures text; null: the built-in metrics.
    std::shared_ptr<const FontMetrics> fontMetrics;

    const FontMetrics& metrics() const;
    // Runs processMessages when there is one.
    void pumpMessages() const;
};

// The host of objects that belong to no report (the process-wide text layout, a view
// drawn on its own): the one a ScopedProcessHost installed, else the headless host.
const ReportHost& processHost();

// The host of `component`'s report, or processHost() for a component outside any report.
const ReportHost& hostOf(const TfrxComponent& component);

// Installs `host` as processHost() for its lifetime, also as the core's message processing
// (core/process_hook.h) when it has processMessages; the previous ones come back when it
// ends. The host program makes one at start.
class ScopedProcessHost {
public:
    explicit ScopedProcessHost(ReportHost host);
    ~ScopedProcessHost();
    ScopedProcessHost(const ScopedProcessHost&) = delete;
    ScopedProcessHost& operator=(const ScopedProcessHost&) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

}  // namespace lumaro
