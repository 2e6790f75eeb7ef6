// Reading and writing a 50 MB prepared-report document, against `xmllint --noout --stream` on
// the same file in the same run. The counter "x_xmllint" is our speed divided by xmllint's.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/stream.h"
#include "report/xml/xml_document.h"

using namespace lumaro;

namespace {

constexpr size_t kTargetBytes = 50u * 1024 * 1024;

// A prepared report: pages of bands, each band with text objects carrying short attributes.
const std::string& documentText() {
    static const std::string text = [] {
        TfrxXMLDocument doc;
        doc.SetAutoIndent(true);
        doc.Root()->SetName("preparedreport");
        TfrxXMLItem* pages = doc.Root()->Add();
        pages->SetName("previewpages");
        size_t bytes = 0;
        for (int p = 0; bytes < kTargetBytes; ++p) {
            TfrxXMLItem* page = pages->Add();
            page->SetName("page0");
            for (int b = 0; b < 20; ++b) {
                TfrxXMLItem* band = page->Add();
                band->SetName("b" + std::to_string(b % 3 + 1));
                band->SetText(" t=\"" + std::to_string(b * 20) + "\"");
                for (int o = 0; o < 10; ++o) {
                    TfrxXMLItem* m = band->Add();
                    m->SetName("m" + std::to_string(o + 1));
                    m->SetText(" l=\"" + std::to_string(o * 10) + "\" t=\"20\" w=\"100\" h=\"18\" Font.Name=\"Arial\" x=\"text " +
                               std::to_string(p * 1000 + b * 10 + o) + "\"");
                    bytes += m->Name().size() + m->Text().size() + 10;  // indentation, "<", "/>", CR LF
                }
            }
        }
        MemoryStream out;
        doc.SaveToStream(out);
        return out.data();
    }();
    return text;
}

const std::string& documentFile() {
    static const std::string name = [] {
        const std::string n = (std::filesystem::temp_directory_path() /
                               ("lumaro_bench_" + std::to_string(::getpid()) + ".fp3")).string();
        MemoryStream m(documentText());
        m.SaveToFile(n);
        std::atexit([] { std::filesystem::remove(documentFile()); });
        return n;
    }();
    return name;
}

double xmllintBytesPerSecond = 0;

void reportSpeed(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    if (xmllintBytesPerSecond > 0) {
        state.counters["x_xmllint"] = benchmark::Counter(
            static_cast<double>(bytes) / xmllintBytesPerSecond, benchmark::Counter::kIsIterationInvariantRate);
    }
}

void BM_XmllintStream(benchmark::State& state) {
    const std::string cmd = "xmllint --noout --stream '" + documentFile() + "'";
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) {
        state.SkipWithError("xmllint is not installed");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("xmllint failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    xmllintBytesPerSecond = static_cast<double>(documentText().size()) * static_cast<double>(state.iterations()) / seconds;
    reportSpeed(state, documentText().size());
}

void BM_ReadFromMemory(benchmark::State& state) {
    const std::string& text = documentText();
    MemoryStream in(text);
    for (auto _ : state) {
        TfrxXMLDocument doc;
        in.SetPosition(0);
        doc.LoadFromStream(in);
        benchmark::DoNotOptimize(doc.Root()->Count());
    }
    reportSpeed(state, text.size());
}

void BM_ReadFromFile(benchmark::State& state) {
    for (auto _ : state) {
        TfrxXMLDocument doc;
        doc.LoadFromFile(documentFile());
        benchmark::DoNotOptimize(doc.Root()->Count());
    }
    reportSpeed(state, documentText().size());
}

void BM_ReadPartially(benchmark::State& state) {
    // Every page marked ld="0": the pages stay in the file.
    static const std::string marked = [] {
        std::string t;
        const std::string& src = documentText();
        t.reserve(src.size() + src.size() / 100);
        size_t from = 0, at;
        while ((at = src.find("<page0>", from)) != std::string::npos) {
            t.append(src, from, at - from);
            t += "<page0 ld=\"0\">";
            from = at + 7;
        }
        t.append(src, from, std::string::npos);
        return t;
    }();
    for (auto _ : state) {
        TfrxXMLDocument doc;
        doc.LoadFromStream(std::make_unique<MemoryStream>(marked), true);
        benchmark::DoNotOptimize(doc.Root()->Count());
    }
    reportSpeed(state, marked.size());
}

TfrxXMLDocument& loadedDocument() {
    static TfrxXMLDocument doc;
    if (doc.Root()->Count() == 0) {
        doc.SetAutoIndent(true);
        MemoryStream in(documentText());
        doc.LoadFromStream(in);
    }
    return doc;
}

void BM_WriteToMemory(benchmark::State& state) {
    TfrxXMLDocument& doc = loadedDocument();
    MemoryStream out;  // reused: the writer is measured, not the growth of a fresh buffer
    for (auto _ : state) {
        out.SetSize(0);
        doc.SaveToStream(out);
        benchmark::DoNotOptimize(out.data().data());
    }
    reportSpeed(state, out.data().size());
}

void BM_WriteToFile(benchmark::State& state) {
    TfrxXMLDocument& doc = loadedDocument();
    const std::string name = documentFile() + ".out";
    for (auto _ : state) {
        FileStream out(name, FileStream::Mode::Create);
        doc.SaveToStream(out);
        out.flush();
    }
    std::filesystem::remove(name);
    reportSpeed(state, documentText().size());
}

}  // namespace

BENCHMARK(BM_XmllintStream)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ReadFromMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ReadFromFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ReadPartially)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_WriteToMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_WriteToFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
