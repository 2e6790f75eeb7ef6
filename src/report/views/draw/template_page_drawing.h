#pragma once
// A template page drawn as it is designed, without preparation: for looking at a template
// (lumaro-cli template render) and for the rendering gallery.
#include <exception>
#include <functional>
#include <string>

#include "report/views/draw_context.h"

namespace lumaro {

class TfrxReport;
class TfrxReportPage;
class TfrxView;

// Size of the page's paper in output pixels at `scale`.
int templatePageWidth(const TfrxReportPage& page, double scale);
int templatePageHeight(const TfrxReportPage& page, double scale);

// Arranges the page's objects (Align) and sizes its background picture to the paper.
void arrangeTemplatePage(TfrxReportPage& page);

// Draws the paper in white with the page's own background picture, colour and frame, each band
// as a light outline with its name, and every visible view of the page at its place inside the
// margins, at the context's scales (its offsets are where the paper's corner goes). Text objects
// draw nothing yet. An object that raises while it is drawn (a barcode whose text its symbology
// rejects) ends the drawing with that error, or, with `onError`, is reported there and the
// drawing goes on with the next object.
using ViewDrawError = std::function<void(const TfrxView& view, const std::exception& error)>;
void drawTemplatePage(const DrawContext& context, const TfrxReportPage& page, const ViewDrawError& onError = {});

// The report page named `nameOrNumber` (without regard to case), or the n-th report page
// when it is a number from 1; nullptr when there is none.
TfrxReportPage* findReportPage(const TfrxReport& report, const std::string& nameOrNumber);

}  // namespace lumaro
