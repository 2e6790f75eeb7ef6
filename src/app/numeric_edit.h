#pragma once
// A numeric field: holds a floating-point value, shows it with thousands separators while it
// is not being edited and as a plain number (at most two decimals, empty for 0) while it is.
// Typing "." or "," enters the decimal separator; anything that would not leave a number is
// refused with a beep; Escape restores the text of the current value. A field with a range
// (different limits) refuses to be left with a value outside it.
#include <QLineEdit>
#include <string>

namespace lumaro {

class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(QWidget* parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);
    // Equal limits mean no range.
    void setRange(double minValue, double maxValue);
    double minValue() const { return min_; }
    double maxValue() const { return max_; }
    bool hasRange() const { return min_ != max_; }
    // A minus sign is refused when the lower limit is at least 0 and the upper one above 0.
    bool allowsMinus() const { return !(min_ >= 0 && max_ > 0); }

    // The text the window reads: what is being typed while the field is edited, otherwise the
    // value written with at most two decimals (empty for 0).
    std::string editText() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showValue();
    // Takes the typed text as the value when leaving; false (and a message) when it is out of
    // range, in which case the field keeps the focus.
    bool acceptTypedText();
    void refuseLeaving();

    double value_ = 0;
    double min_ = 0;
    double max_ = 0;
    bool editing_ = false;
};

}  // namespace lumaro
