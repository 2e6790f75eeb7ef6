// Text over Qt: font names resolved through fontconfig, unhinted metrics that scale linearly
// and match the built-in table, and positioned runs drawn by QtCanvas as real text into PDF.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <regex>

#include "core/text.h"
#include "gfx/builtin_font_metrics.h"
#include "platform/qt_canvas.h"
#include "platform/qt_font_metrics.h"
#include "support/oracle.h"
#include "support/qt_app.h"
#include "support/temp_dir.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

FontSpec fontOf(const char* name, double pixelSize, int style = 0) {
    FontSpec f;
    f.name = name;
    f.pixelSize = pixelSize;
    f.style = style;
    return f;
}

// Every stream of a PDF file inflated, one after the other (Qt compresses page contents).
std::string inflatedStreams(const QByteArray& pdf) {
    std::string out;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        qsizetype begin = at + 6;
        if (begin < pdf.size() && pdf[begin] == '\r') ++begin;
        if (begin < pdf.size() && pdf[begin] == '\n') ++begin;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) break;
        z_stream z{};
        inflateInit(&z);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(pdf.constData() + begin));
        z.avail_in = static_cast<uInt>(end - begin);
        char buf[65536];
        int rc = Z_OK;
        while (rc == Z_OK) {
            z.next_out = reinterpret_cast<Bytef*>(buf);
            z.avail_out = sizeof buf;
            rc = inflate(&z, Z_NO_FLUSH);
            out.append(buf, sizeof buf - z.avail_out);
        }
        inflateEnd(&z);
        out += '\n';
        at = end + 9;
    }
    return out;
}

int countOperator(const std::string& content, const char* op) {
    const std::regex re(std::string("(^|\\s)") + op + "(\\s|$)");
    return static_cast<int>(std::distance(std::sregex_iterator(content.begin(), content.end(), re), std::sregex_iterator()));
}

}  // namespace

TEST(QtFontMetrics, TemplateFontsResolveToTheLiberationFonts) {
    qtApp();
    LUMARO_REQUIRE_ORACLE("fc-match");
    const struct {
        const char* name;
        const char* family;
    } cases[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string matched = runCommand(std::string("fc-match -f '%{family[0]}' '") + c.name + "'");
        EXPECT_EQ(matched, c.family) << "fontconfig";
        EXPECT_EQ(QtFontMetrics::resolvedFamily(fontOf(c.name, 12)).toStdString(), c.family);
    }
}

TEST(QtFontMetrics, LiberationSansMatchesTheBuiltinTable) {
    qtApp();
    const QtFontMetrics qt;
    const FontSpec arial = fontOf("Arial", 1000);
    const auto real = qt.face(arial);
    const auto table = builtinFontMetrics().face(arial);
    for (char32_t c : std::u32string(U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ")) {
        SCOPED_TRACE(static_cast<char>(c));
        EXPECT_NEAR(real->advance(c), table->advance(c), 0.5) << "within half a thousandth of the em";
    }
    EXPECT_NEAR(real->ascent(), table->ascent(), 1);
    EXPECT_NEAR(real->descent(), table->descent(), 1);
    EXPECT_NEAR(qt.face(fontOf("Arial", 1000, fsBold))->advance(U'A'), 722, 0.5) << "bold has its own widths";
}

TEST(QtFontMetrics, MeasurementsScaleLinearly) {
    qtApp();
    const QtFontMetrics qt;
    const std::string text = "Lot: A12 \xC5\xA0" "ifra 590123412345 Wg";  // with a Slovenian letter
    for (const char* name : {"Arial", "Times New Roman", "Courier New", "Tahoma"}) {
        for (const int style : {0, int(fsBold), int(fsItalic)}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(style));
            // 10 points at 600 and at 96 units per inch.
            const double at600 = 10 * 600 / 72.0, at96 = 10 * 96 / 72.0;
            const double w600 = qt.textWidth(fontOf(name, at600, style), text) / at600;
            const double w96 = qt.textWidth(fontOf(name, at96, style), text) / at96;
            EXPECT_GT(w600, 0);
            EXPECT_NEAR(w600, w96, 1e-9 * w600);
            EXPECT_NEAR(qt.face(fontOf(name, at600, style))->height() / at600,
                        qt.face(fontOf(name, at96, style))->height() / at96, 1e-9);
        }
    }
    const auto once = qt.face(fontOf("Arial", 12));
    EXPECT_EQ(qt.face(fontOf("Arial", 12)), once) << "faces are kept";
    EXPECT_EQ(qt.face(fontOf("Arial", std::nan(""))) ->advance(U'a'), 0) << "no size measures nothing";
}

