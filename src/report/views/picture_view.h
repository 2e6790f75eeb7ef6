#pragma once
// A picture object: one graphic drawn stretched (optionally keeping its aspect ratio and
// centred) or at its own size, optionally taken from a data field.
#include <memory>

#include "gfx/byte_io.h"
#include "gfx/graphic.h"
#include "report/model/picture.h"
#include "report/views/view.h"

namespace lumaro {

class TfrxPictureView : public TfrxView {
    LUMARO_CLASS_INFO
public:
    TfrxPictureView();

    bool AutoSize() const { return autoSize_; }
    // True sizes the view to the graphic (again after every change of the picture).
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; }
    bool KeepAspectRatio() const { return keepAspectRatio_; }
    void SetKeepAspectRatio(bool v) { keepAspectRatio_ = v; }
    bool Stretched() const { return stretched_; }
    void SetStretched(bool v) { stretched_ = v; }
    TfrxPicture& Picture() { return picture_; }
    const TfrxPicture& Picture() const { return picture_; }
    void SetPicture(const TfrxPicture& p) { picture_.Assign(p); }

    // Set whenever the picture changes; cleared before each preparation.
    bool PictureChanged() const { return picture_.Picture().changed(); }
    void SetPictureChanged(bool v) { picture_.Picture().setChanged(v); }
    void BeforeStartReport() override { SetPictureChanged(false); }

    // The graphic of Picture; nullptr without one.
    const TGraphic* graphic() const { return picture_.Picture().graphic(); }
    // Loads the bytes of a data field: an 8-byte blob header is skipped, the format is
    // recognised from the data, and data of no known format clears the picture.
    void loadFieldData(ByteSpan data);
    // Expands TagStr and URL, then loads the picture of a data-bound view from its field.
    void GetData() override;

    void Draw(const DrawContext& context) const override;
    std::string DisplayName() const override;

private:
    void applyAutoSize();

    bool autoSize_ = false;
    bool center_ = false;
    bool keepAspectRatio_ = true;
    bool stretched_ = true;
    TfrxPicture picture_;
};

}  // namespace lumaro
