#include "app/numeric_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QValidator>
#include <algorithm>

#include "app/numeric_text.h"
#include "platform/message_box.h"

namespace lumaro {

namespace {

// Lets through only texts the field accepts, also when text is pasted.
class NumericValidator : public QValidator {
public:
    explicit NumericValidator(NumericEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int&) const override {
        return isAcceptableNumericInput(input.toStdString(), edit_->allowsMinus()) ? Acceptable : Invalid;
    }

private:
    const NumericEdit* edit_;
};

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new NumericValidator(this));
    showValue();
}

void NumericEdit::setValue(double value) {
    value_ = hasRange() ? std::clamp(value, min_, max_) : value;
    showValue();
}

void NumericEdit::setRange(double minValue, double maxValue) {
    min_ = minValue;
    max_ = maxValue;
    setValue(value_);
}

std::string NumericEdit::editText() const { return editing_ ? text().toStdString() : numericEditText(value_); }

void NumericEdit::showValue() {
    setText(qs(editing_ ? numericEditText(value_) : numericDisplayText(value_)));
}

void NumericEdit::focusInEvent(QFocusEvent* event) {
    if (!editing_) {
        editing_ = true;
        showValue();
    }
    QLineEdit::focusInEvent(event);
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another application or a pop-up taking the focus does not leave the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    if (!editing_) return;
    if (!acceptTypedText()) return;
    editing_ = false;
    showValue();
}

bool NumericEdit::acceptTypedText() {
    const double typed = numericValueOfText(text().toStdString());
    if (hasRange() && (typed < min_ || typed > max_)) {
        // Focus changes are not taken back inside the focus-out handler; come back right after.
        QTimer::singleShot(0, this, &NumericEdit::refuseLeaving);
        return false;
    }
    value_ = hasRange() ? std::clamp(typed, min_, max_) : typed;
    return true;
}

void NumericEdit::refuseLeaving() {
    setFocus(Qt::OtherFocusReason);
    selectAll();
    showErrorMessage(window(), numericRangeMessage(min_, max_));
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        setText(qs(numericEditText(value_)));
        selectAll();
        event->accept();
        return;
    }
    QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed == "." || typed == ",") typed = qs(formatSettings().decimalSeparator);
    QString candidate = text();
    const int from = hasSelectedText() ? selectionStart() : cursorPosition();
    candidate.replace(from, hasSelectedText() ? selectedText().size() : 0, typed);
    if (!isAcceptableNumericInput(candidate.toStdString(), allowsMinus())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QKeyEvent mapped(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                     static_cast<ushort>(event->count()));
    QLineEdit::keyPressEvent(&mapped);
}

}  // namespace lumaro
