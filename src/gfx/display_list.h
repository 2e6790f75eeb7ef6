#pragma once
// A recorded picture: every Canvas call kept in order, so that it can be played back
// scaled onto another canvas, inspected by tests, or searched for its text runs.
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "gfx/canvas.h"

namespace lumaro {

namespace dl {
struct SetPen { Pen pen; };
struct SetBrush { Brush brush; };
struct SetFont { FontSpec font; };
struct Line { PointF from, to; };
struct Rect { RectF r; };
struct Ellipse { RectF r; };
struct RoundRect { RectF r; double cornerWidth, cornerHeight; };
struct Polygon { std::vector<PointF> points; };
struct Polyline { std::vector<PointF> points; };
struct FillRect { RectF r; Color color; };
struct Text { PointF origin; std::string text; std::vector<double> advances; bool hasAdvances; };
struct DrawImage { RectF target; std::shared_ptr<const Image> image; };
struct SetClip { RectF r; };
struct ResetClip {};
}  // namespace dl

using DisplayCommand = std::variant<dl::SetPen, dl::SetBrush, dl::SetFont, dl::Line, dl::Rect, dl::Ellipse,
                                    dl::RoundRect, dl::Polygon, dl::Polyline, dl::FillRect, dl::Text,
                                    dl::DrawImage, dl::SetClip, dl::ResetClip>;

// A text run as it was drawn, with the font that was current.
struct TextRun {
    PointF origin;
    std::string text;
    FontSpec font;
    std::vector<double> advances;
};

class DisplayList : public Canvas {
public:
    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
    void setFont(const FontSpec& font) override;
    void drawLine(PointF from, PointF to) override;
    void drawRect(const RectF& r) override;
    void drawEllipse(const RectF& r) override;
    void drawRoundRect(const RectF& r, double cornerWidth, double cornerHeight) override;
    void drawPolygon(const std::vector<PointF>& points) override;
    void drawPolyline(const std::vector<PointF>& points) override;
    void fillRect(const RectF& r, Color color) override;
    void drawText(PointF origin, std::string_view text, const std::vector<double>* advances = nullptr) override;
    void drawImage(const RectF& target, const Image& image) override;
    void setClipRect(const RectF& r) override;
    void resetClip() override;

    const std::vector<DisplayCommand>& commands() const { return commands_; }
    bool empty() const { return commands_.empty(); }
    void clear() { commands_.clear(); }

    // Plays the recording onto `target`: every coordinate p becomes p * scale + offset;
    // pen widths, corner sizes, text advances and font sizes are scaled too.
    void replay(Canvas& target, double scaleX = 1, double scaleY = 1, double offsetX = 0, double offsetY = 0) const;

    // The text drawn, in drawing order.
    std::vector<TextRun> textRuns() const;

    // Smallest rectangle covering every shape, line and text origin drawn (pen widths ignored).
    RectF bounds() const;

private:
    std::vector<DisplayCommand> commands_;
};

}  // namespace lumaro
