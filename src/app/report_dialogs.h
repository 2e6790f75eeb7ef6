#pragma once
// The windows the report asks for while it loads a template: the box with the collected
// errors and the password prompt of a protected template.
#include <QInputDialog>
#include <memory>
#include <string>

namespace lumaro {

// Points the report's error and password hooks at the functions below.
void installReportDialogs();

// The password prompt: caption "Geslo", label "Vnesite geslo:", masked entry, buttons
// "V redu" and "Prekliči".
std::unique_ptr<QInputDialog> makePasswordDialog(QWidget* parent);

// Asks for the password; false when cancelled.
bool askTemplatePassword(std::string& password);

// One error box with the message (the heading and the error lines).
void showReportErrors(const std::string& message);

}  // namespace lumaro
