#pragma once
// Text layout and drawing of text objects, the same on every device.
//
// Every decision about line breaks and line widths is made once, in measuring units of 600 per
// inch, from font metrics that do not depend on the device (FontMetrics). Drawing then spreads
// or squeezes each line character by character so that it is exactly as wide, in device
// pixels, as it measured; so the preview at any zoom and the printout at any resolution break
// their lines at the same words and have the same line lengths.
//
// One layout object belongs to each report (which gives it its host: setHost), plus a global
// one (frxDrawText()) for text objects outside a report, measuring with the process host's
// metrics. A text object uses it like this, always between Lock and Unlock (the DrawTextLock
// guard does both):
//
//     DrawTextLock lock(drawText);                       // waits while another user has it
//     drawText.SetFont(font);                            // the object's (or highlight's) font
//     drawText.SetOptions(wordWrap, htmlTags, rotation, clipped, wordBreak, rtlReading);
//     drawText.SetGaps(lineSpacing, charSpacing, paragraphGap);
//     drawText.SetDimensions(unscaledRect, scaledRect, scaleY, scaleX);
//     drawText.SetText(memoLines);                       // wraps
//     ... then any of:
//     drawText.CalcHeight(); drawText.CalcWidth(); drawText.LineHeight();
//     drawText.RemainingHeight();                        // free height below the last line that fits
//     std::string rest = drawText.GetOutBoundsText();    // cuts the text after the lines that fit
//     std::string kept = drawText.GetInBoundsText();
//     drawText.DrawText(canvas, hAlign, vAlign);
//
// Rectangles: the unscaled one is the text rectangle at scale 1 in report pixels (96 per inch);
// it decides the wrapping and how many lines fit. The scaled one is the same rectangle on the
// canvas in device pixels (origin and clip rectangle of the drawing). For measuring only, both
// may be the same rectangle with scales 1.
//
// Text is UTF-8; character positions count code points.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gfx/drawing_tools.h"
#include "gfx/geometry.h"
#include "report/layout/face_cache.h"
#include "report/layout/html_tags.h"
#include "report/model/report_types.h"

namespace lumaro {

class Canvas;
class FontMetrics;
class TfrxFont;
struct ReportHost;

// One wrapped output line.
struct LayoutLine {
    enum ParagraphFlags { kFirst = 1, kLast = 2 };
    std::u32string chars;   // without tags; a hyphen added at a word break is included
    TfrxHTMLTags tags;      // one per character
    int flags = 0;          // ParagraphFlags: first and/or last line of its source line
    int64_t width600 = 0;   // measured width in 600ths of an inch, character spacing included
    int startPosition = 0;  // Position in the text where the line begins

    std::string text() const;
};

class TfrxDrawText {
public:
    static constexpr int kMeasureResolution = 600;  // measuring units per inch
    static constexpr int kScreenResolution = 96;    // report pixels per inch

    TfrxDrawText();
    ~TfrxDrawText();
    TfrxDrawText(const TfrxDrawText&) = delete;
    TfrxDrawText& operator=(const TfrxDrawText&) = delete;

    // What the layout takes from its report's host: the font metrics and the message processing
    // while it waits. A report calls this when it gets its host; a layout without one (the
    // global one) follows the process host (processHost()).
    void setHost(const ReportHost& host);
    // The metrics all measuring and drawing uses; null: the process host's.
    void setFontMetrics(std::shared_ptr<const FontMetrics> metrics);
    const FontMetrics& fontMetrics() const;
    // What waiting for the layout does between tries; empty: the process-wide message
    // processing (core/process_hook.h).
    void setMessageProcessing(std::function<void()> processMessages);

    // Waits while another user holds the layout (processing pending messages), then takes it.
    // Taking it again from inside the holder's own call (a nested use on the same thread, which
    // could never end) raises std::logic_error instead of waiting for ever.
    void Lock();
    void Unlock();
    bool busy() const { return busy_.load(); }

