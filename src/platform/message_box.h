#pragma once
// Message boxes shown to the operator. Every box goes through one replaceable handler, so tests
// can see the texts and answer without a modal loop.
#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace lumaro {

struct MessageRequest {
    QWidget* parent = nullptr;
    QString title;  // empty: the title of the parent's window, else the application's name
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using MessageBoxHandler = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

// Shows the box (modal) and returns the button chosen.
QMessageBox::StandardButton showMessageBox(const MessageRequest& request);
// An error box with an OK button.
void showErrorMessage(QWidget* parent, const std::string& text);
// An information box with an OK button.
void showInformation(QWidget* parent, const std::string& text);

// Replaces how boxes are shown; an empty handler restores the modal QMessageBox.
// Returns the handler that was set before.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

// While it lives, boxes are recorded instead of shown and answered with `answer`.
class ScopedMessageBoxCapture {
public:
    explicit ScopedMessageBoxCapture(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~ScopedMessageBoxCapture();
    ScopedMessageBoxCapture(const ScopedMessageBoxCapture&) = delete;
    ScopedMessageBoxCapture& operator=(const ScopedMessageBoxCapture&) = delete;

    const std::vector<MessageRequest>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::vector<MessageRequest> shown_;
    MessageBoxHandler previous_;
};

}  // namespace lumaro
