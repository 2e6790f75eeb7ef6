#pragma once
// The barcode object: a symbology, the text to encode (or an expression giving it), and how
// the code is drawn. Drawing hands these to the barcode engine.
#include <string>

#include "barcode/barcode_type.h"
#include "report/views/view.h"

namespace lumaro {

class TfrxBarcode;

class TfrxBarCodeView : public TfrxView {
    LUMARO_CLASS_INFO
public:
    static constexpr const char* kDefaultText = "12345678";
    // A Zoom below this draws (and is stored by fitToCode) as 1.
    static constexpr double kMinZoom = 0.0001;

    TfrxBarcodeType BarType() const { return barType_; }
    void SetBarType(TfrxBarcodeType v) { barType_ = v; }
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

    // The place the code takes: its width along the bars is the engine's width times Zoom
    // (Width at Rotation 0 and 180, Height otherwise; the other side stays as designed), and
    // with haRight or haCenter Left moves by the change of Width (or half of it). Raises the
    // engine's error for a text the symbology rejects.
    struct CodeFit {
        double zoom, left, width, height;
    };
    CodeFit fitOf() const;
    // Makes the object take that place (and a Zoom below kMinZoom become 1). The preparation's
    // data step and the designer call it; drawing draws the fitted code without changing the
    // object. On an error nothing changes.
    void fitToCode();

    // Text from the bound data field, else from Expression when there is one; then fitToCode.
    void GetData() override;
    // Background, the code painted by the engine into the fitted rectangle, frame.
    void Draw(const DrawContext& context) const override;
    std::string DisplayName() const override;
    std::string ComponentText() const override { return text_; }

private:
    // An engine with the object's settings (type, text, checksum, angle, colour) and the
    // font metrics of the object's host.
    void setUpEngine(TfrxBarcode& engine) const;
    CodeFit fitOf(TfrxBarcode& engine) const;

    TfrxBarcodeType barType_ = bcCode39;
    bool calcCheckSum_ = false;
    std::string expression_;
    std::string text_ = kDefaultText;
    int rotation_ = 0;
    bool showText_ = true;
    double zoom_ = 1.0;
    TfrxHAlign hAlign_ = haLeft;
};

}  // namespace lumaro
