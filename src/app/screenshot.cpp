#include "app/screenshot.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace lumaro {

namespace {
constexpr int kSettleMs = 500;
}

void scheduleScreenshotsIfAsked(QWidget& mainWindow, QWidget& aboutWindow) {
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    QTimer::singleShot(kSettleMs, &mainWindow, [&mainWindow, &aboutWindow, dir] {
        mainWindow.grab().save(QDir(dir).filePath(QStringLiteral("label-window.png")));
        aboutWindow.show();
        QTimer::singleShot(kSettleMs, &aboutWindow, [&aboutWindow, dir] {
            aboutWindow.grab().save(QDir(dir).filePath(QStringLiteral("about-window.png")));
            QApplication::quit();
        });
    });
}

}  // namespace lumaro
