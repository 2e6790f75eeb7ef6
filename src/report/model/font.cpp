#include "report/model/font.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "report/registry/class_builder.h"

namespace lumaro {

namespace {
// a * b / c rounded half away from zero, as the platform's MulDiv.
int64_t mulDiv(int64_t a, int64_t b, int64_t c) {
    const int64_t p = a * b;
    const int64_t q = (std::llabs(p) * 2 + std::llabs(c)) / (std::llabs(c) * 2);
    return ((p < 0) != (c < 0)) ? -q : q;
}

int clampToInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -INT32_MAX, INT32_MAX)); }
}  // namespace

const ClassInfo& TfrxFont::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxFont>("TFont", &TfrxPersistent::staticClassInfo())
            .integer<&TfrxFont::Charset, &TfrxFont::SetCharset>("Charset")
            .color<&TfrxFont::Color, &TfrxFont::SetColor>("Color")
            .integer<&TfrxFont::Height, &TfrxFont::SetHeight>("Height")
            .string<&TfrxFont::Name, &TfrxFont::SetName>("Name")
            .enumeration<&TfrxFont::Pitch, &TfrxFont::SetPitch>("Pitch", kFontPitchType, fpDefault)
            .integer<&TfrxFont::Size, &TfrxFont::SetSize>("Size")
            .notStored()
            .set<&TfrxFont::Style, &TfrxFont::SetStyle>("Style", kFontStyleType)
            .build();
    return info;
}

TfrxFont::TfrxFont() = default;

TfrxFont& TfrxFont::operator=(const TfrxFont& o) {
    Assign(o);
    return *this;
}

void TfrxFont::copyValues(const TfrxFont& o) {
    name_ = o.name_;
    height_ = o.height_;
    color_ = o.color_;
    style_ = o.style_;
    charset_ = o.charset_;
    pitch_ = o.pitch_;
}

void TfrxFont::changed() {
    if (onChange_) onChange_();
}

void TfrxFont::SetName(std::string name) {
    name_ = std::move(name);
    changed();
}

void TfrxFont::SetHeight(int height) {
    height_ = height;
    changed();
}

int TfrxFont::Size() const { return clampToInt(-mulDiv(height_, 72, kPixelsPerInch)); }

void TfrxFont::SetSize(int points) { SetHeight(clampToInt(-mulDiv(points, kPixelsPerInch, 72))); }

void TfrxFont::SetColor(lumaro::Color color) {
    color_ = color;
    changed();
}

void TfrxFont::SetStyle(int style) {
    style_ = style & 15;
    changed();
}

void TfrxFont::SetCharset(int charset) {
    charset_ = charset & 0xFF;
    changed();
}

void TfrxFont::SetPitch(TFontPitch pitch) {
    pitch_ = pitch;
    changed();
}

void TfrxFont::Assign(const TfrxFont& source) {
    copyValues(source);
    changed();
}

bool TfrxFont::sameAs(const TfrxFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
           charset_ == o.charset_ && pitch_ == o.pitch_;
}

}  // namespace lumaro