    // The font's size in points, name, style, character set and colour; measured at
    // nearest(size * 600 / 72) units per em.
    void SetFont(const TfrxFont& font);
    // Rotation in degrees, any value (kept modulo 360 in 0..359).
    void SetOptions(bool wordWrap, bool htmlTags, int rotation, bool clipped, bool wordBreak, bool rtlReading);
    // All in report pixels.
    void SetGaps(double lineSpacing, double charSpacing, double paragraphGap);
    // Note the order of the scales: vertical first.
    void SetDimensions(const RectF& unscaledRect, const RectF& scaledRect, double scaleY, double scaleX);
    // Lays out the source lines (Memo lines, no line breaks inside) in the unscaled rectangle's
    // width (its height at rotations 90..179 and 270..359).
    void SetText(const std::vector<std::string>& lines);

    // Height of one line in report pixels: the font's em height plus LineSpacing.
    double LineHeight() const;
    // Height of all output lines in report pixels; 0 without lines.
    double CalcHeight() const;
    // Width of the widest output line (its paragraph indent included) in report pixels.
    double CalcWidth() const;
    // Height left free in the unscaled rectangle below the last line that fits in it (0.0001
    // when the lines fill it exactly, 0 when not even one fits).
    double RemainingHeight() const;
    // Removes the output lines that do not fit the unscaled rectangle's height and cuts the text
    // where the first of them begins; returns the cut-off part, led by tags that restore its
    // colour, underline, italic and bold when tags are allowed. Empty when everything fits.
    std::string GetOutBoundsText();
    // The text (all source lines, each ended by CR LF), or the part GetOutBoundsText left.
    std::string GetInBoundsText() const;

    // Draws the output lines into the scaled rectangle.
    void DrawText(Canvas& canvas, TfrxHAlign hAlign, TfrxVAlign vAlign) const;

    const std::vector<LayoutLine>& lines() const { return lines_; }
    int rotation() const { return rotation_; }
    int fontSize() const { return fontSize_; }
    // The measuring font: the text font at its em height in measuring units.
    const FontSpec& measuringFont() const { return measuringFont_; }

private:
    struct LineDrawing;

    void wrapLine(std::u32string_view source, int64_t fullWidth, int64_t firstWidth, int64_t charSpacing);
    // Measuring widths of characters: cumulative extents rounded at each character.
    std::vector<int64_t> measureChars(std::u32string_view chars, const TfrxHTMLTags& tags,
                                      int64_t charSpacing) const;
    int64_t measureAdded(char32_t c, const TfrxHTMLTag& tag, int64_t charSpacing) const;
    void addLine(std::u32string_view chars, const TfrxHTMLTags& tags, const std::vector<int64_t>& widths,
                 size_t from, size_t to, bool hyphen, int64_t charSpacing, int endPosition);
    // Lines that fit the unscaled rectangle's height.
    int64_t linesThatFit() const;
    void drawLine(LineDrawing& drawing, const LayoutLine& line, double x, double y, double width,
                  TfrxHAlign align) const;
    void waitUntilFree();  // the one place that processes messages while waiting

    std::shared_ptr<const FontMetrics> metrics_;
    std::function<void()> processMessages_;
    FaceCache faces_;

    FontSpec measuringFont_;
    int fontSize_ = 10;

    bool wordWrap_ = true, htmlTags_ = false, clipped_ = true, wordBreak_ = false, rtl_ = false;
    int rotation_ = 0;

    double lineSpacing_ = 0, charSpacing_ = 0, paragraphGap_ = 0;
    RectF unscaled_, scaled_;
    double scaleX_ = 1, scaleY_ = 1;

    std::u32string text_;
    std::vector<LayoutLine> lines_;
    TfrxHTMLTagsList tagState_;

    std::atomic<bool> busy_{false};
    std::atomic<std::thread::id> owner_{};
};

// Takes the layout for the lifetime of the guard.
class DrawTextLock {
public:
    explicit DrawTextLock(TfrxDrawText& drawText) : drawText_(drawText) { drawText_.Lock(); }
    ~DrawTextLock() { drawText_.Unlock(); }
    DrawTextLock(const DrawTextLock&) = delete;
    DrawTextLock& operator=(const DrawTextLock&) = delete;

private:
    TfrxDrawText& drawText_;
};

// The layout object of text objects that belong to no report.
TfrxDrawText& frxDrawText();

}  // namespace lumaro
