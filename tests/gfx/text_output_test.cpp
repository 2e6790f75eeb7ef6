// Text without a display: the built-in font metrics, and the SVG canvas writing positioned runs.
#include <gtest/gtest.h>

#include "gfx/builtin_font_metrics.h"
#include "gfx/svg_canvas.h"

using namespace lumaro;

TEST(BuiltinFontMetrics, ArialAdvancesAtAnySize) {
    FontSpec font;
    font.name = "Whatever";
    const struct {
        std::string_view text;
        double em;
        double width;
    } cases[] = {
        {"0123456789", 1000, 5560},
        {"Lot: A12", 1000, 556 + 556 + 278 + 278 + 278 + 667 + 556 + 556},
        {"Lot: A12", 12, (556 + 556 + 278 + 278 + 278 + 667 + 556 + 556) * 12 / 1000.0},
        {"\xC5\xA1", 1000, 556},  // a letter outside ASCII is as wide as a digit
        {"", 1000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        font.pixelSize = c.em;
        EXPECT_DOUBLE_EQ(builtinFontMetrics().textWidth(font, c.text), c.width);
    }
    font.pixelSize = 1000;
    const auto face = builtinFontMetrics().face(font);
    EXPECT_DOUBLE_EQ(face->ascent(), 905);
    EXPECT_DOUBLE_EQ(face->descent(), 212);
    EXPECT_DOUBLE_EQ(face->height(), 1117);
}

TEST(SvgCanvas, PositionedRunsPlaceEveryCharacter) {
    SvgCanvas svg(100, 50);
    FontSpec font;
    font.name = "Arial";
    font.pixelSize = 10;
    svg.setFont(font);
    const std::vector<double> advances{5.5, 2.25, 6};
    svg.drawText({10, 20}, "a\xC5\xA1" "b", &advances);
    svg.drawText({10, 30}, "plain");
    const std::string doc = svg.document();
    EXPECT_NE(doc.find("<text transform=\"translate(10,20)\" x=\"0 5.5 7.75\""), std::string::npos) << doc;
    EXPECT_NE(doc.find(">a\xC5\xA1" "b</text>"), std::string::npos);
    EXPECT_NE(doc.find("<text transform=\"translate(10,30)\" x=\"0\""), std::string::npos);
}
