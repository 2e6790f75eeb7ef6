#pragma once
// Font metrics over Qt: fonts named in templates resolve through fontconfig (the Liberation
// fonts stand in for Arial, Times New Roman and Courier New), and every measurement comes from
// the font's design metrics without hinting or kerning, taken at the font's own design size
// and scaled linearly, so that a text measures the same on every screen and printer and at
// every size: twice the em height, exactly twice the width.
#include <QRawFont>
#include <QString>
#include <memory>

#include "gfx/font_metrics.h"

namespace lumaro {

class QtFontMetrics final : public FontMetrics {
public:
    QtFontMetrics();
    ~QtFontMetrics() override;

    // Needs a QGuiApplication. Faces are kept per name, style and size.
    std::shared_ptr<const FontFaceMetrics> face(const FontSpec& font) const override;

    // The unhinted font of `font` (name, bold, italic) at `pixelSize`, as QtCanvas draws it.
    static QRawFont rawFont(const FontSpec& font, double pixelSize);
    // The family the font's name resolves to ("Liberation Sans" for "Arial").
    static QString resolvedFamily(const FontSpec& font);

private:
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

}  // namespace lumaro
