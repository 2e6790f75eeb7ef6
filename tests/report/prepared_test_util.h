#pragma once
// A label template and a stand-in for the engine's calls to the prepared pages: labels printed
// band by band, a fixed number per page, each with its own text, as a label run makes them.
#include <memory>
#include <string>

#include "core/stream.h"
#include "report/engine/custom_engine.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/prepared/preview_pages.h"
#include "report/views/barcode_view.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"
#include "report/views/shape_view.h"

namespace lumaro::testing {

// One A4 page with a data band holding a label: six text objects, a shape, a line and a
// GS1-128 barcode.
struct LabelTemplate {
    TfrxReport report;
    TfrxReportPage* page = nullptr;
    TfrxMasterData* band = nullptr;
    TfrxMemoView* sscc = nullptr;
    TfrxMemoView* lot = nullptr;
    TfrxShapeView* frame = nullptr;
    TfrxBarCodeView* code = nullptr;

    template <class T>
    T* add(TfrxComponent& parent, const std::string& name) {
        auto* c = new T();
        c->SetParent(&parent);
        c->SetName(name);
        return c;
    }

    LabelTemplate() {
        page = add<TfrxReportPage>(report, "Page1");
        page->ApplyPrinterDefaults();
        band = add<TfrxMasterData>(*page, "MasterData1");
        band->SetBounds(0, 20, 718, 130);
        frame = add<TfrxShapeView>(*band, "Shape1");
        frame->SetBounds(2, 2, 350, 124);
        auto* rule = add<TfrxLineView>(*band, "Line1");
        rule->SetBounds(2, 60, 350, 0);
        sscc = add<TfrxMemoView>(*band, "Memo1");
        sscc->SetBounds(10, 66, 330, 20);
        sscc->SetText("(00) [ssccod]");
        sscc->SetHAlign(haCenter);
        lot = add<TfrxMemoView>(*band, "Memo2");
        lot->SetBounds(10, 90, 160, 16);
        lot->SetText("LOT: [lot]");
        const char* captions[] = {"Datum: [datum]", "Kos: [kos]", "EAN: [koda]", "Norvik"};
        for (int i = 0; i < 4; ++i) {
            auto* m = add<TfrxMemoView>(*band, "Memo" + std::to_string(i + 3));
            m->SetBounds(180 + (i % 2) * 85, 90 + (i / 2) * 16, 80, 16);
            m->SetText(captions[i]);
        }
        code = add<TfrxBarCodeView>(*band, "BarCode1");
        code->SetBounds(20, 6, 300, 50);
        code->SetExpression("<ssccod>");
    }

    TfrxPreviewPages& pages() { return report.PreviewPages(); }
    TfrxCustomEngine& engine() { return report.Engine(); }

    // Starts a run of one pass (the final one) as the engine does.
    void start(bool finalPass = true) {
        pages().Clear();
        engine().SetCurY(0);
        engine().SetRunning(true);
        engine().SetFinalPass(finalPass);
        pages().Initialize();
        pages().AddSourcePage(*page);
    }

    // Prints `count` labels, `perPage` on each page (the current page first, while it has
    // room), with texts made from `first` on; the template objects are restored after each
    // label, as the engine restores them.
    void printLabels(int count, int perPage = 8, int first = 1) {
        for (int i = 0; i < count; ++i) {
            if (pages().CurPage() < 0 || pages().GetCurPosition() >= perPage) {
                pages().AddPage(*page);
                engine().SetCurY(0);
            }
            const std::string ssccText = sscc->Text(), lotText = lot->Text();
            const double top = band->Top();
            band->SetTop(engine().CurY());
            sscc->SetText("(00) 38310293" + std::to_string(100000000 + first + i));
            lot->SetText("LOT: " + std::to_string(first + i));
            pages().AddObject(*band);
            engine().SetCurY(engine().CurY() + band->Height());
            band->SetTop(top);
            sscc->SetText(ssccText);
            lot->SetText(lotText);
        }
    }

    void finish() {
        pages().Finish();
        engine().SetRunning(false);
    }

    // A whole run: start, labels, finish.
    void run(int count, int perPage = 8) {
        start();
        printLabels(count, perPage);
        finish();
    }

    std::string saved() {
        MemoryStream out;
        pages().SaveToStream(out);
        return out.data();
    }
};

}  // namespace lumaro::testing
