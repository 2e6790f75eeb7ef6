// Drawing prepared pages, and what lies under the mouse in the preview.
#include <tuple>
#include <utility>

#include "core/number_text.h"
#include "core/text.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/prepared/preview_pages.h"
#include "report/views/memo_view.h"
#include "report/views/picture_view.h"

namespace lumaro {

namespace {

// Swaps the left and right margins of a page for the time it is drawn: pages with mirrored
// margins have them exchanged on every second page (odd indices).
class MirroredMargins {
public:
    MirroredMargins(TfrxReportPage& page, int index) : page_(page), on_(page.MirrorMargins() && index % 2 == 1) {
        if (on_) swap();
    }
    ~MirroredMargins() {
        if (on_) swap();
    }
    MirroredMargins(const MirroredMargins&) = delete;
    MirroredMargins& operator=(const MirroredMargins&) = delete;

private:
    void swap() {
        const double left = page_.LeftMargin();
        page_.SetLeftMargin(page_.RightMargin());
        page_.SetRightMargin(left);
    }
    TfrxReportPage& page_;
    bool on_;
};

// The device position of the printable area's top left corner.
std::pair<double, double> printableOrigin(const TfrxReportPage& page, double scaleX, double scaleY, double offsetX,
                                          double offsetY) {
    return {offsetX + page.LeftMargin() * kMillimetreToPixels * scaleX,
            offsetY + page.TopMargin() * kMillimetreToPixels * scaleY};
}

std::vector<TfrxView*> viewsOf(const TfrxReportPage& page) {
    std::vector<TfrxView*> views;
    for (TfrxComponent* c : page.AllObjects())
        if (auto* v = dynamic_cast<TfrxView*>(c)) views.push_back(v);
    return views;
}

}  // namespace

void TfrxPreviewPages::DrawPage(int index, const DrawContext& context, const ViewDrawError& onError) {
    TfrxReportPage* page = GetPage(index);
    if (!page) return;
    MirroredMargins mirrored(*page, index);
    DrawContext paper = context;
    paper.printing = context.printing || context.isPrinter();

    // The page's colour, frame and background picture cover the printable area.
    page->BackPictureView().SetBounds(
        page->LeftMargin() * kMillimetreToPixels, page->TopMargin() * kMillimetreToPixels,
        (page->PaperWidth() - page->LeftMargin() - page->RightMargin()) * kMillimetreToPixels,
        (page->PaperHeight() - page->TopMargin() - page->BottomMargin()) * kMillimetreToPixels);
    drawView(paper, page->BackPictureView(), onError);

    DrawContext inside = paper;
    std::tie(inside.offsetX, inside.offsetY) =
        printableOrigin(*page, context.scaleX, context.scaleY, context.offsetX, context.offsetY);
    const int totalPages = Count();
    for (TfrxView* view : viewsOf(*page)) {
        if (inside.printing && !view->Printable()) continue;
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(view)) memo->SetTotalPages(totalPages);
        drawView(inside, *view, onError);
    }
}

TfrxObjectOverResult TfrxPreviewPages::ObjectOver(int index, double x, double y, bool click, TMouseButton button,
                                                  int shift, double scale, double offsetX, double offsetY) {
    TfrxObjectOverResult result;
    TfrxReportPage* page = GetPage(index);
    if (!page) return result;
    TfrxView* hit = nullptr;
    {
        MirroredMargins mirrored(*page, index);
        const auto [ox, oy] = printableOrigin(*page, scale, scale, offsetX, offsetY);
        const std::vector<TfrxView*> views = viewsOf(*page);
        // The topmost view first.
        for (auto it = views.rbegin(); it != views.rend() && !hit; ++it) {
            const TfrxView& v = **it;
            const double left = ox + v.AbsLeft() * scale, top = oy + v.AbsTop() * scale;
            if (x >= left && x < left + v.Width() * scale && y >= top && y < top + v.Height() * scale) hit = *it;
        }
    }
    if (!hit) return result;
    result.hit = true;
    if (hit->Cursor() != crDefault) result.cursor = hit->Cursor();
    const std::string url = hit->URL();
    if (!url.empty()) {
        result.hint = url;
        if (result.cursor == crDefault) result.cursor = crHandPoint;
    }
    if (!click) {
        if (Report().OnMouseOverObject) Report().OnMouseOverObject(*hit);
        return result;
    }
    if (!url.empty() && url[0] == '@') {
        result.goToPage = true;
        result.page = strToIntDef(std::string_view(url).substr(1), 1) - 1;
    } else if (!url.empty() && url[0] == '#') {
        if (const auto anchor = FindAnchor(std::string_view(url).substr(1))) {
            result.goToPage = true;
            result.page = anchor->page;
            result.top = anchor->top;
        }
    } else if (!url.empty()) {
        Report().OpenURL(url);
    }
    bool modified = false;
    Report().DoPreviewClick(*hit, button, shift, modified);
    if (modified) {
        ModifyPage(index, *page);
        result.modified = true;
    }
    return result;
}

}  // namespace lumaro
