#pragma once
// A picture property (Picture, BackPicture, ReportOptions.Picture) as a property object: the
// graphic (gfx TPicture) with its stored form, one PropData entry "Data" holding the graphic's
// class name and bytes exactly as a template holds them.
#include <functional>
#include <string>

#include "gfx/picture.h"
#include "report/registry/persistent.h"

namespace lumaro {

class TfrxPicture : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    TfrxPicture() = default;

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    bool IsEmpty() const { return picture_.isEmpty(); }
    // The stored class name of the graphic ("TBitmap", "TJPEGImage", ...); empty without one.
    std::string GraphicClassName() const { return picture_.graphic() ? picture_.graphic()->className() : ""; }
    void Clear() { picture_.clear(); }
    void Assign(const TfrxPicture& source) { picture_ = source.picture_; }

    // Called after every change of the graphic.
    void setOnChange(std::function<void()> handler) { picture_.setOnChange(std::move(handler)); }

    bool hasPropData() const override { return !picture_.isEmpty(); }
    void writePropData(TypedWriter& writer) const override;
    // A damaged "Data" entry leaves the picture as it was and stops reading.
    bool readPropEntry(std::string_view name, TypedReader& reader, ObjectReader& context) override;

private:
    TPicture picture_;
};

}  // namespace lumaro
