#pragma once
// The barcode object: a symbology, the text to encode (or an expression giving it), and how
// the code is drawn. Drawing hands these to the barcode engine.
#include <string>

#include "report/views/view.h"

namespace lumaro {

class TfrxBarCodeView : public TfrxView {
    LUMARO_CLASS_INFO
public:
    // Ordinal of kBarcodeTypeType; 3 is bcCode39.
    static constexpr int kDefaultBarType = 3;
    static constexpr const char* kDefaultText = "12345678";

    int BarType() const { return barType_; }
    void SetBarType(int v) { barType_ = v; }
    bool CalcCheckSum() const { return calcCheckSum_; }
    void SetCalcCheckSum(bool v) { calcCheckSum_ = v; }
    const std::string& Expression() const { return expression_; }
    void SetExpression(std::string v) { expression_ = std::move(v); }
    const std::string& Text() const { return text_; }
    void SetText(std::string v) { text_ = std::move(v); }
    // 0, 90, 180 or 270 degrees.
    int Rotation() const { return rotation_; }
    void SetRotation(int v) { rotation_ = v; }
    bool ShowText() const { return showText_; }
    void SetShowText(bool v) { showText_ = v; }
    double Zoom() const { return zoom_; }
    void SetZoom(double v) { zoom_ = v; }
    TfrxHAlign HAlign() const { return hAlign_; }
    void SetHAlign(TfrxHAlign v) { hAlign_ = v; }

    void Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
    std::string DisplayName() const override;
    std::string ComponentText() const override { return text_; }

private:
    int barType_ = kDefaultBarType;
    bool calcCheckSum_ = false;
    std::string expression_;
    std::string text_ = kDefaultText;
    int rotation_ = 0;
    bool showText_ = true;
    double zoom_ = 1.0;
    TfrxHAlign hAlign_ = haLeft;
};

}  // namespace lumaro
