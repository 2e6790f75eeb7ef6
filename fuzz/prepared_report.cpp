// Reads arbitrary bytes as a prepared report (".fp3"), then rebuilds, measures and draws every
// page onto a display list and asks what lies under a few points. A file that is refused
// leaves the pages empty; one that is read saves and reads back again. Nothing may crash, hang
// or leak, and the drawing stays bounded.
#include <cstdint>
#include <string>

#include "core/error.h"
#include "core/stream.h"
#include "fuzz_check.h"
#include "gfx/display_list.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/prepared/preview_pages.h"
#include "report/views/view.h"

using namespace lumaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TfrxReport report;
    TfrxPreviewPages& pages = report.PreviewPages();
    // Inputs of odd length are loaded partially: their pages marked ld="0" are read back from
    // the input when needed.
    auto in = std::make_unique<MemoryStream>(std::string(reinterpret_cast<const char*>(data), size));
    try {
        pages.LoadFromStream(std::move(in), size % 2 == 1);
    } catch (const Exception&) {
        CHECK(pages.Count() == 0 && pages.SourcePageCount() == 0 && pages.CurPage() == -1);
        return 0;
    }
    for (int i = 0; i < pages.Count(); ++i) {
        // A page that cannot be read back from the input is "Invalid file format".
        try {
            pages.GetPage(i);
        } catch (const Exception&) {
            continue;
        }
        const auto [width, height] = pages.GetPageSize(i);
        DisplayList list;
        pages.DrawPage(i, DrawContext{list}, [](const TfrxView&, const std::exception&) {});
        CHECK(list.commands().size() < 50'000'000);
        for (const double x : {0.0, 50.0, width / 2.0})
            for (const double y : {0.0, 50.0, height / 2.0})
                pages.ObjectOver(i, x, y, x == 50, mbLeft, 0, 1, 0, 0);
    }
    MemoryStream out;
    try {
        pages.SaveToStream(out);
    } catch (const Exception&) {
        return 0;  // an unloaded page that its input does not hold
    }
    TfrxReport again;
    MemoryStream back(out.data());
    again.PreviewPages().LoadFromStream(back);
    CHECK(again.PreviewPages().Count() == pages.Count());
    return 0;
}
