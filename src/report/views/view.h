#pragma once
// Base of the visible objects: placement rule, background, frame, data binding, and the
// drawing steps (rectangle, background, frame) shared by all views.
#include <string>

#include "gfx/color.h"
#include "gfx/geometry.h"
#include "report/model/frame.h"
#include "report/model/report_component.h"
#include "report/registry/weak_ref.h"

namespace lumaro {

class TfrxDataSet;
struct DrawContext;

// The device rectangle of one drawing of a view, in whole device pixels: X, Y, X1, Y1 with
// DX = X1 - X and DY = Y1 - Y, and the frame's width in device pixels.
struct DrawBox {
    int x = 0, y = 0, x1 = 0, y1 = 0, dx = 0, dy = 0;
    double frameWidth = 0;
    RectF rect() const { return {double(x), double(y), double(x1), double(y1)}; }
};

class TfrxView : public TfrxReportComponent {
    LUMARO_CLASS_INFO
public:
    TfrxView();

    TfrxAlign Align() const { return align_; }
    void SetAlign(TfrxAlign v) { align_ = v; }
    int Cursor() const { return cursor_; }
    void SetCursor(int v) { cursor_ = v; }
    bool Printable() const { return printable_; }
    void SetPrintable(bool v) { printable_ = v; }
    TfrxShiftMode ShiftMode() const { return shiftMode_; }
    void SetShiftMode(TfrxShiftMode v) { shiftMode_ = v; }
    const std::string& TagStr() const { return tagStr_; }
    void SetTagStr(std::string v) { tagStr_ = std::move(v); }
    const std::string& URL() const { return url_; }
    void SetURL(std::string v) { url_ = std::move(v); }

    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle v) { brushStyle_ = v; }
    lumaro::Color Color() const { return color_; }
    virtual void SetColor(lumaro::Color v) { color_ = v; }
    TfrxFrame& Frame() { return frame_; }
    const TfrxFrame& Frame() const { return frame_; }
    void SetFrame(const TfrxFrame& f) { frame_.Assign(f); }

    // Setting the data set also sets DataSetName to its user name; setting the name looks
    // the data set up for the report.
    TfrxDataSet* DataSet() const;
    void SetDataSet(TfrxDataSet* ds);
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(std::string name);
    const std::string& DataField() const { return dataField_; }
    void SetDataField(std::string v) { dataField_ = std::move(v); }
    // Bound to a data set and a non-empty field name.
    bool IsDataField() const;

    const std::string& OnAfterData() const { return onAfterData_; }
    void SetOnAfterData(std::string v) { onAfterData_ = std::move(v); }
    const std::string& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(std::string v) { onAfterPrint_ = std::move(v); }
    const std::string& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(std::string v) { onBeforePrint_ = std::move(v); }
    const std::string& OnPreviewClick() const { return onPreviewClick_; }
    void SetOnPreviewClick(std::string v) { onPreviewClick_ = std::move(v); }

    // Saves Left, Top, Width, Height, TagStr and URL; AfterPrint restores exactly these.
    void BeforePrint() override;
    void AfterPrint() override;
    // Replaces the bracketed expressions of TagStr and URL by their values.
    void GetData() override;

    // Drawing (views/draw): BeginDraw computes the device rectangle, then the background and
    // the frame are drawn.
    void Draw(const DrawContext& context) const override;
    // The device rectangle of the object's place and size.
    DrawBox BeginDraw(const DrawContext& context) const;
    // The device rectangle of `bounds`, the place and size (in object pixels, relative to the
    // page) the object takes in this drawing.
    DrawBox BeginDraw(const DrawContext& context, const RectF& bounds) const;
    // Left, Top, Width and Height with the position relative to the page.
    RectF AbsBounds() const;
    void DrawBackground(const DrawContext& context, const DrawBox& box) const;
    // The frame with the sides of Frame().Typ(), or with the sides `typ` (bits of TfrxFrameType).
    void DrawFrame(const DrawContext& context, const DrawBox& box) const;
    void DrawFrame(const DrawContext& context, const DrawBox& box, int typ) const;

private:
    TfrxAlign align_ = baNone;
    int cursor_ = 0;
    bool printable_ = true;
    TfrxShiftMode shiftMode_ = smAlways;
    std::string tagStr_, url_;
    TBrushStyle brushStyle_ = bsSolid;
    lumaro::Color color_ = clNone;
    TfrxFrame frame_;
    WeakRef<TfrxDataSet> dataSet_;
    std::string dataSetName_, dataField_;
    std::string onAfterData_, onAfterPrint_, onBeforePrint_, onPreviewClick_;

    struct Saved {
        double left = 0, top = 0, width = 0, height = 0;
        std::string tagStr, url;
    } saved_;
};

// A view that can grow with its content.
class TfrxStretcheable : public TfrxView {
    LUMARO_CLASS_INFO
public:
    TfrxStretchMode StretchMode() const { return stretchMode_; }
    void SetStretchMode(TfrxStretchMode v) { stretchMode_ = v; }

private:
    TfrxStretchMode stretchMode_ = smDontStretch;
};

}  // namespace lumaro
