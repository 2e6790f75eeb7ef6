#pragma once
// Window sizes and fonts of the label application's windows.
#include <QSize>

class QWidget;

namespace lumaro {

// Sets the size of the window including its frame. Until the window manager has framed the
// window the whole size goes to the client area; after the first show the client area is
// shrunk by the frame once.
void setOuterSize(QWidget* window, QSize outer);

// The windows' font: "MS Sans Serif" 8 pt (11 pixels high), falling back to the metric-
// compatible sans-serif fonts where that face is not installed.
void setLegacyFont(QWidget* window);

}  // namespace lumaro
