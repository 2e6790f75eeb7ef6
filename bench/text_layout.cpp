// Text layout of a label: laying out and measuring a three-line wrapped text, and drawing it
// into a display list, against Qt's QTextLayout laying out the same text in the same width,
// in the same run. Both measure with the installed fonts (Arial as Liberation Sans); in 170
// pixels the text makes three lines in both.
//
//   bench_text_layout                     all three
//   QT_QPA_PLATFORM=offscreen is set by the program itself.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QTextLayout>
#include <QTextOption>
#include <memory>
#include <string>
#include <vector>

#include "gfx/display_list.h"
#include "platform/qt_font_metrics.h"
#include "report/layout/draw_text.h"
#include "report/model/font.h"

namespace {

using namespace lumaro;

const std::string kLabel = "SSCC 003831234567890123 / Lot A12 / 10 kos, 17.05.2010";
constexpr double kWidth = 170;  // report pixels: the text makes three lines
constexpr int kPoints = 10;

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "bench_text_layout";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* instance = new QGuiApplication(argc, argv);
    return *instance;
}

// The layout object as a text object sets it up, once per call.
struct Label {
    TfrxDrawText dt;
    TfrxFont font;
    Label() {
        app();
        dt.setFontMetrics(std::make_shared<QtFontMetrics>());
        font.SetName("Arial");
        font.SetSize(kPoints);
        layOut();  // loads the font before timing starts
    }
    void layOut() {
        dt.SetFont(font);
        dt.SetOptions(true, false, 0, true, false, false);
        dt.SetGaps(2, 0, 0);
        const RectF box{0, 0, kWidth, 100};
        dt.SetDimensions(box, box, 1, 1);
        dt.SetText({kLabel});
    }
};

void LumaroLayoutAndMeasure(benchmark::State& state) {
    Label label;
    double sum = 0;
    for (auto _ : state) {
        label.layOut();
        sum += label.dt.CalcHeight() + label.dt.CalcWidth();
        benchmark::DoNotOptimize(sum);
    }
    if (label.dt.lines().size() != 3) state.SkipWithError("the label should make three lines");
}
BENCHMARK(LumaroLayoutAndMeasure);

void LumaroLayoutAndDraw(benchmark::State& state) {
    Label label;
    DisplayList list;
    for (auto _ : state) {
        list.clear();
        label.layOut();
        label.dt.DrawText(list, haLeft, vaTop);
        benchmark::DoNotOptimize(list.commands().data());
    }
    if (label.dt.lines().size() != 3) state.SkipWithError("the label should make three lines");
}
BENCHMARK(LumaroLayoutAndDraw);

// The baseline: QTextLayout wrapping the same text in the same width and measuring it.
void QtTextLayout(benchmark::State& state) {
    app();
    QFont font("Arial");
    font.setPixelSize(13);  // 10 points at 96 pixels per inch
    const QString text = QString::fromStdString(kLabel);
    QTextLayout(text, font).beginLayout();  // loads the font before timing starts
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    int lines = 0;
    for (auto _ : state) {
        QTextLayout layout(text, font);
        layout.setTextOption(option);
        layout.setCacheEnabled(false);
        layout.beginLayout();
        double y = 0;
        lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(kWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
            ++lines;
        }
        layout.endLayout();
        benchmark::DoNotOptimize(layout.boundingRect());
    }
    if (lines != 3) state.SkipWithError("the label should make three lines");
}
BENCHMARK(QtTextLayout);

}  // namespace
