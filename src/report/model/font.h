#pragma once
// The font property object of components, highlights and styles: name, size, colour, style
// set, character set and pitch, at 96 pixels per inch. The size is kept as Height (negative:
// minus the character height in pixels), as templates store it; Size (points) is derived.
#include <functional>
#include <string>

#include "gfx/color.h"
#include "report/model/report_types.h"
#include "report/registry/persistent.h"

namespace lumaro {

class TfrxFont : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    static constexpr int kPixelsPerInch = 96;
    static constexpr int kDefaultCharset = 1;

    TfrxFont();
    TfrxFont(const TfrxFont& o) : TfrxPersistent() { copyValues(o); }
    TfrxFont& operator=(const TfrxFont& o);

    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points; setting it sets Height to minus the pixel height at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    lumaro::Color Color() const { return color_; }
    void SetColor(lumaro::Color color);
    int Style() const { return style_; }  // FontStyleBits: 1 bold, 2 italic, 4 underline, 8 strike-out
    void SetStyle(int style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // Copies every value and reports one change.
    void Assign(const TfrxFont& source);
    bool sameAs(const TfrxFont& o) const;

    // Called after every change; the holder uses it to clear its ParentFont.
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // Copies the values without reporting a change (inheriting a parent's font).
    void assignSilently(const TfrxFont& source) { copyValues(source); }

private:
    void copyValues(const TfrxFont& o);
    void changed();

    std::string name_ = "Arial";
    int height_ = -13;
    lumaro::Color color_ = clBlack;
    int style_ = 0;
    int charset_ = kDefaultCharset;
    TFontPitch pitch_ = fpDefault;
    std::function<void()> onChange_;
};

}  // namespace lumaro
