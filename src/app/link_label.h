#pragma once
// A label drawn as a link (RGB(0, 128, 255), underlined, hand cursor) that reports clicks.
#include <QLabel>

namespace lumaro {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lumaro
