// Barcode engine: BuildPattern for every symbology, the SSCC labels, painting into a display
// list, and libzint encoding the same symbols in the same run as the baseline.
//
//   bench_barcode --benchmark_filter='Sscc|Zint'     ours against zint
#include <benchmark/benchmark.h>
#include <zint.h>

#include <string>
#include <vector>

#include "barcode/barcode.h"
#include "gfx/display_list.h"

namespace {

using namespace lumaro;

// One symbol, as our engine takes it and as zint takes it.
struct Symbol {
    const char* name;
    TfrxBarcodeType type;
    const char* text;
    bool checksum;
    int zintSymbology;  // 0: zint has no equal
    const char* zintData;
    int zintOption2 = 0;
};

const Symbol kSymbols[] = {
    {"SSCC", bcCodeEAN128C, "0012345678901234567", true, BARCODE_GS1_128, "[00]001234567890123452"},
    {"EAN13", bcCodeEAN13, "590123412345", true, BARCODE_EANX, "590123412345"},
    {"EAN8", bcCodeEAN8, "9638507", true, BARCODE_EANX, "9638507"},
    {"UPC_A", bcCodeUPC_A, "03600029145", true, BARCODE_UPCA, "03600029145"},
    {"UPC_E0", bcCodeUPC_E0, "123456", true, BARCODE_UPCE, "0123456"},
    {"UPC_E1", bcCodeUPC_E1, "123453", true, BARCODE_UPCE, "1123453"},
    {"UPC_Supp2", bcCodeUPC_Supp2, "12", false, BARCODE_EANX, "12"},
    {"UPC_Supp5", bcCodeUPC_Supp5, "12345", false, BARCODE_EANX, "12345"},
    {"Code128A", bcCode128A, "LUMARO LOT-7", false, 0, nullptr},
    {"Code128B", bcCode128B, "Lumaro lot-7 b", false, BARCODE_CODE128, "Lumaro lot-7 b"},
    {"Code128C", bcCode128C, "12345678901234567890", false, BARCODE_CODE128, "12345678901234567890"},
    {"EAN128A", bcCodeEAN128A, "0012345678901234567", true, 0, nullptr},
    {"EAN128B", bcCodeEAN128B, "0012345678901234567", true, 0, nullptr},
    {"Code39", bcCode39, "LOT 12-A", false, BARCODE_CODE39, "LOT 12-A"},
    {"Code39Extended", bcCode39Extended, "Lumaro lot 7", false, BARCODE_EXCODE39, "Lumaro lot 7"},
    {"Code93", bcCode93, "LOT 12-A", false, BARCODE_CODE93, "LOT 12-A"},
    {"Code93Extended", bcCode93Extended, "Lumaro lot 7", false, BARCODE_CODE93, "Lumaro lot 7"},
    {"MSI", bcCodeMSI, "1234567", false, BARCODE_MSI_PLESSEY, "1234567", 1},
    {"PostNet", bcCodePostNet, "12345678901", true, BARCODE_POSTNET, "12345678901"},
    {"Codabar", bcCodeCodabar, "12-34$:/.+", false, BARCODE_CODABAR, "A12-34$:/.+B"},
    {"2_5_interleaved", bcCode_2_5_interleaved, "1234567890", false, BARCODE_C25INTER, "1234567890"},
    {"2_5_industrial", bcCode_2_5_industrial, "1234567890", false, BARCODE_C25IND, "1234567890"},
    {"2_5_matrix", bcCode_2_5_matrix, "1234567890", false, BARCODE_C25STANDARD, "1234567890"},
};

TfrxBarcode engineFor(const Symbol& s) {
    TfrxBarcode b;
    b.SetTyp(s.type);
    b.SetChecksum(s.checksum);
    b.SetText(s.text);
    return b;
}

// What the barcode object does per code: assign the text, encode.
void buildPattern(benchmark::State& state, const Symbol& s) {
    TfrxBarcode b = engineFor(s);
    for (auto _ : state) {
        b.SetText(s.text);
        benchmark::DoNotOptimize(b.BuildPattern());
    }
    state.SetItemsProcessed(state.iterations());
}

// zint's usual use: a fresh symbol per code.
void zintEncode(benchmark::State& state, const Symbol& s) {
    for (auto _ : state) {
        zint_symbol* z = ZBarcode_Create();
        z->symbology = s.zintSymbology;
        z->option_2 = s.zintOption2;
        if (ZBarcode_Encode(z, reinterpret_cast<const unsigned char*>(s.zintData), 0) >= ZINT_ERROR) {
            state.SkipWithError(z->errtxt);
            ZBarcode_Delete(z);
            break;
        }
        benchmark::DoNotOptimize(z->width);
        ZBarcode_Delete(z);
    }
    state.SetItemsProcessed(state.iterations());
}

// zint at its fastest: one symbol cleared and encoded again.
void zintEncodeReused(benchmark::State& state, const Symbol& s) {
    zint_symbol* z = ZBarcode_Create();
    for (auto _ : state) {
        ZBarcode_Clear(z);
        z->symbology = s.zintSymbology;
        z->option_2 = s.zintOption2;
        if (ZBarcode_Encode(z, reinterpret_cast<const unsigned char*>(s.zintData), 0) >= ZINT_ERROR) {
            state.SkipWithError(z->errtxt);
            break;
        }
        benchmark::DoNotOptimize(z->width);
    }
    ZBarcode_Delete(z);
    state.SetItemsProcessed(state.iterations());
}

// The SSCC labels: a new serial each time, check digit added.
void BM_SsccPattern(benchmark::State& state) {
    TfrxBarcode b;
    b.SetTyp(bcCodeEAN128C);
    b.SetChecksum(true);
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i) {
        std::string serial = std::to_string(35412340000000000LL + i * 7919LL);
        texts.push_back("00" + serial);
    }
    size_t i = 0;
    for (auto _ : state) {
        b.SetText(texts[i++ % texts.size()]);
        benchmark::DoNotOptimize(b.BuildPattern());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SsccPattern);

void paintTo(benchmark::State& state, const Symbol& s, double angle) {
    TfrxBarcode b = engineFor(s);
    b.SetAngle(angle);
    const int w = b.Width();
    const bool vertical = static_cast<int>(angle) % 180 != 0;
    const RectF rect = vertical ? RectF{0, 0, 80, double(w)} : RectF{0, 0, double(w), 80};
    for (auto _ : state) {
        DisplayList list;
        b.PaintTo(list, rect, true);
        benchmark::DoNotOptimize(list.commands().data());
    }
    state.SetItemsProcessed(state.iterations());
}

const int kRegistered = [] {
    for (const Symbol& s : kSymbols) {
        benchmark::RegisterBenchmark((std::string("BuildPattern/") + s.name).c_str(), buildPattern, s);
        if (s.zintSymbology) {
            benchmark::RegisterBenchmark((std::string("ZintEncode/") + s.name).c_str(), zintEncode, s);
            benchmark::RegisterBenchmark((std::string("ZintEncodeReused/") + s.name).c_str(), zintEncodeReused, s);
        }
    }
    benchmark::RegisterBenchmark("PaintTo/SSCC/0", paintTo, kSymbols[0], 0.0);
    benchmark::RegisterBenchmark("PaintTo/SSCC/90", paintTo, kSymbols[0], 90.0);
    benchmark::RegisterBenchmark("PaintTo/EAN13/0", paintTo, kSymbols[1], 0.0);
    return 0;
}();

}  // namespace
