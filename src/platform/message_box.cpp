#include "platform/message_box.h"

#include <QApplication>
#include <QWidget>
#include <utility>

namespace lumaro {

namespace {

MessageBoxHandler& handlerSlot() {
    static MessageBoxHandler handler;
    return handler;
}

QString defaultTitle(const QWidget* parent) {
    if (parent && !parent->window()->windowTitle().isEmpty()) return parent->window()->windowTitle();
    return QGuiApplication::applicationDisplayName();
}

QMessageBox::StandardButton showModal(const MessageRequest& r) {
    QMessageBox box(r.icon, r.title.isEmpty() ? defaultTitle(r.parent) : r.title, r.text, r.buttons, r.parent);
    if (r.defaultButton != QMessageBox::NoButton) box.setDefaultButton(r.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showWithOk(QWidget* parent, const std::string& text, QMessageBox::Icon icon) {
    MessageRequest r;
    r.parent = parent;
    r.text = QString::fromStdString(text);
    r.icon = icon;
    showMessageBox(r);
}

}  // namespace

QMessageBox::StandardButton showMessageBox(const MessageRequest& request) {
    if (const auto& handler = handlerSlot()) return handler(request);
    return showModal(request);
}

void showErrorMessage(QWidget* parent, const std::string& text) { showWithOk(parent, text, QMessageBox::Critical); }

void showInformation(QWidget* parent, const std::string& text) {
    showWithOk(parent, text, QMessageBox::Information);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

ScopedMessageBoxCapture::ScopedMessageBoxCapture(QMessageBox::StandardButton answer) {
    previous_ = setMessageBoxHandler([this, answer](const MessageRequest& r) {
        shown_.push_back(r);
        return answer;
    });
}

ScopedMessageBoxCapture::~ScopedMessageBoxCapture() { setMessageBoxHandler(std::move(previous_)); }

}  // namespace lumaro
