#pragma once
// The border of views, pages and styles: which sides are drawn (Typ), line style, width and
// colour, and an optional drop shadow.
#include "gfx/color.h"
#include "report/model/report_types.h"
#include "report/registry/persistent.h"

namespace lumaro {

class TfrxFrame : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    static constexpr int kAllSides = 15;

    TfrxFrame() = default;
    TfrxFrame(const TfrxFrame& o) : TfrxPersistent() { Assign(o); }
    TfrxFrame& operator=(const TfrxFrame& o) {
        Assign(o);
        return *this;
    }

    lumaro::Color Color() const { return color_; }
    void SetColor(lumaro::Color c) { color_ = c; }
    bool DropShadow() const { return dropShadow_; }
    void SetDropShadow(bool v) { dropShadow_ = v; }
    lumaro::Color ShadowColor() const { return shadowColor_; }
    void SetShadowColor(lumaro::Color c) { shadowColor_ = c; }
    double ShadowWidth() const { return shadowWidth_; }
    void SetShadowWidth(double w) { shadowWidth_ = w; }
    TfrxFrameStyle Style() const { return style_; }
    void SetStyle(TfrxFrameStyle s) { style_ = s; }
    // Set of TfrxFrameType: bit 0 left, 1 right, 2 top, 3 bottom.
    int Typ() const { return typ_; }
    void SetTyp(int typ) { typ_ = typ & kAllSides; }
    double Width() const { return width_; }
    void SetWidth(double w) { width_ = w; }

    void Assign(const TfrxFrame& source);
    bool sameAs(const TfrxFrame& o) const;

private:
    lumaro::Color color_ = clBlack;
    bool dropShadow_ = false;
    lumaro::Color shadowColor_ = clBlack;
    double shadowWidth_ = 4;
    TfrxFrameStyle style_ = fsSolid;
    int typ_ = 0;
    double width_ = 1;
};

}  // namespace lumaro
