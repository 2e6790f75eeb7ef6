// Every kind of view on one page, drawn through QtCanvas at scales 1 and 2 and checked at a few
// pixels; and "lumaro-cli template render". The PNG files of the gallery are for a person to look
// at: with LUMARO_RENDERINGS_DIR set (docs/renderings) they are written there, otherwise into the
// build directory.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "gfx/graphic_kinds.h"
#include "platform/image_render.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/line_view.h"
#include "report/views/barcode_view.h"
#include "report/views/draw/template_page_drawing.h"
#include "report/views/picture_graphic.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"
#include "report/views/subreport.h"
#include "support/cli_run.h"
#include "support/qt_app.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

constexpr Color kPaleBlue = rgb(208, 226, 255);
constexpr Color kPaleGreen = rgb(200, 240, 200);
constexpr Color kShadow = rgb(90, 90, 90);

// Cells of 70 × 50 pixels, seven to a row, 84 pixels apart; rows 70 pixels apart.
constexpr double kCellX = 8, kCellPitch = 84, kCellW = 70, kCellH = 50;
constexpr double kRowShapes = 8, kRowFrames = 78, kRowMore = 148, kRowLines = 218, kRowPictures = 288,
                 kRowBarcodes = 378;
constexpr double kMarginMm = 5;

template <class T>
T* add(TfrxComponent& parent, int column, double row, double w = kCellW, double h = kCellH) {
    auto* v = new T();
    v->SetParent(&parent);
    v->SetBounds(kCellX + column * kCellPitch, row, w, h);
    v->MakeUniqueName();
    return v;
}

// An image of w × h pixels with the colour pixel(x, y) at each point.
template <class F>
Image paint(int w, int h, F pixel) {
    Image im{w, h, std::vector<uint32_t>(size_t(w) * h)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) im.pixels[size_t(y) * w + x] = pixel(x, y);
    return im;
}

// A bitmap 120 × 60: red to blue from left to right, a white disc in the middle.
Image wideImage() {
    return paint(120, 60, [](int x, int y) {
        if ((x - 60) * (x - 60) + (y - 30) * (y - 30) < 18 * 18) return 0xFFFFFFFFu;
        const uint32_t t = x * 255 / 119;
        return 0xFF000000u | (255 - t) << 16 | t;
    });
}

// A photo-like image 60 × 90: green to yellow from top to bottom with a dark diagonal band.
Image tallImage() {
    return paint(60, 90, [](int x, int y) {
        if (std::abs(x - y * 2 / 3) < 6) return 0xFF303040u;
        return 0xFF00B020u | uint32_t(y * 255 / 89) << 16;
    });
}

