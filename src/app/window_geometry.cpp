#include "app/window_geometry.h"

#include <QEvent>
#include <QFont>
#include <QTimer>
#include <QWidget>

namespace lumaro {

namespace {

// Shrinks the client area by the frame once the window is shown and framed.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) QTimer::singleShot(0, this, [this] { adjust(); });
        return false;
    }

private:
    void adjust() {
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (frame.width() <= 0 && frame.height() <= 0) return;  // not framed (yet)
        window_->resize(outer_ - frame);
        window_->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
    QSize outer_;
};

}  // namespace

void setOuterSize(QWidget* window, QSize outer) {
    window->resize(outer);
    new OuterSizeKeeper(window, outer);
}

void setLegacyFont(QWidget* window) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(11);
    window->setFont(f);
}

}  // namespace lumaro
