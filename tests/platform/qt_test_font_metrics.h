#pragma once
// Font metrics from the installed fonts, for the tests: the design advances of each font
// (no hinting, so the same figures at every size), fonts found by name through fontconfig
// (Liberation Sans, Serif and Mono stand in for Arial, Times New Roman and Courier New).
#include <QFont>
#include <QRawFont>
#include <QString>
#include <memory>

#include "gfx/font_metrics.h"

namespace lumaro::testing {

class QtTestFontFace final : public FontFaceMetrics {
public:
    explicit QtTestFontFace(const FontSpec& font) {
        QFont q(QString::fromStdString(font.name));
        q.setBold(font.style & fsBold);
        q.setItalic(font.style & fsItalic);
        q.setHintingPreference(QFont::PreferNoHinting);
        q.setPixelSize(100);
        raw_ = QRawFont::fromFont(q);
        raw_.setPixelSize(font.pixelSize > 0 ? font.pixelSize : 1);
    }
    double advance(char32_t c) const override {
        const QList<quint32> glyphs = raw_.glyphIndexesForString(QString::fromUcs4(&c, 1));
        if (glyphs.isEmpty()) return 0;
        const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        double w = 0;
        for (const QPointF& a : advances) w += a.x();
        return w;
    }
    double ascent() const override { return raw_.ascent(); }
    double descent() const override { return raw_.descent(); }

private:
    QRawFont raw_;
};

class QtTestFontMetrics final : public FontMetrics {
public:
    std::shared_ptr<const FontFaceMetrics> face(const FontSpec& font) const override {
        return std::make_shared<QtTestFontFace>(font);
    }
};

}  // namespace lumaro::testing
