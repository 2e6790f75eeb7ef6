// Loading and saving a generated template of 5,000 objects. The baselines are the bare XML
// parse and write of the same document in the same run: the counters "x_xml" say how many
// times longer the template operation takes than the XML step alone, "objects/s" how many
// objects it handles per CPU second (targets: 100,000 loading, 200,000 saving).
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "core/stream.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/barcode_view.h"
#include "report/views/memo_view.h"
#include "report/xml/xml_document.h"

using namespace lumaro;

namespace {

constexpr int kObjects = 5000;

template <class T>
T* add(TfrxComponent& parent, int number) {
    auto* c = new T();
    c->SetParent(&parent);
    c->SetName(c->BaseName() + std::to_string(number));
    return c;
}

// Pages of 5 bands with 19 text objects and one barcode each, until 5,000 objects exist.
void buildReport(TfrxReport& r) {
    int count = 0;
    while (count < kObjects) {
        auto* page = add<TfrxReportPage>(r, count);
        page->ApplyPrinterDefaults();
        ++count;
        for (int b = 0; b < 5 && count < kObjects; ++b) {
            auto* band = add<TfrxMasterData>(*page, count);
            band->SetBounds(0, b * 200.5, 718.1107, 190.25);
            ++count;
            for (int o = 0; o < 20 && count < kObjects; ++o, ++count) {
                if (o == 19) {
                    auto* code = add<TfrxBarCodeView>(*band, count);
                    code->SetBounds(10, 100, 156, 60);
                    code->SetBarType(bcCodeEAN128C);
                    code->SetExpression("<ssccod>");
                    continue;
                }
                auto* memo = add<TfrxMemoView>(*band, count);
                memo->SetBounds(o * 35.7, 3.77953, 34.5, 18.897);
                memo->SetText("Kos: [kos]\r\nLot: [lot] " + std::to_string(count));
                if (o % 3 == 0) memo->Font().SetStyle(1);
                if (o % 4 == 0) memo->Frame().SetTyp(15);
                memo->SetHAlign(o % 2 ? haRight : haLeft);
            }
        }
    }
}

const std::string& templateText() {
    static const std::string text = [] {
        TfrxReport r;
        buildReport(r);
        MemoryStream out;
        r.SaveToStream(out);
        return out.data();
    }();
    return text;
}

// Seconds per iteration of the baselines, measured first in the same run.
double xmlParseSeconds = 0, xmlWriteSeconds = 0;

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Runs `body` once per iteration; returns the CPU seconds per iteration and sets the counters:
// objects per CPU second and, against a baseline, the ratio of CPU times. CPU time, not wall
// time, because the build machine is shared and wall time there says little about the code.
template <class F>
double measure(benchmark::State& state, double baseline, F body) {
    const double t0 = threadCpuSeconds();
    for (auto _ : state) body();
    const double perIteration = (threadCpuSeconds() - t0) / static_cast<double>(state.iterations());
    state.counters["objects/s"] = static_cast<double>(kObjects) / perIteration;
    if (baseline > 0) state.counters["x_xml"] = perIteration / baseline;
    return perIteration;
}

void BM_XmlParse(benchmark::State& state) {
    MemoryStream in(templateText());
    xmlParseSeconds = measure(state, 0, [&] {
        TfrxXMLDocument doc;
        in.SetPosition(0);
        doc.LoadFromStream(in);
        benchmark::DoNotOptimize(doc.Root()->Count());
    });
}

void BM_LoadTemplate(benchmark::State& state) {
    MemoryStream in(templateText());
    measure(state, xmlParseSeconds, [&] {
        TfrxReport r;
        in.SetPosition(0);
        r.LoadFromStream(in);
        if (!r.Errors().empty()) state.SkipWithError("load errors");
        benchmark::DoNotOptimize(r.Objects().size());
    });
}

void BM_XmlWrite(benchmark::State& state) {
    TfrxXMLDocument doc;
    MemoryStream in(templateText());
    doc.LoadFromStream(in);
    doc.SetAutoIndent(true);
    MemoryStream out;
    xmlWriteSeconds = measure(state, 0, [&] {
        out.SetSize(0);
        doc.SaveToStream(out);
        benchmark::DoNotOptimize(out.data().data());
    });
}

void BM_SaveTemplate(benchmark::State& state) {
    TfrxReport r;
    MemoryStream in(templateText());
    r.LoadFromStream(in);
    MemoryStream out;
    measure(state, xmlWriteSeconds, [&] {
        out.SetSize(0);
        r.SaveToStream(out);
        benchmark::DoNotOptimize(out.data().data());
    });
    if (out.data() != templateText()) state.SkipWithError("saved text differs");
}

}  // namespace

BENCHMARK(BM_XmlParse)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LoadTemplate)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_XmlWrite)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SaveTemplate)->Unit(benchmark::kMillisecond)->MinTime(1.0);