TEST(QtCanvas, ReportsItsDevice) {
    qtApp();
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter onImage(&image);
    const QtCanvas screen(onImage);
    EXPECT_EQ(screen.dpiX(), 96);
    EXPECT_FALSE(screen.isPrinter());
    const QtCanvas printer(onImage, CanvasDevice{600, 300, true});
    EXPECT_EQ(printer.dpiX(), 600);
    EXPECT_EQ(printer.dpiY(), 300);
    EXPECT_TRUE(printer.isPrinter());
    onImage.end();

    TempDir dir("qt_canvas");
    QPdfWriter pdf(QString::fromStdString(dir.file("device.pdf")));
    pdf.setResolution(1200);
    QPainter onPdf(&pdf);
    const QtCanvas file(onPdf);
    EXPECT_EQ(file.dpiX(), 1200);
    EXPECT_FALSE(file.isPrinter());
}

// Positioned runs reach a PDF as real text: one text object per run, the characters where the
// advances put them, found and read back by pdftotext.
TEST(QtCanvas, PositionedRunsAreTextInPdf) {
    qtApp();
    LUMARO_REQUIRE_ORACLE("pdftotext");
    TempDir dir("qt_canvas");
    const std::string path = dir.file("runs.pdf");
    const QtFontMetrics metrics;
    // 72 dots per inch: device pixels are PDF points.
    const FontSpec font = fontOf("Arial", 20);
    const std::string first = "Lot: A12 \xC5\xA1" "tevilka";
    const std::string spaced = "W I D E";
    {
        QPdfWriter pdf(QString::fromStdString(path));
        pdf.setResolution(72);
        QPainter painter(&pdf);
        QtCanvas canvas(painter);
        canvas.setFont(font);
        std::vector<double> advances;
        const auto face = metrics.face(font);
        for (char32_t c : toU32(first)) advances.push_back(face->advance(c));
        canvas.drawText({72, 72}, first, &advances);
        canvas.drawText({72, 144}, "Plain");
        // Characters 20 points apart, far from the font's own advances.
        const std::vector<double> wide(spaced.size(), 20);
        canvas.drawText({72, 216}, spaced, &wide);
    }
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string content = inflatedStreams(f.readAll());
    EXPECT_EQ(countOperator(content, "BT"), 3) << "one text object per run";

    int status = 0;
    const std::string text = runCommand("pdftotext -layout '" + path + "' -", &status);
    ASSERT_EQ(status, 0);
    EXPECT_NE(text.find(first), std::string::npos) << text;

    // Word boxes: with 20 points per character the letters of "W I D E" lie 40 points apart.
    const std::string boxes = runCommand("pdftotext -bbox '" + path + "' -", &status);
    ASSERT_EQ(status, 0);
    std::vector<double> xs;
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([A-Z])</word>");
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word); it != std::sregex_iterator(); ++it)
        if (std::stod((*it)[2]) > 200) xs.push_back(std::stod((*it)[1]));
    ASSERT_EQ(xs.size(), 4u) << boxes;
    for (size_t k = 1; k < xs.size(); ++k) EXPECT_NEAR(xs[k] - xs[k - 1], 40, 1.5) << k;
}
