// Program start: the label job window, the hidden about window, the message loop.
#include <QApplication>

#include "app/about_window.h"
#include "app/label_window.h"
#include "app/report_dialogs.h"
#include "app/screenshot.h"
#include "platform/locale_settings.h"
#include "platform/qt_font_metrics.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("lumaro"));
    lumaro::loadSystemFormatSettings();
    // One set of font metrics for every report, so that each face is measured once; the same
    // host for what belongs to no report (the shared text layout, a script's ProcessMessages).
    const auto metrics = std::make_shared<const lumaro::QtFontMetrics>();
    const lumaro::ScopedProcessHost processHost(lumaro::desktopReportHost(metrics));

    lumaro::TForm1 form(
        lumaro::TForm1::Options{.singleInstance = true, .reportHost = lumaro::desktopReportHost(metrics)});
    if (form.anotherInstanceRuns()) return 0;  // the running one came to the front
    lumaro::Tfinfo about;
    form.setAboutWindow(&about);
    form.show();
    lumaro::scheduleScreenshotsIfAsked(form, about);
    return app.exec();
}
