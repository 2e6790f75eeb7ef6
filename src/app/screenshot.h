#pragma once
// For checking the look of the windows: with LUMARO_SCREENSHOT_DIR set, the program saves
// label-window.png and about-window.png of its two windows into that folder and ends.
class QWidget;

namespace lumaro {

void scheduleScreenshotsIfAsked(QWidget& mainWindow, QWidget& aboutWindow);

}  // namespace lumaro
