#pragma once
// Text objects: template text with bracketed expressions, its formatting and layout
// settings. TfrxMemoView publishes every setting; TfrxSysMemoView a reduced set.
#include <string>

#include "core/variant.h"
#include "report/registry/class_info.h"
#include "report/registry/weak_ref.h"
#include "report/views/memo_properties.h"
#include "report/views/view.h"

namespace lumaro {

class TfrxCustomMemoView : public TfrxStretcheable {
    LUMARO_CLASS_INFO
public:
    TfrxCustomMemoView();

    bool AutoWidth() const { return autoWidth_; }
    void SetAutoWidth(bool v) { autoWidth_ = v; }
    bool AllowExpressions() const { return allowExpressions_; }
    void SetAllowExpressions(bool v) { allowExpressions_ = v; }
    bool AllowHTMLTags() const { return allowHTMLTags_; }
    void SetAllowHTMLTags(bool v) { allowHTMLTags_ = v; }
    double CharSpacing() const { return charSpacing_; }
    void SetCharSpacing(double v) { charSpacing_ = v; }
    bool Clipped() const { return clipped_; }
    void SetClipped(bool v) { clipped_ = v; }
    TfrxFormat& DisplayFormat() { return displayFormat_; }
    const TfrxFormat& DisplayFormat() const { return displayFormat_; }
    // Opening and closing delimiter separated by the first comma.
    const std::string& ExpressionDelimiters() const { return expressionDelimiters_; }
    void SetExpressionDelimiters(std::string v) { expressionDelimiters_ = std::move(v); }
    // Receives the text that does not fit.
    TfrxCustomMemoView* FlowTo() const;
    void SetFlowTo(TfrxCustomMemoView* v);
    double GapX() const { return gapX_; }
    void SetGapX(double v) { gapX_ = v; }
    double GapY() const { return gapY_; }
    void SetGapY(double v) { gapY_ = v; }
    TfrxHAlign HAlign() const { return hAlign_; }
    void SetHAlign(TfrxHAlign v) { hAlign_ = v; }
    bool HideZeros() const { return hideZeros_; }
    void SetHideZeros(bool v) { hideZeros_ = v; }
    TfrxHighlight& Highlight() { return highlight_; }
    const TfrxHighlight& Highlight() const { return highlight_; }
    double LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(double v) { lineSpacing_ = v; }
    // The template text, one string per line.
    const Lines& Memo() const { return memo_; }
    void SetMemo(Lines v) { memo_ = std::move(v); }
    // The lines joined with CR LF; setting splits at line breaks.
    std::string Text() const;
    void SetText(std::string_view text);
    double ParagraphGap() const { return paragraphGap_; }
    void SetParagraphGap(double v) { paragraphGap_ = v; }
    // Degrees; every assignment keeps the value modulo 360 (the sign stays).
    int Rotation() const { return rotation_; }
    void SetRotation(int v) { rotation_ = v % 360; }
    bool RTLReading() const { return rtlReading_; }
    void SetRTLReading(bool v) { rtlReading_ = v; }
    // Name of a report style; assigning it copies the style's colour, font and frame into
    // the object when the object belongs to a report that has the style.
    const std::string& Style() const { return style_; }
    void SetStyle(std::string v);
    // Copies colour, font and frame of the named style again (after the styles changed).
    void ApplyStyle();
    bool SuppressRepeated() const { return suppressRepeated_; }
    void SetSuppressRepeated(bool v) { suppressRepeated_ = v; }
    bool Underlines() const { return underlines_; }
    void SetUnderlines(bool v) { underlines_ = v; }
    bool WordBreak() const { return wordBreak_; }
    void SetWordBreak(bool v) { wordBreak_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    TfrxVAlign VAlign() const { return vAlign_; }
    void SetVAlign(TfrxVAlign v) { vAlign_ = v; }

    void Draw(const DrawContext& context) const override;
    std::string ComponentText() const override { return Text(); }

protected:
    // Run-time state of a preparation (not stored).
    Variant value_ = Variant::null();
    Variant lastValue_ = Variant::null();
    std::string tempMemo_, partMemo_;
    int totalPages_ = 0;

private:
    bool autoWidth_ = false;
    bool allowExpressions_ = true;
    bool allowHTMLTags_ = false;
    double charSpacing_ = 0;
    bool clipped_ = true;
    TfrxFormat displayFormat_;
    std::string expressionDelimiters_ = "[,]";
    WeakRef<TfrxCustomMemoView> flowTo_;
    double gapX_ = 2, gapY_ = 1;
    TfrxHAlign hAlign_ = haLeft;
    bool hideZeros_ = false;
    TfrxHighlight highlight_;
    double lineSpacing_ = 2;
    Lines memo_;
    double paragraphGap_ = 0;
    int rotation_ = 0;
    bool rtlReading_ = false;
    std::string style_;
    bool suppressRepeated_ = false;
    bool underlines_ = false;
    bool wordBreak_ = false;
    bool wordWrap_ = true;
    TfrxVAlign vAlign_ = vaTop;
};

class TfrxMemoView : public TfrxCustomMemoView {
    LUMARO_CLASS_INFO
public:
    std::string DisplayName() const override;
};

class TfrxSysMemoView : public TfrxCustomMemoView {
    LUMARO_CLASS_INFO
public:
    std::string DisplayName() const override;
};

// Stored rule of a text object's Highlight: its condition is not blank.
bool isHighlightStored(const TfrxPersistent& memo);

}  // namespace lumaro
