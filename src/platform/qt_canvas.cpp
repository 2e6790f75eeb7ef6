#include "platform/qt_canvas.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QImage>
#include <QPaintDevice>
#include <QPolygonF>
#include <QString>

#include "core/text.h"
#include "platform/qt_font_metrics.h"

namespace lumaro {

namespace {
CanvasDevice deviceOf(const QPainter& painter) {
    const QPaintDevice* d = painter.device();
    if (!d) return {};
    return {double(d->logicalDpiX()), double(d->logicalDpiY()), d->devType() == QInternal::Printer};
}
}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : QtCanvas(painter, deviceOf(painter)) {}

QtCanvas::QtCanvas(QPainter& painter, const CanvasDevice& device) : p_(painter), device_(device) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor QtCanvas::toQColor(Color c) {
    const Color v = colorToRgb(c);
    return QColor(redOf(v), greenOf(v), blueOf(v));
}

QFont QtCanvas::toQFont(const FontSpec& font, double dpi) {
    QFont f(QString::fromStdString(font.name));
    f.setPointSizeF(std::max(0.1, font.pixelSize * 72.0 / dpi));
    f.setBold(font.style & fsBold);
    f.setItalic(font.style & fsItalic);
    f.setUnderline(font.style & fsUnderline);
    f.setStrikeOut(font.style & fsStrikeOut);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void QtCanvas::setPen(const Pen& pen) {
    if (pen.style == PenStyle::Clear || pen.color == clNone) {
        p_.setPen(Qt::NoPen);
        return;
    }
    QPen q(toQColor(pen.color));
    q.setWidthF(pen.width <= 0 ? 0 : pen.width);
    // A one-pixel line leaves out its last point, as on the original platform; wider lines
    // reach half their width past their ends, so that frame sides meet in closed corners.
    q.setCapStyle(pen.width > 1 ? Qt::SquareCap : Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    // Dash patterns of the original platform's pens, in pen widths.
    static const QList<qreal> kDash{18, 6}, kDot{3, 3}, kDashDot{9, 6, 3, 6}, kDashDotDot{9, 3, 3, 3, 3, 3};
    switch (pen.style) {
        case PenStyle::Dash: q.setDashPattern(kDash); break;
        case PenStyle::Dot: q.setDashPattern(kDot); break;
        case PenStyle::DashDot: q.setDashPattern(kDashDot); break;
        case PenStyle::DashDotDot: q.setDashPattern(kDashDotDot); break;
        default: q.setStyle(Qt::SolidLine); break;
    }
    p_.setPen(q);
}

void QtCanvas::setBrush(const Brush& brush) {
    if (brush.style == BrushStyle::Clear || brush.color == clNone) {
        p_.setBrush(Qt::NoBrush);
        return;
    }
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,    Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    p_.setBrush(QBrush(toQColor(brush.color), styles[static_cast<int>(brush.style)]));
}

void QtCanvas::setFont(const FontSpec& font) {
    font_ = font;
    rawFontMade_ = false;
    textColor_ = font.color;
    const double dpi = p_.device() ? p_.device()->logicalDpiY() : 96.0;
    p_.setFont(toQFont(font, dpi));
}

QRectF QtCanvas::shapeRect(const RectF& r) const {
    // GDI shapes cover right-1 and bottom-1; the outline runs along the inner pixels.
    return QRectF(r.left, r.top, r.width() - 1, r.height() - 1);
}

void QtCanvas::drawLine(PointF from, PointF to) { p_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y)); }
void QtCanvas::drawRect(const RectF& r) { p_.drawRect(shapeRect(r)); }
void QtCanvas::drawEllipse(const RectF& r) { p_.drawEllipse(shapeRect(r)); }
void QtCanvas::drawRoundRect(const RectF& r, double cw, double ch) {
    p_.drawRoundedRect(shapeRect(r), cw / 2, ch / 2);
}

void QtCanvas::drawPolygon(const std::vector<PointF>& points) {
    QPolygonF poly;
    poly.reserve(static_cast<int>(points.size()));
    for (auto q : points) poly << QPointF(q.x, q.y);
    p_.drawPolygon(poly);
}

void QtCanvas::drawPolyline(const std::vector<PointF>& points) {
    QPolygonF poly;
    poly.reserve(static_cast<int>(points.size()));
    for (auto q : points) poly << QPointF(q.x, q.y);
    p_.drawPolyline(poly);
}

void QtCanvas::fillRect(const RectF& r, Color color) {
    if (color == clNone) return;
    p_.fillRect(QRectF(r.left, r.top, r.width(), r.height()), toQColor(color));
}

void QtCanvas::drawText(PointF origin, std::string_view text, const std::vector<double>* advances) {
    p_.save();
    p_.setPen(toQColor(textColor_));
    p_.translate(origin.x, origin.y);
    if (font_.angle != 0) p_.rotate(-font_.angle);
    if (!advances) {
        const QFontMetricsF fm(p_.font(), p_.device());
        p_.drawText(QPointF(0, fm.ascent()), QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    } else {
        drawGlyphRun(toU32(text), *advances);
    }
    p_.restore();
}

// The run as one glyph run of the unhinted font at the font's pixel size, each glyph at the
// position its advances give, so that a PDF or printer gets the text as one text object.
// Characters the font lacks are drawn one by one with the fonts Qt falls back to.
void QtCanvas::drawGlyphRun(const std::u32string& text, const std::vector<double>& advances) {
    if (!rawFontMade_) {
        rawFont_ = QtFontMetrics::rawFont(font_, font_.pixelSize);
        rawFontMade_ = true;
    }
    const QRawFont& raw = rawFont_;
    const double ascent = raw.isValid() ? raw.ascent() : QFontMetricsF(p_.font()).ascent();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(text.size()));
    positions.reserve(static_cast<qsizetype>(text.size()));
    double x = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        const char32_t c = text[k];
        const QString one = QString::fromUcs4(&c, 1);
        quint32 glyph = 0;
        if (raw.isValid() && raw.supportsCharacter(c)) {
            const QList<quint32> g = raw.glyphIndexesForString(one);
            if (g.size() == 1) glyph = g[0];
        }
        if (glyph != 0) {
            glyphs << glyph;
            positions << QPointF(x, ascent);
        } else if (c > U' ') {
            p_.drawText(QPointF(x, ascent), one);
        }
        x += k < advances.size() ? advances[k] : (raw.isValid() ? raw.averageCharWidth() : 0);
    }
    if (glyphs.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(font_.style & fsUnderline);
    run.setStrikeOut(font_.style & fsStrikeOut);
    p_.drawGlyphRun(QPointF(0, 0), run);
}

void QtCanvas::drawImage(const RectF& target, const Image& image) {
    if (image.isNull()) return;
    const QImage q(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                   image.width * 4, QImage::Format_ARGB32);
    p_.drawImage(QRectF(target.left, target.top, target.width(), target.height()), q);
}

void QtCanvas::setClipRect(const RectF& r) {
    p_.setClipRect(QRectF(r.left, r.top, r.width(), r.height()));
}

void QtCanvas::resetClip() { p_.setClipping(false); }

}  // namespace lumaro
