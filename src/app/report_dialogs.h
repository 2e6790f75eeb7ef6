#pragma once
// The windows the report asks for while it loads a template: the box with the collected
// errors and the password prompt of a protected template; and the host of the program's reports.
#include <QInputDialog>
#include <memory>
#include <string>

#include "report/model/report_host.h"

namespace lumaro {

// The host of the label program's reports: the password prompt and the error box below,
// `metrics` (the program's QtFontMetrics), Qt event processing and the desktop's handler of
// addresses.
ReportHost desktopReportHost(std::shared_ptr<const FontMetrics> metrics);

// The password prompt: caption "Geslo", label "Vnesite geslo:", masked entry, buttons
// "V redu" and "Prekliči".
std::unique_ptr<QInputDialog> makePasswordDialog(QWidget* parent);

// Asks for the password; false when cancelled.
bool askTemplatePassword(std::string& password);

// One error box with the message (the heading and the error lines).
void showReportErrors(const std::string& message);

}  // namespace lumaro
