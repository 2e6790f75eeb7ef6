#include "app/report_dialogs.h"

#include <QApplication>
#include <QLineEdit>

#include "platform/message_box.h"
#include "platform/open_url.h"
#include "platform/process_events_hook.h"

namespace lumaro {

ReportHost desktopReportHost(std::shared_ptr<const FontMetrics> metrics) {
    ReportHost host;
    host.showErrors = showReportErrors;
    host.askPassword = askTemplatePassword;
    host.processMessages = processQtEvents;
    host.openUrl = [](const std::string& address) { return openUrl(QString::fromStdString(address)); };
    host.fontMetrics = std::move(metrics);
    return host;
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
