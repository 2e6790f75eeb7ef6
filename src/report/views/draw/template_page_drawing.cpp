#include "report/views/draw/template_page_drawing.h"

#include <cmath>

#include "core/number_text.h"
#include "core/text.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/draw/draw_tools.h"
#include "report/views/picture_view.h"
#include "report/views/view.h"

namespace lumaro {

namespace {

constexpr Color kBandOutline = rgb(176, 176, 176);
constexpr Color kBandName = rgb(128, 128, 128);

// `paperTop` is the device position of the paper's top edge.
void drawBandOutline(const DrawContext& context, const TfrxBand& band, double paperTop) {
    Canvas& canvas = context.canvas;
    const double x = draw::whole(context.offsetX + context.scaleX * band.AbsLeft());
    const double y = draw::whole(context.offsetY + context.scaleY * band.AbsTop());
    const double x1 = draw::whole(context.offsetX + context.scaleX * (band.AbsLeft() + band.Width()));
    const double y1 = draw::whole(context.offsetY + context.scaleY * (band.AbsTop() + band.Height()));
    canvas.setPen(Pen{kBandOutline, 1, PenStyle::Dot});
    canvas.setBrush(Brush{clWhite, BrushStyle::Clear});
    canvas.drawRect(RectF{x, y, x1 + 1, y1 + 1});
    // The name above the band where there is room, else inside it.
    FontSpec font;
    font.name = "Tahoma";
    font.pixelSize = 11 * context.scaleY;
    font.color = kBandName;
    const double above = y - std::ceil(font.pixelSize * 1.3) - 1;
    canvas.setFont(font);
    canvas.drawText({x + 2, above >= paperTop ? above : y + 1}, band.Name());
}

bool visibleWithAncestors(const TfrxComponent& c, const TfrxComponent& page) {
    for (const TfrxComponent* p = &c; p && p != &page; p = p->Parent())
        if (!p->Visible()) return false;
    return true;
}

void drawView(const DrawContext& context, const TfrxView& view, const ViewDrawError& onError) {
    if (!onError) return view.Draw(context);
    try {
        view.Draw(context);
    } catch (const std::exception& e) {
        onError(view, e);
    }
}

}  // namespace

int templatePageWidth(const TfrxReportPage& page, double scale) {
    return draw::whole(page.PaperWidth() * kMillimetreToPixels * scale);
}

int templatePageHeight(const TfrxReportPage& page, double scale) {
    return draw::whole(page.PaperHeight() * kMillimetreToPixels * scale);
}

void arrangeTemplatePage(TfrxReportPage& page) {
    page.ArrangeChildren();
    page.BackPictureView().SetBounds(0, 0, page.PaperWidth() * kMillimetreToPixels,
                                     page.PaperHeight() * kMillimetreToPixels);
}

void drawTemplatePage(const DrawContext& context, const TfrxReportPage& page, const ViewDrawError& onError) {
    const double left = context.offsetX, top = context.offsetY;
    const int width = templatePageWidth(page, context.scaleX), height = templatePageHeight(page, context.scaleY);
    context.canvas.fillRect(RectF{left, top, left + width, top + height}, clWhite);
    page.BackPictureView().Draw(context);

    DrawContext inside = context;
    inside.offsetX = left + draw::whole(page.LeftMargin() * kMillimetreToPixels * context.scaleX);
    inside.offsetY = top + draw::whole(page.TopMargin() * kMillimetreToPixels * context.scaleY);
    for (const TfrxComponent* c : page.AllObjects()) {
        if (!visibleWithAncestors(*c, page)) continue;
        if (const auto* band = dynamic_cast<const TfrxBand*>(c)) drawBandOutline(inside, *band, top);
        else if (const auto* view = dynamic_cast<const TfrxView*>(c)) drawView(inside, *view, onError);
    }
}

TfrxReportPage* findReportPage(const TfrxReport& report, const std::string& nameOrNumber) {
    const std::optional<int32_t> number = tryStrToInt(nameOrNumber);
    int index = 0;
    for (TfrxComponent* c : report.Objects()) {
        auto* page = dynamic_cast<TfrxReportPage*>(c);
        if (!page) continue;
        ++index;
        if (number ? *number == index : sameText(page->Name(), nameOrNumber)) return page;
    }
    return nullptr;
}

}  // namespace lumaro