void buildGallery(TfrxReport& report) {
    auto* page = new TfrxReportPage();
    page->SetParent(&report);
    page->SetName("Page1");
    page->SetPaperWidth(170);
    page->SetPaperHeight(130);
    for (auto setMargin : {&TfrxReportPage::SetLeftMargin, &TfrxReportPage::SetTopMargin,
                           &TfrxReportPage::SetRightMargin, &TfrxReportPage::SetBottomMargin})
        (page->*setMargin)(kMarginMm);
    auto* band = new TfrxReportTitle();
    band->SetParent(page);
    band->SetName("ReportTitle1");
    band->SetHeight(450);

    // Shapes: each kind, filled, hatched, wide and dashed outlines.
    const struct {
        TfrxShapeKind kind;
        Color color;
        TBrushStyle brush;
        double width;
        TfrxFrameStyle style;
    } shapes[] = {
        {skRectangle, clYellow, bsSolid, 1, fsSolid},      {skRoundRectangle, kPaleBlue, bsSolid, 2, fsSolid},
        {skEllipse, clWhite, bsCross, 1, fsSolid},         {skTriangle, kPaleGreen, bsSolid, 1, fsDash},
        {skDiamond, clNone, bsDiagCross, 2, fsSolid},      {skDiagonal1, clNone, bsSolid, 3, fsSolid},
        {skDiagonal2, clNone, bsSolid, 2, fsDot},
    };
    for (int i = 0; i < 7; ++i) {
        auto* s = add<TfrxShapeView>(*band, i, kRowShapes);
        s->SetShape(shapes[i].kind);
        s->SetColor(shapes[i].color);
        s->SetBrushStyle(shapes[i].brush);
        s->Frame().SetWidth(shapes[i].width);
        s->Frame().SetStyle(shapes[i].style);
        s->Frame().SetColor(i == 2 ? clBlue : clBlack);
    }

    // Frames on views with a background: every style.
    const struct {
        int typ;
        TfrxFrameStyle style;
        double width;
        Color color, frameColor;
    } frames[] = {
        {15, fsSolid, 1, clNone, clBlack},       {15, fsSolid, 3, kPaleBlue, clRed},   {15, fsDash, 1, clNone, clBlack},
        {15, fsDot, 2, clNone, clBlack},         {15, fsDashDot, 1, clYellow, clBlue}, {15, fsDashDotDot, 3, clNone, clBlack},
        {1 | 8, fsSolid, 2, kPaleGreen, clBlack},
    };
    for (int i = 0; i < 7; ++i) {
        auto* v = add<TfrxPictureView>(*band, i, kRowFrames);
        v->SetColor(frames[i].color);
        v->Frame().SetTyp(frames[i].typ);
        v->Frame().SetStyle(frames[i].style);
        v->Frame().SetWidth(frames[i].width);
        v->Frame().SetColor(frames[i].frameColor);
    }

    // Double frames, shadows, hatched backgrounds, a subreport.
    const struct {
        int typ;
        TfrxFrameStyle style;
        double width;
        Color color;
        bool shadow;
        double shadowWidth;
        TBrushStyle brush;
    } more[] = {
        {15, fsDouble, 1, clNone, false, 4, bsSolid},    {15, fsDouble, 2, clYellow, false, 4, bsSolid},
        {1 | 4, fsDouble, 2, clNone, false, 4, bsSolid}, {15, fsSolid, 1, clYellow, true, 4, bsSolid},
        {0, fsSolid, 1, kPaleBlue, true, 8, bsSolid},    {15, fsSolid, 1, clNone, false, 4, bsHorizontal},
    };
    for (int i = 0; i < 6; ++i) {
        auto* p = add<TfrxPictureView>(*band, i, kRowMore);
        p->SetColor(more[i].color);
        p->SetBrushStyle(more[i].brush);
        p->Frame().SetTyp(more[i].typ);
        p->Frame().SetStyle(more[i].style);
        p->Frame().SetWidth(more[i].width);
        p->Frame().SetDropShadow(more[i].shadow);
        p->Frame().SetShadowWidth(more[i].shadowWidth);
        p->Frame().SetShadowColor(kShadow);
        p->Frame().SetColor(i == 5 ? clGreen : clBlack);
    }
    add<TfrxSubreport>(*band, 6, kRowMore);

    // Lines: normalised horizontal and vertical ones, dashed, diagonal in both directions.
    const struct {
        double w, h, top, width;
        TfrxFrameStyle style;
        bool diagonal;
    } lines[] = {
        {kCellW, 0, 0, 1, fsSolid, false},  {kCellW, 3, 10, 3, fsSolid, false},  {0, kCellH, 0, 2, fsSolid, false},
        {kCellW, 0, 25, 2, fsDash, false},  {kCellW, kCellH, 0, 1, fsSolid, true}, {kCellW, -kCellH, kCellH, 3, fsSolid, true},
        {kCellW, kCellH, 0, 2, fsDot, true},
    };
    for (int i = 0; i < 7; ++i) {
        auto* l = add<TfrxLineView>(*band, i, kRowLines + lines[i].top, lines[i].w, lines[i].h);
        l->SetDiagonal(lines[i].diagonal);
        l->Frame().SetWidth(lines[i].width);
        l->Frame().SetStyle(lines[i].style);
        l->Frame().SetTyp(TfrxFrame::kAllSides);
    }

    // Pictures: stretched, kept, centred, at their own size, the designer's placeholder, a
    // metafile that cannot be drawn here.
    const auto bmp = TBitmap::fromImage(wideImage());
    const auto jpeg = TJPEGImage::fromImage(tallImage(), 85);
    const struct {
        const TGraphic* graphic;
        bool stretched, keep, center;
    } pictures[] = {
        {bmp.get(), true, false, false}, {bmp.get(), true, true, false}, {bmp.get(), true, true, true},
        {jpeg.get(), true, true, true},  {jpeg.get(), false, true, true}, {nullptr, true, true, false},
    };
    for (int i = 0; i < 6; ++i) {
        auto* p = add<TfrxPictureView>(*band, i, kRowPictures, kCellW, 70);
        setGraphicOf(p->Picture(), pictures[i].graphic);
        p->SetStretched(pictures[i].stretched);
        p->SetKeepAspectRatio(pictures[i].keep);
        p->SetCenter(pictures[i].center);
        p->Frame().SetTyp(TfrxFrame::kAllSides);
        p->Frame().SetColor(clGray);
        p->SetDesigning(!pictures[i].graphic);  // the placeholder shows in the designer only
    }
    auto* metafile = add<TfrxPictureView>(*band, 6, kRowPictures, kCellW, 70);
    {
        // The stored payload: class name with its length byte, then the metafile with its length.
        const std::string payload = std::string("\x09TMetafile") + std::string("\x08\x00\x00\x00\x01\x00\x09\x00", 8);
        metafile->Picture().Picture().readData(ByteSpan(reinterpret_cast<const uint8_t*>(payload.data()), payload.size()));
    }

    // Barcodes, each as wide (or, turned, as high) as its code: the product's EAN-13 with its
    // check digit, the SSCC as GS1-128, a Code 39 turned by 90 degrees, a Code 128 on a
    // yellow background with a frame, right-aligned in its cell.
    const struct {
        int column;
        TfrxBarcodeType type;
        const char* text;
        bool checksum;
        int rotation;
        Color color;
        TfrxHAlign align;
    } barcodes[] = {
        {0, bcCodeEAN13, "590123412345", true, 0, clNone, haLeft},
        {2, bcCodeEAN128C, "00123456789012345675", false, 0, clNone, haLeft},
        {4, bcCode39, "A12", false, 90, clNone, haLeft},
        {5, bcCode128B, "Lot", false, 0, clYellow, haRight},
    };
    for (const auto& b : barcodes) {
        auto* v = add<TfrxBarCodeView>(*band, b.column, kRowBarcodes, kCellW, 70);
        v->SetBarType(b.type);
        v->SetText(b.text);
        v->SetCalcCheckSum(b.checksum);
        v->SetRotation(b.rotation);
        v->SetColor(b.color);
        v->SetHAlign(b.align);
        if (b.color != clNone) v->Frame().SetTyp(TfrxFrame::kAllSides);
    }
}

