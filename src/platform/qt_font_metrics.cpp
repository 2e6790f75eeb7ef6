#include "platform/qt_font_metrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

namespace lumaro {

namespace {

QFont unhintedFont(const FontSpec& font) {
    QFont f(QString::fromStdString(font.name));
    f.setBold(font.style & fsBold);
    f.setItalic(font.style & fsItalic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

// One font (name and style) measured at its design size, where advances are whole font units.
class DesignFont {
public:
    explicit DesignFont(const FontSpec& font) : font_(unhintedFont(font)) {
        raw_ = QRawFont::fromFont(font_);
        unitsPerEm_ = raw_.isValid() && raw_.unitsPerEm() > 0 ? raw_.unitsPerEm() : 2048;
        if (raw_.isValid()) raw_.setPixelSize(unitsPerEm_);
        // Characters the font lacks are measured on the fonts Qt falls back to, at the same size.
        QFont fallback = font_;
        fallback.setPixelSize(static_cast<int>(unitsPerEm_));
        fallbackMetrics_ = std::make_unique<QFontMetricsF>(fallback);
        ascent_ = raw_.isValid() ? raw_.ascent() : fallbackMetrics_->ascent();
        descent_ = raw_.isValid() ? raw_.descent() : fallbackMetrics_->descent();
    }

    double unitsPerEm() const { return unitsPerEm_; }
    double ascent() const { return ascent_; }
    double descent() const { return descent_; }

    // Advance in font units.
    double advance(char32_t cp) const {
        const auto it = advances_.find(cp);
        if (it != advances_.end()) return it->second;
        const double a = measure(cp);
        advances_.emplace(cp, a);
        return a;
    }

private:
    double measure(char32_t cp) const {
        const QString s = QString::fromUcs4(&cp, 1);
        if (raw_.isValid() && raw_.supportsCharacter(cp)) {
            const QList<quint32> glyphs = raw_.glyphIndexesForString(s);
            if (glyphs.size() == 1 && glyphs[0] != 0) {
                const QList<QPointF> a = raw_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
                if (a.size() == 1) return a[0].x();
            }
        }
        return fallbackMetrics_->horizontalAdvance(s);
    }

    QFont font_;
    QRawFont raw_;
    double unitsPerEm_ = 2048;
    double ascent_ = 0, descent_ = 0;
    std::unique_ptr<QFontMetricsF> fallbackMetrics_;
    mutable std::unordered_map<char32_t, double> advances_;
};

class ScaledFace final : public FontFaceMetrics {
public:
    ScaledFace(std::shared_ptr<const DesignFont> design, double em)
        : design_(std::move(design)), scale_(em / design_->unitsPerEm()) {}
    double advance(char32_t cp) const override { return design_->advance(cp) * scale_; }
    double ascent() const override { return design_->ascent() * scale_; }
    double descent() const override { return design_->descent() * scale_; }

private:
    std::shared_ptr<const DesignFont> design_;
    double scale_;
};

constexpr size_t kMaxCachedFaces = 4096;

using StyleKey = std::tuple<std::string, bool, bool>;

StyleKey styleKey(const FontSpec& font) { return {font.name, (font.style & fsBold) != 0, (font.style & fsItalic) != 0}; }

}  // namespace

struct QtFontMetrics::Cache {
    std::map<StyleKey, std::shared_ptr<const DesignFont>> designs;
    std::map<std::tuple<std::string, bool, bool, double>, std::shared_ptr<const FontFaceMetrics>> faces;
};

QtFontMetrics::QtFontMetrics() : cache_(std::make_unique<Cache>()) {}
QtFontMetrics::~QtFontMetrics() = default;

std::shared_ptr<const FontFaceMetrics> QtFontMetrics::face(const FontSpec& font) const {
    // A size that is no size measures as nothing (and keeps the cache's keys ordered).
    const double em = std::isfinite(font.pixelSize) && font.pixelSize > 0 ? font.pixelSize : 0;
    const StyleKey style = styleKey(font);
    const auto key = std::tuple_cat(style, std::make_tuple(em));
    if (const auto it = cache_->faces.find(key); it != cache_->faces.end()) return it->second;
    auto& design = cache_->designs[style];
    if (!design) design = std::make_shared<const DesignFont>(font);
    auto face = std::make_shared<const ScaledFace>(design, em);
    // Sizes come from templates; the small faces are rebuilt rather than kept without limit.
    if (cache_->faces.size() >= kMaxCachedFaces) cache_->faces.clear();
    cache_->faces.emplace(key, face);
    return face;
}

QRawFont QtFontMetrics::rawFont(const FontSpec& font, double pixelSize) {
    QRawFont raw = QRawFont::fromFont(unhintedFont(font));
    if (raw.isValid()) raw.setPixelSize(pixelSize);
    return raw;
}

QString QtFontMetrics::resolvedFamily(const FontSpec& font) { return QRawFont::fromFont(unhintedFont(font)).familyName(); }

}  // namespace lumaro
