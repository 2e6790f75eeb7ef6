// lumaro-cli barcode: encodes a text with the barcode engine and prints its element pattern
// or renders it as PNG (through the Qt canvas) or SVG.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>

#include "barcode/barcode.h"
#include "barcode/element_pattern.h"
#include "cli/command.h"
#include "gfx/svg_canvas.h"
#include "core/number_text.h"
#include "gfx/display_list.h"
#include "platform/qt_canvas.h"
#include "report/model/report_host.h"

namespace lumaro::cli {

namespace {
constexpr const char* kUsage =
    "  barcode TYPE TEXT [--checksum] [--ratio R] [--modul M] [--angle A] [--no-text]\n"
    "          (--pattern | --png FILE [--module-px N] | --svg FILE)\n"
    "      TYPE is a barcode type such as bcCodeEAN128C or its display name (EAN128C);\n"
    "      --pattern prints the element pattern, the completed text, the width and the modules\n"
    "      (1 bar, 0 space, s short bar); --png renders with a quiet zone, N pixels per unit\n"
    "      (default 2); --svg writes a vector picture in units";

// Size of the code across its bars, in drawing units (the engine keeps 16 for the text).
constexpr int kCodeHeight = 80;
// Margin around the code: a quiet zone of 12 modules before and after the bars, which readers
// need and which holds the EAN/UPC digits printed outside the bars, and 8 units across.
constexpr int kQuietModules = 12;
constexpr int kMarginUnits = 8;

struct Options {
    TfrxBarcode barcode;
    bool showText = true;
    bool pattern = false;
    std::string png, svg;
    int modulePx = 2;
};

[[noreturn]] void usageError(const std::string& message) {
    throw Exception(message + "\nusage: lumaro-cli\n" + kUsage);
}

const std::string& nextValue(const std::vector<std::string>& args, size_t& i) {
    if (i + 1 >= args.size()) usageError("missing value after " + args[i]);
    return args[++i];
}

double numberArg(const std::string& name, const std::string& v) {
    const auto d = tryStrToFloatSep(v, ".");
    if (!d || !std::isfinite(*d)) usageError("invalid number for " + name + ": " + v);
    return *d;
}

int wholeArg(const std::string& name, const std::string& v, int min, int max) {
    const double d = numberArg(name, v);
    if (d < min || d > max || d != std::floor(d))
        usageError(name + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return static_cast<int>(d);
}

Options parse(const std::vector<std::string>& args) {
    if (args.size() < 2) usageError("barcode needs a type and a text");
    Options o;
    const auto type = barcodeTypeFromName(args[0]);
    if (!type) usageError("unknown barcode type: " + args[0]);
    o.barcode.SetTyp(*type);
    o.barcode.SetText(args[1]);
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--checksum") o.barcode.SetChecksum(true);
        else if (a == "--no-text") o.showText = false;
        else if (a == "--pattern") o.pattern = true;
        else if (a == "--ratio") o.barcode.SetRatio(numberArg(a, nextValue(args, i)));
        else if (a == "--modul") o.barcode.SetModul(wholeArg(a, nextValue(args, i), 1, TfrxBarcode::kMaxModul));
        else if (a == "--angle") o.barcode.SetAngle(numberArg(a, nextValue(args, i)));
        else if (a == "--png") o.png = nextValue(args, i);
        else if (a == "--svg") o.svg = nextValue(args, i);
        else if (a == "--module-px") o.modulePx = wholeArg(a, nextValue(args, i), 1, 64);
        else usageError("unknown option: " + a);
    }
    if (o.pattern + !o.png.empty() + !o.svg.empty() != 1) usageError("give exactly one of --pattern, --png, --svg");
    return o;
}

std::string modulesOf(std::string_view pattern, const std::array<int, 4>& widths) {
    std::string out;
    for (char c : pattern) {
        const barcode::Element e = barcode::elementOf(c);
        const char m = e.kind == barcode::ElementKind::Space ? '0' : e.kind == barcode::ElementKind::Bar ? '1' : 's';
        out.append(static_cast<size_t>(widths[e.widthIndex]), m);
    }
    return out;
}

// The code's rectangle and the whole picture around it, in units.
struct Layout {
    RectF code;
    double width, height;
};

Layout layoutFor(TfrxBarcode& bc) {
    const double w = bc.Width();
    const double quiet = kQuietModules * bc.ElementWidths()[0];
    const double along = w + 2 * quiet, across = kCodeHeight + 2 * kMarginUnits;
    if (barcodeQuarterTurns(bc.Angle()) % 2 == 1) return {RectF::fromXYWH(kMarginUnits, quiet, kCodeHeight, w), across, along};
    return {RectF::fromXYWH(quiet, kMarginUnits, w, kCodeHeight), along, across};
}

int printPattern(Options& o) {
    const std::string p = o.barcode.BuildPattern();
    std::printf("pattern: %s\ntext: %s\nwidth: %d\nmodules: %s\n", p.c_str(), o.barcode.Text().c_str(),
                o.barcode.Width(), modulesOf(p, o.barcode.ElementWidths()).c_str());
    return 0;
}

int writePng(Options& o) {
    const Layout l = layoutFor(o.barcode);
    const int px = o.modulePx;
    QImage image(static_cast<int>(l.width) * px, static_cast<int>(l.height) * px, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        const RectF r{l.code.left * px, l.code.top * px, l.code.right * px, l.code.bottom * px};
        o.barcode.PaintTo(canvas, r, o.showText);
    }
    if (!image.save(QString::fromStdString(o.png), "PNG")) throw EFileError("cannot write " + o.png);
    return 0;
}

int writeSvg(Options& o) {
    const Layout l = layoutFor(o.barcode);
    SvgCanvas svg(l.width, l.height);
    o.barcode.PaintTo(svg, l.code, o.showText);
    std::ofstream out(o.svg, std::ios::binary);
    out << svg.document();
    if (!out.flush()) throw EFileError("cannot write " + o.svg);
    return 0;
}

int run(const std::vector<std::string>& args) {
    Options o = parse(args);
    // The human-readable text is centred with the real font's metrics.
    o.barcode.setTextMetrics(processHost().metrics());
    if (o.pattern) return printPattern(o);
    if (!o.png.empty()) return writePng(o);
    return writeSvg(o);
}

const CliRegistrar registrar({"barcode", kUsage, run});
}  // namespace

}  // namespace lumaro::cli