std::filesystem::path outputDir() {
    if (const char* dir = std::getenv("LUMARO_RENDERINGS_DIR")) return dir;
    return std::filesystem::path(LUMARO_BINARY_DIR) / "renderings";
}

// Page pixel of a point given in band pixels at `scale` (margins of 5 mm).
QRgb at(const QImage& image, double scale, double x, double y) {
    const double margin = std::nearbyint(kMarginMm * kMillimetreToPixels * scale);
    return image.pixel(int(margin + std::nearbyint(x * scale)), int(margin + std::nearbyint(y * scale)));
}

double cellX(int column) { return kCellX + column * kCellPitch; }

}  // namespace

TEST(ViewGallery, EveryViewKindRendered) {
    qtApp();  // fonts need an application object
    const auto dir = outputDir();
    std::filesystem::create_directories(dir);
    TfrxReport report;
    buildGallery(report);
    TfrxReportPage& page = *findReportPage(report, "Page1");
    arrangeTemplatePage(page);
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        const QImage image = renderImage(templatePageWidth(page, scale), templatePageHeight(page, scale),
                                         [&](Canvas& canvas) {
                                             drawTemplatePage(DrawContext{canvas, double(scale), double(scale)}, page);
                                         });
        savePng(image, (dir / ("views_gallery_" + std::to_string(scale) + "x.png")).string());
        // 170 × 130 mm at 3.77953 pixels per millimetre.
        EXPECT_EQ(image.width(), std::lround(642.52 * scale));
        EXPECT_EQ(image.height(), std::lround(491.34 * scale));

        EXPECT_EQ(at(image, scale, cellX(0) + 35, kRowShapes + 25), qRgb(255, 255, 0)) << "rectangle filled";
        EXPECT_EQ(at(image, scale, cellX(0), kRowFrames + kCellH), qRgb(0, 0, 0)) << "frame corner closed";
        EXPECT_EQ(at(image, scale, cellX(0) + kCellW, kRowFrames + kCellH), qRgb(0, 0, 0)) << "frame corner closed";
        EXPECT_EQ(at(image, scale, cellX(4) + 2, kRowFrames), qRgb(0, 0, 255)) << "dash";
        EXPECT_EQ(at(image, scale, cellX(4) + 11, kRowFrames), qRgb(255, 255, 0)) << "gap in the background colour";
        EXPECT_EQ(at(image, scale, cellX(3) + kCellW - 2, kRowMore + 20), qRgb(90, 90, 90)) << "drop shadow";
        EXPECT_EQ(at(image, scale, cellX(3) + kCellW - 4, kRowMore + 20), qRgb(0, 0, 0)) << "frame left of the shadow";
        EXPECT_EQ(at(image, scale, cellX(6) + 60, kRowMore + 40), qRgb(192, 192, 192)) << "subreport";
        const QRgb redEnd = at(image, scale, cellX(0) + 5, kRowPictures + 5);
        EXPECT_TRUE(qRed(redEnd) > 200 && qGreen(redEnd) < 40 && qBlue(redEnd) < 60) << "stretched bitmap, red end";
        EXPECT_EQ(at(image, scale, cellX(1) + 35, kRowPictures + 60), qRgb(255, 255, 255)) << "kept ratio leaves room";
        EXPECT_EQ(at(image, scale, cellX(2) + 1, kRowBarcodes + 20), qRgb(0, 0, 0)) << "SSCC start bar";
        EXPECT_EQ(at(image, scale, cellX(2) + 154, kRowBarcodes + 20), qRgb(0, 0, 0)) << "SSCC stop bar, 156 wide";
        EXPECT_EQ(at(image, scale, cellX(2) + 158, kRowBarcodes + 20), qRgb(255, 255, 255)) << "nothing past the code";
        EXPECT_EQ(at(image, scale, cellX(5) + kCellW - 2, kRowBarcodes + 68), qRgb(255, 255, 0)) << "right-aligned";
    }
}

