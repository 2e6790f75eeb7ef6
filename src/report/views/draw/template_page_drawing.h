#pragma once
// A template page drawn as it is designed, without preparation: for looking at a template
// (lumaro-cli template render) and for the rendering gallery.
#include <string>

#include "gfx/canvas.h"

namespace lumaro {

class TfrxReport;
class TfrxReportPage;

// Size of the page's paper in output pixels at `scale`.
int templatePageWidth(const TfrxReportPage& page, double scale);
int templatePageHeight(const TfrxReportPage& page, double scale);

// Arranges the page's objects (Align), then draws the paper in white with the page's own
// background picture, colour and frame, each band as a light outline with its name, and every
// visible view of the page at its place inside the margins. Text and barcode objects draw
// nothing yet.
void drawTemplatePage(Canvas& canvas, TfrxReportPage& page, double scale);

// The report page named `nameOrNumber` (without regard to case), or the n-th report page
// when it is a number from 1; nullptr when there is none.
TfrxReportPage* findReportPage(const TfrxReport& report, const std::string& nameOrNumber);

}  // namespace lumaro
