// Reads arbitrary bytes as a template and draws every report page as designed, at two scales,
// onto a display list; picture objects also take the bytes as a data field, barcode objects as
// their text. Whatever sizes, widths, pictures and codes a template holds, nothing may crash,
// hang or leak, and the drawing stays bounded.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/error.h"
#include "core/stream.h"
#include "gfx/display_list.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/draw/template_page_drawing.h"
#include "report/views/draw_context.h"
#include "report/views/barcode_view.h"
#include "report/views/picture_view.h"

using namespace lumaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TfrxReport report;
    MemoryStream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        report.LoadFromStream(in);
    } catch (const std::exception&) {
        return 0;
    }
    for (TfrxComponent* c : report.AllObjects()) {
        auto* page = dynamic_cast<TfrxReportPage*>(c);
        if (!page) continue;
        arrangeTemplatePage(*page);
        for (const double scale : {1.0, 6.25}) {
            DisplayList list;
            // Barcodes whose text their symbology rejects raise; the rest of the page is drawn.
            drawTemplatePage({.canvas = list, .scaleX = scale, .scaleY = scale}, *page,
                             [](const TfrxView&, const std::exception&) {});
            if (list.commands().size() > 50'000'000) std::abort();
        }
    }
    for (TfrxComponent* c : report.AllObjects())
        if (auto* picture = dynamic_cast<TfrxPictureView*>(c)) {
            picture->loadFieldData(ByteSpan(data, size));
            DisplayList list;
            picture->Draw({.canvas = list});
        }
    for (TfrxComponent* c : report.AllObjects())
        if (auto* barcode = dynamic_cast<TfrxBarCodeView*>(c)) {
            barcode->SetText(std::string(reinterpret_cast<const char*>(data), size));
            DisplayList list;
            try {
                barcode->fitToCode();
                barcode->Draw({.canvas = list, .scaleX = 2, .scaleY = 2});
            } catch (const Exception&) {
                // a text the symbology rejects
            }
        }
    return 0;
}
