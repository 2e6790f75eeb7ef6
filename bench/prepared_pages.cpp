// The prepared pages of a label run: 10,000 labels of 8 per A4 page (1,250 pages), each label
// a band with ten objects. Figures per page and labels per CPU second, each against a baseline
// measured in the same run:
//   BM_AddPages     AddPage and AddObject of every label      "x_whole": against storing every
//                   printed band whole with the template serializer
//   BM_GetPage      rebuilding one page from its differences  "x_whole": against reading the
//                   same page stored whole (as an edited page is)
//   BM_Save/BM_Load the ".fp3" file of 1,250 pages            "x_xml": against the bare XML
//                   document's save and load of the same file
//   BM_FileCache    10,000 and 100,000 labels with the file cache: "heap_MB" the memory held at
//                   the end, "peak_heap_MB" the most held at any page
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <string>

#include "cpu_time.h"
#include "../tests/report/prepared_test_util.h"
#include "core/stream.h"
#include "report/serializer/serializer.h"
#include "report/xml/xml_document.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

using lumaro::bench::threadCpuSeconds;

constexpr int kLabels = 10000;
constexpr int kPerPage = 8;
constexpr int kPages = kLabels / kPerPage;

// CPU seconds per iteration of `body`; counters per page and per label, and the ratio to a
// baseline when there is one.
template <class F>
double measure(benchmark::State& state, int pages, double baseline, const char* ratioName, F body) {
    const double t0 = threadCpuSeconds();
    for (auto _ : state) body();
    const double perIteration = (threadCpuSeconds() - t0) / static_cast<double>(state.iterations());
    state.counters["us/page"] = perIteration / pages * 1e6;
    state.counters["labels/s"] = pages * kPerPage / perIteration;
    if (baseline > 0) state.counters[ratioName] = perIteration / baseline;
    return perIteration;
}

double wholeBandsSeconds = 0, wholePageSeconds = 0, xmlSaveSeconds = 0, xmlLoadSeconds = 0;

// The baseline of adding: every printed band stored whole, as the template serializer writes it.
void BM_AddPagesWhole(benchmark::State& state) {
    LabelTemplate t;
    wholeBandsSeconds = measure(state, kPages, 0, "", [&] {
        TfrxXMLDocument doc;
        TfrxXMLItem* page = nullptr;
        for (int i = 0; i < kLabels; ++i) {
            if (i % kPerPage == 0) page = doc.Root()->Add();
            t.sscc->SetText("(00) 38310293" + std::to_string(100000000 + i));
            componentToXML(*t.band, *page->Add(), true, false);
        }
        benchmark::DoNotOptimize(doc.Root()->Count());
    });
}

void BM_AddPages(benchmark::State& state) {
    LabelTemplate t;
    measure(state, kPages, wholeBandsSeconds, "x_whole", [&] {
        t.start();
        t.printLabels(kLabels, kPerPage);
        t.finish();
        benchmark::DoNotOptimize(t.pages().Count());
    });
    if (t.pages().Count() != kPages) state.SkipWithError("wrong page count");
}

// A prepared report of 1,250 pages, saved.
const std::string& preparedFile() {
    static const std::string text = [] {
        LabelTemplate t;
        t.run(kLabels, kPerPage);
        return t.saved();
    }();
    return text;
}

void BM_GetPageWhole(benchmark::State& state) {
    LabelTemplate t;
    t.run(kPerPage * 2, kPerPage);
    TfrxReportPage* page = t.pages().GetPage(1);
    TfrxXMLDocument doc;
    componentToXML(*page, *doc.Root(), true, false);
    wholePageSeconds = measure(state, 1, 0, "", [&] {
        TfrxReportPage copy;
        loadComponentFromXML(copy, *doc.Root());
        copy.ArrangeChildren();
        benchmark::DoNotOptimize(copy.Objects().size());
    });
}

void BM_GetPage(benchmark::State& state) {
    LabelTemplate t;
    t.run(kPerPage * 2, kPerPage);
    // While the engine runs, every request rebuilds the page.
    t.engine().SetRunning(true);
    measure(state, 1, wholePageSeconds, "x_whole",
            [&] { benchmark::DoNotOptimize(t.pages().GetPage(1)->Objects().size()); });
    t.engine().SetRunning(false);
}

void BM_XmlSave(benchmark::State& state) {
    TfrxXMLDocument doc;
    MemoryStream in(preparedFile());
    doc.LoadFromStream(in);
    MemoryStream out;
    xmlSaveSeconds = measure(state, kPages, 0, "", [&] {
        out.SetSize(0);
        out.SetPosition(0);
        doc.SaveToStream(out);
    });
}

void BM_Save(benchmark::State& state) {
    TfrxReport report;
    MemoryStream in(preparedFile());
    report.PreviewPages().LoadFromStream(in);
    MemoryStream out;
    measure(state, kPages, xmlSaveSeconds, "x_xml", [&] {
        out.SetSize(0);
        out.SetPosition(0);
        report.PreviewPages().SaveToStream(out);
    });
    state.counters["file_MB"] = static_cast<double>(out.data().size()) / 1048576.0;
    if (out.data() != preparedFile()) state.SkipWithError("saved file differs");
}

void BM_XmlLoad(benchmark::State& state) {
    MemoryStream in(preparedFile());
    xmlLoadSeconds = measure(state, kPages, 0, "", [&] {
        TfrxXMLDocument doc;
        in.SetPosition(0);
        doc.LoadFromStream(in);
        benchmark::DoNotOptimize(doc.Root()->Count());
    });
}

void BM_Load(benchmark::State& state) {
    MemoryStream in(preparedFile());
    measure(state, kPages, xmlLoadSeconds, "x_xml", [&] {
        TfrxReport report;
        in.SetPosition(0);
        report.PreviewPages().LoadFromStream(in);
        benchmark::DoNotOptimize(report.PreviewPages().Count());
    });
}

size_t heapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// 100,000 labels (12,500 pages) with the file cache: the heap the report holds at the end, and
// the same for 10,000 labels, so that the growth shows.
void BM_FileCache(benchmark::State& state) {
    const int labels = static_cast<int>(state.range(0));
    const auto run = [&](bool sample) {
        const size_t before = heapBytes();
        size_t most = before;
        LabelTemplate t;
        t.report.EngineOptions().SetUseFileCache(true);
        // Asking the allocator walks its heap: only in the run that is not timed.
        if (sample) t.report.OnProgress = [&](int, int) { most = std::max(most, heapBytes()); };
        t.run(labels, kPerPage);
        state.counters["heap_MB"] = static_cast<double>(heapBytes() - before) / 1048576.0;
        state.counters["peak_heap_MB"] = static_cast<double>(most - before) / 1048576.0;
    };
    measure(state, labels / kPerPage, 0, "", [&] { run(false); });
    run(true);
}

}  // namespace

BENCHMARK(BM_AddPagesWhole)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AddPages)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_GetPageWhole)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_GetPage)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_XmlSave)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_XmlLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_FileCache)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