TEST(TemplateRender, ReportsWhatIsWrong) {
    if (!std::filesystem::exists(cliPath())) GTEST_SKIP() << "lumaro-cli is not built";
    const std::string example = std::string(LUMARO_SOURCE_DIR) + "/examples/koda.fr3";
    const std::string out = (std::filesystem::path(LUMARO_BINARY_DIR) / "render_test.png").string();
    const struct {
        std::string args;
        int status;
        const char* message;
    } cases[] = {
        {"template render " + example + " 1 " + out, 0, ""},
        {"template render " + example + " Page9 " + out, 1, "no report page 'Page9' (report pages: "},
        {"template render " + example + " 1 " + out + " --scale 0", 2, "the scale must be a number above 0"},
        {"template render " + example + " 1 " + out + " --scale x", 2, "not 'x'"},
        {"template render " + example + " 1", 2, "usage: lumaro-cli template render"},
        {"template render /nonexistent.fr3 1 " + out, 1, "/nonexistent.fr3: "},
        {"template render " + example + " 1 /nonexistent/dir/out.png", 1, "/nonexistent/dir/out.png: Cannot write"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    }
}

TEST(TemplateRender, NamesAnObjectThatCannotBeDrawn) {
    if (!std::filesystem::exists(cliPath())) GTEST_SKIP() << "lumaro-cli is not built";
    const auto dir = std::filesystem::path(LUMARO_BINARY_DIR) / "render_errors";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "bad_code.fr3").string(), out = (dir / "bad_code.png").string();
    {
        TfrxReport report;
        auto* page = new TfrxReportPage();
        page->SetParent(&report);
        page->SetName("Page1");
        auto* band = new TfrxReportTitle();
        band->SetParent(page);
        band->SetName("ReportTitle1");
        band->SetHeight(100);
        auto* code = add<TfrxBarCodeView>(*band, 0, 10);
        code->SetName("Ean");
        code->SetBarType(bcCodeEAN13);
        code->SetText("59012A");
        add<TfrxShapeView>(*band, 1, 10)->SetColor(clYellow);
        report.SaveToFile(file);
    }
    std::filesystem::remove(out);
    const CliRun r = runCli("template render " + file + " 1 " + out);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("bad_code.fr3: Ean: Barcode must be numeric"), std::string::npos) << r.output;
    EXPECT_TRUE(std::filesystem::exists(out)) << "the rest of the page is written";
}
