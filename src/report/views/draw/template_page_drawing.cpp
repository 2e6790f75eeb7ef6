#include "report/views/draw/template_page_drawing.h"

#include <cmath>

#include "core/number_text.h"
#include "core/text.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/draw/draw_tools.h"
#include "report/views/picture_view.h"

namespace lumaro {

namespace {

constexpr Color kBandOutline = rgb(176, 176, 176);
constexpr Color kBandName = rgb(128, 128, 128);

void drawBandOutline(Canvas& canvas, const TfrxBand& band, double scale, double offsetX, double offsetY) {
    const double x = draw::whole(offsetX + scale * band.AbsLeft());
    const double y = draw::whole(offsetY + scale * band.AbsTop());
    const double x1 = draw::whole(offsetX + scale * (band.AbsLeft() + band.Width()));
    const double y1 = draw::whole(offsetY + scale * (band.AbsTop() + band.Height()));
    canvas.setPen(Pen{kBandOutline, 1, PenStyle::Dot});
    canvas.setBrush(Brush{clWhite, BrushStyle::Clear});
    canvas.drawRect(RectF{x, y, x1 + 1, y1 + 1});
    // The name above the band where there is room, else inside it.
    FontSpec font;
    font.name = "Tahoma";
    font.pixelSize = 11 * scale;
    font.color = kBandName;
    const double above = y - std::ceil(font.pixelSize * 1.3) - 1;
    canvas.setFont(font);
    canvas.drawText({x + 2, above >= 0 ? above : y + 1}, band.Name());
}

bool visibleWithAncestors(const TfrxComponent& c, const TfrxComponent& page) {
    for (const TfrxComponent* p = &c; p && p != &page; p = p->Parent())
        if (!p->Visible()) return false;
    return true;
}

}  // namespace

int templatePageWidth(const TfrxReportPage& page, double scale) {
    return draw::whole(page.PaperWidth() * kMillimetreToPixels * scale);
}

int templatePageHeight(const TfrxReportPage& page, double scale) {
    return draw::whole(page.PaperHeight() * kMillimetreToPixels * scale);
}

void drawTemplatePage(Canvas& canvas, TfrxReportPage& page, double scale) {
    page.ArrangeChildren();
    const int width = templatePageWidth(page, scale), height = templatePageHeight(page, scale);
    canvas.fillRect(RectF{0, 0, double(width), double(height)}, clWhite);

    TfrxPictureView& background = page.BackPictureView();
    background.SetBounds(0, 0, width / scale, height / scale);
    background.Draw(canvas, scale, scale, 0, 0);

    const double offsetX = draw::whole(page.LeftMargin() * kMillimetreToPixels * scale);
    const double offsetY = draw::whole(page.TopMargin() * kMillimetreToPixels * scale);
    for (TfrxComponent* c : page.AllObjects()) {
        if (!visibleWithAncestors(*c, page)) continue;
        if (const auto* band = dynamic_cast<const TfrxBand*>(c))
            drawBandOutline(canvas, *band, scale, offsetX, offsetY);
        else if (auto* view = dynamic_cast<TfrxView*>(c))
            view->Draw(canvas, scale, scale, offsetX, offsetY);
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
