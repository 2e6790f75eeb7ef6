#include "gfx/svg_canvas.h"

#include <cstdio>

#include "core/text.h"

namespace lumaro {

namespace {
std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

std::string colour(Color c) {
    const Color v = colorToRgb(c);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", redOf(v), greenOf(v), blueOf(v));
    return buf;
}

std::string escapeXml(std::string_view raw) {
    const std::string s = toUtf8(raw);
    std::string out;
    for (char c : s) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default:
                // Control characters are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    out += "&#xFFFD;";
                else
                    out += c;
        }
    }
    return out;
}

std::string points(const std::vector<PointF>& pts) {
    std::string s;
    for (const PointF& p : pts) {
        if (!s.empty()) s += ' ';
        s += num(p.x) + "," + num(p.y);
    }
    return s;
}
}  // namespace

SvgCanvas::SvgCanvas(double width, double height, Color background) : width_(width), height_(height) {
    if (background != clNone)
        body_ += "<rect x=\"0\" y=\"0\" width=\"" + num(width) + "\" height=\"" + num(height) + "\" fill=\"" +
                 colour(background) + "\"/>\n";
}

std::string SvgCanvas::strokeAndFill(bool filled) const {
    std::string s;
    if (filled && brush_.style != BrushStyle::Clear && brush_.color != clNone)
        s += " fill=\"" + colour(brush_.color) + "\"";
    else
        s += " fill=\"none\"";
    if (pen_.style != PenStyle::Clear && pen_.color != clNone)
        s += " stroke=\"" + colour(pen_.color) + "\" stroke-width=\"" + num(pen_.width <= 0 ? 1 : pen_.width) +
             "\" stroke-linejoin=\"miter\"";
    return s;
}

void SvgCanvas::drawLine(PointF a, PointF b) {
    body_ += "<line x1=\"" + num(a.x) + "\" y1=\"" + num(a.y) + "\" x2=\"" + num(b.x) + "\" y2=\"" + num(b.y) + "\"" +
             strokeAndFill(false) + "/>\n";
}

void SvgCanvas::drawRect(const RectF& r) {
    // Like the other canvases, a shape covers right-1 and bottom-1.
    body_ += "<rect x=\"" + num(r.left) + "\" y=\"" + num(r.top) + "\" width=\"" + num(r.width() - 1) +
             "\" height=\"" + num(r.height() - 1) + "\"" + strokeAndFill(true) + "/>\n";
}

void SvgCanvas::drawEllipse(const RectF& r) {
    body_ += "<ellipse cx=\"" + num((r.left + r.right - 1) / 2) + "\" cy=\"" + num((r.top + r.bottom - 1) / 2) +
             "\" rx=\"" + num((r.width() - 1) / 2) + "\" ry=\"" + num((r.height() - 1) / 2) + "\"" +
             strokeAndFill(true) + "/>\n";
}

void SvgCanvas::drawRoundRect(const RectF& r, double cw, double ch) {
    body_ += "<rect x=\"" + num(r.left) + "\" y=\"" + num(r.top) + "\" width=\"" + num(r.width() - 1) +
             "\" height=\"" + num(r.height() - 1) + "\" rx=\"" + num(cw / 2) + "\" ry=\"" + num(ch / 2) + "\"" +
             strokeAndFill(true) + "/>\n";
}

void SvgCanvas::drawPolygon(const std::vector<PointF>& pts) {
    body_ += "<polygon points=\"" + points(pts) + "\"" + strokeAndFill(true) + "/>\n";
}

void SvgCanvas::drawPolyline(const std::vector<PointF>& pts) {
    body_ += "<polyline points=\"" + points(pts) + "\"" + strokeAndFill(false) + "/>\n";
}

void SvgCanvas::fillRect(const RectF& r, Color color) {
    if (color == clNone) return;
    body_ += "<rect x=\"" + num(r.left) + "\" y=\"" + num(r.top) + "\" width=\"" + num(r.width()) + "\" height=\"" +
             num(r.height()) + "\" fill=\"" + colour(color) + "\"/>\n";
}

void SvgCanvas::drawText(PointF origin, std::string_view text, const std::vector<double>* advances) {
    // The origin is the top-left corner of the text cell; SVG places the baseline, which
    // lies about 0.905 em below the top for Arial. A run with advances places each character
    // at its own x.
    std::string t = "translate(" + num(origin.x) + "," + num(origin.y) + ")";
    if (font_.angle != 0) t += " rotate(" + num(-font_.angle) + ")";
    std::string x = "0";
    if (advances) {
        const size_t count = toU32(text).size();
        double at = 0;
        for (size_t k = 1; k < count; ++k) {
            at += k - 1 < advances->size() ? (*advances)[k - 1] : 0;
            x += " " + num(at);
        }
    }
    body_ += "<text transform=\"" + t + "\" x=\"" + x + "\" y=\"" + num(font_.pixelSize * 0.905) +
             "\" font-family=\"" + escapeXml(font_.name) + "\" font-size=\"" + num(font_.pixelSize) + "\" fill=\"" +
             colour(font_.color) + "\"" + ((font_.style & fsBold) ? " font-weight=\"bold\"" : "") +
             ((font_.style & fsItalic) ? " font-style=\"italic\"" : "") + ">" + escapeXml(text) + "</text>\n";
}

std::string SvgCanvas::document() const {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           num(width_) + "\" height=\"" + num(height_) + "\" viewBox=\"0 0 " + num(width_) + " " + num(height_) +
           "\">\n" + body_ + "</svg>\n";
}

}  // namespace lumaro
