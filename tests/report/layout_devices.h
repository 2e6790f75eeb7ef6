#pragma once
// Device independence of text layout: a table of texts (wrapped, justified, rotated, with tags,
// with character spacing) in three fonts and several sizes, each laid out once and drawn on
// the screen at scale 1 and 1.5 and on printers of 300, 600 and 1200 dots per inch. On every
// device the lines break at the same words, and every drawn line is as wide as measured (a
// justified line as wide as its rectangle) to within one device pixel.
//
// Used with the deterministic metrics (tests/report) and with the real fonts (tests/platform).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "report/layout_test_util.h"

namespace lumaro::testing {

struct DeviceCase {
    const char* name;
    std::vector<std::string> lines;
    RectF rect;
    TfrxHAlign align = haLeft;
    int rotation = 0;
    bool tags = false;
    double charSpacing = 0;
    double paragraphGap = 0;
    bool wordBreak = false;
};

inline std::vector<DeviceCase> deviceCases() {
    const std::string label = "SSCC 003831234567890123 / Lot A12 / 10 kos, 17.05.2010";
    const std::string prose =
        "Every word of a label goes through this layout: the serial shipping container code in "
        "plain digits, the production date, the lot and the piece count.";
    return {
        {"wrapped", {label}, {0, 0, 200, 300}},
        {"wrapped two paragraphs", {prose, "Druga vrstica: število kosov, žig in datum."}, {10, 10, 260, 600}},
        {"justified", {prose}, {0, 0, 230, 600}, haBlock, 0, false, 0, 12},
        {"right", {prose}, {0, 0, 210, 600}, haRight},
        {"centred", {label}, {0, 0, 150, 300}, haCenter},
        {"rotated 45", {label}, {0, 0, 250, 400}, haLeft, 45},
        {"rotated 90", {label}, {0, 0, 300, 200}, haLeft, 90},
        {"rotated 90 justified", {prose}, {0, 0, 600, 230}, haBlock, 90},
        {"rotated 180", {label}, {0, 0, 200, 300}, haRight, 180},
        {"rotated 270", {label}, {0, 0, 300, 200}, haCenter, 270},
        {"tags", {"<b>SSCC</b> <i>003831234567890123</i> <font color=\"#FF0000\">Lot A12</font> "
                  "<u>10 kos</u>, <b><i>17.05.2010</i></b> H<sub>2</sub>O m<sup>2</sup>"},
         {0, 0, 180, 300}, haLeft, 0, true},
        {"character spacing", {label}, {0, 0, 220, 300}, haLeft, 0, false, 1.3},
        {"hyphenated", {"Представительство предприятия в городе"}, {0, 0, 90, 300}, haLeft, 0, false, 0, 0, true},
    };
}

struct Device {
    const char* name;
    bool printer;
    double dpi;    // printer resolution
    double scale;  // device pixels per report pixel
};

inline const std::vector<Device>& devices() {
    static const std::vector<Device> list = {
        {"screen 1", false, 96, 1},
        {"screen 1.5", false, 96, 1.5},
        {"printer 300", true, 300, 300 / 96.0},
        {"printer 600", true, 600, 600 / 96.0},
        {"printer 1200", true, 1200, 1200 / 96.0},
    };
    return list;
}

// Width of line `line` in the rectangle, in report pixels, as the drawing gives it.
inline double boxWidth(const DeviceCase& c, const LayoutLine& line) {
    const bool across = c.rotation == 90 || c.rotation == 270;
    const double w = across ? c.rect.height() : c.rect.width();
    return w - ((line.flags & LayoutLine::kFirst) ? c.paragraphGap : 0);
}

// Lays `c` out in `font` at `size` with `metrics` and checks it on every device.
inline void checkOnEveryDevice(const std::shared_ptr<const FontMetrics>& metrics, const DeviceCase& c,
                               const std::string& font, int size) {
    SCOPED_TRACE(std::string(c.name) + ", " + font + " " + std::to_string(size));
    std::vector<std::string> firstBreaks;
    for (const Device& device : devices()) {
        SCOPED_TRACE(device.name);
        TfrxDrawText dt;
        dt.setFontMetrics(metrics);
        LayoutSetup s;
        s.lines = c.lines;
        s.rect = c.rect;
        s.fontName = font;
        s.size = size;
        s.tags = c.tags;
        s.rotation = c.rotation;
        s.charSpacing = c.charSpacing;
        s.paragraphGap = c.paragraphGap;
        s.wordBreak = c.wordBreak;
        s.lineSpacing = 2;
        layOut(dt, s, device.scale, device.scale);
        std::unique_ptr<DisplayList> list =
            device.printer ? std::make_unique<PrinterRecording>(device.dpi) : std::make_unique<DisplayList>();
        dt.DrawText(*list, c.align, vaTop);

        const std::vector<DrawnLine> drawn = drawnLines(*list, c.rotation);
        std::vector<std::string> breaks;
        for (const DrawnLine& l : drawn) breaks.push_back(l.text);
        EXPECT_EQ(breaks, lineTexts(dt));
        EXPECT_GE(breaks.size(), c.align == haBlock ? 3u : 2u) << "the case should wrap";
        if (firstBreaks.empty()) firstBreaks = breaks;
        EXPECT_EQ(breaks, firstBreaks) << "lines break differently than on " << devices().front().name;
        if (drawn.size() != dt.lines().size()) continue;

        const double pixelsPer600 = device.printer ? device.dpi / 600 : device.scale * 96 / 600;
        for (size_t j = 0; j < drawn.size(); ++j) {
            const LayoutLine& line = dt.lines()[j];
            const bool justified = c.align == haBlock && !(line.flags & LayoutLine::kLast) &&
                                   line.text().find(' ') != std::string::npos;
            const double expected =
                justified ? boxWidth(c, line) * device.scale : static_cast<double>(line.width600) * pixelsPer600;
            EXPECT_NEAR(drawn[j].width, expected, 1.0) << "line " << j << " \"" << drawn[j].text << "\"";
        }
    }
}

inline void checkDeviceTable(const std::shared_ptr<const FontMetrics>& metrics) {
    for (const char* font : {"Arial", "Times New Roman", "Courier New"})
        for (int size : {8, 10, 13})
            for (const DeviceCase& c : deviceCases()) checkOnEveryDevice(metrics, c, font, size);
}

}  // namespace lumaro::testing
