#include "app/report_dialogs.h"

#include <QApplication>
#include <QLineEdit>

#include "platform/message_box.h"
#include "report/model/report_hooks.h"

namespace lumaro {

void installReportDialogs() {
    ReportHooks& hooks = reportHooks();
    hooks.showErrors = showReportErrors;
    hooks.askPassword = askTemplatePassword;
}

std::unique_ptr<QInputDialog> makePasswordDialog(QWidget* parent) {
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(QStringLiteral("Geslo"));
    dialog->setLabelText(QStringLiteral("Vnesite geslo:"));
    dialog->setTextEchoMode(QLineEdit::Password);
    dialog->setOkButtonText(QStringLiteral("V redu"));
    dialog->setCancelButtonText(QString::fromUtf8("Prekliči"));
    return dialog;
}

bool askTemplatePassword(std::string& password) {
    const auto dialog = makePasswordDialog(QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted) return false;
    password = dialog->textValue().toStdString();
    return true;
}

void showReportErrors(const std::string& message) { showErrorMessage(QApplication::activeWindow(), message); }

}  // namespace lumaro
